#include "support/message_recorder.h"

#include "platform/window/input.h"
#include "platform/window/timer.h"

using namespace paginor::platform;
using namespace paginor::testing_support;

namespace {

class MessageLoop : public WindowSystemTest {};

HWND g_other = 0;

// On WM_USER: sends WM_USER+1 to g_other and posts WM_USER+2 to it, then WM_USER+3 to
// itself; the sent one must run inside, the posted ones after everything queued before.
LRESULT SendsAndPosts(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MessageLog::record(hwnd, msg, wParam, lParam);
    if (msg == WM_USER) {
        SendMessage(g_other, WM_USER + 1, 0, 0);
        PostMessage(g_other, WM_USER + 2, 0, 0);
        PostMessage(hwnd, WM_USER + 3, 0, 0);
    }
    return 0;
}

TEST_F(MessageLoop, SentBeforePostedBeforeInputThenTimersThenPaint) {
    HWND w = make(0, {0, 0, 100, 100}, &SendsAndPosts);
    g_other = make(0, {200, 0, 300, 100});
    start_recording({});
    ws.clock().advance(std::chrono::milliseconds(5));
    SetTimer(w, 7, 10);
    ws.clock().advance(std::chrono::milliseconds(10)); // the timer is due
    InvalidateRect(g_other, nullptr, TRUE);
    Input::moveTo(10, 10); // input for w, queued before the posts below
    PostMessage(w, WM_USER, 1, 2);
    PostMessage(g_other, WM_USER + 4, 0, 0);
    EXPECT_EQ(PendingMessageCount(), 3u);
    DoEvents();
    EXPECT_TRUE(
        SameMessages(log(), {posted(w, WM_USER, 1, 2), sent(g_other, WM_USER + 1),
                             posted(g_other, WM_USER + 4), posted(g_other, WM_USER + 2),
                             posted(w, WM_USER + 3), posted(w, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10)),
                             posted(w, WM_TIMER, 7), posted(g_other, WM_PAINT)}));
    EXPECT_EQ(PendingMessageCount(), 0u);
}

int g_depth = 0;
std::vector<int> g_seen;

// Pumps again from inside its own handler: the nested pump sees what is queued behind.
LRESULT Reentrant(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg != WM_USER) {
        return 0;
    }
    g_seen.push_back(int(wParam) * 10 + g_depth);
    if (wParam == 1) {
        ++g_depth;
        PostMessage(hwnd, WM_USER, 3, 0);
        DoEvents();
        --g_depth;
    }
    return 0;
}

TEST_F(MessageLoop, DoEventsIsReentrantAndDropsMessagesOfDestroyedWindows) {
    HWND w = make(0, {0, 0, 10, 10}, &Reentrant);
    HWND gone = make(0, {0, 0, 10, 10});
    g_seen.clear();
    start_recording({WM_PAINT, WM_DESTROY, WM_NCDESTROY});
    PostMessage(w, WM_USER, 1, 0);
    PostMessage(w, WM_USER, 2, 0);
    PostMessage(gone, WM_USER, 9, 0);
    EXPECT_EQ(PendingMessageCount(), 3u);
    DestroyWindow(gone);
    EXPECT_EQ(PendingMessageCount(), 2u);
    DoEvents();
    // 1 at depth 0; the nested pump takes 2 and the newly posted 3 at depth 1.
    EXPECT_EQ(g_seen, (std::vector<int>{10, 21, 31}));
    EXPECT_TRUE(log().empty()); // the message for the destroyed window went with it
}

bool g_flag = false;
void SetFlag(HWND, UINT, uintptr_t, DWORD) {
    g_flag = true;
}

TEST_F(MessageLoop, PumpUntilJumpsTheManualClockToTheNextTimer) {
    g_flag = false;
    SetTimer(0, 0, 250, &SetFlag);
    uint64_t start = ws.clock().monotonic_ms();
    EXPECT_TRUE(PumpUntil([] { return g_flag; }, 1000));
    EXPECT_EQ(ws.clock().monotonic_ms() - start, 250u);
    g_flag = false;
    EXPECT_FALSE(PumpUntil([] { return false; }, 100));
    EXPECT_EQ(ws.clock().monotonic_ms() - start, 350u);
    EXPECT_TRUE(PumpUntil([] { return true; }, 0));
}

} // namespace
