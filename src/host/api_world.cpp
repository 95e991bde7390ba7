// The user-interface thread's world: the message loop, the clock and the screen density.
#include "host/api.h"

#include "platform/core/clock.h"
#include "platform/core/system_profile.h"
#include "platform/window/message.h"

namespace pf = paginor::platform;
namespace api = paginor::host::api;
using HostForm = paginor::host::Form;

namespace {

pf::ManualClock& manual_clock() {
    static pf::ManualClock clock;
    return clock;
}

pf::ManualClock& require_manual() {
    if (&pf::GetClock() != &manual_clock())
        api::fail(E_UNEXPECTED, u"The clock is not manual (PaginorSetClock(TRUE) first)");
    return manual_clock();
}

bool valid_date_time(int year, int month, int day, int hour, int minute, int second) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 100 || year > 9999 || month < 1 || month > 12 || hour > 23 || minute > 59 ||
        second > 59 || day < 1 || day > kDays[month - 1])
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day <= 28 || leap;
}

} // namespace

void PaginorDoEvents(void) {
    api::call([] { pf::DoEvents(); });
}

HRESULT PaginorSetClock(BOOL manual) {
    return api::call([manual] {
        pf::ManualClock* const clock = &manual_clock();
        if (!manual) {
            pf::SetClock(nullptr);
        } else if (&pf::GetClock() != clock) {
            // Time goes on from where the real clock stands, so timers already set keep
            // their due times.
            *clock = pf::ManualClock();
            clock->wait_until(pf::GetClock().monotonic_ms());
            clock->set_local_time(pf::GetClock().local_time());
            pf::SetClock(clock);
        }
    });
}

HRESULT PaginorAdvanceClock(DWORD ms) {
    return api::call([ms] {
        require_manual();
        pf::RunFor(ms);
    });
}

HRESULT PaginorSetLocalTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    return api::call([=] {
        pf::ManualClock& clock = require_manual();
        if (!valid_date_time(year, month, day, hour, minute, second))
            api::fail(E_INVALIDARG, u"Not a date and time");
        pf::LocalTime t = clock.local_time();
        t = {year, month, day, hour, minute, second, 0, t.utc_offset_minutes};
        clock.set_local_time(t);
    });
}

HRESULT PaginorSetTwipsPerPixel(LONG x, LONG y) {
    return api::call([=] {
        if (x < 1 || x > 1440 || y < 1 || y > 1440)
            api::fail(E_INVALIDARG, u"Twips per pixel are 1 to 1440 each way");
        pf::set_screen_twips_per_pixel(x, y);
    });
}
