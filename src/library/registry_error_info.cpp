#include "library/registry_self.h"

#include "automation/ref.h"

#include <paginor/automation.h>

#include <string>

namespace paginor::library {

HRESULT report_error(HRESULT hr, std::u16string_view source, std::u16string_view description) {
    Ref<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.put())) || !create)
        return hr;
    std::u16string s(source);
    std::u16string d(description);
    create->SetSource(s.data());
    create->SetDescription(d.data());
    Ref<IErrorInfo> info;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, info.put_void())))
        SetErrorInfo(0, info.get());
    return hr;
}

} // namespace paginor::library
