// members: which classes and members of the library work today, as Markdown. The rows
// come from the member list and "built" from the classes themselves at compile time, so
// the table follows every member added or built without being kept by hand. Only a new
// class needs its header included here.
#include "paginorctl.h"

#include "buttons/HoverButton.h"
#include "buttons/O2007Check.h"
#include "buttons/O2007Hover.h"
#include "drawing/GradientButton.h"
#include "frame/user_control.h"
#include "library/not_built.h"
#include "prompts/MultiPrompt.h"
#include "prompts/PromptField.h"
#include "prompts/cEventBroker.h"
#include "prompts/clsPromptEvents.h"
#include "viewer/DDOC.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace paginorctl {

namespace {

// One entry of a class's interface: a property accessor or a method.
struct Slot {
    std::string_view name;
    std::string_view kind; // Get, Let, Set, Method
    bool built;
};

struct ClassMembers {
    std::string_view name;
    std::string_view kind; // Control, Creatable
    std::vector<Slot> slots;
    std::vector<std::string_view> events;
};

// Whether the class builds a member. A control whose frame has a helper of the member's
// name (PromptField's SetBackColor beside UserControl::SetBackColor) cannot look the
// name up until the class declares the member itself, so a name that is ambiguous there
// is left to NotBuilt; any other failed look-up (an override that is not public) stops
// the build rather than count the member as not built.
// clang-format off
#define PAGINORCTL_BUILDS(cls, member)                                                             \
    []<class C, class Frame>() {                                                                   \
        if constexpr (requires { &C::member; })                                                    \
            return paginor::library::builds_member<_##cls, decltype(&C::member)>;                  \
        else {                                                                                     \
            static_assert(requires { &Frame::member; },                                            \
                          "a member of the list is neither reachable nor a frame name");           \
            return false;                                                                          \
        }                                                                                          \
    }.template operator()<paginor::cls, paginor::frame::UserControl>()
#define PAGINORCTL_SLOT(cls, kind, name, dispid, type, params, help)                               \
    Slot{#name, #kind, PAGINORCTL_BUILDS(cls, PAGINOR_NAME_##kind(name))},
#define PAGINORCTL_EVENT(cls, name, dispid, params, help) #name,
#define PAGINORCTL_CLASS(name, kind, clsid, iid, diid)                                             \
    ClassMembers{#name, #kind,                                                                     \
                 {PAGINOR_##name##_MEMBERS(PAGINORCTL_SLOT, PAGINOR_SKIP_PARAM)},                  \
                 {PAGINOR_##name##_EVENTS(PAGINORCTL_EVENT, PAGINOR_SKIP_PARAM)}},
// clang-format on

std::vector<ClassMembers> library_members() {
    return {PAGINOR_V2CTL_CLASSES(PAGINORCTL_CLASS, PAGINOR_SKIP_ALIAS)};
}

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return char(c | 0x20); });
    return out;
}

size_t built_count(const std::vector<Slot>& slots) {
    return size_t(std::count_if(slots.begin(), slots.end(), [](const Slot& s) { return s.built; }));
}

// One table row per member name: a property's accessors share a row, which says which of
// them work when only some do.
void print_rows(const std::vector<Slot>& slots) {
    std::vector<std::string_view> names;
    for (const Slot& s : slots)
        if (std::find(names.begin(), names.end(), s.name) == names.end())
            names.push_back(s.name);
    for (std::string_view name : names) {
        std::string kinds, built;
        size_t count = 0, works = 0;
        for (const Slot& s : slots) {
            if (s.name != name)
                continue;
            kinds += (count++ ? ", " : "") + lower(s.kind);
            if (s.built)
                built += (works++ ? ", " : "") + lower(s.kind);
        }
        const bool method = kinds == "method";
        const std::string kind = method ? kinds : "property (" + kinds + ")";
        const std::string answer = works == 0 ? "no" : works == count ? "yes" : built + " only";
        std::printf("| %.*s | %s | %s |\n", int(name.size()), name.data(), kind.c_str(),
                    answer.c_str());
    }
}

void print_class(const ClassMembers& c) {
    const std::string_view kind = c.kind == "Control" ? "control" : "object";
    std::printf("\n### %.*s: %.*s, %zu / %zu built\n\n", int(c.name.size()), c.name.data(),
                int(kind.size()), kind.data(), built_count(c.slots), c.slots.size());
    std::printf("| Member | Kind | Works |\n| --- | --- | --- |\n");
    print_rows(c.slots);
    std::string events;
    for (std::string_view e : c.events)
        events += (events.empty() ? "" : ", ") + std::string(e);
    std::printf("\nEvents: %s\n", events.empty() ? "none" : events.c_str());
}

} // namespace

int members_command(Args) {
    const std::vector<ClassMembers> classes = library_members();
    size_t built = 0, total = 0;
    for (const ClassMembers& c : classes) {
        built += built_count(c.slots);
        total += c.slots.size();
    }
    std::printf("A member is built when its class overrides it; one that is not answers "
                "E_NOTIMPL.\nMembers count by interface entry: a property's get and its let "
                "count apart.\nEvents are listed without a mark: whether a control raises one "
                "shows only when it\nruns, not in its declaration.\n\n%zu of %zu members built "
                "in %zu classes.\n",
                built, total, classes.size());
    for (const ClassMembers& c : classes)
        print_class(c);
    return std::fflush(stdout) == 0 ? exit_ok : fail("cannot write the table to standard output");
}

} // namespace paginorctl
