#include "support/message_recorder.h"

#include "platform/window/input.h"

#include <string>
#include <vector>

using namespace paginor::platform;
using namespace paginor::testing_support;
using std::chrono::milliseconds;

namespace {

class InputTest : public WindowSystemTest {
  protected:
    // A form at (100,100) 200x100 with a button at (10,10) 50x20 inside it.
    void SetUp() override {
        form = make(0, {100, 100, 300, 200});
        button = make(form, {10, 10, 60, 30});
        SetActiveWindow(form);
        start_recording({WM_PAINT, WM_ACTIVATE});
    }
    HWND form{0};
    HWND button{0};
};

TEST_F(InputTest, PointerMessagesCarryKeyFlagsAndClientCoordinates) {
    Input::moveTo(115, 112);
    Input::keyDown(VK_SHIFT);
    Input::press(MouseButton::Left);
    Input::press(MouseButton::Right);
    Input::moveTo(150, 150); // over the form now
    Input::release(MouseButton::Left);
    Input::keyUp(VK_SHIFT);
    Input::release(MouseButton::Right);
    MessageLog::ignored().insert({WM_KEYDOWN, WM_KEYUP}); // no focus: they go to the form
    DoEvents();
    EXPECT_TRUE(SameMessages(
        log(),
        {posted(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 2)),
         posted(button, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 2)),
         posted(button, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 2)),
         posted(form, WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON | MK_SHIFT, MAKELPARAM(50, 50)),
         posted(form, WM_LBUTTONUP, MK_RBUTTON | MK_SHIFT, MAKELPARAM(50, 50)),
         posted(form, WM_RBUTTONUP, 0, MAKELPARAM(50, 50))}));
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
    Input::press(MouseButton::Middle);
    EXPECT_EQ(uint16_t(GetAsyncKeyState(VK_MBUTTON)), 0x8000u);
    POINT p;
    ASSERT_TRUE(GetCursorPos(&p));
    EXPECT_EQ(p, (POINT{150, 150}));
    EXPECT_FALSE(GetCursorPos(nullptr));
}

// A control that takes the capture on a press and lets it go on the release.
LRESULT CapturingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    RecordingProc(hwnd, msg, wParam, lParam);
    if (msg == WM_LBUTTONDOWN) {
        SetCapture(hwnd);
    } else if (msg == WM_LBUTTONUP) {
        ReleaseCapture();
    }
    return 0;
}

TEST_F(InputTest, CaptureTakenOnAPressHoldsTheGestureAndReportsItsLoss) {
    HWND other = make(0, {400, 400, 450, 450});
    SetWindowLongPtr(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CapturingProc));
    start_recording({WM_PAINT, WM_ACTIVATE});
    // All injected before the press is handled: the capture its handler takes still
    // catches the moves and the release that followed, even outside every window.
    Input::moveTo(115, 112);
    Input::press();
    Input::moveTo(420, 420); // over the other window
    Input::moveTo(90, 95);   // over none: negative client coordinates
    Input::release();
    Input::moveTo(150, 150); // the capture is gone: the form under the pointer
    DoEvents();
    EXPECT_EQ(SetCapture(button), 0u);
    EXPECT_EQ(SetCapture(other), button);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_TRUE(SameMessages(log(), {posted(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 2)),
                                     posted(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2)),
                                     posted(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(310, 310)),
                                     posted(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, -15)),
                                     posted(button, WM_LBUTTONUP, 0, MAKELPARAM(-20, -15)),
                                     sent(button, WM_CAPTURECHANGED),
                                     posted(form, WM_MOUSEMOVE, 0, MAKELPARAM(50, 50)),
                                     sent(button, WM_CAPTURECHANGED, 0, LPARAM(other)),
                                     sent(other, WM_CAPTURECHANGED)}));
    EXPECT_EQ(SetCapture(0x999), 0u);
    EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(InputTest, DoubleClickWithinTimeAndRectangle) {
    struct Case {
        const char* what;
        int dx, dy, wait_ms;
        UINT second;
    };
    const Case cases[] = {
        {"same place at once", 0, 0, 0, WM_LBUTTONDBLCLK},
        {"just in time", 1, -1, 499, WM_LBUTTONDBLCLK},
        {"too late", 0, 0, 500, WM_LBUTTONDOWN},
        {"too far right", 2, 0, 10, WM_LBUTTONDOWN},
        {"too far up", 0, -2, 10, WM_LBUTTONDOWN},
    };
    int x = 112;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        x += 10; // far from the previous case's clicks
        ws.clock().advance(milliseconds(1000));
        MessageLog::clear();
        Input::moveTo(x, 115);
        Input::click();
        ws.clock().advance(milliseconds(c.wait_ms));
        Input::moveTo(x + c.dx, 115 + c.dy);
        Input::press();
        MessageLog::ignored() = {WM_PAINT, WM_MOUSEMOVE, WM_LBUTTONUP};
        DoEvents();
        EXPECT_EQ(messages(), (std::vector<UINT>{WM_LBUTTONDOWN, c.second}));
        Input::release();
    }
    // A third press after a double-click is a plain press; settings change the rules.
    ws.clock().advance(milliseconds(1000));
    MessageLog::clear();
    for (int i = 0; i < 3; ++i)
        Input::click();
    DoEvents();
    EXPECT_EQ(messages(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
    MessageLog::clear();
    SetDoubleClickTime(100);
    SetDoubleClickRect(20, 20);
    EXPECT_EQ(GetDoubleClickTime(), 100u);
    Input::press(MouseButton::Right); // another button than the last press: plain
    ws.clock().advance(milliseconds(99));
    Input::moveTo(x + 9, 113 + 9); // inside the wider rectangle (the last case left y at 113)
    Input::press(MouseButton::Right);
    DoEvents();
    EXPECT_EQ(messages(), (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}));
}

