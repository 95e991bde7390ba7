// The multi-value prompt's two readers of outside text: a saved selection assigned to
// OriginalTextValue, and a year, month or day typed under "In". The first byte picks the
// style and value type; the rest is the text. Nothing may fail or throw; what the control
// then holds must be a selection document it can read back, and an "In" criterion is
// empty, one day, or a range of eight-digit days whose start is not after its end.
#include "bodies.h"

#include "automation/ref.h"
#include "automation/variant.h"
#include "frame/user_control.h"
#include "library/classes.h"
#include "platform/core/unicode.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"
#include "platform/xml/xml.h"

#include <paginor/PaginorV2CTL.h>

#include <string>

namespace paginor::fuzz {

namespace {

class Site final : public frame::ControlSite {
  public:
    platform::HWND window{0};
    platform::HWND site_window() override { return window; }
    bool ambient_user_mode() override { return true; }
    void on_property_changed(IUnknown*, DISPID) override {}
};

// Runs body on a sited MultiPrompt of the style, the value type and MyName "F", with a
// value list of two rows and the type list rebuilt for the value type.
template <class Body> bool with_prompt(int style, int val_type, int sel_type, Body&& body) {
    platform::WindowSystemScope scope;
    platform::WindowDesc desc;
    desc.rect = {0, 0, 600, 100};
    Site site;
    site.window = platform::CreateWindow(desc);
    automation::Ref<IDispatch> object =
        automation::Ref<IDispatch>::adopt(library::make_MultiPrompt());
    frame::UserControl* control = frame::UserControl::from(object.get());
    control->site(&site, 0, 0, 7200, 390);
    control->init_properties();
    control->show();
    automation::Ref<_MultiPrompt> mp;
    object->QueryInterface(IID__MultiPrompt, mp.put_void());
    automation::Bstr name(u"F"), c1(u"C1"), d1(u"Row (one) & \"x\""), c2(u"C2");
    bool ok =
        mp->put_MyStyle(enuMPStyle(style)) == S_OK &&
        mp->put_ValType(enuMPValType(val_type)) == S_OK && mp->put_MyName(name.get()) == S_OK &&
        mp->AddDropdownEntry(c1.get(), c1.get(), d1.get()) == S_OK &&
        mp->AddDropdownEntry(c2.get(), c2.get(), c2.get()) == S_OK &&
        mp->put_DefaultSelType(enuMPDefaultSelType(sel_type)) == S_OK && mp->ResetControl() == S_OK;
    fuzz_check(ok, "a multi-value prompt takes its set-up");
    const bool taken = body(*mp);
    control->terminate();
    return taken;
}

std::u16string read(_MultiPrompt& mp, HRESULT (_MultiPrompt::*get)(BSTR*)) {
    automation::Bstr out;
    fuzz_check((mp.*get)(out.out()) == S_OK, "a criterion or the document reads");
    return out.str();
}

bool is_day(std::u16string_view text) {
    if (text.size() != 8)
        return false;
    for (char16_t c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Text as an attribute value: markup escaped, characters XML cannot hold left out.
std::u16string attribute_text(std::u16string_view text) {
    std::u16string out;
    for (char16_t c : text) {
        if (c == u'&')
            out += u"&amp;";
        else if (c == u'<')
            out += u"&lt;";
        else if (c == u'"')
            out += u"&quot;";
        else if (c >= 0x20 && (c < 0xD800 || c > 0xDFFF) && c != 0xFFFE && c != 0xFFFF)
            out += c;
    }
    return out;
}

} // namespace

bool multiprompt_restore(const uint8_t* data, size_t size) {
    if (size == 0)
        return false;
    const int style = data[0] % 5, val_type = (data[0] >> 3) % 4, sel_type = (data[0] >> 5) % 3;
    const std::u16string text =
        from_utf8(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    return with_prompt(style, val_type, sel_type, [&](_MultiPrompt& mp) {
        automation::Bstr saved(text);
        fuzz_check(mp.put_OriginalTextValue(saved.get()) == S_OK, "a restore never fails");
        platform::XmlDocument doc;
        fuzz_check(doc.load(read(mp, &_MultiPrompt::get_OriginalTextValue)).ok &&
                       doc.root().name() == u"root",
                   "the restored selection reads back as a selection document");
        return platform::XmlDocument().load(text).ok;
    });
}

bool multiprompt_in(const uint8_t* data, size_t size) {
    const std::u16string typed =
        from_utf8(std::string_view(reinterpret_cast<const char*>(data), size));
    return with_prompt(3, 2, 0, [&](_MultiPrompt& mp) {
        automation::Bstr saved(u"<root multi=\"In\"><val content=\"" + attribute_text(typed) +
                               u"\"/></root>");
        fuzz_check(mp.put_OriginalTextValue(saved.get()) == S_OK, "typed text never fails");
        const std::u16string criterion = read(mp, &_MultiPrompt::get_MyDescription);
        if (criterion.empty())
            return false;
        const std::u16string head = u"(F contains (";
        fuzz_check(criterion.starts_with(head) && criterion.ends_with(u"))"),
                   "an In criterion is one term");
        const std::u16string_view value =
            std::u16string_view(criterion).substr(head.size(), criterion.size() - head.size() - 2);
        const bool day = is_day(value);
        const bool range = value.size() == 18 && is_day(value.substr(0, 8)) &&
                           value.substr(8, 2) == u"~~" && is_day(value.substr(10)) &&
                           value.substr(0, 8) <= value.substr(10);
        fuzz_check(day || range, "an In criterion is a day or an ordered range of days");
        return true;
    });
}

} // namespace paginor::fuzz
