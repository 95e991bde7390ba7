#include "controls/ImageList.h"

#include "frame/std_picture.h"
#include "platform/core/error.h"
#include "platform/image/image_codec.h"
#include "platform/raster/colour.h"

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.ImageList";

// A copy of the picture whose pixels of colour (0x00BBGGRR) are fully transparent.
automation::Ref<IDispatch> masked_copy(const frame::StdPicture& picture, pf::COLORREF colour) {
    pf::Image image = picture.image();
    const uint32_t rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    for (uint32_t& p : image.pixels) {
        if ((p & 0xFFFFFF) == rgb && (p >> 24) != 0) {
            p = 0;
            image.has_alpha = true;
        }
    }
    return automation::Ref<IDispatch>::adopt(frame::StdPicture::from_bytes(pf::encode_png(image)));
}

} // namespace

void ImageList::SetMaskColor(OLE_COLOR colour) {
    m_mask_colour = colour;
    for (Entry& e : m_entries)
        mask(e);
}

void ImageList::SetUseMaskColor(bool on) {
    m_use_mask = on;
    for (Entry& e : m_entries)
        mask(e);
}

void ImageList::Add(std::u16string key, IDispatch* picture) {
    if (key.empty())
        raise_standard(std_error::InvalidPropertyValue, std::u16string(kSource),
                       u"An image of the list needs a key");
    if (!frame::StdPicture::from(picture))
        raise_standard(std_error::InvalidPicture, std::u16string(kSource));
    for (Entry& e : m_entries) {
        if (e.key == key) {
            e.picture = automation::Ref<IDispatch>(picture);
            mask(e);
            return;
        }
    }
    m_entries.push_back({std::move(key), automation::Ref<IDispatch>(picture), {}});
    mask(m_entries.back());
}

IDispatch* ImageList::ListImages(std::u16string_view key) const {
    for (const Entry& e : m_entries)
        if (e.key == key)
            return e.masked ? e.masked.get() : e.picture.get();
    raise_standard(std_error::SubscriptOutOfRange, std::u16string(kSource),
                   u"Element not found: " + std::u16string(key));
}

void ImageList::mask(Entry& e) const {
    e.masked.reset();
    pf::COLORREF colour = 0;
    if (m_use_mask && pf::OleTranslateColor(m_mask_colour, 0, &colour) == S_OK)
        e.masked = masked_copy(*frame::StdPicture::from(e.picture.get()), colour);
}

} // namespace paginor::controls
