// searchdemo PNG: steps 1 and 2 of one search. The user picks "Any of" in a MultiPrompt,
// clicks its prompt button, and the host's look-up (here a relay listener) answers by
// adding two authors; Enter in the value box sends "Go" through the broker, and the host
// reads the criteria it would search with.
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include <cstdio>
#include <string>

using namespace paginor;

namespace {

std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text)
        out += c < 128 ? char(c) : '?';
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
        host->prompt.call(u"AddSelection", u"JSMITH", u"Jane Smith");
        host->prompt.call(u"AddSelection", u"PLEE", u"Peter Lee");
    }
}

void broker_event(void*, DISPID, const OLECHAR*, DISPPARAMS* params) {
    std::printf("broker: %s %s\n", narrow(*params->rgvarg[2].pbstrVal).c_str(),
                narrow(*params->rgvarg[1].pbstrVal).c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: searchdemo OUT.png\n");
        return 2;
    }
    PaginorSetClock(TRUE);
    PaginorSetLocalTime(2026, 12, 5, 9, 0, 0);
    Form form = Form::create(u"Search", 8400, 1200).value;
    Host host;
    host.prompt = form.add(u"PaginorV2CTL.MultiPrompt", u"mpAuthor", 120, 240, 7800, 390).value;
    Ref<IDispatch> relay = make(CLSID_clsPromptEvents), broker = make(CLSID_cEventBroker);
    DWORD relay_cookie = 0, broker_cookie = 0;
    if (!host.prompt || !relay || !broker ||
        FAILED(PaginorAdvise(relay.get(), relay_event, &host, &relay_cookie)) ||
        FAILED(PaginorAdvise(broker.get(), broker_event, &host, &broker_cookie))) {
        std::fprintf(stderr, "searchdemo: the library's classes are not available\n");
        return 1;
    }
    Control& mp = host.prompt;
    mp.put(u"MyName", u"AUTHOR");
    {
        OLECHAR name[] = u"PE";
        OLECHAR* names[] = {name};
        DISPID id = 0;
        mp.object()->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
        Variant value(relay.get());
        detail::invoke(*mp.object(), id, DISPATCH_PROPERTYPUTREF, &value, 1);
    }
    mp.call(u"SetEventBroker", broker.get());
    mp.put(u"Caption", u"Author");
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
    std::printf("MyCode:        %s\n", narrow(mp.get(u"MyCode").value.to_string()).c_str());
    std::printf("MyDescription: %s\n", narrow(mp.get(u"MyDescription").value.to_string()).c_str());
    std::printf("saved:         %s\n",
                narrow(mp.get(u"OriginalTextValue").value.to_string()).c_str());
    const bool rendered = static_cast<bool>(form.render(argv[1]));
    std::printf("%s\n", rendered ? argv[1] : "the form could not be written");
    PaginorUnadvise(relay.get(), relay_cookie);
    PaginorUnadvise(broker.get(), broker_cookie);
    return rendered ? 0 : 1;
}
