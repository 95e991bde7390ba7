// MultiPrompt through IDispatch on a search form, with a bound relay and broker: the
// selection model's steps, the notifications and their channels, listeners that answer
// or call back, keys, the layout's boundaries and the selection document.
#include "multiprompt_host.h"

using namespace paginor;
using namespace paginor::test;

namespace {

class MultiPromptTest : public MultiPromptHost {
  protected:
    // "code | DDID | description | box | multi-document" after a step.
    std::string state() {
        return narrow(str(u"MyCode")) + " | " + narrow(str(u"MyDDID")) + " | " +
               narrow(str(u"MyDescription")) + " | " + narrow(self().value_box()->Text()) + " | " +
               narrow(str(u"OriginalTextValue"));
    }
    // The image button whose left edge lies `from_right` twips left of the control's
    // right edge (7200 twips wide at 8 px of the form), at its centre.
    static platform::POINT button_at(int from_right) {
        return {8 + (7200 - from_right) / 15 + 13, 8 + 12};
    }
    std::string types() {
        std::string all;
        const controls::ComboBox& list = *self().type_list();
        for (int i = 0; i < list.ListCount(); ++i)
            all += (i ? "," : "") + narrow(list.List(i));
        return all + "@" + std::to_string(list.ListIndex());
    }
};

TEST_F(MultiPromptTest, SelectionStepsSendWhatTheyBuild) {
    ASSERT_TRUE(mp.put(u"DefaultSelType", 0));
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* events;
        const char* state;
        const char* types;
    };
    const Step steps[] = {
        {"first value", [&] { mp.call(u"AddSelection", u" K1 ", u"D1"); },
         "AUTH ValueSelected=((AUTH contains (K1)))",
         "((AUTH contains (K1))) |  | ((AUTH contains (D1))) | D1 | <root multi=\"All of\"><val "
         "name=\"AUTH\" content=\"K1\" desc=\"D1\"/></root>",
         "All of,Any of,Exactly@0"},
        {"second value: Exactly leaves the list", [&] { mp.call(u"AddSelection", u"K2", u"D2"); },
         "AUTH ValueSelected=(((AUTH contains (K1))) and (AUTH contains (K2)))",
         "(((AUTH contains (K1))) and (AUTH contains (K2))) |  | (((AUTH contains (D1))) and "
         "(AUTH contains (D2))) | D1, D2 | <root multi=\"All of\"><val name=\"AUTH\" "
         "content=\"K1\" desc=\"D1\"/><val name=\"AUTH\" content=\"K2\" desc=\"D2\"/></root>",
         "All of,Any of@0"},
        {"duplicate with blanks, and a blank key: nothing",
         [&] { mp.call(u"AddSelection", u"K1  ", u"X"), mp.call(u"AddSelection", u"  ", u"Y"); },
         "", nullptr, "All of,Any of@0"},
        {"Any of chosen by the user", [&] { pick(*self().type_list(), 1); }, "",
         "(((AUTH contains (K1))) or (AUTH contains (K2))) |  | (((AUTH contains (D1))) or "
         "(AUTH contains (D2))) | D1, D2 | <root multi=\"Any of\"><val name=\"AUTH\" "
         "content=\"K1\" desc=\"D1\"/><val name=\"AUTH\" content=\"K2\" desc=\"D2\"/></root>",
         "All of,Any of@1"},
        {"DefaultSelType once a type is chosen: ignored; reset goes back to All of",
         [&] { mp.put(u"DefaultSelType", 1), mp.call(u"ResetControl"); }, "",
         " |  |  |  | <root multi=\"All of\"/>", "All of,Any of,Exactly@0"},
        {"Exactly: the second value replaces the first",
         [&] {
             pick(*self().type_list(), 2);
             mp.call(u"AddSelection", u"K1", u"D1"), mp.call(u"AddSelection", u"K2", u"D2");
         },
         "AUTH ValueSelected=((AUTH contains (K1))); AUTH ValueSelected=((AUTH contains (K2)))",
         "((AUTH contains (K2))) |  | ((AUTH contains (D2))) | D2 | <root multi=\"Exactly\"><val "
         "name=\"AUTH\" content=\"K2\" desc=\"D2\"/></root>",
         "All of,Any of,Exactly@2"},
        {"values are opaque: raw in criteria, escaped in the document",
         [&] {
             mp.call(u"ClearControl"), pick(*self().type_list(), 0);
             mp.call(u"AddSelection", u"a) and (b", u"<\"&\">"),
                 mp.call(u"AddSelection", u"c", u"");
             pick(*self().type_list(), 1);
         },
         "AUTH ValueSelected=((AUTH contains (a) and (b))); AUTH ValueSelected=(((AUTH contains "
         "(a) and (b))) and (AUTH contains (c)))",
         "(((AUTH contains (a) or (b))) or (AUTH contains (c))) |  | ((AUTH contains (<\"&\">))) "
         "| <\"&\">,  | <root multi=\"Any of\"><val name=\"AUTH\" content=\"a) and (b\" "
         "desc=\"&lt;&quot;&amp;&quot;>\"/><val name=\"AUTH\" content=\"c\" desc=\"\"/></root>",
         "All of,Any of@1"},
    };
    std::string before;
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(events(), s.events) << s.what;
        EXPECT_EQ(state(), before = s.state ? s.state : before) << s.what; // null: unchanged
        EXPECT_EQ(types(), s.types) << s.what;
    }
}

