#include "support/message_recorder.h"

#include "platform/window/input.h"

#include <algorithm>

using namespace paginor::platform;
using namespace paginor::testing_support;

namespace {

class WindowTree : public WindowSystemTest {};

LRESULT AnswerMinusOne(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_CREATE ? -1 : 0;
}

LRESULT Plus100(HWND, UINT msg, WPARAM, LPARAM) {
    return LRESULT(msg) + 100;
}

// How many of the tree's windows exist as each WM_DESTROY and WM_NCDESTROY arrives.
std::vector<HWND> g_tree;
std::vector<int> g_alive;

LRESULT CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY || msg == WM_NCDESTROY)
        g_alive.push_back(int(std::count_if(g_tree.begin(), g_tree.end(), IsWindow)));
    return RecordingProc(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTree, CreateThenDestroyParentFirstAndFreeChildrenFirst) {
    MessageLog::ignored() = {WM_PAINT};
    HWND top = make(0, {10, 10, 210, 110});
    HWND a = make(top, {0, 0, 50, 50});
    HWND b = make(top, {60, 0, 110, 50});
    HWND a1 = make(a, {0, 0, 10, 10});
    EXPECT_TRUE(SameMessages(log(), {sent(top, WM_CREATE), sent(a, WM_CREATE), sent(b, WM_CREATE),
                                     sent(a1, WM_CREATE)}));
    // Newest on top: children listed top-most first.
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{b, a}));
    EXPECT_EQ(GetParent(a1), a);
    EXPECT_EQ(GetTopLevelWindow(a1), top);
    EXPECT_EQ(GetParent(top), 0u);

    // The destroy messages reach whatever procedure is current at that moment.
    MessageLog::clear();
    WNDPROC old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(b, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Plus100)));
    EXPECT_EQ(old, &RecordingProc);
    EXPECT_EQ(SendMessage(b, WM_USER, 0, 0), LRESULT(WM_USER + 100));
    EXPECT_EQ(CallWindowProc(old, b, WM_USER + 1, 2, 3), 0);
    g_tree = {top, a, b, a1};
    g_alive.clear();
    for (HWND h : g_tree)
        SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc));
    EXPECT_TRUE(DestroyWindow(top));
    // A direct call is no sent message: InSendMessage stays FALSE. WM_DESTROY goes down
    // the tree top-most child first; WM_NCDESTROY comes back up, each window last.
    EXPECT_TRUE(SameMessages(log(), {posted(b, WM_USER + 1, 2, 3), sent(top, WM_DESTROY),
                                     sent(b, WM_DESTROY), sent(a, WM_DESTROY), sent(a1, WM_DESTROY),
                                     sent(b, WM_NCDESTROY), sent(a1, WM_NCDESTROY),
                                     sent(a, WM_NCDESTROY), sent(top, WM_NCDESTROY)}));
    EXPECT_EQ(g_alive, (std::vector<int>{4, 4, 4, 4, 4, 3, 2, 1}));
    EXPECT_EQ(std::count_if(g_tree.begin(), g_tree.end(), IsWindow), 0);
    EXPECT_FALSE(DestroyWindow(top));
    EXPECT_TRUE(GetChildWindows(0).empty());
}

