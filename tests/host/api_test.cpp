// The public host API as a host outside the library uses it: forms, controls, input,
// the manual clock, pixels, events, the C++ wrapper, and the errors of bad calls.
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include "support/scratch.h"

#include "platform/core/clock.h"
#include "platform/window/timer.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace paginor;

namespace {

constexpr const char16_t* kHover = u"PaginorV2CTL.O2007Hover";
const std::string kData = PAGINOR_TEST_DATA_DIR;

// Each event as "<dispid> <name>".
void record(void* context, DISPID id, const OLECHAR* name, DISPPARAMS*) {
    static_cast<std::vector<std::u16string>*>(context)->push_back(char16_t(u'0' + id) +
                                                                  (u" " + std::u16string(name)));
}

// A form of one hover button at (8, 8) px, 32 x 32, with its three pictures.
struct HoverForm {
    Form form = Form::create(u"Api", 1500, 900).value;
    Control button = form.add(kHover, u"hOne", 120, 120, 480, 480).value;
    HoverForm() {
        const std::pair<const char16_t*, std::string> pictures[] = {
            {u"NormalImage", "normal"}, {u"HoverImage", "hover"}, {u"InactiveImage", "inactive"}};
        for (const auto& [member, file] : pictures) {
            const std::string path = kData + "/o2007hover_pic_" + file + ".png";
            Ref<IDispatch> picture;
            EXPECT_EQ(
                PaginorLoadPicture(std::u16string(path.begin(), path.end()).c_str(), picture.put()),
                S_OK);
            EXPECT_TRUE(button.put(member, Variant(picture.get())));
        }
    }
};

TEST(HostApi, APointerAndAClickReachTheControlAsEventsAndPixels) {
    HoverForm host;
    std::vector<std::u16string> seen;
    DWORD cookie = 0;
    ASSERT_EQ(PaginorAdvise(host.button.object(), record, &seen, &cookie), S_OK);
    const OLE_COLOR rest = host.form.pixel(12, 12).value;
    ASSERT_TRUE(host.form.mouse(12, 12));
    PaginorDoEvents();
    const OLE_COLOR hovered = host.form.pixel(12, 12).value;
    EXPECT_NE(rest, hovered);
    ASSERT_TRUE(host.form.click());
    PaginorDoEvents();
    ASSERT_EQ(PaginorUnadvise(host.button.object(), cookie), S_OK);
    host.form.mouse(60, 50);
    PaginorDoEvents();
    const std::vector<std::u16string> expected{u"2 MouseMove", u"3 Click"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(PaginorUnadvise(host.button.object(), cookie), CONNECT_E_NOCONNECTION);
    // Moved by the host, the button paints at its new place and leaves the form behind.
    const OLE_COLOR form_back = host.form.pixel(80, 50).value;
    ASSERT_TRUE(host.form.move(u"hOne", 600, 120, 480, 480));
    EXPECT_EQ(host.form.pixel(12, 12).value, form_back);
    EXPECT_EQ(host.form.pixel(44, 12).value, rest);
}

TEST(HostApi, ASavedFormLoadsBackWithItsControlsAndProperties) {
    test::Scratch scratch;
    const std::string path = (scratch.dir() / "api.frm").string();
    {
        HoverForm host;
        ASSERT_TRUE(host.button.put(u"HoverText", u"Prompt"));
        ASSERT_TRUE(host.form.save(path));
    }
    Result<Form> loaded = Form::load(path);
    ASSERT_TRUE(loaded) << std::string(loaded.error.description.begin(),
                                       loaded.error.description.end());
    Result<Control> button = loaded.value.control(u"HONE");
    ASSERT_TRUE(button);
    EXPECT_EQ(button.value.get(u"HoverText").value.to_string(), u"Prompt");
    LONG width = 0, height = 0;
    EXPECT_EQ(PaginorFormSize(loaded.value.get(), &width, &height), S_OK);
    EXPECT_EQ(width * 10000 + height, 100 * 10000 + 60);
}

TEST(HostApi, TheManualClockRunsEveryTimerDueOnTheWayInOrder) {
    ASSERT_EQ(PaginorAdvanceClock(10), E_UNEXPECTED);
    ASSERT_EQ(PaginorSetClock(1), S_OK);
    ASSERT_EQ(PaginorSetLocalTime(2026, 2, 29, 0, 0, 0), E_INVALIDARG);
    ASSERT_EQ(PaginorSetLocalTime(2024, 2, 29, 23, 59, 59), S_OK);
    static std::vector<std::pair<uintptr_t, DWORD>> ticks;
    Form form = Form::create(u"Clock", 300, 300).value;
    const DWORD start = platform::GetTickCount();
    auto proc = [](platform::HWND, UINT, uintptr_t id, DWORD) {
        ticks.push_back({id, platform::GetTickCount()});
    };
    const uintptr_t a = platform::SetTimer(0, 0, 30, proc);
    const uintptr_t b = platform::SetTimer(0, 0, 50, proc);
    ASSERT_EQ(PaginorAdvanceClock(100), S_OK);
    const std::vector<std::pair<uintptr_t, DWORD>> expected{
        {a, start + 30}, {b, start + 50}, {a, start + 60}, {a, start + 90}, {b, start + 100}};
    EXPECT_EQ(ticks, expected);
    EXPECT_EQ(platform::GetTickCount(), start + 100);
}

TEST(HostApi, BadCallsGiveClearErrorsWithErrorInfo) {
    PaginorForm* closed = nullptr;
    ASSERT_EQ(PaginorFormCreate(u"Closed", 300, 300, 1, &closed), S_OK);
    PaginorFormClose(closed);
    HoverForm host;
    PaginorForm* form = host.form.get();
    IDispatch* none = nullptr;
    OLE_COLOR colour = 0;
    const std::u16string missing = u"/nonexistent/picture.png";
    const struct {
        const char* call;
        HRESULT got;
        HRESULT hr;
        const char16_t* says;
    } cases[] = {
        {"null form", PaginorFormMouse(nullptr, 1, 1), E_POINTER, u"No form"},
        {"closed form", PaginorFormMouse(closed, 1, 1), E_HANDLE, u"The form is closed"},
        {"unknown control", PaginorFormControl(form, u"hNone", &none), E_INVALIDARG, u"hNone"},
        {"outside", PaginorFormMouse(form, 100, 5), E_INVALIDARG, u"outside"},
        {"pixel outside", PaginorFormPixel(form, -1, 0, &colour), E_INVALIDARG, u"outside"},
        {"button 3", PaginorFormButton(form, 3, 1), E_INVALIDARG, u"1 (left)"},
        {"key 255", PaginorFormKey(form, 255, 1), E_INVALIDARG, u"1 to 254"},
        {"tiny form", PaginorFormCreate(u"x", 1, 1, 1, &closed), E_INVALIDARG, u"1 to 32767"},
        {"same name", PaginorFormAdd(form, kHover, u"HONE", 0, 0, 9, 9, nullptr),
         PAGINOR_STANDARD_ERROR(5), u"hone"},
        {"not a control",
         PaginorFormAdd(form, u"PaginorV2CTL.cEventBroker", u"b", 0, 0, 9, 9, nullptr),
         PAGINOR_STANDARD_ERROR(5), u"not a control"},
        {"no class", PaginorFormAdd(form, u"Nobody.Nothing", u"n", 0, 0, 9, 9, nullptr),
         PAGINOR_STANDARD_ERROR(429), u"Nobody.Nothing"},
        {"no picture file", PaginorLoadPicture(missing.c_str(), &none), PAGINOR_STANDARD_ERROR(53),
         u"picture.png"},
        {"twips", PaginorSetTwipsPerPixel(15, 0), E_INVALIDARG, u"1 to 1440"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.got, c.hr) << c.call;
    }
    // Error info is the last call's only, so each is checked by repeating it.
    const Error unknown = Error::last(PaginorFormControl(form, u"hNone", &none));
    EXPECT_NE(unknown.description.find(u"hNone"), std::u16string::npos);
    EXPECT_EQ(unknown.source, u"PaginorV2CTL.Host");
    const Error no_file = Error::last(PaginorLoadPicture(missing.c_str(), &none));
    EXPECT_EQ(no_file.number, 53);
}

TEST(HostApi, LateBoundHelpersCarryTheErrorOfTheMember) {
    HoverForm host;
    EXPECT_TRUE(host.button.put(u"HoverText", 42));
    EXPECT_EQ(host.button.get(u"HoverText").value.to_string(), u"42");
    const Result<Variant> unknown = host.button.get(u"NoSuchMember");
    EXPECT_EQ(unknown.error.hr, DISP_E_UNKNOWNNAME);
    const Control viewer = host.form.add(u"PaginorV2CTL.DDOC", u"dView", 0, 0, 900, 600).value;
    const auto later = viewer.call(u"SetIndexFields", u"<fields><unclosed>");
    EXPECT_FALSE(later);
    EXPECT_EQ(later.error.source, u"PaginorV2CTL.DDOC");
    EXPECT_FALSE(later.error.description.empty());
    EXPECT_TRUE(host.button.call(u"SetButtonActive", false));
    EXPECT_EQ(Control().get(u"x").error.hr, E_POINTER);
}

TEST(HostApi, CallsFromAnotherThreadAreRefused) {
    Form form = Form::create(u"Owner", 300, 300).value;
    HRESULT elsewhere = S_OK;
    std::thread([&] { elsewhere = PaginorFormMouse(form.get(), 1, 1); }).join();
    EXPECT_EQ(elsewhere, RPC_E_WRONG_THREAD);
    EXPECT_TRUE(form.mouse(1, 1));
}

} // namespace
