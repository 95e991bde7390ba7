// What the tests of controls on a form of the public host API share: text made narrow for
// messages, the composed form read back from its PNG, keys and clicks as a host injects
// them, and a listener on a prompt relay or an event broker.
#pragma once

#include <paginor/form.h>

#include "platform/image/image_codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace paginor::test {

// The text in ASCII, anything beyond it shown as '?'.
inline std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text)
        out += c < 128 ? char(c) : '?';
    return out;
}

// The composed form, written to the test output folder as name.png and read back.
inline platform::Image rendered(const Form& form, const std::string& name) {
    const std::filesystem::path dir = PAGINOR_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    const std::string path = (dir / (name + ".png")).string();
    EXPECT_TRUE(form.render(path));
    return platform::load_image_file(path);
}

// A key pressed and released, then the pump.
inline void tap(const Form& form, SHORT code) {
    form.key(code, true);
    form.key(code, false);
    PaginorDoEvents();
}

// A click at form pixels, apart from an earlier one by more than the double-click time.
inline void click_at(const Form& form, LONG x, LONG y, SHORT button = 1) {
    PaginorAdvanceClock(600);
    form.mouse(x, y);
    form.click(button);
    PaginorDoEvents();
}

// Writes text into a by-reference answer.
inline void answer(BSTR* data, const char16_t* text) {
    SysFreeString(*data);
    *data = SysAllocString(text);
}

// Advised on a prompt relay or an event broker: every event as "sender event<mark>data"
// in a log shared with other listeners, apart by "; ", and then an optional answer that
// may write the data or call back into the sender.
class EventLog {
  public:
    using Answer = std::function<void(const std::u16string& event, BSTR* data)>;

    EventLog(IDispatch* source, std::string& log, const char* mark = " ")
        : m_source(source), m_log(&log), m_mark(mark) {
        EXPECT_EQ(PaginorAdvise(source, &EventLog::heard, this, &m_cookie), S_OK);
    }
    ~EventLog() { PaginorUnadvise(m_source, m_cookie); }
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    Answer answer;

  private:
    static void heard(void* context, DISPID, const OLECHAR*, DISPPARAMS* p) {
        auto* self = static_cast<EventLog*>(context);
        const std::u16string event = *p->rgvarg[1].pbstrVal;
        BSTR* data = p->rgvarg[0].pbstrVal;
        *self->m_log += (self->m_log->empty() ? "" : "; ") + narrow(*p->rgvarg[2].pbstrVal) + " " +
                        narrow(event) + self->m_mark + narrow(*data ? *data : u"");
        if (self->answer)
            self->answer(event, data);
    }
    IDispatch* m_source;
    std::string* m_log;
    const char* m_mark;
    DWORD m_cookie = 0;
};

} // namespace paginor::test
