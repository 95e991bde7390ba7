// What prompt fields look like on a form: the five styles, the Multi mode, the add
// button, a field too narrow, and a search form lined up through BoxLeft from the
// fields' own "CaptionWidth" reports.
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include "support/host_form.h"
#include "support/objects.h"
#include "support/raster_golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace paginor;
using test::rendered;
using testing_support::MatchesGolden;

namespace {

constexpr const char16_t* kField = u"PaginorV2CTL.PromptField";

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
    EXPECT_TRUE(form.control(u"pf8").value.get(u"TooSmall").value.to_bool());
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
