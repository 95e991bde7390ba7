// The open list of a drop-down: a top-level window above the form showing a window of
// rows in columns (hidden columns of width 0 take no room), the highlighted row in the
// highlight colours, and a scroll bar strip on the right when the rows do not all fit.
// Only the rows that show are drawn. It takes no input of its own: the drop-down holds
// the pointer while the list is open and asks the pop-up where a point lies.
#pragma once

#include <paginor/base.h>

#include "platform/core/types.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace paginor::controls {

class ListPopup final {
  public:
    struct Look {
        std::u16string face{u"MS Sans Serif"};
        double points{8.25};
        bool bold{false};
        OLE_COLOR fore{0x80000008};
        OLE_COLOR back{0x80000005};
    };
    // The cell text of a row and column, and the number of rows.
    using Cell = std::function<const std::u16string&(int row, int column)>;

    ListPopup(Cell cell, std::function<int()> count)
        : m_cell(std::move(cell)), m_count(std::move(count)) {}
    ~ListPopup() { hide(); }
    ListPopup(const ListPopup&) = delete;
    ListPopup& operator=(const ListPopup&) = delete;

    // Opens at left, top (screen pixels), width pixels wide and tall enough for
    // max_rows rows (at least one), with the columns' pixel widths.
    void show(int left, int top, int width, int max_rows, const Look& look,
              std::vector<int> columns);
    void hide();
    platform::HWND window() const { return m_hwnd; }
    bool open() const { return m_hwnd != 0; }

    // Rows that fit; the first row shown (clamped so the last page is full); the row
    // drawn highlighted (-1 for none).
    int page() const { return m_page; }
    int top() const { return m_top; }
    void set_top(int row);
    int highlight() const { return m_highlight; }
    // Highlights the row and scrolls it into view.
    void set_highlight(int row);
    // Where a screen point lies: a row index, kScrollBar over the strip, kOutside off the
    // pop-up or below the last row.
    static constexpr int kScrollBar = -2;
    static constexpr int kOutside = -1;
    int hit(platform::POINT screen) const;
    // Marks the pop-up for repainting (after the rows changed).
    void refresh();

  private:
    static platform::LRESULT proc(platform::HWND hwnd, UINT msg, platform::WPARAM wParam,
                                  platform::LPARAM lParam);
    void paint();
    bool scrolls() const { return m_count() > m_page; }

    Cell m_cell;
    std::function<int()> m_count;
    platform::HWND m_hwnd{0};
    Look m_look{};
    std::vector<int> m_columns{};
    int m_row_height{16};
    int m_page{1};
    int m_top{0};
    int m_highlight{-1};
};

} // namespace paginor::controls
