#include "platform/core/unicode.h"
#include "platform/files/path.h"

#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::platform;

TEST(Paths, SeparatorsAndEncoding) {
    EXPECT_EQ(native_path(u"C:\\My.Files\\readme"), "C:/My.Files/readme");
    EXPECT_EQ(native_path(u"/tmp\\mixed/dir\\Grüße.txt"), "/tmp/mixed/dir/Gr\xC3\xBC\xC3\x9F"
                                                          "e.txt");
    EXPECT_EQ(native_path(u"\\QMDoc1.html"), "/QMDoc1.html");
    EXPECT_EQ(native_path(u"a//b "), "a//b ");
    struct Row {
        const char16_t* path;
        const char16_t* folder;
        const char16_t* name;
    };
    const Row rows[] = {
        {u"/tmp/x\\QMDoc*.*", u"/tmp/x", u"QMDoc*.*"},
        {u"\\QMDoc*.*", u"", u"QMDoc*.*"},
        {u"name.txt", u"", u"name.txt"},
        {u"dir/", u"dir", u""},
        {u"", u"", u""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(path_folder(row.path), row.folder) << to_utf8(row.path);
        EXPECT_EQ(path_name(row.path), row.name) << to_utf8(row.path);
    }
}

// Each row "pattern name"; ".*" also covers no extension.
TEST(Paths, WildcardMatching) {
    const auto check = [](std::initializer_list<std::u16string_view> rows, bool matches) {
        for (std::u16string_view row : rows) {
            const size_t space = row.find(u' ');
            EXPECT_EQ(wildcard_match(row.substr(0, space), row.substr(space + 1)), matches)
                << to_utf8(row);
        }
    };
    check({u"DisplayDoc*.html DisplayDoc20261205143501.html", u"DisplayDoc*.html displaydoc1.HTML",
           u"DisplayDoc*.html DisplayDoc.html", u"QMDoc*.* QMDoc1.html", u"QMDoc*.* QMDoc1",
           u"*.* README", u"*.* .hidden", u"a?c abc", u"*a*b*c* xxaxxbxxcxx", u"ÄRGER* ärger.txt",
           u"* "},
          true);
    check({u"DisplayDoc*.html DisplayDoc1.html.bak", u"QMDoc*.* XQMDoc1.html", u"*.txt README",
           u"a?c ac", u"a?c abbc", u"*a*b*c* xxaxxcxxbxx", u" anything", u"**? "},
          false);
}
