/* Showing the library's controls: forms, input, the clock, pixels and events, for any C
 * (C11) or C++ (C++17) host. No display is needed: a form is a window of the library's
 * own window system, and what it shows is read back as pixels or written as PNG.
 *
 * One user-interface thread: the first thread that calls a function of this header owns
 * the window system for the rest of the process. A call from any other thread fails with
 * RPC_E_WRONG_THREAD (and changes nothing); the two void calls do nothing there.
 *
 * Every call returning HRESULT leaves error info (GetErrorInfo: source and description)
 * when it fails. A null form, a closed form, an unknown control name and coordinates
 * outside the form are errors (E_POINTER, E_HANDLE, E_INVALIDARG), never a crash.
 *
 *   PaginorForm* form = NULL;
 *   IDispatch* button = NULL;
 *   PaginorFormCreate(u"Demo", 4800, 3600, TRUE, &form);
 *   PaginorFormAdd(form, u"PaginorV2CTL.O2007Hover", u"hOne", 120, 120, 480, 480, &button);
 *   PaginorFormMouse(form, 12, 12);
 *   PaginorDoEvents();
 *   PaginorFormRender(form, "form.png");
 *   button->lpVtbl->Release(button);
 *   PaginorFormClose(form); */
#ifndef PAGINOR_FORM_H
#define PAGINOR_FORM_H

#include <paginor/automation.h>

/* The Windows boolean's two values, for hosts (the library's own sources have theirs). */
#if !defined(PAGINOR_BUILDING_LIBRARY) && !defined(TRUE)
#define TRUE 1
#define FALSE 0
#endif

#define E_HANDLE ((HRESULT)0x80070006L)
#define RPC_E_WRONG_THREAD ((HRESULT)0x8001010EL)

