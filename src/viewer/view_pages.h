// The three pages the viewer writes for the browser: the image page that wraps a picture
// (or a rendered fax), the notice page for types it cannot preview, and the media player
// page. Each is a list of lines as written, without line ends (the text-file writer ends
// every line with CR LF in the single-byte code page).
#pragma once

#include <string>
#include <vector>

namespace paginor::viewer {

// Shows "DisplayDoc" + stamp + ".qmview" from the page's own folder.
std::vector<std::u16string> image_page(const std::u16string& stamp);
// Names the file type ext; "&", "<", ">" and '"' in it become entities, so no path can
// put markup into a page the browser shows.
std::vector<std::u16string> notice_page(const std::u16string& ext);
// Plays "ViewDoc" + stamp + "." + ext from the page's own folder.
std::vector<std::u16string> media_page(const std::u16string& stamp, const std::u16string& ext);

} // namespace paginor::viewer
