#include "drawing/GradientButton.h"

namespace paginor {

GradientButton::GradientButton() : Control(frame::ClassId::GradientButton) {}

GradientButton::~GradientButton() = default;

IDispatch* frame::make_GradientButton() {
    return new GradientButton();
}

} // namespace paginor
