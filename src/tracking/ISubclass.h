// The handler interface of the subclassing service: an object that sees chosen messages
// of a window through MSubclass. Counted (IUnknown), so the service can hold a handler
// alive across its own callback.
#pragma once

#include "platform/window/window.h"

#include <paginor/base.h>

namespace paginor {

using platform::HWND;
using platform::LPARAM;
using platform::LRESULT;
using platform::WPARAM;

// {6F1D2B4E-93A7-4C55-8E0B-2D7C41A9E3F1}
extern const IID IID_ISubclass;

struct ISubclass : IUnknown {
    // When the window's previous procedure runs for the messages this handler hooked:
    // 0 = not at all (the handler's result is the message's result), 1 = after the
    // handlers (the previous procedure's result counts), 2 = before the handlers (the
    // handler's result counts). Only the first-hooked handler's mode matters.
    virtual LONG get_MsgResponse() = 0;
    virtual void put_MsgResponse(LONG response) = 0;
    // Handles one hooked message and returns its result.
    virtual LRESULT WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) = 0;
};

// The bare handler: an intrusive count starting at 1 (the creator's reference), a
// stored MsgResponse starting at 0, and a WindowProc that returns 0. Implementers
// derive from it and override what they need. Deleted by its last Release.
class Subclass : public ISubclass {
  public:
    Subclass() = default;
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    // IUnknown and ISubclass; E_NOINTERFACE (and *ppv null) for any other interface,
    // E_POINTER for a null ppv.
    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override;
    ULONG Release() override;

    LONG get_MsgResponse() override { return m_response; }
    void put_MsgResponse(LONG response) override { m_response = response; }
    LRESULT WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override;

  protected:
    virtual ~Subclass() = default;

  private:
    ULONG m_refs{1};
    LONG m_response{0};
};

} // namespace paginor
