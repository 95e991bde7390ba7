// searchdemo OUT DOCUMENT: the road of one search on one form. The user picks "Any of" in
// a MultiPrompt, clicks its prompt button, and the host's look-up (here a relay listener)
// answers by adding two words; Enter in the value box sends "Go" through the broker, and
// the host reads the criteria it searches with (OUT_steps.png). The host's search, outside
// this library, finds DOCUMENT; it gives the viewer below the prompt the criteria as its
// hit list, an index path and the document's index fields, then the document, and shows
// it in the HTML view (OUT_html.png) and the rich-text view (OUT_rtf.png).
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include <cstdio>
#include <string>
#include <string_view>

using namespace paginor;

namespace {

// UTF-8 for the terminal; the demo's texts are all in the Basic Multilingual Plane.
std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6), out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | c >> 12), out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// A command-line path as the library's text; a byte that is no UTF-8 stays as itself.
std::u16string widen(std::string_view text) {
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = text[i];
        const size_t more = c >= 0xF0 && c < 0xF5 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : 0;
        bool valid = more > 0;
        for (size_t k = 1; valid && k <= more; ++k)
            valid = i + k < text.size() && (text[i + k] & 0xC0) == 0x80;
        if (!valid) {
            out += char16_t(c);
            continue;
        }
        char32_t code = c & (0x3F >> more);
        for (size_t k = 1; k <= more; ++k)
            code = code << 6 | (text[i + k] & 0x3F);
        if (code >= 0x10000)
            out += char16_t(0xD7C0 + (code >> 10)), out += char16_t(0xDC00 | (code & 0x3FF));
        else
            out += char16_t(code);
        i += more;
    }
    return out;
}

Ref<IDispatch> make(REFCLSID clsid) {
    Ref<IClassFactory> factory;
    Ref<IDispatch> object;
    if (SUCCEEDED(DllGetClassObject(clsid, IID_IClassFactory, factory.put_void())))
        factory->CreateInstance(nullptr, IID_IDispatch, object.put_void());
    return object;
}

struct Host {
    Control prompt;
    bool looked_up = false;
};

// The relay: "PromptClicked" opens the host's look-up, which adds what the user chose.
void relay_event(void* context, DISPID, const OLECHAR*, DISPPARAMS* params) {
    auto* host = static_cast<Host*>(context);
    const std::u16string sender = *params->rgvarg[2].pbstrVal;
    const std::u16string event = *params->rgvarg[1].pbstrVal;
    std::printf("relay:  %s %s \"%s\"\n", narrow(sender).c_str(), narrow(event).c_str(),
                narrow(*params->rgvarg[0].pbstrVal ? *params->rgvarg[0].pbstrVal : u"").c_str());
    if (event == u"PromptClicked" && !host->looked_up) {
        host->looked_up = true;
        host->prompt.call(u"AddSelection", u"contract", u"contract");
        host->prompt.call(u"AddSelection", u"Müller", u"Müller (client)");
    }
}

void broker_event(void*, DISPID, const OLECHAR*, DISPPARAMS* params) {
    std::printf("broker: %s %s\n", narrow(*params->rgvarg[2].pbstrVal).c_str(),
                narrow(*params->rgvarg[1].pbstrVal).c_str());
}

// Steps 3 and 4: the host's search found `document`; the viewer shows it with every hit
// of the criteria marked, in each of its two views.
bool show_results(const Form& form, const Control& viewer, const std::u16string& criteria,
                  const std::u16string& document, const std::string& out) {
    viewer.put(u"TheHits", std::u16string_view(criteria));
    viewer.put(u"TheIndexPath", u"/srv/index/letters");
    viewer.call(u"SetIndexFields",
                u"<UserFields><Client>Müller &amp; Söhne</Client><Matter>42</Matter></UserFields>");
    if (const Status loaded = viewer.put(u"TheDocument", std::u16string_view(document)); !loaded) {
        std::printf("TheDocument: %s\n", narrow(loaded.error.description).c_str());
        return false;
    }
    bool rendered = true;
    for (LONG view : {0, 1}) {
        viewer.put(u"TheView", view);
        PaginorDoEvents();
        const std::string png = out + (view == 0 ? "_html.png" : "_rtf.png");
        rendered = rendered && form.render(png);
        std::printf("TheView = %ld: %s\n", static_cast<long>(view), png.c_str());
    }
    return rendered;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: searchdemo OUT DOCUMENT\n");
        return 2;
    }
    const std::string out = argv[1];
    PaginorSetClock(TRUE);
    PaginorSetLocalTime(2026, 12, 5, 9, 0, 0);
    Form form = Form::create(u"Search", 8400, 6600).value;
    Host host;
    host.prompt = form.add(u"PaginorV2CTL.MultiPrompt", u"mpWords", 120, 240, 7800, 390).value;
    const Control viewer = form.add(u"PaginorV2CTL.DDOC", u"dView", 120, 840, 8160, 5640).value;
    Ref<IDispatch> relay = make(CLSID_clsPromptEvents), broker = make(CLSID_cEventBroker);
    DWORD relay_cookie = 0, broker_cookie = 0;
    if (!host.prompt || !viewer || !relay || !broker ||
        FAILED(PaginorAdvise(relay.get(), relay_event, &host, &relay_cookie)) ||
        FAILED(PaginorAdvise(broker.get(), broker_event, &host, &broker_cookie))) {
        std::fprintf(stderr, "searchdemo: the library's classes are not available\n");
        return 1;
    }
    Control& mp = host.prompt;
    mp.put(u"MyName", u"TEXT");
    {
        OLECHAR name[] = u"PE";
        OLECHAR* names[] = {name};
        DISPID id = 0;
        mp.object()->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
        Variant value(relay.get());
        detail::invoke(*mp.object(), id, DISPATCH_PROPERTYPUTREF, &value, 1);
    }
    mp.call(u"SetEventBroker", broker.get());
    mp.put(u"Caption", u"Words");
    mp.call(u"ResetControl");
    PaginorDoEvents();

    // Step 1: "Any of" chosen in the type list with the keyboard, then the prompt button.
    const LONG type_x = 8 + 48 + 40, row_y = 16 + 13;
    form.mouse(type_x, row_y), form.click(), PaginorDoEvents();
    form.key(27, true), form.key(27, false); // close the list it opened
    form.key(40, true), form.key(40, false); // Down: "Any of"
    PaginorDoEvents();
    const LONG prompt_x = 8 + (7800 - 780) / 15 + 13;
    PaginorAdvanceClock(600);
    form.mouse(prompt_x, row_y), form.click(), PaginorDoEvents();

    // Step 2: Enter in the value box sends "Go"; the host reads its criteria.
    form.key(13, true), form.key(13, false);
    PaginorDoEvents();
    const std::u16string criteria = mp.get(u"MyCode").value.to_string();
    std::printf("MyCode:        %s\n", narrow(criteria).c_str());
    std::printf("MyDescription: %s\n", narrow(mp.get(u"MyDescription").value.to_string()).c_str());
    std::printf("saved:         %s\n",
                narrow(mp.get(u"OriginalTextValue").value.to_string()).c_str());
    bool rendered = static_cast<bool>(form.render(out + "_steps.png"));
    std::printf("%s_steps.png\n", out.c_str());

    rendered = show_results(form, viewer, criteria, widen(argv[2]), out) && rendered;
    PaginorUnadvise(relay.get(), relay_cookie);
    PaginorUnadvise(broker.get(), broker_cookie);
    return rendered ? 0 : 1;
}
