// Every control of the library placed on a form as a host places it: sited and shown in a
// window of the placed size, a member not built yet failing with E_NOTIMPL and error info
// naming it, and the form saved, read back and loaded with every control in its place.
#include "support/ddoc_test_support.h"

#include "frame/form_file.h"
#include "frame/twips.h"
#include "host/form.h"
#include "platform/core/unicode.h"
#include "platform/window/message.h"
#include "platform/window/window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace paginor;

namespace {

struct Row {
    // The class, and a member not built yet (null when all are built).
    const char16_t *type_name, *unbuilt;
    std::function<HRESULT(IDispatch*)> call_unbuilt;
};

const Row rows[] = {
    {u"DDOC", u"Clear", [](IDispatch* d) { return static_cast<_DDOC*>(d)->Clear(); }},
    {u"HoverButton", nullptr, nullptr},
    {u"PromptField", u"MyName",
     [](IDispatch* d) { return static_cast<_PromptField*>(d)->put_MyName(nullptr); }},
    {u"MultiPrompt", nullptr, nullptr},
    {u"GradientButton", nullptr, nullptr},
    {u"O2007Hover", nullptr, nullptr},
    {u"O2007Check", nullptr, nullptr},
};

// Control i sits at (120, 120 + 600 i) twips, 1200 by 450 twips.
constexpr double kWidth = 1200, kHeight = 450;

void expect_placed(const host::Form& form) {
    ASSERT_EQ(form.controls().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const host::Form::Entry& e = form.controls()[i];
        SCOPED_TRACE(to_utf8(e.type_name));
        EXPECT_EQ(e.type_name, rows[i].type_name);
        ASSERT_NE(e.control, nullptr);
        const platform::HWND hwnd = e.control->hwnd();
        EXPECT_TRUE(platform::IsWindowVisible(hwnd));
        platform::RECT client{};
        ASSERT_TRUE(platform::GetClientRect(hwnd, &client));
        // A multi-value prompt keeps the one row's height it takes while being made.
        const double height = e.type_name == u"MultiPrompt" ? 390 : kHeight;
        EXPECT_EQ(client, (platform::RECT{0, 0, frame::twips_to_pixels(kWidth, frame::Axis::Across),
                                          frame::twips_to_pixels(height, frame::Axis::Down)}));
    }
}

} // namespace

TEST(ControlsOnForm, EveryControlIsPlacedAnswersNotBuiltAndSurvivesSaveAndLoad) {
    std::string file;
    {
        host::Form form(u"Form1", 4800, 4800);
        for (size_t i = 0; i < std::size(rows); ++i) {
            const std::u16string type = rows[i].type_name;
            IDispatch* control = form.add(u"PaginorV2CTL." + type, u"c" + type, 120,
                                          120 + 600 * double(i), kWidth, kHeight);
            if (!rows[i].unbuilt)
                continue;
            SCOPED_TRACE(to_utf8(type));
            EXPECT_EQ(rows[i].call_unbuilt(control), E_NOTIMPL);
            const test::ErrorSeen error = test::take_error();
            EXPECT_EQ(error.source, u"PaginorV2CTL." + type);
            EXPECT_EQ(error.description,
                      rows[i].unbuilt + std::u16string(u" is not implemented yet"));
        }
        platform::DoEvents();
        expect_placed(form);
        file = frame::write_form_file(form.save());
    }
    frame::FormRecord record;
    ASSERT_TRUE(frame::read_form_file(file, record).ok());
    const auto loaded = host::Form::load(record);
    expect_placed(*loaded);
    EXPECT_EQ(loaded->control(u"cPromptField"), loaded->controls()[2].object);
}
