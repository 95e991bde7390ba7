// Drawing objects and their handles: the one table that owns every device context,
// bitmap, brush, pen and font, the stock objects, and the count of live objects per kind
// that tests read to prove a paint deleted what it created.
#pragma once

#include "platform/core/types.h"

namespace paginor::platform {

// Object kinds as GetObjectType reports them.
constexpr DWORD OBJ_PEN = 1;
constexpr DWORD OBJ_BRUSH = 2;
constexpr DWORD OBJ_DC = 3;
constexpr DWORD OBJ_FONT = 6;
constexpr DWORD OBJ_BITMAP = 7;
constexpr DWORD OBJ_MEMDC = 10;

// Stock objects (GetStockObject). They are never counted and never deleted.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;
constexpr int DC_BRUSH = 18;
constexpr int DC_PEN = 19;
// Not a desktop stock index: the 1x1 monochrome bitmap a new memory DC holds.
constexpr int DEFAULT_BITMAP = 21;

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

// Live (non-stock) drawing objects of each kind.
struct GdiCounts {
    int dcs{0};
    int bitmaps{0};
    int brushes{0};
    int pens{0};
    int fonts{0};
    friend bool operator==(const GdiCounts&, const GdiCounts&) = default;
};
GdiCounts gdi_object_counts();

// A stock object's handle; 0 for an index that is not one.
HGDIOBJ GetStockObject(int index);

// A solid brush or a pen of a width (below 1 counts as 1) and style; an unknown style
// draws as PS_SOLID.
HBRUSH CreateSolidBrush(COLORREF colour);
HPEN CreatePen(int style, int width, COLORREF colour);

// Puts a bitmap, brush, pen or font into a DC and returns the one it replaces; 0 when the
// DC or object is unknown, when a bitmap goes into a window DC, or when a bitmap already
// sits in another DC.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj);

// Deletes a bitmap, brush, pen or font. FALSE for an unknown handle and for an object that
// is still selected into a DC (it stays alive); TRUE and nothing happens for a stock object.
BOOL DeleteObject(HGDIOBJ obj);

// OBJ_* of a handle, 0 when it is none.
DWORD GetObjectType(HGDIOBJ obj);

// The colour a solid brush or pen paints (its low 24 bits, so -1 paints white);
// CLR_INVALID for the hollow brush and anything else.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
COLORREF brush_colour(HBRUSH brush);

} // namespace paginor::platform
