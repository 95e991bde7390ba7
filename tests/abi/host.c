/* A C11 host: dlopen()s libPaginorV2CTL.so, gets a class factory for every class,
 * creates each, walks its type information and GetIDsOfNames for every member, walks its
 * class information to the default source and reads every event's name, identifier and
 * parameter names as a form host binding handlers by name does, raises the prompt relay's
 * event to a C sink that answers by reference, and checks that every reference is
 * returned (DllCanUnloadNow = S_OK). Exits non-zero on the first mismatch. */
#include <paginor/PaginorV2CTL.h>
#include <paginor/automation.h>

#include <dlfcn.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* The standard identifiers, spelled out: this host links nothing of the library. */
static const IID iid_unknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID iid_dispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID iid_factory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID iid_null = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
static const IID iid_cpc = {
    0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
static const IID iid_class_info = {
    0xB196B283, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

/* The layouts this host reads, as a compiler of the desktop lays them out. */
_Static_assert(sizeof(TYPEATTR) == 96, "TYPEATTR");
_Static_assert(offsetof(TYPEATTR, typekind) == 44, "TYPEATTR.typekind");
_Static_assert(offsetof(TYPEATTR, cImplTypes) == 52, "TYPEATTR.cImplTypes");
_Static_assert(sizeof(FUNCDESC) == 88, "FUNCDESC");
_Static_assert(offsetof(FUNCDESC, cParams) == 36, "FUNCDESC.cParams");
_Static_assert(sizeof(ELEMDESC) == 32, "ELEMDESC");

static int failures = 0;
#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);               \
            ++failures;                                                                            \
        }                                                                                          \
    } while (0)

static void* library;
static void* need(const char* name) {
    void* p = dlsym(library, name);
    if (!p) {
        fprintf(stderr, "missing export %s\n", name);
        exit(2);
    }
    return p;
}

static HRESULT (*get_class_object)(REFCLSID, REFIID, void**);
static HRESULT (*can_unload)(void);
static BSTR (*sys_alloc)(const OLECHAR*);
static void (*sys_free)(BSTR);
static UINT (*sys_len)(BSTR);

static BSTR text(const char* ascii) {
    OLECHAR wide[64];
    size_t n = strlen(ascii);
    for (size_t i = 0; i <= n; ++i)
        wide[i] = (OLECHAR)ascii[i];
    return sys_alloc(wide);
}

static int equals(BSTR b, const char* ascii) {
    size_t n = strlen(ascii);
    if (sys_len(b) != n)
        return 0;
    for (size_t i = 0; i < n; ++i)
        if (b[i] != (OLECHAR)ascii[i])
            return 0;
    return 1;
}

/* A sink written in C: answers every event by replacing the last argument (the data of
 * EventRaised, first in rgvarg) with "ANSWER". */
typedef struct Sink {
    IDispatch base;
    ULONG refs;
    int events;
} Sink;