TEST_F(MultiPromptTest, DropdownPicksAndSetters) {
    ASSERT_TRUE(mp.put(u"MyStyle", 1));
    ASSERT_TRUE(mp.put(u"DefaultSelType", 0));
    for (auto row : {std::array<const char16_t*, 3>{u"K1", u"1", u"Desc one"},
                     {u"K2", u"2", u" Desc two"},
                     {u"K1", u"3", u"Again"}})
        ASSERT_TRUE(mp.call(u"AddDropdownEntry", row[0], row[1], row[2]));
    controls::ComboBox& list = *self().value_list();
    const struct {
        const char* what;
        std::function<void()> act;
        const char* events;
        const char* state;
    } steps[] = {
        {"pick K1 then K2: the code criterion stays flat", [&] { pick(list, 0), key(40); },
         "AUTH ValueSelected=((AUTH contains (K1))); AUTH ValueSelected=((AUTH contains (K1)) "
         "and (AUTH contains (K2)))",
         "((AUTH contains (K1)) and (AUTH contains (K2))) | (((AUTH contains (1))) and (AUTH "
         "contains (2))) | (((AUTH contains (Desc one))) and (AUTH contains ( Desc two))) | Desc "
         "one,  Desc two | <root multi=\"All of\"><val name=\"AUTH\" content=\"K1\" desc=\"Desc "
         "one\"/><val name=\"AUTH\" content=\"K2\" desc=\"Desc two\"/></root>"},
        {"a row holding a code already chosen: nothing", [&] { key(40); }, "", nullptr},
        {"reset: no row, every criterion empty", [&] { mp.call(u"ResetControl"); }, "",
         " |  |  |  | <root multi=\"All of\"/>"},
        // The setter stores its value, the pick adds to the criteria, then the row's other
        // cells replace theirs.
        {"MyDDID picks the row by its DDID and takes its code and description",
         [&] { mp.put(u"MyDDID", u"2"); }, "AUTH ValueSelected=((AUTH contains (K2)))",
         "K2 | (2 and (AUTH contains (2))) | Desc two |  Desc two | <root multi=\"All of\"><val "
         "name=\"AUTH\" content=\"K2\" desc=\"Desc two\"/></root>"},
        {"MyDescription looks in the DDID column", [&] { mp.put(u"MyDescription", u"3"); },
         "AUTH ValueSelected=((AUTH contains (K1)))",
         "K1 | 3 | (3 and (AUTH contains (Again))) | 3, Again | <root multi=\"All of\"><val "
         "name=\"AUTH\" content=\"K1\" desc=\"Again\"/></root>"},
        {"a value in no row: stored, nothing else", [&] { mp.put(u"MyCode", u"nowhere"); }, "",
         "nowhere | 3 | (3 and (AUTH contains (Again))) | 3, Again | <root "
         "multi=\"Exactly\"/>"},
    };
    std::string before;
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(events(), s.events) << s.what;
        EXPECT_EQ(state(), before = s.state ? s.state : before) << s.what; // null: unchanged
    }
}

