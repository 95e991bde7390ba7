// Registering the built library through its entry points is in tests/library.
#include "registry/registry.h"
#include "registry/registry_file.h"
#include "registry/registry_server.h"

#include "platform/core/error.h"

#include "support/scratch.h"

#include "support/raises.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace paginor;
using namespace paginor::registry;
using paginor::test::folder_entries;
using paginor::test::read_file;
using paginor::test::Scratch;
using paginor::test::write_file;

namespace {

// Headings, a comment, padded entries and a foreign class, ProgID and licence.
constexpr std::string_view kSample =
    "# heading written by some server\n# second heading line\n\n; about the viewer\n"
    "[class {99999999-0000-0000-0000-000000000001}]\n  progid   =  Other.Thing \r\n"
    "server = /opt/other/lib other.so\nempty =\n\n"
    "[progid Other.Thing]\nclsid = {99999999-0000-0000-0000-000000000001}\n"
    "[license Other]\nkey = abc\n# left at the end\n";

Registry sample() {
    Registry r;
    EXPECT_TRUE(r.parse(kSample, "reg"));
    return r;
}

GUID id(uint32_t n) {
    return GUID{0x11110000u + n, 0x2222, 0x3333, {0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB}};
}

// Two classes: a control whose interface has an earlier identifier, and a creatable class.
ServerDescription sample_server() {
    ServerDescription s{"Sample", id(1), 1, 4, 0x409, "Apartment", {}};
    s.classes.push_back({"Viewer", "Sample.Viewer", id(10), true,
                         ServerInterface{"_Viewer", id(11), {{"Viewer___v0", id(12), {}}}},
                         ServerInterface{"__Viewer", id(13), {{"Viewer___e0", id(14), {}}}}});
    s.classes.push_back({"Relay", "Sample.Relay", id(20), false,
                         ServerInterface{"_Relay", id(21), {}},
                         ServerInterface{"__Relay", id(22), {}}});
    return s;
}

} // namespace

TEST(RegistryFormat, ParsesSectionsEntriesAndCommentsAndWritesThemBack) {
    const Registry r = sample();
    ASSERT_EQ(r.sections().size(), 3u);
    const RegistrySection& c = r.sections()[0];
    EXPECT_EQ(std::tie(c.kind, c.key, c.comments),
              std::make_tuple("class", "{99999999-0000-0000-0000-000000000001}",
                              std::vector<std::string>{"; about the viewer"}));
    EXPECT_EQ(c.entries, (std::vector<RegistryEntry>{{"progid", "Other.Thing"},
                                                     {"server", "/opt/other/lib other.so"},
                                                     {"empty", ""}}));
    EXPECT_EQ(*c.find("server"), "/opt/other/lib other.so");
    EXPECT_EQ(c.find("missing"), nullptr);
    EXPECT_EQ(c.value("missing", "dflt"), "dflt");
    // Keys compare without case, kinds exactly.
    EXPECT_EQ(r.find("progid", "other.THING"), &r.sections()[1]);
    EXPECT_EQ(r.find("class", "{99999999-0000-0000-0000-000000000001}"), &c);
    EXPECT_EQ(r.find("Class", c.key), nullptr);

    // The heading is replaced by ours; everything else survives a round trip.
    std::string text = r.format();
    EXPECT_EQ(text.find("heading written by some server"), std::string::npos);
    EXPECT_NE(text.find("; about the viewer\n[class {99999999-0000-0000-0000-000000000001}]\n"
                        "progid = Other.Thing\nserver = /opt/other/lib other.so\nempty = \n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\n# left at the end\n"));
    Registry again;
    ASSERT_TRUE(again.parse(text, "reg"));
    EXPECT_EQ(again.sections(), r.sections());
    EXPECT_EQ(again.format(), text);
}

