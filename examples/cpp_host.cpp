// A C++ host: the same form as c_host.c through the C++ wrapper. A form with one
// O2007Hover button, its events printed, the pointer moved onto it and a click, the form
// rendered to PNG, saved and loaded back; errors printed with their description.
//   cpp_host PICTURE_DIR OUT_DIR
#include <paginor/form.h>

#include <iostream>
#include <string>

namespace {

std::string narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end()); // ASCII is enough here
}

void on_event(void* context, DISPID id, const OLECHAR* name, DISPPARAMS* params) {
    std::cout << static_cast<const char*>(context) << " raised " << narrow(name) << " (DISPID "
              << id << ", " << params->cArgs << " arguments)\n";
}

template <class R> bool ok(const R& result, const char* what) {
    if (!result)
        std::cerr << "cpp_host: " << what << ": " << narrow(result.error.description) << " (error "
                  << result.error.number << ")\n";
    return static_cast<bool>(result);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return std::cerr << "usage: cpp_host PICTURE_DIR OUT_DIR\n", 2;
    const std::string pictures = argv[1], out = argv[2];
    PaginorSetClock(TRUE);
    paginor::Result<paginor::Form> form = paginor::Form::create(u"CppHost", 900, 600);
    if (!ok(form, "form"))
        return 1;
    paginor::Result<paginor::Control> button =
        form.value.add(u"PaginorV2CTL.O2007Hover", u"hOne", 120, 120, 240, 240);
    if (!ok(button, "add"))
        return 1;
    const std::pair<const char16_t*, std::string> images[] = {{u"NormalImage", "normal"},
                                                              {u"HoverImage", "hover"}};
    for (const auto& [member, file] : images) {
        const std::string path = pictures + "/o2007hover_pic_" + file + ".png";
        const auto picture = paginor::LoadPicture(std::u16string(path.begin(), path.end()));
        if (!ok(picture, "picture") || !ok(button.value.put(member, picture.value.get()), "put"))
            return 1;
    }
    DWORD cookie = 0;
    PaginorAdvise(button.value.object(), on_event, const_cast<char*>("hOne"), &cookie);
    form.value.mouse(12, 12);
    form.value.click();
    PaginorDoEvents();
    if (ok(form.value.render(out + "/cpp_host.png"), "render"))
        std::cout << "rendered " << out << "/cpp_host.png\n";
    ok(form.value.save(out + "/cpp_host.frm"), "save");
    PaginorUnadvise(button.value.object(), cookie);
    form = {};
    paginor::Result<paginor::Form> loaded = paginor::Form::load(out + "/cpp_host.frm");
    if (!ok(loaded, "load") || !ok(loaded.value.control(u"hOne"), "control"))
        return 1;
    std::cout << "loaded " << out << "/cpp_host.frm with hOne again\n";
    ok(loaded.value.control(u"hTwo"), "a control that is not there"); // prints the error
    ok(paginor::LoadPicture(u"/nonexistent.png"), "a picture that is not there");
    return 0;
}
