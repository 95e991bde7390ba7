// PromptField: one search criterion on a form: a caption, a value box of one of several
// styles (prompt, drop-down, entry, date, display only) and its picture.
//
// Not built yet: it is placed on a form and runs its lifecycle like every control, and
// each member of _PromptField answers E_NOTIMPL with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "frame/control.h"

namespace paginor {

class PromptField final : public frame::Control<_PromptField> {
  public:
    PromptField();

  private:
    ~PromptField() override;
};

} // namespace paginor
