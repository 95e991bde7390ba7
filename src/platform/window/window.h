// The in-process window system: a tree of windows with 32-bit handles, each with a
// replaceable window procedure, a rectangle, visibility, enabled state, z-order, named
// properties and an update region. One thread; every call here runs on it.
//
// Coordinates: a window's rectangle is relative to its parent's client area (screen
// coordinates for a top-level window). Windows have no frame, so the client area is the
// whole window and client coordinates start at (0, 0) in its top-left corner.
//
// Calls taking a handle that is not a window do nothing and return 0 / FALSE / an empty
// result unless their comment says otherwise.
#pragma once

#include "platform/core/types.h"
#include "platform/window/message_ids.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace paginor::platform {

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
// Property values are pointer-sized.
using HANDLE = intptr_t;

// Indexes of Get/SetWindowLongPtr.
constexpr int GWLP_WNDPROC = -4;
constexpr int GWLP_ID = -12;
constexpr int GWLP_USERDATA = -21;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// SetWindowPos: insert-after values and flags.
constexpr HWND HWND_TOP = 0;
constexpr HWND HWND_BOTTOM = 1;
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;

struct WindowDesc {
    HWND parent{0};        // 0 makes a top-level window
    RECT rect{};           // in the parent's client coordinates; a negative size counts as 0
    WNDPROC proc{nullptr}; // null: every message returns 0 (and the window cannot be hooked)
    bool visible{true};
    bool enabled{true};
    LONG_PTR id{0};       // GWLP_ID
    LONG_PTR userdata{0}; // GWLP_USERDATA
    DWORD process_id{0};  // 0 = the current process; another value makes a foreign window
};

// Creates a window on top of its siblings' z-order and sends it WM_CREATE (lParam 0).
// Returns its handle, or 0 when the parent is given but is not a window, or when the
// procedure answers WM_CREATE with -1 (the window is then destroyed again).
HWND CreateWindow(const WindowDesc& desc);

// Destroys the window and its descendants. WM_DESTROY goes to the window first, then
// down its tree (top-most child first), while every window still exists; then the tree
// is freed children first, each window losing its timers, queued messages, focus,
// capture and mouse tracking, receiving WM_NCDESTROY as its last message, and losing its
// properties. FALSE for a non-window or one already being destroyed.
BOOL DestroyWindow(HWND hwnd);

BOOL IsWindow(HWND hwnd);
// The parent window; 0 for a top-level window.
HWND GetParent(HWND hwnd);
// The top-level window that holds hwnd (hwnd itself when it is top-level).
HWND GetTopLevelWindow(HWND hwnd);
// Children in z-order, top-most first; parent 0 lists the top-level windows.
std::vector<HWND> GetChildWindows(HWND parent);

// Returns the thread id (always 1) and stores the owning process id in *pid (when not
// null); 0 and *pid untouched for a non-window.
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* pid);
DWORD GetCurrentProcessId();
// Makes hwnd belong to another process (tests use it to make a foreign window).
void SetWindowProcessId(HWND hwnd, DWORD pid);

// GWLP_WNDPROC, GWLP_ID, GWLP_USERDATA. SetWindowLongPtr returns the previous value; an
// unknown index or a non-window changes nothing and returns 0.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// Calls proc with the four values; 0 when proc is null.
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The default handling: returns 0 for every message.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Geometry. Moving sends WM_MOVE (lParam = new client origin in the parent), resizing sends
// WM_SIZE (lParam = new width, height); both invalidate the window when it is visible.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int cx, int cy, BOOL repaint);
BOOL GetWindowRect(HWND hwnd, RECT* rect); // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* rect); // (0, 0, width, height)
BOOL ClientToScreen(HWND hwnd, POINT* pt);
BOOL ScreenToClient(HWND hwnd, POINT* pt);
// TRUE when pt lies in rect (right and bottom exclusive); FALSE for a null rect.
BOOL PtInRect(const RECT* rect, POINT pt);
// The part of the window that can show, in screen coordinates: its rectangle clipped to
// the client area of every ancestor. {0,0,0,0} when it or an ancestor is hidden, when it
// has no area, or when it is clipped away entirely.
RECT GetVisibleRect(HWND hwnd);
// The deepest visible, enabled window whose visible rectangle holds the screen point,
// searching children top-most first. A hidden or disabled window is skipped together
// with its descendants (the point then belongs to its parent). 0 when no top-level
// window takes it.
HWND WindowFromPoint(POINT pt);

