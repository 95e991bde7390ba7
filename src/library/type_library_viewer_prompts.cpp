// The members of DDOC, PromptField, clsPromptEvents, MultiPrompt, cEventBroker, row for row in
// vtable order: a property read and its write are two rows under one identifier, read first.
#include "automation/invoker.h"
#include "library/classes.h"

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

// _DDOC
const Param DDOC_SetIndexFields[] = {{u"strNew", String}};
const Param DDOC_CopyDocEvenIfOpen[] = {{u"strFrom", String}, {u"strTo", String}};
const Member DDOC_members[] = {
    {u"TheDocument", K::Let, 0x68030000, String, {}, {}, bind<&_DDOC::put_TheDocument>()},
    {u"TheHits", K::Let, 0x68030001, String, {}, {}, bind<&_DDOC::put_TheHits>()},
    {u"TheIndexFields", K::Let, 0x68030002, String, {}, {}, bind<&_DDOC::put_TheIndexFields>()},
    {u"TheIndexPath", K::Let, 0x68030003, String, {}, {}, bind<&_DDOC::put_TheIndexPath>()},
    {u"TheView",
     K::Let,
     0x68030004,
     {TypeKind::Enum, u"eView"},
     {},
     {},
     bind<&_DDOC::put_TheView>()},
    {u"SetIndexFields",
     K::Method,
     0x60030005,
     {},
     DDOC_SetIndexFields,
     {},
     bind<&_DDOC::SetIndexFields>()},
    {u"Clear", K::Method, 0x60030006, {}, {}, {}, bind<&_DDOC::Clear>()},
    {u"Reload", K::Method, 0x6003000C, {}, {}, {}, bind<&_DDOC::Reload>()},
    {u"CopyDocEvenIfOpen",
     K::Method,
     0x6003000F,
     {},
     DDOC_CopyDocEvenIfOpen,
     {},
     bind<&_DDOC::CopyDocEvenIfOpen>()},
    {u"DocSubject", K::Get, 0x68030010, String, {}, {}, bind_get<&_DDOC::get_DocSubject>()},
};
const Alias DDOC_aliases[] = {{&IID_DDOC___v0, u"DDOC___v0"}};
const Alias DDOC_event_aliases[] = {{&DIID___DDOC___v0, u"__DDOC___v0"}};
} // namespace

const Interface DDOC_interface{
    u"_DDOC", InterfaceKind::Dual, &IID__DDOC, DDOC_aliases, DDOC_members, true, &library_table};
const Interface DDOC_events{u"__DDOC", InterfaceKind::Events, &DIID___DDOC, DDOC_event_aliases, {},
                            true,      &library_table};

