#include "host/presenters/x11_keys.h"

#include "platform/window/message_ids.h"

#include <X11/keysym.h>

namespace paginor::host::presenters {

namespace {

struct KeyRow {
    KeySym keysym;
    int vk;
};

namespace pf = paginor::platform;

constexpr KeyRow kKeys[] = {
    {XK_Return, pf::VK_RETURN}, {XK_KP_Enter, pf::VK_RETURN},   {XK_BackSpace, pf::VK_BACK},
    {XK_Tab, pf::VK_TAB},       {XK_ISO_Left_Tab, pf::VK_TAB},  {XK_Escape, pf::VK_ESCAPE},
    {XK_Delete, pf::VK_DELETE}, {XK_KP_Delete, pf::VK_DELETE},  {XK_Insert, 0x2D},
    {XK_Home, pf::VK_HOME},     {XK_End, pf::VK_END},           {XK_Prior, pf::VK_PRIOR},
    {XK_Next, pf::VK_NEXT},     {XK_Left, pf::VK_LEFT},         {XK_Up, pf::VK_UP},
    {XK_Right, pf::VK_RIGHT},   {XK_Down, pf::VK_DOWN},         {XK_Shift_L, pf::VK_SHIFT},
    {XK_Shift_R, pf::VK_SHIFT}, {XK_Control_L, pf::VK_CONTROL}, {XK_Control_R, pf::VK_CONTROL},
    {XK_Alt_L, pf::VK_MENU},    {XK_Alt_R, pf::VK_MENU},
};

} // namespace

int virtual_key(KeySym keysym) {
    if (keysym >= XK_F1 && keysym <= XK_F12)
        return pf::VK_F1 + static_cast<int>(keysym - XK_F1);
    for (const KeyRow& row : kKeys)
        if (row.keysym == keysym)
            return row.vk;
    return 0;
}

} // namespace paginor::host::presenters
