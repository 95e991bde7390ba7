// Creating the library's objects the way a host does, through the class factory.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include <gtest/gtest.h>

namespace paginor::test {

template <class I = IDispatch> I* create(REFCLSID clsid, REFIID iid = IID_IDispatch) {
    IClassFactory* factory = nullptr;
    EXPECT_EQ(DllGetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    if (!factory)
        return nullptr;
    void* object = nullptr;
    EXPECT_EQ(factory->CreateInstance(nullptr, iid, &object), S_OK);
    factory->Release();
    return static_cast<I*>(object);
}

// The count an object is left with after one more AddRef/Release pair.
inline ULONG refs(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

} // namespace paginor::test
