#include "controls/RichTextBox.h"
#include "controls/rtf_reader.h"
#include "platform/core/unicode.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/message_ids.h"

#include "support/parent_window.h"
#include "support/raster_golden.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace paginor;
namespace pf = paginor::platform;
using controls::read_rtf;

namespace {

// A document as "|"-separated paragraphs of "<face size flags colour>text" runs (flags
// b, i, u; the colour only when not black), default face and size left out.
std::string describe(const controls::RichDocument& doc) {
    std::string out;
    for (size_t p = 0; p < doc.paragraphs.size(); ++p) {
        if (p > 0)
            out += "|";
        for (const controls::RichRun& run : doc.paragraphs[p].runs) {
            const controls::RichFormat& f = run.format;
            std::string tag;
            if (f.face != u"Times New Roman")
                tag += to_utf8(f.face) + " ";
            if (f.half_points != 24)
                tag += std::to_string(f.half_points) + " ";
            tag +=
                std::string(f.bold ? "b" : "") + (f.italic ? "i" : "") + (f.underline ? "u" : "");
            if (f.colour != 0) {
                char hex[16];
                std::snprintf(hex, sizeof hex, " #%06x", unsigned(f.colour));
                tag += hex;
            }
            out += "<" + tag + ">" + to_utf8(run.text);
        }
    }
    return out;
}

constexpr char16_t kHitPreamble[] =
    u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}"
    u"{\\f1\\fswiss Arial;}{\\f2\\fmodern;}}{\\colortbl;\\red0\\green0\\blue0;"
    u"\\red0\\green0\\blue255;\\red192\\green0\\blue0;}";

TEST(RtfReader, ReadsGroupsTablesFormatsAndCharacters) {
    struct Row {
        std::u16string body; // after the preamble, unless it starts with "!"
        const char* expected;
    } rows[] = {
        {u"A {\\cf3 \\b hit} b}", "<>A <b #0000c0>hit<> b"},
        {u"\\f1\\fs20 x\\plain y\\f2 z}", "<Arial 20 >x<>y<Courier New >z"},
        {u"\\i i\\i0 \\ul u\\ulnone \\b1 b\\b0 .}", "<i>i<u>u<b>b<>."},
        {u"one\\par two\\line three\\tab four\\~five}", "<>one|<>two\nthree\tfour\u00a0five"},
        {u"Caf\\'e9 \\'80 \\u8364? \\uc2\\u20013 xy z}", "<>Café € € 中 z"},
        {u"\\{br\\}\\\\ {\\*\\shppict{\\pict 0f0f}}{\\info{\\title T}}a\\unknown b}",
         "<>{br}\\ ab"},
        {u"x\\cf9 y\\cf2 z}", "<>xy< #ff0000>z"},
        {u"!plain\r\ntext\nhere", "<Arial 20 >plain|<Arial 20 >text|<Arial 20 >here"},
        {u"!{\\rtf1 {\\b cut off", "<b>cut off"},
        {u"!{\\rtf1 a}} b} ignored", "<>a"},
        {u"!", ""},
    };
    for (const Row& row : rows) {
        const std::u16string in =
            row.body.starts_with(u"!") ? row.body.substr(1) : kHitPreamble + row.body;
        EXPECT_EQ(describe(read_rtf(in)), row.expected) << to_utf8(in);
    }
    const std::u16string plain = u"a{b}\\c\r\n\té\r\n";
    EXPECT_EQ(read_rtf(controls::rtf_from_plain_text(plain)).plain_text(), plain);
}

struct RichTextBoxTest : testing_support::ParentWindowTest {
    RichTextBoxTest() : ParentWindowTest(240, 120) {}
};

TEST_F(RichTextBoxTest, ShowsColouredBoldHitsWrappedAndScrolls) {
    controls::RichTextBox box(parent, {0, 0, 220, 100});
    std::u16string body = kHitPreamble;
    body += u"\\f0 The {\\cf3 \\b contract} was signed by both parties, and the {\\cf3 \\b "
            u"contract} names the {\\cf2 Quillmere} office.\\par\\f1\\fs18 ";
    for (int i = 1; i <= 12; ++i)
        body += u"Line " + from_utf8(std::to_string(i)) + u"\\par ";
    body += u"}";
    box.SetTextRTF(body);
    EXPECT_GT(box.LineCount(), 14) << "the first paragraph wraps";
    EXPECT_TRUE(testing_support::MatchesGolden(shown(box.hWnd()), "rich_text_hits"));

    pf::SetFocus(box.hWnd());
    pf::Input::key(pf::VK_END);
    pf::DoEvents();
    const int bottom = box.ScrollTop();
    EXPECT_GT(bottom, 0);
    pf::Input::wheel(120);
    pf::DoEvents();
    EXPECT_EQ(box.ScrollTop(), bottom - 60) << "a notch is three lines";
    pf::Input::key(pf::VK_HOME);
    pf::DoEvents();
    EXPECT_EQ(box.ScrollTop(), 0);

    // The bar: the track below the thumb pages, the lower arrow steps a line.
    pf::SendMessage(box.hWnd(), pf::WM_LBUTTONDOWN, pf::MK_LBUTTON, pf::MAKELPARAM(212, 70));
    pf::SendMessage(box.hWnd(), pf::WM_LBUTTONUP, 0, pf::MAKELPARAM(212, 70));
    EXPECT_EQ(box.ScrollTop(), 80) << "a page is the view less a line";
    pf::SendMessage(box.hWnd(), pf::WM_LBUTTONDOWN, pf::MK_LBUTTON, pf::MAKELPARAM(212, 95));
    pf::SendMessage(box.hWnd(), pf::WM_LBUTTONUP, 0, pf::MAKELPARAM(212, 95));
    EXPECT_EQ(box.ScrollTop(), 100);
    pf::Input::key(pf::VK_HOME);
    pf::DoEvents();

    pf::EnableWindow(parent, pf::FALSE);
    pf::Input::key(pf::VK_NEXT);
    pf::DoEvents();
    EXPECT_EQ(box.ScrollTop(), 0) << "a disabled parent holds the keys back";
    pf::EnableWindow(parent, pf::TRUE);

    box.SetText(u""); // the fourteen lines and more go
    EXPECT_EQ(box.LineCount(), 1);
    EXPECT_EQ(box.ScrollTop(), 0);
}

} // namespace
