#include "drawing/look_cache.h"

#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"

namespace paginor::drawing {

namespace pf = platform;

namespace {
// Larger looks are painted every time rather than held three times over (4 MiB each).
constexpr int64_t kLargestKept = 1 << 20;
} // namespace

LookBitmap::~LookBitmap() {
    clear();
}

bool LookBitmap::take(pf::HDC dc, int w, int h) {
    if (w < 1 || h < 1 || int64_t(w) * h > kLargestKept)
        return false;
    if (w != m_width || h != m_height) {
        clear();
        m_bitmap = pf::CreateBitmap(w, h, 1, 32, nullptr);
        if (!m_bitmap)
            return false;
        m_dc = pf::CreateCompatibleDC(0);
        m_first = pf::SelectObject(m_dc, m_bitmap);
        m_width = w;
        m_height = h;
    }
    return pf::BitBlt(m_dc, 0, 0, w, h, dc, 0, 0, pf::SRCCOPY) != 0;
}

bool LookBitmap::give(pf::HDC dc, int w, int h) const {
    return m_dc && w == m_width && h == m_height &&
           pf::BitBlt(dc, 0, 0, w, h, m_dc, 0, 0, pf::SRCCOPY) != 0;
}

void LookBitmap::clear() {
    if (m_dc) {
        pf::SelectObject(m_dc, m_first);
        pf::DeleteDC(m_dc);
    }
    if (m_bitmap)
        pf::DeleteObject(m_bitmap);
    m_dc = 0;
    m_bitmap = 0;
    m_first = 0;
    m_width = m_height = 0;
}

} // namespace paginor::drawing
