// The single-line text box: a child window of its own that shows and edits one line of
// text in its font, ForeColor and BackColor, with a caret, a selection and horizontal
// scrolling when the text is wider than the box. A plain C++ class, not registered.
//
// Editing while focused: Left/Right/Home/End move the caret (with Shift they extend the
// selection), Backspace and Delete remove the selection or one character, a typed
// character replaces the selection; a press places the caret (Shift+press extends), a
// drag selects. Locked keeps the text but still moves the caret and raises every event.
// A disabled box draws its text grey, takes no focus and raises no events; a hidden one
// takes no focus (SetFocus then does nothing).
//
// Events, each optional, in this order for one key: KeyDown, KeyPress (of the character
// the key makes), the edit, Change, KeyUp. A handler may change the key code or the
// character (0 cancels the character). Change follows every change of the text, typed
// or assigned; assigning the text it already holds is no change. Pointer events carry
// twips from the box's top-left corner. Handlers may do anything to the box, even
// destroy it: the box touches nothing of itself after a handler that destroyed it.
#pragma once

#include <paginor/base.h>

#include "controls/ToolTip.h"
#include "controls/child_window.h"
#include "frame/input_event.h"
#include "platform/core/types.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace paginor::controls {

using platform::HDC;
using platform::HWND;
using platform::LPARAM;
using platform::LRESULT;
using platform::RECT;
using platform::WPARAM;

class TextBox final : public ChildWindow {
  public:
    // Creates the box as a child window of parent at rect (pixels of the parent's client
    // area). Throws RuntimeError 5 when parent is not a window.
    TextBox(HWND parent, RECT rect, bool visible = true);
    ~TextBox() override;
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;

    const std::u16string& Text() const { return m_text; }
    // Replaces the text, puts the caret at its start and raises Change when it differs.
    void SetText(std::u16string text);
    // The selection: start (0 = before the first character) and length; out-of-range
    // values are clipped to the text.
    int SelStart() const { return std::min(m_anchor, m_caret); }
    int SelLength() const { return std::abs(m_caret - m_anchor); }
    std::u16string SelText() const { return m_text.substr(SelStart(), SelLength()); }
    void SetSelStart(int start);
    void SetSelLength(int length);

    bool Locked() const { return m_locked; }
    void SetLocked(bool on) { m_locked = on; }
    // Shown when the pointer rests on the box; empty shows nothing.
    const std::u16string& ToolTipText() const { return m_tip_text; }
    void SetToolTipText(std::u16string text) { m_tip_text = std::move(text); }
    // OLE colours; a value the system cannot translate paints black.
    OLE_COLOR BackColor() const { return m_back_color; }
    void SetBackColor(OLE_COLOR colour);
    OLE_COLOR ForeColor() const { return m_fore_color; }
    void SetForeColor(OLE_COLOR colour);
    // Face and size in points (0 or less: the default size) and weight.
    void SetFont(std::u16string face, double points, bool bold = false);
    const std::u16string& FontName() const { return m_face; }
    double FontSize() const { return m_points; }
    bool FontBold() const { return m_bold; }

    std::function<void()> on_change;
    std::function<void(frame::KeyEvent&)> on_key_down;
    std::function<void(SHORT& ascii)> on_key_press;
    std::function<void(const frame::MouseEvent&)> on_mouse_down;
    std::function<void(const frame::MouseEvent&)> on_mouse_move;
    std::function<void(const frame::MouseEvent&)> on_mouse_up;
    std::function<void()> on_got_focus;
    std::function<void()> on_lost_focus;

  private:
    LRESULT respond(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void key_down(WPARAM vk) override;
    void character(SHORT ascii) override;
    void pointer(UINT msg, WPARAM wParam, LPARAM lParam);
    // Replaces the selection with text (Change follows when the text differs).
    void replace_selection(std::u16string_view text);
    void move_caret(int to, bool extend);
    // The caret places go stale at every change of text or font and are measured again
    // when next needed.
    void forget_carets();
    const std::vector<int>& carets() const;
    int caret_at(int x) const;
    void scroll_to_caret();
    void paint();

    std::u16string m_text{};
    int m_caret{0};
    int m_anchor{0};
    int m_scroll{0}; // pixels of text scrolled out on the left
    // Caret place before each unit and after the last, pixels; empty while stale.
    mutable std::vector<int> m_offsets{};
    bool m_locked{false};
    bool m_dragging{false};
    std::u16string m_tip_text{};
    OLE_COLOR m_back_color{0x80000005};
    OLE_COLOR m_fore_color{0x80000008};
    std::u16string m_face{u"MS Sans Serif"};
    double m_points{8.25};
    bool m_bold{false};
    std::unique_ptr<ToolTip> m_tip{};
};

} // namespace paginor::controls
