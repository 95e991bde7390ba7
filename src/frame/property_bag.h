// A control's persisted properties: named, typed values in the order they were written.
// A control reads each key with a default and writes it with or without one; a value
// equal to its default is not stored, so a bag holds only what differs.
//
// Reads convert the stored value to the kind asked for, as the host runtime's
// assignment would: a number that does not fit gives error 6 (Overflow), a value of
// another kind error 13 (Type mismatch). An empty key gives error 380 (Invalid
// property value) on every call. Errors are RuntimeError with source "PaginorV2CTL".
#pragma once

#include <paginor/base.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace paginor::frame {

enum class BagKind : uint8_t { None, Int16, Int32, Boolean, Colour, String, Picture, Font };

// One stored value. Picture holds the encoded picture file (its binary stream); Font the
// face in text, the size in 1/10000 points in number and the bold, italic, underline and
// strikethrough flags as four bytes; None is an object reference that was empty.
struct BagValue {
    BagKind kind{BagKind::None};
    int32_t number{0}; // Int16, Int32, Boolean (-1 / 0), Colour
    std::u16string text{};
    std::vector<uint8_t> bytes{};

    static BagValue int16(int16_t v) { return {BagKind::Int16, v}; }
    static BagValue int32(int32_t v) { return {BagKind::Int32, v}; }
    static BagValue boolean(bool v) { return {BagKind::Boolean, v ? -1 : 0}; }
    static BagValue colour(OLE_COLOR v) { return {BagKind::Colour, static_cast<int32_t>(v)}; }
    static BagValue string(std::u16string v) { return {BagKind::String, 0, std::move(v)}; }
    static BagValue picture(std::vector<uint8_t> b) {
        return {BagKind::Picture, 0, {}, std::move(b)};
    }
    static BagValue font(std::u16string face, int32_t size_1e4, bool bold, bool italic,
                         bool underline, bool strike) {
        return {BagKind::Font,
                size_1e4,
                std::move(face),
                {uint8_t(bold), uint8_t(italic), uint8_t(underline), uint8_t(strike)}};
    }
    static BagValue none() { return {}; }
    friend bool operator==(const BagValue&, const BagValue&) = default;
};

struct BagEntry {
    std::u16string name;
    BagValue value;
    friend bool operator==(const BagEntry&, const BagEntry&) = default;
};

class PropertyBag {
  public:
    // Stores the value under name (replacing an earlier one in its place), or removes it
    // when it equals def. Error 380 for an empty name.
    void WriteProperty(std::u16string_view name, BagValue value,
                       const std::optional<BagValue>& def = std::nullopt);
    // The stored value, or def when the key is missing. Error 380 for an empty name.
    BagValue ReadProperty(std::u16string_view name, const BagValue& def) const;

    // Typed reads: the stored value converted, def when missing. Int16 from a stored
    // Int32 out of range: 6; a String or Picture where a number is asked: 13 (a string
    // holding a decimal integer converts); Boolean from any number: non-zero is true.
    int16_t read_int16(std::u16string_view name, int16_t def) const;
    int32_t read_int32(std::u16string_view name, int32_t def) const;
    bool read_boolean(std::u16string_view name, bool def) const;
    OLE_COLOR read_colour(std::u16string_view name, OLE_COLOR def) const;
    // Numbers convert to their decimal text; a Picture gives 13.
    std::u16string read_string(std::u16string_view name, std::u16string_view def) const;
    // A new picture object (one reference) decoded from the stored stream; null when the
    // key is missing or holds None. 13 for another kind, 481 for a stream that does not
    // decode.
    IDispatch* read_picture(std::u16string_view name) const;
    // Writes a picture (its stream) or None for null, always stored. 13 for an object
    // that is not one of the library's pictures.
    void write_picture(std::u16string_view name, IDispatch* picture);

    // A new font object (one reference) for a stored Font; null when the key is missing
    // or holds None; 13 for another kind.
    IDispatch* read_font(std::u16string_view name) const;
    // Writes the font's description, or None for null, always stored. 13 for an object
    // that is not one of the library's fonts.
    void write_font(std::u16string_view name, IDispatch* font);

    const std::vector<BagEntry>& entries() const { return m_entries; }
    // Appends without comparing to a default (readers of saved files use it).
    void append(BagEntry entry) { m_entries.push_back(std::move(entry)); }
    bool empty() const { return m_entries.empty(); }
    friend bool operator==(const PropertyBag&, const PropertyBag&) = default;

  private:
    const BagValue* find(std::u16string_view name) const;

    std::vector<BagEntry> m_entries{};
};

} // namespace paginor::frame
