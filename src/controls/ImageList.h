// The image list: small pictures kept under text keys, for a control that switches between
// a few glyphs. With UseMaskColor the pictures it hands out show the pixels of MaskColor
// as transparent (the control beneath shows there); without it they are the pictures as
// added. A plain C++ part of its control, not registered and never drawn itself.
#pragma once

#include <paginor/base.h>

#include "automation/ref.h"

#include <string>
#include <string_view>
#include <vector>

namespace paginor::controls {

class ImageList final {
  public:
    ImageList() = default;
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // An OLE colour; one that does not translate masks nothing.
    OLE_COLOR MaskColor() const { return m_mask_colour; }
    void SetMaskColor(OLE_COLOR colour);
    bool UseMaskColor() const { return m_use_mask; }
    void SetUseMaskColor(bool on);

    // Adds picture under key, after the others; a key already present (keys compare
    // exactly) has its picture replaced in place. Holds a counted reference. Throws
    // RuntimeError 380 for an empty key and 481 for a picture that is not one of the
    // library's standard pictures.
    void Add(std::u16string key, IDispatch* picture);
    // The picture under key as the list hands it out (borrowed; valid until the list or
    // its mask settings change). Masked pictures are made when a picture is added or the
    // mask changes, never while drawing. Throws RuntimeError 9 for a key not in the list.
    IDispatch* ListImages(std::u16string_view key) const;
    std::size_t Count() const { return m_entries.size(); }

  private:
    struct Entry {
        std::u16string key;
        automation::Ref<IDispatch> picture;
        automation::Ref<IDispatch> masked; // null while no mask applies
    };
    void mask(Entry& entry) const;

    OLE_COLOR m_mask_colour{0x00C0C0C0};
    bool m_use_mask{true};
    std::vector<Entry> m_entries{};
};

} // namespace paginor::controls