#ifdef __cplusplus
extern "C" {
#endif

/* A form: a top-level window holding controls. Opaque; made by PaginorFormCreate or
 * PaginorFormLoad, ended by PaginorFormClose. A closed form's pointer stays safe to pass:
 * every call on it answers E_HANDLE. */
typedef struct PaginorForm PaginorForm;

/* --- The user-interface thread's world ------------------------------------------------ */

/* Dispatches every pending message (posted, input) and every timer, hover report and
 * paint that is due, until nothing is left. Event handlers run inside it. */
PAGINOR_API void PaginorDoEvents(void);
/* manual TRUE: time stands still until PaginorAdvanceClock moves it. It goes on from
 * where the real clock stands (timers already set keep their due times, local time goes
 * on from the system's) until PaginorSetLocalTime sets the wall time. FALSE: the real
 * monotonic clock and the system's local time again. S_OK; TRUE while already manual
 * changes nothing. */
PAGINOR_API HRESULT PaginorSetClock(BOOL manual);
/* Moves the manual clock forward by ms, stopping at every timer and hover report that
 * falls due on the way, in time order, to run it with the pending messages around it.
 * E_UNEXPECTED when the clock is not manual. */
PAGINOR_API HRESULT PaginorAdvanceClock(DWORD ms);
/* The manual clock's local wall time, what a control reads as "now" and "today".
 * E_UNEXPECTED when the clock is not manual; E_INVALIDARG for a month outside 1..12, a
 * day outside the month, an hour above 23, a minute or second above 59, or a year
 * outside 100..9999. */
PAGINOR_API HRESULT PaginorSetLocalTime(WORD year, WORD month, WORD day, WORD hour, WORD minute,
                                        WORD second);
/* The screen's twips per pixel across (x) and down (y): 15 at 96 dots per inch, 12 at
 * 120. Lengths across convert with x, lengths down and font sizes with y, from the next
 * layout on. E_INVALIDARG for a value outside 1..1440. */
PAGINOR_API HRESULT PaginorSetTwipsPerPixel(LONG x, LONG y);

/* --- Forms ---------------------------------------------------------------------------- */

/* A new empty form named name (null or empty gives "Form1"), width x height twips, shown
 * and active. userMode FALSE makes it a designer's form (the controls' ambient user mode).
 * E_POINTER for a null form; E_INVALIDARG for a size below one pixel or above 32767
 * pixels. */
PAGINOR_API HRESULT PaginorFormCreate(const OLECHAR* name, LONG width, LONG height, BOOL userMode,
                                      PaginorForm** form);
/* A form read from a text form file (as PaginorFormSave writes it), every control created
 * and read from its saved properties. E_POINTER for null arguments; error 53 when the
 * file cannot be read; error 380 naming the line for a malformed file; a control that
 * cannot be created fails the whole load (no form is left behind). */
PAGINOR_API HRESULT PaginorFormLoad(const char* path, BOOL userMode, PaginorForm** form);
/* Writes the form and each control's saved properties as a text form file. Error 75 when
 * the file cannot be written. */
PAGINOR_API HRESULT PaginorFormSave(PaginorForm* form, const char* path);
/* Terminates and releases every control (last added first), then destroys the window.
 * References the host still holds on controls stay valid objects. Null or an already
 * closed form does nothing. */
PAGINOR_API void PaginorFormClose(PaginorForm* form);

/* --- Controls ------------------------------------------------------------------------- */

/* Creates the control progid (for example u"PaginorV2CTL.O2007Hover") named name at left,
 * top, width, height twips: a class of this library through its own class factory,
 * another through the registry. It is sited, initialised, shown and moved, and the new
 * reference in *control is the caller's (control may be null when not wanted). Error 429
 * for a ProgID that names no creatable class; error 5 for a class that is not a control
 * or a name already on the form; E_POINTER for a null progid or name. */
PAGINOR_API HRESULT PaginorFormAdd(PaginorForm* form, const OLECHAR* progid, const OLECHAR* name,
                                   LONG left, LONG top, LONG width, LONG height,
                                   IDispatch** control);
/* The control named name (case-insensitive), a new reference. E_INVALIDARG with error
 * info naming it when the form has no such control. */
PAGINOR_API HRESULT PaginorFormControl(PaginorForm* form, const OLECHAR* name, IDispatch** control);
/* The host moving or resizing a control (twips): the control gets its Resize. */
PAGINOR_API HRESULT PaginorFormMove(PaginorForm* form, const OLECHAR* name, LONG left, LONG top,
                                    LONG width, LONG height);
/* Activates the form and gives the named control the focus. */
PAGINOR_API HRESULT PaginorFormFocus(PaginorForm* form, const OLECHAR* name);
/* Makes the named control the form's default button (cancel FALSE) or its cancel button
 * (cancel TRUE): Enter pressed while another control or the form has the focus goes to
 * the default button as its access key (a GradientButton clicks), Esc to the cancel
 * button, and the control with the focus hears neither. A button that is disabled, or
 * has the focus itself, leaves the key where it is. Null or empty name clears it. Not
 * saved with the form. E_INVALIDARG naming it when the form has no such control. */
PAGINOR_API HRESULT PaginorFormDefaultButton(PaginorForm* form, const OLECHAR* name, BOOL cancel);

/* --- Input, in form client pixels, queued and delivered by PaginorDoEvents ------------ */

/* Moves the pointer to (x, y) of the form (which comes to the top first). E_INVALIDARG
 * for a point outside the form. */
PAGINOR_API HRESULT PaginorFormMouse(PaginorForm* form, LONG x, LONG y);
/* A mouse button (1 left, 2 right, 4 middle) pressed or released where the pointer is.
 * E_INVALIDARG for another button. */
PAGINOR_API HRESULT PaginorFormButton(PaginorForm* form, SHORT button, BOOL down);
/* A key (virtual key code 1..254: 13 Enter, 46 Delete, 115 F4, 16 Shift, 'A'..'Z',
 * '0'..'9', ...) pressed or released, to the form's focus. E_INVALIDARG outside 1..254. */
PAGINOR_API HRESULT PaginorFormKey(PaginorForm* form, SHORT keyCode, BOOL down);
/* Types text to the form's focus, each character as typed: key down, the character, key
 * up. Letters, digits and space come on their own keys (Shift held for capitals and the
 * shifted digits); punctuation, quotes and accented letters come as characters of their
 * own key (0xE7). E_POINTER for null text. */
PAGINOR_API HRESULT PaginorFormType(PaginorForm* form, const OLECHAR* text);

/* --- Pictures and pixels -------------------------------------------------------------- */

/* The standard picture object (PNG, BMP, ICO, JPEG, GIF, by content) that the controls'
 * picture properties take; a new reference. Error 53 for a file that cannot be read,
 * 481 for one that is no picture. An empty path gives a null picture and S_OK. */
PAGINOR_API HRESULT PaginorLoadPicture(const OLECHAR* path, IDispatch** picture);
/* The form's size in pixels. */
PAGINOR_API HRESULT PaginorFormSize(PaginorForm* form, LONG* width, LONG* height);
/* The colour 0x00BBGGRR at (x, y) of the composed form: pending paints run first, and
 * pop-ups and tool-tips over the form are included. E_INVALIDARG outside the form. */
PAGINOR_API HRESULT PaginorFormPixel(PaginorForm* form, LONG x, LONG y, OLE_COLOR* rgb);
/* The composed form written as a PNG file. Error 75 when it cannot be written. */
PAGINOR_API HRESULT PaginorFormRender(PaginorForm* form, const char* pngPath);

/* --- Events --------------------------------------------------------------------------- */

/* Receives one event: its DISPID, its name ("Click") and its arguments as the object
 * raises them (last argument first; a by-reference argument may be written to answer). */
typedef void (*PaginorEventHandler)(void* context, DISPID id, const OLECHAR* eventName,
                                    DISPPARAMS* params);
/* Binds handler to the default event interface of source (a control or a relay) until
 * PaginorUnadvise; *cookie names the binding. E_POINTER for null source, handler or
 * cookie; CONNECT_E_CANNOTCONNECT for an object that raises no events. */
PAGINOR_API HRESULT PaginorAdvise(IUnknown* source, PaginorEventHandler handler, void* context,
                                  DWORD* cookie);
/* CONNECT_E_NOCONNECTION for a cookie that is not bound on source. */
PAGINOR_API HRESULT PaginorUnadvise(IUnknown* source, DWORD cookie);

#ifdef __cplusplus
} /* extern "C" */
#endif

