// The functions and names a form script finds without defining them: CreateObject,
// LoadPicture, DoEvents, AdvanceClock (the manual clock), MsgBox, Print, RGB, and every
// enumeration value of the library by its name (evHTML, ILLeft, CommandButton, ...).
#pragma once

#include "host/script/script_host.h"

#include <lua.hpp>

namespace paginor::host::script {

// Sets the globals in L; output (borrowed) must outlive the state.
void open_builtins(lua_State* L, const Output& output);

} // namespace paginor::host::script
