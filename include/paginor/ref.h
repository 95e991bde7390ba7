/* Counted references to automation objects, for C++17 and later.
 *
 * A Ref<T> owns one reference to a T (any interface with AddRef and Release). It takes
 * over a reference that already exists with adopt() or put(), adds one of its own when
 * made from a borrowed pointer or copied, and releases its reference when reset,
 * reassigned or destroyed. Moving hands the reference over without counting.
 *
 *   paginor::Ref<IClassFactory> factory;
 *   HRESULT hr = DllGetClassObject(clsid, IID_IClassFactory, factory.put_void());
 *   paginor::Ref<IDispatch> held(borrowed);  // +1 while it lives
 *   *ppv = held.detach();                    // the caller now owns that reference */
#ifndef PAGINOR_REF_H
#define PAGINOR_REF_H

#include <paginor/base.h>

#include <cstddef>
#include <type_traits>
#include <utility>

namespace paginor {

template <class T> class Ref {
  public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    // Borrows p: the Ref adds a reference of its own (none for null).
    explicit Ref(T* p) : m_p(p) {
        if (m_p)
            m_p->AddRef();
    }
    // Takes over the reference p already carries.
    static Ref adopt(T* p) {
        Ref r;
        r.m_p = p;
        return r;
    }
    Ref(const Ref& other) : Ref(other.m_p) {}
    Ref(Ref&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& other) : Ref(static_cast<T*>(other.get())) {}
    Ref& operator=(Ref other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }
    ~Ref() { reset(); }

    // Releases the reference (after the Ref is already null, so a Release that re-enters
    // sees an empty Ref).
    void reset() {
        if (T* p = std::exchange(m_p, nullptr))
            p->Release();
    }
    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    friend bool operator==(const Ref& a, const T* b) { return a.m_p == b; }
    friend bool operator!=(const Ref& a, const T* b) { return a.m_p != b; }

    // Gives the reference away without releasing it, typically into an out parameter.
    [[nodiscard]] T* detach() { return std::exchange(m_p, nullptr); }
    // For a call that writes a new reference through an out parameter: the old one goes
    // first, and the Ref owns whatever the call writes.
    T** put() {
        reset();
        return &m_p;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

  private:
    T* m_p = nullptr;
};

} // namespace paginor

#endif
