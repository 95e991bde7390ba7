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

// litehtml keeps an element's children to itself; a page that measures a part of its body
// takes the rest out for a moment (see HtmlPage::surely_taller).
struct ChildList : litehtml::element {
    static litehtml::elements_vector& of(litehtml::element& e) {
        return e.*(&ChildList::m_children);
    }
};

litehtml::element::ptr body_of(const litehtml::document& doc) {
    const litehtml::element::ptr root = const_cast<litehtml::document&>(doc).root();
    for (size_t i = 0; root && i < root->get_children_count(); ++i)
        if (litehtml::element::ptr child = root->get_child(int(i)); child->is_body())
            return child;
    return nullptr;
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

    // Content after a part of the body can only add to the page's height, so the height
    // of a part that fills the view is a floor for the whole page's, learnt cheaply.
    int height_at_least(int width, int height) override {
        const Viewport viewport{width, height};
        if (const auto known = m_heights.find(viewport); known != m_heights.end())
            return known->second;
        if (const auto known = m_floors.find(viewport); known != m_floors.end())
            return known->second;
        const litehtml::element::ptr body = body_of(*m_doc);
        if (!body)
            return 0;
        litehtml::elements_vector& children = ChildList::of(*body);
        for (size_t count = 64; count < children.size(); count *= 8) {
            m_container.set_viewport(width, height);
            m_rendered = {-1, 0}; // laid out for a part only
            m_band = platform::Image{};
            litehtml::elements_vector rest(children.begin() + std::ptrdiff_t(count),
                                           children.end());
            children.resize(count);
            struct PutBack {
                litehtml::elements_vector& to;
                litehtml::elements_vector& rest;
                ~PutBack() { to.insert(to.end(), rest.begin(), rest.end()); }
            } put_back{children, rest};
            m_doc->render(std::max(width, 1));
            if (m_doc->height() > height)
                return m_floors[viewport] = m_doc->height();
        }
        return 0;
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
    std::map<Viewport, int> m_floors; // heights of parts taller than the view
    platform::Image m_band;           // pixels of content rows [m_band_top, + its height)
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
