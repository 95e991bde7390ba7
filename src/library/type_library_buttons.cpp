// The members of HoverButton, GradientButton, O2007Hover, O2007Check, row for row in vtable order:
// a property read and its write are two rows under one identifier, read first.
#include "frame/invoker.h"
#include "frame/type_library.h"

namespace paginor::frame {
namespace {

using K = MemberKind;
[[maybe_unused]] constexpr TypeRef String{TypeKind::String};
[[maybe_unused]] constexpr TypeRef Boolean{TypeKind::Boolean};
[[maybe_unused]] constexpr TypeRef Int16{TypeKind::Int16};
[[maybe_unused]] constexpr TypeRef Int32{TypeKind::Int32};
[[maybe_unused]] constexpr TypeRef Single{TypeKind::Single};
[[maybe_unused]] constexpr TypeRef Colour{TypeKind::Colour};
[[maybe_unused]] constexpr TypeRef Picture{TypeKind::Picture};
[[maybe_unused]] constexpr TypeRef Font{TypeKind::Font};
[[maybe_unused]] constexpr TypeRef CheckValue{TypeKind::CheckValue};

// _HoverButton
const Member HoverButton_members[] = {
    {u"PromptPicture",
     K::Get,
     0x68030000,
     Picture,
     {},
     {},
     bind_get<&_HoverButton::get_PromptPicture>()},
    {u"PromptPicture",
     K::Set,
     0x68030000,
     Picture,
     {},
     {},
     bind<&_HoverButton::putref_PromptPicture>()},
    {u"IconLocation",
     K::Get,
     0x68030001,
     {TypeKind::Enum, u"EIconLocation"},
     {},
     {},
     bind_get<&_HoverButton::get_IconLocation>()},
    {u"IconLocation",
     K::Let,
     0x68030001,
     {TypeKind::Enum, u"EIconLocation"},
     {},
     {},
     bind<&_HoverButton::put_IconLocation>()},
    {u"Caption", K::Get, 0x68030002, String, {}, {}, bind_get<&_HoverButton::get_Caption>()},
    {u"Caption", K::Let, 0x68030002, String, {}, {}, bind<&_HoverButton::put_Caption>()},
    {u"BackColor", K::Get, 0x68030003, Colour, {}, {}, bind_get<&_HoverButton::get_BackColor>()},
    {u"BackColor", K::Let, 0x68030003, Colour, {}, {}, bind<&_HoverButton::put_BackColor>()},
    {u"ForeColor", K::Get, 0x68030004, Colour, {}, {}, bind_get<&_HoverButton::get_ForeColor>()},
    {u"ForeColor", K::Let, 0x68030004, Colour, {}, {}, bind<&_HoverButton::put_ForeColor>()},
    {u"FontBold", K::Get, 0x68030005, Boolean, {}, {}, bind_get<&_HoverButton::get_FontBold>()},
    {u"FontBold", K::Let, 0x68030005, Boolean, {}, {}, bind<&_HoverButton::put_FontBold>()},
    {u"Enabled", K::Get, 0x68030006, Boolean, {}, {}, bind_get<&_HoverButton::get_Enabled>()},
    {u"Enabled", K::Let, 0x68030006, Boolean, {}, {}, bind<&_HoverButton::put_Enabled>()},
    {u"Unhover", K::Method, 0x60030007, {}, {}, {}, bind<&_HoverButton::Unhover>()},
};
const Member HoverButton_event_members[] = {
    {u"Click", K::Method, 1, {}, {}, {}},
    {u"PopClick", K::Method, 2, {}, {}, {}},
};
} // namespace

const Interface HoverButton_interface{
    u"_HoverButton", InterfaceKind::Dual, &IID__HoverButton, {}, HoverButton_members};
const Interface HoverButton_events{
    u"__HoverButton", InterfaceKind::Events, &DIID___HoverButton, {}, HoverButton_event_members};

namespace {

// _GradientButton
const Member GradientButton_members[] = {
    {u"Value", K::Get, 0x68030000, Boolean, {}, {}, bind_get<&_GradientButton::get_Value>()},
    {u"Value", K::Let, 0x68030000, Boolean, {}, {}, bind<&_GradientButton::put_Value>()},
    {u"Mode",
     K::Get,
     0x68030001,
     {TypeKind::Enum, u"eMode"},
     {},
     {},
     bind_get<&_GradientButton::get_Mode>()},
    {u"Mode",
     K::Let,
     0x68030001,
     {TypeKind::Enum, u"eMode"},
     {},
     {},
     bind<&_GradientButton::put_Mode>()},
    {u"Caption", K::Get, 0x68030002, String, {}, {}, bind_get<&_GradientButton::get_Caption>()},
    {u"Caption", K::Let, 0x68030002, String, {}, {}, bind<&_GradientButton::put_Caption>()},
    {u"ForeColor2",
     K::Get,
     0x68030003,
     Colour,
     {},
     {},
     bind_get<&_GradientButton::get_ForeColor2>()},
    {u"ForeColor2", K::Let, 0x68030003, Colour, {}, {}, bind<&_GradientButton::put_ForeColor2>()},
    {u"FontEffect",
     K::Get,
     0x68030004,
     {TypeKind::Enum, u"eFontEffect"},
     {},
     {},
     bind_get<&_GradientButton::get_FontEffect>()},
    {u"FontEffect",
     K::Let,
     0x68030004,
     {TypeKind::Enum, u"eFontEffect"},
     {},
     {},
     bind<&_GradientButton::put_FontEffect>()},
    {u"BevelWidth",
     K::Get,
     0x68030005,
     Int16,
     {},
     {},
     bind_get<&_GradientButton::get_BevelWidth>()},
    {u"BevelWidth", K::Let, 0x68030005, Int16, {}, {}, bind<&_GradientButton::put_BevelWidth>()},
    {u"BorderWidth",
     K::Get,
     0x68030006,
     Int16,
     {},
     {},
     bind_get<&_GradientButton::get_BorderWidth>()},
    {u"BorderWidth", K::Let, 0x68030006, Int16, {}, {}, bind<&_GradientButton::put_BorderWidth>()},
    {u"HoverColor2",
     K::Get,
     0x68030007,
     Colour,
     {},
     {},
     bind_get<&_GradientButton::get_HoverColor2>()},
    {u"HoverColor2", K::Let, 0x68030007, Colour, {}, {}, bind<&_GradientButton::put_HoverColor2>()},
    {u"HoverColor1",
     K::Get,
     0x68030008,
     Colour,
     {},
     {},
     bind_get<&_GradientButton::get_HoverColor1>()},
    {u"HoverColor1", K::Let, 0x68030008, Colour, {}, {}, bind<&_GradientButton::put_HoverColor1>()},
    {u"DownColor2",
     K::Get,
     0x68030009,
     Colour,
     {},
     {},
     bind_get<&_GradientButton::get_DownColor2>()},
    {u"DownColor2", K::Let, 0x68030009, Colour, {}, {}, bind<&_GradientButton::put_DownColor2>()},
    {u"DownColor1",
     K::Get,
     0x6803000A,
     Colour,
     {},
     {},
     bind_get<&_GradientButton::get_DownColor1>()},
    {u"DownColor1", K::Let, 0x6803000A, Colour, {}, {}, bind<&_GradientButton::put_DownColor1>()},
    {u"Color2", K::Get, 0x6803000B, Colour, {}, {}, bind_get<&_GradientButton::get_Color2>()},
    {u"Color2", K::Let, 0x6803000B, Colour, {}, {}, bind<&_GradientButton::put_Color2>()},
    {u"Color1", K::Get, 0x6803000C, Colour, {}, {}, bind_get<&_GradientButton::get_Color1>()},
    {u"Color1", K::Let, 0x6803000C, Colour, {}, {}, bind<&_GradientButton::put_Color1>()},
    {u"Picture",
     K::Get,
     0x6803000D,
     Picture,
     {},
     u"Returns/sets a graphic to be displayed in a control.",
     bind_get<&_GradientButton::get_Picture>()},
    {u"Picture",
     K::Set,
     0x6803000D,
     Picture,
     {},
     u"Returns/sets a graphic to be displayed in a control.",
     bind<&_GradientButton::putref_Picture>()},
    {u"RepeatInterval",
     K::Get,
     0x6803000E,
     Int16,
     {},
     {},
     bind_get<&_GradientButton::get_RepeatInterval>()},
    {u"RepeatInterval",
     K::Let,
     0x6803000E,
     Int16,
     {},
     {},
     bind<&_GradientButton::put_RepeatInterval>()},
    {u"Enabled",
     K::Get,
     0x6803000F,
     Boolean,
     {},
     u"Returns/sets a value that determines whether an object can respond to user-generated "
     u"events.",
     bind_get<&_GradientButton::get_Enabled>()},
    {u"Enabled",
     K::Let,
     0x6803000F,
     Boolean,
     {},
     u"Returns/sets a value that determines whether an object can respond to user-generated "
     u"events.",
     bind<&_GradientButton::put_Enabled>()},
    {u"ForeColor",
     K::Get,
     0x68030010,
     Colour,
     {},
     u"Returns/sets the foreground color used to display text and graphics in an object.",
     bind_get<&_GradientButton::get_ForeColor>()},
    {u"ForeColor",
     K::Let,
     0x68030010,
     Colour,
     {},
     u"Returns/sets the foreground color used to display text and graphics in an object.",
     bind<&_GradientButton::put_ForeColor>()},
    {u"BackColor",
     K::Get,
     0x68030011,
     Colour,
     {},
     u"Returns/sets the background color used to display text and graphics in an object.",
     bind_get<&_GradientButton::get_BackColor>()},
    {u"BackColor",
     K::Let,
     0x68030011,
     Colour,
     {},
     u"Returns/sets the background color used to display text and graphics in an object.",
     bind<&_GradientButton::put_BackColor>()},
    {u"BevelColor",
     K::Get,
     0x68030012,
     Colour,
     {},
     {},
     bind_get<&_GradientButton::get_BevelColor>()},
    {u"BevelColor", K::Let, 0x68030012, Colour, {}, {}, bind<&_GradientButton::put_BevelColor>()},
    {u"BorderColor",
     K::Get,
     0x68030013,
     Colour,
     {},
     {},
     bind_get<&_GradientButton::get_BorderColor>()},
    {u"BorderColor", K::Let, 0x68030013, Colour, {}, {}, bind<&_GradientButton::put_BorderColor>()},
    {u"Font",
     K::Get,
     DISPID_FONT,
     Font,
     {},
     u"Returns a Font object.",
     bind_get<&_GradientButton::get_Font>()},
    {u"Font",
     K::Set,
     DISPID_FONT,
     Font,
     {},
     u"Returns a Font object.",
     bind<&_GradientButton::putref_Font>()},
    {u"Refresh",
     K::Method,
     0x6003001E,
     {},
     {},
     u"Forces a complete repaint of a object.",
     bind<&_GradientButton::Refresh>()},
};
const Param GradientButton_KeyDown_event[] = {{u"KeyCode", Int16, true}, {u"Shift", Int16, true}};
const Param GradientButton_KeyPress_event[] = {{u"KeyAscii", Int16, true}};
const Param GradientButton_KeyUp_event[] = {{u"KeyCode", Int16, true}, {u"Shift", Int16, true}};
const Param GradientButton_MouseDown_event[] = {
    {u"Button", Int16, true}, {u"Shift", Int16, true}, {u"X", Single, true}, {u"Y", Single, true}};
const Param GradientButton_MouseMove_event[] = {
    {u"Button", Int16, true}, {u"Shift", Int16, true}, {u"X", Single, true}, {u"Y", Single, true}};
const Param GradientButton_MouseUp_event[] = {
    {u"Button", Int16, true}, {u"Shift", Int16, true}, {u"X", Single, true}, {u"Y", Single, true}};
const Param GradientButton_MouseDownRepeat_event[] = {{u"MouseOverControl", Boolean, true}};
const Member GradientButton_event_members[] = {
    {u"Click",
     K::Method,
     1,
     {},
     {},
     u"Occurs when the user presses and then releases a mouse button over an object."},
    {u"KeyDown",
     K::Method,
     2,
     {},
     GradientButton_KeyDown_event,
     u"Occurs when the user presses a key while an object has the focus."},
    {u"KeyPress",
     K::Method,
     3,
     {},
     GradientButton_KeyPress_event,
     u"Occurs when the user presses and releases an ANSI key."},
    {u"KeyUp",
     K::Method,
     4,
     {},
     GradientButton_KeyUp_event,
     u"Occurs when the user releases a key while an object has the focus."},
    {u"MouseDown",
     K::Method,
     5,
     {},
     GradientButton_MouseDown_event,
     u"Occurs when the user presses the mouse button while an object has the focus."},
    {u"MouseMove",
     K::Method,
     6,
     {},
     GradientButton_MouseMove_event,
     u"Occurs when the user moves the mouse."},
    {u"MouseUp",
     K::Method,
     7,
     {},
     GradientButton_MouseUp_event,
     u"Occurs when the user releases the mouse button while an object has the focus."},
    {u"MouseDownRepeat", K::Method, 8, {}, GradientButton_MouseDownRepeat_event, {}},
    {u"MouseOff", K::Method, 9, {}, {}, {}},
    {u"MouseOnTimer", K::Method, 10, {}, {}, {}},
};
} // namespace

const Interface GradientButton_interface{
    u"_GradientButton", InterfaceKind::Dual, &IID__GradientButton, {}, GradientButton_members};
const Interface GradientButton_events{u"__GradientButton",
                                      InterfaceKind::Events,
                                      &DIID___GradientButton,
                                      {},
                                      GradientButton_event_members};

namespace {

// _O2007Hover
const Param O2007Hover_SetButtonActive[] = {{u"blnBtnActive", Boolean}};
const Member O2007Hover_members[] = {
    {u"HoverImage", K::Get, 0x68030000, Picture, {}, {}, bind_get<&_O2007Hover::get_HoverImage>()},
    {u"HoverImage", K::Set, 0x68030000, Picture, {}, {}, bind<&_O2007Hover::putref_HoverImage>()},
    {u"NormalImage",
     K::Get,
     0x68030001,
     Picture,
     {},
     {},
     bind_get<&_O2007Hover::get_NormalImage>()},
    {u"NormalImage", K::Set, 0x68030001, Picture, {}, {}, bind<&_O2007Hover::putref_NormalImage>()},
    {u"InactiveImage",
     K::Get,
     0x68030002,
     Picture,
     {},
     {},
     bind_get<&_O2007Hover::get_InactiveImage>()},
    {u"InactiveImage",
     K::Set,
     0x68030002,
     Picture,
     {},
     {},
     bind<&_O2007Hover::putref_InactiveImage>()},
    {u"BackColor", K::Get, 0x68030003, Colour, {}, {}, bind_get<&_O2007Hover::get_BackColor>()},
    {u"BackColor", K::Let, 0x68030003, Colour, {}, {}, bind<&_O2007Hover::put_BackColor>()},
    {u"Enabled", K::Get, 0x68030004, Boolean, {}, {}, bind_get<&_O2007Hover::get_Enabled>()},
    {u"Enabled", K::Let, 0x68030004, Boolean, {}, {}, bind<&_O2007Hover::put_Enabled>()},
    {u"HoverText", K::Get, 0x68030005, String, {}, {}, bind_get<&_O2007Hover::get_HoverText>()},
    {u"HoverText", K::Let, 0x68030005, String, {}, {}, bind<&_O2007Hover::put_HoverText>()},
    {u"hwnd", K::Get, 0x68030006, Int32, {}, {}, bind_get<&_O2007Hover::get_hwnd>()},
    {u"HoverInactive",
     K::Get,
     0x68030007,
     Boolean,
     {},
     {},
     bind_get<&_O2007Hover::get_HoverInactive>()},
    {u"HoverInactive",
     K::Let,
     0x68030007,
     Boolean,
     {},
     {},
     bind<&_O2007Hover::put_HoverInactive>()},
    {u"StartHover", K::Method, 0x60030008, {}, {}, {}, bind<&_O2007Hover::StartHover>()},
    {u"SetButtonActive",
     K::Method,
     0x60030009,
     {},
     O2007Hover_SetButtonActive,
     {},
     bind<&_O2007Hover::SetButtonActive>()},
};
const Param O2007Hover_MouseUp_event[] = {
    {u"Button", Int16, true}, {u"Shift", Int16, true}, {u"X", Single, true}, {u"Y", Single, true}};
const Param O2007Hover_MouseMove_event[] = {
    {u"Button", Int16, true}, {u"Shift", Int16, true}, {u"X", Single, true}, {u"Y", Single, true}};
const Param O2007Hover_KeyUp_event[] = {{u"KeyCode", Int16, true}, {u"Shift", Int16, true}};
const Member O2007Hover_event_members[] = {
    {u"MouseUp", K::Method, 1, {}, O2007Hover_MouseUp_event, {}},
    {u"MouseMove", K::Method, 2, {}, O2007Hover_MouseMove_event, {}},
    {u"Click", K::Method, 3, {}, {}, {}},
    {u"MouseLeave", K::Method, 4, {}, {}, {}},
    {u"KeyUp", K::Method, 5, {}, O2007Hover_KeyUp_event, {}},
};
} // namespace

const Interface O2007Hover_interface{
    u"_O2007Hover", InterfaceKind::Dual, &IID__O2007Hover, {}, O2007Hover_members};
const Interface O2007Hover_events{
    u"__O2007Hover", InterfaceKind::Events, &DIID___O2007Hover, {}, O2007Hover_event_members};

namespace {

// _O2007Check
const Member O2007Check_members[] = {
    {u"BackPicture",
     K::Get,
     0x68030000,
     Picture,
     {},
     {},
     bind_get<&_O2007Check::get_BackPicture>()},
    {u"BackPicture", K::Set, 0x68030000, Picture, {}, {}, bind<&_O2007Check::putref_BackPicture>()},
    {u"Caption", K::Get, 0x68030001, String, {}, {}, bind_get<&_O2007Check::get_Caption>()},
    {u"Caption", K::Let, 0x68030001, String, {}, {}, bind<&_O2007Check::put_Caption>()},
    {u"BackColor", K::Get, 0x68030002, Colour, {}, {}, bind_get<&_O2007Check::get_BackColor>()},
    {u"BackColor", K::Let, 0x68030002, Colour, {}, {}, bind<&_O2007Check::put_BackColor>()},
    {u"Value", K::Get, 0x68030003, CheckValue, {}, {}, bind_get<&_O2007Check::get_Value>()},
    {u"Value", K::Let, 0x68030003, CheckValue, {}, {}, bind<&_O2007Check::put_Value>()},
    {u"ForeColor", K::Get, 0x68030004, Colour, {}, {}, bind_get<&_O2007Check::get_ForeColor>()},
    {u"ForeColor", K::Let, 0x68030004, Colour, {}, {}, bind<&_O2007Check::put_ForeColor>()},
    {u"FontBold", K::Get, 0x68030005, Boolean, {}, {}, bind_get<&_O2007Check::get_FontBold>()},
    {u"FontBold", K::Let, 0x68030005, Boolean, {}, {}, bind<&_O2007Check::put_FontBold>()},
};
const Param O2007Check_MouseUp_event[] = {
    {u"Button", Int16, true}, {u"Shift", Int16, true}, {u"X", Single, true}, {u"Y", Single, true}};
const Param O2007Check_MouseMove_event[] = {
    {u"Button", Int16, true}, {u"Shift", Int16, true}, {u"X", Single, true}, {u"Y", Single, true}};
const Member O2007Check_event_members[] = {
    {u"MouseUp", K::Method, 1, {}, O2007Check_MouseUp_event, {}},
    {u"MouseMove", K::Method, 2, {}, O2007Check_MouseMove_event, {}},
    {u"Click", K::Method, 3, {}, {}, {}},
    {u"MouseLeave", K::Method, 4, {}, {}, {}},
};
} // namespace

const Interface O2007Check_interface{
    u"_O2007Check", InterfaceKind::Dual, &IID__O2007Check, {}, O2007Check_members};
const Interface O2007Check_events{
    u"__O2007Check", InterfaceKind::Events, &DIID___O2007Check, {}, O2007Check_event_members};

} // namespace paginor::frame
