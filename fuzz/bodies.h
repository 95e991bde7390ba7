// What each fuzz target does with one input. The libFuzzer programs call these, and the
// plain test suite replays the committed corpus and regression inputs through the same
// functions, so a fixed finding stays fixed under every build (inputs kept under a
// "refused" folder must also be refused). A body aborts (through
// fuzz_check) when an input breaks a promise the parser makes; anything else it survives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace paginor::fuzz {

// Each answers whether the parser took the input (false: it refused it cleanly).
using Body = bool (*)(const uint8_t* data, size_t size);

struct Target {
    std::string_view name; // the folder under fuzz/corpus and fuzz/regressions
    Body body;
};

bool xml(const uint8_t* data, size_t size);
bool form_file(const uint8_t* data, size_t size);
bool base64(const uint8_t* data, size_t size);
bool registry(const uint8_t* data, size_t size);
bool dates(const uint8_t* data, size_t size);
bool image(const uint8_t* data, size_t size);
bool version(const uint8_t* data, size_t size);
bool paths(const uint8_t* data, size_t size);
bool coerce(const uint8_t* data, size_t size);
bool office_zip(const uint8_t* data, size_t size);
bool rtf_escape(const uint8_t* data, size_t size);
bool compound(const uint8_t* data, size_t size);
bool fax_image(const uint8_t* data, size_t size);
bool rtf(const uint8_t* data, size_t size);
bool multiprompt_restore(const uint8_t* data, size_t size);
bool multiprompt_in(const uint8_t* data, size_t size);
bool html_pieces(const uint8_t* data, size_t size);

inline constexpr Target kTargets[] = {
    {"xml", xml},
    {"form_file", form_file},
    {"base64", base64},
    {"registry", registry},
    {"dates", dates},
    {"image", image},
    {"version", version},
    {"paths", paths},
    {"coerce", coerce},
    {"office_zip", office_zip},
    {"rtf_escape", rtf_escape},
    {"compound", compound},
    {"fax_image", fax_image},
    {"rtf", rtf},
    {"multiprompt_restore", multiprompt_restore},
    {"multiprompt_in", multiprompt_in},
    {"html_pieces", html_pieces},
};

// Aborts with the broken promise named when ok is false.
void fuzz_check(bool ok, const char* promise);

} // namespace paginor::fuzz
