// BSTR allocation as the desktop does it: a 32-bit byte count, the UTF-16 text and a
// 16-bit zero, the pointer handed out pointing at the first character.
#include <paginor/base.h>

#include <cstdlib>
#include <cstring>

namespace {

uint32_t* header(BSTR text) {
    return reinterpret_cast<uint32_t*>(reinterpret_cast<char*>(text) - sizeof(uint32_t));
}

BSTR allocate(const OLECHAR* text, UINT length) {
    const size_t bytes = size_t{length} * sizeof(OLECHAR);
    if (bytes > 0x7FFFFFF0u)
        return nullptr;
    auto* block = static_cast<char*>(std::malloc(sizeof(uint32_t) + bytes + sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    const uint32_t count = static_cast<uint32_t>(bytes);
    std::memcpy(block, &count, sizeof count);
    auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(uint32_t));
    if (text)
        std::memcpy(chars, text, bytes);
    else
        std::memset(chars, 0, bytes);
    chars[length] = 0;
    return chars;
}

} // namespace

BSTR SysAllocString(const OLECHAR* text) {
    if (!text)
        return nullptr;
    UINT length = 0;
    while (text[length])
        ++length;
    return allocate(text, length);
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    return allocate(text, length);
}

void SysFreeString(BSTR text) {
    if (text)
        std::free(header(text));
}

UINT SysStringLen(BSTR text) {
    return text ? *header(text) / sizeof(OLECHAR) : 0;
}

UINT SysStringByteLen(BSTR text) {
    return text ? *header(text) : 0;
}