static HRESULT sink_query(IDispatch* self, REFIID riid, void** ppv) {
    if (memcmp(riid, &iid_unknown, sizeof(IID)) && memcmp(riid, &iid_dispatch, sizeof(IID))) {
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    *ppv = self;
    ((Sink*)self)->refs++;
    return S_OK;
}
static ULONG sink_add(IDispatch* self) {
    return ++((Sink*)self)->refs;
}
static ULONG sink_release(IDispatch* self) {
    return --((Sink*)self)->refs;
}
static HRESULT sink_count(IDispatch* self, UINT* n) {
    (void)self;
    *n = 0;
    return S_OK;
}
static HRESULT sink_info(IDispatch* self, UINT i, LCID l, ITypeInfo** t) {
    (void)self, (void)i, (void)l;
    *t = NULL;
    return E_NOTIMPL;
}
static HRESULT sink_ids(IDispatch* self, REFIID r, OLECHAR** n, UINT c, LCID l, DISPID* d) {
    (void)self, (void)r, (void)n, (void)c, (void)l, (void)d;
    return E_NOTIMPL;
}
static HRESULT sink_invoke(IDispatch* self, DISPID id, REFIID r, LCID l, WORD f, DISPPARAMS* p,
                           VARIANT* res, EXCEPINFO* e, UINT* a) {
    (void)r, (void)l, (void)f, (void)res, (void)e, (void)a;
    Sink* sink = (Sink*)self;
    sink->events++;
    if (id == 1 && p->cArgs == 3 && p->rgvarg[0].vt == (VT_BYREF | VT_BSTR)) {
        sys_free(*p->rgvarg[0].pbstrVal);
        *p->rgvarg[0].pbstrVal = text("ANSWER");
    }
    return S_OK;
}
static const IDispatchVtbl sink_vtbl = {sink_query, sink_add, sink_release, sink_count,
                                        sink_info,  sink_ids, sink_invoke};

/* Every member the type information lists is found again by GetIDsOfNames. */
static int walk_members(IDispatch* object) {
    ITypeInfo* info = NULL;
    CHECK(object->lpVtbl->GetTypeInfo(object, 0, 0x409, &info) == S_OK);
    if (!info)
        return 0;
    TYPEATTR* attr = NULL;
    CHECK(info->lpVtbl->GetTypeAttr(info, &attr) == S_OK);
    int walked = 0;
    for (UINT i = 0; attr && i < attr->cFuncs; ++i) {
        FUNCDESC* f = NULL;
        CHECK(info->lpVtbl->GetFuncDesc(info, i, &f) == S_OK);
        BSTR name = NULL;
        UINT got = 0;
        CHECK(info->lpVtbl->GetNames(info, f->memid, &name, 1, &got) == S_OK && got == 1);
        DISPID id = 0;
        CHECK(object->lpVtbl->GetIDsOfNames(object, &iid_null, &name, 1, 0x409, &id) == S_OK);
        CHECK(id == f->memid);
        sys_free(name);
        info->lpVtbl->ReleaseFuncDesc(info, f);
        ++walked;
    }
    info->lpVtbl->ReleaseTypeAttr(info, attr);
    CHECK(info->lpVtbl->Release(info) == 0);
    return walked;
}

/* One event as the host binds it ("<control>_<event>" handlers need the DISPID, the name
 * and the parameter names), written "1 MouseUp Button Shift X Y". */
enum { SIGNATURE = 64 };

static void append(char* line, BSTR b) {
    size_t n = strlen(line);
    if (n + 1 < SIGNATURE)
        line[n++] = ' ';
    for (UINT i = 0; i < sys_len(b) && n + 1 < SIGNATURE; ++i)
        line[n++] = (char)b[i];
    line[n] = 0;
}

/* From the object to its default source interface; returns its event count and keeps the
 * first few events' signatures. */
static int walk_events(IDispatch* object, char (*signatures)[SIGNATURE], int kept) {
    IProvideClassInfo* provider = NULL;
    CHECK(object->lpVtbl->QueryInterface(object, &iid_class_info, (void**)&provider) == S_OK);
    if (!provider)
        return -1;
    ITypeInfo* coclass = NULL;
    CHECK(provider->lpVtbl->GetClassInfo(provider, &coclass) == S_OK);
    provider->lpVtbl->Release(provider);
    if (!coclass)
        return -1;
    TYPEATTR* attr = NULL;
    CHECK(coclass->lpVtbl->GetTypeAttr(coclass, &attr) == S_OK);
    CHECK(attr->typekind == TKIND_COCLASS && attr->cImplTypes == 2);
    ITypeInfo* events = NULL;
    for (UINT i = 0; i < attr->cImplTypes && !events; ++i) {
        INT flags = 0;
        HREFTYPE ref = 0;
        CHECK(coclass->lpVtbl->GetImplTypeFlags(coclass, i, &flags) == S_OK);
        if (flags != (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE))
            continue;
        CHECK(coclass->lpVtbl->GetRefTypeOfImplType(coclass, i, &ref) == S_OK);
        CHECK(coclass->lpVtbl->GetRefTypeInfo(coclass, ref, &events) == S_OK);
    }
    coclass->lpVtbl->ReleaseTypeAttr(coclass, attr);
    CHECK(coclass->lpVtbl->Release(coclass) == 0);
    CHECK(events != NULL);
    if (!events)
        return -1;
    CHECK(events->lpVtbl->GetTypeAttr(events, &attr) == S_OK);
    CHECK(attr->typekind == TKIND_DISPATCH);
    const int count = attr->cFuncs;
    for (int i = 0; i < count; ++i) {
        FUNCDESC* f = NULL;
        CHECK(events->lpVtbl->GetFuncDesc(events, (UINT)i, &f) == S_OK);
        if (!f)
            continue;
        CHECK(f->invkind == INVOKE_FUNC && f->funckind == FUNC_DISPATCH);
        BSTR names[8] = {0};
        UINT got = 0;
        CHECK(events->lpVtbl->GetNames(events, f->memid, names, 8, &got) == S_OK);
        CHECK(got == (UINT)f->cParams + 1);
        if (i < kept)
            snprintf(signatures[i], SIGNATURE, "%d", (int)f->memid);
        for (UINT n = 0; n < got; ++n) {
            if (i < kept)
                append(signatures[i], names[n]);
            sys_free(names[n]);
        }
        events->lpVtbl->ReleaseFuncDesc(events, f);
    }
    events->lpVtbl->ReleaseTypeAttr(events, attr);
    CHECK(events->lpVtbl->Release(events) == 0);
    return count;
}

static void raise_through_relay(IDispatch* object) {
    _clsPromptEvents* relay = (_clsPromptEvents*)object;
    IConnectionPointContainer* cpc = NULL;
    CHECK(relay->lpVtbl->QueryInterface(relay, &iid_cpc, (void**)&cpc) == S_OK);
    IConnectionPoint* cp = NULL;
    const IID* events = need("DIID___clsPromptEvents");
    CHECK(cpc->lpVtbl->FindConnectionPoint(cpc, events, &cp) == S_OK);
    Sink sink = {{&sink_vtbl}, 1, 0};
    DWORD cookie = 0;
    CHECK(cp->lpVtbl->Advise(cp, (IUnknown*)&sink, &cookie) == S_OK);
    BSTR who = text("pfClient"), what = text("PromptClicked"), data = text("before");
    CHECK(relay->lpVtbl->RaiseAnEvent(relay, who, what, &data) == S_OK);
    CHECK(sink.events == 1);
    CHECK(equals(data, "ANSWER"));
    CHECK(cp->lpVtbl->Unadvise(cp, cookie) == S_OK);
    CHECK(sink.refs == 1);
    sys_free(who), sys_free(what), sys_free(data);
    cp->lpVtbl->Release(cp);
    cpc->lpVtbl->Release(cpc);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s path/to/libPaginorV2CTL.so\n", argv[0]);
        return 2;
    }
    library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        fprintf(stderr, "%s\n", dlerror());
        return 2;
    }
    get_class_object = (HRESULT(*)(REFCLSID, REFIID, void**))need("DllGetClassObject");
    can_unload = (HRESULT(*)(void))need("DllCanUnloadNow");
    sys_alloc = (BSTR(*)(const OLECHAR*))need("SysAllocString");
    sys_free = (void (*)(BSTR))need("SysFreeString");
    sys_len = (UINT(*)(BSTR))need("SysStringLen");

    static const char* classes[] = {
        "DDOC",         "HoverButton",    "PromptField", "clsPromptEvents", "MultiPrompt",
        "cEventBroker", "GradientButton", "O2007Hover",  "O2007Check"};
    int members = 0, events = 0;
    for (size_t c = 0; c < sizeof classes / sizeof *classes; ++c) {
        char symbol[64];
        snprintf(symbol, sizeof symbol, "CLSID_%s", classes[c]);
        const CLSID* clsid = need(symbol);
        IClassFactory* factory = NULL;
        CHECK(get_class_object(clsid, &iid_factory, (void**)&factory) == S_OK);
        if (!factory)
            continue;
        IDispatch* object = NULL;
        CHECK(factory->lpVtbl->CreateInstance(factory, NULL, &iid_dispatch, (void**)&object) ==
              S_OK);
        CHECK(factory->lpVtbl->Release(factory) == 0);
        if (!object)
            continue;
        members += walk_members(object);
        char signatures[8][SIGNATURE] = {{0}};
        events += walk_events(object, signatures, 8);
        if (strcmp(classes[c], "clsPromptEvents") == 0)
            raise_through_relay(object);
        if (strcmp(classes[c], "O2007Hover") == 0) {
            _O2007Hover* hover = (_O2007Hover*)object;
            CHECK(hover->lpVtbl->get_hwnd(hover, NULL) == E_POINTER); /* a typed call in C */
            /* MouseUp binds as "hOne_MouseUp(Button, Shift, X, Y)". */
            CHECK(strcmp(signatures[0], "1 MouseUp Button Shift X Y") == 0);
            CHECK(strcmp(signatures[4], "5 KeyUp KeyCode Shift") == 0);
        }
        CHECK(object->lpVtbl->Release(object) == 0);
    }
    CHECK(members == 154);
    CHECK(events == 23);
    CHECK(can_unload() == S_OK);
    printf("C host: 9 classes, %d members and %d events walked, %d failures\n", members, events,
           failures);
    return failures ? 1 : 0;
}
