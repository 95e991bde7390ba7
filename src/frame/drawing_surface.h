// The persistent drawing surface of a control that paints itself: a bitmap the size of
// the control that keeps whatever was drawn on it until it is cleared, shown under the
// control's windowless children whenever the window paints. Drawing goes through hDC()
// with the raster calls, or through Print at CurrentX/CurrentY in the surface's ForeColor
// and Font, with a transparent background. All positions and extents are pixels.
//
//   DrawingSurface& s = surface();
//   s.Cls();                                  // BackColor everywhere, CurrentX/Y = 0
//   s.SetForeColor(0x80000012);
//   s.CurrentX = (s.width() - s.TextWidth(u"OK")) / 2;
//   s.Print(u"OK");
#pragma once

#include "automation/ref.h"
#include "frame/std_font.h"
#include "platform/core/types.h"

#include <string>
#include <string_view>

namespace paginor::frame {

using platform::HDC;

class DrawingSurface final : private FontChangeListener {
  public:
    // A 1 x 1 surface in the colour, drawing text in a new font of the description;
    // source is what the surface's errors carry (the control's).
    DrawingSurface(OLE_COLOR back_color, const FontDescription& font, std::u16string source);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // Takes a new size, keeping what is drawn at the top-left and filling the new part
    // with BackColor. Sizes below 1 are taken as 1; a size too large for a bitmap keeps
    // the surface as it is.
    void resize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The memory DC of the surface, with the surface's bitmap, font and text colour
    // selected and a transparent background mode. Valid for the surface's lifetime; do
    // not delete it. Whatever a caller selects into it must be selected out again.
    HDC hDC() const { return m_dc; }

    OLE_COLOR BackColor() const { return m_back_color; }
    // Takes the colour and clears the surface to it (as Cls).
    void SetBackColor(OLE_COLOR colour);
    OLE_COLOR ForeColor() const { return m_fore_color; }
    // A colour that does not translate (OleTranslateColor) draws black.
    void SetForeColor(OLE_COLOR colour);
    // The surface's font, borrowed. Changes made to it through its members show in the
    // next Print and TextWidth/TextHeight.
    StdFont* Font() const { return m_font.get(); }
    // Holds a reference to the font until replaced. Null changes nothing and raises
    // RuntimeError 91 (object variable not set).
    void SetFont(StdFont* font);

    // Where the next Print starts.
    double CurrentX{0};
    double CurrentY{0};

    // Fills the whole surface with BackColor and moves CurrentX/CurrentY to 0.
    void Cls();
    // Draws text at (CurrentX, CurrentY) in ForeColor and Font, leaving the background
    // as it is; line breaks (CR LF, CR or LF) start new lines at x = 0. Afterwards
    // CurrentX = 0 and CurrentY is below the last line; with new_line false CurrentX is
    // at the end of the last line and CurrentY at its top.
    void Print(std::u16string_view text, bool new_line = true);
    // The extent the text would take in Font: the widest line, and the line height times
    // the number of lines (an empty text is one line).
    int TextWidth(std::u16string_view text);
    int TextHeight(std::u16string_view text);

    // Copies the surface into a DC at (0, 0).
    void copy_to(HDC target) const;

    // Puts bitmap (a colour bitmap of the surface's own size, from CreateBitmap) under the
    // DC in place of the one there and hands that one over: the caller owns it now. A
    // bitmap of another size is refused with 0 and nothing changes. The version stays:
    // the owner of the pixels knows what it swapped in.
    platform::HBITMAP exchange_bitmap(platform::HBITMAP bitmap);

    // Changes whenever the pixels or the way text comes out change other than by drawing:
    // a clear, a new size, another font or a change made through it, a new screen density.
    // Never repeats, not even across surfaces, so a control that keeps what it painted can
    // tell whether the same drawing would still come out the same.
    uint64_t version();

  private:
    void OnFontChanged(DISPID member) override;
    void select_font();

    int m_width{1};
    int m_height{1};
    HDC m_dc{0};
    platform::HBITMAP m_bitmap{0};
    platform::HGDIOBJ m_first_bitmap{0};
    platform::HGDIOBJ m_first_font{0};
    platform::HFONT m_hfont{0};
    double m_hfont_twips{0}; // twips per pixel the raster font was made for
    OLE_COLOR m_back_color;
    uint64_t m_version{0};
    OLE_COLOR m_fore_color{0x80000012};
    Ref<StdFont> m_font{};
    std::u16string m_source;
};

} // namespace paginor::frame
