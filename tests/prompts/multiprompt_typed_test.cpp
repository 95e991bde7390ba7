// MultiPrompt's typed values, dates and restore, through IDispatch and the host API's
// text input, with the local time fixed on 5 December 2026.
#include "multiprompt_host.h"

#include <deque>

using namespace paginor;
using namespace paginor::test;

namespace {

class MultiPromptTyped : public MultiPromptHost {
  protected:
    // Types into a control's value box as a user does: a click in it, then the keys.
    void type_into(const Control& c, const char16_t* text) {
        click_at(centre(of(c).value_box()->hWnd()));
        form.type(text);
        PaginorDoEvents();
    }
    // F4 in the value box, the listener answering "DateClicked" with the next date.
    void pick_date(const Control& c, const char16_t* date) {
        dates.push_back(date);
        click_at(centre(of(c).value_box()->hWnd()));
        key(115);
    }
    std::string state(const Control& c) {
        return narrow(c.get(u"MyCode").value.to_string()) + " | " +
               narrow(c.get(u"MyDescription").value.to_string()) + " | " +
               narrow(of(c).value_box()->Text()) + " | " +
               narrow(c.get(u"OriginalTextValue").value.to_string());
    }
    void SetUp() override {
        MultiPromptHost::SetUp();
        relay_log->answer = [this](const std::u16string& event, BSTR* data) {
            if (event == u"DateClicked" && !dates.empty())
                answer(data, dates.front()), dates.pop_front();
        };
    }
    std::deque<const char16_t*> dates;
};

TEST_F(MultiPromptTyped, InReadsAYearAMonthOrADay) {
    Control c = add_prompt(u"d1", u"DOCDATE", 600, 3, 2);
    ASSERT_TRUE(c.put(u"Caption", u"Date") && c.put(u"DefaultSelType", 0));
    ASSERT_TRUE(c.call(u"ResetControl"));
    const platform::POINT at = centre(of(c).value_box()->hWnd());
    form.mouse(at.x - 160, at.y); // near the box's left, so the whole hint fits the form
    PaginorAdvanceClock(1500);
    PaginorDoEvents();
    EXPECT_TRUE(testing_support::MatchesGolden(render("in_hint"), "multiprompt_in_hint"));
    EXPECT_EQ(narrow(std::u16string(of(c).value_box()->ToolTipText())),
              "Enter a Year (e.g. \"2026\") or a month (e.g. \"Dec 2026\") in which the date "
              "must fall.");
    const struct {
        const char16_t* typed;
        const char* criterion;
    } rows[] = {
        {u"2024", "(DOCDATE contains (20240101~~20241231))"},
        {u"Feb 2024", "(DOCDATE contains (20240201~~20240229))"},
        {u"Dec", "(DOCDATE contains (20261201~~20261231))"},
        {u"feb", "(DOCDATE contains (20260201~~20260228))"},
        {u"5 Dec 2024", "(DOCDATE contains (20241205))"},
        {u"202", ""},
        {u"31 Feb 2024", ""},
    };
    for (const auto& row : rows) {
        c.call(u"ResetControl");
        type_into(c, row.typed);
        EXPECT_EQ(narrow(c.get(u"MyDescription").value.to_string()), row.criterion)
            << narrow(row.typed);
        const bool red = *row.criterion == 0;
        EXPECT_EQ(of(c).value_box()->ForeColor(), red ? 0x0000FFu : 0x80000008u);
        // The red mark shows: some pixel of the box's text is pure-ish red.
        const platform::POINT mid = centre(of(c).value_box()->hWnd());
        const platform::Image shot = render("in_text");
        bool seen_red = false;
        for (LONG x = mid.x - 200; x < mid.x; ++x)
            for (LONG y = mid.y - 6; y <= mid.y + 6; ++y) {
                const uint32_t p = shot.pixels[size_t(y * shot.width + x)]; // 0xAARRGGBB
                seen_red |= ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) < 90 && (p & 0xFF) < 90;
            }
        EXPECT_EQ(seen_red, red) << narrow(row.typed);
    }
}

