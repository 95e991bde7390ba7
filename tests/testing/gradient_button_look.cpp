#include "testing/gradient_button_look.h"

#include "drawing/GradientButton.h"

namespace paginor::seams {

bool GradientButtonLook::set(IDispatch* button, bool hover, bool pressed) {
    auto* control = dynamic_cast<GradientButton*>(frame::UserControl::from(button));
    if (!control)
        return false;
    control->m_hover = hover;
    control->m_pressed = pressed;
    control->Redraw();
    return true;
}

} // namespace paginor::seams
