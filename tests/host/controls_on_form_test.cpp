// Every control of the library placed on a form as a host places it: sited and shown in a
// window of the placed size, and the form saved, read back and loaded with every control in
// its place.
#include "support/ddoc_test_support.h"

#include "frame/form_file.h"
#include "frame/twips.h"
#include "host/form.h"
#include "platform/core/unicode.h"
#include "platform/window/message.h"
#include "platform/window/window.h"

#include <gtest/gtest.h>

#include <string>

using namespace paginor;

namespace {

// Every class of the library that is a control.
const char16_t* const rows[] = {u"DDOC",           u"HoverButton", u"PromptField", u"MultiPrompt",
                                u"GradientButton", u"O2007Hover",  u"O2007Check"};

// Control i sits at (120, 120 + 600 i) twips, 1200 by 450 twips.
constexpr double kWidth = 1200, kHeight = 450;

void expect_placed(const host::Form& form) {
    ASSERT_EQ(form.controls().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const host::Form::Entry& e = form.controls()[i];
        SCOPED_TRACE(to_utf8(e.type_name));
        EXPECT_EQ(e.type_name, rows[i]);
        ASSERT_NE(e.control, nullptr);
        const platform::HWND hwnd = e.control->hwnd();
        EXPECT_TRUE(platform::IsWindowVisible(hwnd));
        platform::RECT client{};
        ASSERT_TRUE(platform::GetClientRect(hwnd, &client));
        // The prompts keep the one row's height they set themselves while being made.
        const double height =
            e.type_name == u"PromptField" || e.type_name == u"MultiPrompt" ? 390 : kHeight;
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
            const std::u16string type = rows[i];
            form.add(u"PaginorV2CTL." + type, u"c" + type, 120, 120 + 600 * double(i), kWidth,
                     kHeight);
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
