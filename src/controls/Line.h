// The line control: a one-pixel line between two end points given in twips of its
// control, both end points drawn. Windowless; takes no pointer input.
#pragma once

#include <paginor/base.h>

#include "frame/user_control.h"

namespace paginor::controls {

class Line final : public frame::Windowless {
  public:
    // End points in twips; any value is accepted (off-control parts are clipped).
    void SetEnds(double x1, double y1, double x2, double y2);
    double X1() const { return m_x1; }
    double Y1() const { return m_y1; }
    double X2() const { return m_x2; }
    double Y2() const { return m_y2; }
    // An OLE colour; one that does not translate draws black.
    OLE_COLOR BorderColor() const { return m_colour; }
    void SetBorderColor(OLE_COLOR colour) { m_colour = colour; }
    // A hidden line is not drawn.
    bool Visible() const { return m_visible; }
    void SetVisible(bool on) { m_visible = on; }

    platform::RECT bounds() const override { return {}; }
    bool visible() const override { return m_visible; }
    void paint(platform::HDC hdc) override;

  private:
    double m_x1{0};
    double m_y1{0};
    double m_x2{0};
    double m_y2{0};
    OLE_COLOR m_colour{0x80000008}; // window text
    bool m_visible{true};
};

} // namespace paginor::controls
