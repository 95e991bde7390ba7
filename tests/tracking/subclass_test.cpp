#include "support/message_recorder.h"

#include "automation/ref.h"
#include "support/raises.h"
#include "testing/prop_faults.h"
#include "tracking/MSubclass.h"

#include <functional>
#include <map>
#include <string>

using namespace paginor;
using namespace paginor::platform;
using namespace paginor::testing_support;
using paginor::automation::Ref;

namespace {

// Every call of a handler or the window's own procedure, as "<name> <msg>, ...".
std::string g_calls;

void note(const std::string& call) {
    g_calls += (g_calls.empty() ? "" : ", ") + call;
}

LRESULT OwnProc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
    note("own " + std::to_string(msg));
    if (msg == WM_DESTROY) {
        // What the window looks like when its own procedure sees the destroy message.
        note(GetWindowLongPtr(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&OwnProc)
                 ? "own proc is back"
                 : "still subclassed");
        note("props " + std::to_string(EnumProps(hwnd).size()));
    }
    return LRESULT(1000 + msg);
}

// A handler that logs its calls under a name and answers with a chosen result.
class Handler : public Subclass {
  public:
    Handler(std::string name, LONG response, LRESULT result = 0)
        : m_name(std::move(name)), m_result(result) {
        put_MsgResponse(response);
    }
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        note(m_name + " " + std::to_string(msg));
        if (on_call) {
            on_call(hwnd, msg, wParam, lParam);
        }
        return m_result;
    }
    std::function<void(HWND, UINT, WPARAM, LPARAM)> on_call;
    bool* destroyed{nullptr};

  protected:
    ~Handler() override {
        if (destroyed != nullptr) {
            *destroyed = true;
        }
    }

  private:
    std::string m_name;
    LRESULT m_result;
};

class SubclassTest : public WindowSystemTest {
  protected:
    void SetUp() override {
        w = make(0, {0, 0, 10, 10}, &OwnProc);
        g_calls.clear();
    }
    void TearDown() override {
        for (Handler* x : {a.get(), b.get()})
            for (int32_t msg : {512, 513, 2})
                MSubclass::UnhookMessage(x, w, msg);
    }
    HANDLE own() const { return reinterpret_cast<HANDLE>(&OwnProc); }
    static HANDLE id(const Ref<Handler>& x) {
        return reinterpret_cast<HANDLE>(static_cast<ISubclass*>(x.get()));
    }
    bool subclassed() const {
        return GetWindowLongPtr(w, GWLP_WNDPROC) ==
               reinterpret_cast<LONG_PTR>(&MSubclass::SharedWindowProc);
    }
    // The window's properties in order as "name=value", its handle written H in each name,
    // "own" for its own procedure and A or B for a handler.
    std::string props() const {
        const std::string handle = std::to_string(int32_t(w));
        std::string out;
        for (const auto& [name, value] : EnumProps(w)) {
            std::string n(name.begin(), name.end());
            n.replace(n.find(handle), handle.size(), "H");
            out += (out.empty() ? "" : " ") + n + "=" +
                   (value == own()   ? "own"
                    : value == id(a) ? "A"
                    : value == id(b) ? "B"
                                     : std::to_string(value));
        }
        return out;
    }

    HWND w{0};
    Ref<Handler> a{Ref<Handler>::adopt(new Handler("A", 0, 7))};
    Ref<Handler> b{Ref<Handler>::adopt(new Handler("B", 0, 8))};
};

TEST_F(SubclassTest, PropertiesLeftAfterEachHookAndUnhookStep) {
    MSubclass::HookMessage(a.get(), w, 512);
    EXPECT_TRUE(subclassed());
    EXPECT_EQ(props(), "H=own H#512#1=A H#512C=1 CH=1");
    MSubclass::HookMessage(b.get(), w, 512);
    MSubclass::HookMessage(a.get(), w, 513);
    EXPECT_EQ(props(), "H=own H#512#1=A H#512#2=B H#512C=2 H#513#1=A H#513C=1 CH=3");
    MSubclass::UnhookMessage(a.get(), w, 512); // later entries move down
    EXPECT_EQ(props(), "H=own H#512#1=B H#512C=1 H#513#1=A H#513C=1 CH=2");
    MSubclass::UnhookMessage(a.get(), w, 512); // no longer hooked: nothing
    MSubclass::UnhookMessage(b.get(), w, 513); // never hooked: nothing
    MSubclass::UnhookMessage(b.get(), w, 512);
    EXPECT_EQ(props(), "H=own H#513#1=A H#513C=1 CH=1");
    EXPECT_TRUE(subclassed());
    MSubclass::UnhookMessage(a.get(), w, 513);
    EXPECT_TRUE(EnumProps(w).empty());
    EXPECT_EQ(GetWindowLongPtr(w, GWLP_WNDPROC), own());
    MSubclass::UnhookMessage(a.get(), 0x999, 512); // not a window: nothing
}

