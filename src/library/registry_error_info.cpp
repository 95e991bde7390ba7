#include "library/registry_self.h"

#include <paginor/automation.h>

#include <string>

namespace paginor::frame {

HRESULT report_error(HRESULT hr, std::u16string_view source, std::u16string_view description) {
    ICreateErrorInfo* create = nullptr;
    if (FAILED(CreateErrorInfo(&create)) || !create) {
        return hr;
    }
    std::u16string s(source);
    std::u16string d(description);
    create->SetSource(s.data());
    create->SetDescription(d.data());
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    }
    create->Release();
    return hr;
}

} // namespace paginor::frame