#ifdef __cplusplus
#include <paginor/ref.h>

#include <string>
#include <string_view>
#include <utility>

namespace paginor {

/* What a failed call left: its HRESULT, the error number a script host would show (the
 * plain number for standard errors such as 380, the HRESULT for any other), source and
 * description. hr is S_OK when nothing failed. */
struct Error {
    HRESULT hr = S_OK;
    LONG number = 0;
    std::u16string source;
    std::u16string description;

    /* hr with the calling thread's error info (taken, so it is not seen twice). */
    static Error last(HRESULT hr) {
        Error e;
        e.hr = hr;
        e.number = (static_cast<uint32_t>(hr) & 0xFFFF0000u) == 0x800A0000u ? (hr & 0xFFFF) : hr;
        Ref<IErrorInfo> info;
        if (FAILED(hr) && GetErrorInfo(0, info.put()) == S_OK && info) {
            BSTR text = nullptr;
            if (SUCCEEDED(info->GetSource(&text)) && text)
                e.source = text;
            SysFreeString(text);
            text = nullptr;
            if (SUCCEEDED(info->GetDescription(&text)) && text)
                e.description = text;
            SysFreeString(text);
        }
        return e;
    }
};

/* A VARIANT that clears itself. Made from the usual C++ values; read back with the
 * automation coercions (to_long of u"12" is 12). */
class Variant {
  public:
    Variant() { VariantInit(&m_v); }
    Variant(LONG value) : Variant() { m_v.vt = VT_I4, m_v.lVal = value; }
    Variant(double value) : Variant() { m_v.vt = VT_R8, m_v.dblVal = value; }
    Variant(bool value) : Variant() {
        m_v.vt = VT_BOOL, m_v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    Variant(std::u16string_view text) : Variant() {
        m_v.vt = VT_BSTR;
        m_v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    Variant(const char16_t* text) : Variant(std::u16string_view(text)) {}
    /* Holds its own reference to object (null gives a null object reference). */
    Variant(IDispatch* object) : Variant() {
        m_v.vt = VT_DISPATCH, m_v.pdispVal = object;
        if (object)
            object->AddRef();
    }
    Variant(const Variant& other) : Variant() { VariantCopy(&m_v, &other.m_v); }
    Variant(Variant&& other) noexcept : m_v(other.m_v) { VariantInit(&other.m_v); }
    Variant& operator=(Variant other) noexcept {
        std::swap(m_v, other.m_v);
        return *this;
    }
    ~Variant() { VariantClear(&m_v); }

    VARTYPE vt() const { return m_v.vt; }
    const VARIANT& get() const { return m_v; }
    /* For a call that writes a VARIANT: the old value is cleared first. */
    VARIANT* put() {
        VariantClear(&m_v);
        return &m_v;
    }
    /* The value coerced to vt, or an empty Variant when it does not coerce. */
    Variant as(VARTYPE vt) const {
        Variant out;
        VariantChangeType(&out.m_v, &m_v, 0, vt);
        return out;
    }
    LONG to_long() const { return as(VT_I4).m_v.lVal; }
    double to_double() const { return as(VT_R8).m_v.dblVal; }
    bool to_bool() const { return as(VT_BOOL).m_v.boolVal != VARIANT_FALSE; }
    std::u16string to_string() const {
        Variant s = as(VT_BSTR);
        return s.m_v.vt == VT_BSTR && s.m_v.bstrVal
                   ? std::u16string(s.m_v.bstrVal, SysStringLen(s.m_v.bstrVal))
                   : std::u16string();
    }
    /* The object held (borrowed), or null. */
    IDispatch* object() const { return m_v.vt == VT_DISPATCH ? m_v.pdispVal : nullptr; }

  private:
    VARIANT m_v;
};

/* A value or the error that prevented it. */
template <class T> struct Result {
    T value{};
    Error error{};
    explicit operator bool() const { return SUCCEEDED(error.hr); }
};
struct Done {};
using Status = Result<Done>;

namespace detail {
inline Status status_of(HRESULT hr) {
    Status s;
    s.error = FAILED(hr) ? Error::last(hr) : Error{hr, 0, {}, {}};
    return s;
}

/* One late-bound call with its arguments in automation order (last first): the result, or
 * the error the object raised (from EXCEPINFO) or left as error info. */
inline Result<Variant> invoke(IDispatch& object, DISPID id, WORD flags, Variant* args, UINT count) {
    Result<Variant> r;
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    DISPPARAMS params{reinterpret_cast<VARIANTARG*>(args), put ? &named : nullptr, count,
                      put ? 1u : 0u};
    EXCEPINFO excep{};
    const HRESULT hr =
        object.Invoke(id, IID_NULL, 0, flags, &params, r.value.put(), &excep, nullptr);
    if (hr == DISP_E_EXCEPTION) {
        r.error = Error::last(excep.scode);
        r.error.source = excep.bstrSource ? excep.bstrSource : u"";
        r.error.description = excep.bstrDescription ? excep.bstrDescription : u"";
    } else if (FAILED(hr)) {
        r.error = Error::last(hr);
    }
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    return r;
}
} // namespace detail

/* A control (or any automation object) called late-bound, by member name. */
class Control {
  public:
    Control() = default;
    explicit Control(Ref<IDispatch> object) : m_object(std::move(object)) {}
    IDispatch* object() const { return m_object.get(); }
    explicit operator bool() const { return static_cast<bool>(m_object); }

    Result<Variant> get(std::u16string_view name) const {
        return invoke(name, DISPATCH_PROPERTYGET, nullptr, 0);
    }
    Status put(std::u16string_view name, Variant value) const {
        Result<Variant> r = invoke(name, DISPATCH_PROPERTYPUT, &value, 1);
        Status s;
        s.error = std::move(r.error);
        return s;
    }
    template <class... Args> Result<Variant> call(std::u16string_view name, Args&&... args) const {
        // The automation convention passes the last argument first.
        Variant reversed[sizeof...(Args) + 1];
        size_t i = sizeof...(Args);
        ((reversed[--i] = Variant(std::forward<Args>(args))), ...);
        return invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, reversed, sizeof...(Args));
    }

  private:
    Result<Variant> invoke(std::u16string_view name, WORD flags, Variant* args, UINT count) const {
        Result<Variant> r;
        if (!m_object) {
            r.error = Error{E_POINTER, E_POINTER, {}, u"No object"};
            return r;
        }
        std::u16string text(name);
        OLECHAR* names[] = {text.data()};
        DISPID id = DISPID_UNKNOWN;
        HRESULT hr = m_object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
        if (FAILED(hr)) {
            r.error = Error{hr, hr, {}, u"No member named " + text};
            return r;
        }
        return detail::invoke(*m_object, id, flags, args, count);
    }

    Ref<IDispatch> m_object;
};

/* PaginorLoadPicture: the picture object, for a picture property. */
inline Result<Ref<IDispatch>> LoadPicture(std::u16string_view path) {
    std::u16string text(path);
    Result<Ref<IDispatch>> r;
    r.error = detail::status_of(PaginorLoadPicture(text.c_str(), r.value.put())).error;
    return r;
}

/* A form that closes itself. */
class Form {
  public:
    Form() = default;
    Form(Form&& other) noexcept : m_form(std::exchange(other.m_form, nullptr)) {}
    Form& operator=(Form other) noexcept {
        std::swap(m_form, other.m_form);
        return *this;
    }
    ~Form() { PaginorFormClose(m_form); }