struct ModeCase {
    LONG first; // MsgResponse of the handler hooked first (A)
    LONG second;
    const char* calls;
    LRESULT result;
};

TEST_F(SubclassTest, TheFirstHookedHandlersModeDecidesLastHookedIsCalledFirst) {
    const ModeCase cases[] = {
        {0, 0, "B 512, A 512", 7},
        {0, 2, "B 512, A 512", 7},
        {1, 0, "B 512, A 512, own 512", 1512},
        {2, 1, "B 512, own 512, A 512", 7},
    };
    MSubclass::HookMessage(a.get(), w, 512);
    MSubclass::HookMessage(b.get(), w, 512);
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.first * 10 + c.second);
        a->put_MsgResponse(c.first);
        b->put_MsgResponse(c.second);
        g_calls.clear();
        EXPECT_EQ(SendMessage(w, 512, 1, 2), c.result);
        EXPECT_EQ(g_calls, c.calls);
    }
    g_calls.clear();
    EXPECT_EQ(SendMessage(w, 600, 0, 0), 1600); // not hooked: the own procedure alone
    EXPECT_EQ(g_calls, "own 600");
}

using test::raised;

TEST_F(SubclassTest, HookErrorsLeaveNothingBehind) {
    MSubclass::HookMessage(a.get(), w, 512);
    const auto hooked = EnumProps(w);
    EXPECT_EQ(raised([&] { MSubclass::HookMessage(a.get(), w, 512); }),
              "0x8004331a PaginorV2CTL.WindowProc: Message already handled by another class");
    EXPECT_EQ(EnumProps(w), hooked);
    EXPECT_EQ(raised([&] { MSubclass::HookMessage(a.get(), 0x999, 512); }),
              "0x8004331b PaginorV2CTL.WindowProc: Invalid window");
    HWND foreign = make(0, {0, 0, 5, 5}, &OwnProc);
    SetWindowProcessId(foreign, GetCurrentProcessId() + 1);
    EXPECT_EQ(raised([&] { MSubclass::HookMessage(a.get(), foreign, 512); }),
              "0x8004331c PaginorV2CTL.WindowProc: Can't modify external window");
    HWND bare = make(0, {0, 0, 5, 5}, nullptr); // no procedure to replace
    EXPECT_EQ(raised([&] { MSubclass::HookMessage(a.get(), bare, 512); }),
              "0x80043319 PaginorV2CTL.WindowProc: Can't subclass window");
    EXPECT_TRUE(EnumProps(bare).empty());
    EXPECT_EQ(GetWindowLongPtr(bare, GWLP_WNDPROC), 0);
    EXPECT_EQ(raised([&] { MSubclass::HookMessage(nullptr, w, 512); }),
              "91 : Object variable or With block variable not set");
    EXPECT_TRUE(EnumProps(foreign).empty());
}

struct RollbackCase {
    const char* what;
    bool second_hook; // B hooks 512 after A did, instead of A hooking a fresh window
    int stores_before_failure;
};

