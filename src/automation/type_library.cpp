// Lookups over the table.
#include "automation/type_library.h"

#include "platform/core/unicode.h"

namespace paginor::automation {

std::span<const Member> Interface::rows(DISPID dispid) const {
    size_t first = 0;
    while (first < members.size() && members[first].dispid != dispid)
        ++first;
    size_t last = first;
    while (last < members.size() && members[last].dispid == dispid)
        ++last;
    return members.subspan(first, last - first);
}

const Member* Interface::find(std::u16string_view name) const {
    for (const auto& m : members)
        if (equals_ignore_case(m.name, name))
            return &m;
    return nullptr;
}

bool Interface::answers(REFIID riid) const {
    if (riid == *iid)
        return true;
    for (const auto& alias : aliases)
        if (riid == *alias.iid)
            return true;
    return false;
}

std::u16string Class::progid() const {
    std::u16string text(library->name);
    text += u'.';
    text += name;
    return text;
}

const Class* TypeLibrary::find_class(REFCLSID clsid) const {
    for (const auto& c : classes)
        if (*c.clsid == clsid)
            return &c;
    return nullptr;
}

const Class* TypeLibrary::find_class(std::u16string_view wanted) const {
    for (const auto& c : classes)
        if (equals_ignore_case(c.name, wanted))
            return &c;
    return nullptr;
}

const Enumeration* TypeLibrary::find_enum(std::u16string_view wanted) const {
    for (const auto& e : enums)
        if (equals_ignore_case(e.name, wanted))
            return &e;
    return nullptr;
}

} // namespace paginor::automation
