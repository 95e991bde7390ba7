#include "buttons/HoverButton.h"

namespace paginor {

HoverButton::HoverButton() : Control(frame::ClassId::HoverButton) {}

HoverButton::~HoverButton() = default;

IDispatch* frame::make_HoverButton() {
    return new HoverButton();
}

} // namespace paginor
