// Functions that call through interfaces a host hands in (sinks, error objects, objects
// in VARIANTs). A host may be written in C: its objects have a vtable but no C++ dynamic
// type, so such calls are kept out of the sanitiser's dynamic-type (vptr) check, which
// would otherwise reject them although the ABI allows them.
#pragma once

#define PAGINOR_FOREIGN_CALLS __attribute__((no_sanitize("vptr")))
