// The standard picture object that hosts hand to controls: a decoded picture (alpha kept)
// behind IDispatch with the members Handle (0), hPal (2), Type (3), Width (4), Height (5)
// and Render (6). Width and Height are in HIMETRIC (0.01 mm) at the screen's density.
// Counted like every object of the library, so DllCanUnloadNow waits for it.
//
// Inside the library a control reaches the picture behind an IPictureDisp through
// StdPicture::from(); a host's own picture object (not ours) simply gives null there.
#pragma once

#include "automation/named_dispatch.h"

#include <paginor/PaginorV2CTL.h>

#include "platform/image/image_codec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace paginor::frame {

using platform::HBITMAP;
using platform::HDC;

// Type values, as the desktop numbers them.
constexpr SHORT PICTYPE_NONE = 0;
constexpr SHORT PICTYPE_BITMAP = 1;
constexpr SHORT PICTYPE_ICON = 3;

class StdPicture final : public automation::NamedDispatch {
  public:
    // A new picture holding one reference. bytes are the encoded file the picture came
    // from; they are what a property bag stores. Throws RuntimeError 481 for bytes that
    // do not decode.
    static StdPicture* from_bytes(std::vector<uint8_t> bytes);
    // The picture behind a host's IPictureDisp when it is one of ours; null otherwise
    // (and for null). Borrowed: no reference is added.
    static StdPicture* from(IDispatch* picture);

    const platform::Image& image() const { return m_image; }
    const std::vector<uint8_t>& bytes() const { return m_bytes; }
    int width_px() const { return m_image.width; }
    int height_px() const { return m_image.height; }
    HBITMAP handle() const { return m_bitmap; }
    SHORT type() const { return m_type; }

    // Draws the picture scaled into (x, y, cx, cy) of the DC, mixing each pixel with
    // what is already there by its alpha (fully transparent pixels leave the DC alone).
    // Nothing for an unknown DC or a size below 1.
    void draw(HDC hdc, int x, int y, int cx, int cy) const;

    // Late-bound names: the member names above, ignoring case (NamedDispatch).
    // Reads of Handle, hPal, Type, Width, Height; Render(hdc, x, y, cx, cy, xSrc, ySrc,
    // cxSrc, cySrc, bounds) draws the whole picture into (x, y, cx, cy) (the source
    // rectangle is taken as the whole picture). DISP_E_MEMBERNOTFOUND for other members
    // and writes, DISP_E_BADPARAMCOUNT / DISP_E_TYPEMISMATCH for bad Render arguments.
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO*, UINT* arg_err) override;

  private:
    StdPicture(std::vector<uint8_t> bytes, platform::Image image);
    ~StdPicture();
    HRESULT render(DISPPARAMS* params, UINT* arg_err) const;

    std::vector<uint8_t> m_bytes;
    platform::Image m_image;
    HBITMAP m_bitmap{0};
    SHORT m_type{PICTYPE_BITMAP};
};

// Loads a picture file (PNG, BMP, ICO, JPEG, GIF, by content); the new picture holds one
// reference. An empty path gives null (no picture), as the host runtime's LoadPicture("")
// does. Throws RuntimeError 53 when the file cannot be read, 481 when it does not decode.
StdPicture* LoadPicture(const std::u16string& path);

} // namespace paginor::frame
