// Creating the library's objects the way a host does, through the class factory, and the
// reference questions a test asks of them.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/ref.h"

#include <gtest/gtest.h>

namespace paginor::test {

using automation::Ref;

// A new object of the class as interface iid; null (and a failed expectation) if refused.
template <class I = IDispatch> Ref<I> create(REFCLSID clsid, REFIID iid = IID_IDispatch) {
    Ref<IClassFactory> factory;
    EXPECT_EQ(DllGetClassObject(clsid, IID_IClassFactory, factory.put_void()), S_OK);
    Ref<I> object;
    if (factory) {
        EXPECT_EQ(factory->CreateInstance(nullptr, iid, object.put_void()), S_OK);
    }
    return object;
}

// The object as interface iid; null when it answers no.
template <class I> Ref<I> query(IUnknown* object, REFIID iid) {
    Ref<I> out;
    object->QueryInterface(iid, out.put_void());
    return out;
}

// The count an object is left with after one more AddRef/Release pair.
inline ULONG refs(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

// Whether two interface pointers are the same object (IUnknown identity).
inline bool same_object(IUnknown* a, IUnknown* b) {
    return query<IUnknown>(a, IID_IUnknown).get() == query<IUnknown>(b, IID_IUnknown).get();
}

} // namespace paginor::test
