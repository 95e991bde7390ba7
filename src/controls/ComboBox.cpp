#include "controls/ComboBox.h"

#include "controls/column_widths.h"
#include "controls/entry_paint.h"
#include "frame/twips.h"
#include "frame/windowless_children.h"
#include "platform/core/error.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/text.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

#include <algorithm>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.ComboBox";
constexpr int kSubscriptOutOfRange = 381; // "Invalid property array index"
constexpr int kMaxColumns = 10;
constexpr int kButtonWidth = 16;
constexpr int kWheelRows = 3;
const std::u16string kEmpty;

[[noreturn]] void bad_value(const char16_t* what) {
    raise_standard(std_error::InvalidPropertyValue, std::u16string(kSource), what);
}

char16_t folded(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

} // namespace

ComboBox::ComboBox(pf::HWND parent, pf::RECT rect, bool visible)
    : ChildWindow(parent, rect, visible, kSource, u"The drop-down list needs a parent window"),
      m_popup([this](int row, int column) -> const std::u16string& { return List(row, column); },
              [this] { return ListCount(); }) {}

ComboBox::~ComboBox() {
    m_popup.hide();
}

void ComboBox::check_row(int row, bool past_end_ok) const {
    if (row < 0 || row > ListCount() || (row == ListCount() && !past_end_ok))
        raise_standard(kSubscriptOutOfRange, std::u16string(kSource),
                       u"Invalid property array index");
}

void ComboBox::AddItem(std::u16string text, int index) {
    if (index != -1)
        check_row(index, true);
    std::vector<std::u16string> row(static_cast<size_t>(m_column_count));
    row[0] = std::move(text);
    if (index == -1 || index == ListCount()) {
        m_rows.push_back(std::move(row));
    } else {
        m_rows.insert(m_rows.begin() + index, std::move(row));
        if (m_index >= index)
            ++m_index;
    }
    m_popup.refresh();
}

void ComboBox::RemoveItem(int index) {
    check_row(index);
    m_rows.erase(m_rows.begin() + index);
    if (m_index == index)
        m_index = -1;
    else if (m_index > index)
        --m_index;
    if (m_rows.empty())
        CloseUp();
    m_popup.set_highlight(std::min(m_popup.highlight(), ListCount() - 1));
    Redraw();
}

void ComboBox::Clear() {
    CloseUp();
    m_rows.clear();
    m_index = -1;
    Redraw();
}

int ComboBox::FindRow(int column, std::u16string_view text, int from) const {
    const size_t at = size_t(column);
    for (size_t row = size_t(std::max(from, 0)); row < m_rows.size(); ++row)
        if (std::u16string_view(at < m_rows[row].size() ? m_rows[row][at] : kEmpty) == text)
            return int(row);
    return -1;
}

const std::u16string& ComboBox::List(int row, int column) const {
    check_row(row);
    if (column < 0 || column >= m_column_count)
        raise_standard(kSubscriptOutOfRange, std::u16string(kSource),
                       u"Invalid property array index");
    const std::vector<std::u16string>& cells = m_rows[size_t(row)];
    return size_t(column) < cells.size() ? cells[size_t(column)] : kEmpty;
}

void ComboBox::SetList(int row, int column, std::u16string text) {
    List(row, column); // the same checks
    std::vector<std::u16string>& cells = m_rows[size_t(row)];
    if (cells.size() <= size_t(column))
        cells.resize(size_t(column) + 1);
    cells[size_t(column)] = std::move(text);
    m_popup.refresh();
    if (row == m_index)
        Redraw();
}

void ComboBox::SetListIndex(int index) {
    if (index != -1)
        check_row(index);
    select(index);
}

const std::u16string& ComboBox::Text() const {
    return m_index < 0 ? kEmpty : List(m_index, m_text_column - 1);
}

void ComboBox::SetText(std::u16string_view text) {
    for (int row = 0; row < ListCount(); ++row)
        if (List(row, m_text_column - 1) == text)
            return select(row);
    if (!text.empty())
        bad_value(u"Invalid property value: the text is no row of the list");
    select(-1);
}

