#include "controls/html_page.h"

#include "controls/html_container.h"
#include "controls/html_master_css.h"
#include "controls/html_pieces.h"
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
#include <cctype>
#include <map>
#include <memory>
#include <vector>

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

// A page longer than this whose body can be cut is read in pieces of about kPieceBytes.
constexpr size_t kLongPage = 256 << 10;
constexpr size_t kPieceBytes = 4 << 10;

class HtmlPage final : public BrowserPage {
  public:
    HtmlPage(const std::string& html, const std::string& page_path) : m_container(page_path) {
        m_doc = read(html);
    }
    // The bytes of a file: a long one is read as far as its first piece.
    struct FileBytes {
        std::string bytes;
    };
    HtmlPage(FileBytes file, const std::string& page_path) : m_container(page_path) {
        std::string& bytes = file.bytes;
        const HtmlEncoding encoding = html_encoding(bytes);
        const size_t mark = html_byte_order_mark(encoding, bytes);
        if (bytes.size() - mark >= kLongPage && encoding != HtmlEncoding::Utf16Le &&
            encoding != HtmlEncoding::Utf16Be) {
            auto unread = std::make_unique<Unread>(std::move(bytes), mark, encoding);
            if (read_first_piece(*unread)) {
                m_unread = std::move(unread);
                return;
            }
            bytes = std::move(unread->bytes);
        }
        m_doc = read(html_piece_to_utf8(std::string_view(bytes).substr(mark), encoding));
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
        // The first paint of a layout draws only the view; the band is for scrolling.
        if (m_band.width != width || top < m_band_top || top + rows > m_band_top + m_band.height)
            draw_band(hdc, width, top, rows, m_band.width == width);
        const int first = top - m_band_top;
        const int count = std::min(rows, m_band.height - first);
        platform::write_dib_rows(
            hdc, 0, 0, width, count, [&](int row, int from, int n, uint32_t* out) {
                const uint32_t* src =
                    m_band.pixels.data() + size_t(first + row) * m_band.width + from;
                std::copy(src, src + n, out);
            });
    }

    // An anchor not read yet is looked for in the bytes still to read, and the page read
    // on to where its name stands (every piece for a name the bytes may spell otherwise).
    std::optional<int> anchor(std::u16string_view name) override {
        render_wanted();
        const std::string n = to_utf8(name);
        if (n.empty() || n.find_first_of("\"\\") != std::string::npos)
            return std::nullopt;
        litehtml::element::ptr el = find_anchor(n);
        const bool spelt_as_is = std::all_of(n.begin(), n.end(), [](char c) {
            return std::isalnum(uint8_t(c)) || c == '_' || c == '-' || c == '.' || c == ':';
        });
        while (!el && m_unread) {
            const Unread& u = *m_unread;
            const size_t from = u.pieces().start(u.next);
            const size_t at = spelt_as_is ? u.page().find(n, from) : from;
            if (at == std::string::npos)
                break;
            read_on(at);
            el = find_anchor(n);
        }
        if (!el)
            return std::nullopt;
        return el->get_placement().y;
    }