TEST_F(InputTest, KeysGoToTheFocusAndTranslateIntoCharacters) {
    EXPECT_EQ(SetFocus(button), 0u);
    MessageLog::clear();
    Input::key(VK_RETURN);
    Input::key(VK_SPACE);
    Input::keyDown(VK_SHIFT);
    Input::key('A');
    Input::key('1');
    Input::keyUp(VK_SHIFT);
    Input::key('B');
    Input::keyDown(VK_CONTROL);
    Input::key('C');
    Input::keyUp(VK_CONTROL);
    Input::keyDown(VK_DELETE);
    Input::keyDown(VK_DELETE); // auto-repeat
    MessageLog::ignored() = {WM_PAINT, WM_KEYUP, WM_SETFOCUS};
    DoEvents();
    // All posted to the button, each a first press but the auto-repeated last one.
    const std::pair<UINT, WPARAM> keys[] = {
        {WM_KEYDOWN, VK_RETURN}, {WM_CHAR, 13},          {WM_KEYDOWN, VK_SPACE},
        {WM_CHAR, 32},           {WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'A'},
        {WM_CHAR, 'A'},          {WM_KEYDOWN, '1'},      {WM_CHAR, '!'},
        {WM_KEYDOWN, 'B'},       {WM_CHAR, 'b'},         {WM_KEYDOWN, VK_CONTROL},
        {WM_KEYDOWN, 'C'},       {WM_CHAR, 3},           {WM_KEYDOWN, VK_DELETE},
        {WM_KEYDOWN, VK_DELETE}};
    std::vector<MsgRow> want;
    for (auto [msg, key] : keys)
        want.push_back(posted(button, msg, key, 1));
    want.back().lParam = 1 | (LPARAM(1) << 30);
    EXPECT_TRUE(SameMessages(log(), want));
}

TEST_F(InputTest, TypedTextComesAsKeysAndCharacters) {
    SetFocus(button);
    MessageLog::clear();
    for (char16_t c : std::u16string_view(u"aZ!\u00e9\""))
        Input::type(c);
    MessageLog::ignored() = {WM_PAINT, WM_SETFOCUS};
    DoEvents();
    std::vector<std::pair<UINT, WPARAM>> got;
    for (const MsgRow& row : log())
        got.push_back({row.msg, row.wParam});
    const UINT D = WM_KEYDOWN, U = WM_KEYUP, C = WM_CHAR;
    const std::vector<std::pair<UINT, WPARAM>> want = {
        {D, 'A'},       {C, 'a'},  {U, 'A'},                                // a
        {D, VK_SHIFT},  {D, 'Z'},  {C, 'Z'},       {U, 'Z'}, {U, VK_SHIFT}, // Z
        {D, VK_SHIFT},  {D, '1'},  {C, '!'},       {U, '1'}, {U, VK_SHIFT}, // !
        {D, VK_PACKET}, {C, 0xE9}, {U, VK_PACKET},                          // e acute
        {D, VK_PACKET}, {C, '"'},  {U, VK_PACKET}};                         // quote
    EXPECT_EQ(got, want);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
}

