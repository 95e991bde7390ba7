// The IUnknown of the library's small helper objects (class factories, type infos, error
// objects): a count that starts at one, deletes the object when it reaches zero, and a
// QueryInterface that asks the class which of its interfaces answers an identifier.
#pragma once

#include <paginor/base.h>

namespace paginor::automation {

template <class... Interfaces> class SimpleObject : public Interfaces... {
  public:
    // E_POINTER for a null ppv; E_NOINTERFACE (with *ppv null) for an identifier the
    // class does not answer.
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        *ppv = interface_for(riid);
        if (!*ppv)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

  protected:
    SimpleObject() = default;
    virtual ~SimpleObject() = default;
    SimpleObject(const SimpleObject&) = delete;
    SimpleObject& operator=(const SimpleObject&) = delete;

    // The interface pointer that answers riid (IUnknown included), or null.
    virtual void* interface_for(REFIID riid) = 0;

  private:
    ULONG m_refs = 1;
};

} // namespace paginor::automation