TEST(RegistryFormat, ReportsTheLineAndReasonOfTheFirstFault) {
    struct Case {
        std::string_view text;
        RegistryStatus status;
        std::size_t line;
        std::string_view says;
    };
    const Case cases[] = {
        {"[class A]\nno equals sign\n", RegistryStatus::syntax_error, 2, "name = value"},
        {"x = 1\n", RegistryStatus::syntax_error, 1, "before the first section"},
        {"\n\n[class A\n", RegistryStatus::syntax_error, 3, "does not end with ']'"},
        {"[class]\n", RegistryStatus::syntax_error, 1, "[kind key]"},
        {"[cl@ss A]\n", RegistryStatus::syntax_error, 1, "[kind key]"},
        {"[class A]\n = 1\n", RegistryStatus::syntax_error, 2, "name = value"},
        {"[class A]\n[progid A]\n[class a]\n", RegistryStatus::duplicate_section, 3, "twice"},
        {"[class A]\nk = 1\nk = 2\n", RegistryStatus::duplicate_entry, 3, "\"k\""},
        {"[class A]\nk = 1\nv = \xC3\x28\n", RegistryStatus::not_text, 3, "UTF-8"},
        {std::string_view("[class A]\n\0\n", 12), RegistryStatus::not_text, 2, "NUL"},
        {"[class A]\nk = \xED\xA0\x80\n", RegistryStatus::not_text, 2, "UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        Registry r = sample();
        RegistryResult result = r.parse(c.text, "/some/registry");
        EXPECT_EQ(std::make_tuple(bool(result), result.status, result.line, result.file),
                  std::make_tuple(false, c.status, c.line, "/some/registry"));
        EXPECT_NE(result.description.find(c.says), std::string::npos) << result.description;
        EXPECT_EQ(result.message(),
                  "/some/registry:" + std::to_string(c.line) + ": " + result.description);
        EXPECT_EQ(r.sections(), sample().sections()) << "a failed parse changes nothing";
    }
}

TEST(RegistryFormat, PutReplacesInPlaceAndRejectsWhatCannotBeWrittenBack) {
    Registry r;
    r.put({"a", "1", {{"v", "old"}}, {}});
    r.put({"b", "2", {}, {}});
    r.put({"a", "1", {{"v", "new"}}, {}}); // same kind and key: replaced where it stood
    ASSERT_EQ(r.sections().size(), 2u);
    EXPECT_EQ(r.sections()[0].value("v"), "new");
    EXPECT_TRUE(r.remove("b", "2"));
    EXPECT_FALSE(r.remove("b", "2"));

    const RegistrySection bad[] = {
        {"two words", "k", {}, {}},
        {"kind", "", {}, {}},
        {"kind", "line\nbreak", {}, {}},
        {"kind", "k", {{"", "v"}}, {}},
        {"kind", "k", {{"a=b", "v"}}, {}},
        {"kind", "k", {{"#name", "v"}}, {}},
        {"kind", "k", {{"[name", "v"}}, {}},
        {"kind", "k", {{"n", " padded"}}, {}},
        {"kind", "k", {{"n", "two\nlines"}}, {}},
        {"kind", "k", {{"n", "1"}, {"n", "2"}}, {}},
        {"kind", "k", {}, {"not a comment"}},
    };
    for (const auto& s : bad) {
        SCOPED_TRACE(s.kind + " " + s.key);
        EXPECT_EQ(test::error_of([&] { r.put(s); }), std_error::InvalidProcedureCall);
        EXPECT_EQ(r.sections().size(), 1u);
    }
}

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

// A type library, and per class: class, progid, default and event interface with their
// earlier identifiers; the foreign sections untouched and still first.
TEST(RegistryServer, AddWritesEverySectionIdempotentlyListsAndFindsAndRemoveTakesOurs) {
    const Registry original = sample();
    Registry r = original;
    add_server(r, sample_server(), "/lib/libsample.so");
    ASSERT_EQ(r.sections().size(), 3u + 1u + 6u + 4u);
    EXPECT_TRUE(
        std::equal(original.sections().begin(), original.sections().end(), r.sections().begin()));
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
    EXPECT_EQ(r.find("progid", "Sample.Relay")->value("clsid"), registry_guid(id(20)));
    const RegistrySection* lib = r.find("typelib", registry_guid(id(1)));
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib->value("lcid") + " " + lib->value("path"), "0x0409 /lib/libsample.so");
    const RegistrySection* alias = r.find("interface", registry_guid(id(12)));
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(alias->value("name") + " " + alias->value("alias-of"),
              "Viewer___v0 " + registry_guid(id(11)));
    EXPECT_EQ(r.find("interface", registry_guid(id(13)))->value("kind"), "events");

    // Our classes as listed back, with their interfaces' names.
    auto classes = registered_classes(r, id(1));
    ASSERT_EQ(classes.size(), 2u);
    const RegisteredClass& v = classes[0];
    EXPECT_EQ(
        std::tie(v.name, v.progid, v.clsid, v.default_interface, v.event_interface, v.event_iid),
        std::make_tuple("Viewer", "Sample.Viewer", registry_guid(id(10)), "_Viewer", "__Viewer",
                        registry_guid(id(13))));
    using Named = std::pair<std::string, std::string>;
    EXPECT_EQ(v.aliases, (std::vector<Named>{{"Viewer___v0", registry_guid(id(12))},
                                             {"Viewer___e0", registry_guid(id(14))}}));
    EXPECT_EQ(classes[1].kind, "creatable");
    EXPECT_TRUE(classes[1].aliases.empty());
    EXPECT_TRUE(registered_classes(r, id(2)).empty());

    // Servers found by ProgID, and an unregistered one: creating by ProgID in tests/library.
    // The ProgID, the sections that make the lookup fail, and what the problem says.
    const std::tuple<std::string, std::string, std::string> misses[] = {
        {"Bad.Clsid", "[progid Bad.Clsid]\nclsid = nonsense\n", "has no valid clsid"},
        {"No.Class", "[progid No.Class]\nclsid = {99999999-0000-0000-0000-000000000009}\n",
         "names no server"},
    };
    for (const auto& [progid, extra, says] : misses) {
        Registry with;
        ASSERT_TRUE(with.parse(std::string(kSample) + extra, "reg"));
        ServerLookup miss = find_server(with, progid);
        EXPECT_FALSE(miss.found);
        EXPECT_NE(miss.problem.find(says), std::string::npos) << miss.problem;
    }

    std::string once = r.format();
    add_server(r, sample_server(), "/lib/libsample.so");
    EXPECT_EQ(r.format(), once);
    // Registering from another place moves every entry to the new file, adding none.
    add_server(r, sample_server(), "/usr/lib/libsample.so");
    EXPECT_EQ(r.sections().size(), 14u);
    EXPECT_EQ(r.find("class", registry_guid(id(20)))->value("server"), "/usr/lib/libsample.so");

    EXPECT_EQ(remove_server(r, sample_server()), 11u);
    EXPECT_EQ(r.format(), original.format());
    EXPECT_EQ(remove_server(r, sample_server()), 0u);

    for (std::string path : {"relative/libsample.so", "", "/two\nlines.so"}) {
        EXPECT_THROW(add_server(r, sample_server(), path), RuntimeError) << path;
        EXPECT_EQ(r.sections().size(), 3u) << "all or nothing";
    }
}

