#include "host/form_object.h"

#include "automation/enumerator.h"
#include "automation/error_info.h"
#include "automation/object_count.h"
#include "automation/ref.h"
#include "automation/variant.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <array>
#include <functional>
#include <vector>

namespace paginor::host {

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.Form";

// Private identifiers: each object answers its own, as NamedDispatch asks.
const IID IID_FormObjectSelf = {
    0x6c1f0a52, 0x93d4, 0x4b7e, {0xa2, 0x18, 0x5e, 0x07, 0xc3, 0x9b, 0x41, 0xd6}};
const IID IID_FormControlsSelf = {
    0x6c1f0a53, 0x93d4, 0x4b7e, {0xa2, 0x18, 0x5e, 0x07, 0xc3, 0x9b, 0x41, 0xd6}};
const IID IID_FormExtenderSelf = {
    0x6c1f0a54, 0x93d4, 0x4b7e, {0xa2, 0x18, 0x5e, 0x07, 0xc3, 0x9b, 0x41, 0xd6}};

enum : DISPID { kName = 1, kBackColor, kHwnd, kControls, kTypeName, kContainer, kObject };
constexpr DISPID kItem = 0; // the collection's default member
constexpr DISPID kCount = 1;

constexpr std::array kFormNames{
    automation::DispatchName{u"Name", kName}, automation::DispatchName{u"BackColor", kBackColor},
    automation::DispatchName{u"hwnd", kHwnd}, automation::DispatchName{u"Controls", kControls}};
constexpr std::array kControlsNames{automation::DispatchName{u"Item", kItem},
                                    automation::DispatchName{u"Count", kCount},
                                    automation::DispatchName{u"_NewEnum", DISPID_NEWENUM}};
constexpr std::array kExtenderNames{automation::DispatchName{u"Name", kName},
                                    automation::DispatchName{u"TypeName", kTypeName},
                                    automation::DispatchName{u"Container", kContainer},
                                    automation::DispatchName{u"Object", kObject}};

using Reader = std::function<void(const FormView&, VARIANT& out)>;

// One read of a form's object, as the automation boundary wants it: reads only, the
// form still there, the argument count checked, and any failure of the reader (a
// RuntimeError, or no memory) turned into DISP_E_EXCEPTION with the error in excep and in
// the thread's error info.
HRESULT read(const FormView* form, WORD flags, DISPPARAMS* params, UINT wanted, VARIANT* result,
             EXCEPINFO* excep, const Reader& reader) {
    if (!(flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)))
        return DISP_E_MEMBERNOTFOUND;
    if (!form)
        return automation::report(E_UNEXPECTED, kSource, u"The form that held this object is gone");
    const UINT given = params ? params->cArgs : 0;
    if (params && params->cNamedArgs)
        return DISP_E_NONAMEDARGS;
    if (given != wanted)
        return DISP_E_BADPARAMCOUNT;
    automation::Variant value;
    const HRESULT hr = automation::guarded(kSource, [&] { reader(*form, *value.get()); });
    if (FAILED(hr))
        return automation::as_exception(hr, excep);
    if (result)
        *result = value.release();
    return S_OK;
}

void put_string(VARIANT& out, std::u16string_view text) {
    out.vt = VT_BSTR;
    out.bstrVal = automation::make_bstr(text);
}

void put_long(VARIANT& out, LONG value) {
    out.vt = VT_I4;
    out.lVal = value;
}

// Hands out a counted reference.
void put_object(VARIANT& out, IDispatch* object) {
    out.vt = VT_DISPATCH;
    out.pdispVal = automation::Ref<IDispatch>(object).detach();
}

// What the collections and extenders share: a counted hold on the form's object, through
// which they find the form while it lives.
class FormPart : public automation::NamedDispatch {
  protected:
    FormPart(std::span<const automation::DispatchName> names, const IID& self, FormObject& owner)
        : NamedDispatch(names, self), m_owner(&owner) {
        automation::object_created();
    }
    ~FormPart() override { automation::object_destroyed(); }
    const automation::Ref<FormObject> m_owner;
};