    bool read_to(int bottom) override {
        bool read = false;
        for (render_wanted(); m_unread && m_doc->height() < bottom; read = true) {
            // As far again as read so far at least, so that reading on as the view moves
            // lays the page out a bounded number of times.
            const Unread& u = *m_unread;
            const double rows_per_byte =
                double(std::max(m_doc->height(), 1)) / double(u.read_bytes());
            const size_t wanted = size_t(double(bottom - m_doc->height()) / rows_per_byte);
            read_on(u.pieces().start(u.next) + wanted);
        }
        return read;
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
        if (m_unread)
            return 0; // what is not read yet is estimated, not laid out
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
    // What of a long page's body is still to be read: its file, how to decode it, where
    // its pieces start (scanned as far as read), and the text before the body, which each
    // piece is read after. Stays where it is made, as the scan looks into the bytes.
    struct Unread {
        Unread(std::string file, size_t mark_length, HtmlEncoding how)
            : bytes(std::move(file)), mark(mark_length), encoding(how), scan(page(), kPieceBytes) {}
        std::string bytes;
        size_t mark; // the byte-order mark's length
        HtmlEncoding encoding;
        HtmlBodyScan scan;
        std::string head;
        size_t next{1}; // the first piece not read
        std::string_view page() const { return std::string_view(bytes).substr(mark); }
        const HtmlPieces& pieces() const { return scan.pieces(); }
        size_t read_bytes() const { return pieces().start(next) - pieces().body_start; }
        size_t unread_bytes() const { return page().size() - pieces().start(next); }
        std::string decoded(size_t from, size_t to) const {
            return html_piece_to_utf8(page().substr(from, to - from), encoding);
        }
    };

    litehtml::document::ptr read(const std::string& html) {
        return litehtml::document::createFromString(html.c_str(), &m_container, &master_context());
    }

    // The page up to its first cut; false when it has none or cannot be cut.
    bool read_first_piece(Unread& u) {
        if (!u.scan.scan_past(0) || u.pieces().count() < 2)
            return false;
        u.head = u.decoded(0, u.pieces().body_start);
        m_doc = read(u.head + u.decoded(u.pieces().body_start, u.pieces().end(0)));
        m_body = m_doc ? body_of(*m_doc) : nullptr;
        return m_body != nullptr;
    }

    // Reads the pieces from the next up to the one holding page offset `to`, and at least
    // as many bytes again as read before, as a page of their own after the head whose
    // body's elements move to this page's body. That page stays, as its elements draw
    // with its fonts. Then lays out again. A page the scan finds cannot be cut after all
    // is read again whole.
    void read_on(size_t to) {
        Unread& u = *m_unread;
        const size_t wanted = std::max(to, u.pieces().start(u.next) + u.read_bytes());
        if (!u.scan.scan_past(wanted))
            return read_whole();
        const std::vector<size_t>& cuts = u.pieces().cuts;
        const size_t last = std::max<size_t>(
            size_t(std::upper_bound(cuts.begin(), cuts.end(), wanted) - cuts.begin()), u.next);
        litehtml::document::ptr part =
            read(u.head + u.decoded(u.pieces().start(u.next), u.pieces().end(last)));
        if (const litehtml::element::ptr body = part ? body_of(*part) : nullptr) {
            for (size_t i = 0; i < body->get_children_count(); ++i)
                m_body->appendChild(body->get_child(int(i)));
            m_parts.push_back(std::move(part));
        }
        u.next = last + 1;
        if (u.scan.finished() && u.next == u.pieces().count())
            m_unread.reset();
        laid_out_anew();
    }

    void read_whole() {
        if (litehtml::document::ptr whole = read(m_unread->decoded(0, m_unread->page().size()))) {
            m_doc = std::move(whole);
            m_parts.clear();
            m_body = nullptr;
        }
        m_unread.reset();
        laid_out_anew();
    }

    void laid_out_anew() {
        m_heights.clear();
        m_floors.clear();
        render();
    }

    void render() {
        m_doc->render(std::max(m_wanted.first, 1));
        m_rendered = m_wanted;
        m_band = platform::Image{};
        m_height = std::max(m_doc->height(), 0);
        if (m_unread) // the rest as tall for its bytes as what is read
            m_height += int(double(m_height) * double(m_unread->unread_bytes()) /
                            double(std::max<size_t>(m_unread->read_bytes(), 1)));
        m_heights[m_rendered] = m_height;
    }
    litehtml::element::ptr find_anchor(const std::string& name) const {
        const litehtml::element::ptr root = m_doc->root();
        litehtml::element::ptr el = root->select_one("a[name=\"" + name + "\"]");
        return el ? el : root->select_one("[id=\"" + name + "\"]");
    }
    void render_wanted() {
        if (m_rendered != m_wanted)
            render();
    }

    void draw_band(platform::HDC target, int width, int top, int rows, bool around) {
        m_band_top = around ? std::max(top - rows, 0) : top;
        const int height =
            around ? std::max(std::min(3 * rows, m_height - m_band_top), top + rows - m_band_top)
                   : rows;
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

    HtmlContainer m_container; // outlives the documents, which draw through it
    litehtml::document::ptr m_doc;
    litehtml::element::ptr m_body;                // of a page read in pieces
    std::vector<litehtml::document::ptr> m_parts; // the pages its later pieces were read as
    std::unique_ptr<Unread> m_unread;
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

std::unique_ptr<BrowserPage> make_html_file_page(std::string bytes, const std::string& page_path) {
    auto page = std::make_unique<HtmlPage>(HtmlPage::FileBytes{std::move(bytes)}, page_path);
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
