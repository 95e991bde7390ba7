// The base of every class in the library. Automation<I> implements IUnknown (an
// intrusive count, counted in the module's live objects), IDispatch over the class's
// table rows, ISupportErrorInfo, IConnectionPointContainer with the class's one
// connection point, and IProvideClassInfo with the class's type information. A class
// derives from Automation<_X> and overrides the members of _X; each member runs its body
// through guarded() and answers not_built() until it is built.
//
//   class Relay final : public automation::Automation<_Relay> { ... };
#pragma once

#include <paginor/automation.h>

#include "automation/connection_point.h"
#include "automation/dispatch.h"
#include "automation/error_info.h"
#include "automation/object_count.h"
#include "automation/ref.h"
#include "automation/type_library.h"

#include <span>
#include <string_view>

namespace paginor::automation {

class ObjectBase : public ISupportErrorInfo,
                   public IConnectionPointContainer,
                   public IProvideClassInfo {
  public:
    const Class& class_info() const { return m_class; }
    // The source that the class's errors carry: "<library>.<class>".
    std::u16string_view source() const { return m_source; }

    // Raises an event of the class's event interface to every advised sink, holding a
    // reference to this object for the whole round (a sink may release it). args are in
    // declaration order; pass VT_BYREF variants so the sinks' answers come back.
    void fire(DISPID dispid, std::span<VARIANT> args = {});
    size_t sink_count() const { return m_point.sink_count(); }

    HRESULT InterfaceSupportsErrorInfo(REFIID riid) override;
    // An enumerator of the event point, then the second point when there is one;
    // E_POINTER for a null out pointer.
    HRESULT EnumConnectionPoints(IEnumConnectionPoints** ppEnum) override;
    // The class's event interface by its current or any earlier identifier, or the
    // interface the second point connects; otherwise CONNECT_E_NOCONNECTION. E_POINTER for
    // a null out pointer.
    HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;
    // A new coclass type information of the class (it does not hold the object).
    // E_POINTER for a null out pointer.
    HRESULT GetClassInfo(ITypeInfo** ppTI) override;

  protected:
    explicit ObjectBase(const Class& cls);
    virtual ~ObjectBase();
    ObjectBase(const ObjectBase&) = delete;
    ObjectBase& operator=(const ObjectBase&) = delete;

    // Runs a member's body at the boundary with the class's source, holding a reference
    // to the object meanwhile: the body may reach a host (an event, a property change, a
    // pumped message) that lets go of its last one, and the body still ends on a live
    // object.
    template <class F> HRESULT guarded(F&& body) noexcept {
        const Hold alive(*this);
        return automation::guarded(m_source, std::forward<F>(body));
    }
    // A member that answers through an out parameter: E_POINTER for a null one (no error
    // info, make never runs), otherwise make()'s value written there, at the boundary as
    // guarded() runs it.
    template <class T, class Make> HRESULT guarded_out(T* out, Make&& make) noexcept {
        return guarded([&] { return write_out(out, std::forward<Make>(make)); });
    }
    // E_NOTIMPL with error info naming the member, for a member not built yet.
    HRESULT not_built(std::u16string_view member) const {
        return not_implemented(m_source, member);
    }

    HRESULT query(REFIID riid, void** ppv, IDispatch* primary);
    // A second outgoing point beside the event point, living inside the object (controls
    // add property notification); none by default. Its sinks are the deriving class's to
    // release.
    virtual SinkPoint* second_point() { return nullptr; }
    ULONG add_ref() { return ++m_refs; }
    // The count left. At zero the object is about to be deleted, and the count is held
    // at one meanwhile, so that a hold taken while it is destroyed (a message reaching
    // its window, a member its destructor runs) cannot delete it a second time.
    ULONG release_ref() {
        const ULONG left = --m_refs;
        if (left == 0)
            m_refs = 1;
        return left;
    }
    IUnknown* unknown() { return static_cast<ISupportErrorInfo*>(this); }

  private:
    // A counted reference to the object for a scope, as Ref<IUnknown> holds one, taken
    // on the count itself: every member runs inside one, so it costs no virtual call.
    class Hold {
      public:
        explicit Hold(ObjectBase& object) : m_object(object) { m_object.add_ref(); }
        ~Hold() {
            if (m_object.release_ref() == 0)
                delete &m_object;
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        ObjectBase& m_object;
    };

    const Class& m_class;
    std::u16string m_source;
    ULONG m_refs = 1;
    ConnectionPoint m_point;
};

template <class I> class Automation : public I, public ObjectBase {
  public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        return query(riid, ppv, static_cast<I*>(this));
    }
    ULONG AddRef() override { return add_ref(); }
    ULONG Release() override {
        const ULONG left = release_ref();
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT GetTypeInfoCount(UINT* pctinfo) override { return type_info_count(pctinfo); }
    HRESULT GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override {
        return get_type_info(*class_info().default_interface, iTInfo, lcid, ppTInfo);
    }
    HRESULT GetIDsOfNames(REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,
                          DISPID* rgDispId) override {
        return get_ids_of_names(*class_info().default_interface, riid, rgszNames, cNames, lcid,
                                rgDispId);
    }
    HRESULT Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                   DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                   UINT* puArgErr) override {
        return invoke(static_cast<I*>(this), *class_info().default_interface, dispIdMember, riid,
                      lcid, wFlags, pDispParams, pVarResult, pExcepInfo, puArgErr);
    }

  protected:
    explicit Automation(const Class& cls) : ObjectBase(cls) {}
};

} // namespace paginor::automation
