// Pages for the browser surface's tests, as the viewer and the document converter write
// them: a hit-marked page, the notice page, the image page, the media player page, and a
// small PDF.
#pragma once

#include <string>

namespace browser_pages {

inline std::string common_head() {
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
           "\"http://www.w3.org/TR/html4/strict.dtd\">\r\n<html>\r\n  <head>\r\n"
           "    <meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n"
           "    <title>Quillmere Software &amp; Services for your Firm</title>\r\n"
           "  </head>\r\n\r\n  <body>\r\n";
}

// `paragraphs` paragraphs, with a marked hit in every tenth from the second on.
inline std::string hit_page(int paragraphs) {
    std::string html = "<html><head><meta charset=\"iso-8859-1\"></head><body>\r\n";
    int hit = 0;
    for (int p = 0; p < paragraphs; ++p) {
        html += "<p>Paragraph " + std::to_string(p + 1) +
                " of the agreement between the parties, caf\xE9 terms and conditions";
        if (p % 10 == 1) {
            ++hit;
            const std::string n = std::to_string(hit);
            html += " <a HREF=#Hit" + std::to_string(hit - 1) + ">&lt;&lt;</a><a NAME=Hit" + n +
                    "><Font Color=red><b>contract</b></Font></a><a HREF=#Hit" +
                    std::to_string(hit + 1) + ">&gt;&gt;</a>";
        }
        html += " continue here.</p>\r\n";
    }
    return html + "</body></html>\r\n";
}

inline std::string notice_page(const std::string& ext) {
    return common_head() +
           "    <div style=\"position: absolute; width: 300px; left: 50%; margin-left: -150px; "
           "height: 200px; top: 50%; margin-top: -100px; border: solid; border-color: #404080; "
           "padding: 10px;\">\r\n"
           "<span style=\"font-weight: strong; font-size: 2em;\">Please Note:</span><br><br>The "
           "Preview option is not available for files of type '" +
           ext + "'.\r\n    </div>\r\n  </body>\r\n</html>\r\n";
}

inline std::string image_page(const std::string& picture) {
    return "<html>\r\n<style type=\"text/css\">\r\n.imgId {\r\nwidth:100%;\r\nheight:auto;\r\n}"
           "\r\n</style>\r\n<body>\r\n  <img class=\"imgId\" src=\"" +
           picture + "\" alt=\"\">\r\n</body>\r\n</html>\r\n";
}

inline std::string media_page(const std::string& media) {
    return common_head() +
           "    <div style=\"position: absolute; width: 320px; left: 50%; margin-left: -150px; "
           "height: 285px; top: 50%; margin-top: -142px; border: solid; border-color: #404080; "
           "padding: 10px;\">\r\n      <OBJECT id='mediaPlayer'\r\n              width=\"320\"\r\n"
           "              height=\"285\"\r\n"
           "              classid='CLSID:22d6f312-b0f6-11d0-94ab-0080c74c7e95'\r\n"
           "              codebase='file:///media/setup.cab'\r\n"
           "              standby='Loading Microsoft Windows Media Player components...'\r\n"
           "              type='application/x-oleobject'>\r\n"
           "              <param name='fileName' value=\"" +
           media +
           "\">\r\n              <param name='autoStart' value=\"False\">\r\n"
           "              <EMBED type='application/x-mplayer2'\r\n"
           "                     pluginspage='file:///media/player.html'\r\n"
           "                     width=\"320\"\r\n                     height=\"285\"\r\n"
           "                     src=\"" +
           media +
           "\"\r\n                     autostart=\"False\">\r\n              </EMBED>\r\n"
           "      </OBJECT>\r\n    </div>\r\n  </body>\r\n</html>\r\n";
}

// One A6 page: a blue band and a heading in a standard face.
inline std::string small_pdf() {
    const std::string content = "0 0 1 rg 20 340 257 40 re f BT /F1 18 Tf 0 0 0 rg 30 300 Td "
                                "(Quarterly report) Tj ET";
    std::string objects[] = {
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 297 420] /Contents 4 0 R "
        "/Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
    std::string pdf = "%PDF-1.4\n";
    std::string xref = "xref\n0 6\n0000000000 65535 f \n";
    for (int i = 0; i < 5; ++i) {
        char offset[32];
        std::snprintf(offset, sizeof offset, "%010zu 00000 n \n", pdf.size());
        xref += offset;
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t start = pdf.size();
    return pdf + xref + "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" + std::to_string(start) +
           "\n%%EOF\n";
}

} // namespace browser_pages