namespace {

// _PromptField
const Param PromptField_AddDropdownEntry[] = {
    {u"strCode", String}, {u"strDDID", String}, {u"strDescription", String}};
const Param PromptField_SetBackColor[] = {{u"lngNew", Int32}};
const Member PromptField_members[] = {
    {u"Caption", K::Get, 0x68030000, String, {}, {}, bind_get<&_PromptField::get_Caption>()},
    {u"Caption", K::Let, 0x68030000, String, {}, {}, bind<&_PromptField::put_Caption>()},
    {u"PE",
     K::Set,
     0x68030001,
     {TypeKind::Object, u"clsPromptEvents"},
     {},
     {},
     bind<&_PromptField::putref_PE>()},
    {u"MyName", K::Get, 0x68030002, String, {}, {}, bind_get<&_PromptField::get_MyName>()},
    {u"MyName", K::Let, 0x68030002, String, {}, {}, bind<&_PromptField::put_MyName>()},
    {u"BoxLeft", K::Let, 0x68030003, Int32, {}, {}, bind<&_PromptField::put_BoxLeft>()},
    {u"TooSmall", K::Get, 0x68030004, Boolean, {}, {}, bind_get<&_PromptField::get_TooSmall>()},
    {u"MyDescription",
     K::Get,
     0x68030005,
     String,
     {},
     {},
     bind_get<&_PromptField::get_MyDescription>()},
    {u"MyDescription",
     K::Let,
     0x68030005,
     String,
     {},
     {},
     bind<&_PromptField::put_MyDescription>()},
    {u"MyDDID", K::Get, 0x68030006, String, {}, {}, bind_get<&_PromptField::get_MyDDID>()},
    {u"MyDDID", K::Let, 0x68030006, String, {}, {}, bind<&_PromptField::put_MyDDID>()},
    {u"MyCode", K::Get, 0x68030007, String, {}, {}, bind_get<&_PromptField::get_MyCode>()},
    {u"MyCode", K::Let, 0x68030007, String, {}, {}, bind<&_PromptField::put_MyCode>()},
    {u"MyPicture", K::Set, 0x68030008, Picture, {}, {}, bind<&_PromptField::putref_MyPicture>()},
    {u"MyStyle",
     K::Get,
     0x68030009,
     {TypeKind::Enum, u"enuPFStyle"},
     {},
     {},
     bind_get<&_PromptField::get_MyStyle>()},
    {u"MyStyle",
     K::Let,
     0x68030009,
     {TypeKind::Enum, u"enuPFStyle"},
     {},
     {},
     bind<&_PromptField::put_MyStyle>()},
    {u"Mandatory", K::Get, 0x6803000A, Boolean, {}, {}, bind_get<&_PromptField::get_Mandatory>()},
    {u"Mandatory", K::Let, 0x6803000A, Boolean, {}, {}, bind<&_PromptField::put_Mandatory>()},
    {u"ValType",
     K::Get,
     0x6803000B,
     {TypeKind::Enum, u"enuPFValType"},
     {},
     {},
     bind_get<&_PromptField::get_ValType>()},
    {u"ValType",
     K::Let,
     0x6803000B,
     {TypeKind::Enum, u"enuPFValType"},
     {},
     {},
     bind<&_PromptField::put_ValType>()},
    {u"ClearControl", K::Method, 0x6003000C, {}, {}, {}, bind<&_PromptField::ClearControl>()},
    {u"AddDropdownEntry",
     K::Method,
     0x6003000D,
     {},
     PromptField_AddDropdownEntry,
     {},
     bind<&_PromptField::AddDropdownEntry>()},
    {u"SetBackColor",
     K::Method,
     0x60030015,
     {},
     PromptField_SetBackColor,
     {},
     bind<&_PromptField::SetBackColor>()},
    {u"AddButton", K::Let, 0x68030016, Boolean, {}, {}, bind<&_PromptField::put_AddButton>()},
    {u"Multi", K::Get, 0x68030017, Boolean, {}, {}, bind_get<&_PromptField::get_Multi>()},
    {u"Multi", K::Let, 0x68030017, Boolean, {}, {}, bind<&_PromptField::put_Multi>()},
};
const Alias PromptField_aliases[] = {{&IID_PromptField___v0, u"PromptField___v0"},
                                     {&IID_PromptField___v1, u"PromptField___v1"}};
const Alias PromptField_event_aliases[] = {{&DIID___PromptField___v0, u"__PromptField___v0"},
                                           {&DIID___PromptField___v1, u"__PromptField___v1"}};
} // namespace

const Interface PromptField_interface{u"_PromptField",     InterfaceKind::Dual, &IID__PromptField,
                                      PromptField_aliases, PromptField_members, true,
                                      &library_table};
const Interface PromptField_events{u"__PromptField",
                                   InterfaceKind::Events,
                                   &DIID___PromptField,
                                   PromptField_event_aliases,
                                   {},
                                   true,
                                   &library_table};

namespace {

// _clsPromptEvents
const Param clsPromptEvents_RaiseAnEvent[] = {
    {u"strObject", String}, {u"strEventName", String}, {u"strEventData", String, true}};
const Member clsPromptEvents_members[] = {
    {u"RaiseAnEvent",
     K::Method,
     0x60030000,
     {},
     clsPromptEvents_RaiseAnEvent,
     {},
     bind<&_clsPromptEvents::RaiseAnEvent>()},
};
const Param clsPromptEvents_EventRaised_event[] = {
    {u"strObject", String, true}, {u"strEventName", String, true}, {u"strEventData", String, true}};
const Member clsPromptEvents_event_members[] = {
    {u"EventRaised", K::Method, 1, {}, clsPromptEvents_EventRaised_event, {}},
};
} // namespace

