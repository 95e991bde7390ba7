#include "controls/html_page.h"

#include "controls/html_container.h"
#include "controls/html_master_css.h"
#include "controls/html_text.h"
#include "platform/core/unicode.h"

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

    int layout(int width, int height) override {
        m_container.set_viewport(width, height);
        m_doc->render(std::max(width, 1));
        return std::max(m_doc->height(), 0);
    }

    void paint(platform::HDC hdc, int width, int top, int rows) override {
        const litehtml::position clip(0, 0, width, rows);
        m_doc->draw(litehtml::uint_ptr(hdc), 0, -top, &clip);
    }

    std::optional<int> anchor(std::u16string_view name) override {
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
        litehtml::position::vector redraw;
        m_doc->on_mouse_over(x, y, x, y, redraw);
        m_doc->on_lbutton_down(x, y, x, y, redraw);
        m_doc->on_lbutton_up(x, y, x, y, redraw);
        if (const std::optional<std::string> clicked = m_container.take_clicked())
            return from_utf8(*clicked);
        return std::nullopt;
    }

  private:
    HtmlContainer m_container; // outlives the document, which draws through it
    litehtml::document::ptr m_doc;
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
