// The entry controls (text box, drop-down list, three-column value list) inside a test
// control on a form of the public host API, driven by injected input through that API:
// every event they raise is logged, and each scenario compares the log with its table.
#include "controls/ComboBox.h"
#include "controls/TextBox.h"
#include "controls/column_widths.h"
#include "frame/nested_control.h"
#include "frame/user_control.h"
#include "host/api.h"
#include "platform/window/input.h"
#include "platform/window/message_ids.h"
#include "platform/window/window.h"

#include "support/control_form.h"
#include "support/raises.h"
#include "support/raster_golden.h"
#include "support/test_site.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace paginor;
namespace pf = paginor::platform;
using controls::ComboBox;
using controls::TextBox;
using platform::HWND;
using test::error_of;

namespace {

// A control that holds the entry controls as a prompt would, and sizes itself to 390
// twips high while it is made.
class Holder final : public test::StubControl<library::ClassId::PromptField> {
  public:
    std::string log;
    std::unique_ptr<TextBox> txt, txt2;
    std::unique_ptr<ComboBox> sel, val;
    using UserControl::set_own_size;

    void note(const std::string& line) { log += (log.empty() ? "" : "; ") + line; }
    template <class Box> void record(Box& box, const std::string& name) {
        box.on_change = [this, name] { note(name + " Change"); };
        box.on_key_down = [this, name](frame::KeyEvent& e) {
            note(name + " KeyDown " + std::to_string(e.key));
        };
        box.on_key_press = [this, name](SHORT& k) {
            note(name + " KeyPress " + std::to_string(k));
        };
        box.on_key_up = [this, name](frame::KeyEvent& e) {
            note(name + " KeyUp " + std::to_string(e.key));
        };
        box.on_mouse_up = [this, name](const frame::MouseEvent& e) {
            note(name + " MouseUp " + std::to_string(e.button));
        };
    }

  private:
    void UserControl_Terminate() override { txt.reset(), txt2.reset(), sel.reset(), val.reset(); }
    void UserControl_Initialize() override {
        set_own_size(-1, 390 * 4); // four rows of 390 twips
        txt = std::make_unique<TextBox>(hwnd(), pf::RECT{4, 2, 184, 24});
        sel = std::make_unique<ComboBox>(hwnd(), pf::RECT{4, 28, 124, 50});
        val = std::make_unique<ComboBox>(hwnd(), pf::RECT{4, 54, 244, 76});
        txt2 = std::make_unique<TextBox>(hwnd(), pf::RECT{4, 80, 184, 102});
        for (auto* box : {txt.get(), txt2.get()})
            record(*box, box == txt.get() ? "txt" : "txt2");
        for (auto* box : {sel.get(), val.get()}) {
            const std::string name = box == sel.get() ? "sel" : "val";
            record(*box, name);
            box->on_click = [this, name] { note(name + " Click"); };
        }
        for (const char16_t* item : {u"All of", u"Any of", u"Exactly"})
            sel->AddItem(item);
        val->SetColumnCount(3);
        val->SetColumnWidths(u".5in; 0in;");
        val->SetTextColumn(3);
        const char16_t* rows[][3] = {
            {u"A", u"1", u"Alpha"}, {u"B", u"2", u"Beta"}, {u"C", u"3", u"Gamma"}};
        for (auto& r : rows) {
            val->AddItem(r[0]);
            val->SetList(val->ListCount() - 1, 1, r[1]);
            val->SetList(val->ListCount() - 1, 2, r[2]);
        }
        val->SetFont(u"Trebuchet MS", 9.75);
    }
};

class EntryControls : public ::testing::Test {
  protected:
    void SetUp() override {
        PaginorSetClock(1);
        PaginorSetTwipsPerPixel(15, 15);
        form = Form::create(u"Form1", 4800, 2400).value;
        site.window = host::api::form_of(form.get()).hwnd();
        h.site(&site, 120, 120, 4200, 600);
        h.init_properties();
        h.show();
        h.move(120, 120, 4200, 600); // the host's size; the holder's own height stays
        PaginorDoEvents();
    }
    void TearDown() override {
        h.terminate();
        PaginorSetClock(0);
    }

