#include "controls/pdf_page.h"

#include "controls/picture_scale.h"
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

// The rendered page at exactly width x height (poppler may round a pixel either way),
// white where it left nothing.
pf::Image image_of(const poppler::image& rendered, int width, int height) {
    pf::Image out;
    out.width = width;
    out.height = height;
    out.pixels.assign(size_t(width) * height, 0xFFFFFFFFu);
    if (!rendered.is_valid() || rendered.format() != poppler::image::format_argb32)
        return out;
    const int w = std::min(width, rendered.width()), h = std::min(height, rendered.height());
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(rendered.const_data() +
                                                            size_t(y) * rendered.bytes_per_row());
        uint32_t* out_row = out.pixels.data() + size_t(y) * width;
        for (int x = 0; x < w; ++x)
            out_row[x] = row[x] | 0xFF000000u;
    }
    return out;
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
            if (s.rendered.width != m_width || s.rendered.height != s.height)
                render(s);
            draw_picture(hdc, s.rendered, kGap, s.top - top, {0, 0, width, rows});
        }
    }

  private:
    struct Slot {
        std::unique_ptr<poppler::page> page;
        double width_pt{1};
        double height_pt{1};
        int top{0};
        int height{0};
        pf::Image rendered;
    };

    void render(Slot& s) const {
        poppler::page_renderer renderer;
        renderer.set_render_hint(poppler::page_renderer::antialiasing);
        renderer.set_render_hint(poppler::page_renderer::text_antialiasing);
        renderer.set_image_format(poppler::image::format_argb32);
        const double dpi = 72.0 * m_width / s.width_pt;
        s.rendered = image_of(renderer.render_page(s.page.get(), dpi, dpi), m_width, s.height);
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
