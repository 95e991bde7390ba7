#include "controls/Image.h"

#include "frame/std_picture.h"

#include <algorithm>

namespace paginor::controls {

void Image::SetPicture(IDispatch* picture) {
    m_picture = automation::Ref<IDispatch>(picture);
    if (const frame::StdPicture* p = frame::StdPicture::from(m_picture.get()); p && !m_stretch) {
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
    const frame::StdPicture* p = frame::StdPicture::from(m_picture.get());
    if (!p)
        return;
    if (m_stretch)
        p->draw(hdc, m_left, m_top, m_width, m_height);
    else
        p->draw(hdc, m_left, m_top, p->width_px(), p->height_px());
}

} // namespace paginor::controls
