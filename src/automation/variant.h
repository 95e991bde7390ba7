// Owning C++ handles for BSTR and VARIANT, for library code. Both are move-only; both
// free what they hold when they go. Neither throws except std::bad_alloc when a copy
// cannot be allocated.
#pragma once

#include <paginor/base.h>

#include <string>
#include <string_view>
#include <utility>

namespace paginor::automation {

// The text of a BSTR; a null BSTR is the empty string.
inline std::u16string_view bstr_view(BSTR b) {
    return {b ? b : u"", SysStringLen(b)};
}

// A fresh BSTR holding the text; throws std::bad_alloc when it cannot be allocated.
BSTR make_bstr(std::u16string_view text);

class Bstr {
  public:
    Bstr() = default;
    explicit Bstr(std::u16string_view text) : m_text(make_bstr(text)) {}
    // Takes ownership of an allocated BSTR.
    static Bstr adopt(BSTR b) {
        Bstr out;
        out.m_text = b;
        return out;
    }
    Bstr(Bstr&& other) noexcept : m_text(std::exchange(other.m_text, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        std::swap(m_text, other.m_text);
        return *this;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(m_text); }

    BSTR get() const { return m_text; }
    // Frees what is held and hands out the slot for a callee to fill ([out] BSTR*).
    BSTR* out() {
        SysFreeString(std::exchange(m_text, nullptr));
        return &m_text;
    }
    // The slot itself, keeping what is held: for passing the text by reference to a
    // callee that may replace it (freeing the old one).
    BSTR* out_keep() { return &m_text; }
    // Gives up ownership; the caller frees the result.
    BSTR release() { return std::exchange(m_text, nullptr); }
    std::u16string_view view() const { return bstr_view(m_text); }
    std::u16string str() const { return std::u16string(view()); }

  private:
    BSTR m_text = nullptr;
};

class Variant {
  public:
    Variant() { VariantInit(&m_value); }
    explicit Variant(std::u16string_view text);
    explicit Variant(LONG value) : Variant() { m_value.vt = VT_I4, m_value.lVal = value; }
    explicit Variant(SHORT value) : Variant() { m_value.vt = VT_I2, m_value.iVal = value; }
    explicit Variant(double value) : Variant() { m_value.vt = VT_R8, m_value.dblVal = value; }
    explicit Variant(float value) : Variant() { m_value.vt = VT_R4, m_value.fltVal = value; }
    static Variant boolean(bool value) {
        Variant out;
        out.m_value.vt = VT_BOOL;
        out.m_value.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        return out;
    }
    // Holds a counted reference to the object (null is allowed).
    static Variant dispatch(IDispatch* object);
    Variant(Variant&& other) noexcept : m_value(other.m_value) { VariantInit(&other.m_value); }
    Variant& operator=(Variant&& other) noexcept {
        std::swap(m_value, other.m_value);
        return *this;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&m_value); }

    VARIANT* get() { return &m_value; }
    const VARIANT* get() const { return &m_value; }
    VARTYPE vt() const { return m_value.vt; }
    VARIANT* operator->() { return &m_value; }
    const VARIANT* operator->() const { return &m_value; }
    // Clears and hands out the variant for a callee to fill.
    VARIANT* out() {
        VariantClear(&m_value);
        return &m_value;
    }
    // Gives up ownership of the value; the caller clears the result.
    VARIANT release() {
        VARIANT v = m_value;
        VariantInit(&m_value);
        return v;
    }

  private:
    VARIANT m_value;
};

static_assert(sizeof(VARIANT) == 24);
static_assert(sizeof(GUID) == 16);
static_assert(sizeof(DISPPARAMS) == 24);
static_assert(sizeof(EXCEPINFO) == 64);
static_assert(sizeof(VARIANT_BOOL) == 2);
static_assert(sizeof(Variant) == sizeof(VARIANT));

} // namespace paginor::automation
