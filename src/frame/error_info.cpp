// The per-thread error object and the exported SetErrorInfo / GetErrorInfo /
// CreateErrorInfo entry points.
#include "frame/error_info.h"

#include "frame/variant.h"

namespace paginor::frame {
namespace {

// One error object: readable through IErrorInfo, fillable through ICreateErrorInfo.
class ErrorObject final : public IErrorInfo, public ICreateErrorInfo {
  public:
    // Not counted as a live object: a lingering last error must not keep the module loaded.
    explicit ErrorObject(ErrorRecord record) : m_record(std::move(record)) {}

    const ErrorRecord& record() const { return m_record; }

    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IErrorInfo)
            *ppv = static_cast<IErrorInfo*>(this);
        else if (riid == IID_ICreateErrorInfo)
            *ppv = static_cast<ICreateErrorInfo*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT GetGUID(GUID* pGUID) override {
        if (!pGUID)
            return E_POINTER;
        *pGUID = m_guid;
        return S_OK;
    }
    HRESULT GetSource(BSTR* out) override { return give(m_record.source, out); }
    HRESULT GetDescription(BSTR* out) override { return give(m_record.description, out); }
    HRESULT GetHelpFile(BSTR* out) override { return give(m_help_file, out); }
    HRESULT GetHelpContext(DWORD* out) override {
        if (!out)
            return E_POINTER;
        *out = m_help_context;
        return S_OK;
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

    ULONG m_refs = 1;
    ErrorRecord m_record;
    GUID m_guid = IID_NULL;
    std::u16string m_help_file;
    DWORD m_help_context = 0;
};

thread_local IErrorInfo* current = nullptr;

void replace(IErrorInfo* info) {
    IErrorInfo* old = current;
    current = info;
    if (old)
        old->Release();
}

} // namespace

void set_error(const ErrorRecord& record) {
    replace(new ErrorObject(record));
}

void clear_error() {
    replace(nullptr);
}

std::optional<ErrorRecord> peek_error() {
    if (!current)
        return std::nullopt;
    void* own = nullptr;
    ErrorRecord record;
    // Ours carries the HRESULT and number; a host's own object only its texts.
    if (SUCCEEDED(current->QueryInterface(IID_ICreateErrorInfo, &own))) {
        static_cast<ICreateErrorInfo*>(own)->Release();
        if (auto* ours = dynamic_cast<ErrorObject*>(current))
            return ours->record();
    }
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

} // namespace paginor::frame

using namespace paginor::frame;

HRESULT SetErrorInfo(ULONG, IErrorInfo* info) {
    if (info)
        info->AddRef();
    replace(info);
    return S_OK;
}

HRESULT GetErrorInfo(ULONG, IErrorInfo** out) {
    if (!out)
        return E_POINTER;
    *out = current;
    current = nullptr;
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
