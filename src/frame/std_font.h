// The standard font object that hosts hand to controls: a font description behind
// IDispatch with Name (0), Size (2, points, as VT_CY), Bold (3), Italic (4), Underline (5)
// and Strikethrough (6), each readable and writable late-bound. Every change that alters
// the description tells the font's listeners which member changed, so a control holding
// the font can repaint; a host hears the same through the font's property-notification
// connection point (IConnectionPointContainer, IPropertyNotifySink). Counted like every
// object of the library.
#pragma once

#include "automation/named_dispatch.h"
#include "automation/property_notify.h"

#include <paginor/PaginorV2CTL.h>

#include "platform/core/types.h"

#include <string>
#include <vector>

namespace paginor::frame {

// The standard font members' identifiers.
constexpr DISPID DISPID_FONT_NAME = 0;
constexpr DISPID DISPID_FONT_SIZE = 2;
constexpr DISPID DISPID_FONT_BOLD = 3;
constexpr DISPID DISPID_FONT_ITALIC = 4;
constexpr DISPID DISPID_FONT_UNDER = 5;
constexpr DISPID DISPID_FONT_STRIKE = 6;

struct FontDescription {
    std::u16string name{u"MS Sans Serif"};
    double size{8.25}; // points
    bool bold{false};
    bool italic{false};
    bool underline{false};
    bool strikethrough{false};
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

class FontChangeListener {
  public:
    virtual void OnFontChanged(DISPID member) = 0;

  protected:
    ~FontChangeListener() = default;
};

class StdFont final : public automation::NamedDispatch, public IConnectionPointContainer {
  public:
    // A new font holding one reference.
    static StdFont* create(FontDescription description = {});
    // The font behind a host's IFontDisp when it is one of ours; null otherwise. Borrowed.
    static StdFont* from(IDispatch* font);

    const FontDescription& description() const { return m_font; }
    // Setters notify the listeners only when the value changes. A size of 0 or less, or
    // an empty name, raises RuntimeError 380 and changes nothing.
    void set_name(std::u16string name);
    void set_size(double points);
    void set_bold(bool on);
    void set_italic(bool on);
    void set_underline(bool on);
    void set_strikethrough(bool on);
    // A new raster font for the description; the caller deletes it (DeleteObject).
    platform::HFONT create_hfont() const;

    // Listeners are not owned; removing one that is not there does nothing. A change
    // reaches the C++ listeners first (in the order they were added), then every advised
    // sink's OnChanged; the font holds a reference to itself meanwhile.
    void add_listener(FontChangeListener* listener) { m_listeners.push_back(listener); }
    void remove_listener(FontChangeListener* listener);

    // IUnknown, shared by both interfaces: IDispatch, IConnectionPointContainer and the
    // library's private identifier answer; E_NOINTERFACE for others.
    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override { return automation::NamedDispatch::AddRef(); }
    ULONG Release() override { return automation::NamedDispatch::Release(); }
    // An enumerator of the one point (property notification); E_POINTER for a null out
    // pointer.
    HRESULT EnumConnectionPoints(IEnumConnectionPoints** ppEnum) override;
    // The one point, for IID_IPropertyNotifySink; CONNECT_E_NOCONNECTION (and null) for
    // any other identifier, E_POINTER for a null out pointer.
    HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;

    // Late-bound names: the member names above, ignoring case (NamedDispatch).
    // Reads and writes of the six members. DISP_E_MEMBERNOTFOUND for other members,
    // DISP_E_BADPARAMCOUNT for a write without one value, DISP_E_TYPEMISMATCH for a
    // value of the wrong kind, DISP_E_EXCEPTION (error 380 in excep) for a bad value.
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excep, UINT* arg_err) override;

  private:
    explicit StdFont(FontDescription description);
    ~StdFont();
    void changed(DISPID member);
    HRESULT put(DISPID id, const VARIANT& value);

    FontDescription m_font;
    std::vector<FontChangeListener*> m_listeners{};
    automation::PropertyNotifyPoint m_notify{*this};
};

} // namespace paginor::frame