const Interface clsPromptEvents_interface{u"_clsPromptEvents",     InterfaceKind::Dual,
                                          &IID__clsPromptEvents,   {},
                                          clsPromptEvents_members, true,
                                          &library_table};
const Interface clsPromptEvents_events{u"__clsPromptEvents",
                                       InterfaceKind::Events,
                                       &DIID___clsPromptEvents,
                                       {},
                                       clsPromptEvents_event_members,
                                       true,
                                       &library_table};

namespace {

// _MultiPrompt
const Param MultiPrompt_SetEventBroker[] = {{u"oNew", {TypeKind::Object, u"cEventBroker"}, true}};
const Param MultiPrompt_AddSelection[] = {{u"strKey", String}, {u"strDescription", String}};
const Param MultiPrompt_AddDropdownEntry[] = {
    {u"strCode", String}, {u"strDDID", String}, {u"strDescription", String}};
const Param MultiPrompt_SetPromptEditable[] = {{u"blnNew", Boolean}};
const Member MultiPrompt_members[] = {
    {u"OriginalTextValue",
     K::Get,
     0x68030000,
     String,
     {},
     {},
     bind_get<&_MultiPrompt::get_OriginalTextValue>()},
    {u"OriginalTextValue",
     K::Let,
     0x68030000,
     String,
     {},
     {},
     bind<&_MultiPrompt::put_OriginalTextValue>()},
    {u"Caption", K::Get, 0x68030001, String, {}, {}, bind_get<&_MultiPrompt::get_Caption>()},
    {u"Caption", K::Let, 0x68030001, String, {}, {}, bind<&_MultiPrompt::put_Caption>()},
    {u"PE",
     K::Set,
     0x68030002,
     {TypeKind::Object, u"clsPromptEvents"},
     {},
     {},
     bind<&_MultiPrompt::putref_PE>()},
    {u"MyName", K::Get, 0x68030003, String, {}, {}, bind_get<&_MultiPrompt::get_MyName>()},
    {u"MyName", K::Let, 0x68030003, String, {}, {}, bind<&_MultiPrompt::put_MyName>()},
    {u"BoxLeft", K::Let, 0x68030004, Int32, {}, {}, bind<&_MultiPrompt::put_BoxLeft>()},
    {u"TooSmall", K::Get, 0x68030005, Boolean, {}, {}, bind_get<&_MultiPrompt::get_TooSmall>()},
    {u"MyDescription",
     K::Get,
     0x68030006,
     String,
     {},
     {},
     bind_get<&_MultiPrompt::get_MyDescription>()},
    {u"MyDescription",
     K::Let,
     0x68030006,
     String,
     {},
     {},
     bind<&_MultiPrompt::put_MyDescription>()},
    {u"MyDDID", K::Get, 0x68030007, String, {}, {}, bind_get<&_MultiPrompt::get_MyDDID>()},
    {u"MyDDID", K::Let, 0x68030007, String, {}, {}, bind<&_MultiPrompt::put_MyDDID>()},
    {u"MyCode", K::Get, 0x68030008, String, {}, {}, bind_get<&_MultiPrompt::get_MyCode>()},
    {u"MyCode", K::Let, 0x68030008, String, {}, {}, bind<&_MultiPrompt::put_MyCode>()},
    {u"MyPicture", K::Set, 0x68030009, Picture, {}, {}, bind<&_MultiPrompt::putref_MyPicture>()},
    {u"MyStyle",
     K::Get,
     0x6803000A,
     {TypeKind::Enum, u"enuMPStyle"},
     {},
     {},
     bind_get<&_MultiPrompt::get_MyStyle>()},
    {u"MyStyle",
     K::Let,
     0x6803000A,
     {TypeKind::Enum, u"enuMPStyle"},
     {},
     {},
     bind<&_MultiPrompt::put_MyStyle>()},
    {u"Mandatory", K::Get, 0x6803000B, Boolean, {}, {}, bind_get<&_MultiPrompt::get_Mandatory>()},
    {u"Mandatory", K::Let, 0x6803000B, Boolean, {}, {}, bind<&_MultiPrompt::put_Mandatory>()},
    {u"ValType",
     K::Get,
     0x6803000C,
     {TypeKind::Enum, u"enuMPValType"},
     {},
     {},
     bind_get<&_MultiPrompt::get_ValType>()},
    {u"ValType",
     K::Let,
     0x6803000C,
     {TypeKind::Enum, u"enuMPValType"},
     {},
     {},
     bind<&_MultiPrompt::put_ValType>()},
    {u"DefaultSelType",
     K::Let,
     0x6803000D,
     {TypeKind::Enum, u"enuMPDefaultSelType"},
     {},
     {},
     bind<&_MultiPrompt::put_DefaultSelType>()},
    {u"SetEventBroker",
     K::Method,
     0x6003000E,
     {},
     MultiPrompt_SetEventBroker,
     {},
     bind<&_MultiPrompt::SetEventBroker>()},
    {u"AddSelection",
     K::Method,
     0x6003000F,
     {},
     MultiPrompt_AddSelection,
     {},
     bind<&_MultiPrompt::AddSelection>()},
    {u"ClearControl", K::Method, 0x60030010, {}, {}, {}, bind<&_MultiPrompt::ClearControl>()},
    {u"ResetControl", K::Method, 0x60030011, {}, {}, {}, bind<&_MultiPrompt::ResetControl>()},
    {u"AddDropdownEntry",
     K::Method,
     0x60030012,
     {},
     MultiPrompt_AddDropdownEntry,
     {},
     bind<&_MultiPrompt::AddDropdownEntry>()},
    {u"SetPromptEditable",
     K::Method,
     0x60030013,
     {},
     MultiPrompt_SetPromptEditable,
     {},
     bind<&_MultiPrompt::SetPromptEditable>()},
};
const Alias MultiPrompt_aliases[] = {{&IID_MultiPrompt___v0, u"MultiPrompt___v0"}};
const Alias MultiPrompt_event_aliases[] = {{&DIID___MultiPrompt___v0, u"__MultiPrompt___v0"}};
} // namespace