TEST(RegistryFile, PathComesFromTheEnvironmentInOrder) {
    const char* names[] = {"PAGINOR_REGISTRY", "XDG_DATA_HOME", "HOME"};
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char* v = std::getenv(names[i]))
            saved[i] = v;
    struct Case {
        const char* values[3];
        std::string expected;
    };
    const Case cases[] = {
        {{"/r/registry", "/x", "/h"}, "/r/registry"},
        {{"", "/x", "/h"}, "/x/paginor/registry"},
        {{nullptr, "/x", "/h"}, "/x/paginor/registry"},
        {{nullptr, "relative", "/h"}, "/h/.local/share/paginor/registry"},
        {{nullptr, nullptr, "/h"}, "/h/.local/share/paginor/registry"},
    };
    const auto set = [&](int i, const char* v) {
        v ? ::setenv(names[i], v, 1) : ::unsetenv(names[i]);
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 3; ++i)
            set(i, c.values[i]);
        EXPECT_EQ(registry_path(), c.expected);
    }
    for (int i = 0; i < 3; ++i)
        set(i, saved[i] ? saved[i]->c_str() : nullptr);
}

TEST(RegistryFile, SavesAtomicallyAndLoadsBack) {
    Scratch scratch;
    std::string path = (scratch.dir() / "deeper" / "still" / "registry").string();
    Registry missing;
    ASSERT_TRUE(load_registry(path, missing)); // no file yet: an empty registry
    EXPECT_TRUE(missing.sections().empty());

    Registry r = sample();
    ASSERT_TRUE(save_registry(path, r)); // creates the missing folders
    r.put({"class", "B", {{"server", "/lib/b.so"}}, {}});
    ASSERT_TRUE(save_registry(path, r)); // replaces the file
    EXPECT_EQ(folder_entries(scratch.dir() / "deeper" / "still"),
              std::vector<std::string>{"registry"}); // no temporary file left behind
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    EXPECT_EQ(read_file(path), r.format()); // which reads back as itself: the format's test
}

