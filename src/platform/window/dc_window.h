// Window DCs: each window owns a backing bitmap the size of its client area, which the
// presenter shows; a window DC draws into it, clipped to the part of the window that can
// show (nothing while the window or an ancestor is hidden).
#pragma once

#include "platform/core/types.h"

namespace paginor::platform {

class Bitmap;

// A DC on the window's client area, (0, 0) at its top-left corner; the backing bitmap is
// made or resized to the client area here. 0 for a non-window. Each GetDC needs a
// ReleaseDC; until then it counts as a live DC.
HDC GetDC(HWND hwnd);
// Releases a window DC; 0 when hdc is not a DC of that window.
int ReleaseDC(HWND hwnd, HDC hdc);
// The window a window DC belongs to; 0 for a memory DC or unknown handle.
HWND WindowFromDC(HDC hdc);

// The window's backing bitmap (made at its current client size when missing); nullptr
// for a non-window. The pointer stays valid until the window's surface is dropped.
Bitmap* window_surface(HWND hwnd);
// Frees the backing bitmaps of windows that no longer exist.
void drop_dead_window_surfaces();

} // namespace paginor::platform
