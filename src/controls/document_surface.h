// What the browser surface and the rich-text box share: a child window showing a
// document on a white page, scrolled vertically with a scroll bar, the wheel, PgUp, PgDn,
// Home, End and the arrows, and painted off-screen in one pass on WM_PAINT. A disabled
// window (or ancestor) hears no input at all, as the window system holds it back.
//
// A derived surface lays its content out for a width (`relayout`, which reports the
// content's height through `set_content_height`) and draws the rows asked for
// (`paint_content`); clicks on the page arrive in content pixels (`page_click`), and
// messages the base does not use reach `message`.
//
// Laying out a long document is the costly part, so it waits until something needs it:
// a paint, a scroll, input or a reader of the scroll position. Any number of changes in
// between (new content, moves, resizes) cost one layout, and a hidden or empty window
// costs none.
#pragma once

#include "controls/vertical_scroll.h"
#include "platform/core/types.h"

namespace paginor::controls {

using platform::HDC;
using platform::HWND;
using platform::LPARAM;
using platform::LRESULT;
using platform::RECT;
using platform::WPARAM;

class DocumentSurface {
  public:
    virtual ~DocumentSurface();
    DocumentSurface(const DocumentSurface&) = delete;
    DocumentSurface& operator=(const DocumentSurface&) = delete;

    HWND hWnd() const { return m_hwnd; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool on);
    // Placement in pixels of the parent's client area; negative sizes count as 0.
    void Move(int left, int top, int width, int height);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    // The content row at the top of the view, pixels.
    int ScrollTop() const {
        settle();
        return m_scroll.top();
    }
    // Marks the surface for repainting at the next DoEvents.
    void Refresh();

  protected:
    // Creates the window in parent at rect; throws RuntimeError 5 when parent is no window.
    DocumentSurface(HWND parent, RECT rect, bool visible, const char16_t* source);

    virtual void relayout(int width) = 0;
    // A floor for the content's height at width, where one is known without laying it all
    // out (a long document then lays out once, beside its bar); 0 when none is.
    virtual int content_height_at_least(int /*width*/, int /*height*/) { return 0; }
    // Lays out content rows up to `bottom` where a long document is laid out a part at a
    // time (its height beyond that part an estimate); true when its height changed.
    virtual bool extend_to(int /*bottom*/) { return false; }
    virtual void paint_content(HDC hdc, int width, int top, int rows) = 0;
    virtual void page_click(int /*x*/, int /*y*/) {}
    virtual LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam);

    void set_content_height(int height) { m_content_height = height; }
    // Marks the layout stale for the current size (with the bar when the content
    // overflows) and repaints; derived surfaces call it after their content changes.
    void arrange();
    // Lays out now if the layout is stale; readers of the layout call it first.
    void settle() const;
    // Scrolls so that content row y is at the top (kept in range) and repaints.
    void scroll_to(int y);
    int view_width() const;
    int view_height() const;

  private:
    static LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT respond(UINT msg, WPARAM wParam, LPARAM lParam);
    void pointer(UINT msg, LPARAM lParam);
    void paint();
    void lay_out();

    HWND m_hwnd{0};
    bool m_visible{true};
    int m_content_height{0};
    bool m_stale{false};
    VerticalScroll m_scroll;
};

} // namespace paginor::controls
