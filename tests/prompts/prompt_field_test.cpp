// PromptField on a form of the public host API, called late-bound, with its relay's
// EventRaised bound: the layout, the value model, the notifications and their answers,
// and what the fields look like, alone and lined up on a search form.
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include "support/host_form.h"
#include "support/objects.h"
#include "support/raster_golden.h"
#include "support/test_site.h"

#include "host/form.h"
#include "prompts/PromptField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

using namespace paginor;

namespace {

constexpr const char16_t* kField = u"PaginorV2CTL.PromptField";

using test::narrow;
using test::rendered;
using testing_support::MatchesGolden;

// A search form with one field "pf1" at (8, 8) px and a relay whose notifications are
// logged as "object event data".
struct FieldForm {
    Form form;
    Control field;
    Ref<IDispatch> relay = test::create(CLSID_clsPromptEvents);
    std::string log;
    test::EventLog listener{relay.get(), log};

    explicit FieldForm(LONG width = 4000, LONG tpp = 15) {
        PaginorSetClock(1);
        PaginorSetTwipsPerPixel(tpp, tpp);
        form = Form::create(u"Search", 9000, 2400).value;
        field = add(u"pf1", 120, width);
    }
    ~FieldForm() {
        form = Form();
        PaginorSetTwipsPerPixel(15, 15);
    }
    Control add(const char16_t* name, LONG top, LONG width) {
        Control c = form.add(kField, name, 120, top, width, 390).value;
        EXPECT_TRUE(c.put(u"PE", Variant(relay.get())));
        EXPECT_TRUE(c.put(u"MyName", name));
        return c;
    }
    PromptField& self() const {
        return *dynamic_cast<PromptField*>(frame::UserControl::from(field.object()));
    }
    std::string text(const char16_t* member) { return narrow(field.get(member).value.to_string()); }
    std::string take() { return std::exchange(log, ""); }
    // Input in pixels of the field, then the pump.
    void click(LONG x, LONG y, SHORT button = 1) { test::click_at(form, 8 + x, 8 + y, button); }
    void key(SHORT code) { test::tap(form, code); }
    void rows() {
        field.call(u"AddDropdownEntry", u"A", u"1", u"Alpha");
        field.call(u"AddDropdownEntry", u"B", u"2", u"Beta");
    }
};

// Widths snap to whole pixels: 4000 twips are 267 pixels, 4005 twips, at 15 per pixel.
TEST(PromptField, LayoutPlacesTheBoxAndReportsTooSmall) {
    struct Row {
        const char* what;
        LONG tpp, width, style, box_left;
        bool add;
        LONG button, box, box_width; // twips; -1 for hidden
        bool too_small;
    };
    const Row rows[] = {
        {"prompt", 15, 4000, sPFSPrompt, 0, false, 3645, 825, 2820, false},
        {"prompt with add", 15, 4000, sPFSPrompt, 0, true, 3645, 1170, 2475, false},
        {"drop-down", 15, 4000, sPFSDropdown, 0, false, -1, 825, 3165, false},
        {"entry", 15, 4000, sPFSEntry, 0, false, -1, 825, 3180, false},
        {"entry at BoxLeft 1500", 15, 4000, sPFSEntry, 1500, false, -1, 1500, 2505, false},
        {"entry at BoxLeft 1", 15, 4000, sPFSEntry, 1, false, -1, 0, 4005, false},
        {"date", 15, 4000, sPFSDate, 0, false, 3645, 825, 2820, false},
        {"prompt, 1100 wide: the button fits, the box not", 15, 1100, sPFSPrompt, 0, false, 735,
         825, -1, true},
        {"prompt, 300 wide: neither fits", 15, 300, sPFSPrompt, 0, false, -1, 825, -1, true},
        {"entry narrower than its box left", 15, 600, sPFSEntry, 0, false, -1, 825, -1, true},
        {"prompt at 12 twips per pixel", 12, 4000, sPFSPrompt, 0, false, 3648, 816, 2832, false},
    };
    for (const Row& r : rows) {
        FieldForm f(r.width, r.tpp);
        f.field.put(u"AddButton", r.add);
        f.field.put(u"BoxLeft", r.box_left);
        ASSERT_TRUE(f.field.put(u"MyStyle", r.style)) << r.what;
        const PromptField& pf = f.self();
        const bool list = r.style == sPFSDropdown;
        const bool box_shown = list ? pf.cmbValue()->Visible() : pf.txtValue()->Visible();
        const frame::NestedControl* button = r.style == sPFSDate ? pf.hCal() : pf.hPrompt();
        const bool button_shown = button->Visible();
        EXPECT_EQ(button_shown ? LONG(button->Left()) : -1, r.button) << r.what;
        EXPECT_EQ(pf.txtValue()->Left() * r.tpp, r.box) << r.what;
        const int width_px = list ? pf.cmbValue()->Width() : pf.txtValue()->Width();
        EXPECT_EQ(box_shown ? width_px * r.tpp : -1, r.box_width) << r.what;
        EXPECT_EQ(f.field.get(u"TooSmall").value.to_bool(), r.too_small) << r.what;
        EXPECT_EQ(pf.hAdd()->Visible(), r.add) << r.what;
        if (r.add) {
            EXPECT_EQ(pf.hAdd()->Left(), 825) << r.what;
        }
        // The first pass put the calendar level with the prompt button, the add button a
        // pixel lower.
        EXPECT_EQ(pf.hCal()->Top(), pf.hPrompt()->Top()) << r.what;
        EXPECT_EQ(pf.hAdd()->Top(), pf.hPrompt()->Top() + r.tpp) << r.what;
    }
}

// The value model in the drop-down style over the rows (A, 1, Alpha) and (B, 2, Beta),
// one step after another.
TEST(PromptField, ValuesFollowTheListAndTheText) {
    FieldForm f;
    f.field.put(u"MyStyle", LONG(sPFSDropdown));
    f.rows();
    const PromptField& pf = f.self();
    struct Step {
        const char* what;
        std::function<void()> act;
        const char *code, *ddid, *description, *text;
        int row;
    };
    const Step steps[] = {
        {"MyCode B", [&] { f.field.put(u"MyCode", u"B"); }, "B", "2", "Beta", "Beta", 1},
        {"MyCode C matches nothing", [&] { f.field.put(u"MyCode", u"C"); }, "C", "2", "Beta",
         "Beta", 1},
        {"MyDDID 1", [&] { f.field.put(u"MyDDID", u"1"); }, "A", "1", "Alpha", "Alpha", 0},
        {"MyDescription Beta: the DDID column decides",
         [&] { f.field.put(u"MyDescription", u"Beta"); }, "A", "1", "Beta", "Beta", 0},
        {"MyDescription 2 selects row 2", [&] { f.field.put(u"MyDescription", u"2"); }, "B", "2",
         "Beta", "Beta", 1},
        {"ClearControl keeps the DDID", [&] { f.field.call(u"ClearControl"); }, "", "2", "", "",
         -1},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(f.text(u"MyCode"), s.code) << s.what;
        EXPECT_EQ(f.text(u"MyDDID"), s.ddid) << s.what;
        EXPECT_EQ(f.text(u"MyDescription"), s.description) << s.what;
        EXPECT_EQ(narrow(pf.txtValue()->Text()), s.text) << s.what;
        EXPECT_EQ(pf.cmbValue()->ListIndex(), s.row) << s.what;
    }
    EXPECT_EQ(pf.cmbValue()->ListCount(), 0);

    // A pick with the keys sends one "ValueSelected"; an unanswered one keeps the code.
    f.rows();
    f.click(80, 10);
    f.key(27);
    f.take();
    f.key(40);
    EXPECT_EQ(f.take(), "pf1 ValueSelected A");
    EXPECT_EQ(f.text(u"MyCode"), "A");

    // In the prompt style a code is only stored.
    f.field.put(u"MyStyle", LONG(sPFSPrompt));
    f.field.put(u"MyDescription", u"shown");
    f.field.put(u"MyCode", u"B");
    EXPECT_EQ(f.text(u"MyDescription"), "shown");
    EXPECT_EQ(narrow(pf.txtValue()->Text()), "shown");
}

TEST(PromptField, MultiShowsTheSentinelUntilAnythingElse) {
    FieldForm f;
    const PromptField& pf = f.self();
    f.field.put(u"ValType", LONG(sPFVStandardDrop));
    f.field.put(u"MyStyle", LONG(sPFSDropdown));
    f.rows();
    f.field.put(u"Multi", true);
    f.field.put(u"Multi", true);
    EXPECT_TRUE(f.field.get(u"Multi").value.to_bool());
    ASSERT_EQ(pf.cmbValue()->ListCount(), 4);
    EXPECT_EQ(narrow(pf.cmbValue()->List(3, 2)), "(keep original values)");
    EXPECT_EQ(pf.txtValue()->ForeColor(), 0x6000u);
    // Another row and back to the sentinel: green again, but the mode stays off.
    f.field.put(u"MyCode", u"A");
    EXPECT_FALSE(f.field.get(u"Multi").value.to_bool());
    f.field.put(u"MyCode", u"***");
    EXPECT_EQ(pf.cmbValue()->ForeColor(), 0x6000u);
    EXPECT_FALSE(f.field.get(u"Multi").value.to_bool());

    // Typing in the entry style turns the mode off and the text black.
    f.field.put(u"MyStyle", LONG(sPFSEntry));
    f.field.put(u"Multi", true);
    f.click(60, 10);
    f.form.type(u"x");
    PaginorDoEvents();
    EXPECT_FALSE(f.field.get(u"Multi").value.to_bool());
    EXPECT_EQ(pf.txtValue()->ForeColor(), 0u);
    // An assigned text leaves the caret at its start.
    EXPECT_EQ(f.text(u"MyDescription"), "x(keep original values)");
}

TEST(PromptField, CaptionTakesItsColonAndReportsItsWidth) {
    FieldForm f;
    const PromptField& pf = f.self();
    const struct {
        const char16_t* written;
        const char *reads, *label;
    } rows[] = {{u"Matter ", "Matter", "Matter:"},
                {u"Client:", "Client", "Client:"},
                {u"", "", ":"},
                {u" (a) \"b\" <i>", "(a) \"b\" <i>", "(a) \"b\" <i>:"}};
    for (const auto& r : rows) {
        f.field.put(u"Caption", r.written);
        EXPECT_EQ(f.text(u"Caption"), r.reads);
        EXPECT_EQ(narrow(pf.lblCapt().Caption()), r.label);
        EXPECT_EQ(f.take(), "pf1 CaptionWidth " + std::to_string((pf.lblCapt().Width() + 4) * 15));
        // The box follows the label's new width.
        EXPECT_EQ(pf.txtValue()->Left(), pf.lblCapt().Width() + 2);
    }
}

// Clicks and keys in each style, with the listener's answers.
TEST(PromptField, ActionsSendTheirNotificationsAndTakeTheAnswers) {
    FieldForm f;
    const PromptField& pf = f.self();
    f.field.put(u"MyDescription", u"old");
    f.listener.answer = [](const std::u16string& event, BSTR* data) {
        if (event == u"PromptClicked" || event == u"DateClicked")
            test::answer(data, event == u"PromptClicked" ? u"X9" : u"20261207");
    };
    struct Step {
        const char* what;
        LONG style;
        std::function<void()> act;
        const char* sent;
    };
    const Step steps[] = {
        {"prompt button", sPFSPrompt, [&] { f.click(250, 10); }, "pf1 PromptClicked "},
        {"F4 in the box", sPFSPrompt, [&] { f.key(115); }, "pf1 PromptClicked X9"},
        {"calendar button", sPFSDate, [&] { f.click(250, 10); }, "pf1 DateClicked old"},
        {"F4 in a date", sPFSDate, [&] { f.key(115); }, "pf1 DateClicked 20261207"},
        {"F4 in an entry does nothing", sPFSEntry, [&] { f.key(115); }, ""},
        {"right on the caption", sPFSEntry, [&] { f.click(10, 10, 2); }, "pf1 ContextMenu "},
        {"left on the caption", sPFSEntry, [&] { f.click(10, 10); }, ""},
        {"right on the box", sPFSEntry, [&] { f.click(80, 10, 2); }, "pf1 ContextMenu "},
        {"right on the bare surface", sPFSEntry, [&] { f.click(20, 24, 2); }, "pf1 ContextMenu "},
        {"Delete in a date keeps the value", sPFSDate, [&] { f.key(46); }, ""},
        {"right on the list", sPFSDropdown, [&] { f.click(80, 10, 2); }, "pf1 ContextMenu "},
        {"right on the prompt button: its picture reports no release", sPFSPrompt,
         [&] { f.click(250, 10, 2); }, ""},
    };
    for (const Step& s : steps) {
        f.field.put(u"MyStyle", s.style);
        f.click(80, 10); // the box takes the focus
        f.take();
        s.act();
        EXPECT_EQ(f.take(), s.sent) << s.what;
    }
    EXPECT_EQ(f.text(u"MyCode"), "X9");
    EXPECT_EQ(f.text(u"MyDescription"), "20261207");
    EXPECT_EQ(narrow(pf.txtValue()->Text()), "20261207");

    f.field.put(u"MyStyle", LONG(sPFSPrompt));
    f.click(80, 10);
    f.key(46);
    EXPECT_EQ(f.text(u"MyCode"), "");
    EXPECT_EQ(f.text(u"MyDescription"), "");

    f.field.put(u"AddButton", true);
    f.field.put(u"BoxLeft", 0);
    f.click(LONG(pf.hAdd()->Left() / 15) + 5, 10);
    EXPECT_EQ(f.take(), "pf1 AddRequest ");
}

// The answer may come through the property or end the form inside the notification.
TEST(PromptField, ListenersMayCallBackAndLetTheFormGo) {
    FieldForm f;
    Control second = f.add(u"pf2", 600, 4000);
    Control unnamed = f.form.add(kField, u"pf3", 120, 1200, 4000, 390).value;
    unnamed.put(u"PE", Variant(f.relay.get()));
    f.listener.answer = [&](const std::u16string& event, BSTR*) {
        if (event == u"PromptClicked")
            f.field.put(u"MyCode", u"through the property");
    };
    f.click(250, 10);
    EXPECT_EQ(f.text(u"MyCode"), "through the property");
    EXPECT_EQ(f.take(), "pf1 PromptClicked ");

    second.put(u"Caption", u"Two");
    unnamed.put(u"Caption", u"Three");
    // Told apart only by the object: a field never named sends an empty one.
    const std::string sent = f.take();
    EXPECT_EQ(sent.find("pf2 CaptionWidth "), 0u) << sent;
    EXPECT_NE(sent.find(";  CaptionWidth "), std::string::npos) << sent;
    Control kept = second;
    f.listener.answer = [&](const std::u16string& event, BSTR*) {
        if (event == u"PromptClicked")
            f.form = Form();
    };
    f.click(250, 42); // pf2's prompt button; the listener closes the form inside
    EXPECT_EQ(f.take(), "pf2 PromptClicked ");
    EXPECT_TRUE(kept.put(u"MyCode", u"after the form"));
    EXPECT_EQ(narrow(kept.get(u"MyCode").value.to_string()), "after the form");

    FieldForm g;
    g.listener.answer = [&](const std::u16string& event, BSTR*) {
        if (event == u"ValueSelected")
            g.form = Form();
    };
    g.field.put(u"MyStyle", LONG(sPFSDropdown));
    g.rows();
    g.field.put(u"MyCode", u"B"); // the list's change reaches the listener, which closes
    PaginorDoEvents();
    EXPECT_EQ(g.text(u"MyCode"), "B");
    EXPECT_TRUE(g.field.put(u"MyDescription", u"after"));
}

TEST(PromptField, BadValuesAreRefused) {
    FieldForm f;
    EXPECT_EQ(f.field.put(u"MyStyle", LONG(5)).error.number, 380);
    EXPECT_EQ(f.field.put(u"ValType", LONG(-1)).error.number, 380);
    EXPECT_EQ(f.field.get(u"MyStyle").value.to_long(), sPFSPrompt);
    EXPECT_FALSE(f.field.put(u"PE", Variant(f.form.control(u"pf1").value.object())));
    std::u16string big(1 << 20, u'x');
    big[10] = u'\0';
    big[11] = u'\u00e9';
    f.field.put(u"MyStyle", LONG(sPFSDropdown));
    const std::u16string_view v(big);
    f.field.call(u"AddDropdownEntry", v, v, v);
    f.field.put(u"MyDDID", std::u16string_view(big));
    EXPECT_EQ(f.field.get(u"MyDescription").value.to_string(), big);
    EXPECT_TRUE(f.field.put(u"PE", Variant(static_cast<IDispatch*>(nullptr))));
    f.field.put(u"Caption", u"no relay"); // nothing to send to, nothing fails
}

// Each field one row below the last: caption, style, value, width and what else it has.
struct Row {
    const char16_t *caption, *value;
    LONG style, width = 4800;
    const char16_t* also = nullptr; // a boolean property set true
};

Form form_of(std::initializer_list<Row> rows, const std::function<void(Control&)>& extra = {}) {
    PaginorSetClock(1);
    Form form = Form::create(u"Search", 5040, LONG(rows.size()) * 480 + 120).value;
    LONG top = 120;
    int n = 0;
    for (const Row& r : rows) {
        const std::u16string name = u"pf" + std::u16string(1, char16_t(u'1' + n++));
        Control c = form.add(kField, name, 120, top, r.width, 390).value;
        c.put(u"Caption", r.caption);
        if (r.also)
            c.put(r.also, true);
        c.put(u"MyStyle", r.style);
        if (r.style == sPFSDropdown) {
            c.call(u"AddDropdownEntry", u"A", u"1", r.value);
            c.put(u"MyCode", u"A");
        } else if (*r.value) {
            c.put(u"MyDescription", r.value);
        }
        if (extra)
            extra(c);
        top += 480;
    }
    PaginorDoEvents();
    return form;
}

// The five styles, then Multi in dark green, the add button, and a field too narrow for
// its box (the prompt button still fits).
TEST(PromptFieldLook, StylesMultiAddAndTooNarrow) {
    const Form form = form_of({{u"Client", u"Smith & Co", sPFSPrompt},
                               {u"Matter", u"Lease review", sPFSDropdown},
                               {u"Author", u"typed text", sPFSEntry},
                               {u"Filed", u"07/12/2026", sPFSDate},
                               {u"Index", u"read only", sPFSDisplayOnly},
                               {u"Client", u"", sPFSPrompt, 4800, u"Multi"},
                               {u"Client", u"Smith", sPFSPrompt, 4800, u"AddButton"},
                               {u"Client", u"Smith", sPFSPrompt, 900}});
    EXPECT_TRUE(MatchesGolden(rendered(form, "prompt_field_looks"), "prompt_field_looks"));
}

struct Widest {
    LONG width = 0;
    static void on_event(void* context, DISPID, const OLECHAR*, DISPPARAMS* p) {
        const std::u16string event(*p->rgvarg[1].pbstrVal);
        if (event == u"CaptionWidth")
            static_cast<Widest*>(context)->width =
                std::max(static_cast<Widest*>(context)->width,
                         Variant(std::u16string_view(*p->rgvarg[0].pbstrVal)).to_long());
    }
};

TEST(PromptFieldLook, SearchFormLinedUpByCaptionWidth) {
    Ref<IDispatch> relay = test::create(CLSID_clsPromptEvents);
    Widest widest;
    DWORD cookie = 0;
    ASSERT_EQ(PaginorAdvise(relay.get(), &Widest::on_event, &widest, &cookie), S_OK);
    const Form form = form_of({{u"Client", u"Smith & Co", sPFSPrompt},
                               {u"Matter description", u"Lease review", sPFSDropdown},
                               {u"Author", u"", sPFSEntry},
                               {u"Date filed", u"07/12/2026", sPFSDate}},
                              [&](Control& c) {
                                  c.put(u"PE", Variant(relay.get()));
                                  c.put(u"Caption", c.get(u"Caption").value);
                              });
    ASSERT_GT(widest.width, 0);
    for (const char16_t* name : {u"pf1", u"pf2", u"pf3", u"pf4"})
        EXPECT_TRUE(form.control(name).value.put(u"BoxLeft", widest.width));
    PaginorDoEvents();
    EXPECT_TRUE(
        MatchesGolden(rendered(form, "prompt_field_search_form"), "prompt_field_search_form"));
    PaginorUnadvise(relay.get(), cookie);
}

} // namespace

