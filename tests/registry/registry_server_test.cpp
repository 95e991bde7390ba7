#include "registry/registry_server.h"

#include "platform/core/error.h"

#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::frame;

namespace {

GUID id(uint32_t n) {
    return GUID{0x11110000u + n, 0x2222, 0x3333, {0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB}};
}

// Two classes: a control whose interface has an earlier identifier, and a creatable class.
ServerDescription sample_server() {
    ServerDescription s;
    s.library = "Sample";
    s.libid = id(1);
    s.major_version = 1;
    s.minor_version = 4;
    s.lcid = 0x409;
    s.classes.push_back({"Viewer", "Sample.Viewer", id(10), true,
                         ServerInterface{"_Viewer", id(11), {{"Viewer___v0", id(12), {}}}},
                         ServerInterface{"__Viewer", id(13), {{"Viewer___e0", id(14), {}}}}});
    s.classes.push_back({"Relay", "Sample.Relay", id(20), false,
                         ServerInterface{"_Relay", id(21), {}},
                         ServerInterface{"__Relay", id(22), {}}});
    return s;
}

constexpr std::string_view kForeign = "[class {99999999-0000-0000-0000-000000000001}]\n"
                                      "progid = Other.Thing\n"
                                      "server = /opt/other/libother.so\n"
                                      "\n"
                                      "[progid Other.Thing]\n"
                                      "clsid = {99999999-0000-0000-0000-000000000001}\n"
                                      "\n"
                                      "[license Other]\n"
                                      "key = abc\n";

} // namespace

TEST(RegistryServer, GuidTextRoundTripAndRejectsMalformedText) {
    GUID g = id(0xAB);
    EXPECT_EQ(registry_guid(g), "{111100AB-2222-3333-4455-66778899AABB}");
    GUID back{};
    ASSERT_TRUE(parse_registry_guid("{111100ab-2222-3333-4455-66778899aabb}", back));
    EXPECT_EQ(back, g);
    for (std::string_view bad :
         {"111100AB-2222-3333-4455-66778899AABB", "{111100AB-2222-3333-4455-66778899AABG}",
          "{111100AB-2222-3333-445566778899AABB0}", "{}", ""}) {
        GUID untouched = id(1);
        EXPECT_FALSE(parse_registry_guid(bad, untouched)) << bad;
        EXPECT_EQ(untouched, id(1));
    }
}

TEST(RegistryServer, AddWritesEverySectionAndIsIdempotent) {
    Registry r;
    add_server(r, sample_server(), "/lib/libsample.so");
    // A type library, and per class: class, progid, default and event interface with
    // their earlier identifiers.
    EXPECT_EQ(r.sections().size(), 1u + 6u + 4u);
    const RegistrySection* c = r.find("class", registry_guid(id(10)));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->entries, (std::vector<RegistryEntry>{
                              {"name", "Viewer"},
                              {"progid", "Sample.Viewer"},
                              {"server", "/lib/libsample.so"},
                              {"threading", "Apartment"},
                              {"typelib", registry_guid(id(1))},
                              {"version", "1.4"},
                              {"kind", "control"},
                              {"default-interface", registry_guid(id(11))},
                              {"event-interface", registry_guid(id(13))},
                          }));
    EXPECT_EQ(r.find("class", registry_guid(id(20)))->value("kind"), "creatable");
    EXPECT_EQ(r.find("progid", "Sample.Relay")->value("clsid"), registry_guid(id(20)));
    const RegistrySection* lib = r.find("typelib", registry_guid(id(1)));
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib->value("lcid"), "0x0409");
    EXPECT_EQ(lib->value("path"), "/lib/libsample.so");
    const RegistrySection* alias = r.find("interface", registry_guid(id(12)));
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(alias->value("name"), "Viewer___v0");
    EXPECT_EQ(alias->value("alias-of"), registry_guid(id(11)));
    EXPECT_EQ(r.find("interface", registry_guid(id(13)))->value("kind"), "events");

    std::string once = r.format();
    add_server(r, sample_server(), "/lib/libsample.so");
    EXPECT_EQ(r.format(), once);
    // Registering from another place moves every entry to the new file, adding none.
    add_server(r, sample_server(), "/usr/lib/libsample.so");
    EXPECT_EQ(r.sections().size(), 11u);
    EXPECT_EQ(r.find("class", registry_guid(id(20)))->value("server"), "/usr/lib/libsample.so");
}

