// Handlers that change the hooks while a message is being dispatched: the walk reads each
// position from the window's properties as it reaches it, so it sees every change made
// by the handlers called before.
#include "support/message_recorder.h"

#include "automation/ref.h"
#include "tracking/MSubclass.h"

#include <functional>
#include <map>
#include <string>

using namespace paginor;
using namespace paginor::platform;
using namespace paginor::testing_support;
using paginor::frame::Ref;

namespace {

// Every call of a handler or the window's own procedure, as "<name> <msg>, ...".
std::string g_calls;

void log_call(const std::string& name, UINT msg) {
    g_calls += (g_calls.empty() ? "" : ", ") + name + " " + std::to_string(msg);
}

LRESULT OwnProc(HWND, UINT msg, WPARAM, LPARAM) {
    log_call("own", msg);
    return LRESULT(1000 + msg);
}

// Logs its call; runs its action once, on its first call.
class Actor : public Subclass {
  public:
    Actor(std::string name, LRESULT result) : m_name(std::move(name)), m_result(result) {}
    LRESULT WindowProc(HWND, UINT msg, WPARAM, LPARAM) override {
        log_call(m_name, msg);
        if (auto action = std::exchange(once, nullptr))
            action();
        return m_result;
    }
    std::function<void()> once;

  private:
    std::string m_name;
    LRESULT m_result;
};

using Actors = std::map<char, Ref<Actor>>;

// The steps a handler takes on message 512: "-X" unhooks X, "+X" hooks X, "p" sets an
// unrelated property, "x" destroys the window.
void act(const std::string& steps, Actors& h, HWND w) {
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

class SubclassReentryTest : public WindowSystemTest {
  protected:
    void SetUp() override { w = make(0, {0, 0, 10, 10}, &OwnProc); }
    HWND w{0};
};

TEST_F(SubclassReentryTest, ChangesMadeByAHandlerReachTheRestOfTheWalk) {
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
        {"window destroyed: restored, walk ends", "AB", 'B', "x", "B 512, own 2, own 130", 2, ""},
    };
    for (const ReentryCase& c : cases) {
        SCOPED_TRACE(c.what);
        Actors h;
        for (char name : std::string("ABC"))
            h[name] = Ref<Actor>::adopt(new Actor(std::string(1, name), name - 'A' + 1));
        for (char name : c.hooks)
            MSubclass::HookMessage(h[name].get(), w, 512);
        h[c.actor]->once = [&] { act(c.steps, h, w); };
        g_calls.clear();
        EXPECT_EQ(SendMessage(w, 512, 0, 0), c.first_result);
        EXPECT_EQ(g_calls, c.first);
        g_calls.clear();
        SendMessage(w, 512, 0, 0);
        EXPECT_EQ(g_calls, c.second);
        for (auto& [name, actor] : h)
            MSubclass::UnhookMessage(actor.get(), w, 512);
        RemoveProp(w, u"other");
        EXPECT_TRUE(EnumProps(w).empty());
        if (!IsWindow(w))
            w = make(0, {0, 0, 10, 10}, &OwnProc);
    }
}

// Many nested messages on the same window, each hooked, and one on another window.
TEST_F(SubclassReentryTest, NestedDispatchesOfOtherMessagesLeaveTheOuterWalkIntact) {
    auto a = Ref<Actor>::adopt(new Actor("A", 1)), b = Ref<Actor>::adopt(new Actor("B", 2)),
         c = Ref<Actor>::adopt(new Actor("C", 3));
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
    b->once = [&] {
        for (UINT m = kFirst; m < kFirst + kCount; ++m) {
            SendMessage(w, m, 0, 0);
            expected += ", C " + std::to_string(m);
        }
        SendMessage(other, 512, 0, 0);
    };
    g_calls.clear();
    EXPECT_EQ(SendMessage(w, 512, 0, 0), 1);
    EXPECT_EQ(g_calls, expected + ", C 512, A 512");
    hook_all(&MSubclass::UnhookMessage);
    EXPECT_TRUE(EnumProps(w).empty());
    EXPECT_TRUE(EnumProps(other).empty());
}

} // namespace
