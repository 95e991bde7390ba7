#include "testing/prop_faults.h"

#include "platform/window/window.h"

#include <algorithm>
#include <stdexcept>

namespace paginor::seams {

namespace {

bool g_alive = false;
int g_succeeding = 0;
int g_failing = 0;

BOOL refuse_planned(platform::HWND, std::u16string_view) {
    if (g_succeeding > 0) {
        --g_succeeding;
        return platform::TRUE;
    }
    if (g_failing > 0) {
        --g_failing;
        return platform::FALSE;
    }
    return platform::TRUE;
}

} // namespace

FailingPropStores::FailingPropStores(int fail, int after) {
    if (g_alive) {
        throw std::logic_error("property store failures are already planned");
    }
    g_alive = true;
    g_failing = std::max(fail, 0);
    g_succeeding = std::max(after, 0);
    platform::SetPropStoreFilter(&refuse_planned);
}

FailingPropStores::~FailingPropStores() {
    platform::SetPropStoreFilter(nullptr);
    g_alive = false;
}

} // namespace paginor::seams
