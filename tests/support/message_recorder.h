// Records the messages that test windows receive and compares them with expected
// tables, printing the first row that differs. Shared by the platform and tracking tests.
#pragma once

#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace paginor::testing_support {

using namespace paginor::platform;

enum class Via { Sent, Posted };

struct MsgRow {
    HWND hwnd{0};
    UINT msg{0};
    WPARAM wParam{0};
    LPARAM lParam{0};
    Via via{Via::Sent};
};

// A row of an expected table: a message sent or posted, its parameters 0 unless given.
inline MsgRow sent(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) {
    return {h, msg, w, l, Via::Sent};
}
inline MsgRow posted(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) {
    return {h, msg, w, l, Via::Posted};
}

inline std::string describe(const MsgRow& r) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "{hwnd %#x, msg %#x, wParam %#llx, lParam %#llx, %s}",
                  unsigned(r.hwnd), unsigned(r.msg), (unsigned long long)r.wParam,
                  (unsigned long long)r.lParam, r.via == Via::Sent ? "sent" : "posted");
    return buf;
}

class MessageLog {
  public:
    static std::vector<MsgRow>& rows() {
        static std::vector<MsgRow> r;
        return r;
    }
    static std::set<UINT>& ignored() {
        static std::set<UINT> s;
        return s;
    }
    static void clear() { rows().clear(); }
    static void record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (ignored().count(msg) == 0) {
            rows().push_back(
                {hwnd, msg, wParam, lParam, InSendMessage() ? Via::Sent : Via::Posted});
        }
    }
};

// A window procedure that records every message and returns 0.
inline LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MessageLog::record(hwnd, msg, wParam, lParam);
    return 0;
}

inline ::testing::AssertionResult SameMessages(const std::vector<MsgRow>& actual,
                                               const std::vector<MsgRow>& expected) {
    std::size_t n = std::max(actual.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= actual.size()) {
            return ::testing::AssertionFailure()
                   << "row " << i << ": missing, expected " << describe(expected[i]);
        }
        if (i >= expected.size()) {
            return ::testing::AssertionFailure()
                   << "row " << i << ": unexpected " << describe(actual[i]);
        }
        const MsgRow& a = actual[i];
        const MsgRow& e = expected[i];
        bool same = a.hwnd == e.hwnd && a.msg == e.msg && a.wParam == e.wParam &&
                    a.lParam == e.lParam && a.via == e.via;
        if (!same) {
            return ::testing::AssertionFailure()
                   << "row " << i << ": got " << describe(a) << ", expected " << describe(e);
        }
    }
    return ::testing::AssertionSuccess();
}

// Every test of the window system: a fresh system with a manual clock, an empty log.
class WindowSystemTest : public ::testing::Test {
  protected:
    WindowSystemTest() {
        MessageLog::clear();
        MessageLog::ignored().clear();
    }
    ~WindowSystemTest() override {
        MessageLog::clear();
        MessageLog::ignored().clear();
    }

    HWND make(HWND parent, RECT rect, WNDPROC proc = &RecordingProc, bool visible = true) {
        WindowDesc d;
        d.parent = parent;
        d.rect = rect;
        d.proc = proc;
        d.visible = visible;
        return CreateWindow(d);
    }
    // Records only what happens from here on, without the noise of creation and paint.
    void start_recording(std::set<UINT> ignore = {WM_PAINT}) {
        DoEvents();
        MessageLog::ignored() = std::move(ignore);
        MessageLog::clear();
    }
    const std::vector<MsgRow>& log() { return MessageLog::rows(); }
    // Only the message numbers of the log, for tests that care about nothing else.
    std::vector<UINT> messages() {
        std::vector<UINT> out;
        for (const MsgRow& r : log())
            out.push_back(r.msg);
        return out;
    }

    WindowSystemScope ws;
};

} // namespace paginor::testing_support
