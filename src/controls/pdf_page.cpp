#include "controls/pdf_page.h"

#include "platform/raster/blit.h"
#include "platform/raster/raster.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr int kGap = 8; // pixels of ground around and between the pages
constexpr pf::COLORREF kGround = pf::RGB(0x80, 0x80, 0x80);

// Outside libraries print nothing: poppler's complaints about damaged files go nowhere.
void quiet(const std::string&, void*) {}

// Draws a rendered page at (x, y), clipped to the view; poppler may round its size a pixel
// either way, and what it did not cover of the slot shows white.
void draw_rendered(pf::HDC hdc, const poppler::image& page, int x, int y, int width, int height,
                   const pf::RECT& clip) {
    const int left = std::max(x, int(clip.left)), top = std::max(y, int(clip.top));
    const int right = std::min(x + width, int(clip.right));
    const int bottom = std::min(y + height, int(clip.bottom));
    if (right <= left || bottom <= top)
        return;
    const bool usable = page.is_valid() && page.format() == poppler::image::format_argb32;
    pf::write_dib_rows(hdc, left, top, right - left, bottom - top,
                       [&](int row, int first, int count, uint32_t* out) {
                           const int py = top - y + row, px = left - x + first;
                           const int have = usable && py < page.height()
                                                ? std::clamp(page.width() - px, 0, count)
                                                : 0;
                           const auto* src = reinterpret_cast<const uint32_t*>(
                               page.const_data() + size_t(py) * page.bytes_per_row());
                           for (int i = 0; i < have; ++i)
                               out[i] = src[px + i] & 0xFFFFFF;
                           std::fill(out + have, out + count, 0xFFFFFFu);
                       });
}

class PdfPage final : public BrowserPage {
  public:
    explicit PdfPage(std::string bytes) : m_bytes(std::move(bytes)) {
        poppler::set_debug_error_function(&quiet, nullptr);
        m_doc.reset(poppler::document::load_from_raw_data(m_bytes.data(), int(m_bytes.size())));
        if (!m_doc || m_doc->is_locked())
            return;
        for (int i = 0; i < m_doc->pages(); ++i) {
            std::unique_ptr<poppler::page> page(m_doc->create_page(i));
            if (!page)
                continue;
            const poppler::rectf box = page->page_rect();
            Slot slot;
            slot.page = std::move(page);
            slot.width_pt = std::max(box.width(), 1.0);
            slot.height_pt = std::max(box.height(), 1.0);
            m_slots.push_back(std::move(slot));
        }
    }
    bool ok() const { return !m_slots.empty(); }

    int layout(int width, int) override {
        m_width = std::max(width - 2 * kGap, 1);
        int y = kGap;
        for (Slot& s : m_slots) {
            s.top = y;
            s.height = std::max(int(s.height_pt * m_width / s.width_pt + 0.5), 1);
            y += s.height + kGap;
        }
        return y;
    }

    void paint(pf::HDC hdc, int width, int top, int rows) override {
        pf::fill_solid(hdc, {0, 0, width, rows}, kGround);
        for (Slot& s : m_slots) {
            if (s.top + s.height <= top || s.top >= top + rows)
                continue;
            if (s.rendered_width != m_width)
                render(s);
            draw_rendered(hdc, s.rendered, kGap, s.top - top, m_width, s.height,
                          {0, 0, width, rows});
        }
    }

  private:
    struct Slot {
        std::unique_ptr<poppler::page> page;
        double width_pt{1};
        double height_pt{1};
        int top{0};
        int height{0};
        poppler::image rendered;
        int rendered_width{0};
    };

    void render(Slot& s) const {
        poppler::page_renderer renderer;
        renderer.set_render_hint(poppler::page_renderer::antialiasing);
        renderer.set_render_hint(poppler::page_renderer::text_antialiasing);
        renderer.set_image_format(poppler::image::format_argb32);
        const double dpi = 72.0 * m_width / s.width_pt;
        s.rendered = renderer.render_page(s.page.get(), dpi, dpi);
        s.rendered_width = m_width;
    }

    std::string m_bytes; // poppler reads from these for the document's life
    std::unique_ptr<poppler::document> m_doc;
    std::vector<Slot> m_slots;
    int m_width{1};
};

} // namespace

bool looks_like_pdf(std::string_view bytes) {
    return bytes.substr(0, 1024).find("%PDF-") != std::string_view::npos;
}

std::unique_ptr<BrowserPage> make_pdf_page(std::string bytes) {
    auto page = std::make_unique<PdfPage>(std::move(bytes));
    if (!page->ok())
        return nullptr;
    return page;
}

} // namespace paginor::controls
