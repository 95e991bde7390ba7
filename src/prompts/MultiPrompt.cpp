#include "prompts/MultiPrompt.h"

namespace paginor {

MultiPrompt::MultiPrompt() : Control(frame::ClassId::MultiPrompt) {}

MultiPrompt::~MultiPrompt() = default;

IDispatch* frame::make_MultiPrompt() {
    return new MultiPrompt();
}

} // namespace paginor
