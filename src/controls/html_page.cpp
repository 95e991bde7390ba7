#include "controls/html_page.h"

#include "controls/html_container.h"
#include "controls/html_master_css.h"
#include "controls/html_text.h"
#include "platform/core/unicode.h"
#include "platform/image/image_codec.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

#include <algorithm>
#include <map>

namespace paginor::controls {

namespace {

litehtml::context& master_context() {
    static litehtml::context* context = [] {
        auto* c = new litehtml::context;
        c->load_master_stylesheet(kHtmlMasterCss);
        return c;
    }();
    return *context;
}

class HtmlPage final : public BrowserPage {
  public:
    HtmlPage(const std::string& html, const std::string& page_path) : m_container(page_path) {
        m_doc = litehtml::document::createFromString(html.c_str(), &m_container, &master_context());
    }
    bool ok() const { return m_doc != nullptr; }

    // The document keeps one layout at a time, and a surface asks for a width to learn
    // whether it needs its scroll bar before settling on the width it shows: the heights
    // of viewports already laid out are kept, and the layout for the viewport asked last
    // is made when something is drawn or looked up.
    int layout(int width, int height) override {
        m_container.set_viewport(width, height);
        m_wanted = {width, height};
        if (const auto known = m_heights.find(m_wanted); known != m_heights.end())
            return known->second;
        render();
        return m_height;
    }

    // litehtml walks the whole tree at every draw, so a long page is drawn into a band of
    // three views around the one shown and scrolling inside the band only copies pixels.
    void paint(platform::HDC hdc, int width, int top, int rows) override {
        render_wanted();
        if (m_band.width != width || top < m_band_top || top + rows > m_band_top + m_band.height)
            draw_band(hdc, width, top, rows);
        const int first = top - m_band_top;
        const int count = std::min(rows, m_band.height - first);
        platform::write_dib_rows(
            hdc, 0, 0, width, count, [&](int row, int from, int n, uint32_t* out) {
                const uint32_t* src =
                    m_band.pixels.data() + size_t(first + row) * m_band.width + from;
                std::copy(src, src + n, out);
            });
    }

    std::optional<int> anchor(std::u16string_view name) override {
        render_wanted();
        const std::string n = to_utf8(name);
        if (n.empty() || n.find_first_of("\"\\") != std::string::npos)
            return std::nullopt;
        const litehtml::element::ptr root = m_doc->root();
        litehtml::element::ptr el = root->select_one("a[name=\"" + n + "\"]");
        if (!el)
            el = root->select_one("[id=\"" + n + "\"]");
        if (!el)
            return std::nullopt;
        return el->get_placement().y;
    }

    std::optional<std::u16string> link_at(int x, int y) override {
        render_wanted();
        litehtml::position::vector redraw;
        m_doc->on_mouse_over(x, y, x, y, redraw);
        m_doc->on_lbutton_down(x, y, x, y, redraw);
        m_doc->on_lbutton_up(x, y, x, y, redraw);
        m_band = platform::Image{}; // the pointer may have changed how elements look
        if (const std::optional<std::string> clicked = m_container.take_clicked())
            return from_utf8(*clicked);
        return std::nullopt;
    }

  private:
    void render() {
        m_doc->render(std::max(m_wanted.first, 1));
        m_rendered = m_wanted;
        m_band = platform::Image{};
        m_height = std::max(m_doc->height(), 0);
        m_heights[m_rendered] = m_height;
    }
    void render_wanted() {
        if (m_rendered != m_wanted)
            render();
    }

    void draw_band(platform::HDC target, int width, int top, int rows) {
        m_band_top = std::max(top - rows, 0);
        const int height =
            std::max(std::min(3 * rows, m_height - m_band_top), top + rows - m_band_top);
        const platform::HDC dc = platform::CreateCompatibleDC(target);
        const platform::HBITMAP bitmap = platform::CreateCompatibleBitmap(target, width, height);
        const platform::HGDIOBJ old = platform::SelectObject(dc, bitmap);
        platform::fill_solid(dc, {0, 0, width, height},
                             platform::GetSysColor(platform::COLOR_WINDOW));
        const litehtml::position clip(0, 0, width, height);
        m_doc->draw(litehtml::uint_ptr(dc), 0, -m_band_top, &clip);
        m_band = platform::image_from_dc(dc);
        platform::SelectObject(dc, old);
        platform::DeleteObject(bitmap);
        platform::DeleteDC(dc);
    }

    HtmlContainer m_container; // outlives the document, which draws through it
    litehtml::document::ptr m_doc;
    using Viewport = std::pair<int, int>; // width, height
    Viewport m_wanted{1, 0};              // the viewport last asked for
    Viewport m_rendered{-1, 0};           // the one the document is laid out for
    int m_height{0};                      // the content's height there
    std::map<Viewport, int> m_heights;
    platform::Image m_band; // pixels of content rows [m_band_top, + its height)
    int m_band_top{0};
};

} // namespace

std::unique_ptr<BrowserPage> make_html_page(const std::string& html, const std::string& page_path) {
    auto page = std::make_unique<HtmlPage>(html, page_path);
    if (!page->ok())
        return make_error_page(u"The page could not be read.", from_utf8(page_path));
    return page;
}

std::unique_ptr<BrowserPage> make_error_page(std::u16string_view why, std::u16string_view address) {
    const std::string html = "<html><body style=\"font-family: Arial; margin: 24px;\">"
                             "<h2 style=\"color: #404080;\">This page cannot be displayed</h2><p>" +
                             html_escaped(to_utf8(why)) + "</p><p style=\"color: #606060;\">" +
                             html_escaped(to_utf8(address)) + "</p></body></html>";
    auto page = std::make_unique<HtmlPage>(html, std::string());
    page->error_page = true;
    return page;
}

} // namespace paginor::controls
