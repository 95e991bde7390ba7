// HoverButton: a captioned button with an icon that lights up under the pointer.
//
// Not built yet: it is placed on a form and runs its lifecycle like every control, and
// each member of _HoverButton answers E_NOTIMPL with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "frame/control.h"

namespace paginor {

class HoverButton final : public frame::Control<_HoverButton> {
  public:
    HoverButton();

  private:
    ~HoverButton() override;
};

} // namespace paginor
