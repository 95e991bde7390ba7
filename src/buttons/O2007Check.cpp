#include "buttons/O2007Check.h"

namespace paginor {

O2007Check::O2007Check() : Control(frame::ClassId::O2007Check) {}

O2007Check::~O2007Check() = default;

IDispatch* frame::make_O2007Check() {
    return new O2007Check();
}

} // namespace paginor