TEST_F(SubclassTest, EveryRollBackOnAnInjectedStoreFailure) {
    const RollbackCase cases[] = {
        {"first hook: message count", false, 0},      {"first hook: handler entry", false, 1},
        {"first hook: previous procedure", false, 2}, {"first hook: window count", false, 3},
        {"second hook: message count", true, 0},      {"second hook: handler entry", true, 1},
        {"second hook: window count", true, 2},
    };
    for (const RollbackCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.second_hook) {
            MSubclass::HookMessage(a.get(), w, 512);
        }
        const auto before = EnumProps(w);
        LONG_PTR proc_before = GetWindowLongPtr(w, GWLP_WNDPROC);
        {
            seams::FailingPropStores failing(1, c.stores_before_failure);
            EXPECT_EQ(
                raised([&] { MSubclass::HookMessage((c.second_hook ? b : a).get(), w, 512); }),
                "5 : Invalid procedure call or argument");
        }
        EXPECT_EQ(EnumProps(w), before);
        EXPECT_EQ(GetWindowLongPtr(w, GWLP_WNDPROC), proc_before);
        MSubclass::UnhookMessage(a.get(), w, 512);
        EXPECT_TRUE(EnumProps(w).empty());
        EXPECT_EQ(GetWindowLongPtr(w, GWLP_WNDPROC), own());
    }
}

TEST_F(SubclassTest, DestroyRestoresTheProcedureUnlessAHandlerTakesTheDestroyMessage) {
    MSubclass::HookMessage(a.get(), w, 512);
    DestroyWindow(w);
    // Only the per-message entries were still there when the own procedure saw it.
    EXPECT_EQ(g_calls, "own 2, own proc is back, props 2, own 130");

    w = make(0, {0, 0, 10, 10}, &OwnProc);
    g_calls.clear();
    MSubclass::HookMessage(a.get(), w, 2);
    a->put_MsgResponse(1);
    DestroyWindow(w);
    EXPECT_EQ(g_calls, "A 2, own 2, still subclassed, props 4, own 130");
    w = make(0, {0, 0, 10, 10}, &OwnProc);
}

TEST_F(SubclassTest, AHandlerReleasedInsideItsOwnCallbackLivesUntilItReturns) {
    bool destroyed = false;
    auto* self_releasing = new Handler("S", 1, 5);
    self_releasing->destroyed = &destroyed;
    self_releasing->on_call = [&](HWND hwnd, UINT msg, WPARAM, LPARAM) {
        MSubclass::UnhookMessage(self_releasing, hwnd, int32_t(msg));
        self_releasing->Release(); // the last reference the test held
        EXPECT_FALSE(destroyed);   // the dispatch still holds one
        note(self_releasing->get_MsgResponse() == 1 ? "alive" : "?");
    };
    MSubclass::HookMessage(self_releasing, w, 512);
    EXPECT_EQ(SendMessage(w, 512, 0, 0), 1512); // mode 1: the own procedure's result
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(g_calls, "S 512, alive, own 512");
    EXPECT_TRUE(EnumProps(w).empty());
    EXPECT_EQ(GetWindowLongPtr(w, GWLP_WNDPROC), own());
}

TEST_F(SubclassTest, SharedProcedureWithoutAStoredProcedureAnswersZero) {
    SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MSubclass::SharedWindowProc));
    EXPECT_EQ(SendMessage(w, 512, 0, 0), 0);
    EXPECT_TRUE(g_calls.empty());
    Ref<ISubclass> p;
    EXPECT_EQ(a->QueryInterface(IID_ISubclass, p.put_void()), S_OK);
    EXPECT_EQ(p.get(), static_cast<ISubclass*>(a.get()));
    GUID other{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(a->QueryInterface(other, p.put_void()), E_NOINTERFACE);
    EXPECT_FALSE(p);
    EXPECT_EQ(a->Subclass::WindowProc(w, 1, 2, 3), 0); // the bare handler answers 0
}

// Handlers that change the hooks while a message is being dispatched: the walk reads each
// position from the window's properties as it reaches it, so it sees every change made
// by the handlers called before.
using Handlers = std::map<char, Ref<Handler>>;

// Runs action on the handler's first call only.
void once(Handler& handler, std::function<void()> action) {
    handler.on_call = [action = std::move(action)](HWND, UINT, WPARAM, LPARAM) mutable {
        if (auto run = std::exchange(action, nullptr))
            run();
    };
}

// The steps a handler takes on message 512: "-X" unhooks X, "+X" hooks X, "p" sets an
// unrelated property, "x" destroys the window.
void act(const std::string& steps, Handlers& h, HWND w) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i] == '-')
            MSubclass::UnhookMessage(h[steps[++i]].get(), w, 512);
        else if (steps[i] == '+')
            MSubclass::HookMessage(h[steps[++i]].get(), w, 512);
        else if (steps[i] == 'p')
            SetProp(w, u"other", 1);
        else if (steps[i] == 'x')
            DestroyWindow(w);
    }
}