TEST_F(MultiPromptTyped, BetweenKeepsItsStateInTheBox) {
    Control c = add_prompt(u"d1", u"DOCDATE", 600, 3, 2);
    ASSERT_TRUE(c.put(u"DefaultSelType", 1) && c.call(u"ResetControl"));
    pick_date(c, u"10 Jan 2025");
    EXPECT_EQ(state(c), " | (DOCDATE contains (20250110)) | 10 Jan 2025 | <root "
                        "multi=\"Between\"><val name=\"DOCDATE\" content=\"20250110\" "
                        "desc=\"20250110\"/></root>");
    pick_date(c, u"05 Jan 2025");
    const std::string two = " | (DOCDATE contains (20250110~~20250105)) | 10 Jan 2025 and 05 Jan "
                            "2025 | <root multi=\"Between\"><val name=\"DOCDATE\" "
                            "content=\"20250110\" desc=\"20250110\"/><val name=\"DOCDATE\" "
                            "content=\"20250105\" desc=\"20250105\"/></root>";
    EXPECT_EQ(state(c), two);
    EXPECT_EQ(events(), "DOCDATE DateClicked=; DOCDATE DateClicked=");
    pick_date(c, u"12 Jan 2025"); // asked again with F4: the answer changes nothing
    EXPECT_EQ(state(c), two);
    click_at({8 + (7200 - 780) / 15 + 13, 40 + 12}); // the disabled calendar button
    EXPECT_EQ(events(), "DOCDATE DateClicked=");
    c.call(u"ResetControl"), events();
    pick_date(c, u"not a date");
    EXPECT_EQ(state(c), " |  |  | <root multi=\"Between\"/>");
    EXPECT_TRUE(testing_support::MatchesGolden(
        (pick_date(c, u"05 Jan 2025"), pick_date(c, u"10 Jan 2025"), render("between")),
        "multiprompt_between"));
}

TEST_F(MultiPromptTyped, TypedWordsAndPhrases) {
    const struct {
        const char* what;
        LONG style, sel_type;
        bool editable;
        const char16_t *name, *typed;
        const char *last_event, *state;
    } rows[] = {
        {"Entry, Any of: words, blanks and a repeat", 2, 1, false, u"KW", u"a b  a",
         "KW TextTyped!a b  a",
         " | (((KW contains (a))) or (KW contains (b))) | a b  a | <root multi=\"Any of\"><val "
         "name=\"KW\" content=\"a\" desc=\"a\"/><val name=\"KW\" content=\"b\" "
         "desc=\"b\"/></root>"},
        {"Entry, Exactly: one phrase without its quotes", 2, 2, false, u"KW", u"\"x y\"",
         "KW TextTyped!\"x y\"",
         " | ((KW contains (x y))) | \"x y\" | <root multi=\"Exactly\"><val name=\"KW\" "
         "content=\"x y\" desc=\"x y\"/></root>"},
        {"editable Prompt, Exactly: the description field with wildcards", 0, 2, true,
         u"ClientCode", u"ac\"me", "ClientCode TextTyped!ac\"me",
         " | ((ClientDescription contains (*acme*))) | ac\"me | <root multi=\"Exactly\"><val "
         "name=\"ClientCode\" content=\"acme\" desc=\"acme\"/></root>"},
        {"Prompt not editable: typing does nothing", 0, 0, false, u"ClientCode", u"zz", "",
         " |  |  | <root multi=\"All of\"/>"},
    };
    LONG top = 600;
    for (const auto& row : rows) {
        top += 390;
        Control c = add_prompt(u"t" + std::u16string(1, char16_t(u'0' + top / 100)), row.name, top,
                               row.style);
        c.call(u"SetPromptEditable", row.editable);
        c.put(u"MyStyle", row.style); // the layout pass unlocks the box
        c.put(u"DefaultSelType", row.sel_type), events();
        type_into(c, row.typed);
        const std::string all = events();
        EXPECT_EQ(all.substr(all.rfind("; ") == std::string::npos ? 0 : all.rfind("; ") + 2),
                  row.last_event)
            << row.what;
        EXPECT_EQ(state(c), row.state) << row.what;
    }
}

