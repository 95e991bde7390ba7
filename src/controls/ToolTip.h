// Tool-tips for one control window: when the pointer rests on a part with tip text for
// the system hover time, a small bordered box in the tool-tip colours shows the text
// below the pointer; it goes away when the pointer leaves the window or a button is
// pressed. The control hands its window messages to relay(); the tip itself is a
// top-level window of its own. A plain C++ helper of the library's controls.
#pragma once

#include "platform/core/types.h"

#include <functional>
#include <string>

namespace paginor::controls {

using platform::HWND;
using platform::LPARAM;
using platform::POINT;
using platform::WPARAM;

class ToolTip final {
  public:
    // text_at answers the tip text for a point of the owner's client area (empty: none).
    ToolTip(HWND owner, std::function<std::u16string(POINT)> text_at);
    ~ToolTip();
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;

    // Feeds one message of the owner window (pointer moves, presses, leave).
    void relay(UINT msg, WPARAM wParam, LPARAM lParam);

    // The tip window while it shows (0 otherwise) and the text it shows.
    HWND window() const { return m_tip; }
    const std::u16string& text() const { return m_text; }

  private:
    static void on_timer(HWND hwnd, UINT msg, uintptr_t id, DWORD time);
    void tick(uintptr_t id);
    void show(const std::u16string& text, POINT screen);
    void hide();
    bool pointer_over_owner() const;
    static platform::LRESULT tip_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_owner{0};
    std::function<std::u16string(POINT)> m_text_at;
    HWND m_tip{0};
    std::u16string m_text{};
    bool m_waiting{false};
};

} // namespace paginor::controls
