// The drop-down list: a child window showing the selected row's text beside a drop
// button, whose rows open in a pop-up above the form (ListPopup). Rows hold one or more
// columns of text; with several, ColumnWidths sets their widths in the pop-up (0 hides
// one) and TextColumn picks the one the closed box shows and the keys match. There is no
// free text: the box always shows a row or nothing. A plain C++ class, not registered.
//
// The list opens below the box, or above it when the form ends below the box and leaves
// more room above. Keys while focused: Up/Down, Page Up/Down, Home/End and a first letter
// (any case, the next row after the selected one whose text begins with it) change the
// selection; Alt+Down and F4 open the list, Enter picks the highlighted row and closes it,
// Esc closes it unchanged. A press on the box opens the list; a release on a row picks it;
// a press off the list closes it. Locked keeps the selection but still raises the key and
// pointer events; a disabled box draws grey, takes no focus and raises nothing.
//
// Events, each optional: Change then Click whenever the selected row changes, by the user
// or by code (selecting the current row again raises nothing, nor does Clear); KeyDown,
// KeyPress, KeyUp (codes by reference); MouseDown and MouseUp in twips from the box's
// corner. A handler may do anything to the box, even destroy it.
//
// Bad input: a row outside the list gives error 381 (an index for AddItem may also be the
// count); a column count outside 1 to 10, a text column outside 1 to the column count or
// a column-widths text that does not parse gives error 380; nothing changes either way.
#pragma once

#include <paginor/base.h>

#include "controls/ListPopup.h"
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

class ComboBox final : public ChildWindow {
  public:
    // Creates the box as a child window of parent at rect (pixels of the parent's client
    // area). Throws RuntimeError 5 when parent is not a window.
    ComboBox(platform::HWND parent, platform::RECT rect, bool visible = true);
    ~ComboBox() override;
    ComboBox(const ComboBox&) = delete;
    ComboBox& operator=(const ComboBox&) = delete;

    // A row with text in its first column, at index (-1: at the end, in constant time).
    void AddItem(std::u16string text, int index = -1);
    // Removes a row; the selection follows its row, or becomes -1 without events when
    // the selected row goes.
    void RemoveItem(int index);
    // Removes every row; the selection becomes -1 without events.
    void Clear();
    int ListCount() const { return int(m_rows.size()); }
    const std::u16string& List(int row, int column = 0) const;
    // The first row from `from` on whose cell in `column` is `text`; -1 when none.
    int FindRow(int column, std::u16string_view text, int from = 0) const;
    void SetList(int row, int column, std::u16string text);

    int ListIndex() const { return m_index; }
    void SetListIndex(int index);
    // The text column of the selected row ("" for none). Assigning selects the first row
    // whose text column equals the text exactly; "" selects none; any other text gives
    // error 380.
    const std::u16string& Text() const;
    void SetText(std::u16string_view text);

    int ColumnCount() const { return m_column_count; }
    void SetColumnCount(int count);
    const std::u16string& ColumnWidths() const { return m_widths_text; }
    void SetColumnWidths(std::u16string text);
    // 1-based.
    int TextColumn() const { return m_text_column; }
    void SetTextColumn(int column);
    // Rows the open list shows at most.
    int ListRows() const { return m_list_rows; }
    void SetListRows(int rows) { m_list_rows = std::max(rows, 1); }

    bool Locked() const { return m_locked; }
    void SetLocked(bool on) { m_locked = on; }
    OLE_COLOR BackColor() const { return m_look.back; }
    void SetBackColor(OLE_COLOR colour);
    OLE_COLOR ForeColor() const { return m_look.fore; }
    void SetForeColor(OLE_COLOR colour);
    void SetFont(std::u16string face, double points, bool bold = false);
    const std::u16string& FontName() const { return m_look.face; }
    double FontSize() const { return m_look.points; }

    // The open list.
    void DropDown();
    void CloseUp();
    bool IsOpen() const { return m_popup.open(); }
    platform::HWND PopupWindow() const { return m_popup.window(); }
    int TopIndex() const { return m_popup.top(); }
    void SetTopIndex(int row) { m_popup.set_top(row); }

    std::function<void()> on_change;
    std::function<void()> on_click;
    std::function<void(frame::KeyEvent&)> on_key_down;
    std::function<void(SHORT& ascii)> on_key_press;
    std::function<void(const frame::MouseEvent&)> on_mouse_down;
    std::function<void(const frame::MouseEvent&)> on_mouse_up;

  private:
    platform::LRESULT respond(UINT msg, platform::WPARAM wParam, platform::LPARAM lParam) override;
    void going_inactive() override { CloseUp(); }
    void key_down(platform::WPARAM vk) override;
    bool navigate(int vk);
    void character(SHORT ascii) override;
    void pointer(UINT msg, platform::WPARAM wParam, platform::LPARAM lParam);
    void pointer_while_open(UINT msg, platform::POINT screen);
    // Makes the row the selected one and raises Change, Click when it changed.
    void select(int row);
    void check_row(int row, bool past_end_ok = false) const;
    std::vector<int> column_pixels(int width) const;
    void paint();

    std::vector<std::vector<std::u16string>> m_rows{};
    int m_index{-1};
    int m_column_count{1};
    std::u16string m_widths_text{};
    std::vector<double> m_widths{}; // twips, -1 for a blank entry
    int m_text_column{1};
    int m_list_rows{8};
    bool m_locked{false};
    bool m_opening_press{false}; // the press that opened the list is still down
    ListPopup::Look m_look{};
    ListPopup m_popup;
};

} // namespace paginor::controls
