// Text output: HarfBuzz-shaped runs in the DC's font, anti-aliased on colour surfaces and
// hard-edged on monochrome ones, in the DC's text colour; OPAQUE mode first fills the
// text's box with the background colour, TRANSPARENT (and NEWTRANSPARENT) leaves it.
#pragma once

#include "platform/core/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace paginor::platform {

struct TEXTMETRIC {
    LONG tmHeight{0};
    LONG tmAscent{0};
    LONG tmDescent{0};
    LONG tmInternalLeading{0};
    LONG tmExternalLeading{0};
    LONG tmAveCharWidth{0};
    LONG tmWeight{0};
    bool tmItalic{false};
    bool tmUnderlined{false};
    bool tmStruckOut{false};
};

// Draws a single line with its top-left corner at (x, y); line breaks are not
// interpreted. FALSE for an unknown DC.
BOOL TextOut(HDC hdc, int x, int y, std::u16string_view text);

// Width and height of a single line in the DC's font (height is the font's cell height
// even for empty text). FALSE, and `size` untouched, for an unknown DC or null size.
BOOL GetTextExtentPoint32(HDC hdc, std::u16string_view text, SIZE* size);

// Where the pen stands, in whole pixels, before each UTF-16 unit of a single line as
// TextOut draws it, and after the last: text.size() + 1 entries rising from 0 to the
// line's width (units of one cluster share their cluster's place). Empty for an unknown DC.
std::vector<int> GetCaretPositions(HDC hdc, std::u16string_view text);

// Metrics of the DC's font; FALSE for an unknown DC or null out.
BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* out);

// The face name of the DC's font, exactly as it was requested; empty for an unknown DC.
std::u16string GetTextFace(HDC hdc);

constexpr UINT DT_TOP = 0x0;
constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_BOTTOM = 0x8;
constexpr UINT DT_WORDBREAK = 0x10;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_EXPANDTABS = 0x40;
constexpr UINT DT_NOCLIP = 0x100;
constexpr UINT DT_CALCRECT = 0x400;
constexpr UINT DT_NOPREFIX = 0x800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;
constexpr UINT DT_WORD_ELLIPSIS = 0x40000;

// Formats text into a rectangle: lines split at CR/LF (unless DT_SINGLELINE), broken
// between words to fit the width with DT_WORDBREAK, cut with "..." to fit with
// DT_END_ELLIPSIS or DT_WORD_ELLIPSIS, aligned left/centre/right and, for a single line,
// top/centre/bottom; "&" marks the next character as a mnemonic (underlined) and "&&"
// is a plain "&", unless DT_NOPREFIX. Clipped to the rectangle unless DT_NOCLIP.
// DT_CALCRECT draws nothing and sets rect's right and bottom to the text's extent.
// Returns the text's height (with DT_VCENTER or DT_BOTTOM, the offset from rect.top to
// the bottom of the text); 0 for an unknown DC or a null rectangle.
int DrawText(HDC hdc, std::u16string_view text, RECT* rect, UINT format);

} // namespace paginor::platform
