// Pictures in, pixels out: what a host loads into the controls' picture properties and
// what it reads back of a composed form.
#include "host/api.h"

#include "automation/ref.h"
#include "frame/std_picture.h"
#include "platform/image/image_codec.h"
#include "platform/window/window.h"

using namespace paginor;
namespace api = paginor::host::api;
using HostForm = paginor::host::Form;

HRESULT PaginorLoadPicture(const OLECHAR* path, IDispatch** picture) {
    return api::call([&] {
        if (!picture)
            api::fail(E_POINTER, u"No place for the picture");
        *picture = nullptr;
        const std::u16string file(api::text_arg(path, u"path"));
        *picture = Ref<frame::StdPicture>::adopt(frame::LoadPicture(file)).detach();
    });
}

HRESULT PaginorFormSize(PaginorForm* form, LONG* width, LONG* height) {
    return api::call([&] {
        HostForm& f = api::form_of(form);
        if (!width || !height)
            api::fail(E_POINTER, u"No place for the size");
        platform::RECT r{};
        platform::GetClientRect(f.hwnd(), &r);
        *width = r.right;
        *height = r.bottom;
    });
}

HRESULT PaginorFormPixel(PaginorForm* form, LONG x, LONG y, OLE_COLOR* rgb) {
    return api::call([&] {
        HostForm& f = api::form_of(form);
        if (!rgb)
            api::fail(E_POINTER, u"No place for the colour");
        const platform::Image image = f.render();
        if (x < 0 || y < 0 || x >= image.width || y >= image.height)
            api::fail(E_INVALIDARG, u"The point is outside the form");
        const uint32_t argb = image.pixels[size_t(y) * image.width + x];
        *rgb = ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
    });
}

HRESULT PaginorFormRender(PaginorForm* form, const char* pngPath) {
    return api::call([&] {
        HostForm& f = api::form_of(form);
        if (!pngPath)
            api::fail(E_POINTER, u"No path");
        f.render_png(pngPath);
    });
}