// Visibility: SW_SHOW / SW_HIDE, sends WM_SHOWWINDOW (wParam TRUE / FALSE) when the state
// changes. Showing invalidates the window and its descendants; hiding the focus window
// (or an ancestor of it) removes the focus. Returns the previous visibility.
BOOL ShowWindow(HWND hwnd, int cmd);
// Visible itself and every ancestor visible.
BOOL IsWindowVisible(HWND hwnd);
// Sends WM_ENABLE (wParam TRUE / FALSE) when the state changes; disabling the focus
// window (or an ancestor) removes the focus. Returns TRUE when the window was disabled.
BOOL EnableWindow(HWND hwnd, BOOL enable);
// Enabled itself; a disabled ancestor still blocks its input (see WindowFromPoint).
BOOL IsWindowEnabled(HWND hwnd);

// Properties: named pointer-sized values on a window. SetProp fails (FALSE, nothing
// stored) for a non-window, an empty name, or when the store filter (below) refuses it.
BOOL SetProp(HWND hwnd, std::u16string_view name, HANDLE value);
// 0 when missing.
HANDLE GetProp(HWND hwnd, std::u16string_view name);
// Removes the property and returns its value; 0 when missing.
HANDLE RemoveProp(HWND hwnd, std::u16string_view name);
// Every property of the window, ordered by name.
std::vector<std::pair<std::u16string, HANDLE>> EnumProps(HWND hwnd);
// The one hook the property store keeps for its tests: a store fails for real only for a
// bad window or name, which callers never pass, so their roll-back after a failed store
// could not run otherwise. When set, the filter is asked before every store that would
// succeed; FALSE refuses it (nothing stored). Unset (the default) it costs one test per
// store. Returns the filter it replaces; null removes it.
using PropStoreFilter = BOOL (*)(HWND hwnd, std::u16string_view name);
PropStoreFilter SetPropStoreFilter(PropStoreFilter filter);
// A count that moves with every change to any window's properties: each successful
// SetProp, each RemoveProp that removed something, and every window that goes (its
// properties go with it, also at ResetWindowSystem). While it stays put every GetProp
// answers as it did, so a caller may keep what it read instead of reading again. Starts
// above 0 and never goes back, not even across ResetWindowSystem. Never fails.
inline uint64_t GetPropGeneration();

// Painting. A window collects an update rectangle (client coordinates); WM_PAINT is
// generated for it only when no posted or input message is waiting, parents before
// children, and only while the window is visible and not locked (LockWindowUpdate).
// The update rectangle is cleared as WM_PAINT is dispatched; during the handler
// GetPaintRect tells which part is being painted. rect null = the whole client area.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
// Stores the pending update rectangle; TRUE when it is not empty.
BOOL GetUpdateRect(HWND hwnd, RECT* rect);
// Sends WM_PAINT at once when the window has a pending update rectangle and can paint.
BOOL UpdateWindow(HWND hwnd);
// The rectangle of the WM_PAINT being handled for hwnd; {0,0,0,0} outside a paint.
RECT GetPaintRect(HWND hwnd);
// Locks painting of hwnd and its descendants (invalidations keep collecting); 0 unlocks.
// FALSE when another window is already locked or hwnd is not a window.
BOOL LockWindowUpdate(HWND hwnd);

// Focus: refused (returns 0, nothing changes) for a window that is hidden or disabled or
// has a hidden or disabled ancestor. Otherwise activates the window's top-level window
// if needed, sends WM_KILLFOCUS (wParam = new) to the old focus and WM_SETFOCUS
// (wParam = old) to the new, and returns the previous focus. SetFocus(0) clears it.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// Activates hwnd's top-level window: WM_ACTIVATE (WA_INACTIVE, lParam = new) to the old
// active window, then WM_ACTIVATE (WA_ACTIVE, lParam = old) to the new one. Returns the
// previously active window; 0 and nothing sent when it is already active.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();

// Read on every message of a hooked window, so it is a plain load.
namespace detail {
extern uint64_t g_prop_generation;
} // namespace detail

inline uint64_t GetPropGeneration() {
    return detail::g_prop_generation;
}

} // namespace paginor::platform