// Controls(i): one control of the form, found again by its name at every read.
class Extender final : public FormPart {
  public:
    Extender(FormObject& owner, std::u16string name)
        : FormPart(kExtenderNames, IID_FormExtenderSelf, owner), m_name(std::move(name)) {}

    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excep, UINT*) override {
        if (!is_member(id))
            return DISP_E_MEMBERNOTFOUND;
        return read(m_owner->form(), flags, params, 0, result, excep,
                    [&](const FormView& form, VARIANT& out) {
                        const FormEntry& e = entry(form);
                        switch (id) {
                        case kName:
                            return put_string(out, e.name);
                        case kTypeName:
                            return put_string(out, e.type_name);
                        case kContainer:
                            return put_object(out, e.container.empty()
                                                       ? static_cast<IDispatch*>(m_owner.get())
                                                       : form.control(e.container));
                        default:
                            return put_object(out, e.object.get());
                        }
                    });
    }

  private:
    const FormEntry& entry(const FormView& form) const {
        for (const FormEntry& e : form.controls())
            if (equals_ignore_case(e.name, m_name))
                return e;
        raise_standard(std_error::ObjectNotSet, std::u16string(kSource),
                       u"The form no longer holds '" + m_name + u"'");
    }

    std::u16string m_name;
};

// Parent.Controls: the form's controls in form order, read live at every call; For Each
// walks a snapshot of them taken when it starts.
class Controls final : public FormPart {
  public:
    explicit Controls(FormObject& owner) : FormPart(kControlsNames, IID_FormControlsSelf, owner) {}

    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excep, UINT* arg_err) override {
        if (!is_member(id))
            return DISP_E_MEMBERNOTFOUND;
        if (id == kCount)
            return read(m_owner->form(), flags, params, 0, result, excep,
                        [](const FormView& form, VARIANT& out) {
                            put_long(out, static_cast<LONG>(form.controls().size()));
                        });
        if (id == DISPID_NEWENUM)
            return read(m_owner->form(), flags, params, 0, result, excep,
                        [&](const FormView& form, VARIANT& out) {
                            out.vt = VT_UNKNOWN;
                            out.punkVal = enumerate(form);
                        });
        automation::Variant index;
        if (params && params->cArgs == 1 &&
            FAILED(VariantChangeType(index.get(), &params->rgvarg[0], 0, VT_I4))) {
            if (arg_err)
                *arg_err = 0;
            return DISP_E_TYPEMISMATCH;
        }
        return read(
            m_owner->form(), flags, params, 1, result, excep,
            [&](const FormView& form, VARIANT& out) {
                const LONG i = index->lVal;
                if (i < 0 || size_t(i) >= form.controls().size())
                    throw RuntimeError(
                        DISP_E_BADINDEX, std_error::SubscriptOutOfRange, std::u16string(kSource),
                        std::u16string(standard_error_text(std_error::SubscriptOutOfRange)));
                auto* extender = new Extender(*m_owner, form.controls()[size_t(i)].name);
                out.vt = VT_DISPATCH;
                out.pdispVal = extender;
            });
    }

  private:
    // An enumerator of a new extender for every control, in form order. The extenders
    // hold the form's object, not the form.
    IUnknown* enumerate(const FormView& form) {
        std::vector<automation::Variant> extenders;
        std::vector<VARIANT> items;
        for (const FormEntry& e : form.controls()) {
            auto* extender = new Extender(*m_owner, e.name);
            VARIANT& v = *extenders.emplace_back().get();
            v.vt = VT_DISPATCH;
            v.pdispVal = extender;
            items.push_back(v);
        }
        IEnumVARIANT* enumerator = nullptr;
        if (FAILED(automation::VariantEnumerator::create(items, &enumerator)))
            raise_standard(std_error::OutOfMemory, std::u16string(kSource));
        return enumerator;
    }
};

} // namespace

FormObject::FormObject(const FormView& form)
    : NamedDispatch(kFormNames, IID_FormObjectSelf), m_form(&form) {
    automation::object_created();
}

FormObject::~FormObject() {
    automation::object_destroyed();
}

FormObject* FormObject::create(const FormView& form) {
    return new FormObject(form);
}

HRESULT FormObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excep, UINT*) {
    if (!is_member(id))
        return DISP_E_MEMBERNOTFOUND;
    return read(m_form, flags, params, 0, result, excep, [&](const FormView& form, VARIANT& out) {
        switch (id) {
        case kName:
            return put_string(out, form.name());
        case kBackColor:
            return put_long(out, static_cast<LONG>(form.back_color()));
        case kHwnd:
            return put_long(out, static_cast<LONG>(form.hwnd()));
        default:
            out.vt = VT_DISPATCH;
            out.pdispVal = new Controls(*this);
            return;
        }
    });
}

} // namespace paginor::host
