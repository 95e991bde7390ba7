#include "automation/object.h"

#include "automation/class_info.h"
#include "automation/enumerator.h"

namespace paginor::automation {

ObjectBase::ObjectBase(const Class& cls)
    : m_class(cls), m_source(m_class.source()), m_point(*this, *m_class.event_interface) {
    object_created();
}

ObjectBase::~ObjectBase() {
    m_point.disconnect_all();
    object_destroyed();
}

HRESULT ObjectBase::query(REFIID riid, void** ppv, IDispatch* primary) {
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || m_class.default_interface->answers(riid))
        *ppv = primary;
    else if (riid == IID_ISupportErrorInfo)
        *ppv = static_cast<ISupportErrorInfo*>(this);
    else if (riid == IID_IConnectionPointContainer)
        *ppv = static_cast<IConnectionPointContainer*>(this);
    else if (riid == IID_IProvideClassInfo)
        *ppv = static_cast<IProvideClassInfo*>(this);
    else
        return E_NOINTERFACE;
    add_ref();
    return S_OK;
}

void ObjectBase::fire(DISPID dispid, std::span<VARIANT> args) {
    const Ref<IUnknown> alive(unknown());
    m_point.fire(dispid, args);
}

HRESULT ObjectBase::InterfaceSupportsErrorInfo(REFIID riid) {
    return m_class.default_interface->answers(riid) || riid == IID_IDispatch ? S_OK : S_FALSE;
}

HRESULT ObjectBase::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) {
    IConnectionPoint* const points[] = {&m_point, second_point()};
    return ConnectionPointEnumerator::create(std::span(points, points[1] ? 2 : 1), ppEnum);
}

HRESULT ObjectBase::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
    if (!ppCP)
        return E_POINTER;
    *ppCP = nullptr;
    if (m_class.event_interface->answers(riid))
        return write_out(ppCP, Ref<IConnectionPoint>(&m_point));
    IID second{};
    if (SinkPoint* point = second_point();
        point && point->GetConnectionInterface(&second) == S_OK && second == riid)
        return write_out(ppCP, Ref<IConnectionPoint>(point));
    return CONNECT_E_NOCONNECTION;
}

HRESULT ObjectBase::GetClassInfo(ITypeInfo** ppTI) {
    return guarded([&] { return get_class_info(m_class, ppTI); });
}

} // namespace paginor::automation
