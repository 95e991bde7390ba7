// Runs a block of a test under another system time zone, restoring the previous one.
// POSIX rule strings need no zone data on the machine.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

inline constexpr const char* kBerlin = "CET-1CEST,M3.5.0,M10.5.0/3";
inline constexpr const char* kNewYork = "EST5EDT,M3.2.0,M11.1.0";

class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            m_previous = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (m_previous) {
            setenv("TZ", m_previous->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  private:
    std::optional<std::string> m_previous;
};