    static Result<Form> create(std::u16string_view name, LONG width, LONG height,
                               bool userMode = true) {
        std::u16string text(name);
        Result<Form> r;
        r.error = detail::status_of(
                      PaginorFormCreate(text.c_str(), width, height, userMode, &r.value.m_form))
                      .error;
        return r;
    }
    static Result<Form> load(const std::string& path, bool userMode = true) {
        Result<Form> r;
        r.error = detail::status_of(PaginorFormLoad(path.c_str(), userMode, &r.value.m_form)).error;
        return r;
    }
    PaginorForm* get() const { return m_form; }
    explicit operator bool() const { return m_form != nullptr; }

    Result<Control> add(std::u16string_view progid, std::u16string_view name, LONG left, LONG top,
                        LONG width, LONG height) const {
        std::u16string p(progid), n(name);
        return control_from([&](IDispatch** out) {
            return PaginorFormAdd(m_form, p.c_str(), n.c_str(), left, top, width, height, out);
        });
    }
    Result<Control> control(std::u16string_view name) const {
        std::u16string n(name);
        return control_from(
            [&](IDispatch** out) { return PaginorFormControl(m_form, n.c_str(), out); });
    }
    Status move(std::u16string_view name, LONG left, LONG top, LONG width, LONG height) const {
        std::u16string n(name);
        return detail::status_of(PaginorFormMove(m_form, n.c_str(), left, top, width, height));
    }
    Status focus(std::u16string_view name) const {
        std::u16string n(name);
        return detail::status_of(PaginorFormFocus(m_form, n.c_str()));
    }
    Status default_button(std::u16string_view name, bool cancel = false) const {
        std::u16string n(name);
        return detail::status_of(PaginorFormDefaultButton(m_form, n.c_str(), cancel));
    }
    Status mouse(LONG x, LONG y) const { return detail::status_of(PaginorFormMouse(m_form, x, y)); }
    Status button(SHORT button, bool down) const {
        return detail::status_of(PaginorFormButton(m_form, button, down));
    }
    /* Press and release of a button where the pointer is. */
    Status click(SHORT button = 1) const {
        Status s = this->button(button, true);
        return s ? this->button(button, false) : s;
    }
    Status key(SHORT keyCode, bool down) const {
        return detail::status_of(PaginorFormKey(m_form, keyCode, down));
    }
    Status type(std::u16string_view text) const {
        std::u16string t(text);
        return detail::status_of(PaginorFormType(m_form, t.c_str()));
    }
    Result<OLE_COLOR> pixel(LONG x, LONG y) const {
        Result<OLE_COLOR> r;
        r.error = detail::status_of(PaginorFormPixel(m_form, x, y, &r.value)).error;
        return r;
    }
    Status render(const std::string& pngPath) const {
        return detail::status_of(PaginorFormRender(m_form, pngPath.c_str()));
    }
    Status save(const std::string& path) const {
        return detail::status_of(PaginorFormSave(m_form, path.c_str()));
    }

  private:
    template <class Make> static Result<Control> control_from(Make&& make) {
        Result<Control> r;
        Ref<IDispatch> object;
        r.error = detail::status_of(make(object.put())).error;
        r.value = Control(std::move(object));
        return r;
    }

    PaginorForm* m_form = nullptr;
};

} // namespace paginor
#endif

#endif
