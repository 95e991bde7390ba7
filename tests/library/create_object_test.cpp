#include "automation/object_count.h"
#include "library/classes.h"
#include "registry/registry_file.h"
#include "registry/registry_server.h"

#include "platform/core/unicode.h"

#include "support/late_bound.h"
#include "support/scratch.h"

#include <paginor/automation.h>
#include <paginor/host.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace paginor;
using namespace paginor::library;
using namespace paginor::registry;
using paginor::test::read_file;
using paginor::test::Scratch;
using paginor::test::write_file;

namespace {

// The built library, loaded as a host loads it.
class Library {
  public:
    Library() : m_handle(::dlopen(PAGINOR_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL)) {}
    ~Library() {
        if (m_handle) {
            ::dlclose(m_handle);
        }
    }
    explicit operator bool() const { return m_handle != nullptr; }

    HRESULT call(const char* entry) const {
        auto fn = reinterpret_cast<HRESULT (*)()>(::dlsym(m_handle, entry));
        return fn ? fn() : E_UNEXPECTED;
    }
    // The description of the error the library last recorded on this thread.
    std::u16string last_error() const {
        auto get =
            reinterpret_cast<HRESULT (*)(ULONG, IErrorInfo**)>(::dlsym(m_handle, "GetErrorInfo"));
        auto free = reinterpret_cast<void (*)(BSTR)>(::dlsym(m_handle, "SysFreeString"));
        return get && free ? description(get, free) : u"(no GetErrorInfo)";
    }

    // Each copy of the runtime keeps its own error objects and frees its own strings.
    template <class Get, class Free> static std::u16string description(Get get, Free free) {
        IErrorInfo* info = nullptr;
        if (get(0, &info) != S_OK || !info) {
            return u"(no error info)";
        }
        BSTR text = nullptr;
        info->GetDescription(&text);
        std::u16string out = text ? std::u16string(text) : u"";
        info->Release();
        free(text);
        return out;
    }

  private:
    void* m_handle;
};

std::u16string our_last_error() {
    return Library::description(&GetErrorInfo, &SysFreeString);
}

std::string absolute(const char* path) {
    return std::filesystem::absolute(path).lexically_normal().string();
}

bool contains(const std::u16string& text, const std::string& part) {
    return to_utf8(text).find(part) != std::string::npos;
}

} // namespace

TEST(SelfRegistration, TheLibraryRegistersItsOwnFileCreatesByProgIdAndUnregistersItself) {
    Scratch scratch;
    Library lib;
    ASSERT_TRUE(lib) << ::dlerror();
    ASSERT_EQ(lib.call("DllUnregisterServer"), S_OK) << to_utf8(lib.last_error());
    EXPECT_FALSE(std::filesystem::exists(scratch.registry())) << "nothing to remove, no file";
    const std::string foreign = "[license Other]\nkey = abc\n";
    write_file(scratch.registry(), foreign);
    // Registering again changes nothing: add_server's own test in tests/registry.
    ASSERT_EQ(lib.call("DllRegisterServer"), S_OK) << to_utf8(lib.last_error());

    Registry r;
    ASSERT_TRUE(load_registry(scratch.registry(), r));
    auto classes = registered_classes(r, our_server().libid);
    ASSERT_EQ(classes.size(), 9u);
    for (const auto& c : classes)
        EXPECT_EQ(c.server, absolute(PAGINOR_LIBRARY_PATH)) << c.name;
    EXPECT_EQ(std::tie(classes[7].progid, classes[7].default_interface, classes[7].event_interface),
              std::make_tuple("PaginorV2CTL.O2007Hover", "_O2007Hover", "__O2007Hover"));
    EXPECT_EQ(classes[3].kind, "creatable");
    EXPECT_EQ(r.find("typelib", registry_guid(our_server().libid))->value("version"), "1.4");

    CLSID clsid{};
    ASSERT_EQ(PaginorCLSIDFromProgID(u"PaginorV2CTL.O2007Hover", &clsid), S_OK);
    EXPECT_EQ(clsid, *class_entry(ClassId::O2007Hover).clsid);

    // Objects created by ProgID through what it wrote.
    IDispatch* relay = nullptr;
    ASSERT_EQ(CreateObject(u"PaginorV2CTL.clsPromptEvents", &relay), S_OK)
        << to_utf8(our_last_error());
    ASSERT_NE(relay, nullptr);
    EXPECT_EQ(test::id_of(relay, u"RaiseAnEvent"), 0x60030000);
    EXPECT_EQ(relay->Release(), 0u);

    IUnknown* control = nullptr;
    EXPECT_EQ(CreateObject(u"paginorv2ctl.O2007HOVER", IID_IUnknown, &control), S_OK);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Release(), 0u);

    void* never = &scratch;
    EXPECT_EQ(PaginorCreateObject(u"PaginorV2CTL.Nothing", IID_IUnknown, &never),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(never, nullptr);
    std::u16string why = our_last_error();
    EXPECT_TRUE(contains(why, "\"PaginorV2CTL.Nothing\" is not registered")) << to_utf8(why);
    EXPECT_TRUE(contains(why, scratch.registry())) << to_utf8(why);
    EXPECT_EQ(PaginorCreateObject(nullptr, IID_IUnknown, &never), E_POINTER);
    EXPECT_EQ(PaginorCreateObject(u"PaginorV2CTL.DDOC", IID_IUnknown, nullptr), E_POINTER);

    ASSERT_EQ(lib.call("DllUnregisterServer"), S_OK) << to_utf8(lib.last_error());
    EXPECT_EQ(read_file(scratch.registry()), Registry().format() + "\n" + foreign);
    EXPECT_EQ(PaginorCLSIDFromProgID(u"PaginorV2CTL.O2007Hover", &clsid), REGDB_E_CLASSNOTREG);
}

