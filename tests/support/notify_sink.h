// A host's property-notification sink for tests, written as a plain vtable (the ABI, not
// a C++ class): every OnChanged logs "<name> <dispid> refs <refs>" and may then unadvise a
// sink (itself or another) or release a reference it was handed.
#pragma once

#include <paginor/automation.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace paginor::test {

using Lines = std::vector<std::string>;

struct NotifySink;
struct NotifySinkVtbl {
    HRESULT (*QueryInterface)(NotifySink* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(NotifySink* self);
    ULONG (*Release)(NotifySink* self);
    HRESULT (*OnChanged)(NotifySink* self, DISPID id);
    HRESULT (*OnRequestEdit)(NotifySink* self, DISPID id);
};

inline HRESULT notify_sink_changed(NotifySink* self, DISPID id);

struct NotifySink {
    const NotifySinkVtbl* vtbl;
    std::string name;
    Lines* log;
    ULONG refs{1}; // lives in the test: the last Release frees nothing
    bool answers_sink{true};
    IConnectionPoint* point{nullptr};
    DWORD cookie{0};
    NotifySink* unadvise{nullptr}; // OnChanged unadvises this sink
    IDispatch* drop{nullptr};      // OnChanged releases this reference

    NotifySink(std::string name, Lines& log);
    IUnknown* unknown() { return reinterpret_cast<IUnknown*>(this); }
};

inline constexpr NotifySinkVtbl kNotifySinkVtbl{
    [](NotifySink* self, REFIID riid, void** ppv) -> HRESULT {
        const bool known =
            riid == IID_IUnknown || (self->answers_sink && riid == IID_IPropertyNotifySink);
        *ppv = known ? self : nullptr;
        self->refs += known;
        return known ? S_OK : E_NOINTERFACE;
    },
    [](NotifySink* self) -> ULONG { return ++self->refs; },
    [](NotifySink* self) -> ULONG { return --self->refs; }, &notify_sink_changed,
    [](NotifySink*, DISPID) -> HRESULT {
        ADD_FAILURE() << "the library never asks before a change";
        return S_OK;
    }};

inline NotifySink::NotifySink(std::string name, Lines& log)
    : vtbl(&kNotifySinkVtbl), name(std::move(name)), log(&log) {}

inline HRESULT notify_sink_changed(NotifySink* self, DISPID id) {
    self->log->push_back(self->name + " " + std::to_string(id) + " refs " +
                         std::to_string(self->refs));
    if (NotifySink* other = std::exchange(self->unadvise, nullptr)) {
        EXPECT_EQ(other->point->Unadvise(other->cookie), S_OK);
    }
    if (IDispatch* object = std::exchange(self->drop, nullptr))
        object->Release();
    return S_FALSE; // ignored
}

} // namespace paginor::test