// A selection saved from one control and assigned to a fresh one with the same name and
// style comes back with the same criteria, box and notifications.
TEST_F(MultiPromptTyped, SavedSelectionsRoundTrip) {
    const struct {
        const char* what;
        LONG style, val_type, sel_type;
        std::function<void(const Control&)> build;
    } rows[] = {
        {"Prompt", 0, 0, 0,
         [&](const Control& c) {
             c.call(u"AddSelection", u"K1", u"D\"1&<"), c.call(u"AddSelection", u"K2", u"Dé2");
         }},
        {"Dropdown", 1, 0, 1, [&](const Control& c) { pick(*of(c).value_list(), 0), key(40); }},
        {"Entry", 2, 0, 2, [&](const Control& c) { type_into(c, u"\"big deal\""); }},
        {"Entry words", 2, 0, 0, [&](const Control& c) { type_into(c, u"one two"); }},
        {"Date In", 3, 2, 0, [&](const Control& c) { type_into(c, u"Feb 2024"); }},
        {"Date Between", 3, 2, 1,
         [&](const Control& c) { pick_date(c, u"10 Jan 2025"), pick_date(c, u"05 Jan 2025"); }},
        {"Date Exactly", 3, 2, 2, [&](const Control& c) { pick_date(c, u"29 Feb 2024"); }},
    };
    int n = 0;
    for (const auto& row : rows) {
        Control made[2];
        std::u16string names[2];
        for (int i = 0; i < 2; ++i) {
            Control& c = made[i];
            names[i] = u"r" + std::u16string(1, char16_t(u'a' + n++));
            c = add_prompt(names[i], u"FLD", 600 + 400 * i, row.style, row.val_type);
            for (const char16_t* code : {u"C1", u"C2", u"C1"})
                c.call(u"AddDropdownEntry", code, code, std::u16string(u"Row ") + code);
            // The type list follows ValType when it is rebuilt.
            c.put(u"DefaultSelType", row.sel_type), c.call(u"ResetControl");
        }
        events();
        row.build(made[0]);
        std::string first = events();
        if (row.style == 2)
            first = ""; // typing sends TextTyped; a restore does not
        const std::u16string saved = made[0].get(u"OriginalTextValue").value.to_string();
        made[1].put(u"OriginalTextValue", std::u16string_view(saved));
        EXPECT_EQ(events(), row.style == 3 ? "" : first) << row.what;
        std::string expected = state(made[0]);
        if (std::string(row.what) == "Entry") // the phrase comes back without its quotes
            expected = " | ((FLD contains (big deal))) | big deal | " +
                       expected.substr(expected.rfind("| ") + 2);
        EXPECT_EQ(state(made[1]), expected) << row.what;
        for (const std::u16string& name : names) // out of the next row's way
            form.move(name, 120, 2000, 7200, 390);
    }
}

TEST_F(MultiPromptTyped, DamagedSavedTextRestoresWhatItCan) {
    Control c = add_prompt(u"p1", u"AUTH", 600, 0, 0);
    c.put(u"DefaultSelType", 1);
    Control d = add_prompt(u"p2", u"DD", 1000, 3, 2);
    d.put(u"DefaultSelType", 1), d.call(u"ResetControl"), events();
    const struct {
        const Control* target;
        const char16_t* saved;
        const char* state;
    } rows[] = {
        {&c, u"", " |  |  | <root multi=\"Any of\"/>"},
        {&c, u"<root multi=\"All of\"", " |  |  | <root multi=\"Any of\"/>"},
        {&c, u"<!DOCTYPE root><root multi=\"All of\"/>", " |  |  | <root multi=\"Any of\"/>"},
        {&c, u"<other multi=\"All of\"><val content=\"K\"/></other>",
         " |  |  | <root multi=\"Any of\"/>"},
        {&c, u"<root multi=\"all of\"><val desc=\"no key\"/><val content=\" K3 \"/></root>",
         "((AUTH contains (K3))) |  |  | <root multi=\"Any of\"><val name=\"AUTH\" "
         "content=\"K3\" desc=\"\"/></root>"},
        {&d,
         u"<root multi=\"Between\"><val content=\"20250229\"/><val content=\"2025-1-5\"/><val "
         u"content=\"20250105\"/><val content=\"20250110\"/><val content=\"20250111\"/></root>",
         " | (DD contains (20250105~~20250110)) | 05 Jan 2025 and 10 Jan 2025 | <root "
         "multi=\"Between\"><val name=\"DD\" content=\"20250105\" desc=\"20250105\"/><val "
         "name=\"DD\" content=\"20250110\" desc=\"20250110\"/></root>"},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(row.target->put(u"OriginalTextValue", row.saved)) << narrow(row.saved);
        EXPECT_EQ(state(*row.target), row.state) << narrow(row.saved);
    }
}

} // namespace
