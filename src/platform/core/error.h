// Failures as the automation boundary reports them: an HRESULT with a number, a source
// and a description. Code below the boundary throws RuntimeError; the boundary catches
// it, records the error info for the calling thread and returns the HRESULT. Nothing
// thrown ever crosses into a host.
#pragma once

#include <paginor/base.h>

#include <exception>
#include <string>
#include <string_view>

namespace paginor {

class RuntimeError : public std::exception {
  public:
    // hr is what the member returns; number is what the host's error object reports
    // (the plain number for standard errors, the HRESULT for the library's own).
    RuntimeError(HRESULT hr, int32_t number, std::u16string source, std::u16string description);

    HRESULT hr() const { return m_hr; }
    int32_t number() const { return m_number; }
    const std::u16string& source() const { return m_source; }
    const std::u16string& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

  private:
    HRESULT m_hr;
    int32_t m_number;
    std::u16string m_source;
    std::u16string m_description;
    std::string m_what;
};

// Numbers of the host runtime's standard errors that the library raises.
namespace std_error {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int BadFileNameOrNumber = 52;
constexpr int FileNotFound = 53;
constexpr int BadFileMode = 54;
constexpr int FileAlreadyOpen = 55;
constexpr int DeviceIOError = 57;
constexpr int FileAlreadyExists = 58;
constexpr int DiskFull = 61;
constexpr int InputPastEndOfFile = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectNotSet = 91;
constexpr int InvalidPropertyValue = 380;
constexpr int ObjectRequired = 424;
constexpr int CannotCreateObject = 429;
constexpr int NoSuchMember = 438;
constexpr int WrongArgumentCount = 450;
constexpr int InvalidPicture = 481;
} // namespace std_error

// The standard text of a host runtime error, or "Application-defined or object-defined
// error" for a number the table does not hold.
std::u16string_view standard_error_text(int number);

// A standard error: HRESULT 0x800A0000 + number, the standard text unless one is given.
RuntimeError standard_error(int number, std::u16string source, std::u16string description = {});
[[noreturn]] void raise_standard(int number, std::u16string source,
                                 std::u16string description = {});

// One of the library's own errors: HRESULT and number both 0x80040000 + code.
RuntimeError own_error(int code, std::u16string source, std::u16string description);
[[noreturn]] void raise_own(int code, std::u16string source, std::u16string description);

} // namespace paginor
