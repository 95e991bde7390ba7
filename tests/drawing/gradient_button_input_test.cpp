// GradientButton's input as a host drives it: the events it hears (arguments shown by
// value, positions in twips) for each scenario of pointer, keys and the manual clock.
#include <paginor/form.h>

#include "frame/user_control.h"
#include "platform/window/window.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace paginor;

namespace {

constexpr LONG kAt = 10; // the button's corner in the form, pixels; it is 100 x 30

std::string text(const VARIANT& v) {
    std::ostringstream out;
    if (v.vt == (VT_BYREF | VT_BOOL))
        out << (*v.pboolVal ? "True" : "False");
    else if (v.vt == (VT_BYREF | VT_R4))
        out << *v.pfltVal;
    else
        out << *v.piVal;
    return out.str();
}

// Two buttons, c1 (the one under test) and c2 (another control to hold the focus).
struct Host {
    Host(LONG tx, LONG ty) {
        PaginorSetClock(1);
        PaginorSetTwipsPerPixel(tx, ty);
        form = Form::create(u"Input", 240 * tx, 60 * ty).value;
        c1 = form.add(u"PaginorV2CTL.GradientButton", u"c1", kAt * tx, kAt * ty, 100 * tx, 30 * ty)
                 .value;
        form.add(u"PaginorV2CTL.GradientButton", u"c2", 130 * tx, kAt * ty, 100 * tx, 30 * ty);
        PaginorAdvise(c1.object(), &heard, &ears[0], &cookie);
        PaginorAdvise(form.control(u"c2").value.object(), &heard, &ears[1], &cookie);
    }
    ~Host() { PaginorSetTwipsPerPixel(15, 15); }
    struct Ear {
        Host* host;
        const char* prefix;
    };
    static void heard(void* ear, DISPID, const OLECHAR* name, DISPPARAMS* p) {
        auto [host, prefix] = *static_cast<Ear*>(ear);
        std::string line =
            prefix + std::string(name, name + std::char_traits<char16_t>::length(name));
        for (UINT i = p->cArgs; i-- > 0;)
            line += " " + text(p->rgvarg[i]);
        if (line != "MouseOnTimer" || !host->quiet_poll)
            host->seen += (host->seen.empty() ? "" : "; ") + line;
        if (host->inside && line.rfind(host->inside_of, 0) == 0)
            host->inside();
    }
    // Runs one step: commands apart by ",": m x y (pointer, button pixels), d b / u b
    // (button down / up), t ms (clock), k vk (key down and up), f name (focus), D name /
    // C name (default / cancel button), p name value (property of c1).
    void run(const std::string& step) {
        std::istringstream commands(step);
        for (std::string command; std::getline(commands, command, ',');) {
            std::istringstream in(command);
            std::string op, name;
            LONG a = 0, b = 0;
            in >> op;
            if (op == "m" && in >> a >> b)
                form.mouse(kAt + a, kAt + b);
            else if ((op == "d" || op == "u") && in >> a)
                form.button(SHORT(a), op == "d");
            else if (op == "t" && in >> a)
                PaginorAdvanceClock(DWORD(a));
            else if (op == "k" && in >> a)
                form.key(SHORT(a), true), form.key(SHORT(a), false);
            else if (op == "f" && in >> name)
                form.focus(std::u16string(name.begin(), name.end()));
            else if ((op == "D" || op == "C") && in >> name)
                form.default_button(std::u16string(name.begin(), name.end()), op == "C");
            else if (op == "p" && in >> name >> a)
                EXPECT_TRUE(c1.put(std::u16string(name.begin(), name.end()), Variant(a)));
            else
                ADD_FAILURE() << "bad command " << command;
            PaginorDoEvents();
        }
    }
    std::string take() { return std::exchange(seen, {}); }

