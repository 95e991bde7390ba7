#include "tracking/MSubclass.h"

#include "automation/ref.h"
#include "platform/core/error.h"
#include "platform/window/message_ids.h"
#include "platform/window/window.h"

#include <string>
#include <string_view>

namespace paginor::MSubclass {

namespace {

namespace pf = platform;
using pf::HANDLE;

constexpr std::u16string_view kSource = u"PaginorV2CTL.WindowProc";

// A property name built on the stack: the dispatch path composes several per message.
class PropName {
  public:
    PropName& text(std::u16string_view s) {
        for (char16_t c : s) {
            m_buf[m_len++] = c;
        }
        return *this;
    }
    PropName& number(int64_t v) {
        char16_t digits[24];
        int n = 0;
        uint64_t u = v < 0 ? uint64_t(0) - uint64_t(v) : uint64_t(v);
        do {
            digits[n++] = char16_t(u'0' + u % 10);
            u /= 10;
        } while (u != 0);
        if (v < 0) {
            m_buf[m_len++] = u'-';
        }
        while (n > 0) {
            m_buf[m_len++] = digits[--n];
        }
        return *this;
    }
    std::u16string_view view() const { return {m_buf, m_len}; }
    std::size_t size() const { return m_len; }
    PropName& truncate(std::size_t len) {
        m_len = len;
        return *this;
    }

  private:
    char16_t m_buf[64];
    std::size_t m_len{0};
};

int32_t handle_number(HWND hwnd) {
    return int32_t(hwnd);
}

PropName proc_name(HWND h) {
    return std::move(PropName().number(handle_number(h)));
}
PropName hook_count_name(HWND h) {
    return std::move(PropName().text(u"C").number(handle_number(h)));
}
PropName msg_count_name(HWND h, int32_t msg) {
    return std::move(PropName().number(handle_number(h)).text(u"#").number(msg).text(u"C"));
}
PropName entry_name(HWND h, int32_t msg, int32_t index) {
    return std::move(
        PropName().number(handle_number(h)).text(u"#").number(msg).text(u"#").number(index));
}

// Success of the most recent property store, checked after every store.
bool g_store_ok = true;

void store(HWND hwnd, std::u16string_view name, HANDLE value) {
    if (value == 0) {
        pf::RemoveProp(hwnd, name);
        g_store_ok = true;
    } else {
        g_store_ok = pf::SetProp(hwnd, name, value) != pf::FALSE;
    }
}

void store_hook_count(HWND h, HANDLE count) {
    store(h, hook_count_name(h).view(), count);
}

void store_proc(HWND h, HANDLE address) {
    store(h, proc_name(h).view(), address);
}

void store_msg_count(HWND h, int32_t msg, HANDLE count) {
    store(h, msg_count_name(h, msg).view(), count);
}

void store_entry(HWND h, int32_t msg, int32_t index, HANDLE identity) {
    store(h, entry_name(h, msg, index).view(), identity);
}

HANDLE read(HWND h, const PropName& name) {
    return pf::GetProp(h, name.view());
}

bool is_foreign(HWND hwnd) {
    DWORD pid = 0;
    pf::GetWindowThreadProcessId(hwnd, &pid);
    return pid != pf::GetCurrentProcessId();
}

HANDLE identity_of(ISubclass* handler) {
    return reinterpret_cast<HANDLE>(handler);
}

[[noreturn]] void raise_store_failed() {
    raise_standard(std_error::InvalidProcedureCall, u"");
}

// The end of a hook: subclass the window if this is its first hook, then count
// the hook. n is the message's handler count before this hook.
void hook_window(HWND hwnd, int32_t iMsg, HANDLE n) {
    HANDLE hooks = read(hwnd, hook_count_name(hwnd));
    if (hooks == 0) {
        pf::LONG_PTR prev = pf::SetWindowLongPtr(hwnd, pf::GWLP_WNDPROC,
                                                 reinterpret_cast<pf::LONG_PTR>(&SharedWindowProc));
        if (prev == 0) {
            // The desktop answers 0 when it changed nothing; leave the window as it was.
            pf::SetWindowLongPtr(hwnd, pf::GWLP_WNDPROC, 0);
            store_entry(hwnd, iMsg, int32_t(n + 1), 0);
            store_msg_count(hwnd, iMsg, n);
            raise_own(13081, std::u16string(kSource), u"Can't subclass window");
        }
        store_proc(hwnd, prev);
        if (!g_store_ok) {
            pf::SetWindowLongPtr(hwnd, pf::GWLP_WNDPROC, prev);
            store_entry(hwnd, iMsg, int32_t(n + 1), 0);
            store_msg_count(hwnd, iMsg, n);
            raise_store_failed();
        }
    }
    store_hook_count(hwnd, hooks + 1);
    if (g_store_ok) {
        return;
    }
    store_entry(hwnd, iMsg, int32_t(n + 1), 0);
    store_msg_count(hwnd, iMsg, n);
    if (hooks == 0) {
        if (HANDLE prev = read(hwnd, proc_name(hwnd))) {
            pf::SetWindowLongPtr(hwnd, pf::GWLP_WNDPROC, prev);
            store_proc(hwnd, 0);
        }
    }
    raise_store_failed();
}

// The names a dispatch reads, composed once: "<h>", "<h>#<m>C", then "<h>#<m>#<i>" for
// each position, each reusing the prefix before it.
class DispatchNames {
  public:
    DispatchNames(HWND hwnd, int32_t msg) {
        m_name.number(handle_number(hwnd));
        m_handle_len = m_name.size();
        m_name.text(u"#").number(msg);
        m_msg_len = m_name.size();
    }
    std::u16string_view proc() { return m_name.truncate(m_handle_len).view(); }
    std::u16string_view count() { return m_name.truncate(m_msg_len).text(u"C").view(); }
    std::u16string_view entry(HANDLE index) {
        return m_name.truncate(m_msg_len).text(u"#").number(index).view();
    }

