// GradientButton: a button painted in gradients, as a command button, check box or panel.
//
// Not built yet: it is placed on a form and runs its lifecycle like every control, and
// each member of _GradientButton answers E_NOTIMPL with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "frame/control.h"

namespace paginor {

class GradientButton final : public frame::Control<_GradientButton> {
  public:
    GradientButton();

  private:
    ~GradientButton() override;
};

} // namespace paginor
