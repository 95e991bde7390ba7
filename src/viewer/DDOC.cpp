#include "viewer/DDOC.h"

namespace paginor {

DDOC::DDOC() : Automation(frame::ClassId::DDOC) {}

DDOC::~DDOC() = default;

HRESULT DDOC::put_TheDocument(BSTR) {
    return not_built(u"TheDocument");
}

HRESULT DDOC::put_TheHits(BSTR) {
    return not_built(u"TheHits");
}

HRESULT DDOC::put_TheIndexFields(BSTR) {
    return not_built(u"TheIndexFields");
}

HRESULT DDOC::put_TheIndexPath(BSTR) {
    return not_built(u"TheIndexPath");
}

HRESULT DDOC::put_TheView(eView) {
    return not_built(u"TheView");
}

HRESULT DDOC::SetIndexFields(BSTR) {
    return not_built(u"SetIndexFields");
}

HRESULT DDOC::Clear() {
    return not_built(u"Clear");
}

HRESULT DDOC::Reload() {
    return not_built(u"Reload");
}

HRESULT DDOC::CopyDocEvenIfOpen(BSTR, BSTR) {
    return not_built(u"CopyDocEvenIfOpen");
}

HRESULT DDOC::get_DocSubject(BSTR*) {
    return not_built(u"DocSubject");
}

} // namespace paginor
