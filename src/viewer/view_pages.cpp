#include "viewer/view_pages.h"

namespace paginor::viewer {

namespace {

// Where a machine without the player finds it; the page names it twice.
constexpr const char16_t* kPlayerPackage =
    u"http://activex.microsoft.com/activex/controls/mplayer/en/nsmp2inf.cab#Version=6,4,7,1112";
constexpr const char16_t* kPlayerPage = u"http://www.microsoft.com/windows/windowsmedia/";

std::u16string indent(int spaces, std::u16string_view text) {
    return std::u16string(size_t(spaces), u' ') + std::u16string(text);
}

// The head the notice and the player pages share, up to the opening of the body.
std::vector<std::u16string> page_head() {
    return {u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
            u"\"http://www.w3.org/TR/html4/strict.dtd\">",
            u"<html>",
            indent(2, u"<head>"),
            indent(4, u"<meta http-equiv=\"Content-Type\" content=\"text/html; "
                      u"charset=iso-8859-1\">"),
            indent(4, u"<title>Quillmere Software &amp; Services for your Firm</title>"),
            indent(2, u"</head>"),
            u"",
            indent(2, u"<body>")};
}

std::u16string escaped(const std::u16string& text) {
    std::u16string out;
    for (char16_t c : text) {
        switch (c) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'"':
            out += u"&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::vector<std::u16string> image_page(const std::u16string& stamp) {
    return {u"<html>",
            u"<style type=\"text/css\">",
            u".imgId {",
            u"width:100%;",
            u"height:auto;",
            u"}",
            u"</style>",
            u"<body>",
            indent(2, u"<img class=\"imgId\" src=\"DisplayDoc" + stamp + u".qmview\" alt=\"\">"),
            u"</body>",
            u"</html>"};
}

std::vector<std::u16string> notice_page(const std::u16string& ext) {
    std::vector<std::u16string> lines = page_head();
    lines.push_back(indent(4, u"<div style=\"position: absolute; width: 300px; left: 50%; "
                              u"margin-left: -150px; height: 200px; top: 50%; margin-top: "
                              u"-100px; border: solid; border-color: #404080; padding: 10px;\">"));
    lines.push_back(u"<span style=\"font-weight: strong; font-size: 2em;\">Please Note:</span>"
                    u"<br><br>The Preview option is not available for files of type '" +
                    escaped(ext) + u"'.");
    lines.push_back(indent(4, u"</div>"));
    lines.push_back(indent(2, u"</body>"));
    lines.push_back(u"</html>");
    return lines;
}

std::vector<std::u16string> media_page(const std::u16string& stamp, const std::u16string& ext) {
    const std::u16string media = u"ViewDoc" + stamp + u"." + ext;
    std::vector<std::u16string> lines = page_head();
    lines.push_back(indent(4, u"<div style=\"position: absolute; width: 320px; left: 50%; "
                              u"margin-left: -150px; height: 285px; top: 50%; margin-top: "
                              u"-142px; border: solid; border-color: #404080; padding: 10px;\">"));
    lines.push_back(indent(6, u"<OBJECT id='mediaPlayer'"));
    for (const std::u16string& text : {
             std::u16string(u"width=\"320\""),
             std::u16string(u"height=\"285\""),
             std::u16string(u"classid='CLSID:22d6f312-b0f6-11d0-94ab-0080c74c7e95'"),
             u"codebase='" + std::u16string(kPlayerPackage) + u"'",
             std::u16string(u"standby='Loading Microsoft Windows Media Player components...'"),
             std::u16string(u"type='application/x-oleobject'>"),
             u"<param name='fileName' value=\"" + media + u"\">",
             std::u16string(u"<param name='animationatStart' value='true'>"),
             std::u16string(u"<param name='transparentatStart' value='true'>"),
             std::u16string(u"<param name='autoStart' value=\"False\">"),
             std::u16string(u"<param name='showControls' value=\"True\">"),
             std::u16string(u"<param name='loop' value=\"False\">"),
             std::u16string(u"<EMBED type='application/x-mplayer2'"),
         })
        lines.push_back(indent(14, text));
    for (const std::u16string& text : {
             u"pluginspage='" + std::u16string(kPlayerPage) + u"'",
             std::u16string(u"id='mediaPlayer'"),
             std::u16string(u"name='mediaPlayer'"),
             std::u16string(u"displaysize='4'"),
             std::u16string(u"autosize='-1'"),
             std::u16string(u"bgcolor='darkblue'"),
             std::u16string(u"showcontrols=\"True\""),
             std::u16string(u"showtracker='-1'"),
             std::u16string(u"showdisplay='0'"),
             std::u16string(u"showstatusbar='-1'"),
             std::u16string(u"videoborder3d='-1'"),
             std::u16string(u"width=\"320\""),
             std::u16string(u"height=\"285\""),
             u"src=\"" + media + u"\"",
             std::u16string(u"autostart=\"False\""),
             std::u16string(u"designtimesp='5311'"),
             std::u16string(u"loop=\"False\">"),
         })
        lines.push_back(indent(21, text));
    lines.push_back(indent(14, u"</EMBED>"));
    lines.push_back(indent(6, u"</OBJECT>"));
    lines.push_back(indent(4, u"</div>"));
    lines.push_back(indent(2, u"</body>"));
    lines.push_back(u"</html>");
    return lines;
}

} // namespace paginor::viewer
