// The type information of a class: a coclass with two implemented types, the default
// dual interface and the event interface (the default source), both read from the table.
// A host that binds event handlers by name walks it through IProvideClassInfo.
#include "automation/class_info.h"

#include "automation/ref.h"
#include "automation/type_info_base.h"

namespace paginor::automation {
namespace {

constexpr UINT implemented_count = 2;
// Implemented-type references sit above the enumerations' positions, two per class.
constexpr HREFTYPE implemented_base = 0x100;

constexpr INT implemented_flags[implemented_count] = {
    IMPLTYPEFLAG_FDEFAULT,
    IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE,
};

class ClassTypeInfo final : public TypeInfoBase {
  public:
    explicit ClassTypeInfo(const Class& cls) : m_class(cls) {}

    HRESULT GetTypeAttr(TYPEATTR** out) override {
        if (!out)
            return E_POINTER;
        auto* attr = new TYPEATTR{};
        attr->guid = *m_class.clsid;
        attr->lcid = m_class.library->lcid;
        attr->memidConstructor = DISPID_UNKNOWN;
        attr->memidDestructor = DISPID_UNKNOWN;
        attr->typekind = TKIND_COCLASS;
        attr->cImplTypes = implemented_count;
        attr->cbAlignment = sizeof(void*);
        attr->wTypeFlags = static_cast<WORD>(
            TYPEFLAG_FCANCREATE | (m_class.kind == ClassKind::Control ? TYPEFLAG_FCONTROL : 0));
        attr->wMajorVerNum = m_class.library->major_version;
        attr->wMinorVerNum = m_class.library->minor_version;
        *out = attr;
        return S_OK;
    }

    // A coclass has no members of its own.
    HRESULT GetFuncDesc(UINT, FUNCDESC** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        return TYPE_E_ELEMENTNOTFOUND;
    }
    void ReleaseFuncDesc(FUNCDESC*) override {}
    HRESULT GetNames(MEMBERID, BSTR* names, UINT, UINT* count) override {
        if (!names || !count)
            return E_POINTER;
        *count = 0;
        return TYPE_E_ELEMENTNOTFOUND;
    }
    HRESULT GetIDsOfNames(OLECHAR** names, UINT count, MEMBERID* ids) override {
        if ((count && !names) || (count && !ids))
            return E_POINTER;
        for (UINT i = 0; i < count; ++i)
            ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }

    HRESULT GetImplTypeFlags(UINT index, INT* flags) override {
        if (!flags)
            return E_POINTER;
        *flags = 0;
        if (index >= implemented_count)
            return TYPE_E_ELEMENTNOTFOUND;
        *flags = implemented_flags[index];
        return S_OK;
    }
    HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* ref) override {
        if (!ref)
            return E_POINTER;
        *ref = 0;
        if (index >= implemented_count)
            return TYPE_E_ELEMENTNOTFOUND;
        *ref = implemented_ref(m_class, int(index));
        return S_OK;
    }
    // Only the two references this class hands out lead anywhere.
    HRESULT GetRefTypeInfo(HREFTYPE ref, ITypeInfo** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (ref == implemented_ref(m_class, 0))
            *out = new_interface_info(*m_class.default_interface);
        else if (ref == implemented_ref(m_class, 1))
            *out = new_interface_info(*m_class.event_interface);
        else
            return TYPE_E_ELEMENTNOTFOUND;
        return S_OK;
    }

    // MEMBERID_NIL names the class; it has no other members to document.
    HRESULT GetDocumentation(MEMBERID memid, BSTR* name, BSTR* doc, DWORD* context,
                             BSTR* file) override {
        if (memid != MEMBERID_NIL)
            return TYPE_E_ELEMENTNOTFOUND;
        if (name)
            *name = SysAllocStringLen(m_class.name.data(), UINT(m_class.name.size()));
        if (doc)
            *doc = nullptr;
        if (context)
            *context = 0;
        if (file)
            *file = nullptr;
        return S_OK;
    }

  private:
    const Class& m_class;
};

} // namespace

HREFTYPE implemented_ref(const Class& cls, int slot) {
    const auto index = HREFTYPE(&cls - cls.library->classes.data());
    return implemented_base + index * implemented_count + HREFTYPE(slot);
}

HRESULT get_class_info(const Class& cls, ITypeInfo** out) {
    return write_out(out, [&] { return new ClassTypeInfo(cls); });
}

} // namespace paginor::automation
