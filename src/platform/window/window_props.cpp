#include "platform/window/window.h"

#include "platform/window/window_state.h"

#include <algorithm>
#include <utility>

namespace paginor::platform {

using detail::find;

namespace detail {

uint64_t g_prop_generation = 1;

Window::~Window() {
    ++g_prop_generation;
}

} // namespace detail

namespace {
PropStoreFilter g_store_filter = nullptr;
} // namespace

BOOL SetProp(HWND hwnd, std::u16string_view name, HANDLE value) {
    detail::Window* w = find(hwnd);
    if (w == nullptr || name.empty()) {
        return FALSE;
    }
    if (g_store_filter != nullptr && !g_store_filter(hwnd, name)) {
        return FALSE;
    }
    auto it = w->props.find(name);
    if (it != w->props.end()) {
        it->second = value;
    } else {
        w->props.emplace(std::u16string(name), value);
    }
    ++detail::g_prop_generation;
    return TRUE;
}

HANDLE GetProp(HWND hwnd, std::u16string_view name) {
    detail::Window* w = find(hwnd);
    if (w == nullptr) {
        return 0;
    }
    auto it = w->props.find(name);
    return it != w->props.end() ? it->second : 0;
}

HANDLE RemoveProp(HWND hwnd, std::u16string_view name) {
    detail::Window* w = find(hwnd);
    if (w == nullptr) {
        return 0;
    }
    auto it = w->props.find(name);
    if (it == w->props.end()) {
        return 0;
    }
    HANDLE value = it->second;
    w->props.erase(it);
    ++detail::g_prop_generation;
    return value;
}

std::vector<std::pair<std::u16string, HANDLE>> EnumProps(HWND hwnd) {
    detail::Window* w = find(hwnd);
    if (w == nullptr) {
        return {};
    }
    std::vector<std::pair<std::u16string, HANDLE>> all(w->props.begin(), w->props.end());
    std::sort(all.begin(), all.end());
    return all;
}

PropStoreFilter SetPropStoreFilter(PropStoreFilter filter) {
    return std::exchange(g_store_filter, filter);
}

} // namespace paginor::platform