void ComboBox::SetColumnCount(int count) {
    if (count < 1 || count > kMaxColumns)
        bad_value(u"Invalid property value: ColumnCount is 1 to 10");
    m_column_count = count;
    m_text_column = std::min(m_text_column, count);
    Redraw();
}

void ComboBox::SetColumnWidths(std::u16string text) {
    std::optional<std::vector<double>> widths = parse_column_widths(text);
    if (!widths)
        bad_value(u"Invalid property value: ColumnWidths");
    m_widths = std::move(*widths);
    m_widths_text = std::move(text);
}

void ComboBox::SetTextColumn(int column) {
    if (column < 1 || column > m_column_count)
        bad_value(u"Invalid property value: TextColumn is 1 to ColumnCount");
    m_text_column = column;
    Redraw();
}

void ComboBox::SetBackColor(OLE_COLOR colour) {
    m_look.back = colour;
    Redraw();
}

void ComboBox::SetForeColor(OLE_COLOR colour) {
    m_look.fore = colour;
    m_popup.refresh();
    Redraw();
}

void ComboBox::SetFont(std::u16string face, double points, bool bold) {
    m_look.face = std::move(face);
    m_look.points = points > 0 ? points : 8.25;
    m_look.bold = bold;
    Redraw();
}

std::vector<int> ComboBox::column_pixels(int width) const {
    return controls::column_pixels(m_widths, m_column_count, width,
                                   frame::twips_per_pixel(frame::Axis::Across));
}

void ComboBox::DropDown() {
    if (IsOpen() || !Enabled() || !Visible() || m_rows.empty())
        return;
    pf::POINT at{0, Height()};
    pf::ClientToScreen(hWnd(), &at);
    const bool scrolls = ListCount() > m_list_rows;
    m_popup.show(at.x, at.y, Width(), m_list_rows, m_look,
                 column_pixels(Width() - 2 - (scrolls ? kButtonWidth : 0)));
    // Above the box instead when the form ends below it and leaves more room above.
    pf::RECT form{}, list{};
    pf::GetWindowRect(pf::GetTopLevelWindow(hWnd()), &form);
    pf::GetWindowRect(m_popup.window(), &list);
    const int above = at.y - Height() - form.top, below = form.bottom - at.y;
    if (list.bottom > form.bottom && above > below)
        pf::MoveWindow(m_popup.window(), at.x, at.y - Height() - (list.bottom - list.top),
                       list.right - list.left, list.bottom - list.top, pf::TRUE);
    m_popup.set_highlight(m_index);
    pf::SetCapture(hWnd());
}

void ComboBox::CloseUp() {
    if (!IsOpen())
        return;
    m_popup.hide();
    m_opening_press = false;
    if (pf::GetCapture() == hWnd())
        pf::ReleaseCapture();
    Redraw();
}

void ComboBox::select(int row) {
    if (row == m_index)
        return;
    m_index = row;
    Redraw();
    if (raise(on_change))
        raise(on_click);
}

pf::LRESULT ComboBox::respond(UINT msg, pf::WPARAM wParam, pf::LPARAM lParam) {
    if (route_key(msg, wParam))
        return 0;
    switch (msg) {
    case pf::WM_PAINT:
        paint();
        return 0;
    case pf::WM_SETFOCUS:
        Redraw();
        return 0;
    case pf::WM_KILLFOCUS:
        CloseUp();
        Redraw();
        return 0;
    case pf::WM_CAPTURECHANGED:
        if (pf::HWND(lParam) != hWnd())
            CloseUp();
        return 0;
    case pf::WM_MOUSEWHEEL:
        if (IsOpen())
            m_popup.set_top(m_popup.top() - kWheelRows * (int16_t(wParam >> 16) / 120));
        return 0;
    default:
        pointer(msg, wParam, lParam);
        return 0;
    }
}

