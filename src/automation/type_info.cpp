// ITypeInfo over one interface of the table: enough for a host to enumerate members
// (GetTypeAttr, GetFuncDesc, GetNames, GetDocumentation, GetIDsOfNames). The base the
// interface derives from (IDispatch) is listed but its type information is not provided;
// the rest of ITypeInfo answers E_NOTIMPL.
#include "automation/class_info.h"
#include "automation/dispatch.h"
#include "automation/error_info.h"
#include "automation/invoker.h"
#include "automation/type_info_base.h"
#include "automation/variant.h"

#include "platform/core/unicode.h"

#include <cstring>
#include <memory>
#include <vector>

namespace paginor::automation {
namespace {

INVOKEKIND invoke_kind(MemberKind kind) {
    switch (kind) {
    case MemberKind::Get:
        return INVOKE_PROPERTYGET;
    case MemberKind::Let:
        return INVOKE_PROPERTYPUT;
    case MemberKind::Set:
        return INVOKE_PROPERTYPUTREF;
    case MemberKind::Method:
        break;
    }
    return INVOKE_FUNC;
}

// A FUNCDESC and the parameter descriptions it points at, in one allocation.
struct FuncBlock {
    FUNCDESC desc{};
    ELEMDESC params[max_params + 1]{};
    TYPEDESC pointee[max_params + 1]{};
};

TYPEDESC type_desc(const TypeLibrary& lib, const TypeRef& type) {
    TYPEDESC d{};
    d.vt = value_vartype(type);
    if (type.kind == TypeKind::Enum) {
        d.vt = VT_USERDEFINED;
        const auto& enums = lib.enums;
        for (size_t i = 0; i < enums.size(); ++i)
            if (enums[i].name == type.name)
                d.hreftype = static_cast<HREFTYPE>(i);
    }
    return d;
}

void describe(const TypeLibrary& lib, ELEMDESC& e, TYPEDESC& pointee, const TypeRef& type,
              bool by_ref, USHORT flags) {
    pointee = type_desc(lib, type);
    if (by_ref) {
        e.tdesc.vt = VT_PTR;
        e.tdesc.lptdesc = &pointee;
    } else {
        e.tdesc = pointee;
    }
    e.paramdesc.wParamFlags = flags;
}

class TypeInfo final : public TypeInfoBase {
  public:
    explicit TypeInfo(const Interface& itf) : m_itf(itf) {}

    HRESULT GetTypeAttr(TYPEATTR** out) override {
        if (!out)
            return E_POINTER;
        auto* attr = new TYPEATTR{};
        attr->guid = *m_itf.iid;
        attr->lcid = m_itf.library->lcid;
        attr->memidConstructor = DISPID_UNKNOWN;
        attr->memidDestructor = DISPID_UNKNOWN;
        const bool dual = m_itf.kind == InterfaceKind::Dual;
        attr->typekind = dual ? TKIND_INTERFACE : TKIND_DISPATCH;
        attr->cFuncs = static_cast<WORD>(m_itf.members.size());
        attr->cImplTypes = 1;
        attr->cbSizeVft =
            static_cast<WORD>((7 + (dual ? m_itf.members.size() : 0)) * sizeof(void*));
        attr->cbAlignment = sizeof(void*);
        attr->wTypeFlags = static_cast<WORD>((m_itf.hidden ? TYPEFLAG_FHIDDEN : 0) |
                                             (dual ? TYPEFLAG_FDUAL : 0) | TYPEFLAG_FDISPATCHABLE);
        attr->wMajorVerNum = m_itf.library->major_version;
        attr->wMinorVerNum = m_itf.library->minor_version;
        *out = attr;
        return S_OK;
    }

