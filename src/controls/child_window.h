// What the stock child controls made of one window of their own share: the window, made
// in the parent and destroyed with the control; enabled, visible and tab-stop state and
// placement; the keyboard's routing (Tab moves the focus on the form and the control
// hears none of it, other keys go to the control); and handlers that may destroy the
// control. A control derives from it and answers its window's messages in respond().
#pragma once

#include <paginor/base.h>

#include "frame/input_event.h"
#include "platform/core/types.h"

#include <functional>
#include <memory>
#include <string_view>

namespace paginor::controls {

class ChildWindow {
  public:
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;

    platform::HWND hWnd() const { return m_hwnd; }

    // A disabled control takes no focus and raises no events; a hidden one takes no focus.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on);
    bool Visible() const { return m_visible; }
    void SetVisible(bool on);
    // Whether Tab stops at the control (frame/tab_order.h).
    bool TabStop() const { return m_tab_stop; }
    void SetTabStop(bool on);

    // Position and size in pixels of the parent's client area; negative sizes count as 0.
    void Move(int left, int top, int width, int height);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    // Takes the keyboard focus; nothing happens while the control is hidden or disabled.
    void SetFocus();
    bool Focused() const;

    std::function<void(frame::KeyEvent&)> on_key_up;

  protected:
    // Creates the window as a child of parent at rect (pixels of the parent's client
    // area). Throws RuntimeError 5 with source and what when parent is not a window.
    ChildWindow(platform::HWND parent, platform::RECT rect, bool visible,
                std::u16string_view source, std::u16string_view what);
    virtual ~ChildWindow();

    // The control's answer to a message of its window, once the window is made.
    virtual platform::LRESULT respond(UINT msg, platform::WPARAM wParam,
                                      platform::LPARAM lParam) = 0;
    // Before the control is disabled or hidden (a list closes its pop-up).
    virtual void going_inactive() {}
    // Keys other than Tab, while the control has the focus.
    virtual void key_down(platform::WPARAM vk) = 0;
    virtual void character(SHORT ascii) = 0;
    // Routes WM_KEYDOWN, WM_CHAR and WM_KEYUP: false for any other message.
    bool route_key(UINT msg, platform::WPARAM wParam);

    // Runs a handler; false when it destroyed the control, which then touches nothing of
    // itself.
    template <class F, class... A> bool raise(const F& handler, A&... args) {
        const std::shared_ptr<bool> alive = m_alive;
        if (handler) {
            const F copy = handler; // the control, and so its handler, may go inside the call
            copy(args...);
        }
        return *alive;
    }
    // The whole window is painted again at the next pump.
    void Redraw();

  private:
    static platform::LRESULT window_proc(platform::HWND hwnd, UINT msg, platform::WPARAM wParam,
                                         platform::LPARAM lParam);

    platform::HWND m_hwnd{0};
    bool m_enabled{true};
    bool m_visible{true};
    bool m_tab_stop{true};
    std::shared_ptr<bool> m_alive{std::make_shared<bool>(true)};
};

} // namespace paginor::controls
