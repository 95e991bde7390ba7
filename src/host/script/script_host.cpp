#include "host/script/script_host.h"

#include "host/api.h"
#include "host/script/builtins.h"
#include "host/script/lua_object.h"
#include "platform/core/unicode.h"

namespace paginor::host::script {

namespace {

// Turns whatever was raised into the text a person reads ("file:line: message").
int describe(lua_State* L) {
    luaL_tolstring(L, 1, nullptr);
    return 1;
}

} // namespace

ScriptHost::ScriptHost(PaginorForm* form, Output output)
    : m_form(form), m_output(std::move(output)), m_lua(luaL_newstate()) {
    for (auto* to : {&m_output.print, &m_output.message, &m_output.error})
        if (!*to)
            *to = [](const std::string&) {}; // words nobody asked for go nowhere
    luaL_openlibs(m_lua);
    open_objects(m_lua);
    open_builtins(m_lua, m_output);
    for (const FormEntry& entry : api::form_of(m_form).controls()) {
        const std::string name = paginor::to_utf8(entry.name);
        push_object(m_lua, entry.object.get());
        lua_setglobal(m_lua, name.c_str());
        bind(entry.object.get(), name);
    }
    // An object given a new global name has its events bound under that name.
    lua_pushglobaltable(m_lua);
    lua_createtable(m_lua, 0, 1);
    lua_pushlightuserdata(m_lua, this);
    lua_pushcclosure(m_lua, bind_global, 1);
    lua_setfield(m_lua, -2, "__newindex");
    lua_setmetatable(m_lua, -2);
    lua_pop(m_lua, 1);
}

ScriptHost::~ScriptHost() {
    for (const Binding& b : m_bindings)
        PaginorUnadvise(b.source.get(), b.cookie);
    m_bindings.clear();
    lua_close(m_lua);
}

bool ScriptHost::run(const std::string& path) {
    if (luaL_loadfilex(m_lua, path.c_str(), "t") != LUA_OK) {
        m_failure = lua_tostring(m_lua, -1);
        lua_pop(m_lua, 1);
        return false;
    }
    return call(0, 0, &m_failure);
}

void ScriptHost::start() {
    if (lua_getglobal(m_lua, "Form_Load") == LUA_TFUNCTION)
        call(0, 0, nullptr);
    else
        lua_pop(m_lua, 1);
}

Ref<IDispatch> ScriptHost::global_object(const std::string& name) {
    lua_getglobal(m_lua, name.c_str());
    Ref<IDispatch> object(to_object(m_lua, -1));
    lua_pop(m_lua, 1);
    return object;
}

bool ScriptHost::call(int args, int results, std::string* failure) {
    const int function = lua_gettop(m_lua) - args;
    lua_pushcfunction(m_lua, describe);
    lua_insert(m_lua, function);
    const bool ok = lua_pcall(m_lua, args, results, function) == LUA_OK;
    if (!ok) {
        std::string text = lua_tostring(m_lua, -1) ? lua_tostring(m_lua, -1) : "error";
        lua_pop(m_lua, 1);
        failure ? void(*failure = std::move(text)) : m_output.error(text);
    }
    lua_remove(m_lua, function);
    return ok;
}

int ScriptHost::bind_global(lua_State* L) {
    auto* host = static_cast<ScriptHost*>(lua_touserdata(L, lua_upvalueindex(1)));
    lua_settop(L, 3);
    if (IDispatch* object = to_object(L, 3); object && lua_type(L, 2) == LUA_TSTRING)
        host->bind(object, lua_tostring(L, 2));
    lua_rawset(L, 1);
    return 0;
}

void ScriptHost::bind(IDispatch* source, const std::string& prefix) {
    Binding& b = m_bindings.emplace_back(Binding{this, prefix, Ref<IDispatch>(source)});
    if (FAILED(PaginorAdvise(source, on_event, &b, &b.cookie)))
        m_bindings.pop_back(); // it raises no events
}

void ScriptHost::on_event(void* context, DISPID, const OLECHAR* name, DISPPARAMS* params) {
    const auto* binding = static_cast<const Binding*>(context);
    if (params)
        binding->host->handle(*binding, name, *params);
}

void ScriptHost::handle(const Binding& binding, const OLECHAR* name, DISPPARAMS& params) {
    const std::string handler = binding.prefix + "_" + paginor::to_utf8(name);
    const int base = lua_gettop(m_lua);
    if (lua_getglobal(m_lua, handler.c_str()) != LUA_TFUNCTION) {
        lua_settop(m_lua, base);
        return;
    }
    const int count = static_cast<int>(params.cArgs);
    if (!lua_checkstack(m_lua, count + 2))
        return lua_settop(m_lua, base);
    for (int i = count - 1; i >= 0; --i) // declaration order: the last argument is first
        push_variant(m_lua, params.rgvarg[i]);
    if (!call(count, LUA_MULTRET, nullptr))
        return lua_settop(m_lua, base);
    // n results answer the last n by-reference arguments: a relay's answer is its last
    // argument, and a handler answering an earlier one returns the later ones as it got them.
    const int answers = lua_gettop(m_lua) - base;
    int next = answers;
    for (int i = 0; i < count && next > 0; ++i) { // rgvarg[0] is the last argument
        if (!(params.rgvarg[i].vt & VT_BYREF))
            continue;
        if (!write_back(m_lua, base + next, params.rgvarg[i]))
            m_output.error(handler + ": answer " + std::to_string(next) +
                           " does not fit its argument");
        --next;
    }
    lua_settop(m_lua, base);
}

} // namespace paginor::host::script
