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

TEST(Paths, WildcardMatching) {
    struct Row {
        const char16_t* pattern;
        const char16_t* name;
        bool matches;
    };
    const Row rows[] = {
        {u"DisplayDoc*.html", u"DisplayDoc20261205143501.html", true},
        {u"DisplayDoc*.html", u"displaydoc1.HTML", true},
        {u"DisplayDoc*.html", u"DisplayDoc1.html.bak", false},
        {u"DisplayDoc*.html", u"DisplayDoc.html", true},
        {u"QMDoc*.*", u"QMDoc1.html", true},
        {u"QMDoc*.*", u"QMDoc1", true}, // ".*" also covers no extension
        {u"QMDoc*.*", u"XQMDoc1.html", false},
        {u"*.*", u"README", true},
        {u"*.*", u".hidden", true},
        {u"*.txt", u"README", false},
        {u"a?c", u"abc", true},
        {u"a?c", u"ac", false},
        {u"a?c", u"abbc", false},
        {u"*a*b*c*", u"xxaxxbxxcxx", true},
        {u"*a*b*c*", u"xxaxxcxxbxx", false},
        {u"ÄRGER*", u"ärger.txt", true},
        {u"*", u"", true},
        {u"", u"anything", false},
        {u"**?", u"", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(wildcard_match(row.pattern, row.name), row.matches)
            << to_utf8(row.pattern) << " vs " << to_utf8(row.name);
}
