// TheDocument: from a document path to the renditions the two surfaces show.
#include "viewer/DDOC.h"

#include "convert/ImageConverter.h"
#include "convert/shared_reading.h"
#include "platform/files/file.h"
#include "viewer/copy_doc.h"
#include "viewer/doc_class.h"
#include "viewer/hit_renditions.h"
#include "viewer/temp_files.h"
#include "viewer/view_pages.h"

namespace paginor {

using viewer::temp_path;

void DDOC::TheDocument(const std::u16string& strNew) {
    viewer::remove_old_renditions();
    const std::u16string stamp = viewer::time_stamp();

    m_doc_loaded = false;
    m_image1.SetVisible(false);
    if (m_browser)
        m_browser->SetVisible(false);
    m_image1.SetPicture(nullptr);
    m_doc_url = u"about:blank";

    // A path without a dot is no error: the surfaces stay hidden and empty.
    const std::optional<std::u16string> ext = viewer::doc_extension(strNew);
    if (!ext)
        return;
    {
        // The page and the rich text render the same document: it is read once for both.
        const convert::SharedReading reading;
        ShowRendition(strNew, stamp, *ext);
        SetRichText(viewer::BuildHitRtf(strNew, {m_index_fields, m_hits, m_index_path}));
    }
    ArrangeView();
    m_doc_loaded = true;
}

// Each branch sets the state in the order the host may see it after a failure: what is
// set before a failing step stays.
void DDOC::ShowRendition(const std::u16string& strNew, const std::u16string& stamp,
                         const std::u16string& ext) {
    const std::u16string picture = temp_path(u"\\DisplayDoc" + stamp + u".qmview");
    const std::u16string image_page = temp_path(u"\\DisplayDoc" + stamp + u".html");
    const std::u16string qm_page = temp_path(u"\\QMDoc" + stamp + u".html");
    switch (viewer::classify(ext)) {
    case viewer::DocClass::Picture:
        m_display_mode = 1;
        m_doc_url = image_page;
        if (platform::file_exists(picture))
            platform::delete_file(picture);
        platform::copy_file(strNew, picture);
        platform::write_text_file(image_page, viewer::image_page(stamp));
        break;
    case viewer::DocClass::Fax:
        if (platform::file_exists(picture))
            platform::delete_file(picture);
        convert::ImageConverter().convert(strNew, picture);
        m_display_mode = 1;
        m_doc_url = image_page;
        platform::write_text_file(image_page, viewer::image_page(stamp));
        break;
    case viewer::DocClass::Document:
        m_display_mode = 1;
        viewer::BuildHitHtml(strNew, stamp, {m_index_fields, m_hits, m_index_path}, m_subject);
        m_doc_url = qm_page + u"#Hit1";
        break;
    case viewer::DocClass::WebPage:
        m_display_mode = 1;
        m_doc_url = strNew + u"#Hit1";
        break;
    case viewer::DocClass::Pdf: {
        m_display_mode = 2;
        const std::u16string copy = temp_path(u"\\PDFDisplay" + stamp + u".PDF");
        viewer::CopyDocEvenIfOpen(strNew, copy);
        m_doc_url = copy;
        break;
    }
    case viewer::DocClass::Media: {
        m_display_mode = 1;
        viewer::CopyDocEvenIfOpen(strNew, temp_path(u"\\ViewDoc" + stamp + u"." + ext));
        const std::u16string page = temp_path(u"\\ViewDoc" + stamp + u".html");
        platform::write_text_file(page, viewer::media_page(stamp, ext));
        m_doc_url = page;
        break;
    }
    case viewer::DocClass::Other:
        m_display_mode = 1;
        platform::write_text_file(qm_page, viewer::notice_page(ext));
        m_doc_url = qm_page;
        break;
    }
}

void DDOC::SetRichText(std::u16string rtf) {
    m_rtf_in_box = m_rtb != nullptr;
    if (m_rtb) {
        m_rtf.clear();
        m_rtb->SetTextRTF(std::move(rtf));
    } else {
        m_rtf = std::move(rtf);
    }
}

} // namespace paginor