// The payload of "ValueSelected" is the code criterion itself: what a listener answers,
// and what its nested calls leave, is what the control keeps.
TEST_F(MultiPromptTest, ListenersAnswerAndCallBack) {
    ASSERT_TRUE(mp.put(u"DefaultSelType", 1));
    const struct {
        const char* what;
        std::function<void(const std::u16string&, BSTR*)> listener;
        const char* events;
        const char* code;
    } rows[] = {
        {"an answer replaces the criterion",
         [](const std::u16string&, BSTR* data) { answer(data, u"(mine)"); },
         "AUTH ValueSelected=((AUTH contains (K1)))", "(mine)"},
        {"a nested AddSelection adds to the same criterion",
         [&](const std::u16string&, BSTR* data) {
             if (narrow(*data).find("K2") == std::string::npos)
                 mp.call(u"AddSelection", u"K2", u"D2");
         },
         "AUTH ValueSelected=((AUTH contains (K1))); AUTH ValueSelected=(((AUTH contains (K1))) "
         "or (AUTH contains (K2)))",
         "(((AUTH contains (K1))) or (AUTH contains (K2)))"},
        {"a nested reset empties it; the answer after it stays",
         [&](const std::u16string&, BSTR* data) {
             mp.call(u"ResetControl");
             EXPECT_EQ(std::u16string(*data), u"");
             answer(data, u"after");
         },
         "AUTH ValueSelected=((AUTH contains (K1)))", "after"},
        {"a listener that closes the form: the control stops, nothing crashes",
         [&](const std::u16string&, BSTR*) { form = Form(); },
         "AUTH ValueSelected=((AUTH contains (K1)))", "((AUTH contains (K1)))"},
    };
    for (const auto& row : rows) {
        mp.call(u"ResetControl");
        relay_log->answer = row.listener;
        EXPECT_TRUE(mp.call(u"AddSelection", u"K1", u"D1")) << row.what;
        relay_log->answer = nullptr;
        EXPECT_EQ(events(), row.events) << row.what;
        EXPECT_EQ(narrow(str(u"MyCode")), row.code) << row.what;
    }
}

TEST_F(MultiPromptTest, KeysButtonsAndChannels) {
    ASSERT_TRUE(mp.put(u"DefaultSelType", 0));
    MultiPrompt& c = self();
    const struct {
        const char* what;
        std::function<void()> act;
        const char* events;
    } steps[] = {
        {"Caption without a colon", [&] { mp.put(u"Caption", u"  Author "); },
         "AUTH CaptionWidth=600"},
        {"Enter in the value box", [&] { click_at(centre(c.value_box()->hWnd())), key(13); },
         "AUTH Go!"},
        {"F4 in Prompt style asks with the code criterion",
         [&] { mp.call(u"AddSelection", u"K1", u"D1"), events(), key(115); },
         "AUTH PromptClicked=((AUTH contains (K1)))"},
        {"the prompt button, answered",
         [&] {
             relay_log->answer = [](const std::u16string&, BSTR* d) { answer(d, u"(x)"); };
             click_at(centre(c.value_box()->hWnd()));
             click_at(button_at(780));
             relay_log->answer = nullptr;
             EXPECT_EQ(str(u"MyCode") + u"|" + c.value_box()->Text(), u"(x)|D1");
         },
         "AUTH PromptClicked=((AUTH contains (K1)))"},
        {"Delete in Prompt style clears without Cleared", [&] { key(46); }, ""},
        {"the clear button: Cleared after the clearing",
         [&] {
             mp.call(u"AddSelection", u"K1", u"D1"), events();
             broker_log->answer = [&](const std::u16string&, BSTR*) {
                 log += " code=" + narrow(str(u"MyCode"));
             };
             click_at(button_at(390));
             broker_log->answer = nullptr;
         },
         "AUTH Cleared! code="},
        {"Enter in the type list",
         [&] { click_at(centre(c.type_list()->hWnd())), key(27), key(13); }, "AUTH Go!"},
        {"no broker: Enter sends nothing",
         [&] {
             mp.call(u"SetEventBroker", static_cast<IDispatch*>(nullptr));
             click_at(centre(c.value_box()->hWnd())), key(13);
         },
         ""},
        {"Entry style: Delete does not clear, F4 asks nothing",
         [&] {
             mp.put(u"MyStyle", 2), mp.call(u"AddSelection", u"K9", u"D9"), events();
             click_at(centre(c.value_box()->hWnd())), key(46), key(115);
         },
         ""},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(events(), s.events) << s.what;
    }
    EXPECT_EQ(str(u"Caption"), u"Author");
}

