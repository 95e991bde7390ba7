#include "host/script/lua_object.h"

#include "platform/core/unicode.h"

#include <string>
#include <vector>

namespace paginor::host::script {

namespace {

constexpr const char* kObject = "paginor.object";
constexpr const char* kError = "paginor.error";

struct Holder {
    Ref<IDispatch> object;
};

enum class Kind { Property, Call, Unknown };

// The parameters a caller passes: the returned value does not count.
int arguments(const FUNCDESC& f) {
    int count = 0;
    for (SHORT i = 0; i < f.cParams; ++i)
        count += (f.lprgelemdescParam[i].paramdesc.wParamFlags & PARAMFLAG_FRETVAL) == 0;
    return count;
}

// Whether name reads as a value or is called: a method, or a property that takes
// arguments (the form's Item(i)), gives a bound function; anything else is read at once.
Kind member_kind(IDispatch& object, DISPID id) {
    Ref<ITypeInfo> type;
    TYPEATTR* attr = nullptr;
    if (FAILED(object.GetTypeInfo(0, 0, type.put())) || !type || FAILED(type->GetTypeAttr(&attr)) ||
        !attr)
        return Kind::Unknown;
    const UINT count = attr->cFuncs;
    type->ReleaseTypeAttr(attr);
    Kind kind = Kind::Unknown;
    for (UINT i = 0; i < count && kind == Kind::Unknown; ++i) {
        FUNCDESC* f = nullptr;
        if (FAILED(type->GetFuncDesc(i, &f)) || !f)
            continue;
        if (f->memid == id && f->invkind == INVOKE_FUNC)
            kind = Kind::Call;
        else if (f->memid == id && f->invkind == INVOKE_PROPERTYGET)
            kind = arguments(*f) > 0 ? Kind::Call : Kind::Property;
        type->ReleaseFuncDesc(f);
    }
    return kind;
}

Result<DISPID> find_member(IDispatch& object, const std::string& name) {
    std::u16string text = paginor::from_utf8(name);
    OLECHAR* names[] = {text.data()};
    Result<DISPID> r;
    const HRESULT hr = object.GetIDsOfNames(IID_NULL, names, 1, 0, &r.value);
    if (FAILED(hr))
        r.error = Error{hr, 438, u"", u"Object doesn't support this property or method: " + text};
    return r;
}

Error type_mismatch() {
    return Error{DISP_E_TYPEMISMATCH, 13, u"", u"Type mismatch"};
}

// A failure the dispatch itself answered, without error info: the number and words a
// script host gives it.
Error dispatch_error(HRESULT hr) {
    Error e = Error::last(hr);
    if (!e.description.empty())
        return e;
    static constexpr struct {
        HRESULT hr;
        LONG number;
        const char16_t* text;
    } kKnown[] = {
        {DISP_E_TYPEMISMATCH, 13, u"Type mismatch"},
        {DISP_E_BADPARAMCOUNT, 450, u"Wrong number of arguments or invalid property assignment"},
        {DISP_E_PARAMNOTOPTIONAL, 449, u"Argument not optional"},
        {DISP_E_MEMBERNOTFOUND, 438, u"Object doesn't support this property or method"},
        {DISP_E_OVERFLOW, 6, u"Overflow"},
        {E_NOTIMPL, E_NOTIMPL, u"Not implemented"}};
    for (const auto& k : kKnown)
        if (k.hr == hr)
            e.number = k.number, e.description = k.text;
    return e;
}

// One late-bound call; arguments in the automation order, last first. A failure that
// carries no words gets those a script host gives it.
Result<Variant> invoke(IDispatch& object, DISPID id, WORD flags, std::vector<Variant>& reversed) {
    Result<Variant> r = paginor::detail::invoke(object, id, flags, reversed.data(),
                                                static_cast<UINT>(reversed.size()));
    if (!r && r.error.description.empty())
        r.error = dispatch_error(r.error.hr);
    return r;
}

// A bound method: upvalues are the object, the DISPID and the name.
int call_member(lua_State* L) {
    return protect(L, [](lua_State* L) {
        IDispatch* object = to_object(L, lua_upvalueindex(1));
        const auto id = static_cast<DISPID>(lua_tointeger(L, lua_upvalueindex(2)));
        // obj:Method(...) passes the object first; obj.Method(...) does not.
        const int first = lua_rawequal(L, 1, lua_upvalueindex(1)) ? 2 : 1;
        std::vector<Variant> reversed;
        for (int i = lua_gettop(L); i >= first; --i) {
            reversed.emplace_back();
            if (!to_variant(L, i, reversed.back()))
                return push_error(L, type_mismatch()), -1;
        }
        Result<Variant> r = invoke(*object, id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, reversed);
        if (!r)
            return push_error(L, r.error), -1;
        push_variant(L, r.value.get());
        return 1;
    });
}

int object_index(lua_State* L) {
    return protect(L, [](lua_State* L) {
        IDispatch* object = to_object(L, 1);
        if (lua_type(L, 2) != LUA_TSTRING)
            return lua_pushnil(L), 1;
        Result<DISPID> id = find_member(*object, lua_tostring(L, 2));
        if (!id)
            return push_error(L, id.error), -1;
        const Kind kind = member_kind(*object, id.value);
        Result<Variant> r;
        if (kind != Kind::Call) {
            std::vector<Variant> none;
            r = invoke(*object, id.value, DISPATCH_PROPERTYGET, none);
        }
        const bool callable =
            kind == Kind::Call || (kind == Kind::Unknown && (r.error.hr == DISP_E_BADPARAMCOUNT ||
                                                             r.error.hr == DISP_E_MEMBERNOTFOUND));
        if (callable) {
            lua_pushvalue(L, 1);
            lua_pushinteger(L, id.value);
            lua_pushvalue(L, 2);
            lua_pushcclosure(L, call_member, 3);
            return 1;
        }
        if (!r)
            return push_error(L, r.error), -1;
        push_variant(L, r.value.get());
        return 1;
    });
}

int object_newindex(lua_State* L) {
    return protect(L, [](lua_State* L) {
        IDispatch* object = to_object(L, 1);
        if (lua_type(L, 2) != LUA_TSTRING)
            return push_error(L, type_mismatch()), -1;
        Result<DISPID> id = find_member(*object, lua_tostring(L, 2));
        if (!id)
            return push_error(L, id.error), -1;
        std::vector<Variant> value(1);
        if (!to_variant(L, 3, value[0]))
            return push_error(L, type_mismatch()), -1;
        // An object goes by reference (a Set) where the member takes one, else by value.
        Result<Variant> r;
        if (value[0].vt() == VT_DISPATCH)
            r = invoke(*object, id.value, DISPATCH_PROPERTYPUTREF, value);
        if (value[0].vt() != VT_DISPATCH || r.error.hr == DISP_E_MEMBERNOTFOUND)
            r = invoke(*object, id.value, DISPATCH_PROPERTYPUT, value);
        if (!r)
            return push_error(L, r.error), -1;
        return 0;
    });
}

int object_gc(lua_State* L) {
    static_cast<Holder*>(lua_touserdata(L, 1))->~Holder();
    return 0;
}

int object_eq(lua_State* L) {
    IDispatch* a = to_object(L, 1);
    IDispatch* b = to_object(L, 2);
    Ref<IUnknown> ua, ub;
    const bool same = a && b && SUCCEEDED(a->QueryInterface(IID_IUnknown, ua.put_void())) &&
                      SUCCEEDED(b->QueryInterface(IID_IUnknown, ub.put_void())) &&
                      ua.get() == ub.get();
    lua_pushboolean(L, same);
    return 1;
}

int error_tostring(lua_State* L) {
    lua_getfield(L, 1, "where");
    lua_getfield(L, 1, "description");
    lua_getfield(L, 1, "number");
    lua_getfield(L, 1, "source");
    const char* source = lua_tostring(L, -1);
    if (source && *source)
        lua_pushfstring(L, "%s%s (error %s from %s)", lua_tostring(L, -4), lua_tostring(L, -3),
                        lua_tostring(L, -2), source);
    else
        lua_pushfstring(L, "%s%s (error %s)", lua_tostring(L, -4), lua_tostring(L, -3),
                        lua_tostring(L, -2));
    return 1;
}

} // namespace

void open_objects(lua_State* L) {
    static constexpr luaL_Reg kObjectMeta[] = {{"__index", object_index},
                                               {"__newindex", object_newindex},
                                               {"__gc", object_gc},
                                               {"__eq", object_eq},
                                               {nullptr, nullptr}};
    luaL_newmetatable(L, kObject);
    luaL_setfuncs(L, kObjectMeta, 0);
    lua_pushliteral(L, "object");
    lua_setfield(L, -2, "__name");
    lua_pop(L, 1);
    luaL_newmetatable(L, kError);
    lua_pushcfunction(L, error_tostring);
    lua_setfield(L, -2, "__tostring");
    lua_pop(L, 1);
}

void push_object(lua_State* L, IDispatch* object) {
    if (!object) {
        lua_pushnil(L);
        return;
    }
    new (lua_newuserdatauv(L, sizeof(Holder), 0)) Holder{Ref<IDispatch>(object)};
    luaL_setmetatable(L, kObject);
}

IDispatch* to_object(lua_State* L, int index) {
    auto* holder = static_cast<Holder*>(luaL_testudata(L, index, kObject));
    return holder ? holder->object.get() : nullptr;
}

void push_variant(lua_State* L, const VARIANT& v) {
    const bool ref = (v.vt & VT_BYREF) != 0;
    switch (v.vt & ~VT_BYREF) {
    case VT_EMPTY:
    case VT_NULL:
        return lua_pushnil(L);
    case VT_VARIANT:
        return ref ? push_variant(L, *v.pvarVal) : lua_pushnil(L);
    case VT_BOOL:
        return lua_pushboolean(L, (ref ? *v.pboolVal : v.boolVal) != VARIANT_FALSE);
    case VT_I2:
        return lua_pushinteger(L, ref ? *v.piVal : v.iVal);
    case VT_I4:
    case VT_ERROR:
        return lua_pushinteger(L, ref ? *v.plVal : v.lVal);
    case VT_R4:
        return lua_pushnumber(L, ref ? *v.pfltVal : v.fltVal);
    case VT_R8:
    case VT_DATE:
        return lua_pushnumber(L, ref ? *v.pdblVal : v.dblVal);
    case VT_BSTR: {
        const BSTR text = ref ? *v.pbstrVal : v.bstrVal;
        const std::string utf8 =
            text ? paginor::to_utf8(std::u16string_view(text, SysStringLen(text))) : "";
        lua_pushlstring(L, utf8.data(), utf8.size());
        return;
    }
    case VT_DISPATCH:
        return push_object(L, ref ? *v.ppdispVal : v.pdispVal);
    }
    // Anything else as the number or text it coerces to.
    Variant copy;
    if (SUCCEEDED(VariantChangeType(copy.put(), &v, 0, VT_R8)))
        return lua_pushnumber(L, copy.get().dblVal);
    if (SUCCEEDED(VariantChangeType(copy.put(), &v, 0, VT_BSTR)))
        return push_variant(L, copy.get());
    lua_pushnil(L);
}

bool to_variant(lua_State* L, int index, Variant& out) {
    switch (lua_type(L, index)) {
    case LUA_TNONE:
    case LUA_TNIL:
        out = Variant();
        return true;
    case LUA_TBOOLEAN:
        out = Variant(lua_toboolean(L, index) != 0);
        return true;
    case LUA_TNUMBER: {
        const lua_Integer whole = lua_tointeger(L, index);
        const bool fits = lua_isinteger(L, index) && whole >= INT32_MIN && whole <= INT32_MAX;
        out = fits ? Variant(static_cast<LONG>(whole)) : Variant(lua_tonumber(L, index));
        return true;
    }
    case LUA_TSTRING: {
        size_t size = 0;
        const char* text = lua_tolstring(L, index, &size);
        out = Variant(std::u16string_view(paginor::from_utf8(std::string_view(text, size))));
        return true;
    }
    case LUA_TUSERDATA:
        if (IDispatch* object = to_object(L, index)) {
            out = Variant(object);
            return true;
        }
        return false;
    }
    return false;
}

bool write_back(lua_State* L, int index, VARIANTARG& arg) {
    if (!(arg.vt & VT_BYREF))
        return true;
    const VARTYPE type = arg.vt & ~VT_BYREF;
    Variant value;
    if (!to_variant(L, index, value))
        return false;
    if (type == VT_VARIANT)
        return SUCCEEDED(VariantCopy(arg.pvarVal, &value.get()));
    const Variant typed = value.as(type);
    if (typed.vt() != type)
        return false;
    const VARIANT& t = typed.get();
    switch (type) {
    case VT_BSTR:
        SysFreeString(*arg.pbstrVal);
        *arg.pbstrVal = SysAllocStringLen(t.bstrVal, SysStringLen(t.bstrVal));
        return true;
    case VT_BOOL:
        return *arg.pboolVal = t.boolVal, true;
    case VT_I2:
        return *arg.piVal = t.iVal, true;
    case VT_I4:
        return *arg.plVal = t.lVal, true;
    case VT_R4:
        return *arg.pfltVal = t.fltVal, true;
    case VT_R8:
        return *arg.pdblVal = t.dblVal, true;
    }
    return false;
}

void push_error(lua_State* L, const Error& error) {
    lua_createtable(L, 0, 4);
    lua_pushinteger(L, error.number);
    lua_setfield(L, -2, "number");
    const std::string source = paginor::to_utf8(error.source);
    lua_pushlstring(L, source.data(), source.size());
    lua_setfield(L, -2, "source");
    const std::string description = paginor::to_utf8(error.description);
    lua_pushlstring(L, description.data(), description.size());
    lua_setfield(L, -2, "description");
    luaL_where(L, 1);
    lua_setfield(L, -2, "where");
    luaL_setmetatable(L, kError);
}

} // namespace paginor::host::script
