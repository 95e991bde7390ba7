// The commands of paginorctl. Each takes the arguments after its name, prints what it
// did on standard output and its errors (naming the file concerned) on standard error,
// and returns the exit code.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace paginorctl {

constexpr int exit_ok = 0;
constexpr int exit_failed = 1; // the operation was tried and failed
constexpr int exit_usage = 2;  // the command line was wrong

using Args = std::span<const std::string>;

// The library file the commands take when none is given.
std::string default_library();
// Prints "paginorctl: <message>" on standard error and returns exit_failed.
int fail(const std::string& message);

int register_command(Args args);
int unregister_command(Args args);
int list_command(Args args);
int idl_command(Args args);
int info_command(Args args);
int bitmap_command(Args args);
int members_command(Args args);

} // namespace paginorctl
