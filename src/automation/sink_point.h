// What every outgoing connection point of the library shares: living inside its container
// (one reference count), the cookies and the counted sinks in advise order, Unadvise, and
// rounds of calls that stay correct while sinks advise, unadvise or release things inside
// them. A point adds the interface it connects (GetConnectionInterface), how a sink is
// asked for it (Advise) and how a call reaches a sink.
#pragma once

#include <paginor/automation.h>

#include <vector>

namespace paginor::automation {

class SinkPoint : public IConnectionPoint {
  public:
    SinkPoint(const SinkPoint&) = delete;
    SinkPoint& operator=(const SinkPoint&) = delete;

    size_t sink_count() const { return m_sinks.size(); }
    // Releases every sink (the container is going away).
    void disconnect_all();

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override { return m_owner.AddRef(); }
    ULONG Release() override { return m_owner.Release(); }
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
    // CONNECT_E_NOCONNECTION for a cookie that is not advised.
    HRESULT Unadvise(DWORD dwCookie) override;
    // An enumerator of every advised sink with its cookie, in advise order, as the point
    // holds them now; E_POINTER for a null out pointer.
    HRESULT EnumConnections(IEnumConnections** ppEnum) override;

  protected:
    explicit SinkPoint(IConnectionPointContainer& owner) : m_owner(owner) {}
    ~SinkPoint();

    // Advise's common part: E_POINTER for null arguments (*cookie 0 when it can be
    // written); otherwise query(sink, &out) finds the interface to keep, holding its own
    // reference; CONNECT_E_CANNOTCONNECT when it finds none.
    template <class Query> HRESULT advise(IUnknown* sink, DWORD* cookie, Query&& query) {
        if (!cookie)
            return E_POINTER;
        *cookie = 0;
        if (!sink)
            return E_POINTER;
        IUnknown* kept = nullptr;
        if (!query(sink, &kept) || !kept)
            return CONNECT_E_CANNOTCONNECT;
        return keep(kept, cookie);
    }

    // Calls call(sink) for every sink advised when the round starts, skipping one that an
    // earlier call unadvised; each sink of the round is held by a reference until the
    // round ends, so a sink may unadvise or release anything inside its call.
    template <class Call> void round(Call&& call) {
        const std::vector<Sink> sinks = m_sinks;
        for (const Sink& s : sinks)
            hold(s.sink);
        for (const Sink& s : sinks)
            if (advised(s.cookie))
                call(s.sink);
        for (const Sink& s : sinks)
            let_go(s.sink);
    }

  private:
    struct Sink {
        DWORD cookie;
        IUnknown* sink; // the interface the point connects, as its IUnknown
    };
    HRESULT keep(IUnknown* sink, DWORD* cookie);
    bool advised(DWORD cookie) const;
    static void hold(IUnknown* sink);
    static void let_go(IUnknown* sink);

    IConnectionPointContainer& m_owner;
    std::vector<Sink> m_sinks{};
    DWORD m_next_cookie{1};
};

} // namespace paginor::automation
