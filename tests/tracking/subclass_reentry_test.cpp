// Handlers that change the hooks while a message is being dispatched: the walk reads each
// position from the window's properties as it reaches it, so it sees every change made
// by the handlers called before.
#include "../platform/message_recorder.h"

#include "tracking/MSubclass.h"

#include <functional>
#include <map>
#include <string>

using namespace paginor;
using namespace paginor::platform;
using namespace paginor::testing_support;

namespace {

std::vector<std::string> g_calls;

LRESULT OwnProc(HWND, UINT msg, WPARAM, LPARAM) {
    g_calls.push_back("own " + std::to_string(msg));
    return LRESULT(1000 + msg);
}

// Logs "<name> <msg>"; runs its action once, on its first call.
class Actor : public Subclass {
  public:
    Actor(std::string name, LRESULT result) : m_name(std::move(name)), m_result(result) {}
    LRESULT WindowProc(HWND, UINT msg, WPARAM, LPARAM) override {
        g_calls.push_back(m_name + " " + std::to_string(msg));
        if (once) {
            auto action = std::move(once);
            once = nullptr;
            action();
        }
        return m_result;
    }
    std::function<void()> once;

  private:
    std::string m_name;
    LRESULT m_result;
};

using Calls = std::vector<std::string>;

struct ReentryCase {
    const char* what;
    std::string hooks; // handler names in hooking order, all on message 512
    char actor;        // the handler whose first call acts
    std::function<void(std::map<char, Actor*>&, HWND)> act;
    Calls first;
    LRESULT first_result;
    Calls second; // a following message, after the change
};

class SubclassReentryTest : public WindowSystemTest {
  protected:
    void SetUp() override {
        w = make(0, {0, 0, 10, 10}, &OwnProc);
        g_calls.clear();
    }
    HWND w{0};
};

TEST_F(SubclassReentryTest, ChangesMadeByAHandlerReachTheRestOfTheWalk) {
    const ReentryCase cases[] = {
        {"the last hooked unhooks the first: it moves down and is read again",
         "AB",
         'B',
         [](auto& h, HWND w) { MSubclass::UnhookMessage(h['A'], w, 512); },
         {"B 512", "B 512"},
         2,
         {"B 512"}},
        {"a handler unhooks itself",
         "AB",
         'B',
         [](auto& h, HWND w) { MSubclass::UnhookMessage(h['B'], w, 512); },
         {"B 512", "A 512"},
         1,
         {"A 512"}},
        {"a handler hooks another: it joins from the next message on",
         "AB",
         'B',
         [](auto& h, HWND w) { MSubclass::HookMessage(h['C'], w, 512); },
         {"B 512", "A 512"},
         1,
         {"C 512", "B 512", "A 512"}},
        {"the first of three goes: the others shift under the walk",
         "ABC",
         'C',
         [](auto& h, HWND w) { MSubclass::UnhookMessage(h['A'], w, 512); },
         {"C 512", "C 512", "B 512"},
         2,
         {"C 512", "B 512"}},
        {"unhook and hook again puts it last",
         "AB",
         'B',
         [](auto& h, HWND w) {
             MSubclass::UnhookMessage(h['A'], w, 512);
             MSubclass::HookMessage(h['A'], w, 512);
         },
         {"B 512", "B 512"},
         2,
         {"A 512", "B 512"}},
        {"an unrelated property changes nothing",
         "AB",
         'B',
         [](auto&, HWND w) { SetProp(w, u"other", 1); },
         {"B 512", "A 512"},
         1,
         {"B 512", "A 512"}},
        {"the window goes: its destroy message restores it, the walk finds nothing more",
         "AB",
         'B',
         [](auto&, HWND w) { DestroyWindow(w); },
         {"B 512", "own 2"},
         2,
         {}},
    };
    for (const ReentryCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::map<char, Actor*> h{
            {'A', new Actor("A", 1)}, {'B', new Actor("B", 2)}, {'C', new Actor("C", 3)}};
        for (char name : c.hooks) {
            MSubclass::HookMessage(h[name], w, 512);
        }
        h[c.actor]->once = [&h, &c, this] { c.act(h, w); };
        g_calls.clear();
        EXPECT_EQ(SendMessage(w, 512, 0, 0), c.first_result);
        EXPECT_EQ(g_calls, c.first);
        g_calls.clear();
        SendMessage(w, 512, 0, 0);
        EXPECT_EQ(g_calls, c.second);
        for (auto& [name, actor] : h) {
            MSubclass::UnhookMessage(actor, w, 512);
            actor->Release();
        }
        RemoveProp(w, u"other");
        EXPECT_TRUE(EnumProps(w).empty());
        if (!IsWindow(w)) {
            w = make(0, {0, 0, 10, 10}, &OwnProc);
        }
    }
}

TEST_F(SubclassReentryTest, NestedDispatchesOfOtherMessagesLeaveTheOuterWalkIntact) {
    auto* a = new Actor("A", 1);
    auto* b = new Actor("B", 2);
    auto* c = new Actor("C", 3);
    MSubclass::HookMessage(a, w, 512);
    MSubclass::HookMessage(b, w, 512);
    constexpr UINT kFirst = 1000;
    constexpr UINT kCount = 64;
    for (UINT m = kFirst; m < kFirst + kCount; ++m) {
        MSubclass::HookMessage(c, w, int32_t(m));
    }
    HWND other = make(0, {0, 0, 5, 5}, &OwnProc);
    MSubclass::HookMessage(c, other, 512);
    b->once = [&] {
        for (UINT m = kFirst; m < kFirst + kCount; ++m) {
            SendMessage(w, m, 0, 0);
        }
        SendMessage(other, 512, 0, 0);
    };
    g_calls.clear();
    EXPECT_EQ(SendMessage(w, 512, 0, 0), 1);
    Calls expected{"B 512"};
    for (UINT m = kFirst; m < kFirst + kCount; ++m) {
        expected.push_back("C " + std::to_string(m));
    }
    expected.push_back("C 512");
    expected.push_back("A 512");
    EXPECT_EQ(g_calls, expected);
    for (UINT m = kFirst; m < kFirst + kCount; ++m) {
        MSubclass::UnhookMessage(c, w, int32_t(m));
    }
    MSubclass::UnhookMessage(c, other, 512);
    MSubclass::UnhookMessage(a, w, 512);
    MSubclass::UnhookMessage(b, w, 512);
    EXPECT_TRUE(EnumProps(w).empty());
    EXPECT_TRUE(EnumProps(other).empty());
    for (Actor* x : {a, b, c}) {
        x->Release();
    }
}

} // namespace
