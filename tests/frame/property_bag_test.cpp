// The property bag's typed reads and writes, and the text form file: writing, reading
// back, and the one result that says where and why a damaged file stopped.
#include "frame/form_file.h"
#include "frame/property_bag.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <gtest/gtest.h>

#include <functional>

using namespace paginor;
using namespace paginor::frame;

namespace {

// The error number a call raises; 0 when it raises none.
int error_of(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(PropertyBag, DefaultsAreNotStoredAndWritesKeepTheirPlace) {
    PropertyBag bag;
    bag.WriteProperty(u"A", BagValue::int32(1));
    bag.WriteProperty(u"B", BagValue::boolean(true), BagValue::boolean(true)); // = default
    bag.WriteProperty(u"C", BagValue::string(u"x"), BagValue::string(u""));
    bag.WriteProperty(u"a", BagValue::int32(2)); // same key, any case: replaced in place
    const std::vector<BagEntry> expected{{u"A", BagValue::int32(2)},
                                         {u"C", BagValue::string(u"x")}};
    EXPECT_EQ(bag.entries(), expected);
    bag.WriteProperty(u"C", BagValue::string(u""), BagValue::string(u"")); // back to default
    EXPECT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.ReadProperty(u"missing", BagValue::int16(7)), BagValue::int16(7));
}

TEST(PropertyBag, TypedReadsConvertOrRaise) {
    PropertyBag bag;
    bag.append({u"Big", BagValue::int32(40000)});
    bag.append({u"Small", BagValue::int16(-5)});
    bag.append({u"Text", BagValue::string(u"12")});
    bag.append({u"Word", BagValue::string(u"twelve")});
    bag.append({u"Pic", BagValue::picture({1, 2, 3})});
    bag.append({u"Flag", BagValue::boolean(true)});
    struct Case {
        const char* what;
        std::function<void()> call;
        int error;
    };
    const Case cases[] = {
        {"int32 into int16 overflows", [&] { bag.read_int16(u"Big", 0); }, 6},
        {"int32 read as int32", [&] { EXPECT_EQ(bag.read_int32(u"Big", 0), 40000); }, 0},
        {"int16 widens", [&] { EXPECT_EQ(bag.read_int32(u"Small", 0), -5); }, 0},
        {"numeric text converts", [&] { EXPECT_EQ(bag.read_int16(u"Text", 0), 12); }, 0},
        {"other text mismatches", [&] { bag.read_int32(u"Word", 0); }, 13},
        {"picture is no number", [&] { bag.read_colour(u"Pic", 0); }, 13},
        {"picture is no string", [&] { bag.read_string(u"Pic", u""); }, 13},
        {"number is no picture", [&] { bag.read_picture(u"Big"); }, 13},
        {"damaged picture stream", [&] { bag.read_picture(u"Pic"); }, 481},
        {"boolean as string", [&] { EXPECT_EQ(bag.read_string(u"Flag", u""), u"True"); }, 0},
        {"missing gives default", [&] { EXPECT_EQ(bag.read_boolean(u"None", true), true); }, 0},
        {"empty name", [&] { bag.read_int32(u"", 0); }, 380},
        {"empty name on write", [&] { bag.WriteProperty(u"", BagValue::none()); }, 380},
    };
    for (const Case& c : cases)
        EXPECT_EQ(error_of(c.call), c.error) << c.what;
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

FormRecord sample() {
    FormRecord form;
    form.name = u"Search";
    form.width = 4800;
    form.height = 1200.5;
    FormControlRecord c;
    c.progid = u"PaginorV2CTL.O2007Hover";
    c.name = u"hOne";
    c.left = 120;
    c.top = 60;
    c.width = 360;
    c.height = 360;
    c.bag.append({u"Pic", BagValue::picture(std::vector<uint8_t>(70, 0xAB))});
    c.bag.append({u"None", BagValue::none()});
    c.bag.append({u"Short", BagValue::int16(-32768)});
    c.bag.append({u"Long", BagValue::int32(2147483647)});
    c.bag.append({u"Flag", BagValue::boolean(false)});
    c.bag.append({u"Colour", BagValue::colour(0x8000000F)});
    c.bag.append({u"Text", BagValue::string(u"say \"hi\" \u00e9")});
    form.controls.push_back(c);
    c.name = u"hTwo";
    c.container = u"hOne";
    c.bag = {};
    form.controls.push_back(c);
    return form;
}

TEST(FormFile, WritesReadableTextAndReadsItBack) {
    const std::string text = write_form_file(sample());
    const std::string expected = "PaginorForm 1\n"
                                 "Begin Form Search\n"
                                 "    Width = 4800\n"
                                 "    Height = 1200.5\n"
                                 "    BackColor = &H8000000F&\n"
                                 "    Begin PaginorV2CTL.O2007Hover hOne\n"
                                 "        Left = 120\n"
                                 "        Top = 60\n"
                                 "        Width = 360\n"
                                 "        Height = 360\n"
                                 "        Pic = Picture {\n"
                                 "            " +
                                 repeat("q6ur", 16) + "\n            " + repeat("q6ur", 7) +
                                 "qw==\n"
                                 "        }\n"
                                 "        None = Nothing\n"
                                 "        Short = Integer -32768\n"
                                 "        Long = Long 2147483647\n"
                                 "        Flag = Boolean False\n"
                                 "        Colour = Colour &H8000000F&\n"
                                 "        Text = String \"say \"\"hi\"\" \xe9\"\n"
                                 "    End\n"
                                 "    Begin PaginorV2CTL.O2007Hover hTwo\n"
                                 "        Container = \"hOne\"\n"
                                 "        Left = 120\n"
                                 "        Top = 60\n"
                                 "        Width = 360\n"
                                 "        Height = 360\n"
                                 "    End\n"
                                 "End\n";
    EXPECT_EQ(text, expected);
    FormRecord back;
    const FormFileResult r = read_form_file(text, back);
    EXPECT_TRUE(r.ok()) << to_utf8(r.description);
    EXPECT_EQ(back, sample());
}

TEST(FormFile, DamagedEntriesNameTheLineAndEntry) {
    const std::string good = write_form_file(sample());
    struct Case {
        const char* what;
        std::string from, to;
        int line;
        std::u16string entry;
    };
    const Case cases[] = {
        {"not a form file", "PaginorForm 1", "Something else", 1, u"header"},
        {"unknown kind", "Flag = Boolean False", "Flag = Maybe False", 18, u"Flag"},
        {"Integer out of range", "Integer -32768", "Integer -32769", 16, u"Short"},
        {"Long out of range", "Long 2147483647", "Long 2147483648", 17, u"Long"},
        {"broken string", "\"say \"\"hi", "\"say \"hi", 20, u"Text"},
        {"bad base64", "qw==", "q*==", 14, u"Pic"},
        {"bad colour", "Colour &H8000000F&", "Colour 8000000F", 19, u"Colour"},
        {"no equals sign", "Top = 60\n        Width", "Top 60\n        Width", 8, u"Top 60"},
        {"unknown form entry", "    Height = 1200.5", "    Depth = 1200.5", 4, u"Depth"},
        {"block left open", "    End\nEnd\n", "", 28, u"End"},
    };
    for (const Case& c : cases) {
        std::string text = good;
        const size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.what;
        text.replace(at, c.from.size(), c.to);
        FormRecord out;
        const FormFileResult r = read_form_file(text, out);
        EXPECT_FALSE(r.ok()) << c.what;
        EXPECT_EQ(r.line, c.line) << c.what << ": " << to_utf8(r.description);
        EXPECT_EQ(r.entry, c.entry) << c.what;
    }
}

} // namespace
