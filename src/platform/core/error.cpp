#include "platform/core/error.h"

#include "platform/core/unicode.h"

#include <array>
#include <utility>

namespace paginor {

namespace {

struct StandardError {
    int number;
    std::u16string_view text;
};

// The host runtime's own wording; hosts show these texts to users and match on them.
constexpr std::array kStandardErrors{
    StandardError{3, u"Return without GoSub"},
    StandardError{5, u"Invalid procedure call or argument"},
    StandardError{6, u"Overflow"},
    StandardError{7, u"Out of memory"},
    StandardError{9, u"Subscript out of range"},
    StandardError{11, u"Division by zero"},
    StandardError{13, u"Type mismatch"},
    StandardError{52, u"Bad file name or number"},
    StandardError{53, u"File not found"},
    StandardError{54, u"Bad file mode"},
    StandardError{55, u"File already open"},
    StandardError{57, u"Device I/O error"},
    StandardError{58, u"File already exists"},
    StandardError{61, u"Disk full"},
    StandardError{62, u"Input past end of file"},
    StandardError{67, u"Too many files"},
    StandardError{68, u"Device unavailable"},
    StandardError{70, u"Permission denied"},
    StandardError{71, u"Disk not ready"},
    StandardError{75, u"Path/File access error"},
    StandardError{76, u"Path not found"},
    StandardError{91, u"Object variable or With block variable not set"},
    StandardError{380, u"Invalid property value"},
    StandardError{381, u"Invalid property array index"},
    StandardError{382, u"Set not supported at runtime"},
    StandardError{383, u"Set not supported (read-only property)"},
    StandardError{393, u"Get not supported at runtime"},
    StandardError{394, u"Get not supported (write-only property)"},
    StandardError{424, u"Object required"},
    StandardError{429, u"ActiveX component can't create object"},
    StandardError{438, u"Object doesn't support this property or method"},
    StandardError{450, u"Wrong number of arguments or invalid property assignment"},
    StandardError{481, u"Invalid picture"},
};

} // namespace

RuntimeError::RuntimeError(HRESULT hr, int32_t number, std::u16string source,
                           std::u16string description)
    : m_hr(hr), m_number(number), m_source(std::move(source)),
      m_description(std::move(description)),
      m_what(to_utf8(m_source) + ": " + to_utf8(m_description)) {}

std::u16string_view standard_error_text(int number) {
    for (const auto& e : kStandardErrors) {
        if (e.number == number) {
            return e.text;
        }
    }
    return u"Application-defined or object-defined error";
}

RuntimeError standard_error(int number, std::u16string source, std::u16string description) {
    if (description.empty()) {
        description = std::u16string(standard_error_text(number));
    }
    return RuntimeError(PAGINOR_STANDARD_ERROR(number), number, std::move(source),
                        std::move(description));
}

void raise_standard(int number, std::u16string source, std::u16string description) {
    throw standard_error(number, std::move(source), std::move(description));
}

RuntimeError own_error(int code, std::u16string source, std::u16string description) {
    HRESULT hr = PAGINOR_OWN_ERROR(code);
    return RuntimeError(hr, hr, std::move(source), std::move(description));
}

void raise_own(int code, std::u16string source, std::u16string description) {
    throw own_error(code, std::move(source), std::move(description));
}

} // namespace paginor
