#include "library/registry_self.h"
#include "registry/registry_file.h"
#include "registry/registry_server.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include "support/scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace paginor;
using namespace paginor::frame;
using paginor::test::read_file;
using paginor::test::Scratch;
using paginor::test::write_file;

namespace {

std::vector<std::string> folder_entries(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Restores an environment variable when the test ends.
class EnvGuard {
  public:
    explicit EnvGuard(const char* name) : m_name(name) {
        if (const char* v = std::getenv(name)) {
            m_value = v;
            m_had = true;
        }
    }
    ~EnvGuard() {
        if (m_had) {
            ::setenv(m_name, m_value.c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }

  private:
    const char* m_name;
    std::string m_value;
    bool m_had = false;
};

} // namespace

TEST(RegistryFile, PathComesFromTheEnvironmentInOrder) {
    EnvGuard reg("PAGINOR_REGISTRY"), xdg("XDG_DATA_HOME"), home("HOME");
    struct Case {
        const char* registry;
        const char* xdg;
        const char* home;
        std::string expected;
    };
    const Case cases[] = {
        {"/r/registry", "/x", "/h", "/r/registry"},
        {"", "/x", "/h", "/x/paginor/registry"},
        {nullptr, "/x", "/h", "/x/paginor/registry"},
        {nullptr, "relative", "/h", "/h/.local/share/paginor/registry"},
        {nullptr, nullptr, "/h", "/h/.local/share/paginor/registry"},
    };
    for (const auto& c : cases) {
        auto set = [](const char* name, const char* v) {
            v ? ::setenv(name, v, 1) : ::unsetenv(name);
        };
        set("PAGINOR_REGISTRY", c.registry);
        set("XDG_DATA_HOME", c.xdg);
        set("HOME", c.home);
        EXPECT_EQ(registry_path(), c.expected);
    }
}

TEST(RegistryFile, SavesAtomicallyAndLoadsBack) {
    Scratch scratch;
    std::string path = (scratch.dir() / "deeper" / "still" / "registry").string();
    Registry missing;
    ASSERT_TRUE(load_registry(path, missing)); // no file yet: an empty registry
    EXPECT_TRUE(missing.sections().empty());

    Registry r;
    r.put({"class", "A", {{"server", "/lib/a.so"}}, {}});
    ASSERT_TRUE(save_registry(path, r)); // creates the missing folders
    r.put({"class", "B", {{"server", "/lib/b.so"}}, {}});
    ASSERT_TRUE(save_registry(path, r)); // replaces the file
    EXPECT_EQ(folder_entries(scratch.dir() / "deeper" / "still"),
              std::vector<std::string>{"registry"}); // no temporary file left behind
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);

    Registry back;
    ASSERT_TRUE(load_registry(path, back));
    EXPECT_EQ(back.sections(), r.sections());
    EXPECT_EQ(read_file(path), r.format());
}

TEST(RegistryFile, UnreadableOrUnwritablePlacesGiveIoErrorsNamingTheFile) {
    Scratch scratch;
    std::string folder = (scratch.dir() / "a-folder").string();
    std::filesystem::create_directories(folder);
    std::string under_file = (scratch.dir() / "plain" / "registry").string();
    write_file((scratch.dir() / "plain").string(), "not a folder");

    Registry r;
    r.put({"class", "A", {{"k", "v"}}, {}});
    for (const std::string& path : {folder, under_file}) {
        SCOPED_TRACE(path);
        RegistryResult loaded = load_registry(path, r);
        EXPECT_EQ(loaded.status, RegistryStatus::io_error);
        EXPECT_EQ(loaded.file, path);
        EXPECT_EQ(loaded.line, 0u);
        EXPECT_EQ(loaded.message().rfind(path + ": cannot ", 0), 0u) << loaded.message();
        EXPECT_EQ(r.sections().size(), 1u); // untouched by the failed load

        RegistryResult saved = save_registry(path, r);
        EXPECT_EQ(saved.status, RegistryStatus::io_error);
        EXPECT_EQ(saved.file, path);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder)); // the rename did not replace it
    EXPECT_TRUE(folder_entries(folder).empty());
    EXPECT_EQ(folder_entries(scratch.dir()), (std::vector<std::string>{"a-folder", "plain"}));
    EXPECT_EQ(load_registry("", r).status, RegistryStatus::io_error);
}

TEST(RegistryFile, RegisterNeverOverwritesACorruptRegistry) {
    Scratch scratch;
    const std::string corrupt = "[class {99999999-0000-0000-0000-000000000001}]\n"
                                "server = /opt/other.so\n"
                                "this line is damaged\n"
                                "[progid Other.Thing]\n";
    write_file(scratch.registry(), corrupt);
    for (auto* action :
         {+[] { register_library("/lib/libPaginorV2CTL.so"); }, +[] { unregister_library(); }}) {
        try {
            action();
            ADD_FAILURE() << "a corrupt registry was accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.hr(), SELFREG_E_CLASS);
            std::string text = to_utf8(e.description());
            EXPECT_NE(text.find(scratch.registry() + ":3: "), std::string::npos) << text;
            EXPECT_NE(text.find("left unchanged"), std::string::npos) << text;
        }
        EXPECT_EQ(read_file(scratch.registry()), corrupt); // byte for byte
        // Only the lock file beside it is new.
        EXPECT_EQ(folder_entries(scratch.dir()),
                  (std::vector<std::string>{"registry", "registry.lock"}));
    }
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
            if (!lock.result())
                return false;
            Registry registry;
            if (!load_registry(path, registry))
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
    // A lock that cannot be made says where and why.
    write_file((scratch.dir() / "plain").string(), "not a folder");
    const RegistryLock refused((scratch.dir() / "plain" / "registry").string());
    EXPECT_EQ(refused.result().status, RegistryStatus::io_error);
    EXPECT_NE(refused.result().message().find("plain/registry.lock"), std::string::npos)
        << refused.result().message();
}

TEST(RegistryFile, RegisterAndUnregisterOurLibraryKeepForeignEntries) {
    Scratch scratch;
    const std::string foreign = "[progid Other.Thing]\nclsid = {99999999-0000-0000-0000-"
                                "000000000001}\n";
    unregister_library(); // nothing registered: no file is created
    EXPECT_FALSE(std::filesystem::exists(scratch.registry()));
    write_file(scratch.registry(), foreign);

    register_library("/lib/libPaginorV2CTL.so");
    std::string once = read_file(scratch.registry());
    register_library("/lib/libPaginorV2CTL.so");
    EXPECT_EQ(read_file(scratch.registry()), once);

    Registry r;
    ASSERT_TRUE(load_registry(scratch.registry(), r));
    auto classes = registered_classes(r, our_server().libid);
    ASSERT_EQ(classes.size(), 9u);
    EXPECT_EQ(classes[7].progid, "PaginorV2CTL.O2007Hover");
    EXPECT_EQ(classes[7].default_interface, "_O2007Hover");
    EXPECT_EQ(classes[7].event_interface, "__O2007Hover");
    EXPECT_EQ(classes[3].kind, "creatable");
    EXPECT_TRUE(find_server(r, "Other.Thing").problem.find("names no server") != std::string::npos);

    unregister_library();
    Registry after;
    ASSERT_TRUE(load_registry(scratch.registry(), after));
    Registry expected;
    ASSERT_TRUE(expected.parse(foreign, "expected"));
    EXPECT_EQ(after.sections(), expected.sections());
}
