// The per-thread error object and the exported SetErrorInfo / GetErrorInfo /
// CreateErrorInfo entry points.
#include "automation/error_info.h"

#include "automation/foreign.h"
#include "automation/ref.h"
#include "automation/simple_object.h"
#include "automation/variant.h"

namespace paginor::automation {
namespace {

// Answered only by the library's own error objects, with the object itself: how a handed
// back error object is recognised without looking at its C++ type.
constexpr IID iid_error_record = {
    0x5C1E0B7A, 0x2D4F, 0x4E8B, {0x9A, 0x61, 0x3B, 0x7E, 0x0C, 0x55, 0xD2, 0x18}};

// One error object: readable through IErrorInfo, fillable through ICreateErrorInfo.
class ErrorObject final : public SimpleObject<IErrorInfo, ICreateErrorInfo> {
  public:
    // Not counted as a live object: a lingering last error must not keep the module loaded.
    explicit ErrorObject(ErrorRecord record) : m_record(std::move(record)) {}

    const ErrorRecord& record() const { return m_record; }

    void* interface_for(REFIID riid) override {
        if (riid == IID_IUnknown || riid == IID_IErrorInfo)
            return static_cast<IErrorInfo*>(this);
        if (riid == IID_ICreateErrorInfo)
            return static_cast<ICreateErrorInfo*>(this);
        if (riid == iid_error_record)
            return this;
        return nullptr;
    }

    HRESULT GetGUID(GUID* pGUID) override {
        return write_out(pGUID, [&] { return m_guid; });
    }
    HRESULT GetSource(BSTR* out) override { return give(m_record.source, out); }
    HRESULT GetDescription(BSTR* out) override { return give(m_record.description, out); }
    HRESULT GetHelpFile(BSTR* out) override { return give(m_help_file, out); }
    HRESULT GetHelpContext(DWORD* out) override {
        return write_out(out, [&] { return m_help_context; });
    }

    HRESULT SetGUID(REFGUID guid) override {
        m_guid = guid;
        return S_OK;
    }
    HRESULT SetSource(OLECHAR* text) override { return take(text, m_record.source); }
    HRESULT SetDescription(OLECHAR* text) override { return take(text, m_record.description); }
    HRESULT SetHelpFile(OLECHAR* text) override { return take(text, m_help_file); }
    HRESULT SetHelpContext(DWORD context) override {
        m_help_context = context;
        return S_OK;
    }

  private:
    static HRESULT give(const std::u16string& text, BSTR* out) {
        if (!out)
            return E_POINTER;
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }
    static HRESULT take(const OLECHAR* text, std::u16string& into) {
        into = text ? std::u16string(text) : std::u16string();
        return S_OK;
    }

    ErrorRecord m_record;
    GUID m_guid = IID_NULL;
    std::u16string m_help_file;
    DWORD m_help_context = 0;
};

// The calling thread's error object, given back when the thread ends, so a thread that
// called the library and left an error behind leaks nothing.
struct ThreadError {
    IErrorInfo* info = nullptr;
    // The same object when the library made it (it then carries the HRESULT and number).
    ErrorObject* ours = nullptr;
    ThreadError() = default;
    ThreadError(const ThreadError&) = delete;
    ThreadError& operator=(const ThreadError&) = delete;
    ~ThreadError() {
        if (info)
            info->Release();
    }
};
thread_local ThreadError thread_error;

PAGINOR_FOREIGN_CALLS void replace(IErrorInfo* info, ErrorObject* ours = nullptr) {
    IErrorInfo* old = thread_error.info;
    thread_error.info = info;
    thread_error.ours = ours;
    if (old)
        old->Release();
}

} // namespace

void set_error(const ErrorRecord& record) {
    auto* object = new ErrorObject(record);
    replace(object, object);
}

void clear_error() {
    replace(nullptr);
}

PAGINOR_FOREIGN_CALLS std::optional<ErrorRecord> peek_error() {
    IErrorInfo* const current = thread_error.info;
    if (!current)
        return std::nullopt;
    if (thread_error.ours)
        return thread_error.ours->record();
    // A host's own object tells only its texts.
    ErrorRecord record;
    Bstr source, description;
    current->GetSource(source.out());
    current->GetDescription(description.out());
    record.source = source.str();
    record.description = description.str();
    return record;
}

HRESULT report(const RuntimeError& error) {
    set_error({error.hr(), error.number(), error.source(), error.description()});
    return error.hr();
}

HRESULT report(HRESULT hr, std::u16string_view source, std::u16string_view description) {
    try {
        set_error({hr, hr, std::u16string(source), std::u16string(description)});
    } catch (...) {
        clear_error(); // no memory for the record: the HRESULT alone must do
    }
    return hr;
}

HRESULT not_implemented(std::u16string_view source, std::u16string_view member) {
    std::u16string text(member);
    text += u" is not implemented yet";
    return report(E_NOTIMPL, source, text);
}

HRESULT as_exception(HRESULT hr, EXCEPINFO* excep) {
    const auto error = peek_error();
    if (!error)
        return hr;
    if (excep) {
        *excep = EXCEPINFO{};
        excep->scode = hr;
        excep->bstrSource = SysAllocStringLen(error->source.data(), UINT(error->source.size()));
        excep->bstrDescription =
            SysAllocStringLen(error->description.data(), UINT(error->description.size()));
    }
    return DISP_E_EXCEPTION;
}

HRESULT exception_from(const RuntimeError& error, EXCEPINFO* excep) {
    return as_exception(report(error), excep);
}

} // namespace paginor::automation

using namespace paginor::automation;

PAGINOR_FOREIGN_CALLS HRESULT SetErrorInfo(ULONG, IErrorInfo* info) {
    if (info)
        info->AddRef();
    // An object the library made keeps its HRESULT and number when a host hands it back.
    void* ours = nullptr;
    if (info && SUCCEEDED(info->QueryInterface(iid_error_record, &ours)))
        static_cast<ErrorObject*>(ours)->Release();
    replace(info, static_cast<ErrorObject*>(ours));
    return S_OK;
}

HRESULT GetErrorInfo(ULONG, IErrorInfo** out) {
    if (!out)
        return E_POINTER;
    *out = thread_error.info;
    thread_error.info = nullptr;
    thread_error.ours = nullptr;
    return *out ? S_OK : S_FALSE;
}

HRESULT CreateErrorInfo(ICreateErrorInfo** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    try {
        *out = new ErrorObject({});
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}
