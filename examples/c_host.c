/* A C host: a form with one O2007Hover button, its events printed as they come, the
 * pointer moved onto it and a click, the form rendered to PNG, saved and loaded back.
 *   c_host PICTURE_DIR OUT_DIR */
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include <stdio.h>

static void on_event(void* context, DISPID id, const OLECHAR* name, DISPPARAMS* params) {
    printf("%s raised ", (const char*)context);
    for (; *name; ++name)
        putchar((char)*name);
    printf(" (DISPID %d, %u arguments)\n", (int)id, params->cArgs);
}

/* Text as the library takes it: UTF-16 (ASCII is enough here). */
static const OLECHAR* widen(const char* text, OLECHAR* out, size_t size) {
    size_t i = 0;
    for (; text[i] && i + 1 < size; ++i)
        out[i] = (OLECHAR)text[i];
    out[i] = 0;
    return out;
}

static int ok(HRESULT hr, const char* what) {
    if (FAILED(hr))
        fprintf(stderr, "c_host: %s failed with 0x%08X\n", what, (unsigned)hr);
    return SUCCEEDED(hr);
}

int main(int argc, char** argv) {
    char path[1024];
    OLECHAR wide[1024];
    PaginorForm* form = NULL;
    IDispatch* button = NULL;
    _O2007Hover* hover = NULL;
    IDispatch* picture = NULL;
    DWORD cookie = 0;
    if (argc != 3)
        return fprintf(stderr, "usage: c_host PICTURE_DIR OUT_DIR\n"), 2;
    if (!ok(PaginorSetClock(TRUE), "clock") ||
        !ok(PaginorFormCreate(u"CHost", 900, 600, TRUE, &form), "form") ||
        !ok(PaginorFormAdd(form, u"PaginorV2CTL.O2007Hover", u"hOne", 120, 120, 240, 240, &button),
            "add") ||
        !ok(button->lpVtbl->QueryInterface(button, &IID__O2007Hover, (void**)&hover), "query"))
        return 1;
    snprintf(path, sizeof path, "%s/o2007hover_pic_normal.png", argv[1]);
    if (!ok(PaginorLoadPicture(widen(path, wide, 1024), &picture), "normal picture"))
        return 1;
    hover->lpVtbl->putref_NormalImage(hover, picture);
    picture->lpVtbl->Release(picture);
    snprintf(path, sizeof path, "%s/o2007hover_pic_hover.png", argv[1]);
    if (!ok(PaginorLoadPicture(widen(path, wide, 1024), &picture), "hover picture"))
        return 1;
    hover->lpVtbl->putref_HoverImage(hover, picture);
    picture->lpVtbl->Release(picture);
    ok(PaginorAdvise((IUnknown*)button, on_event, "hOne", &cookie), "advise");
    PaginorFormMouse(form, 12, 12);
    PaginorFormButton(form, 1, TRUE);
    PaginorFormButton(form, 1, FALSE);
    PaginorDoEvents();
    snprintf(path, sizeof path, "%s/c_host.png", argv[2]);
    if (ok(PaginorFormRender(form, path), "render"))
        printf("rendered %s\n", path);
    snprintf(path, sizeof path, "%s/c_host.frm", argv[2]);
    ok(PaginorFormSave(form, path), "save");
    PaginorUnadvise((IUnknown*)button, cookie);
    hover->lpVtbl->Release(hover);
    button->lpVtbl->Release(button);
    PaginorFormClose(form);
    if (!ok(PaginorFormLoad(path, TRUE, &form), "load") ||
        !ok(PaginorFormControl(form, u"hOne", &button), "control"))
        return 1;
    printf("loaded %s with hOne again\n", path);
    button->lpVtbl->Release(button);
    PaginorFormClose(form);
    return 0;
}
