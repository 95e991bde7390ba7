// Events for hosts that would rather not write a sink: a handler function bound to an
// object's default event interface, found through its class information, each event
// handed over with its name and arguments as the connection point passes them.
#include "host/api.h"

#include "automation/ref.h"
#include "automation/simple_object.h"

#include <map>

using namespace paginor;
namespace api = paginor::host::api;
using HostForm = paginor::host::Form;

namespace {

// The default event interface of source: its identifier and its events' names.
struct EventInterface {
    IID iid{};
    std::map<DISPID, std::u16string> names;
};

// The implemented type of the class marked default and source.
Ref<ITypeInfo> source_type(ITypeInfo& coclass) {
    TYPEATTR* attr = nullptr;
    if (FAILED(coclass.GetTypeAttr(&attr)) || !attr)
        return nullptr;
    const UINT count = attr->cImplTypes;
    coclass.ReleaseTypeAttr(attr);
    for (UINT i = 0; i < count; ++i) {
        INT flags = 0;
        HREFTYPE ref = 0;
        Ref<ITypeInfo> type;
        if (SUCCEEDED(coclass.GetImplTypeFlags(i, &flags)) &&
            (flags & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) ==
                (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) &&
            SUCCEEDED(coclass.GetRefTypeOfImplType(i, &ref)) &&
            SUCCEEDED(coclass.GetRefTypeInfo(ref, type.put())))
            return type;
    }
    return nullptr;
}

EventInterface event_interface(IUnknown& source) {
    Ref<IProvideClassInfo> provider;
    Ref<ITypeInfo> coclass;
    if (FAILED(source.QueryInterface(IID_IProvideClassInfo, provider.put_void())) ||
        FAILED(provider->GetClassInfo(coclass.put())))
        api::fail(CONNECT_E_CANNOTCONNECT, u"The object does not describe its class");
    const Ref<ITypeInfo> events = source_type(*coclass);
    TYPEATTR* attr = nullptr;
    if (!events || FAILED(events->GetTypeAttr(&attr)) || !attr)
        api::fail(CONNECT_E_CANNOTCONNECT, u"The object raises no events");
    EventInterface out{attr->guid, {}};
    const UINT count = attr->cFuncs;
    events->ReleaseTypeAttr(attr);
    for (UINT i = 0; i < count; ++i) {
        FUNCDESC* f = nullptr;
        if (FAILED(events->GetFuncDesc(i, &f)) || !f)
            continue;
        BSTR name = nullptr;
        UINT got = 0;
        if (SUCCEEDED(events->GetNames(f->memid, &name, 1, &got)) && got == 1 && name)
            out.names[f->memid] = name;
        SysFreeString(name);
        events->ReleaseFuncDesc(f);
    }
    return out;
}

class HandlerSink final : public automation::SimpleObject<IDispatch> {
  public:
    HandlerSink(EventInterface events, PaginorEventHandler handler, void* context)
        : m_events(std::move(events)), m_handler(handler), m_context(context) {}

    HRESULT GetTypeInfoCount(UINT* count) override {
        return count ? (*count = 0, S_OK) : E_POINTER;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
        return out ? (*out = nullptr, E_NOTIMPL) : E_POINTER;
    }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                   UINT*) override {
        const auto name = m_events.names.find(id);
        m_handler(m_context, id, name == m_events.names.end() ? u"" : name->second.c_str(), params);
        return S_OK;
    }

  private:
    void* interface_for(REFIID riid) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == m_events.iid)
            return static_cast<IDispatch*>(this);
        return nullptr;
    }

    EventInterface m_events;
    PaginorEventHandler m_handler;
    void* m_context;
};

Ref<IConnectionPoint> point_for(IUnknown& source, const IID& iid) {
    Ref<IConnectionPointContainer> container;
    Ref<IConnectionPoint> point;
    if (FAILED(source.QueryInterface(IID_IConnectionPointContainer, container.put_void())) ||
        FAILED(container->FindConnectionPoint(iid, point.put())))
        api::fail(CONNECT_E_CANNOTCONNECT, u"The object has no connection point for its events");
    return point;
}

} // namespace

HRESULT PaginorAdvise(IUnknown* source, PaginorEventHandler handler, void* context, DWORD* cookie) {
    return api::call([&] {
        if (!cookie || !source || !handler)
            api::fail(E_POINTER, u"No object, handler or cookie");
        *cookie = 0;
        EventInterface events = event_interface(*source);
        const Ref<IConnectionPoint> point = point_for(*source, events.iid);
        const auto sink =
            Ref<IDispatch>::adopt(new HandlerSink(std::move(events), handler, context));
        const HRESULT hr = point->Advise(sink.get(), cookie);
        if (FAILED(hr))
            api::fail(hr, u"The object refused the handler");
    });
}

HRESULT PaginorUnadvise(IUnknown* source, DWORD cookie) {
    return api::call([&] {
        if (!source)
            api::fail(E_POINTER, u"No object");
        const Ref<IConnectionPoint> point = point_for(*source, event_interface(*source).iid);
        const HRESULT hr = point->Unadvise(cookie);
        if (FAILED(hr))
            api::fail(hr, u"No handler is bound with that cookie");
    });
}
