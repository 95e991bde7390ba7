#include "host/script/builtins.h"

#include "host/script/lua_object.h"
#include "platform/core/unicode.h"

#include <paginor/PaginorV2CTL.h>
#include <paginor/host.h>

#include <string>
#include <string_view>

namespace paginor::host::script {

namespace {

const Output& output_of(lua_State* L) {
    return *static_cast<const Output*>(lua_touserdata(L, lua_upvalueindex(1)));
}

std::u16string text_arg(lua_State* L, int index) {
    size_t size = 0;
    const char* text = lua_tolstring(L, index, &size);
    return text ? paginor::from_utf8(std::string_view(text, size)) : std::u16string();
}

// The arguments as text, separated by tabs, left on the stack.
void join_args(lua_State* L) {
    const int count = lua_gettop(L);
    luaL_Buffer b;
    luaL_buffinit(L, &b);
    for (int i = 1; i <= count; ++i) {
        if (i > 1)
            luaL_addchar(&b, '\t');
        luaL_tolstring(L, i, nullptr);
        luaL_addvalue(&b);
    }
    luaL_pushresult(&b);
}

int print(lua_State* L) {
    join_args(L);
    output_of(L).print(lua_tostring(L, -1));
    return 0;
}

int msg_box(lua_State* L) {
    lua_settop(L, 1);
    join_args(L);
    output_of(L).message(lua_tostring(L, -1));
    lua_pushinteger(L, 1); // the OK button
    return 1;
}

int do_events(lua_State*) {
    PaginorDoEvents();
    return 0;
}

int advance_clock(lua_State* L) {
    const auto ms = static_cast<DWORD>(lua_tointeger(L, 1));
    return protect(L, [ms](lua_State* L) {
        const HRESULT hr = PaginorAdvanceClock(ms);
        return FAILED(hr) ? (push_error(L, Error::last(hr)), -1) : 0;
    });
}

int rgb(lua_State* L) {
    const auto part = [L](int i) { return lua_tointeger(L, i) & 0xFF; };
    lua_pushinteger(L, part(1) | part(2) << 8 | part(3) << 16);
    return 1;
}

int load_picture(lua_State* L) {
    return protect(L, [](lua_State* L) {
        Result<Ref<IDispatch>> picture = LoadPicture(text_arg(L, 1));
        if (!picture)
            return push_error(L, picture.error), -1;
        push_object(L, picture.value.get());
        return 1;
    });
}

// This library's classes are made by the copy in this process, registered or not; any
// other ProgID goes through the registry.
struct OwnClass {
    std::u16string_view progid;
    const CLSID* clsid;
};
#define PAGINOR_SCRIPT_CLASS(name, ...) {u"PaginorV2CTL." #name, &CLSID_##name},
#define PAGINOR_SCRIPT_ALIAS(...)
constexpr OwnClass kOwnClasses[] = {
    PAGINOR_V2CTL_CLASSES(PAGINOR_SCRIPT_CLASS, PAGINOR_SCRIPT_ALIAS)};
#undef PAGINOR_SCRIPT_CLASS
#undef PAGINOR_SCRIPT_ALIAS

bool same_name(std::u16string_view a, std::u16string_view b) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

HRESULT create_object(const std::u16string& progid, Ref<IDispatch>& out) {
    for (const OwnClass& c : kOwnClasses) {
        if (!same_name(c.progid, progid))
            continue;
        Ref<IClassFactory> factory;
        const HRESULT hr = DllGetClassObject(*c.clsid, IID_IClassFactory, factory.put_void());
        return FAILED(hr) ? hr : factory->CreateInstance(nullptr, IID_IDispatch, out.put_void());
    }
    return CreateObject(progid, out.put());
}

int create(lua_State* L) {
    return protect(L, [](lua_State* L) {
        const std::u16string progid = text_arg(L, 1);
        Ref<IDispatch> object;
        const HRESULT hr = create_object(progid, object);
        if (FAILED(hr))
            return push_error(L, Error{hr, 429, u"", u"Can't create object: " + progid}), -1;
        push_object(L, object.get());
        return 1;
    });
}

struct EnumValue {
    const char* name;
    lua_Integer value;
};
#define PAGINOR_SCRIPT_VALUE(name, value, ...) {#name, value},
#define PAGINOR_SCRIPT_ENUM(name) PAGINOR_ENUM_##name(PAGINOR_SCRIPT_VALUE)
constexpr EnumValue kEnumValues[] = {PAGINOR_V2CTL_ENUMS(PAGINOR_SCRIPT_ENUM)};
#undef PAGINOR_SCRIPT_VALUE
#undef PAGINOR_SCRIPT_ENUM

} // namespace

void open_builtins(lua_State* L, const Output& output) {
    static constexpr luaL_Reg kFunctions[] = {{"Print", print},
                                              {"MsgBox", msg_box},
                                              {"DoEvents", do_events},
                                              {"AdvanceClock", advance_clock},
                                              {"RGB", rgb},
                                              {"LoadPicture", load_picture},
                                              {"CreateObject", create},
                                              {nullptr, nullptr}};
    lua_pushglobaltable(L);
    lua_pushlightuserdata(L, const_cast<Output*>(&output));
    luaL_setfuncs(L, kFunctions, 1);
    for (const EnumValue& e : kEnumValues) {
        lua_pushinteger(L, e.value);
        lua_setfield(L, -2, e.name);
    }
    lua_pop(L, 1);
}

} // namespace paginor::host::script
