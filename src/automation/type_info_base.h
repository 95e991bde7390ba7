// What the library's two kinds of type information (an interface's and a class's) share:
// the IUnknown of a helper object counted among the module's live objects, so that
// DllCanUnloadNow waits until a host has released them, and the answers to the members
// that describe nothing here (functions bound to a module, instances, the containing
// type library, variables). Also the layout checks of the descriptions they hand out.
#pragma once

#include <paginor/automation.h>

#include "automation/object_count.h"
#include "automation/simple_object.h"

#include <cstddef>

namespace paginor::automation {

// The x86-64 desktop layouts a host compiled elsewhere reads.
static_assert(sizeof(TYPEDESC) == 16);
static_assert(sizeof(ELEMDESC) == 32);
static_assert(sizeof(TYPEATTR) == 96);
static_assert(offsetof(TYPEATTR, lpstrSchema) == 32);
static_assert(offsetof(TYPEATTR, typekind) == 44);
static_assert(offsetof(TYPEATTR, cImplTypes) == 52);
static_assert(offsetof(TYPEATTR, tdescAlias) == 64);
static_assert(sizeof(FUNCDESC) == 88);
static_assert(offsetof(FUNCDESC, funckind) == 24);
static_assert(offsetof(FUNCDESC, cParams) == 36);
static_assert(offsetof(FUNCDESC, elemdescFunc) == 48);
static_assert(offsetof(FUNCDESC, wFuncFlags) == 80);

class TypeInfoBase : public SimpleObject<ITypeInfo> {
  public:
    // Every member below: E_NOTIMPL, with *out (when given) null.
    HRESULT GetTypeComp(void** out) override { return none(out); }
    HRESULT GetVarDesc(UINT, void** out) override { return none(out); }
    HRESULT Invoke(void*, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
    HRESULT AddressOfMember(MEMBERID, INVOKEKIND, void** out) override { return none(out); }
    HRESULT CreateInstance(IUnknown*, REFIID, void** out) override { return none(out); }
    HRESULT GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
    HRESULT GetContainingTypeLib(void** out, UINT*) override { return none(out); }
    // Nothing is handed out through GetVarDesc, so there is nothing to release.
    void ReleaseVarDesc(void*) override {}
    // Frees what GetTypeAttr handed out; null is ignored.
    void ReleaseTypeAttr(TYPEATTR* attr) override { delete attr; }

  protected:
    TypeInfoBase() { object_created(); }
    ~TypeInfoBase() override { object_destroyed(); }

    void* interface_for(REFIID riid) override {
        return riid == IID_IUnknown || riid == IID_ITypeInfo ? static_cast<ITypeInfo*>(this)
                                                             : nullptr;
    }

    static HRESULT none(void** out) {
        if (out)
            *out = nullptr;
        return E_NOTIMPL;
    }
};

} // namespace paginor::automation
