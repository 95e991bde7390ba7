#include "convert/convert_error.h"

namespace paginor::convert {

void raise_convert(ConvertCode code, std::u16string_view source, std::u16string_view file,
                   std::u16string_view what) {
    std::u16string description(what);
    if (!file.empty()) {
        description += u": ";
        description += file;
    }
    raise_own(int(code), std::u16string(source), description);
}

} // namespace paginor::convert
