#include "automation/dispatch.h"

#include "automation/error_info.h"
#include "automation/foreign.h"
#include "automation/invoker.h"
#include "automation/variant.h"

#include "platform/core/unicode.h"

#include <cstring>

namespace paginor::automation {
namespace {

// The row a call's flags ask for among the rows of one identifier.
const Member* pick(std::span<const Member> rows, WORD flags, const VARIANT* value) {
    auto find = [&](MemberKind kind) -> const Member* {
        for (const auto& row : rows)
            if (row.kind == kind)
                return &row;
        return nullptr;
    };
    if (flags & DISPATCH_PROPERTYPUTREF) {
        const Member* set = find(MemberKind::Set);
        return set ? set : find(MemberKind::Let);
    }
    if (flags & DISPATCH_PROPERTYPUT) {
        const Member* let = find(MemberKind::Let);
        // a late-bound host may assign an object with a plain put
        const bool object = value && (value->vt & ~VT_BYREF) == VT_DISPATCH;
        return let ? let : object ? find(MemberKind::Set) : nullptr;
    }
    const Member* chosen = nullptr;
    if (flags & DISPATCH_METHOD)
        chosen = find(MemberKind::Method);
    if (!chosen && (flags & DISPATCH_PROPERTYGET))
        chosen = find(MemberKind::Get);
    return chosen;
}

bool missing(const VARIANT* v) {
    return v && v->vt == VT_ERROR && v->scode == DISP_E_PARAMNOTFOUND;
}

struct Matched {
    VARIANT* given[max_params] = {};
    UINT position[max_params] = {};
};

// Pairs each expected parameter with its argument in rgvarg (reverse order, named ones
// first in the array).
HRESULT match(const Member& row, std::span<const Param> expected, const DISPPARAMS& p, Matched& m,
              UINT* arg_err) {
    const UINT n = static_cast<UINT>(expected.size());
    if (row.kind == MemberKind::Let || row.kind == MemberKind::Set) {
        if (p.cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        if (p.cNamedArgs > 1 || (p.cNamedArgs == 1 && p.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
            return DISP_E_PARAMNOTFOUND;
        m.given[0] = &p.rgvarg[0];
        return S_OK;
    }
    if (p.cArgs > n)
        return DISP_E_BADPARAMCOUNT;
    const UINT positional = p.cArgs - p.cNamedArgs;
    for (UINT i = 0; i < positional; ++i) {
        m.given[i] = &p.rgvarg[p.cArgs - 1 - i];
        m.position[i] = p.cArgs - 1 - i;
    }
    for (UINT j = 0; j < p.cNamedArgs; ++j) {
        const DISPID id = p.rgdispidNamedArgs[j];
        if (id < 0 || static_cast<UINT>(id) >= n || m.given[id]) {
            if (arg_err)
                *arg_err = j;
            return DISP_E_PARAMNOTFOUND;
        }
        m.given[id] = &p.rgvarg[j];
        m.position[id] = j;
    }
    for (UINT i = 0; i < n; ++i) {
        if (missing(m.given[i]))
            m.given[i] = nullptr;
        if (m.given[i] || expected[i].optional)
            continue;
        return (p.cNamedArgs == 0 && i >= positional) ? DISP_E_BADPARAMCOUNT
                                                      : DISP_E_PARAMNOTOPTIONAL;
    }
    return S_OK;
}

// Coerces a VT_DISPATCH value to the interface of the library class the parameter names.
PAGINOR_FOREIGN_CALLS HRESULT narrow_object(const TypeLibrary& lib, const TypeRef& type,
                                            VARIANT& v) {
    if (type.kind != TypeKind::Object || !v.pdispVal)
        return S_OK;
    const Class* cls = lib.find_class(type.name);
    void* p = nullptr;
    if (!cls || FAILED(v.pdispVal->QueryInterface(*cls->default_interface->iid, &p)))
        return DISP_E_TYPEMISMATCH;
    v.pdispVal->Release();
    v.pdispVal = static_cast<IDispatch*>(p);
    return S_OK;
}

// One argument made ready for the invoker: by value in the parameter's VARTYPE, or by
// reference to a value of it. The caller's own variant is used when it already fits.
struct Prepared {
    Variant value;
    VARIANT ref{};
};

HRESULT prepare(const TypeLibrary& lib, const Param& param, VARIANT* given, Prepared& local,
                VARIANT*& slot) {
    const VARTYPE vt = value_vartype(param.type);
    const bool object = param.type.kind == TypeKind::Object;
    const VARTYPE want = param.by_ref ? VARTYPE(VT_BYREF | vt) : vt;
    if (given && given->vt == want && !object) {
        slot = given;
        return S_OK;
    }
    HRESULT hr = given ? VariantChangeType(local.value.get(), given, 0, vt)
                       : VariantChangeType(local.value.get(), local.value.get(), 0, vt);
    if (SUCCEEDED(hr))
        hr = narrow_object(lib, param.type, *local.value.get());
    if (FAILED(hr))
        return hr;
    if (!param.by_ref) {
        slot = local.value.get();
        return S_OK;
    }
    local.ref.vt = VARTYPE(VT_BYREF | vt);
    local.ref.byref = &local.value->llVal;
    slot = &local.ref;
    return S_OK;
}

// A by-reference argument the member saw through a local copy gets the member's answer.
PAGINOR_FOREIGN_CALLS void write_back(const Param& param, VARIANT* given, Prepared& local) {
    if (!given || !param.by_ref || local.ref.vt == VT_EMPTY)
        return;
    if (given->vt == (VT_BYREF | VT_VARIANT) && given->pvarVal) {
        VariantClear(given->pvarVal);
        *given->pvarVal = local.value.release();
    } else if (given->vt == (VT_BYREF | VT_DISPATCH) && given->ppdispVal &&
               *given->ppdispVal != local.value->pdispVal) {
        if (*given->ppdispVal)
            (*given->ppdispVal)->Release();
        *given->ppdispVal = local.value->pdispVal;
        if (*given->ppdispVal)
            (*given->ppdispVal)->AddRef();
    }
}

HRESULT call_row(IDispatch* self, const Interface& itf, const Member& row, const DISPPARAMS& p,
                 VARIANT* result, EXCEPINFO* excep, UINT* arg_err) {
    const Param value_param{u"", row.type};
    const std::span<const Param> expected =
        (row.kind == MemberKind::Let || row.kind == MemberKind::Set)
            ? std::span<const Param>(&value_param, 1)
            : row.params;
    Matched m;
    HRESULT hr = match(row, expected, p, m, arg_err);
    if (FAILED(hr))
        return hr;
    Prepared locals[max_params];
    CallArgs call;
    call.count = static_cast<unsigned>(expected.size());
    for (unsigned i = 0; i < call.count; ++i) {
        hr = prepare(*itf.library, expected[i], m.given[i], locals[i], call.args[i]);
        if (FAILED(hr)) {
            if (arg_err)
                *arg_err = m.position[i];
            return hr;
        }
    }
    VARIANT value{};
    call.retval = &value.llVal;
    clear_error();
    // The member holds the object itself while it may reach a host (ObjectBase::guarded), on
    // the typed and the late-bound path alike.
    hr = row.binding.invoke(self, call);
    for (unsigned i = 0; i < call.count; ++i)
        write_back(expected[i], m.given[i], locals[i]);
    if (FAILED(hr))
        return as_exception(hr, excep);
    if (row.kind == MemberKind::Get) {
        value.vt = value_vartype(row.type);
        if (result) {
            VariantClear(result);
            *result = value;
        } else {
            VariantClear(&value);
        }
    } else if (result) {
        VariantInit(result);
    }
    return hr;
}

} // namespace

VARTYPE value_vartype(const TypeRef& type) {
    switch (type.kind) {
    case TypeKind::String:
        return VT_BSTR;
    case TypeKind::Boolean:
        return VT_BOOL;
    case TypeKind::Int16:
        return VT_I2;
    case TypeKind::Single:
        return VT_R4;
    case TypeKind::Int32:
    case TypeKind::Colour:
    case TypeKind::Enum:
    case TypeKind::CheckValue:
        return VT_I4;
    case TypeKind::Picture:
    case TypeKind::Font:
    case TypeKind::Object:
        return VT_DISPATCH;
    case TypeKind::Void:
        break;
    }
    return VT_EMPTY;
}

HRESULT type_info_count(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT get_ids_of_names(const Interface& itf, REFIID riid, OLECHAR** names, UINT count, LCID,
                         DISPID* ids) {
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (count == 0)
        return S_OK;
    if (!names || !ids)
        return E_POINTER;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    const Member* member = names[0] ? itf.find(names[0]) : nullptr;
    if (!member)
        return DISP_E_UNKNOWNNAME;
    ids[0] = member->dispid;
    std::span<const Param> params;
    for (const auto& row : itf.rows(member->dispid))
        if (!row.params.empty())
            params = row.params;
    HRESULT hr = S_OK;
    for (UINT i = 1; i < count; ++i) {
        for (size_t k = 0; k < params.size() && names[i]; ++k)
            if (equals_ignore_case(params[k].name, names[i]))
                ids[i] = static_cast<DISPID>(k);
        if (ids[i] == DISPID_UNKNOWN)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT invoke(IDispatch* self, const Interface& itf, DISPID dispid, REFIID riid, LCID, WORD flags,
               DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep, UINT* arg_err) {
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!params || (params->cArgs && !params->rgvarg) ||
        (params->cNamedArgs && !params->rgdispidNamedArgs))
        return E_POINTER;
    if (params->cNamedArgs > params->cArgs)
        return E_INVALIDARG;
    const auto rows = itf.rows(dispid);
    if (rows.empty())
        return DISP_E_MEMBERNOTFOUND;
    const Member* row = pick(rows, flags, params->cArgs ? &params->rgvarg[0] : nullptr);
    if (!row || !row->binding.invoke)
        return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs > max_params)
        return DISP_E_BADPARAMCOUNT;
    return guarded(itf.library->name,
                   [&] { return call_row(self, itf, *row, *params, result, excep, arg_err); });
}

} // namespace paginor::automation
