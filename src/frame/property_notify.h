// The standard outgoing property-notification connection point of an object: a host
// advises its IPropertyNotifySink and hears OnChanged(member DISPID) after every change
// of a property, synchronously, in advise order. Unlike the event connection point
// (connection_point.h) the sink is a plain vtable, not an IDispatch.
#pragma once

#include <paginor/automation.h>

#include <vector>

namespace paginor::frame {

class PropertyNotifyPoint final : public IConnectionPoint {
  public:
    // Lives inside its container and shares its reference count.
    explicit PropertyNotifyPoint(IConnectionPointContainer& owner) : m_owner(owner) {}
    // Releases every sink still advised.
    ~PropertyNotifyPoint();
    PropertyNotifyPoint(const PropertyNotifyPoint&) = delete;
    PropertyNotifyPoint& operator=(const PropertyNotifyPoint&) = delete;

    // OnChanged(member) on every sink advised when the round starts, each held by a
    // reference for its call; a sink unadvised during the round (by itself or an earlier
    // one) is skipped. What the sinks answer is ignored.
    void changed(DISPID member);
    size_t sink_count() const { return m_sinks.size(); }

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override { return m_owner.AddRef(); }
    ULONG Release() override { return m_owner.Release(); }
    HRESULT GetConnectionInterface(IID* pIID) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
    // E_POINTER for null arguments (*pdwCookie 0); CONNECT_E_CANNOTCONNECT when the sink
    // does not answer IPropertyNotifySink.
    HRESULT Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
    // CONNECT_E_NOCONNECTION for a cookie that is not advised.
    HRESULT Unadvise(DWORD dwCookie) override;
    // Not provided: E_NOTIMPL.
    HRESULT EnumConnections(void** ppEnum) override;

  private:
    struct Sink {
        DWORD cookie;
        IPropertyNotifySink* sink;
    };
    bool advised(DWORD cookie) const;

    IConnectionPointContainer& m_owner;
    std::vector<Sink> m_sinks{};
    DWORD m_next_cookie{1};
};

} // namespace paginor::frame