    Form form;
    Control c1;
    DWORD cookie = 0;
    std::string seen;
    bool quiet_poll = false; // MouseOnTimer not recorded
    std::string inside_of;   // an event whose handler runs inside()
    std::function<void()> inside;
    Ear ears[2] = {{this, ""}, {this, "c2:"}};
};

struct Step {
    const char* act;
    const char* events;
    int value; // c1's Value after the step: 0, 1, or -1 not checked
};
struct Scenario {
    struct {
        const char* name;
        LONG tx, ty;
        bool quiet_poll;
    } is;
    std::vector<Step> steps;
};

const Scenario kScenarios[] = {
    {{"left click, 15 twips a pixel across and 12 down", 15, 12, false},
     {{"m 10 20, d 1, u 1",
       "MouseMove 0 0 150 240; MouseDown 1 0 150 240; Click; MouseUp 1 0 150 240", 1}}},
    {{"double click: five events, Value flips twice", 15, 15, false},
     {{"m 10 10, d 1, u 1, d 1",
       "MouseMove 0 0 150 150; MouseDown 1 0 150 150; Click; MouseUp 1 0 150 150", 1},
      {"u 1", "Click; MouseUp 1 0 150 150", 0}}},
    {{"right and middle clicks leave Value", 15, 15, true},
     {{"m 10 10, d 2, u 2",
       "MouseMove 0 0 150 150; MouseDown 2 0 150 150; Click; MouseUp 2 0 150 150", 0},
      {"t 600, d 4, u 4", "MouseDown 4 0 150 150; Click; MouseUp 4 0 150 150", 0}}},
    {{"released outside: no Click, then one MouseOff", 15, 15, false},
     {{"m 10 10, d 1, m 105 10, u 1",
       "MouseMove 0 0 150 150; MouseDown 1 0 150 150; MouseMove 1 0 1575 150; MouseUp 1 0 1575 150",
       0},
      {"t 20", "MouseOff", 0}}},
    {{"hover poll: every 20 ms while over, both far edges included, one MouseOff", 15, 15, false},
     {{"m 50 15, t 40", "MouseMove 0 0 750 225; MouseOnTimer; MouseOnTimer", 0},
      {"m 100 30, t 20", "MouseOnTimer", 0},
      {"m 101 30, t 20", "MouseOff", 0},
      {"t 200", "", 0},
      {"m 50 31, m 50 15, t 20", "MouseMove 0 0 750 225; MouseOnTimer", 0}}},
    {{"auto-repeat every RepeatInterval, false when dragged off", 15, 15, true},
     {{"p RepeatInterval 100, m 10 10, d 1, t 250",
       "MouseMove 0 0 150 150; MouseDown 1 0 150 150; "
       "MouseDownRepeat True; MouseDownRepeat True",
       -1},
      {"m 105 10, t 100", "MouseMove 1 0 1575 150; MouseOff; MouseDownRepeat False", -1},
      {"p RepeatInterval 30, t 60", "MouseDownRepeat False; MouseDownRepeat False", -1},
      {"u 1, t 300", "MouseUp 1 0 1575 150", 0}}},
    {{"auto-repeat: none at 0, one at 32767", 15, 15, true},
     {{"m 10 10, d 1, t 1000, u 1",
       "MouseMove 0 0 150 150; MouseDown 1 0 150 150; Click; MouseUp 1 0 150 150", 1},
      {"p RepeatInterval 32767, t 600, d 1, t 32767, u 1",
       "MouseDown 1 0 150 150; MouseDownRepeat True; Click; MouseUp 1 0 150 150", 0}}},
    {{"keys: space clicks, Enter clicks the default button from another control", 15, 15, false},
     {{"f c1, k 32", "KeyDown 32 0; KeyPress 32; KeyUp 32 0; Click", -1},
      {"D c1, k 13", "KeyDown 13 0; KeyPress 13; KeyUp 13 0", -1},
      {"f c2, k 13", "Click; c2:KeyUp 13 0", -1},
      {"C c1, k 27", "c2:KeyUp 27 0", -1},
      {"p Enabled 0, k 13", "c2:KeyDown 13 0; c2:KeyPress 13; c2:KeyUp 13 0", -1}}},
};

TEST(GradientButtonInput, EventTables) {
    for (const Scenario& s : kScenarios) {
        SCOPED_TRACE(s.is.name);
        Host host(s.is.tx, s.is.ty);
        host.quiet_poll = s.is.quiet_poll;
        host.run("t 600");
        host.take();
        for (const Step& step : s.steps) {
            host.run(step.act);
            EXPECT_EQ(host.take(), step.events) << step.act;
            if (step.value >= 0) {
                EXPECT_EQ(host.c1.get(u"Value").value.to_bool(), step.value == 1) << step.act;
            }
        }
    }
}

// Inside Click the look is already the released one over the button (hover), with the
// check box's new Value shown only by the final repaint; a double click's second press
// shows the down look.
TEST(GradientButtonInput, LookInsideClickAndOnTheSecondPress) {
    Host host(15, 15);
    ASSERT_TRUE(host.c1.put(u"Mode", Variant(LONG(1))));
    OLE_COLOR inside = 0;
    host.inside_of = "Click";
    host.inside = [&] { inside = host.form.pixel(kAt + 20, kAt + 3).value; };
    host.run("m 10 10, d 1, u 1");
    EXPECT_EQ(inside, 0xFFD9C3u) << "hover pair, Value not shown yet";
    EXPECT_EQ(host.form.pixel(kAt + 20, kAt + 3).value, 0xFFFFFFu) << "down pair: Value true";
    ASSERT_TRUE(host.c1.put(u"Mode", Variant(LONG(0))));
    host.run("d 1");
    EXPECT_EQ(host.form.pixel(kAt + 20, kAt + 3).value, 0xFFFFFFu) << "second press: down";
}

// A host that ends the control, pumps or sets properties inside any event: nothing more
// is raised on the ended control, and the sanitiser build stays clean.
TEST(GradientButtonInput, HostEndsOrPumpsInsideEvents) {
    const char* events[] = {"MouseDown", "Click",           "MouseUp",      "MouseMove",
                            "MouseOff",  "MouseDownRepeat", "MouseOnTimer", "KeyUp"};
    for (const char* ending : events) {
        for (bool close : {false, true}) {
            Host host(15, 15);
            host.inside_of = ending;
            host.inside = [&] {
                PaginorDoEvents();
                host.c1.put(u"Caption", Variant(u"Set inside"));
                if (close)
                    PaginorFormClose(host.form.get());
            };
            host.run("p RepeatInterval 10, m 10 10, d 1, d 2, t 30, u 2, m 120 10, t 30, u 1, "
                     "f c1, k 32");
            const std::string seen = host.take();
            const size_t last = seen.rfind("; ");
            if (close) {
                EXPECT_EQ(seen.find(ending, last == std::string::npos ? 0 : last + 2),
                          last == std::string::npos ? 0 : last + 2)
                    << ending << " is the last event: " << seen;
            }
        }
    }
}

// The button's window destroyed by someone else while it holds the pointer and both
// timers run: nothing more is raised, and the host's later input and close are harmless.
TEST(GradientButtonInput, WindowDestroyedWhileHeld) {
    Host host(15, 15);
    host.run("p RepeatInterval 10, m 10 10, d 1");
    host.take();
    platform::DestroyWindow(frame::UserControl::from(host.c1.object())->hwnd());
    host.run("t 100, m 20 10, u 1, t 100");
    EXPECT_EQ(host.take(), "");
}

} // namespace