const Interface MultiPrompt_interface{u"_MultiPrompt",     InterfaceKind::Dual, &IID__MultiPrompt,
                                      MultiPrompt_aliases, MultiPrompt_members, true,
                                      &library_table};
const Interface MultiPrompt_events{u"__MultiPrompt",
                                   InterfaceKind::Events,
                                   &DIID___MultiPrompt,
                                   MultiPrompt_event_aliases,
                                   {},
                                   true,
                                   &library_table};

namespace {

// _cEventBroker
const Param cEventBroker_RaiseTheEvent[] = {
    {u"sControlName", String}, {u"sEventName", String}, {u"sData", String}};
const Member cEventBroker_members[] = {
    {u"RaiseTheEvent",
     K::Method,
     0x60030000,
     {},
     cEventBroker_RaiseTheEvent,
     {},
     bind<&_cEventBroker::RaiseTheEvent>()},
};
const Param cEventBroker_EventRaised_event[] = {
    {u"sControlName", String, true}, {u"sEventName", String, true}, {u"sData", String, true}};
const Member cEventBroker_event_members[] = {
    {u"EventRaised", K::Method, 1, {}, cEventBroker_EventRaised_event, {}},
};
} // namespace

const Interface cEventBroker_interface{
    u"_cEventBroker", InterfaceKind::Dual, &IID__cEventBroker, {}, cEventBroker_members, true,
    &library_table};
const Interface cEventBroker_events{u"__cEventBroker",
                                    InterfaceKind::Events,
                                    &DIID___cEventBroker,
                                    {},
                                    cEventBroker_event_members,
                                    true,
                                    &library_table};

} // namespace paginor::frame