    // Keys as the host injects them; the log since the last call.
    void key(SHORT code) { test::tap(form, code); }
    void chord(SHORT held, SHORT code) {
        form.key(held, true);
        key(code);
        form.key(held, false);
        PaginorDoEvents();
    }
    void type(const char16_t* text) {
        form.type(text);
        PaginorDoEvents();
    }
    void click_at(LONG x, LONG y, SHORT button = 1) { test::click_at(form, x, y, button); }
    // The log since the last call, each entry's "<box> " taken off when the box is given.
    std::string taken(const std::string& box = "") {
        std::string log = std::exchange(h.log, "");
        for (size_t at = 0; !box.empty() && (at = log.find(box + " ", at)) != std::string::npos;)
            log.erase(at, box.size() + 1);
        return log;
    }

    Form form;
    test::TestSite site;
    Holder h;
};

TEST_F(EntryControls, TextBoxEventOrderAndEditingPerKey) {
    TextBox& t = *h.txt;
    t.SetFocus();
    struct Step {
        std::function<void()> act;
        const char* events;
        const char16_t* text;
        int sel_start, sel_length;
    };
    const Step steps[] = {
        {[&] { type(u"ab"); },
         "KeyDown 65; KeyPress 97; Change; KeyUp 65; KeyDown 66; KeyPress 98; Change; KeyUp 66",
         u"ab", 2, 0},
        {[&] { key(pf::VK_HOME), chord(pf::VK_SHIFT, pf::VK_RIGHT); },
         "KeyDown 36; KeyUp 36; KeyDown 16; KeyDown 39; KeyUp 39; KeyUp 16", u"ab", 0, 1},
        {[&] { type(u"X"); }, "KeyDown 16; KeyDown 88; KeyPress 88; Change; KeyUp 88; KeyUp 16",
         u"Xb", 1, 0},
        {[&] { key(pf::VK_DELETE); }, "KeyDown 46; Change; KeyUp 46", u"X", 1, 0},
        {[&] { key(pf::VK_BACK); }, "KeyDown 8; KeyPress 8; Change; KeyUp 8", u"", 0, 0},
        {[&] { key(pf::VK_BACK); }, "KeyDown 8; KeyPress 8; KeyUp 8", u"", 0, 0},
        {[&] { t.SetText(u"Beta"); }, "Change", u"Beta", 0, 0},
        {[&] { t.SetText(u"Beta"); }, "", u"Beta", 0, 0},
        {[&] { t.SetLocked(true), type(u"q"), key(pf::VK_DELETE); },
         "KeyDown 81; KeyPress 113; KeyUp 81; KeyDown 46; KeyUp 46", u"Beta", 0, 0},
        {[&] { key(pf::VK_RETURN), key(pf::VK_F4), t.SetLocked(false); },
         "KeyDown 13; KeyPress 13; KeyUp 13; KeyDown 115; KeyUp 115", u"Beta", 0, 0},
        {[&] {
             t.on_key_press = [](SHORT& k) { k = k == 'z' ? 0 : k; };
             type(u"zy");
         },
         "KeyDown 90; KeyUp 90; KeyDown 89; Change; KeyUp 89", u"yBeta", 1, 0},
        {[&] { click_at(8 + 4 + 170, 8 + 2 + 10, 2); }, "MouseUp 2", u"yBeta", 1, 0},
        {[&] { click_at(8 + 4 + 170, 8 + 2 + 10); }, "MouseUp 1", u"yBeta", 5, 0},
        {[&] { // a drag from before the first character to past the last
             PaginorAdvanceClock(600);
             form.mouse(8 + 4 + 2, 8 + 12), form.button(1, true);
             form.mouse(8 + 4 + 150, 8 + 12), form.button(1, false);
             PaginorDoEvents();
         },
         "MouseUp 1", u"yBeta", 0, 5},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(taken("txt"), s.events);
        EXPECT_EQ(t.Text(), s.text) << s.events;
        EXPECT_EQ(t.SelStart(), s.sel_start) << s.events;
        EXPECT_EQ(t.SelLength(), s.sel_length) << s.events;
    }
    // The tip shows once the pointer rests on the box.
    t.SetToolTipText(u"Client name");
    const size_t windows = pf::GetChildWindows(0).size();
    form.mouse(8 + 4 + 40, 8 + 12), form.mouse(8 + 4 + 41, 8 + 12);
    PaginorDoEvents();
    PaginorAdvanceClock(pf::GetMouseHoverTime() + 10);
    PaginorDoEvents();
    EXPECT_EQ(pf::GetChildWindows(0).size(), windows + 1);
}

// A hidden or disabled box refuses the focus in the window system (InputTest there); the
// Tab walk below skips such boxes.
TEST_F(EntryControls, TabMovesFocusInCreationOrderSkippingUnfocusable) {
    pf::SetFocus(site.window); // the form itself
    const auto focused = [&]() -> std::string {
        const HWND f = pf::GetFocus();
        return f == h.txt->hWnd()    ? "txt"
               : f == h.sel->hWnd()  ? "sel"
               : f == h.val->hWnd()  ? "val"
               : f == h.txt2->hWnd() ? "txt2"
                                     : "other";
    };
    std::string seen;
    for (int i = 0; i < 5; ++i)
        key(pf::VK_TAB), seen += focused() + " ";
    h.sel->SetTabStop(false);
    h.val->SetVisible(false);
    key(pf::VK_TAB), seen += focused() + " ";
    h.val->SetVisible(true);
    h.txt->SetEnabled(false);
    chord(pf::VK_SHIFT, pf::VK_TAB), seen += focused() + " ";
    chord(pf::VK_SHIFT, pf::VK_TAB), seen += focused();
    EXPECT_EQ(seen, "txt sel val txt2 txt txt2 val txt2");
    EXPECT_EQ(taken(), "txt2 KeyDown 16; val KeyUp 16; val KeyDown 16; txt2 KeyUp 16")
        << "the boxes hear Shift but nothing of Tab";
}

TEST_F(EntryControls, DropDownListKeysPicksAndCode) {
    ComboBox& c = *h.sel;
    c.SetFocus();
    struct Step {
        std::function<void()> act;
        const char* events;
        int index;
        bool open;
    };
    const Step steps[] = {
        {[&] { key(pf::VK_DOWN); }, "KeyDown 40; Change; Click; KeyUp 40", 0, false},
        {[&] { type(u"e"); }, "KeyDown 69; KeyPress 101; Change; Click; KeyUp 69", 2, false},
        {[&] { key(pf::VK_F4); }, "KeyDown 115; KeyUp 115", 2, true},
        {[&] { key(pf::VK_UP); }, "KeyDown 38; KeyUp 38", 2, true},
        {[&] { key(pf::VK_RETURN); }, "KeyDown 13; Change; Click; KeyPress 13; KeyUp 13", 1, false},
        {[&] { chord(pf::VK_MENU, pf::VK_DOWN), key(pf::VK_HOME), key(pf::VK_ESCAPE); },
         "KeyDown 18; KeyDown 40; KeyUp 40; KeyUp 18; KeyDown 36; KeyUp 36; "
         "KeyDown 27; KeyPress 27; KeyUp 27",
         1, false},
        {[&] { c.SetListIndex(1); }, "", 1, false},
        {[&] { c.SetText(u"All of"); }, "Change; Click", 0, false},
        {[&] { c.SetLocked(true), key(pf::VK_DOWN), key(pf::VK_F4), c.SetLocked(false); },
         "KeyDown 40; KeyUp 40; KeyDown 115; KeyUp 115", 0, false},
        {[&] { click_at(8 + 4 + 60, 8 + 28 + 10); }, "", 0, true},
        {[&] {
             pf::RECT r{}; // the third row of the open list
             pf::GetWindowRect(c.PopupWindow(), &r);
             click_at(r.left + 20, r.top + 1 + (r.bottom - r.top - 2) * 5 / 6);
         },
         "Change; Click", 2, false},
        {[&] { click_at(8 + 4 + 60, 8 + 28 + 10, 2); }, "MouseUp 2", 2, false},
        {[&] { c.Clear(); }, "", -1, false},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(taken("sel"), s.events);
        EXPECT_EQ(c.ListIndex(), s.index) << s.events;
        EXPECT_EQ(c.IsOpen(), s.open) << s.events;
    }
}

// A list longer than its pop-up scrolls by keys, wheel and the strip; only a page shows.
TEST_F(EntryControls, LongListScrollsItsPage) {
    ComboBox& c = *h.sel;
    c.Clear();
    for (int i = 0; i < 100; ++i)
        c.AddItem(u"Row " + std::u16string(1, char16_t(u'A' + i % 26)));
    c.SetFocus();
    key(pf::VK_F4);
    ASSERT_TRUE(c.IsOpen());
    pf::RECT r{};
    pf::GetWindowRect(c.PopupWindow(), &r);
    const auto strip = [&](bool top) { click_at(r.right - 4, top ? r.top + 3 : r.bottom - 3); };
    struct Step {
        std::function<void()> act;
        int top;
    };
    const Step steps[] = {
        {[&] { key(pf::VK_END); }, 92},
        {[&] { key(pf::VK_PRIOR); }, 91},
        {[&] { form.mouse(r.left + 5, r.top + 5), pf::Input::wheel(120); }, 88},
        {[&] { strip(true); }, 80},
        {[&] { strip(false); }, 88},
        {[&] { key(pf::VK_HOME); }, 0},
    };
    for (const Step& s : steps) {
        s.act();
        PaginorDoEvents();
        EXPECT_EQ(c.TopIndex(), s.top);
        EXPECT_TRUE(c.IsOpen());
    }
    EXPECT_EQ(
        taken("sel"),
        "KeyDown 115; KeyUp 115; KeyDown 35; KeyUp 35; KeyDown 33; KeyUp 33; KeyDown 36; KeyUp 36")
        << "no pick, no change";
    key(pf::VK_ESCAPE);
    c.Move(4, 80, 120, 22); // near the form's bottom: the list opens above the box
    key(pf::VK_F4);
    pf::GetWindowRect(c.PopupWindow(), &r);
    EXPECT_EQ(r.bottom, 8 + 80);
}

TEST_F(EntryControls, ValueListColumnsTextColumnAndBadInput) {
    ComboBox& v = *h.val;
    v.SetText(u"Beta");
    EXPECT_EQ(v.ListIndex(), 1);
    EXPECT_EQ(v.List(1, 0), u"B");
    v.SetList(2, 2, u"Beta");
    v.SetText(u"Beta");
    EXPECT_EQ(v.ListIndex(), 1) << "the first row wins";
    EXPECT_EQ(taken(), "val Change; val Click");
    struct Bad {
        std::function<void()> call;
        int number;
    };
    const Bad bad[] = {
        {[&] { v.List(3, 0); }, 381},
        {[&] { v.List(0, 3); }, 381},
        {[&] { v.SetList(-1, 0, u"x"); }, 381},
        {[&] { v.SetListIndex(3); }, 381},
        {[&] { v.RemoveItem(5); }, 381},
        {[&] { v.AddItem(u"x", 4); }, 381},
        {[&] { v.SetText(u"beta"); }, 380},
        {[&] { v.SetColumnWidths(u"1in; wide"); }, 380},
        {[&] { v.SetColumnWidths(u"-1in"); }, 380},
        {[&] { v.SetColumnCount(0); }, 380},
        {[&] { v.SetColumnCount(11); }, 380},
        {[&] { v.SetTextColumn(4); }, 380},
    };
    for (const Bad& b : bad)
        EXPECT_EQ(error_of(b.call), b.number);
    EXPECT_EQ(v.ListIndex(), 1);
    EXPECT_EQ(v.ListCount(), 3);
    EXPECT_EQ(v.ColumnWidths(), u".5in; 0in;");
    EXPECT_EQ(v.ColumnCount(), 3);
    EXPECT_EQ(v.TextColumn(), 3);
    EXPECT_EQ(v.Text(), u"Beta");
    EXPECT_EQ(taken(), "");

    // Widths: given units, blanks sharing what is left, 0 hiding a column.
    const auto px = [](const char16_t* text, int total) {
        return controls::column_pixels(*controls::parse_column_widths(text), 3, total, 15);
    };
    EXPECT_EQ(px(u".5in; 0in;", 200), (std::vector<int>{48, 0, 152}));
    EXPECT_EQ(px(u"1cm;15pt;", 100), (std::vector<int>{38, 20, 42}));
    EXPECT_EQ(px(u"300twips", 101), (std::vector<int>{20, 40, 41}));
    EXPECT_EQ(px(u"", 90), (std::vector<int>{30, 30, 30}));
}

TEST_F(EntryControls, ListsSurviveTheirHandlersMutatingOrDestroyingThem) {
    ComboBox& c = *h.sel;
    c.on_change = [&] { c.Clear(); };
    c.SetListIndex(1);
    EXPECT_EQ(c.ListCount(), 0);
    EXPECT_EQ(c.ListIndex(), -1);
    c.AddItem(u"One"), c.AddItem(u"Two");
    c.on_change = nullptr;
    c.on_click = [&] { c.RemoveItem(c.ListIndex()); };
    c.SetFocus();
    key(pf::VK_END);
    EXPECT_EQ(c.ListCount(), 1);
    EXPECT_EQ(c.ListIndex(), -1);
    h.val->on_change = [&] { h.val.reset(); };
    h.val->SetListIndex(0);
    EXPECT_EQ(h.val, nullptr);
    h.txt->on_change = [&] { h.txt.reset(); };
    h.txt->SetFocus();
    type(u"a");
    EXPECT_EQ(h.txt, nullptr);
    EXPECT_EQ(taken(), "sel Click; sel KeyDown 35; sel KeyUp 35; txt KeyDown 65; txt KeyPress 97");
}

TEST_F(EntryControls, NestedControlExtenderAndOwnSize) {
    EXPECT_EQ(h.Height(), 1560) << "the size the control chose outlasts the host's first";
    h.move(120, 120, 4200, 600);
    EXPECT_EQ(h.Height(), 600) << "the host's later size holds";
    frame::NestedControl& b = h.add_control(library::ClassId::O2007Hover, 3000, 60, 315, 315, {});
    b.SetLeft(3300);
    b.SetTop(45);
    EXPECT_EQ(b.Left(), 3300);
    EXPECT_EQ(b.Top(), 45);
    EXPECT_EQ(b.Width(), 315);
    b.SetVisible(false);
    EXPECT_FALSE(pf::IsWindowVisible(b.control().hwnd()));
    b.SetVisible(true);
    b.SetEnabled(false);
    EXPECT_FALSE(b.Enabled());
    b.ZOrder(1);
    EXPECT_EQ(pf::GetChildWindows(h.hwnd()).back(), b.control().hwnd());
}

TEST_F(EntryControls, LooksMatchGoldenImages) {
    h.txt->SetText(u"Smith & Jones, Solicitors and Notaries"); // wider than the box
    h.txt->SetFocus();
    key(pf::VK_END);
    chord(pf::VK_SHIFT, pf::VK_LEFT);
    chord(pf::VK_SHIFT, pf::VK_LEFT);
    h.val->SetListIndex(1);
    h.txt2->SetText(u"disabled");
    h.txt2->SetEnabled(false);
    const auto shot = [&](const std::string& name) {
        return test::crop(test::rendered(form, name), 8, 8, 260, 140);
    };
    EXPECT_TRUE(testing_support::MatchesGolden(shot("entry_closed"), "entry_closed"));
    h.val->SetFocus();
    key(pf::VK_F4);
    EXPECT_TRUE(testing_support::MatchesGolden(shot("entry_open"), "entry_open"));
}

} // namespace
