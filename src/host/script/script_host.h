// A form's logic in Lua. Every control of the form is a global of its name, read, written
// and called late-bound; the enumerations' values are globals of their names; handlers
// bind by name: function hOne_Click() ... end answers hOne's Click, and an object assigned
// to a new global (PE = CreateObject("PaginorV2CTL.clsPromptEvents")) has its events
// bound the same way (PE_EventRaised). A handler's n results answer its last n
// by-reference arguments (return "C42" answers a relay's data). Built-ins: CreateObject,
// LoadPicture, DoEvents, AdvanceClock, MsgBox, Print, RGB.
//
//   ScriptHost script(form, output);
//   if (!script.run("search.lua")) { report script.failure(); }
//   script.start();           // Form_Load, when the script defines it
#pragma once

#include <paginor/form.h>

#include <functional>
#include <list>
#include <memory>
#include <string>

struct lua_State;

namespace paginor::host::script {

// Where the script's words go: Print's lines, MsgBox's texts, and the errors of handlers
// ("file:line: message"), each without its newline.
struct Output {
    std::function<void(const std::string&)> print;
    std::function<void(const std::string&)> message;
    std::function<void(const std::string&)> error;
};

class ScriptHost {
  public:
    // Binds the events of every control on form (borrowed; it must outlive the host).
    ScriptHost(PaginorForm* form, Output output);
    // Unbinds every event, then closes the Lua state (releasing its objects).
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // Loads and runs the file's chunk. False when it does not parse or fails as it runs;
    // failure() then says where ("file:line: message").
    bool run(const std::string& path);
    // Calls Form_Load when the script defined it; its error goes to output.error.
    void start();
    const std::string& failure() const { return m_failure; }
    // The object the script holds under the global name (a new reference), null when the
    // global holds none.
    Ref<IDispatch> global_object(const std::string& name);

  private:
    // An object whose events go to the handlers named prefix_Event.
    struct Binding {
        ScriptHost* host;
        std::string prefix;
        Ref<IDispatch> source;
        DWORD cookie{0};
    };
    static void on_event(void* context, DISPID id, const OLECHAR* name, DISPPARAMS* params);
    static int bind_global(lua_State* L);
    void bind(IDispatch* source, const std::string& prefix);
    void handle(const Binding& binding, const OLECHAR* name, DISPPARAMS& params);
    // Calls the function under the arguments on the stack; false (and the error text
    // reported) when it fails.
    bool call(int args, int results, std::string* failure);

    PaginorForm* m_form;
    Output m_output;
    lua_State* m_lua{nullptr};
    std::list<Binding> m_bindings{};
    std::string m_failure{};
};

} // namespace paginor::host::script
