#include "controls/WebBrowser.h"

#include "platform/core/error.h"
#include "platform/window/message.h"
#include "platform/window/message_ids.h"

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.WebBrowser";
// Posted to itself: wParam carries the generation of the navigation it loads.
constexpr UINT WM_BROWSER_LOAD = pf::WM_USER + 0x42;
constexpr HRESULT E_FAIL_HR = HRESULT(0x80004005);

} // namespace

WebBrowser::WebBrowser(HWND parent, RECT rect, bool visible)
    : DocumentSurface(parent, rect, visible, u"PaginorV2CTL.WebBrowser") {
    arrange();
}

WebBrowser::~WebBrowser() = default;

std::u16string WebBrowser::LocationURL() const {
    return m_index >= 0 ? m_history[size_t(m_index)].url : std::u16string();
}

void WebBrowser::GoBack() {
    if (m_index <= 0)
        throw RuntimeError(E_FAIL_HR, E_FAIL_HR, std::u16string(kSource), u"Unspecified error");
    // Moving back cancels a load still pending, as a newer navigation would.
    ++m_generation;
    m_pending.reset();
    m_ready = READYSTATE_COMPLETE;
    const BrowserAddress& from = m_history[size_t(m_index)];
    const BrowserAddress& to = m_history[size_t(--m_index)];
    if (to.kind != BrowserAddress::Kind::File || to.path != from.path || !m_page)
        load(to, stamp_of(to));
    scroll_to_fragment();
}

void WebBrowser::Navigate2(std::u16string_view url, int flags) {
    start({parse_browser_address(url), (flags & navNoHistory) != 0, false});
}

void WebBrowser::Refresh2(int /*level*/) {
    if (m_pending) {
        start(*m_pending);
    } else if (m_index >= 0) {
        start({m_history[size_t(m_index)], true, true});
    }
}

void WebBrowser::start(Request request) {
    m_pending = std::make_unique<Request>(std::move(request));
    m_ready = READYSTATE_LOADING;
    pf::PostMessage(hWnd(), WM_BROWSER_LOAD, ++m_generation, 0);
}

LRESULT WebBrowser::message(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_BROWSER_LOAD)
        return DocumentSurface::message(msg, wParam, lParam);
    // A message of a navigation that a newer one replaced does nothing.
    if (m_pending && unsigned(wParam) == m_generation)
        finish_load();
    return 0;
}

std::optional<WebBrowser::FileStamp> WebBrowser::stamp_of(const BrowserAddress& address) {
    if (address.kind != BrowserAddress::Kind::File)
        return std::nullopt;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path path(address.path);
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    FileStamp stamp{address.path, fs::file_size(path, ec), fs::last_write_time(path, ec)};
    return ec ? std::nullopt : std::optional(stamp);
}

void WebBrowser::finish_load() {
    const Request request = *m_pending;
    m_pending.reset();
    // Taken before reading: a write during the read shows as a change at the next refresh.
    std::optional<FileStamp> stamp = stamp_of(request.address);
    if (request.refresh && stamp && stamp == m_page_stamp && m_page && !m_page->error_page) {
        scroll_to(0);
        arrange();
    } else {
        load(request.address, std::move(stamp));
    }
    if (!request.refresh) {
        if (request.replace && m_index >= 0) {
            m_history[size_t(m_index)] = request.address;
        } else {
            m_history.resize(size_t(m_index + 1));
            m_history.push_back(request.address);
            ++m_index;
        }
    }
    m_ready = READYSTATE_COMPLETE;
    scroll_to_fragment();
}

void WebBrowser::load(const BrowserAddress& address, std::optional<FileStamp> stamp) {
    m_page_stamp = std::move(stamp);
    m_page.reset(); // a long page's memory serves the next one
    m_page = load_browser_page(address);
    scroll_to(0);
    arrange();
}

void WebBrowser::scroll_to_fragment() {
    if (m_index < 0 || !m_page)
        return;
    settle(); // the anchor's row is the layout's
    const BrowserAddress& at = m_history[size_t(m_index)];
    const std::optional<int> y = at.has_fragment ? m_page->anchor(at.fragment) : std::nullopt;
    if (y)
        arrange(); // a long page may have read on to the anchor
    scroll_to(y.value_or(0));
}

void WebBrowser::relayout(int width) {
    set_content_height(m_page ? m_page->layout(width, view_height()) : 0);
}

int WebBrowser::content_height_at_least(int width, int height) {
    return m_page ? m_page->height_at_least(width, height) : 0;
}

bool WebBrowser::extend_to(int bottom) {
    return m_page && m_page->read_to(bottom);
}

void WebBrowser::paint_content(HDC hdc, int width, int top, int rows) {
    if (m_page)
        m_page->paint(hdc, width, top, rows);
}

void WebBrowser::page_click(int x, int y) {
    if (!m_page)
        return;
    if (const std::optional<std::u16string> link = m_page->link_at(x, y))
        follow(*link);
}

void WebBrowser::follow(std::u16string_view reference) {
    if (m_index < 0)
        return;
    const BrowserAddress& here = m_history[size_t(m_index)];
    if (reference.starts_with(u"#") && here.kind == BrowserAddress::Kind::File) {
        // An in-page link: a new entry for the same page, at once, no reload.
        m_history.resize(size_t(m_index + 1));
        m_history.push_back(here.with_fragment(reference.substr(1)));
        ++m_index;
        scroll_to_fragment();
        return;
    }
    Navigate2(resolve_reference(reference, here.path));
}

} // namespace paginor::controls
