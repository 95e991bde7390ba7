// Form scripts in Lua driven headless through the host API: handlers bound by name, a
// relay's by-reference answer, errors as values and as reports, and a script that does
// not load.
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include "host/script/script_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace paginor;
using paginor::host::script::ScriptHost;

namespace {

const std::string kData = PAGINOR_TEST_DATA_DIR;

struct Seen {
    std::vector<std::string> printed, errors;
};

// The relay the script holds as PE raises EventRaised; returns what came back in data.
std::u16string raise_through(ScriptHost& script) {
    Ref<IDispatch> pe = script.global_object("PE");
    Ref<_clsPromptEvents> relay;
    if (!pe || FAILED(pe->QueryInterface(IID__clsPromptEvents, relay.put_void())))
        return u"no relay";
    BSTR object = SysAllocString(u"pfCode");
    BSTR name = SysAllocString(u"PromptClicked");
    BSTR data = SysAllocString(u"asked");
    relay->RaiseAnEvent(object, name, &data);
    std::u16string answer = data ? data : u"";
    for (BSTR b : {object, name, data})
        SysFreeString(b);
    return answer;
}

struct Case {
    const char* script;
    std::function<void(Form&, ScriptHost&)> drive;
    std::vector<std::string> printed;
    std::vector<std::string> errors;
};

TEST(ScriptHost, FormLogicRunsFromItsScript) {
    PaginorSetClock(1);
    const std::string file = kData + "/live_errors.lua";
    const auto point_and_click = [](Form& form, ScriptHost&) {
        form.mouse(24, 24);
        form.click();
        PaginorDoEvents();
    };
    const Case cases[] = {
        {"live_events.lua",
         [&](Form& form, ScriptHost& script) {
             point_and_click(form, script);
             EXPECT_EQ(raise_through(script), u"C42");
         },
         {"loaded\tPrompt\ttrue\t1\t4", "MouseMove\t0\t0\t120.0\t120.0", "Click",
          "EventRaised\tpfCode\tPromptClicked\tasked"},
         {}},
        {"live_errors.lua",
         point_and_click,
         {"false\t380\tPaginorV2CTL.PromptField\tInvalid property value", "false\t53\tPaginorV2CTL",
          "false\t" + file +
              ":7: Object doesn't support this property or method: NoSuchMember "
              "(error 438)",
          "Click still arrives"},
         {file + ":11: no luck"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        Seen seen;
        Result<Form> form = Form::load(kData + "/live_hover.frm");
        ASSERT_TRUE(form);
        {
            ScriptHost script(form.value.get(),
                              {[&](const std::string& s) { seen.printed.push_back(s); },
                               [&](const std::string& s) { seen.printed.push_back("Msg " + s); },
                               [&](const std::string& s) { seen.errors.push_back(s); }});
            ASSERT_TRUE(script.run(kData + "/" + c.script)) << script.failure();
            script.start();
            c.drive(form.value, script);
        }
        EXPECT_EQ(seen.printed, c.printed);
        EXPECT_EQ(seen.errors, c.errors);
    }
    PaginorSetClock(0);
}

TEST(ScriptHost, AScriptThatDoesNotLoadIsNamedWithItsLine) {
    Result<Form> form = Form::create(u"Empty", 1500, 900);
    ScriptHost script(form.value.get(), {});
    EXPECT_FALSE(script.run(kData + "/live_broken.lua"));
    EXPECT_NE(script.failure().find("live_broken.lua:2:"), std::string::npos) << script.failure();
}

} // namespace