  private:
    PropName m_name;
    std::size_t m_handle_len{0};
    std::size_t m_msg_len{0};
};

// What a dispatch reads from a window's properties for one message. The properties stay
// the only record: this is a copy that holds while the platform's property generation
// is where it was when it was read, since until then every read would answer the same.
constexpr HANDLE kKeptEntries = 8;

struct Resolved {
    uint64_t generation{0}; // 0: never read
    HWND hwnd{0};
    UINT msg{0};
    pf::WNDPROC prev{nullptr};
    HANDLE count{0};
    HANDLE entries[kKeptEntries]{}; // position i at [i - 1], up to kKeptEntries
};

// The last few (window, message) pairs dispatched, each in a slot chosen by the pair.
constexpr std::size_t kResolvedSlots = 16;
Resolved g_resolved[kResolvedSlots];

Resolved& slot_of(HWND hwnd, UINT msg) {
    // Handles go up in steps of 2.
    return g_resolved[((uint32_t(hwnd) >> 1) * 31u + msg) % kResolvedSlots];
}

void read_properties(Resolved& r, HWND hwnd, UINT msg) {
    r = Resolved{};
    r.generation = pf::GetPropGeneration();
    r.hwnd = hwnd;
    r.msg = msg;
    DispatchNames names(hwnd, int32_t(msg));
    r.prev = reinterpret_cast<pf::WNDPROC>(pf::GetProp(hwnd, names.proc()));
    if (r.prev == nullptr) {
        return;
    }
    r.count = pf::GetProp(hwnd, names.count());
    for (HANDLE i = 1; i <= r.count && i <= kKeptEntries; ++i) {
        r.entries[i - 1] = pf::GetProp(hwnd, names.entry(i));
    }
}

const Resolved& resolve(HWND hwnd, UINT msg) {
    Resolved& r = slot_of(hwnd, msg);
    if (r.generation != pf::GetPropGeneration() || r.hwnd != hwnd || r.msg != msg) {
        read_properties(r, hwnd, msg);
    }
    return r;
}

// The identity at position i as the properties hold it now: a handler called earlier in
// the walk may have hooked or unhooked.
HANDLE entry_now(const Resolved& r, HANDLE i) {
    if (i <= kKeptEntries && r.generation == pf::GetPropGeneration()) {
        return r.entries[i - 1];
    }
    return pf::GetProp(r.hwnd, DispatchNames(r.hwnd, int32_t(r.msg)).entry(i));
}

LRESULT dispatch_to_handlers(const Resolved& r, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool prev_called = false;
    // The lowest-position handler seen: its mode decides. Each handler becomes it as the
    // walk reaches it, so this one reference also holds the handler across its own call.
    automation::Ref<ISubclass> lowest;
    for (HANDLE i = r.count; i >= 1; --i) {
        HANDLE id = entry_now(r, i);
        if (id == 0) {
            continue;
        }
        // Takes the new reference before giving up the old, so it may be the one held.
        lowest = automation::Ref<ISubclass>(reinterpret_cast<ISubclass*>(id));
        ISubclass* handler = lowest.get();
        if (i == 1 && !prev_called && handler->get_MsgResponse() == 2) {
            pf::CallWindowProc(r.prev, r.hwnd, r.msg, wParam, lParam);
            prev_called = true;
        }
        result = handler->WindowProc(r.hwnd, r.msg, wParam, lParam);
    }
    if (lowest.get() == nullptr) {
        return result;
    }
    if (!prev_called && lowest.get()->get_MsgResponse() == 1) {
        result = pf::CallWindowProc(r.prev, r.hwnd, r.msg, wParam, lParam);
    }
    return result;
}

} // namespace

void HookMessage(ISubclass* handler, HWND hwnd, int32_t iMsg) {
    if (handler == nullptr) {
        raise_standard(std_error::ObjectNotSet, u"");
    }
    if (!pf::IsWindow(hwnd)) {
        raise_own(13083, std::u16string(kSource), u"Invalid window");
    }
    if (is_foreign(hwnd)) {
        raise_own(13084, std::u16string(kSource), u"Can't modify external window");
    }
    HANDLE identity = identity_of(handler);
    HANDLE n = read(hwnd, msg_count_name(hwnd, iMsg));
    for (HANDLE i = 1; i <= n; ++i) {
        if (read(hwnd, entry_name(hwnd, iMsg, int32_t(i))) == identity) {
            raise_own(13082, std::u16string(kSource), u"Message already handled by another class");
        }
    }
    store_msg_count(hwnd, iMsg, n + 1);
    if (!g_store_ok) {
        raise_store_failed();
    }
    store_entry(hwnd, iMsg, int32_t(n + 1), identity);
    if (!g_store_ok) {
        store_msg_count(hwnd, iMsg, n);
        raise_store_failed();
    }
    hook_window(hwnd, iMsg, n);
}

void UnhookMessage(ISubclass* handler, HWND hwnd, int32_t iMsg) noexcept {
    if (!pf::IsWindow(hwnd) || is_foreign(hwnd)) {
        return;
    }
    HANDLE n = read(hwnd, msg_count_name(hwnd, iMsg));
    HANDLE identity = identity_of(handler);
    HANDLE found = 0;
    for (HANDLE i = 1; i <= n && found == 0; ++i) {
        if (read(hwnd, entry_name(hwnd, iMsg, int32_t(i))) == identity) {
            found = i;
        }
    }
    if (found == 0) {
        return;
    }
    for (HANDLE i = found; i < n; ++i) {
        store_entry(hwnd, iMsg, int32_t(i), read(hwnd, entry_name(hwnd, iMsg, int32_t(i + 1))));
    }
    store_entry(hwnd, iMsg, int32_t(n), 0);
    store_msg_count(hwnd, iMsg, n - 1);
    HANDLE hooks = read(hwnd, hook_count_name(hwnd));
    if (hooks == 1) {
        if (HANDLE prev = read(hwnd, proc_name(hwnd))) {
            pf::SetWindowLongPtr(hwnd, pf::GWLP_WNDPROC, prev);
        }
        store_proc(hwnd, 0);
    }
    store_hook_count(hwnd, hooks - 1);
}

LRESULT SharedWindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    // A copy: a handler's own messages may reuse the slot during the walk.
    const Resolved r = resolve(hwnd, iMsg);
    if (r.prev == nullptr) {
        return 0;
    }
    if (r.count > 0) {
        return dispatch_to_handlers(r, wParam, lParam);
    }
    if (iMsg == pf::WM_DESTROY && read(hwnd, hook_count_name(hwnd)) > 0) {
        pf::SetWindowLongPtr(hwnd, pf::GWLP_WNDPROC, reinterpret_cast<pf::LONG_PTR>(r.prev));
        store_proc(hwnd, 0);
        store_hook_count(hwnd, 0);
    }
    return pf::CallWindowProc(r.prev, hwnd, iMsg, wParam, lParam);
}

} // namespace paginor::MSubclass
