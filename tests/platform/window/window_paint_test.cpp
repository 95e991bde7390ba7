#include "support/message_recorder.h"

using namespace paginor::platform;
using namespace paginor::testing_support;

namespace {

class Painting : public WindowSystemTest {};

using Paints = std::vector<std::pair<HWND, RECT>>;
Paints g_paints;

LRESULT RecordPaintRect(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        g_paints.emplace_back(hwnd, GetPaintRect(hwnd));
        RECT pending;
        EXPECT_FALSE(GetUpdateRect(hwnd, &pending)); // validated as it was dispatched
    }
    return RecordingProc(hwnd, msg, wParam, lParam);
}

TEST_F(Painting, PaintsOnlyWhenIdleParentsFirstClippedToTheClient) {
    g_paints.clear();
    HWND top = make(0, {0, 0, 100, 100}, &RecordPaintRect);
    HWND lower = make(top, {0, 0, 50, 50}, &RecordPaintRect);
    HWND upper = make(top, {10, 10, 60, 60}, &RecordPaintRect);
    DoEvents(); // creation paints all three
    // The lower sibling before the one above it, each its whole client.
    EXPECT_EQ(g_paints,
              (Paints{{top, {0, 0, 100, 100}}, {lower, {0, 0, 50, 50}}, {upper, {0, 0, 50, 50}}}));
    g_paints.clear();
    MessageLog::clear();
    RECT part{40, 40, 80, 80};
    InvalidateRect(upper, &part, TRUE); // clipped to 50 x 50
    RECT small{1, 2, 3, 4};
    InvalidateRect(lower, &small, FALSE);
    InvalidateRect(lower, &part, FALSE); // collects into one bounding rectangle
    PostMessage(top, WM_USER, 0, 0);
    RECT pending;
    EXPECT_TRUE(GetUpdateRect(upper, &pending));
    EXPECT_EQ(pending, (RECT{40, 40, 50, 50}));
    DoEvents();
    EXPECT_TRUE(SameMessages(
        log(), {posted(top, WM_USER), posted(lower, WM_PAINT), posted(upper, WM_PAINT)}));
    EXPECT_EQ(g_paints, (Paints{{lower, {1, 2, 50, 50}}, {upper, {40, 40, 50, 50}}}));
    EXPECT_EQ(GetPaintRect(upper), (RECT{}));
}

TEST_F(Painting, HiddenAndLockedWindowsWaitUpdateWindowPaintsAtOnce) {
    HWND top = make(0, {0, 0, 100, 100});
    HWND child = make(top, {0, 0, 10, 10});
    start_recording({});
    ShowWindow(top, SW_HIDE);
    InvalidateRect(child, nullptr, TRUE);
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {sent(top, WM_SHOWWINDOW, FALSE)}));
    MessageLog::clear();
    EXPECT_TRUE(LockWindowUpdate(top));
    EXPECT_FALSE(LockWindowUpdate(child)); // one lock at a time
    ShowWindow(top, SW_SHOW);
    DoEvents();
    EXPECT_TRUE(UpdateWindow(child)); // locked: nothing
    EXPECT_TRUE(SameMessages(log(), {sent(top, WM_SHOWWINDOW, TRUE)}));
    EXPECT_TRUE(LockWindowUpdate(0));
    MessageLog::clear();
    ValidateRect(top, nullptr);
    EXPECT_TRUE(UpdateWindow(child)); // sent at once, not queued
    EXPECT_TRUE(SameMessages(log(), {sent(child, WM_PAINT)}));
    DoEvents();
    EXPECT_EQ(log().size(), 1u);
    EXPECT_FALSE(InvalidateRect(0x999, nullptr, TRUE));
}

} // namespace
