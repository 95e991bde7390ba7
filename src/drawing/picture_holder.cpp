#include "drawing/picture_holder.h"

#include "frame/std_picture.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

namespace paginor::drawing {

namespace pf = platform;

bool PictureHolder::HasPicture() const {
    const frame::StdPicture* p = frame::StdPicture::from(m_picture.get());
    return p && p->handle() != 0;
}

int PictureHolder::Width() const {
    const frame::StdPicture* p = frame::StdPicture::from(m_picture.get());
    return p ? p->width_px() : 0;
}

int PictureHolder::Height() const {
    const frame::StdPicture* p = frame::StdPicture::from(m_picture.get());
    return p ? p->height_px() : 0;
}

PictureHolder::Surface::Surface(const PictureHolder& holder) {
    const frame::StdPicture* p = frame::StdPicture::from(holder.m_picture.get());
    if (!p)
        return;
    m_bitmap = pf::CreateBitmap(p->width_px(), p->height_px(), 1, 32, nullptr);
    if (!m_bitmap)
        return;
    m_dc = pf::CreateCompatibleDC(0);
    m_first = pf::SelectObject(m_dc, m_bitmap);
    pf::fill_solid(m_dc, pf::RECT{0, 0, p->width_px(), p->height_px()}, kForeColor);
    p->draw(m_dc, 0, 0, p->width_px(), p->height_px());
}

PictureHolder::Surface::~Surface() {
    if (m_dc) {
        pf::SelectObject(m_dc, m_first);
        pf::DeleteDC(m_dc);
    }
    if (m_bitmap)
        pf::DeleteObject(m_bitmap);
}

} // namespace paginor::drawing