void ComboBox::key_down(pf::WPARAM vk) {
    frame::KeyEvent e{static_cast<SHORT>(vk), frame::shift_state()};
    if (!raise(on_key_down, e) || m_locked)
        return;
    const bool alt = (e.shift & 4) != 0;
    if (e.key == pf::VK_F4 || (alt && (e.key == pf::VK_DOWN || e.key == pf::VK_UP))) {
        if (IsOpen())
            CloseUp();
        else if (e.key != pf::VK_UP)
            DropDown();
        return;
    }
    if (IsOpen() && (e.key == pf::VK_RETURN || e.key == pf::VK_ESCAPE)) {
        const int pick = m_popup.highlight();
        CloseUp();
        if (e.key == pf::VK_RETURN && pick >= 0)
            select(pick);
        return;
    }
    navigate(e.key);
}

// The selection (or, while open, the highlight) moved by a navigation key; false for
// any other key.
bool ComboBox::navigate(int vk) {
    const int from = IsOpen() ? m_popup.highlight() : m_index;
    const int page = IsOpen() ? m_popup.page() : m_list_rows;
    const int last = ListCount() - 1;
    int to = from;
    switch (vk) {
    case pf::VK_UP:
        to = from - 1;
        break;
    case pf::VK_DOWN:
        to = from + 1;
        break;
    case pf::VK_PRIOR:
        to = from - page;
        break;
    case pf::VK_NEXT:
        to = from + page;
        break;
    case pf::VK_HOME:
        to = 0;
        break;
    case pf::VK_END:
        to = last;
        break;
    default:
        return false;
    }
    if (last < 0)
        return true;
    to = std::clamp(to, 0, last);
    if (IsOpen())
        m_popup.set_highlight(to);
    else
        select(to);
    return true;
}

void ComboBox::character(SHORT ascii) {
    if (!raise(on_key_press, ascii) || m_locked || ascii <= u' ')
        return;
    const char16_t letter = folded(char16_t(ascii));
    const int from = IsOpen() ? m_popup.highlight() : m_index;
    for (int step = 1; step <= ListCount(); ++step) {
        const int row = (from + step + ListCount()) % ListCount();
        const std::u16string& text = List(row, m_text_column - 1);
        if (!text.empty() && folded(text[0]) == letter) {
            if (IsOpen())
                m_popup.set_highlight(row);
            else
                select(row);
            return;
        }
    }
}

void ComboBox::pointer(UINT msg, pf::WPARAM, pf::LPARAM lParam) {
    pf::POINT at{static_cast<int16_t>(lParam & 0xFFFF), static_cast<int16_t>(lParam >> 16)};
    if (IsOpen()) {
        pf::ClientToScreen(hWnd(), &at);
        return pointer_while_open(msg, at);
    }
    SHORT button = 0;
    const bool down = msg == pf::WM_LBUTTONDOWN || msg == pf::WM_LBUTTONDBLCLK ||
                      msg == pf::WM_RBUTTONDOWN || msg == pf::WM_RBUTTONDBLCLK;
    if (msg == pf::WM_LBUTTONDOWN || msg == pf::WM_LBUTTONDBLCLK || msg == pf::WM_LBUTTONUP)
        button = 1;
    else if (msg == pf::WM_RBUTTONDOWN || msg == pf::WM_RBUTTONDBLCLK || msg == pf::WM_RBUTTONUP)
        button = 2;
    else
        return;
    frame::MouseEvent e{button, frame::shift_state(),
                        float(frame::pixels_to_twips(at.x, frame::Axis::Across)),
                        float(frame::pixels_to_twips(at.y, frame::Axis::Down))};
    if (!down)
        return void(raise(on_mouse_up, e));
    pf::SetFocus(hWnd());
    if (!raise(on_mouse_down, e) || button != 1 || m_locked)
        return;
    DropDown();
    m_opening_press = IsOpen();
}

