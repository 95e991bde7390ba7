// MultiPrompt: a search criterion of several values on a form, its selections kept and
// its events raised through an event broker.
//
// Not built yet: it is placed on a form and runs its lifecycle like every control, and
// each member of _MultiPrompt answers E_NOTIMPL with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "frame/control.h"

namespace paginor {

class MultiPrompt final : public frame::Control<_MultiPrompt> {
  public:
    MultiPrompt();

  private:
    ~MultiPrompt() override;
};

} // namespace paginor