TEST(RegistryFile, UnreadableOrUnwritablePlacesGiveIoErrorsNamingTheFile) {
    Scratch scratch;
    std::string folder = (scratch.dir() / "a-folder").string();
    std::filesystem::create_directories(folder);
    std::string under_file = (scratch.dir() / "plain" / "registry").string();
    write_file((scratch.dir() / "plain").string(), "not a folder");

    Registry r = sample();
    for (const std::string& path : {folder, under_file}) {
        SCOPED_TRACE(path);
        RegistryResult loaded = load_registry(path, r);
        EXPECT_EQ(std::tie(loaded.status, loaded.file, loaded.line),
                  std::make_tuple(RegistryStatus::io_error, path, 0u));
        EXPECT_EQ(loaded.message().rfind(path + ": cannot ", 0), 0u) << loaded.message();
        EXPECT_EQ(r.sections().size(), 3u); // untouched by the failed load

        RegistryResult saved = save_registry(path, r);
        EXPECT_EQ(std::tie(saved.status, saved.file),
                  std::make_tuple(RegistryStatus::io_error, path));
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder)); // the rename did not replace it
    EXPECT_TRUE(folder_entries(folder).empty());
    EXPECT_EQ(folder_entries(scratch.dir()), (std::vector<std::string>{"a-folder", "plain"}));
    EXPECT_EQ(load_registry("", r).status, RegistryStatus::io_error);
    // A lock that cannot be made says where and why.
    const RegistryLock refused(under_file);
    EXPECT_EQ(refused.result().status, RegistryStatus::io_error);
    EXPECT_NE(refused.result().message().find("plain/registry.lock"), std::string::npos)
        << refused.result().message();
}

// Two processes changing the registry at once, each through the lock as registration
// does: every change of both survives. Without the lock one's read-change-write would
// overwrite what the other wrote in between.
TEST(RegistryFile, ChangesUnderTheLockAreNeverLost) {
    Scratch scratch;
    const std::string path = scratch.registry();
    constexpr int kRounds = 40;
    auto change = [&](const char* who) {
        for (int i = 0; i < kRounds; ++i) {
            const RegistryLock lock(path);
            Registry registry;
            if (!lock.result() || !load_registry(path, registry))
                return false;
            registry.put({"entry", std::string(who) + std::to_string(i), {{"n", "1"}}, {}});
            if (!save_registry(path, registry))
                return false;
        }
        return true;
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(change("child") ? 0 : 1);
    EXPECT_TRUE(change("parent"));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    Registry registry;
    ASSERT_TRUE(load_registry(path, registry));
    EXPECT_EQ(registry.sections().size(), size_t(2 * kRounds));
}
