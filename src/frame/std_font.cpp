#include "frame/std_font.h"

#include "automation/enumerator.h"
#include "automation/error_info.h"
#include "automation/numeric_arg.h"
#include "automation/object_count.h"
#include "automation/ref.h"
#include "automation/variant.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/text/font.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace paginor::frame {

using automation::bstr_view;
using automation::ConnectionPointEnumerator;
using automation::Currency;
using automation::DispatchName;
using automation::exception_from;
using automation::make_bstr;
using automation::NamedDispatch;
using automation::numeric_arg;
using automation::object_created;
using automation::object_destroyed;
using automation::write_out;

namespace {

const IID IID_StdFontSelf = {
    0x5b2e8f14, 0x6a7c, 0x4e03, {0x8d, 0x91, 0x3c, 0x40, 0xe7, 0x1a, 0x52, 0xb6}};

constexpr std::array kMembers{DispatchName{u"Name", DISPID_FONT_NAME},
                              DispatchName{u"Size", DISPID_FONT_SIZE},
                              DispatchName{u"Bold", DISPID_FONT_BOLD},
                              DispatchName{u"Italic", DISPID_FONT_ITALIC},
                              DispatchName{u"Underline", DISPID_FONT_UNDER},
                              DispatchName{u"Strikethrough", DISPID_FONT_STRIKE}};

constexpr std::u16string_view kSource = u"PaginorV2CTL.StdFont";

[[noreturn]] void invalid(std::u16string_view what) {
    raise_standard(std_error::InvalidPropertyValue, std::u16string(kSource),
                   u"Invalid property value: " + std::u16string(what));
}

} // namespace

StdFont::StdFont(FontDescription description)
    : NamedDispatch(kMembers, IID_StdFontSelf), m_font(std::move(description)) {
    object_created();
}

StdFont::~StdFont() {
    object_destroyed();
}

StdFont* StdFont::create(FontDescription description) {
    return new StdFont(std::move(description));
}

StdFont* StdFont::from(IDispatch* font) {
    Ref<IDispatch> self; // ours, so the font stays alive once this reference goes
    if (!font || FAILED(font->QueryInterface(IID_StdFontSelf, self.put_void())) || !self)
        return nullptr;
    return static_cast<StdFont*>(self.get());
}

void StdFont::changed(DISPID member) {
    const Ref<StdFont> alive(this); // a listener or sink may drop the last other reference
    const std::vector<FontChangeListener*> listeners = m_listeners;
    for (FontChangeListener* l : listeners)
        if (std::find(m_listeners.begin(), m_listeners.end(), l) != m_listeners.end())
            l->OnFontChanged(member);
    m_notify.changed(member);
}

HRESULT StdFont::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv || riid != IID_IConnectionPointContainer)
        return NamedDispatch::QueryInterface(riid, ppv);
    *ppv = static_cast<IConnectionPointContainer*>(this);
    AddRef();
    return S_OK;
}

HRESULT StdFont::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) {
    IConnectionPoint* const points[] = {&m_notify};
    return ConnectionPointEnumerator::create(points, ppEnum);
}

HRESULT StdFont::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
    if (!ppCP)
        return E_POINTER;
    *ppCP = nullptr;
    if (riid != IID_IPropertyNotifySink)
        return CONNECT_E_NOCONNECTION;
    return write_out(ppCP, Ref<IConnectionPoint>(&m_notify));
}

void StdFont::remove_listener(FontChangeListener* listener) {
    std::erase(m_listeners, listener);
}

void StdFont::set_name(std::u16string name) {
    if (name.empty())
        invalid(u"a font needs a name");
    if (name == m_font.name)
        return;
    m_font.name = std::move(name);
    changed(DISPID_FONT_NAME);
}

void StdFont::set_size(double points) {
    if (!(points > 0) || !std::isfinite(points))
        invalid(u"a font size must be above 0");
    if (points == m_font.size)
        return;
    m_font.size = points;
    changed(DISPID_FONT_SIZE);
}

#define PAGINOR_FONT_FLAG(setter, field, dispid)                                                   \
    void StdFont::setter(bool on) {                                                                \
        if (m_font.field == on)                                                                    \
            return;                                                                                \
        m_font.field = on;                                                                         \
        changed(dispid);                                                                           \
    }
PAGINOR_FONT_FLAG(set_bold, bold, DISPID_FONT_BOLD)
PAGINOR_FONT_FLAG(set_italic, italic, DISPID_FONT_ITALIC)
PAGINOR_FONT_FLAG(set_underline, underline, DISPID_FONT_UNDER)
PAGINOR_FONT_FLAG(set_strikethrough, strikethrough, DISPID_FONT_STRIKE)
#undef PAGINOR_FONT_FLAG

platform::HFONT StdFont::create_hfont() const {
    return platform::create_font(m_font.name, m_font.size, m_font.bold, m_font.italic,
                                 m_font.underline, m_font.strikethrough);
}

HRESULT StdFont::put(DISPID id, const VARIANT& value) {
    if (id == DISPID_FONT_NAME) {
        if (value.vt != VT_BSTR)
            return DISP_E_TYPEMISMATCH;
        set_name(std::u16string(bstr_view(value.bstrVal)));
        return S_OK;
    }
    if (id == DISPID_FONT_SIZE) {
        const std::optional<double> points = numeric_arg(value, Currency::Taken);
        if (!points)
            return DISP_E_TYPEMISMATCH;
        set_size(*points);
        return S_OK;
    }
    const std::optional<double> n = value.vt == VT_BOOL
                                        ? std::optional<double>(value.boolVal != VARIANT_FALSE)
                                        : numeric_arg(value, Currency::Taken);
    if (!n)
        return DISP_E_TYPEMISMATCH;
    const bool on = *n != 0;
    switch (id) {
    case DISPID_FONT_BOLD:
        set_bold(on);
        return S_OK;
    case DISPID_FONT_ITALIC:
        set_italic(on);
        return S_OK;
    case DISPID_FONT_UNDER:
        set_underline(on);
        return S_OK;
    case DISPID_FONT_STRIKE:
        set_strikethrough(on);
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT StdFont::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* arg_err) {
    if (!is_member(id))
        return DISP_E_MEMBERNOTFOUND;
    if (flags & DISPATCH_PROPERTYPUT) {
        if (!params || params->cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        try {
            const HRESULT hr = put(id, params->rgvarg[0]);
            if (hr == DISP_E_TYPEMISMATCH && arg_err)
                *arg_err = 0;
            return hr;
        } catch (const RuntimeError& e) {
            return exception_from(e, excep);
        }
    }
    if (!(flags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    if (!result)
        return S_OK;
    VariantInit(result);
    switch (id) {
    case DISPID_FONT_NAME:
        result->vt = VT_BSTR;
        result->bstrVal = make_bstr(m_font.name);
        return S_OK;
    case DISPID_FONT_SIZE:
        result->vt = VT_CY;
        result->llVal = std::llround(m_font.size * 10000.0);
        return S_OK;
    default: {
        const bool on = id == DISPID_FONT_BOLD     ? m_font.bold
                        : id == DISPID_FONT_ITALIC ? m_font.italic
                        : id == DISPID_FONT_UNDER  ? m_font.underline
                                                   : m_font.strikethrough;
        result->vt = VT_BOOL;
        result->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    }
}

} // namespace paginor::frame
