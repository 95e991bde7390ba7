// Late-bound calls driven by the type library table: name lookup, argument matching and
// coercion, the call through the member's invoker, and error reporting through
// EXCEPINFO. No class has a dispatch switch of its own.
#pragma once

#include <paginor/automation.h>

#include "automation/type_library.h"

namespace paginor::automation {

// Always one type info. E_POINTER for a null out pointer.
HRESULT type_info_count(UINT* count);

// The interface's type information (index 0 only: DISP_E_BADINDEX otherwise; E_POINTER
// for a null out pointer).
HRESULT get_type_info(const Interface& itf, UINT index, LCID lcid, ITypeInfo** out);

// names[0] is a member name, names[1..] that member's parameter names; all compared
// ignoring case. Every unknown name gets DISPID_UNKNOWN and the call DISP_E_UNKNOWNNAME.
// DISP_E_UNKNOWNINTERFACE unless riid is IID_NULL; E_POINTER for null arrays.
HRESULT get_ids_of_names(const Interface& itf, REFIID riid, OLECHAR** names, UINT count, LCID lcid,
                         DISPID* ids);

// Invokes the row of `itf` that matches dispid and flags on self (an object whose default
// interface is itf). Argument errors: DISP_E_BADPARAMCOUNT, DISP_E_PARAMNOTOPTIONAL,
// DISP_E_PARAMNOTFOUND (unknown named argument), DISP_E_TYPEMISMATCH / DISP_E_OVERFLOW with
// the argument's rgvarg index in *arg_err. DISP_E_MEMBERNOTFOUND for an unknown dispid or
// an accessor the member lacks. A member failing with error info gives DISP_E_EXCEPTION and
// fills *excep (when given); one failing without it gives its own HRESULT.
HRESULT invoke(IDispatch* self, const Interface& itf, DISPID dispid, REFIID riid, LCID lcid,
               WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep, UINT* arg_err);

// The VARTYPE that values of the type travel in (VT_I4 for enums, colours, check values;
// VT_DISPATCH for objects, pictures and fonts).
VARTYPE value_vartype(const TypeRef& type);

} // namespace paginor::automation