TEST(RegistryServer, ForeignEntriesAreKeptAndRemoveTakesExactlyOurs) {
    Registry original;
    ASSERT_TRUE(original.parse(kForeign, "reg"));
    Registry r = original;
    add_server(r, sample_server(), "/lib/libsample.so");
    EXPECT_EQ(r.sections().size(), 3u + 11u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(r.sections()[i], original.sections()[i]); // untouched and still first
    }
    EXPECT_EQ(remove_server(r, sample_server()), 11u);
    EXPECT_EQ(r.format(), original.format());
    EXPECT_EQ(remove_server(r, sample_server()), 0u);
}

TEST(RegistryServer, RejectsALibraryPathThatCannotBeRecorded) {
    for (std::string path : {"relative/libsample.so", "", "/two\nlines.so"}) {
        Registry r;
        ASSERT_TRUE(r.parse(kForeign, "reg"));
        EXPECT_THROW(add_server(r, sample_server(), path), RuntimeError) << path;
        EXPECT_EQ(r.sections().size(), 3u); // all or nothing
    }
}

TEST(RegistryServer, ListsOurClassesWithInterfaceNamesAndFindsServers) {
    Registry r;
    ASSERT_TRUE(r.parse(kForeign, "reg"));
    add_server(r, sample_server(), "/lib/libsample.so");
    auto classes = registered_classes(r, id(1));
    ASSERT_EQ(classes.size(), 2u);
    EXPECT_EQ(classes[0].name, "Viewer");
    EXPECT_EQ(classes[0].progid, "Sample.Viewer");
    EXPECT_EQ(classes[0].clsid, registry_guid(id(10)));
    EXPECT_EQ(classes[0].default_interface, "_Viewer");
    EXPECT_EQ(classes[0].event_interface, "__Viewer");
    EXPECT_EQ(classes[0].event_iid, registry_guid(id(13)));
    using Named = std::pair<std::string, std::string>;
    EXPECT_EQ(classes[0].aliases, (std::vector<Named>{{"Viewer___v0", registry_guid(id(12))},
                                                      {"Viewer___e0", registry_guid(id(14))}}));
    EXPECT_EQ(classes[1].kind, "creatable");
    EXPECT_TRUE(classes[1].aliases.empty());
    EXPECT_TRUE(registered_classes(r, id(2)).empty());

    ServerLookup found = find_server(r, "sample.viewer");
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.clsid, id(10));
    EXPECT_EQ(found.server, "/lib/libsample.so");
    EXPECT_EQ(find_server(r, "Other.Thing").server, "/opt/other/libother.so");

    struct Miss {
        std::string_view progid;
        std::string_view extra; // sections that make the lookup fail
        std::string_view says;
    };
    const Miss misses[] = {
        {"Sample.Nothing", "", "ProgID \"Sample.Nothing\" is not registered"},
        {"Bad.Clsid", "[progid Bad.Clsid]\nclsid = nonsense\n", "has no valid clsid"},
        {"No.Class", "[progid No.Class]\nclsid = {99999999-0000-0000-0000-000000000009}\n",
         "names no server"},
    };
    for (const auto& m : misses) {
        Registry with;
        ASSERT_TRUE(with.parse(std::string(kForeign) + std::string(m.extra), "reg"));
        ServerLookup miss = find_server(with, m.progid);
        EXPECT_FALSE(miss.found);
        EXPECT_NE(miss.problem.find(m.says), std::string::npos) << miss.problem;
    }
}