// What a key handler sees of Shift: the state of its own message (GetKeyState), not the
// state after everything queued behind it (GetAsyncKeyState).
std::vector<std::string> g_seen;
LRESULT ShiftReportingProc(HWND, UINT msg, WPARAM wParam, LPARAM) {
    auto down = [](SHORT s) { return (s & 0x8000) ? "down" : "up"; };
    if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR || msg == WM_LBUTTONDOWN)
        g_seen.push_back(std::to_string(msg) + " " + std::to_string(wParam) + " " +
                         down(GetKeyState(VK_SHIFT)) + " " + down(GetAsyncKeyState(VK_SHIFT)));
    return 0;
}

TEST_F(InputTest, KeyStateIsThatOfTheMessageBeingHandled) {
    HWND field = make(form, {70, 10, 120, 30}, &ShiftReportingProc);
    SetFocus(field);
    ASSERT_EQ(GetFocus(), field);
    g_seen.clear();
    Input::keyDown(VK_SHIFT);
    Input::key('A');
    Input::keyUp(VK_SHIFT);
    Input::moveTo(175, 115); // over the field
    Input::keyDown(VK_SHIFT);
    Input::press(MouseButton::Left);
    Input::keyUp(VK_SHIFT);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0) << "nothing taken from the queue yet";
    DoEvents();
    const std::vector<std::string> expected{
        "256 16 down up", "256 65 down up", "258 65 down up", // WM_CHAR goes with its key
        "257 65 down up", "257 16 up up",   "256 16 down up", "513 5 down up", // MK_SHIFT too
        "257 16 up up"};
    EXPECT_EQ(g_seen, expected);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0) << "after the last message, Shift up";
    EXPECT_EQ(GetKeyState(0), 0);
    EXPECT_EQ(GetKeyState(255), 0);
}

TEST_F(InputTest, HiddenOrDisabledWindowsRefuseFocusAndInput) {
    HWND inner = make(button, {0, 0, 20, 10});
    start_recording({WM_PAINT, WM_ACTIVATE});
    EnableWindow(button, FALSE);
    EXPECT_EQ(SetFocus(inner), 0u); // disabled ancestor
    EXPECT_EQ(GetFocus(), 0u);
    Input::moveTo(112, 112); // over inner, inside the disabled button: the form takes it
    Input::click();
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {sent(button, WM_ENABLE, FALSE),
                                     posted(form, WM_MOUSEMOVE, 0, MAKELPARAM(12, 12)),
                                     posted(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12)),
                                     posted(form, WM_LBUTTONUP, 0, MAKELPARAM(12, 12))}));
    EnableWindow(button, TRUE);
    EXPECT_EQ(SetFocus(inner), 0u);
    EXPECT_EQ(GetFocus(), inner);
    ShowWindow(button, SW_HIDE); // hiding an ancestor takes the focus away
    EXPECT_EQ(GetFocus(), 0u);
    EXPECT_EQ(SetFocus(inner), 0u);
    EXPECT_EQ(GetFocus(), 0u);
    // Keys with no focus go to the active window; a disabled active window takes none.
    MessageLog::clear();
    EnableWindow(form, FALSE);
    Input::key('X');
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {sent(form, WM_ENABLE, FALSE)}));
}

TEST_F(InputTest, FocusAndActivationMessages) {
    HWND form2 = make(0, {400, 100, 500, 200});
    HWND edit2 = make(form2, {0, 0, 50, 20});
    start_recording({WM_PAINT});
    EXPECT_EQ(SetFocus(button), 0u);
    EXPECT_EQ(SetFocus(edit2), button);
    EXPECT_EQ(GetActiveWindow(), form2);
    EXPECT_EQ(SetActiveWindow(form2), 0u); // already active: nothing
    Input::moveTo(150, 150);
    Input::press(); // pressing into the inactive form activates it
    DoEvents();
    EXPECT_TRUE(SameMessages(
        log(), {sent(button, WM_SETFOCUS), sent(form, WM_ACTIVATE, WA_INACTIVE, LPARAM(form2)),
                sent(form2, WM_ACTIVATE, WA_ACTIVE, LPARAM(form)),
                sent(button, WM_KILLFOCUS, WPARAM(edit2)), sent(edit2, WM_SETFOCUS, WPARAM(button)),
                posted(form, WM_MOUSEMOVE, 0, MAKELPARAM(50, 50)),
                sent(form2, WM_ACTIVATE, WA_INACTIVE, LPARAM(form)),
                sent(form, WM_ACTIVATE, WA_CLICKACTIVE, LPARAM(form2)),
                posted(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50))}));
    EXPECT_EQ(GetActiveWindow(), form);
}

} // namespace
