#include "automation/enumerator.h"

#include "automation/foreign.h"
#include "automation/ref.h"

#include <utility>

namespace paginor::automation {

// Connection points are the library's own; sinks and a collection's items may be a
// host's objects, possibly written in C.
HRESULT ConnectionPointItems::copy(Element& to, const Element& from) {
    to = Ref<IConnectionPoint>(from).detach();
    return S_OK;
}

void ConnectionPointItems::clear(Element& item) {
    Ref<IConnectionPoint>::adopt(std::exchange(item, nullptr)).reset();
}

PAGINOR_FOREIGN_CALLS HRESULT ConnectionItems::copy(Element& to, const Element& from) {
    to = from;
    if (to.pUnk)
        to.pUnk->AddRef();
    return S_OK;
}

PAGINOR_FOREIGN_CALLS void ConnectionItems::clear(Element& item) {
    if (item.pUnk)
        item.pUnk->Release();
    item = CONNECTDATA{nullptr, 0};
}

HRESULT VariantItems::copy(Element& to, const Element& from) {
    VariantInit(&to);
    return VariantCopy(&to, &from);
}

void VariantItems::clear(Element& item) {
    VariantClear(&item);
}

template class Enumerator<ConnectionPointItems>;
template class Enumerator<ConnectionItems>;
template class Enumerator<VariantItems>;

} // namespace paginor::automation
