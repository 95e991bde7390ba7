#include "controls/Image.h"

#include "frame/std_picture.h"

#include <algorithm>

namespace paginor::controls {

Image::~Image() {
    if (m_picture)
        m_picture->Release();
}

void Image::SetPicture(IDispatch* picture) {
    if (picture)
        picture->AddRef();
    if (m_picture)
        m_picture->Release();
    m_picture = picture;
    if (const frame::StdPicture* p = frame::StdPicture::from(m_picture); p && !m_stretch) {
        m_width = p->width_px();
        m_height = p->height_px();
    }
}

void Image::Move(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
}

void Image::paint(HDC hdc) {
    const frame::StdPicture* p = frame::StdPicture::from(m_picture);
    if (!p)
        return;
    if (m_stretch)
        p->draw(hdc, m_left, m_top, m_width, m_height);
    else
        p->draw(hdc, m_left, m_top, p->width_px(), p->height_px());
}

} // namespace paginor::controls
