#include "frame/property_bag.h"

#include "frame/std_font.h"
#include "frame/std_picture.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace paginor::frame {

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL";

void check_name(std::u16string_view name) {
    if (name.empty())
        raise_standard(std_error::InvalidPropertyValue, std::u16string(kSource),
                       u"Invalid property value: a property needs a name");
}

[[noreturn]] void mismatch(std::u16string_view name) {
    raise_standard(std_error::TypeMismatch, std::u16string(kSource),
                   u"Type mismatch reading property '" + std::u16string(name) + u"'");
}

// The number a stored value stands for; 13 for pictures and non-numeric text.
int64_t as_number(std::u16string_view name, const BagValue& v) {
    switch (v.kind) {
    case BagKind::Int16:
    case BagKind::Int32:
    case BagKind::Boolean:
    case BagKind::Colour:
        return v.number;
    case BagKind::String: {
        const std::string text = to_utf8(v.text);
        int64_t out = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
        if (ec != std::errc{} || end != text.data() + text.size() || text.empty())
            mismatch(name);
        return out;
    }
    default:
        mismatch(name);
    }
}

} // namespace

const BagValue* PropertyBag::find(std::u16string_view name) const {
    for (const BagEntry& e : m_entries)
        if (equals_ignore_case(e.name, name))
            return &e.value;
    return nullptr;
}

void PropertyBag::WriteProperty(std::u16string_view name, BagValue value,
                                const std::optional<BagValue>& def) {
    check_name(name);
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const BagEntry& e) { return equals_ignore_case(e.name, name); });
    if (def && value == *def) {
        if (it != m_entries.end())
            m_entries.erase(it);
        return;
    }
    if (it != m_entries.end())
        it->value = std::move(value);
    else
        m_entries.push_back({std::u16string(name), std::move(value)});
}

BagValue PropertyBag::ReadProperty(std::u16string_view name, const BagValue& def) const {
    check_name(name);
    const BagValue* v = find(name);
    return v ? *v : def;
}

int16_t PropertyBag::read_int16(std::u16string_view name, int16_t def) const {
    check_name(name);
    const BagValue* v = find(name);
    if (!v)
        return def;
    const int64_t n = as_number(name, *v);
    if (n < std::numeric_limits<int16_t>::min() || n > std::numeric_limits<int16_t>::max())
        raise_standard(std_error::Overflow, std::u16string(kSource),
                       u"Overflow reading property '" + std::u16string(name) + u"'");
    return static_cast<int16_t>(n);
}

int32_t PropertyBag::read_int32(std::u16string_view name, int32_t def) const {
    check_name(name);
    const BagValue* v = find(name);
    if (!v)
        return def;
    const int64_t n = as_number(name, *v);
    if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
        raise_standard(std_error::Overflow, std::u16string(kSource),
                       u"Overflow reading property '" + std::u16string(name) + u"'");
    return static_cast<int32_t>(n);
}

bool PropertyBag::read_boolean(std::u16string_view name, bool def) const {
    check_name(name);
    const BagValue* v = find(name);
    if (!v)
        return def;
    if (v->kind == BagKind::String) {
        if (equals_ignore_case(v->text, u"True"))
            return true;
        if (equals_ignore_case(v->text, u"False"))
            return false;
    }
    return as_number(name, *v) != 0;
}

OLE_COLOR PropertyBag::read_colour(std::u16string_view name, OLE_COLOR def) const {
    check_name(name);
    const BagValue* v = find(name);
    if (!v)
        return def;
    return static_cast<OLE_COLOR>(as_number(name, *v));
}

std::u16string PropertyBag::read_string(std::u16string_view name, std::u16string_view def) const {
    check_name(name);
    const BagValue* v = find(name);
    if (!v)
        return std::u16string(def);
    switch (v->kind) {
    case BagKind::String:
        return v->text;
    case BagKind::Boolean:
        return v->number ? u"True" : u"False";
    case BagKind::None:
    case BagKind::Picture:
        mismatch(name);
    default:
        return from_utf8(std::to_string(v->number));
    }
}

IDispatch* PropertyBag::read_picture(std::u16string_view name) const {
    check_name(name);
    const BagValue* v = find(name);
    if (!v || v->kind == BagKind::None)
        return nullptr;
    if (v->kind != BagKind::Picture)
        mismatch(name);
    return StdPicture::from_bytes(v->bytes);
}

void PropertyBag::write_picture(std::u16string_view name, IDispatch* picture) {
    check_name(name);
    if (!picture) {
        WriteProperty(name, BagValue::none());
        return;
    }
    const StdPicture* ours = StdPicture::from(picture);
    if (!ours)
        mismatch(name);
    WriteProperty(name, BagValue::picture(ours->bytes()));
}

IDispatch* PropertyBag::read_font(std::u16string_view name) const {
    check_name(name);
    const BagValue* v = find(name);
    if (!v || v->kind == BagKind::None)
        return nullptr;
    if (v->kind != BagKind::Font || v->bytes.size() != 4 || v->number <= 0 || v->text.empty())
        mismatch(name);
    FontDescription d;
    d.name = v->text;
    d.size = v->number / 10000.0;
    d.bold = v->bytes[0] != 0;
    d.italic = v->bytes[1] != 0;
    d.underline = v->bytes[2] != 0;
    d.strikethrough = v->bytes[3] != 0;
    return StdFont::create(d);
}

void PropertyBag::write_font(std::u16string_view name, IDispatch* font) {
    check_name(name);
    if (!font) {
        WriteProperty(name, BagValue::none());
        return;
    }
    const StdFont* ours = StdFont::from(font);
    if (!ours)
        mismatch(name);
    const FontDescription& d = ours->description();
    WriteProperty(name, BagValue::font(d.name, int32_t(std::lround(d.size * 10000)), d.bold,
                                       d.italic, d.underline, d.strikethrough));
}

} // namespace paginor::frame
