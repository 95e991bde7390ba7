// The one enumerator of the library, for every element kind a host walks: connection
// points, connections and a collection's items. It copies the elements it is given when
// it is made (a snapshot, each element holding its own reference), so what the host sees
// does not change when the source does. Clones share the snapshot and start from the
// clone's place. Counted in the module's live objects.
//
//   IConnectionPoint* points[] = {&m_point};
//   return ConnectionPointEnumerator::create(points, ppEnum);
#pragma once

#include <paginor/automation.h>

#include "automation/object_count.h"
#include "automation/simple_object.h"

#include <algorithm>
#include <memory>
#include <new>
#include <span>
#include <vector>

namespace paginor::automation {

// What an enumerator needs to know of its element kind: the interface that enumerates
// it, and how a copy takes a reference of its own and lets it go. copy() fills an
// uninitialised slot and leaves it empty when it fails; clear() is harmless on an empty
// slot.
struct ConnectionPointItems {
    using Interface = IEnumConnectionPoints;
    using Element = IConnectionPoint*;
    static const IID& iid() { return IID_IEnumConnectionPoints; }
    static HRESULT copy(Element& to, const Element& from);
    static void clear(Element& item);
};

struct ConnectionItems {
    using Interface = IEnumConnections;
    using Element = CONNECTDATA;
    static const IID& iid() { return IID_IEnumConnections; }
    static HRESULT copy(Element& to, const Element& from);
    static void clear(Element& item);
};

struct VariantItems {
    using Interface = IEnumVARIANT;
    using Element = VARIANT;
    static const IID& iid() { return IID_IEnumVARIANT; }
    static HRESULT copy(Element& to, const Element& from);
    static void clear(Element& item);
};

template <class Items> class Enumerator final : public SimpleObject<typename Items::Interface> {
  public:
    using Interface = typename Items::Interface;
    using Element = typename Items::Element;

    // A new enumerator over copies of the elements, in their order, with one reference
    // (the caller's) in *out. E_POINTER for a null out; E_OUTOFMEMORY, or what a copy
    // failed with, leaves *out null and holds nothing.
    static HRESULT create(std::span<const Element> elements, Interface** out) noexcept {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        try {
            auto snapshot = std::make_shared<Snapshot>();
            snapshot->items.reserve(elements.size());
            for (const Element& e : elements) {
                Element& slot = snapshot->items.emplace_back();
                if (const HRESULT hr = Items::copy(slot, e); FAILED(hr))
                    return hr;
            }
            *out = new Enumerator(std::move(snapshot), 0);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
        return S_OK;
    }

    // Up to celt elements from the current place, each a copy with its own reference.
    // S_OK when all celt were given, S_FALSE when fewer (*fetched, when given, says how
    // many). E_POINTER for a null out array; E_INVALIDARG for a null fetched unless celt
    // is 1. A failed copy gives back the ones already made and stays in place.
    HRESULT Next(ULONG celt, Element* out, ULONG* fetched) override {
        if (fetched)
            *fetched = 0;
        if (!out)
            return E_POINTER;
        if (!fetched && celt != 1)
            return E_INVALIDARG;
        const std::vector<Element>& items = m_snapshot->items;
        const ULONG given = ULONG(std::min<size_t>(celt, items.size() - m_place));
        for (ULONG i = 0; i < given; ++i)
            if (const HRESULT hr = Items::copy(out[i], items[m_place + i]); FAILED(hr)) {
                while (i-- > 0)
                    Items::clear(out[i]);
                return hr;
            }
        m_place += given;
        if (fetched)
            *fetched = given;
        return given == celt ? S_OK : S_FALSE;
    }
    // Moves on by celt: S_OK, or S_FALSE when the end came first (the place is the end).
    HRESULT Skip(ULONG celt) override {
        const size_t left = m_snapshot->items.size() - m_place;
        m_place += std::min<size_t>(celt, left);
        return celt <= left ? S_OK : S_FALSE;
    }
    HRESULT Reset() override {
        m_place = 0;
        return S_OK;
    }
    // E_POINTER for a null out; E_OUTOFMEMORY leaves *out null.
    HRESULT Clone(Interface** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        try {
            *out = new Enumerator(m_snapshot, m_place);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
        return S_OK;
    }

  private:
    struct Snapshot {
        std::vector<Element> items{};
        Snapshot() = default;
        Snapshot(const Snapshot&) = delete;
        Snapshot& operator=(const Snapshot&) = delete;
        ~Snapshot() {
            for (Element& e : items)
                Items::clear(e);
        }
    };

    Enumerator(std::shared_ptr<const Snapshot> snapshot, size_t place)
        : m_snapshot(std::move(snapshot)), m_place(place) {
        object_created();
    }
    ~Enumerator() override { object_destroyed(); }

    void* interface_for(REFIID riid) override {
        if (riid == IID_IUnknown || riid == Items::iid())
            return static_cast<Interface*>(this);
        return nullptr;
    }

    std::shared_ptr<const Snapshot> m_snapshot;
    size_t m_place{0};
};

extern template class Enumerator<ConnectionPointItems>;
extern template class Enumerator<ConnectionItems>;
extern template class Enumerator<VariantItems>;

using ConnectionPointEnumerator = Enumerator<ConnectionPointItems>;
using ConnectionEnumerator = Enumerator<ConnectionItems>;
using VariantEnumerator = Enumerator<VariantItems>;

} // namespace paginor::automation
