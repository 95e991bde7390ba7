#include "controls/Line.h"

#include "frame/twips.h"
#include "platform/raster/colour.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

namespace paginor::controls {

void Line::SetEnds(double x1, double y1, double x2, double y2) {
    m_x1 = x1, m_y1 = y1, m_x2 = x2, m_y2 = y2;
}

void Line::paint(platform::HDC hdc) {
    platform::COLORREF colour = 0;
    if (platform::OleTranslateColor(m_colour, 0, &colour) != S_OK)
        colour = 0;
    using frame::Axis;
    const int x1 = frame::twips_to_pixels(m_x1, Axis::Across);
    const int y1 = frame::twips_to_pixels(m_y1, Axis::Down);
    const int x2 = frame::twips_to_pixels(m_x2, Axis::Across);
    const int y2 = frame::twips_to_pixels(m_y2, Axis::Down);
    const platform::HPEN pen = platform::CreatePen(platform::PS_SOLID, 1, colour);
    const platform::HGDIOBJ old = platform::SelectObject(hdc, pen);
    platform::MoveToEx(hdc, x1, y1, nullptr);
    platform::LineTo(hdc, x2, y2);
    platform::SetPixel(hdc, x2, y2, colour); // LineTo leaves out its last point
    platform::SelectObject(hdc, old);
    platform::DeleteObject(pen);
}

} // namespace paginor::controls
