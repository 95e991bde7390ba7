#include "prompts/PromptField.h"

namespace paginor {

PromptField::PromptField() : Control(frame::ClassId::PromptField) {}

PromptField::~PromptField() = default;

IDispatch* frame::make_PromptField() {
    return new PromptField();
}

} // namespace paginor
