// Failing property stores for tests of roll-back paths, through the property store's
// filter hook (see platform/window/window.h): a store here fails for real only for a bad
// window or an empty name, which the code under test never passes.
#pragma once

namespace paginor::seams {

// While alive, lets the next `after` SetProp calls succeed and then makes the next
// `fail` calls fail (FALSE, nothing stored); later stores succeed again. Negative counts
// are taken as 0. At most one at a time (a second throws std::logic_error).
class FailingPropStores {
  public:
    explicit FailingPropStores(int fail, int after = 0);
    ~FailingPropStores();
    FailingPropStores(const FailingPropStores&) = delete;
    FailingPropStores& operator=(const FailingPropStores&) = delete;
};

} // namespace paginor::seams
