// The nine classes of the library and how each is made, in the type library's order.
#include "frame/class_catalog.h"

#include "buttons/HoverButton.h"
#include "buttons/O2007Check.h"
#include "buttons/O2007Hover.h"
#include "drawing/GradientButton.h"
#include "prompts/MultiPrompt.h"
#include "prompts/PromptField.h"
#include "prompts/cEventBroker.h"
#include "prompts/clsPromptEvents.h"
#include "viewer/DDOC.h"

namespace paginor::frame {
namespace {

template <class T> IDispatch* make() {
    return new T();
}

using Maker = IDispatch* (*)();
constexpr Maker makers[class_count] = {
    &make<DDOC>,        &make<HoverButton>,  &make<PromptField>,    &make<clsPromptEvents>,
    &make<MultiPrompt>, &make<cEventBroker>, &make<GradientButton>, &make<O2007Hover>,
    &make<O2007Check>,
};

} // namespace

IDispatch* create_instance(ClassId id) {
    return makers[static_cast<size_t>(id)]();
}

} // namespace paginor::frame