    // One FUNCDESC per table row; a read's value is its [out, retval] parameter.
    HRESULT GetFuncDesc(UINT index, FUNCDESC** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (index >= m_itf.members.size())
            return TYPE_E_ELEMENTNOTFOUND;
        const Member& m = m_itf.members[index];
        auto block = std::make_unique<FuncBlock>();
        FUNCDESC& d = block->desc;
        d.memid = m.dispid;
        d.funckind = m_itf.kind == InterfaceKind::Dual ? FUNC_PUREVIRTUAL : FUNC_DISPATCH;
        d.invkind = invoke_kind(m.kind);
        d.callconv = CC_STDCALL;
        d.oVft =
            static_cast<SHORT>(m_itf.kind == InterfaceKind::Dual ? (7 + index) * sizeof(void*) : 0);
        d.elemdescFunc.tdesc.vt = m_itf.kind == InterfaceKind::Dual ? VT_HRESULT : VT_VOID;
        SHORT n = 0;
        if (m.kind == MemberKind::Get) {
            describe(*m_itf.library, block->params[n], block->pointee[n], m.type, true,
                     PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);
            ++n;
        } else if (m.kind != MemberKind::Method) {
            describe(*m_itf.library, block->params[n], block->pointee[n], m.type, false,
                     PARAMFLAG_FIN);
            ++n;
        } else {
            for (const auto& p : m.params) {
                const USHORT flags =
                    static_cast<USHORT>(PARAMFLAG_FIN | (p.by_ref ? PARAMFLAG_FOUT : 0) |
                                        (p.optional ? PARAMFLAG_FOPT : 0));
                describe(*m_itf.library, block->params[n], block->pointee[n], p.type, p.by_ref,
                         flags);
                ++n;
            }
        }
        d.cParams = n;
        d.lprgelemdescParam = n ? block->params : nullptr;
        *out = &block.release()->desc;
        return S_OK;
    }
    void ReleaseFuncDesc(FUNCDESC* desc) override {
        delete reinterpret_cast<FuncBlock*>(desc); // desc is the block's first member
    }

    // The member's name, then its parameters' names.
    HRESULT GetNames(MEMBERID memid, BSTR* names, UINT max, UINT* count) override {
        if (!names || !count)
            return E_POINTER;
        *count = 0;
        const auto rows = m_itf.rows(memid);
        if (rows.empty())
            return TYPE_E_ELEMENTNOTFOUND;
        std::vector<std::u16string_view> all{rows[0].name};
        for (const auto& row : rows)
            if (row.kind == MemberKind::Method)
                for (const auto& p : row.params)
                    all.push_back(p.name);
        for (UINT i = 0; i < max && i < all.size(); ++i)
            names[(*count)++] = SysAllocStringLen(all[i].data(), UINT(all[i].size()));
        return S_OK;
    }

    HRESULT GetIDsOfNames(OLECHAR** names, UINT count, MEMBERID* ids) override {
        return get_ids_of_names(m_itf, IID_NULL, names, count, m_itf.library->lcid, ids);
    }

    // MEMBERID -1 documents the interface itself.
    HRESULT GetDocumentation(MEMBERID memid, BSTR* name, BSTR* doc, DWORD* context,
                             BSTR* file) override {
        std::u16string_view n = m_itf.name, d = {};
        if (memid != DISPID_UNKNOWN) {
            const auto rows = m_itf.rows(memid);
            if (rows.empty())
                return TYPE_E_ELEMENTNOTFOUND;
            n = rows[0].name;
            for (const auto& row : rows)
                if (!row.help.empty())
                    d = row.help;
        }
        if (name)
            *name = SysAllocStringLen(n.data(), UINT(n.size()));
        if (doc)
            *doc = d.empty() ? nullptr : SysAllocStringLen(d.data(), UINT(d.size()));
        if (context)
            *context = 0;
        if (file)
            *file = nullptr;
        return S_OK;
    }

    // The one implemented type is the base, IDispatch, used plainly (flags 0).
    HRESULT GetImplTypeFlags(UINT index, INT* flags) override {
        if (!flags)
            return E_POINTER;
        *flags = 0;
        return index == 0 ? S_OK : TYPE_E_ELEMENTNOTFOUND;
    }
    // IDispatch's own type information is not part of this library.
    HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* ref) override {
        if (!ref)
            return E_POINTER;
        *ref = 0;
        if (index != 0)
            return TYPE_E_ELEMENTNOTFOUND;
        return not_implemented(m_itf.library->name, u"ITypeInfo::GetRefTypeOfImplType");
    }
    HRESULT GetRefTypeInfo(HREFTYPE, ITypeInfo** out) override {
        return none(reinterpret_cast<void**>(out));
    }

  private:
    const Interface& m_itf;
};

} // namespace

HRESULT get_type_info(const Interface& itf, UINT index, LCID, ITypeInfo** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    *out = new_interface_info(itf);
    return S_OK;
}

ITypeInfo* new_interface_info(const Interface& itf) {
    return new TypeInfo(itf);
}

} // namespace paginor::automation
