// The class factories of the nine classes and the DllGetClassObject / DllCanUnloadNow
// entry points.
#include "automation/error_info.h"
#include "automation/object_count.h"
#include "automation/ref.h"
#include "automation/simple_object.h"
#include "library/class_catalog.h"
#include "platform/core/error.h"

namespace paginor::library {

using automation::Class;
using automation::guarded;
using automation::live_objects;
using automation::lock_server;
using automation::object_created;
using automation::object_destroyed;
using automation::Ref;
using automation::server_locks;
using automation::SimpleObject;

namespace {

class ClassFactory final : public SimpleObject<IClassFactory> {
  public:
    explicit ClassFactory(const Class& cls) : m_class(cls) { object_created(); }
    ~ClassFactory() { object_destroyed(); }

    void* interface_for(REFIID riid) override {
        return riid == IID_IUnknown || riid == IID_IClassFactory ? static_cast<IClassFactory*>(this)
                                                                 : nullptr;
    }

    // CLASS_E_NOAGGREGATION for an outer unknown, E_POINTER for a null out pointer,
    // E_NOINTERFACE when the object does not answer riid (no object is left behind).
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return guarded(m_class.source(), [&] {
            const auto object = Ref<IDispatch>::adopt(m_class.make());
            return object->QueryInterface(riid, ppv);
        });
    }
    HRESULT LockServer(BOOL lock) override {
        lock_server(lock != 0);
        return S_OK;
    }

  private:
    const Class& m_class;
};

} // namespace

Ref<IDispatch> create_through_factory(const Class& c, std::u16string_view source) {
    Ref<IClassFactory> factory;
    HRESULT hr = DllGetClassObject(*c.clsid, IID_IClassFactory, factory.put_void());
    Ref<IDispatch> object;
    if (SUCCEEDED(hr))
        hr = factory->CreateInstance(nullptr, IID_IDispatch, object.put_void());
    if (FAILED(hr) || !object)
        raise_standard(std_error::CannotCreateObject, std::u16string(source),
                       std::u16string(standard_error_text(std_error::CannotCreateObject)) + u": " +
                           c.progid());
    return object;
}

} // namespace paginor::library

using namespace paginor::library;

HRESULT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    const Class* cls = type_library().find_class(rclsid);
    if (!cls)
        return CLASS_E_CLASSNOTAVAILABLE;
    return guarded(u"PaginorV2CTL", [&] {
        const Ref<IClassFactory> factory = Ref<IClassFactory>::adopt(new ClassFactory(*cls));
        return factory->QueryInterface(riid, ppv);
    });
}

HRESULT DllCanUnloadNow(void) {
    return live_objects() == 0 && server_locks() == 0 ? S_OK : S_FALSE;
}
