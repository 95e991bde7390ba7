// The vertical scrolling both document surfaces share: where the view stands over a taller
// content, the keys, wheel and pointer that move it, and the scroll bar at the right edge
// that shows it (arrow buttons, a track and a thumb sized to the visible share). Without
// overflow there is no bar and the view stays at the top.
#pragma once

#include "platform/core/types.h"

namespace paginor::controls {

class VerticalScroll {
  public:
    static constexpr int kBarWidth = 16;
    static constexpr int kLine = 20; // pixels an arrow moves; the wheel moves three

    // Heights in pixels; the position is kept inside the new range.
    void set_extent(int content, int viewport);
    int content() const { return m_content; }
    int viewport() const { return m_viewport; }
    bool has_bar() const { return m_content > m_viewport && m_viewport > 0; }
    int top() const { return m_top; }
    // Whether the view stands at the end of a content taller than it.
    bool at_end() const { return m_top > 0 && m_top >= max_top(); }
    // Moves the view so that content row y is at its top, kept in range. True when it moved.
    bool scroll_to(int y);

    // PgUp, PgDn, Home, End, Up and Down; true when the key is one of them and the view moved.
    bool key(int vk);
    // A wheel turn (120 per notch, positive away from the user); true when the view moved.
    bool wheel(int delta);
    // Pointer on the bar, y in the bar's pixels from its top: arrows step, the track pages,
    // the thumb starts a drag that follows moves until the release. True when it moved.
    bool press(int y);
    bool drag(int y);
    void release() { m_drag_from = -1; }
    bool dragging() const { return m_drag_from >= 0; }

    // Draws the bar over `bar` (its height should be the viewport's); nothing without overflow.
    void paint(platform::HDC hdc, const platform::RECT& bar) const;

  private:
    static void fill_track(platform::HDC hdc, const platform::RECT& bar);
    int max_top() const { return m_content > m_viewport ? m_content - m_viewport : 0; }
    int track() const { return m_viewport - 2 * kBarWidth; }
    // The thumb's top (in bar pixels) and height.
    int thumb_height() const;
    int thumb_top() const;

    int m_content{0};
    int m_viewport{0};
    int m_top{0};
    int m_drag_from{-1}; // the press's y while the thumb is dragged
    int m_drag_top{0};   // the view's top when the drag began
};

} // namespace paginor::controls