TEST_F(WindowTree, BadInputAndForeignWindows) {
    EXPECT_EQ(make(0x999, {0, 0, 1, 1}), 0u); // parent is no window
    WindowDesc refuses;
    refuses.proc = &AnswerMinusOne;
    EXPECT_EQ(CreateWindow(refuses), 0u);
    EXPECT_TRUE(GetChildWindows(0).empty());

    // Whose process a window is in: the tracking requests for our and foreign windows.
    HWND w = make(0, {0, 0, 10, 10});
    DWORD pid = 77;
    EXPECT_EQ(GetWindowThreadProcessId(w, nullptr), 1u);
    EXPECT_EQ(GetWindowThreadProcessId(0x999, &pid), 0u);
    EXPECT_EQ(pid, 77u);

    EXPECT_EQ(SetWindowLongPtr(w, GWLP_USERDATA, 42), 0);
    EXPECT_EQ(SetWindowLongPtr(w, GWLP_USERDATA, 43), 42);
    EXPECT_EQ(GetWindowLongPtr(w, GWLP_USERDATA), 43);
    EXPECT_EQ(SetWindowLongPtr(w, -99, 5), 0);
    EXPECT_EQ(SetWindowLongPtr(0x999, GWLP_WNDPROC, 5), 0);
    EXPECT_EQ(SendMessage(0x999, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(0x999, WM_USER, 0, 0));
    EXPECT_FALSE(PostMessage(0, WM_USER, 0, 0));
}

// The parent is (100,100)-(200,180); a child at `child` in its client coordinates shows
// `visible` on the screen, and WindowFromPoint(probe) finds it or not.
TEST_F(WindowTree, ChildrenAreClippedToTheirParent) {
    struct Case {
        const char* what;
        RECT child, visible;
        POINT probe;
        bool probe_hits;
    };
    // clang-format off
    const Case cases[] = {
        {"inside",             {10, 10, 30, 20},     {110, 110, 130, 120}, {115, 115}, true},
        {"negative position",  {-20, -5, 30, 20},    {100, 100, 130, 120}, {101, 101}, true},
        {"negative, outside",  {-20, -5, 30, 20},    {100, 100, 130, 120}, {90, 110},  false},
        {"zero size",          {10, 10, 10, 30},     {0, 0, 0, 0},         {110, 15},  false},
        {"larger than parent", {-10, -10, 500, 500}, {100, 100, 200, 180}, {199, 179}, true},
        {"larger, beyond",     {-10, -10, 500, 500}, {100, 100, 200, 180}, {200, 150}, false},
        {"outside entirely",   {150, 10, 170, 20},   {0, 0, 0, 0},         {255, 115}, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND parent = make(0, {100, 100, 200, 180});
        HWND child = make(parent, c.child);
        EXPECT_EQ(GetVisibleRect(child), c.visible);
        EXPECT_EQ(WindowFromPoint(c.probe) == child, c.probe_hits);
        DestroyWindow(parent);
    }
}

TEST_F(WindowTree, GrandchildClippedByEveryAncestorAndHiddenSkipped) {
    HWND top = make(0, {0, 0, 100, 100});
    HWND mid = make(top, {50, 50, 150, 150}); // sticks out of top
    HWND leaf = make(mid, {-60, 10, 40, 30}); // sticks out of mid to the left
    EXPECT_EQ(GetVisibleRect(leaf), (RECT{50, 60, 90, 80}));
    RECT wr;
    ASSERT_TRUE(GetWindowRect(leaf, &wr));
    EXPECT_EQ(wr, (RECT{-10, 60, 90, 80}));
    POINT p{5, 5};
    ClientToScreen(leaf, &p);
    EXPECT_EQ(p, (POINT{-5, 65}));
    ScreenToClient(mid, &p);
    EXPECT_EQ(p, (POINT{-55, 15}));

    EXPECT_EQ(WindowFromPoint({60, 70}), leaf);
    EXPECT_EQ(WindowFromPoint({40, 70}), top); // leaf's part outside mid is clipped
    // A disabled ancestor hiding its tree: InputTest.HiddenOrDisabledWindowsRefuseFocusAndInput.
    ShowWindow(leaf, SW_HIDE);
    EXPECT_EQ(WindowFromPoint({60, 70}), mid);
    EXPECT_EQ(GetVisibleRect(leaf), (RECT{}));
    ShowWindow(leaf, SW_SHOW);
    ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(leaf));
    EXPECT_EQ(WindowFromPoint({60, 70}), 0u);
}

TEST_F(WindowTree, GeometryMessagesZOrderAndStateChanges) {
    HWND top = make(0, {0, 0, 100, 100});
    HWND a = make(top, {0, 0, 40, 40});
    HWND b = make(top, {20, 20, 60, 60});
    start_recording();
    EXPECT_EQ(WindowFromPoint({30, 30}), b);
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{a, b}));
    EXPECT_EQ(WindowFromPoint({30, 30}), a);
    MoveWindow(a, 5, 6, 40, 40, TRUE); // move only
    MoveWindow(a, 5, 6, 30, 20, TRUE); // size only
    MoveWindow(a, 5, 6, 30, 20, TRUE); // nothing
    MoveWindow(a, 1, 2, -5, 10, TRUE); // both; a negative size is 0
    EXPECT_TRUE(ShowWindow(a, SW_HIDE));
    EXPECT_FALSE(ShowWindow(a, SW_HIDE));
    EXPECT_FALSE(EnableWindow(a, FALSE));
    EXPECT_TRUE(EnableWindow(a, FALSE));
    EXPECT_TRUE(EnableWindow(a, TRUE));
    EXPECT_TRUE(SameMessages(
        log(),
        {sent(a, WM_MOVE, 0, MAKELPARAM(5, 6)), sent(a, WM_SIZE, 0, MAKELPARAM(30, 20)),
         sent(a, WM_MOVE, 0, MAKELPARAM(1, 2)), sent(a, WM_SIZE, 0, MAKELPARAM(0, 10)),
         sent(a, WM_SHOWWINDOW, FALSE), sent(a, WM_ENABLE, FALSE), sent(a, WM_ENABLE, TRUE)}));
    RECT rc;
    GetClientRect(a, &rc);
    EXPECT_EQ(rc, (RECT{0, 0, 0, 10}));
}

} // namespace
