/* Creating the library's objects the way a host does: by ProgID, through the file
 * registry that DllRegisterServer writes (see the README's section on registration).
 * A class of this library is made by the copy already in the process, whatever file the
 * registry names, so a process never holds two copies. For any other class the library
 * file the registry names is loaded (and stays loaded for the rest of the process), its
 * DllGetClassObject gives the class factory, and the factory makes the object. */
#ifndef PAGINOR_HOST_H
#define PAGINOR_HOST_H

#include <paginor/base.h>

/* Status codes of object creation beyond those in base.h. */
#define REGDB_E_READREGDB ((HRESULT)0x80040150L)
#define CO_E_DLLNOTFOUND ((HRESULT)0x800401F8L)
#define CO_E_ERRORINDLL ((HRESULT)0x800401F9L)

/* The class identifier registered for progid (for example u"PaginorV2CTL.O2007Hover").
 * S_OK; E_POINTER when progid or clsid is null; REGDB_E_CLASSNOTREG when the ProgID is
 * not registered; REGDB_E_READREGDB when the registry cannot be read or is malformed.
 * Failures leave *clsid unchanged and record error info naming the ProgID or the
 * registry file. */
PAGINOR_API HRESULT PaginorCLSIDFromProgID(const OLECHAR* progid, CLSID* clsid);

/* Creates the object registered for progid and asks it for riid, storing the interface
 * in *ppv (null on failure). S_OK; E_POINTER when progid or ppv is null; the failures of
 * PaginorCLSIDFromProgID; CO_E_DLLNOTFOUND when the registered library cannot be loaded;
 * CO_E_ERRORINDLL when it has no DllGetClassObject; otherwise whatever the class
 * factory answers (E_NOINTERFACE, CLASS_E_CLASSNOTAVAILABLE, ...). Failures record
 * error info saying what was not found. */
PAGINOR_API HRESULT PaginorCreateObject(const OLECHAR* progid, REFIID riid, void** ppv);

#ifdef __cplusplus
#include <string>
#include <string_view>

namespace paginor {

/* CreateObject(u"PaginorV2CTL.O2007Hover", &obj): the object's IDispatch, as a late-bound
 * host holds it; the same results as PaginorCreateObject. */
inline HRESULT CreateObject(std::u16string_view progid, IDispatch** out) {
    std::u16string text(progid);
    return PaginorCreateObject(text.c_str(), IID_IDispatch, reinterpret_cast<void**>(out));
}

/* The same for any interface of the object: CreateObject(progid, IID__O2007Hover, &typed). */
template <class Interface>
HRESULT CreateObject(std::u16string_view progid, REFIID iid, Interface** out) {
    std::u16string text(progid);
    return PaginorCreateObject(text.c_str(), iid, reinterpret_cast<void**>(out));
}

} // namespace paginor
#endif

#endif