// The display-only box takes the colour behind the fields: the container of the field on
// its form, the form itself, or the button face when the field has no parent at all.
TEST(PromptField, DisplayOnlyTakesTheContainerColour) {
    const struct {
        const char* what;
        const char16_t* container;
        OLE_COLOR expected;
    } rows[] = {{"on the form", u"", 0x336699}, {"inside a button", u"box", 0x123456}};
    for (const auto& r : rows) {
        host::Form form(u"Search", 6000, 2400, 0x336699);
        Control box(Ref<IDispatch>(form.add(u"PaginorV2CTL.O2007Hover", u"box", 0, 0, 5000, 900)));
        box.put(u"BackColor", LONG(0x123456));
        Control field(
            Ref<IDispatch>(form.add(kField, u"pf", 0, 0, 4000, 390, nullptr, r.container)));
        EXPECT_TRUE(field.put(u"MyStyle", LONG(sPFSDisplayOnly)));
        const auto* pf = dynamic_cast<PromptField*>(frame::UserControl::from(field.object()));
        EXPECT_EQ(pf->txtValue()->BackColor(), r.expected) << r.what;
    }

    host::Form form;
    test::TestSite site;
    site.window = form.hwnd();
    Ref<IDispatch> object = test::create(CLSID_PromptField);
    auto* pf = dynamic_cast<PromptField*>(frame::UserControl::from(object.get()));
    pf->site(&site, 0, 0, 4000, 390);
    pf->init_properties();
    pf->show();
    Control(object).put(u"MyStyle", LONG(sPFSDisplayOnly));
    EXPECT_EQ(pf->txtValue()->BackColor(), 0x8000000Fu);
    pf->terminate();
}
