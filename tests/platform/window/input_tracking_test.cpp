#include "support/message_recorder.h"

#include "platform/window/input.h"

using namespace paginor::platform;
using namespace paginor::testing_support;
using std::chrono::milliseconds;

namespace {

class HoverLeave : public WindowSystemTest {
  protected:
    void SetUp() override {
        form = make(0, {0, 0, 200, 200});
        target = make(form, {50, 50, 100, 100});
        start_recording({WM_PAINT, WM_MOUSEMOVE});
    }
    BOOL track(DWORD flags, HWND hwnd = 0, DWORD hover = HOVER_DEFAULT) {
        TRACKMOUSEEVENT t;
        t.dwFlags = flags;
        t.hwndTrack = hwnd != 0 ? hwnd : target;
        t.dwHoverTime = hover;
        return TrackMouseEvent(&t);
    }
    HWND form{0};
    HWND target{0};
};

TEST_F(HoverLeave, HoverAfterTheHoverTimeOnceThenLeaveOnce) {
    Input::moveTo(60, 60);
    ASSERT_TRUE(track(TME_HOVER | TME_LEAVE));
    ws.clock().advance(milliseconds(399));
    DoEvents();
    EXPECT_TRUE(log().empty());
    Input::moveTo(61, 62); // inside the hover rectangle: the rest goes on
    ws.clock().advance(milliseconds(1));
    Input::keyDown(VK_CONTROL); // no focus, no active window: the key goes nowhere
    DoEvents();
    ws.clock().advance(milliseconds(1000));
    DoEvents();            // one-shot: no second hover
    Input::moveTo(10, 10); // onto the form: leave
    Input::moveTo(60, 60); // back: nothing, the request is used up
    Input::moveTo(10, 10);
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {posted(target, WM_MOUSEHOVER, MK_CONTROL, MAKELPARAM(11, 12)),
                                     posted(target, WM_MOUSELEAVE)}));
}

TEST_F(HoverLeave, MovingOutOfTheHoverRectangleRestartsTheRest) {
    SetMouseHoverTime(100);
    SetMouseHoverRect(10, 10);
    EXPECT_EQ(GetMouseHoverTime(), 100u);
    Input::moveTo(60, 60);
    track(TME_HOVER);
    ws.clock().advance(milliseconds(90));
    Input::moveTo(66, 60); // more than 5 px away: starts again here
    ws.clock().advance(milliseconds(90));
    DoEvents();
    EXPECT_TRUE(log().empty());
    ws.clock().advance(milliseconds(10));
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {posted(target, WM_MOUSEHOVER, 0, MAKELPARAM(16, 10))}));
    // An explicit hover time overrides the setting; cancel drops a request.
    MessageLog::clear();
    track(TME_HOVER, 0, 30);
    ws.clock().advance(milliseconds(30));
    DoEvents();
    track(TME_HOVER | TME_LEAVE);
    track(TME_CANCEL | TME_HOVER | TME_LEAVE);
    ws.clock().advance(milliseconds(1000));
    Input::moveTo(10, 10);
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {posted(target, WM_MOUSEHOVER, 0, MAKELPARAM(16, 10))}));
}

TEST_F(HoverLeave, LeaveRequestedWhileOutsidePostsAtOnceAndBadRequestsFail) {
    Input::moveTo(10, 10);
    EXPECT_TRUE(track(TME_LEAVE | TME_HOVER));
    EXPECT_EQ(PendingMessageCount(), 2u); // the move, and the leave already posted
    ws.clock().advance(milliseconds(1000));
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {posted(target, WM_MOUSELEAVE)}));

    TRACKMOUSEEVENT bad;
    bad.cbSize = 12;
    bad.dwFlags = TME_LEAVE;
    bad.hwndTrack = target;
    EXPECT_FALSE(TrackMouseEvent(&bad));
    EXPECT_FALSE(TrackMouseEvent(nullptr));
    EXPECT_FALSE(track(TME_LEAVE, 0x999));
    SetWindowProcessId(target, GetCurrentProcessId() + 1);
    EXPECT_FALSE(track(TME_LEAVE));
}

TEST_F(HoverLeave, LeaveWhenTheTrackedWindowIsCoveredOrDestroyed) {
    MessageLog::ignored().insert(WM_CREATE);
    Input::moveTo(60, 60);
    track(TME_LEAVE);
    HWND cover = make(form, {0, 0, 200, 200}); // on top of target now
    Input::moveTo(61, 60);
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {posted(target, WM_MOUSELEAVE)}));
    MessageLog::clear();
    Input::moveTo(62, 60);
    track(TME_LEAVE | TME_HOVER, cover);
    DestroyWindow(cover);
    ws.clock().advance(milliseconds(1000));
    Input::moveTo(63, 60);
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {sent(cover, WM_DESTROY), sent(cover, WM_NCDESTROY)}));
}

} // namespace