void ComboBox::pointer_while_open(UINT msg, pf::POINT screen) {
    const int at = m_popup.hit(screen);
    switch (msg) {
    case pf::WM_MOUSEMOVE:
        if (at >= 0 && at != m_popup.highlight())
            m_popup.set_highlight(at);
        return;
    case pf::WM_LBUTTONDOWN:
    case pf::WM_LBUTTONDBLCLK:
        if (at == ListPopup::kScrollBar) {
            pf::RECT r{};
            pf::GetWindowRect(m_popup.window(), &r);
            const bool up = screen.y < (r.top + r.bottom) / 2;
            m_popup.set_top(m_popup.top() + (up ? -m_popup.page() : m_popup.page()));
        } else if (at >= 0) {
            m_popup.set_highlight(at);
        } else {
            CloseUp();
        }
        return;
    case pf::WM_LBUTTONUP:
        if (std::exchange(m_opening_press, false) && at < 0)
            return; // the press that opened the list: keep it open for a click on a row
        if (at >= 0) {
            CloseUp();
            select(at);
        }
        return;
    case pf::WM_RBUTTONDOWN:
        if (at == ListPopup::kOutside)
            CloseUp();
        return;
    default:
        return;
    }
}

void ComboBox::paint() {
    const pf::HDC window = pf::GetDC(hWnd());
    const int w = Width(), h = Height();
    if (!window || w <= 0 || h <= 0) {
        pf::ReleaseDC(hWnd(), window);
        return;
    }
    const pf::HDC hdc = pf::CreateCompatibleDC(window);
    const pf::HBITMAP bitmap = pf::CreateCompatibleBitmap(window, w, h);
    const pf::HGDIOBJ old = pf::SelectObject(hdc, bitmap);
    pf::fill_solid(hdc, {0, 0, w, h}, translated(m_look.back));
    const int button_left = std::max(w - 2 - kButtonWidth, 2);
    const bool lit = pf::GetFocus() == hWnd() && !IsOpen() && m_index >= 0;
    pf::RECT text{2, 2, button_left, h - 2};
    if (lit)
        pf::fill_solid(hdc, {3, 3, button_left - 1, h - 3}, pf::GetSysColor(pf::COLOR_HIGHLIGHT));
    {
        const ScopedFont font(hdc, m_look.face, m_look.points, m_look.bold);
        pf::SetBkMode(hdc, pf::TRANSPARENT);
        pf::SetTextColor(hdc, !Enabled() ? pf::GetSysColor(pf::COLOR_GRAYTEXT)
                              : lit      ? pf::GetSysColor(pf::COLOR_HIGHLIGHTTEXT)
                                         : translated(m_look.fore));
        text.left += 2;
        pf::DrawText(hdc, Text(), &text,
                     pf::DT_SINGLELINE | pf::DT_VCENTER | pf::DT_NOPREFIX | pf::DT_END_ELLIPSIS);
    }
    // The drop button: a raised face with a small arrow pointing down.
    const pf::RECT button{button_left, 2, w - 2, h - 2};
    pf::fill_solid(hdc, button, pf::GetSysColor(pf::COLOR_BTNFACE));
    pf::fill_solid(hdc, {button.left, button.bottom - 1, button.right, button.bottom},
                   pf::GetSysColor(pf::COLOR_BTNSHADOW));
    pf::fill_solid(hdc, {button.right - 1, button.top, button.right, button.bottom},
                   pf::GetSysColor(pf::COLOR_BTNSHADOW));
    const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2 - 1;
    const pf::COLORREF arrow = pf::GetSysColor(Enabled() ? pf::COLOR_BTNTEXT : pf::COLOR_GRAYTEXT);
    for (int i = 0; i < 4; ++i)
        pf::fill_solid(hdc, {cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1}, arrow);
    draw_sunken_edge(hdc, {0, 0, w, h});
    pf::BitBlt(window, 0, 0, w, h, hdc, 0, 0, pf::SRCCOPY);
    pf::SelectObject(hdc, old);
    pf::DeleteObject(bitmap);
    pf::DeleteDC(hdc);
    pf::ReleaseDC(hWnd(), window);
}

} // namespace paginor::controls
