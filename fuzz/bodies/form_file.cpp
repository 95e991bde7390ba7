// Form files: whatever reads without fault is written and read back to the same record,
// and every typed read of its bags either converts or raises a runtime error.
#include "bodies.h"

#include "frame/form_file.h"
#include "platform/core/error.h"

#include <cmath>

namespace paginor::fuzz {

namespace {

void read_every_way(const frame::PropertyBag& bag) {
    for (const frame::BagEntry& e : bag.entries()) {
        auto attempt = [](auto read) {
            try {
                read();
            } catch (const RuntimeError&) {
            }
        };
        attempt([&] { (void)bag.read_int16(e.name, 0); });
        attempt([&] { (void)bag.read_int32(e.name, 0); });
        attempt([&] { (void)bag.read_boolean(e.name, false); });
        attempt([&] { (void)bag.read_colour(e.name, 0); });
        attempt([&] { (void)bag.read_string(e.name, u""); });
    }
}

} // namespace

bool form_file(const uint8_t* data, size_t size) {
    frame::FormRecord first;
    if (!frame::read_form_file(std::string_view(reinterpret_cast<const char*>(data), size), first)
             .ok())
        return false;
    auto twips = [](double v) { return std::fabs(v) <= 2147483647.0; };
    fuzz_check(twips(first.width) && twips(first.height), "a form's size is finite twips");
    for (const frame::FormControlRecord& c : first.controls) {
        fuzz_check(twips(c.left) && twips(c.top) && twips(c.width) && twips(c.height),
                   "a control's place and size are finite twips");
        read_every_way(c.bag);
    }
    const std::string text = frame::write_form_file(first);
    frame::FormRecord second;
    fuzz_check(frame::read_form_file(text, second).ok(), "a written form file reads back");
    fuzz_check(second == first, "a form file read, written and read again is the same");
    return true;
}

} // namespace paginor::fuzz
