// The windowed picture box: a child window of its own in a parent window, with a
// background colour, a picture drawn at its top-left corner (transparent parts show the
// background), an optional one-pixel frame, and windowless children (image, label, line)
// painted above the background in the order they were added. The library's controls use
// it as the surface that holds their parts and the keyboard focus. A plain C++ class, not
// registered.
//
// Painting: every change only marks the window; it paints on WM_PAINT at the next
// DoEvents, so any number of changes between two pumps paint once. Every drawing object
// a paint makes is gone when it ends.
//
// Input (the stock rules of frame/windowless_children.h): a press captures the pointer and
// takes the focus; MouseUp then Click for a left release over the part that took the
// press; a double-click raises DblClick in place of MouseDown. The box's own events carry
// pixels of its client area (inside the frame); its children hear twips relative to
// themselves. With a frame, the frame itself takes no press and reports no move, as a
// window's non-client edge does; while a button is down every move is the box's.
// Keys while focused: KeyDown, KeyPress (of the typed character), KeyUp, their codes by
// reference as the host runtime passes them (the box itself does nothing more with them).
#pragma once

#include <paginor/base.h>

#include "automation/ref.h"
#include "frame/user_control.h"
#include "frame/windowless_children.h"

#include <functional>

namespace paginor::controls {

using platform::HDC;
using platform::HWND;
using platform::LPARAM;
using platform::LRESULT;
using platform::POINT;
using platform::RECT;
using platform::WPARAM;

class PictureBox final : private frame::WindowlessChildren::Surface {
  public:
    // Creates the box as a child window of parent at rect (pixels of the parent's client
    // area; a negative size counts as 0), shown or hidden. Throws RuntimeError 5 when
    // parent is not a window.
    PictureBox(HWND parent, RECT rect, bool visible = true);
    // Destroys the window and releases the picture.
    ~PictureBox();
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    HWND hWnd() const { return m_hwnd; }

    // The picture shown (borrowed on read; null for none). Set holds a counted reference
    // and releases the previous one; null clears. A picture that is not one of the
    // library's standard pictures is held but shows nothing and sizes nothing.
    IDispatch* Picture() const { return m_picture.get(); }
    void SetPicture(IDispatch* picture);
    // With AutoSize the box takes the picture's natural size (plus the frame) whenever the
    // picture or AutoSize changes; without a picture the size is kept.
    bool AutoSize() const { return m_auto_size; }
    void SetAutoSize(bool on);
    // OLE colour; a value the system cannot translate paints black.
    OLE_COLOR BackColor() const { return m_back_color; }
    void SetBackColor(OLE_COLOR colour);
    // 0 none, 1 a one-pixel frame in the window-frame colour inside the box (the client
    // area shrinks by one pixel on each side). Throws RuntimeError 380 for other values.
    SHORT BorderStyle() const { return m_border_style; }
    void SetBorderStyle(SHORT style);

    // Position and size in pixels of the parent's client area; negative sizes count as 0.
    void Move(int left, int top, int width, int height);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    // The client area inside the frame, pixels; never below 0.
    int ScaleWidth() const;
    int ScaleHeight() const;
    bool Visible() const { return m_visible; }
    void SetVisible(bool on);
    // A disabled box takes no pointer or key input and gives up the focus.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on);
    // Gives the box the keyboard focus; refused (nothing happens) while it cannot take it.
    void SetFocus();
    // Marks the whole box for repainting at the next DoEvents.
    void Refresh();

    // A windowless child on top of the others, in client coordinates; not owned, it must
    // outlive the box. Null and a child already added are ignored. The box repaints.
    void add_windowless(frame::Windowless* child);

    // The box's events; each is optional.
    std::function<void(const frame::MouseEvent&)> on_mouse_down;
    std::function<void(const frame::MouseEvent&)> on_mouse_move;
    std::function<void(const frame::MouseEvent&)> on_mouse_up;
    std::function<void()> on_click;
    std::function<void()> on_dbl_click;
    std::function<void(frame::KeyEvent&)> on_key_down;
    std::function<void(SHORT& ascii)> on_key_press;
    std::function<void(frame::KeyEvent&)> on_key_up;
    std::function<void()> on_got_focus;
    std::function<void()> on_lost_focus;

  private:
    static LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT respond(UINT msg, WPARAM wParam, LPARAM lParam);
    void key(UINT msg, WPARAM wParam);
    void pointer(UINT msg, WPARAM wParam, LPARAM lParam);
    void paint();
    void paint_content(HDC hdc, int width, int height);
    void fit_picture();
    int inset() const { return m_border_style == 1 ? 1 : 0; }
    RECT rect_in_parent() const;

    void surface_mouse_down(const frame::MouseEvent& e) override;
    void surface_mouse_move(const frame::MouseEvent& e) override;
    void surface_mouse_up(const frame::MouseEvent& e) override;
    void surface_click() override;
    void surface_dbl_click() override;

    HWND m_hwnd{0};
    automation::Ref<IDispatch> m_picture{};
    bool m_auto_size{false};
    OLE_COLOR m_back_color{0x8000000F};
    SHORT m_border_style{0};
    bool m_visible{true};
    bool m_enabled{true};
    frame::WindowlessChildren m_children{*this};
};

} // namespace paginor::controls
