// The IDispatch shape of the standard picture and font objects: a counted object whose
// late-bound names come from a short table of the class, with no type information, and
// which answers a private identifier with itself so the library can recognise its own.
#pragma once

#include "automation/simple_object.h"

#include <span>
#include <string_view>

namespace paginor::automation {

struct DispatchName {
    std::u16string_view name;
    DISPID id;
};

class NamedDispatch : public SimpleObject<IDispatch> {
  public:
    HRESULT GetTypeInfoCount(UINT* pctinfo) override;
    // Not provided: E_NOTIMPL.
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    // The class's member names, ignoring case; DISP_E_UNKNOWNNAME (with DISPID_UNKNOWN
    // in the slot) for any other name and for named arguments; E_POINTER for null arrays.
    HRESULT GetIDsOfNames(REFIID, OLECHAR** names, UINT count, LCID, DISPID* ids) override;

  protected:
    // names and self_iid must outlive the object (they are the class's constants).
    NamedDispatch(std::span<const DispatchName> names, const IID& self_iid)
        : m_names(names), m_self_iid(self_iid) {}
    bool is_member(DISPID id) const;

  private:
    void* interface_for(REFIID riid) override;

    std::span<const DispatchName> m_names;
    const IID& m_self_iid;
};

} // namespace paginor::automation