TEST(SelfRegistration, ACorruptRegistryFailsRegisteringAndCreatingAndCodeThatIsNoLibraryToo) {
    Scratch scratch;
    const std::string corrupt = "[class A]\nserver = /x.so\n[broken\n";
    write_file(scratch.registry(), corrupt);
    Library lib;
    ASSERT_TRUE(lib) << ::dlerror();
    for (const char* entry : {"DllRegisterServer", "DllUnregisterServer"}) {
        EXPECT_EQ(lib.call(entry), SELFREG_E_CLASS) << entry;
        const std::u16string why = lib.last_error();
        EXPECT_TRUE(contains(why, scratch.registry() + ":3: ")) << to_utf8(why);
        EXPECT_TRUE(contains(why, "left unchanged")) << to_utf8(why);
        EXPECT_EQ(read_file(scratch.registry()), corrupt) << "byte for byte";
        // Only the lock file beside it is new.
        EXPECT_EQ(test::folder_entries(scratch.dir()),
                  (std::vector<std::string>{"registry", "registry.lock"}));
    }
    // Creating by ProgID reads the same file and says where it stopped.
    void* out = nullptr;
    EXPECT_EQ(PaginorCreateObject(u"A.Thing", IID_IUnknown, &out), REGDB_E_READREGDB);
    EXPECT_TRUE(contains(our_last_error(), scratch.registry() + ":3: "));
    CLSID clsid{};
    EXPECT_EQ(PaginorCLSIDFromProgID(u"A.Thing", &clsid), REGDB_E_READREGDB);
    EXPECT_EQ(clsid, CLSID{});
    // Linked into this test program, the same code has no library file to register.
    std::filesystem::remove(scratch.registry());
    EXPECT_EQ(DllRegisterServer(), SELFREG_E_CLASS);
    EXPECT_TRUE(contains(our_last_error(), "linked into this program"));
    EXPECT_FALSE(std::filesystem::exists(scratch.registry()));
}

// The registry's server entry is followed for other libraries' classes only: a class of
// this library is always made by the copy already in the process, whatever file is named.
TEST(CreateObject, LoadsOtherLibrariesButMakesItsOwnClassesInThisCopy) {
    const std::string ours = registry_guid(*class_entry(ClassId::O2007Hover).clsid);
    const std::string foreign = "{99999999-0000-0000-0000-000000000001}";
    const struct {
        const char* what;
        std::string clsid;
        std::string server; // relative to the scratch folder unless absolute
        HRESULT hr;
    } cases[] = {
        {"another library's class, its file gone", foreign, "libgone.so", CO_E_DLLNOTFOUND},
        {"our class, a file that is gone", ours, "libgone.so", S_OK},
        {"our class, another copy of the library", ours, absolute(PAGINOR_LIBRARY_PATH), S_OK},
    };
    for (const auto& c : cases) {
        Scratch scratch;
        const std::string server = (scratch.dir() / c.server).string();
        write_file(scratch.registry(), "[progid Some.Thing]\nclsid = " + c.clsid + "\n[class " +
                                           c.clsid + "]\nserver = " + server + "\n");
        const long before = automation::live_objects();
        IUnknown* object = nullptr;
        EXPECT_EQ(
            PaginorCreateObject(u"Some.Thing", IID_IUnknown, reinterpret_cast<void**>(&object)),
            c.hr)
            << c.what;
        if (FAILED(c.hr)) {
            EXPECT_TRUE(contains(our_last_error(), "Cannot load " + server)) << c.what;
            continue;
        }
        ASSERT_NE(object, nullptr) << c.what;
        EXPECT_EQ(automation::live_objects(), before + 1) << c.what << ": counted by this copy";
        EXPECT_EQ(DllCanUnloadNow(), S_FALSE) << c.what;
        EXPECT_EQ(object->Release(), 0u) << c.what;
        EXPECT_EQ(automation::live_objects(), before) << c.what;
    }
}
