// Automation objects and values as Lua sees them. An object is a full userdata holding a
// counted reference; indexing it reads a property (or gives a bound method), assigning to
// a field writes one, all late-bound through IDispatch. Values cross as Lua's own types:
// empty as nil, booleans, whole numbers as integers, other numbers as floats, text as
// UTF-8 strings, objects as objects.
//
// A failed call raises a Lua error whose value is a table {number, source, description}
// that prints as "file:line: description (source, number)".
#pragma once

#include <paginor/form.h>

#include <lua.hpp>

namespace paginor::host::script {

// Registers the object metatable; once per state, before any push.
void open_objects(lua_State* L);

// Pushes object (nil for null); the userdata holds its own reference.
void push_object(lua_State* L, IDispatch* object);
// The object at index, or null when the value is not one (borrowed).
IDispatch* to_object(lua_State* L, int index);

// Pushes the value of v (a by-reference value is read through).
void push_variant(lua_State* L, const VARIANT& v);
// The Lua value at index as a VARIANT; false for a value no VARIANT holds (a table, a
// function).
bool to_variant(lua_State* L, int index, Variant& out);
// Writes the Lua value at index through a by-reference argument, converted to its type;
// a by-value argument is left alone. False when the value does not convert.
bool write_back(lua_State* L, int index, VARIANTARG& arg);

// Pushes the error a failed call left, as the table described above, for the caller to
// raise with lua_error once nothing with a destructor is left in its frame (Lua unwinds
// with longjmp).
void push_error(lua_State* L, const Error& error);

// Runs body(L), a function that returns its count of results or -1 with an error value
// pushed, and raises that error after body's locals are gone.
template <class Body> int protect(lua_State* L, Body&& body) {
    const int results = body(L);
    return results < 0 ? lua_error(L) : results;
}

} // namespace paginor::host::script