struct ReentryCase {
    const char* what;
    std::string hooks; // handler names in hooking order, all on message 512
    char actor;        // the handler whose first call acts
    std::string steps;
    std::string first;
    LRESULT first_result;
    std::string second; // a following message, after the change
};

TEST_F(SubclassTest, ChangesMadeByAHandlerReachTheRestOfTheWalk) {
    // The handler that acts, its steps, the calls of that message, its result, the next calls.
    // A removed entry's place is taken by the next, which the walk reads again; a new hook joins
    // from the next message on; a destroyed window's walk ends with its destroy message.
    const ReentryCase cases[] = {
        {"last unhooks first: moves down, read again", "AB", 'B', "-A", "B 512, B 512", 2, "B 512"},
        {"a handler unhooks itself", "AB", 'B', "-B", "B 512, A 512", 1, "A 512"},
        {"hooks another: joins later", "AB", 'B', "+C", "B 512, A 512", 1, "C 512, B 512, A 512"},
        {"first of three: shift", "ABC", 'C', "-A", "C 512, C 512, B 512", 2, "C 512, B 512"},
        {"unhooked and hooked again: last", "AB", 'B', "-A+A", "B 512, B 512", 2, "A 512, B 512"},
        {"an unrelated property", "AB", 'B', "p", "B 512, A 512", 1, "B 512, A 512"},
        {"window destroyed: restored, walk ends", "AB", 'B', "x",
         "B 512, own 2, own proc is back, props 3, own 130", 2, ""},
    };
    for (const ReentryCase& c : cases) {
        SCOPED_TRACE(c.what);
        Handlers h;
        for (char name : std::string("ABC"))
            h[name] = Ref<Handler>::adopt(new Handler(std::string(1, name), 0, name - 'A' + 1));
        for (char name : c.hooks)
            MSubclass::HookMessage(h[name].get(), w, 512);
        once(*h[c.actor], [&] { act(c.steps, h, w); });
        g_calls.clear();
        EXPECT_EQ(SendMessage(w, 512, 0, 0), c.first_result);
        EXPECT_EQ(std::exchange(g_calls, ""), c.first);
        SendMessage(w, 512, 0, 0);
        EXPECT_EQ(g_calls, c.second);
        for (auto& [name, handler] : h)
            MSubclass::UnhookMessage(handler.get(), w, 512);
        RemoveProp(w, u"other");
        EXPECT_TRUE(EnumProps(w).empty());
        if (!IsWindow(w))
            w = make(0, {0, 0, 10, 10}, &OwnProc);
    }
}

// Many nested messages on the same window, each hooked, and one on another window.
TEST_F(SubclassTest, NestedDispatchesOfOtherMessagesLeaveTheOuterWalkIntact) {
    auto c = Ref<Handler>::adopt(new Handler("C", 0, 3));
    const HWND other = make(0, {0, 0, 5, 5}, &OwnProc);
    constexpr UINT kFirst = 1000, kCount = 64;
    // Hooks (or unhooks) A and B on 512, C on 1000.. and on the other window's 512.
    const auto hook_all = [&](auto hook) {
        hook(a.get(), w, 512);
        hook(b.get(), w, 512);
        for (UINT m = kFirst; m < kFirst + kCount; ++m)
            hook(c.get(), w, int32_t(m));
        hook(c.get(), other, 512);
    };
    hook_all(&MSubclass::HookMessage);
    std::string expected = "B 512";
    once(*b, [&] {
        for (UINT m = kFirst; m < kFirst + kCount; ++m) {
            SendMessage(w, m, 0, 0);
            expected += ", C " + std::to_string(m);
        }
        SendMessage(other, 512, 0, 0);
    });
    g_calls.clear();
    EXPECT_EQ(SendMessage(w, 512, 0, 0), 7);
    EXPECT_EQ(g_calls, expected + ", C 512, A 512");
    hook_all(&MSubclass::UnhookMessage);
    EXPECT_TRUE(EnumProps(w).empty());
    EXPECT_TRUE(EnumProps(other).empty());
}

} // namespace
