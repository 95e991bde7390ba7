// Injected input: pointer, buttons, wheel and keys become the messages the desktop would
// deliver, queued behind posted messages. Also capture, pointer and key state, hover and
// leave tracking, and the double-click settings.
//
// Pointer messages find their window as they are taken from the queue: the capture
// window as it stands then, else WindowFromPoint of where the pointer was; a point over
// no window (or over a disabled tree) delivers nothing. So a window that takes the
// capture while handling a press gets the rest of the gesture, however it was injected.
// wParam carries the MK_ flags after the event; lParam the client coordinates.
// Keys go to the focus window, else to the active window, else nowhere.
#pragma once

#include "platform/core/types.h"
#include "platform/window/message_ids.h"

namespace paginor::platform {

enum class MouseButton { Left, Right, Middle };

class Input {
  public:
    // Moves the pointer to a screen position: WM_MOUSEMOVE to the window under it (or
    // the capture window), WM_MOUSELEAVE to a window tracking leave that the pointer left.
    static void moveTo(int x, int y);
    // Button down / up at the current position. A second press of the same button
    // delivered to the same window within the double-click time and rectangle becomes a
    // double-click message (0x203 / 0x206 / 0x209); a third press starts afresh. Pressing into an
    // inactive top-level window activates it (WA_CLICKACTIVE) when dispatched.
    static void press(MouseButton button = MouseButton::Left);
    static void release(MouseButton button = MouseButton::Left);
    static void click(MouseButton button = MouseButton::Left);
    // WM_MOUSEWHEEL to the focus window: delta in the high word of wParam.
    static void wheel(int delta);
    // WM_KEYDOWN / WM_KEYUP; a key down translates into WM_CHAR as it is dispatched
    // (Enter 13, space 32, letters and digits by the Shift state, Ctrl+letter 1..26).
    // A key already down repeats (lParam bit 30 set). vk outside 1..254 is ignored.
    static void keyDown(int vk);
    static void keyUp(int vk);
    static void key(int vk); // down then up
    // One character as typed: a letter, digit, space, Enter, Tab or Backspace on its own
    // key (Shift pressed around it when the character needs it and it is not held);
    // anything else on VK_PACKET, whose key down translates into the character itself.
    static void type(char16_t c);
};

// Capture: pointer input goes to hwnd wherever the pointer is. WM_CAPTURECHANGED
// (lParam = new capture window) is sent to the window losing it. Returns the previous
// capture window; a non-window takes nothing and returns 0.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

BOOL GetCursorPos(POINT* pt); // FALSE for null
// 0x8000 while the key or mouse button (VK_LBUTTON, VK_RBUTTON, VK_MBUTTON) is down:
// GetAsyncKeyState as it is now, GetKeyState as it was when the input message last taken
// from the queue happened (so a handler sees Shift as it was for its key, however much
// input has been injected since). 0 for a code outside 1 to 254.
SHORT GetAsyncKeyState(int vk);
SHORT GetKeyState(int vk);

// Hover and leave tracking requests, one-shot as on the desktop.
constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

struct TRACKMOUSEEVENT {
    DWORD cbSize{16};
    DWORD dwFlags{0};
    HWND hwndTrack{0};
    DWORD dwHoverTime{HOVER_DEFAULT};
};
static_assert(sizeof(TRACKMOUSEEVENT) == 16);

// Hover: WM_MOUSEHOVER (wParam MK_ flags, lParam client position) once the pointer has
// rested on the window for the hover time within the hover rectangle. Leave:
// WM_MOUSELEAVE once the pointer is over another window or none, posted at once when it
// already is. Each report ends its request; a leave ends the hover request too.
// TME_CANCEL drops the named requests. FALSE for a null request, cbSize other than 16,
// a non-window, or a window of another process.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* request);

// Settings (reset to these defaults by ResetWindowSystem).
void SetDoubleClickTime(UINT ms); // default 500; 0 puts the default back
UINT GetDoubleClickTime();
void SetDoubleClickRect(int cx, int cy); // default 4 x 4 px centred on the first press
void SetMouseHoverTime(UINT ms);         // default 400; 0 puts the default back
UINT GetMouseHoverTime();
void SetMouseHoverRect(int cx, int cy); // default 4 x 4 px

} // namespace paginor::platform
