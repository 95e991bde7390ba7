// A form as a host keeps it: O2007Hover buttons created by ProgID, saved to a form file
// and loaded back, rendered headless and compared with golden pictures, and every
// reference and drawing object given back at the end.
#include "support/hover_host.h"
#include "support/raster_golden.h"

#include "frame/user_control.h"
#include "platform/core/base64.h"
#include "platform/raster/gdi.h"
#include "platform/window/window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>

using namespace paginor;
using namespace paginor::test;
using testing_support::MatchesGolden;

namespace {

std::string file_base64(const char* name, const std::string& indent) {
    std::ifstream in(std::string(PAGINOR_TEST_DATA_DIR "/") + name, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const std::string b64 = platform::base64_encode(bytes);
    std::string out;
    for (size_t i = 0; i < b64.size(); i += 64)
        out += indent + b64.substr(i, 64) + "\n";
    return out;
}

class FormHost : public HoverHost {};

// hOne starts fresh (HoverInactive True), hTwo from an empty bag (HoverInactive False).
TEST_F(FormHost, SavesTheBagInWriteOrderAndLoadsBack) {
    ASSERT_EQ(button->putref_NormalImage(normal.get()), S_OK);
    automation::Bstr text(u"Prompt");
    ASSERT_EQ(button->put_HoverText(text.get()), S_OK);
    const frame::PropertyBag empty;
    form->add(u"PaginorV2CTL.O2007Hover", u"hTwo", 600, 120, 240, 240, &empty);

    const std::string file = frame::write_form_file(form->save());
    // A button's block: "Begin" with its name, its place, then its bag in write order.
    const auto block = [](const char* name, int left, int side, const std::string& normal,
                          const char* text, const char* inactive) {
        const auto line = [](const std::string& entry) { return "        " + entry + "\n"; };
        return "    Begin PaginorV2CTL.O2007Hover " + std::string(name) + "\n" +
               line("Left = " + std::to_string(left)) + line("Top = 120") +
               line("Width = " + std::to_string(side)) + line("Height = " + std::to_string(side)) +
               line("NormalImage = " + normal) + line("InactiveImage = Nothing") +
               line("HoverImage = Nothing") + line("BackColor = Colour &H8000000F&") +
               line("Enabled = Boolean True") + line("HoverText = String " + std::string(text)) +
               line("HoverInactive = Boolean " + std::string(inactive)) + "    End\n";
    };
    const std::string picture =
        "Picture {\n" + file_base64("o2007hover_pic_normal.png", "            ") + "        }";
    const std::string expected =
        "PaginorForm 1\nBegin Form Form1\n    Width = 960\n    Height = 600\n"
        "    BackColor = &H00FFFFFF&\n" +
        block("hOne", 120, 360, picture, "\"Prompt\"", "True") +
        block("hTwo", 600, 240, "Nothing", "\"\"", "False") + "End\n";
    EXPECT_EQ(file, expected);

    frame::FormRecord record;
    ASSERT_TRUE(frame::read_form_file(file, record).ok());
    auto loaded = host::Form::load(record);
    ASSERT_EQ(frame::write_form_file(loaded->save()), file) << "a second save changes nothing";
    auto* one = static_cast<_O2007Hover*>(loaded->control(u"hOne"));
    Ref<IPictureDisp> pic;
    ASSERT_EQ(one->get_NormalImage(pic.put()), S_OK);
    ASSERT_TRUE(pic);
    EXPECT_EQ(frame::StdPicture::from(pic.get())->width_px(), 16);
}

TEST_F(FormHost, DamagedBagEntriesKeepDefaultsAndTheRestIsRead) {
    frame::PropertyBag bag;
    bag.append({u"NormalImage", frame::BagValue::string(u"not a picture")});
    bag.append({u"BackColor", frame::BagValue::colour(0x000000FF)});
    bag.append({u"Enabled", frame::BagValue::string(u"perhaps")});
    bag.append({u"HoverText", frame::BagValue::picture({1, 2})});
    bag.append({u"HoverInactive", frame::BagValue::boolean(true)});
    auto* b = static_cast<_O2007Hover*>(
        form->add(u"PaginorV2CTL.O2007Hover", u"hBad", 600, 120, 240, 240, &bag));
    OLE_COLOR colour = 0;
    VARIANT_BOOL enabled = 0, hover_inactive = 0;
    Ref<IPictureDisp> pic;
    automation::Bstr text;
    const HRESULT reads[] = {b->get_BackColor(&colour), b->get_Enabled(&enabled),
                             b->get_HoverInactive(&hover_inactive), b->get_NormalImage(pic.put()),
                             b->get_HoverText(text.out())};
    EXPECT_THAT(reads, ::testing::Each(S_OK));
    EXPECT_EQ(std::tie(colour, enabled, hover_inactive),
              std::make_tuple(0xFFu, VARIANT_TRUE, VARIANT_TRUE));
    EXPECT_FALSE(pic);
    EXPECT_EQ(text.view(), u"");
}

TEST_F(FormHost, PropertyChangedCarriesTheMembersDispid) {
    ASSERT_EQ(button->putref_NormalImage(normal.get()), S_OK);
    ASSERT_EQ(button->put_BackColor(0x00FF0000), S_OK);
    automation::Bstr text(u"x");
    ASSERT_EQ(button->put_HoverText(text.get()), S_OK); // not marked
    ASSERT_EQ(button->put_Enabled(VARIANT_FALSE), S_OK);
    ASSERT_EQ(button->put_HoverInactive(VARIANT_FALSE), S_OK);
    frame::UserControl::from(disp)->PropertyChanged(u"NoSuchMember");
    std::vector<host::Form::Change> expected;
    for (DISPID id : {0x68030001, 0x68030003, 0x68030004, 0x68030007, -1})
        expected.push_back({u"hOne", id});
    EXPECT_EQ(form->changes(), expected);
    EXPECT_TRUE(form->dirty());
    form->save();
    EXPECT_FALSE(form->dirty());
}

TEST_F(FormHost, TwipsPerPixelIsReadAtEveryLayout) {
    frame::UserControl* uc = frame::UserControl::from(disp);
    const auto sizes = [uc] {
        return std::array{int(uc->ScaleWidth()), int(uc->ScaleHeight()), int(uc->Width()),
                          int(uc->Height())};
    };
    EXPECT_EQ(sizes(), (std::array{24, 24, 360, 360}));
    platform::set_screen_twips_per_pixel(12);
    uc->move(120, 120, 360, 366); // 30 x 30.5 -> 31 px (nearest)
    EXPECT_EQ(sizes(), (std::array{30, 31, 360, 372}));
    platform::set_screen_twips_per_pixel(15);
}

TEST_F(FormHost, ReleasingTheFormGivesEverythingBack) {
    set_pictures(true);
    move(10, 10); // a tracker now exists and hooks the window
    const platform::GdiCounts before = platform::gdi_object_counts();
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(button->put_BackColor(0x00000000u + i), S_OK);
        form->render();
        EXPECT_EQ(platform::gdi_object_counts(), before) << "after paint " << i;
    }
    const platform::HWND hwnd = self().hwnd();
    form.reset();
    EXPECT_FALSE(platform::IsWindow(hwnd));
    EXPECT_NE(DllCanUnloadNow(), S_OK) << "the test still holds its pictures";
    for (Ref<IDispatch>* p : {&normal, &hover, &inactive})
        EXPECT_EQ(p->detach()->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
    EXPECT_EQ(platform::gdi_object_counts().bitmaps, 0);
}

TEST_F(FormHost, RendersRestHoverAndInactiveLooks) {
    frame::UserControl::from(disp)->move(120, 120, 240, 240); // 16 x 16, like the others
    IDispatch* added = form->add(u"PaginorV2CTL.O2007Hover", u"hHover", 420, 120, 240, 240);
    EXPECT_EQ(added, form->control(u"hHover"));
    form->add(u"PaginorV2CTL.O2007Hover", u"hInactive", 720, 120, 240, 240);
    for (const char16_t* name : {u"hOne", u"hHover", u"hInactive"}) {
        auto* b = static_cast<_O2007Hover*>(form->control(name));
        ASSERT_EQ(b->putref_NormalImage(normal.get()), S_OK);
        ASSERT_EQ(b->putref_HoverImage(hover.get()), S_OK);
        ASSERT_EQ(b->putref_InactiveImage(inactive.get()), S_OK);
    }
    EXPECT_TRUE(MatchesGolden(form->render(), "form_rest", 2, 0));
    static_cast<_O2007Hover*>(form->control(u"hInactive"))->put_Enabled(VARIANT_FALSE);
    move(30, 10); // over hHover's picture (28..43)
    EXPECT_TRUE(MatchesGolden(form->render(), "form_hover_inactive", 2, 0));
    move(60, 35); // off every button
    EXPECT_TRUE(MatchesGolden(form->render(), "form_rest_inactive", 2, 0));
}

TEST_F(FormHost, RendersTheToolTipOverTheForm) {
    // A form tall enough for the tip, which shows 20 px below the pointer.
    form.reset();
    form = std::make_unique<host::Form>(u"Form1", 2400, 1200, 0x00FFFFFF);
    disp = form->add(u"PaginorV2CTL.O2007Hover", u"hOne", 120, 120, 240, 240);
    button = static_cast<_O2007Hover*>(disp);
    set_pictures(true);
    automation::Bstr text(u"Prompt");
    ASSERT_EQ(button->put_HoverText(text.get()), S_OK);
    platform::SetActiveWindow(form->hwnd());
    move(12, 12);
    advance(400);
    const platform::HWND tip = self().tool_tip()->window();
    ASSERT_NE(tip, 0u);
    platform::RECT r{};
    platform::GetWindowRect(tip, &r); // at (12, 32), as the exact golden shows
    EXPECT_TRUE(MatchesGolden(form->render(), "form_tooltip", 0, 0));
    platform::ShowWindow(tip, platform::SW_HIDE);
    const platform::Image hidden = form->render();
    EXPECT_EQ(hidden.pixels[size_t(r.top) * hidden.width + r.left], 0xFFFFFFFFu)
        << "a hidden top-level window is not drawn";
}

} // namespace