TEST_F(MultiPromptTest, BadValuesAreRefusedAndChangeNothing) {
    EXPECT_EQ(mp.put(u"MyStyle", 5).error.number, 380);
    EXPECT_EQ(mp.put(u"ValType", -1).error.number, 380);
    EXPECT_EQ(mp.put(u"DefaultSelType", 3).error.number, 380);
    EXPECT_EQ(mp.get(u"MyStyle").value.to_long(), 0);
    EXPECT_FALSE(mp.call(u"SetEventBroker", relay.get()));
    Ref<_MultiPrompt> typed;
    ASSERT_EQ(mp.object()->QueryInterface(IID__MultiPrompt, typed.put_void()), S_OK);
    _cEventBroker* not_a_broker = reinterpret_cast<_cEventBroker*>(relay.get());
    EXPECT_EQ(typed->SetEventBroker(&not_a_broker), HRESULT(0x800A000D));
    // Not on a form: no row, so the selection members change nothing, and nothing fails.
    const Control bare(create(CLSID_MultiPrompt));
    EXPECT_TRUE(bare.call(u"AddSelection", u"K", u"D") && bare.call(u"AddSelection", u"L", u"E") &&
                bare.call(u"ClearControl") && bare.put(u"MyCode", u"x") &&
                bare.put(u"OriginalTextValue", u"<root multi=\"Any of\"/>"));
    EXPECT_EQ(bare.get(u"OriginalTextValue").value.to_string(), u"<root multi=\"Exactly\"/>");
}

// TooSmall at the widths where the value box or the value list just fits.
TEST_F(MultiPromptTest, TooSmallAtTheLayoutsBoundaries) {
    MultiPrompt& c = self();
    const LONG value_left = 15 * (c.value_box()->Left());
    const struct {
        LONG style, width;
        bool too_small;
    } rows[] = {
        {0, value_left + 780, false}, {0, value_left + 765, true},  {2, value_left + 390, false},
        {2, value_left + 375, true},  {1, value_left + 435, false}, {1, value_left + 420, true},
    };
    for (const auto& row : rows) {
        mp.put(u"MyStyle", row.style);
        form.move(u"mp1", 120, 120, row.width, 390);
        EXPECT_EQ(mp.get(u"TooSmall").value.to_bool(), row.too_small)
            << row.style << " at " << row.width;
    }
    form.move(u"mp1", 120, 120, value_left + 705, 390); // avail 300 twips
    EXPECT_EQ(c.value_box()->Width() * 10000 + c.value_list()->Width(), 13 * 10000 + 7);
}

TEST_F(MultiPromptTest, GoldenImages) {
    ASSERT_TRUE(mp.put(u"Caption", u"Author"));
    ASSERT_TRUE(mp.put(u"DefaultSelType", 1));
    mp.call(u"AddSelection", u"K1", u"Ann Smith"), mp.call(u"AddSelection", u"K2", u"Bo Lee");
    EXPECT_TRUE(testing_support::MatchesGolden(render("multiprompt_prompt"), "multiprompt_prompt"));

    form.mouse(8 + (7200 - 390) / 15 + 13, 20);
    PaginorAdvanceClock(600);
    PaginorDoEvents();
    EXPECT_TRUE(testing_support::MatchesGolden(render("multiprompt_clear_hover"),
                                               "multiprompt_clear_hover"));

    mp.put(u"MyStyle", 2), mp.call(u"ResetControl");
    form.focus(u"mp1");
    click_at(centre(self().value_box()->hWnd()));
    form.type(u"alpha beta");
    PaginorDoEvents();
    EXPECT_TRUE(testing_support::MatchesGolden(render("multiprompt_entry"), "multiprompt_entry"));

    mp.put(u"MyStyle", 1), mp.call(u"ResetControl");
    for (const char16_t* row : {u"Ann Smith", u"Bo Lee", u"Cy Park"})
        mp.call(u"AddDropdownEntry", std::u16string(row).substr(0, 2), u"", row);
    pick(*self().value_list(), 1);
    click_at(centre(self().value_list()->hWnd()));
    EXPECT_TRUE(testing_support::MatchesGolden(render("multiprompt_dropdown_open"),
                                               "multiprompt_dropdown_open"));
}

} // namespace
