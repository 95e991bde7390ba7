#include "tracking/ISubclass.h"

namespace paginor {

const IID IID_ISubclass = {
    0x6F1D2B4E, 0x93A7, 0x4C55, {0x8E, 0x0B, 0x2D, 0x7C, 0x41, 0xA9, 0xE3, 0xF1}};

namespace {

// IUnknown's identifier, kept here so the tracking layer needs nothing of automation's.
const IID kUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

} // namespace

HRESULT Subclass::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) {
        return E_POINTER;
    }
    if (riid == kUnknown || riid == IID_ISubclass) {
        *ppv = static_cast<ISubclass*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG Subclass::AddRef() {
    return ++m_refs;
}

ULONG Subclass::Release() {
    ULONG left = --m_refs;
    if (left == 0) {
        delete this;
    }
    return left;
}

LRESULT Subclass::WindowProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

} // namespace paginor
