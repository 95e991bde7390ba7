#include "drawing/look_cache.h"

#include "platform/raster/bitmap.h"
#include "platform/raster/gdi.h"

namespace paginor::drawing {

namespace pf = platform;

namespace {
// Larger looks are painted every time rather than held several times over (4 MiB each).
constexpr int64_t kLargestKept = 1 << 20;
} // namespace

bool KeptBitmap::swap_with(frame::DrawingSurface& surface) {
    const int w = surface.width(), h = surface.height();
    if (int64_t(w) * h > kLargestKept)
        return false;
    const pf::SIZE size = pf::GetBitmapDimension(m_bitmap);
    if (size.cx != w || size.cy != h) {
        reset();
        m_bitmap = pf::CreateBitmap(w, h, 1, 32, nullptr);
    }
    const pf::HBITMAP shown = surface.exchange_bitmap(m_bitmap);
    if (!shown)
        return false;
    m_bitmap = shown;
    return true;
}

void KeptBitmap::reset() {
    if (m_bitmap)
        pf::DeleteObject(m_bitmap);
    m_bitmap = 0;
}

} // namespace paginor::drawing
