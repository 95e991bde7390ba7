// Each row's member pointer at its row's vtable slot: the header and the table cannot
// drift apart.
#include <paginor/PaginorV2CTL.h>

#include "library/classes.h"
#include "platform/core/unicode.h"

#include <gtest/gtest.h>

#include <set>

using namespace paginor::automation;
using namespace paginor::library;

TEST(TypeLibrary, HeaderVtablesMatchTableRows) {
    const TypeLibrary& lib = type_library();
    ASSERT_EQ(lib.classes.size(), size_t(class_count));
    for (const auto& c : lib.classes) {
        SCOPED_TRACE(paginor::to_utf8(c.name));
        const Interface& itf = *c.default_interface;
        for (size_t i = 0; i < itf.members.size(); ++i) {
            const Member& m = itf.members[i];
            SCOPED_TRACE(paginor::to_utf8(m.name));
            ASSERT_NE(m.binding.invoke, nullptr);
            EXPECT_EQ(m.binding.slot(), int(7 + i)); // IUnknown and IDispatch come first
            const size_t expected = m.kind == MemberKind::Method ? m.params.size()
                                    : m.kind == MemberKind::Get  ? 0
                                                                 : 1;
            EXPECT_EQ(size_t(m.binding.arity), expected);
        }
        for (const auto& e : c.event_interface->members)
            EXPECT_EQ(e.binding.invoke, nullptr); // events are raised, not invoked
    }
}

TEST(TypeLibrary, IdentifiersAreDistinctAndClassesFound) {
    const TypeLibrary& lib = type_library();
    // Every identifier in the library is distinct.
    std::set<std::string> seen;
    auto add = [&](const GUID& g) {
        std::string key(reinterpret_cast<const char*>(&g), sizeof g);
        EXPECT_TRUE(seen.insert(key).second);
    };
    add(*lib.libid);
    for (const auto& c : lib.classes) {
        add(*c.clsid);
        add(*c.default_interface->iid);
        add(*c.event_interface->iid);
        for (const auto& a : c.default_interface->aliases)
            add(*a.iid);
        for (const auto& a : c.event_interface->aliases)
            add(*a.iid);
    }
    // ProgIDs and kinds as the registry shows them: create_object_test.cpp.
    EXPECT_EQ(lib.find_class(CLSID_O2007Check), &class_entry(ClassId::O2007Check));
    EXPECT_EQ(lib.find_class(u"ceventbroker"), &class_entry(ClassId::cEventBroker));
    for (const Enumeration& e : lib.enums)
        EXPECT_EQ(lib.find_enum(e.name), &e);
    EXPECT_EQ(lib.find_enum(u"NoSuchEnum"), nullptr);
}

TEST(TypeLibrary, IdlDumpShowsEveryMemberAndIdentifier) {
    const std::string idl = dump_idl(type_library());
    for (const char* piece :
         {"library PaginorV2CTL", "version(1.4)", "lcid(0x409)", "helpstring(\"PaginorV2CTL\")",
          "[Command Button] = 0", "sMPTNone = -1",
          "[id(0xfffffe00), propget, helpstring(\"Returns a Font object.\")] HRESULT Font(",
          "[id(0x68030001), propputref] HRESULT PE([in] _clsPromptEvents* New_PE)",
          "HRESULT RaiseAnEvent([in] BSTR strObject, [in] BSTR strEventName, [in, out] BSTR* "
          "strEventData)",
          "dispinterface __GradientButton", "coclass O2007Check", "      control\n",
          "      creatable\n", "typedef [uuid(", "PromptField___v1", "__DDOC___v0",
          "helpstring(\"Occurs when the user moves the mouse.\")"})
        EXPECT_NE(idl.find(piece), std::string::npos) << piece;
    // one line per table row and per event
    size_t rows = 0, ids = 0;
    for (const auto& c : type_library().classes)
        rows += c.default_interface->members.size() + c.event_interface->members.size();
    for (size_t at = idl.find("[id("); at != std::string::npos; at = idl.find("[id(", at + 1))
        ++ids;
    EXPECT_EQ(ids, rows);
}
