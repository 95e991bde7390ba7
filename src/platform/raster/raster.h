// Pixels, fills, outlines and lines: the small drawing vocabulary the controls paint with.
// Everything is clipped to the DC's drawable area; coordinates outside it are not errors.
#pragma once

#include "platform/core/types.h"

namespace paginor::platform {

// Sets one pixel and returns the colour it got (its low 24 bits, or black/white on a
// monochrome surface); CLR_INVALID when the DC is unknown or the pixel lies outside.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF colour);
// The colour at a pixel; CLR_INVALID when the DC is unknown or the pixel lies outside.
COLORREF GetPixel(HDC hdc, int x, int y);

// Fills a rectangle (right and bottom exclusive) with a brush, or with system colour n-1
// when `brush` is a small number n (COLOR_WINDOW + 1, as desktop code passes). 0 for an
// unknown DC or brush, or a hollow brush; nothing is drawn then.
int FillRect(HDC hdc, const RECT& rect, HBRUSH brush);
// A one-pixel frame just inside the rectangle, in the brush's colour; 0 as FillRect.
int FrameRect(HDC hdc, const RECT& rect, HBRUSH brush);
// Outline in the DC's pen (none for PS_NULL) and interior in its brush (none for the
// hollow brush); right and bottom exclusive. FALSE for an unknown DC.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);

// Moves the current position; `previous`, when given, receives the old one. FALSE for an
// unknown DC.
BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
// A line in the DC's pen from the current position to (x, y), the end point excluded,
// which becomes the current position. FALSE for an unknown DC.
BOOL LineTo(HDC hdc, int x, int y);

// Three-dimensional edges in the system colours.
constexpr UINT BDR_RAISEDOUTER = 0x1;
constexpr UINT BDR_SUNKENOUTER = 0x2;
constexpr UINT BDR_RAISEDINNER = 0x4;
constexpr UINT BDR_SUNKENINNER = 0x8;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x1;
constexpr UINT BF_TOP = 0x2;
constexpr UINT BF_RIGHT = 0x4;
constexpr UINT BF_BOTTOM = 0x8;
constexpr UINT BF_RECT = 0xF;
constexpr UINT BF_MIDDLE = 0x800;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

// Draws up to two one-pixel rings (outer, then inner) on the chosen sides, BF_MIDDLE fills
// the inside with the button face, BF_ADJUST shrinks `rect` by the rings drawn. FALSE for
// an unknown DC or a null rectangle.
BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags);

// Fills with a solid colour, without any brush object (a shortcut the painters use).
// Ignored for an unknown DC.
void fill_solid(HDC hdc, const RECT& rect, COLORREF colour);

} // namespace paginor::platform
