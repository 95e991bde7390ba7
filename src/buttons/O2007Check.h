// O2007Check: a check box drawn on a picture, with a caption.
//
// Not built yet: it is placed on a form and runs its lifecycle like every control, and
// each member of _O2007Check answers E_NOTIMPL with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "frame/control.h"

namespace paginor {

class O2007Check final : public frame::Control<_O2007Check> {
  public:
    O2007Check();

  private:
    ~O2007Check() override;
};

} // namespace paginor
