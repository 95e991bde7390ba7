// Tab order: Tab and Shift+Tab move the keyboard focus among the focusable windows of one
// top-level window (a form), in creation order, depth first: a control whose windows hold
// focusable children passes the focus to them, one without takes it itself. A window is
// skipped with its whole tree while it is hidden or disabled, and on its own when it is
// marked as no tab stop.
#pragma once

#include "platform/core/types.h"

#include <vector>

namespace paginor::frame {

// Marks a window as a tab stop (the default) or not.
void set_tab_stop(platform::HWND hwnd, bool on);
bool tab_stop(platform::HWND hwnd);

// The windows Tab visits, in order, under the top-level window that holds hwnd.
std::vector<platform::HWND> tab_order(platform::HWND hwnd);

// Moves the focus from the window `from` to the next one in tab order (the previous with
// backwards), going round at the end. False, and nothing changed, when no other window
// takes the focus.
bool tab_from(platform::HWND from, bool backwards);

} // namespace paginor::frame
