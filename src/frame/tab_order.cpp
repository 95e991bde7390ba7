#include "frame/tab_order.h"

#include "platform/window/window.h"

#include <algorithm>

namespace paginor::frame {

namespace pf = platform;

namespace {

constexpr std::u16string_view kNoTabStop = u"PaginorNoTabStop";

void collect(pf::HWND parent, std::vector<pf::HWND>& out) {
    std::vector<pf::HWND> children = pf::GetChildWindows(parent);
    // Handles grow with every window made and are never reused: their order is the order
    // of creation, which moving a window in the z-order does not change.
    std::sort(children.begin(), children.end());
    for (pf::HWND child : children) {
        if (!pf::IsWindowVisible(child) || !pf::IsWindowEnabled(child))
            continue;
        const size_t before = out.size();
        collect(child, out);
        if (out.size() == before && tab_stop(child))
            out.push_back(child);
    }
}

} // namespace

void set_tab_stop(pf::HWND hwnd, bool on) {
    if (on)
        pf::RemoveProp(hwnd, kNoTabStop);
    else
        pf::SetProp(hwnd, kNoTabStop, 1);
}

bool tab_stop(pf::HWND hwnd) {
    return pf::GetProp(hwnd, kNoTabStop) == 0;
}

std::vector<pf::HWND> tab_order(pf::HWND hwnd) {
    std::vector<pf::HWND> order;
    collect(pf::GetTopLevelWindow(hwnd), order);
    return order;
}

bool tab_from(pf::HWND from, bool backwards) {
    const std::vector<pf::HWND> order = tab_order(from);
    if (order.empty())
        return false;
    const auto at = std::find(order.begin(), order.end(), from);
    const ptrdiff_t n = ptrdiff_t(order.size());
    ptrdiff_t next = backwards ? n - 1 : 0; // from a window outside the order: either end
    if (at != order.end())
        next = ((at - order.begin()) + (backwards ? n - 1 : 1)) % n;
    const pf::HWND target = order[size_t(next)];
    if (target == from)
        return false;
    pf::SetFocus(target);
    return pf::GetFocus() == target;
}

} // namespace paginor::frame
