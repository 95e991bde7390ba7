/* PaginorV2CTL: every class, interface member, event and enumeration of the library,
 * stated once.
 *
 * The lists below are the one source of the public declarations (the C++ interfaces, the
 * C vtables, the identifiers, the event DISPIDs, the enumerations in PaginorV2CTL.h) and of the
 * library's type library (names, kinds, DISPIDs, types, parameters, help strings and the binding of
 * each row to its vtable slot). Adding a member or a class means adding its rows here and
 * building it in the class's own files; nothing else names it.
 *
 * Each list is a macro that calls the row macros it is given, once per row:
 *
 *   PAGINOR_V2CTL_CLASSES(C, A), in the type library's order:
 *     C(Name, Kind, CLSID, IID of _Name, DIID of __Name)      Kind: Control or Creatable
 *     A(Name, Version, IID, DIID)  earlier identifiers of _Name and __Name, still answered
 *                                  as the current ones, named Name___Version, __Name___Version
 *   PAGINOR_<Name>_MEMBERS(M, P), the members of _Name, one row per vtable slot in order:
 *     M(Name, Kind, Member, DISPID, Type, Parameters, Help)
 *       Kind Get  get_Member(Type* retval)            a property read
 *            Let  put_Member(Type New_Member)         a property write by value
 *            Set  putref_Member(Type New_Member)      a property write by reference
 *            Method  Member(Parameters)               Type is Void
 *   PAGINOR_<Name>_EVENTS(E, P), the events of __Name:
 *     E(Name, Event, DISPID, Parameters, Help)
 *   Parameters are written one after the other without commas:
 *     P(In, strFrom, String) P(Ref, strEventData, String)     Ref: in/out, by reference
 *
 *   PAGINOR_V2CTL_ENUMS(N), the enumerations: N(Name), its values in PAGINOR_ENUM_<Name>(V)
 *
 * A GUID is written (Data1, Data2, Data3, then the eight bytes of Data4); Help is a string
 * literal, "" for none. Types are the PAGINOR_T_<Type> descriptors: (kind in the type
 * library, C type, name of the enumeration or class). */
#ifndef PAGINOR_PAGINORV2CTL_MEMBERS_H
#define PAGINOR_PAGINORV2CTL_MEMBERS_H

/* clang-format off */

/* The enumerations, in the type library's order; each value is 32-bit. A value row is
 * V(C name, value, name in the type library when it differs from the C name): the first
 * value of eMode is `Command Button` in the type library, a name C cannot spell. */
#define PAGINOR_V2CTL_ENUMS(N)                                                                     \
    N(eView) N(EIconLocation) N(enuPFStyle) N(enuPFValType) N(enuMPStyle) N(enuMPValType)         \
    N(enuMPDefaultSelType) N(eMode) N(eFontEffect)
#define PAGINOR_ENUM_eView(V)               V(evHTML, 0, ) V(evRTF, 1, )
#define PAGINOR_ENUM_EIconLocation(V)                                                              \
    V(ILNone, 0, ) V(ILLeft, 1, ) V(ILTop, 2, ) V(ILRight, 3, ) V(ILBottom, 4, )
#define PAGINOR_ENUM_enuPFStyle(V)                                                                 \
    V(sPFSPrompt, 0, ) V(sPFSDropdown, 1, ) V(sPFSEntry, 2, ) V(sPFSDate, 3, )                     \
    V(sPFSDisplayOnly, 4, )
#define PAGINOR_ENUM_enuPFValType(V)                                                               \
    V(sPFVString, 0, ) V(sPFVNumber, 1, ) V(sPFVDate, 2, ) V(sPFVStandardDrop, 3, )
#define PAGINOR_ENUM_enuMPStyle(V)                                                                 \
    V(sMPSPrompt, 0, ) V(sMPSDropdown, 1, ) V(sMPSEntry, 2, ) V(sMPSDate, 3, )                     \
    V(sMPSDisplayOnly, 4, )
#define PAGINOR_ENUM_enuMPValType(V)                                                               \
    V(sMPVString, 0, ) V(sMPVNumber, 1, ) V(sMPVDate, 2, ) V(sMPVStandardDrop, 3, )
#define PAGINOR_ENUM_enuMPDefaultSelType(V)                                                        \
    V(sMPTNone, -1, ) V(sMPTAllOf, 0, ) V(sMPTAnyOf, 1, ) V(sMPTExactly, 2, )
#define PAGINOR_ENUM_eMode(V)               V(CommandButton, 0, "Command Button") V(CheckBox, 1, ) V(Panel, 2, )
#define PAGINOR_ENUM_eFontEffect(V)         V(None, 0, ) V(Outline, 1, ) V(Shadow, 2, ) V(Emboss, 3, )

#define PAGINOR_T_Void                (Void, void, )
#define PAGINOR_T_String              (String, BSTR, )
#define PAGINOR_T_Boolean             (Boolean, VARIANT_BOOL, )
#define PAGINOR_T_Int16               (Int16, SHORT, )
#define PAGINOR_T_Int32               (Int32, LONG, )
#define PAGINOR_T_Single              (Single, float, )
#define PAGINOR_T_Colour              (Colour, OLE_COLOR, )
#define PAGINOR_T_Picture             (Picture, IPictureDisp*, )
#define PAGINOR_T_Font                (Font, IFontDisp*, )
#define PAGINOR_T_CheckValue          (CheckValue, LONG, )
#define PAGINOR_T_eView               (Enum, eView, eView)
#define PAGINOR_T_EIconLocation       (Enum, EIconLocation, EIconLocation)
#define PAGINOR_T_enuPFStyle          (Enum, enuPFStyle, enuPFStyle)
#define PAGINOR_T_enuPFValType        (Enum, enuPFValType, enuPFValType)
#define PAGINOR_T_enuMPStyle          (Enum, enuMPStyle, enuMPStyle)
#define PAGINOR_T_enuMPValType        (Enum, enuMPValType, enuMPValType)
#define PAGINOR_T_enuMPDefaultSelType (Enum, enuMPDefaultSelType, enuMPDefaultSelType)
#define PAGINOR_T_eMode               (Enum, eMode, eMode)
#define PAGINOR_T_eFontEffect         (Enum, eFontEffect, eFontEffect)
#define PAGINOR_T_clsPromptEvents     (Object, _clsPromptEvents*, clsPromptEvents)
#define PAGINOR_T_cEventBroker        (Object, _cEventBroker*, cEventBroker)

#define PAGINOR_V2CTL_LIBID (0x8998513A, 0xC418, 0x4CEB, 0xB4, 0xB7, 0x48, 0xE0, 0x49, 0xDF, 0x8C, 0x1C)

#define PAGINOR_V2CTL_CLASSES(C, A)                                                               \
    C(DDOC, Control,                                                                               \
      (0xC96807ED, 0x4FE3, 0x4522, 0x8F, 0xF1, 0x87, 0xF5, 0xFA, 0xA3, 0xDD, 0x8B),                \
      (0xDD554802, 0x5635, 0x4492, 0xBC, 0x0F, 0xC2, 0x25, 0xD5, 0xAD, 0xE3, 0x13),                \
      (0x18938BC4, 0xAE9D, 0x40F5, 0xA2, 0xEC, 0xE7, 0x6F, 0x66, 0x14, 0xD0, 0x80))                \
    A(DDOC, v0,                                                                                    \
      (0xE4F62092, 0xE0F0, 0x4AA9, 0xB5, 0x15, 0x21, 0xC9, 0x65, 0xE6, 0xFC, 0x44),                \
      (0x91454D35, 0x599B, 0x4C85, 0xAE, 0x6B, 0xE5, 0x82, 0xE0, 0xE2, 0x30, 0x2B))                \
    C(HoverButton, Control,                                                                        \
      (0x7FA97367, 0x4F07, 0x40BD, 0xBF, 0xFC, 0xA5, 0x74, 0x11, 0x67, 0xD2, 0x5B),                \
      (0x84124585, 0xA215, 0x42AC, 0xAC, 0x05, 0xED, 0xAC, 0x19, 0x7C, 0x34, 0x55),                \
      (0x17693947, 0xBF12, 0x47CB, 0x8D, 0xF9, 0x3F, 0x11, 0x6F, 0x88, 0x33, 0x3D))                \
    C(PromptField, Control,                                                                        \
      (0x87CF204A, 0x457A, 0x44DD, 0x82, 0xFE, 0x0F, 0xF7, 0x7B, 0xD5, 0x84, 0x2C),                \
      (0x81452598, 0x7512, 0x4FB3, 0x9F, 0xBB, 0x43, 0xD9, 0x2C, 0xA7, 0x89, 0x64),                \
      (0x2B176A24, 0x8D82, 0x4104, 0xB1, 0xE2, 0x3A, 0xDF, 0xDF, 0x90, 0x79, 0xA6))                \
    A(PromptField, v0,                                                                             \
      (0xC7629341, 0x469B, 0x472E, 0xA2, 0x8B, 0x2D, 0xD7, 0x75, 0x23, 0x89, 0x15),                \
      (0x7E9402B6, 0x6F6D, 0x466C, 0xA8, 0xDD, 0xE4, 0x05, 0xE8, 0x8A, 0xCB, 0xE3))                \
    A(PromptField, v1,                                                                             \
      (0x43277839, 0xC29D, 0x4550, 0xAF, 0xFC, 0xB9, 0x9D, 0xAA, 0x5A, 0x04, 0xA7),                \
      (0x7ABBE696, 0x1584, 0x471E, 0x80, 0x19, 0x0E, 0x21, 0xF6, 0xC7, 0x9A, 0x54))                \
    C(clsPromptEvents, Creatable,                                                                  \
      (0xA041F898, 0x936B, 0x4EFA, 0xA8, 0x9B, 0xFE, 0xDE, 0x6B, 0x7F, 0x6C, 0x76),                \
      (0x3386A3B2, 0xF034, 0x4BFF, 0x84, 0xF8, 0x35, 0x3E, 0x1E, 0x75, 0x2B, 0x51),                \
      (0x3D3F15ED, 0xA02F, 0x4660, 0xA0, 0xA1, 0xB1, 0xDE, 0xCC, 0xD9, 0x4D, 0x40))                \
    C(MultiPrompt, Control,                                                                        \
      (0x3451FA11, 0x8FAA, 0x4717, 0x9B, 0x7E, 0x17, 0x4D, 0xE5, 0x5B, 0x1E, 0x05),                \
      (0x08A76636, 0xFCAA, 0x4D7C, 0xB5, 0x7C, 0x9A, 0x87, 0x22, 0xF3, 0xF9, 0xE0),                \
      (0x48487BA9, 0x143A, 0x4C99, 0xAC, 0xB4, 0x0A, 0xA9, 0xC9, 0x5C, 0xB0, 0x49))                \
    A(MultiPrompt, v0,                                                                             \
      (0x7A50E2DD, 0xBD66, 0x4B3E, 0x8C, 0x03, 0xB3, 0x6A, 0x57, 0xE7, 0xEF, 0xD9),                \
      (0x11F9669B, 0xB27C, 0x4D8E, 0xA9, 0x62, 0x57, 0xFE, 0xEB, 0xE3, 0x6A, 0x7F))                \
    C(cEventBroker, Creatable,                                                                     \
      (0x9B8228BE, 0x9FFD, 0x4EBC, 0x9F, 0x59, 0x10, 0xDF, 0x1D, 0x36, 0x94, 0x90),                \
      (0x82D755F2, 0xA8B4, 0x46DA, 0xAC, 0xE1, 0xFD, 0x1B, 0x40, 0x52, 0x31, 0xB0),                \
      (0xEABA778D, 0xEFC7, 0x403E, 0x95, 0x5E, 0x43, 0x65, 0x0A, 0xC5, 0x43, 0xA8))                \
    C(GradientButton, Control,                                                                     \
      (0xB0556E6A, 0x8A25, 0x4473, 0x88, 0x1F, 0xD2, 0x80, 0xBD, 0x67, 0x40, 0x97),                \
      (0xB516435C, 0x6075, 0x4527, 0xBA, 0x0D, 0x2B, 0x8D, 0x83, 0xB9, 0x16, 0xF7),                \
      (0x0DF5211F, 0x28CD, 0x4B28, 0x8C, 0xD6, 0x59, 0xD6, 0x04, 0xA1, 0x34, 0xA0))                \
    C(O2007Hover, Control,                                                                         \
      (0x6B2F98BF, 0xC04D, 0x4516, 0xBB, 0xA8, 0x34, 0xD3, 0xA0, 0x19, 0x5B, 0x61),                \
      (0x72C138EB, 0x8369, 0x4A3A, 0xA7, 0x38, 0xB2, 0x79, 0x87, 0x75, 0x99, 0xF2),                \
      (0x8A47813B, 0xA9E5, 0x4093, 0xAF, 0x79, 0xCA, 0x0B, 0xB3, 0x12, 0x9F, 0x1E))                \
    C(O2007Check, Control,                                                                         \
      (0x1FC4ADD1, 0x7B07, 0x48C4, 0x81, 0x74, 0x34, 0x37, 0xE6, 0xC2, 0xC0, 0xAD),                \
      (0x271D2FA0, 0x68F8, 0x4E86, 0x94, 0x77, 0xD7, 0x75, 0x4D, 0x9B, 0x45, 0xBE),                \
      (0x5A2D611B, 0x0B19, 0x4FCB, 0x9B, 0x45, 0x26, 0x23, 0x84, 0xE0, 0xEF, 0xAC))

/* DDOC, the document viewer */
#define PAGINOR_DDOC_MEMBERS(M, P)                                                                 \
    M(DDOC, Let,    TheDocument,       0x68030000, String, , "")                                   \
    M(DDOC, Let,    TheHits,           0x68030001, String, , "")                                   \
    M(DDOC, Let,    TheIndexFields,    0x68030002, String, , "")                                   \
    M(DDOC, Let,    TheIndexPath,      0x68030003, String, , "")                                   \
    M(DDOC, Let,    TheView,           0x68030004, eView,  , "")                                   \
    M(DDOC, Method, SetIndexFields,    0x60030005, Void, P(In, strNew, String), "")                \
    M(DDOC, Method, Clear,             0x60030006, Void, , "")                                     \
    M(DDOC, Method, Reload,            0x6003000C, Void, , "")                                     \
    M(DDOC, Method, CopyDocEvenIfOpen, 0x6003000F, Void,                                           \
      P(In, strFrom, String) P(In, strTo, String), "")                                             \
    M(DDOC, Get,    DocSubject,        0x68030010, String, , "")
#define PAGINOR_DDOC_EVENTS(E, P)

/* HoverButton, a button that lights up under the pointer */
#define PAGINOR_HoverButton_MEMBERS(M, P)                                                          \
    M(HoverButton, Get,    PromptPicture, 0x68030000, Picture,       , "")                         \
    M(HoverButton, Set,    PromptPicture, 0x68030000, Picture,       , "")                         \
    M(HoverButton, Get,    IconLocation,  0x68030001, EIconLocation, , "")                         \
    M(HoverButton, Let,    IconLocation,  0x68030001, EIconLocation, , "")                         \
    M(HoverButton, Get,    Caption,       0x68030002, String,        , "")                         \
    M(HoverButton, Let,    Caption,       0x68030002, String,        , "")                         \
    M(HoverButton, Get,    BackColor,     0x68030003, Colour,        , "")                         \
    M(HoverButton, Let,    BackColor,     0x68030003, Colour,        , "")                         \
    M(HoverButton, Get,    ForeColor,     0x68030004, Colour,        , "")                         \
    M(HoverButton, Let,    ForeColor,     0x68030004, Colour,        , "")                         \
    M(HoverButton, Get,    FontBold,      0x68030005, Boolean,       , "")                         \
    M(HoverButton, Let,    FontBold,      0x68030005, Boolean,       , "")                         \
    M(HoverButton, Get,    Enabled,       0x68030006, Boolean,       , "")                         \
    M(HoverButton, Let,    Enabled,       0x68030006, Boolean,       , "")                         \
    M(HoverButton, Method, Unhover,       0x60030007, Void,          , "")
#define PAGINOR_HoverButton_EVENTS(E, P)                                                           \
    E(HoverButton, Click,    1, , "")                                                              \
    E(HoverButton, PopClick, 2, , "")

/* PromptField, one search criterion */
#define PAGINOR_PromptField_MEMBERS(M, P)                                                          \
    M(PromptField, Get,    Caption,          0x68030000, String,          , "")                    \
    M(PromptField, Let,    Caption,          0x68030000, String,          , "")                    \
    M(PromptField, Set,    PE,               0x68030001, clsPromptEvents, , "")                    \
    M(PromptField, Get,    MyName,           0x68030002, String,          , "")                    \
    M(PromptField, Let,    MyName,           0x68030002, String,          , "")                    \
    M(PromptField, Let,    BoxLeft,          0x68030003, Int32,           , "")                    \
    M(PromptField, Get,    TooSmall,         0x68030004, Boolean,         , "")                    \
    M(PromptField, Get,    MyDescription,    0x68030005, String,          , "")                    \
    M(PromptField, Let,    MyDescription,    0x68030005, String,          , "")                    \
    M(PromptField, Get,    MyDDID,           0x68030006, String,          , "")                    \
    M(PromptField, Let,    MyDDID,           0x68030006, String,          , "")                    \
    M(PromptField, Get,    MyCode,           0x68030007, String,          , "")                    \
    M(PromptField, Let,    MyCode,           0x68030007, String,          , "")                    \
    M(PromptField, Set,    MyPicture,        0x68030008, Picture,         , "")                    \
    M(PromptField, Get,    MyStyle,          0x68030009, enuPFStyle,      , "")                    \
    M(PromptField, Let,    MyStyle,          0x68030009, enuPFStyle,      , "")                    \
    M(PromptField, Get,    Mandatory,        0x6803000A, Boolean,         , "")                    \
    M(PromptField, Let,    Mandatory,        0x6803000A, Boolean,         , "")                    \
    M(PromptField, Get,    ValType,          0x6803000B, enuPFValType,    , "")                    \
    M(PromptField, Let,    ValType,          0x6803000B, enuPFValType,    , "")                    \
    M(PromptField, Method, ClearControl,     0x6003000C, Void,            , "")                    \
    M(PromptField, Method, AddDropdownEntry, 0x6003000D, Void,                                     \
      P(In, strCode, String) P(In, strDDID, String) P(In, strDescription, String), "")             \
    M(PromptField, Method, SetBackColor,     0x60030015, Void, P(In, lngNew, Int32), "")           \
    M(PromptField, Let,    AddButton,        0x68030016, Boolean,         , "")                    \
    M(PromptField, Get,    Multi,            0x68030017, Boolean,         , "")                    \
    M(PromptField, Let,    Multi,            0x68030017, Boolean,         , "")
#define PAGINOR_PromptField_EVENTS(E, P)

/* clsPromptEvents, the relay of the prompt fields' events */
#define PAGINOR_clsPromptEvents_MEMBERS(M, P)                                                      \
    M(clsPromptEvents, Method, RaiseAnEvent, 0x60030000, Void,                                     \
      P(In, strObject, String) P(In, strEventName, String) P(Ref, strEventData, String), "")
#define PAGINOR_clsPromptEvents_EVENTS(E, P)                                                       \
    E(clsPromptEvents, EventRaised, 1,                                                             \
      P(Ref, strObject, String) P(Ref, strEventName, String) P(Ref, strEventData, String), "")

/* MultiPrompt, a search criterion of several values */
#define PAGINOR_MultiPrompt_MEMBERS(M, P)                                                          \
    M(MultiPrompt, Get,    OriginalTextValue, 0x68030000, String,              , "")               \
    M(MultiPrompt, Let,    OriginalTextValue, 0x68030000, String,              , "")               \
    M(MultiPrompt, Get,    Caption,           0x68030001, String,              , "")               \
    M(MultiPrompt, Let,    Caption,           0x68030001, String,              , "")               \
    M(MultiPrompt, Set,    PE,                0x68030002, clsPromptEvents,     , "")               \
    M(MultiPrompt, Get,    MyName,            0x68030003, String,              , "")               \
    M(MultiPrompt, Let,    MyName,            0x68030003, String,              , "")               \
    M(MultiPrompt, Let,    BoxLeft,           0x68030004, Int32,               , "")               \
    M(MultiPrompt, Get,    TooSmall,          0x68030005, Boolean,             , "")               \
    M(MultiPrompt, Get,    MyDescription,     0x68030006, String,              , "")               \
    M(MultiPrompt, Let,    MyDescription,     0x68030006, String,              , "")               \
    M(MultiPrompt, Get,    MyDDID,            0x68030007, String,              , "")               \
    M(MultiPrompt, Let,    MyDDID,            0x68030007, String,              , "")               \
    M(MultiPrompt, Get,    MyCode,            0x68030008, String,              , "")               \
    M(MultiPrompt, Let,    MyCode,            0x68030008, String,              , "")               \
    M(MultiPrompt, Set,    MyPicture,         0x68030009, Picture,             , "")               \
    M(MultiPrompt, Get,    MyStyle,           0x6803000A, enuMPStyle,          , "")               \
    M(MultiPrompt, Let,    MyStyle,           0x6803000A, enuMPStyle,          , "")               \
    M(MultiPrompt, Get,    Mandatory,         0x6803000B, Boolean,             , "")               \
    M(MultiPrompt, Let,    Mandatory,         0x6803000B, Boolean,             , "")               \
    M(MultiPrompt, Get,    ValType,           0x6803000C, enuMPValType,        , "")               \
    M(MultiPrompt, Let,    ValType,           0x6803000C, enuMPValType,        , "")               \
    M(MultiPrompt, Let,    DefaultSelType,    0x6803000D, enuMPDefaultSelType, , "")               \
    M(MultiPrompt, Method, SetEventBroker,    0x6003000E, Void,                                    \
      P(Ref, oNew, cEventBroker), "")                                                              \
    M(MultiPrompt, Method, AddSelection,      0x6003000F, Void,                                    \
      P(In, strKey, String) P(In, strDescription, String), "")                                     \
    M(MultiPrompt, Method, ClearControl,      0x60030010, Void,                , "")               \
    M(MultiPrompt, Method, ResetControl,      0x60030011, Void,                , "")               \
    M(MultiPrompt, Method, AddDropdownEntry,  0x60030012, Void,                                    \
      P(In, strCode, String) P(In, strDDID, String) P(In, strDescription, String), "")             \
    M(MultiPrompt, Method, SetPromptEditable, 0x60030013, Void, P(In, blnNew, Boolean), "")
#define PAGINOR_MultiPrompt_EVENTS(E, P)

/* cEventBroker, the relay of the multi-value prompts' events */
#define PAGINOR_cEventBroker_MEMBERS(M, P)                                                         \
    M(cEventBroker, Method, RaiseTheEvent, 0x60030000, Void,                                       \
      P(In, sControlName, String) P(In, sEventName, String) P(In, sData, String), "")
#define PAGINOR_cEventBroker_EVENTS(E, P)                                                          \
    E(cEventBroker, EventRaised, 1,                                                                \
      P(Ref, sControlName, String) P(Ref, sEventName, String) P(Ref, sData, String), "")

/* GradientButton, a button painted in gradients */
#define PAGINOR_GB_HELP_PICTURE "Returns/sets a graphic to be displayed in a control."
#define PAGINOR_GB_HELP_ENABLED                                                                    \
    "Returns/sets a value that determines whether an object can respond to user-generated events."
#define PAGINOR_GB_HELP_FORE                                                                       \
    "Returns/sets the foreground color used to display text and graphics in an object."
#define PAGINOR_GB_HELP_BACK                                                                       \
    "Returns/sets the background color used to display text and graphics in an object."
#define PAGINOR_GradientButton_MEMBERS(M, P)                                                       \
    M(GradientButton, Get, Value,          0x68030000, Boolean,     , "")                          \
    M(GradientButton, Let, Value,          0x68030000, Boolean,     , "")                          \
    M(GradientButton, Get, Mode,           0x68030001, eMode,       , "")                          \
    M(GradientButton, Let, Mode,           0x68030001, eMode,       , "")                          \
    M(GradientButton, Get, Caption,        0x68030002, String,      , "")                          \
    M(GradientButton, Let, Caption,        0x68030002, String,      , "")                          \
    M(GradientButton, Get, ForeColor2,     0x68030003, Colour,      , "")                          \
    M(GradientButton, Let, ForeColor2,     0x68030003, Colour,      , "")                          \
    M(GradientButton, Get, FontEffect,     0x68030004, eFontEffect, , "")                          \
    M(GradientButton, Let, FontEffect,     0x68030004, eFontEffect, , "")                          \
    M(GradientButton, Get, BevelWidth,     0x68030005, Int16,       , "")                          \
    M(GradientButton, Let, BevelWidth,     0x68030005, Int16,       , "")                          \
    M(GradientButton, Get, BorderWidth,    0x68030006, Int16,       , "")                          \
    M(GradientButton, Let, BorderWidth,    0x68030006, Int16,       , "")                          \
    M(GradientButton, Get, HoverColor2,    0x68030007, Colour,      , "")                          \
    M(GradientButton, Let, HoverColor2,    0x68030007, Colour,      , "")                          \
    M(GradientButton, Get, HoverColor1,    0x68030008, Colour,      , "")                          \
    M(GradientButton, Let, HoverColor1,    0x68030008, Colour,      , "")                          \
    M(GradientButton, Get, DownColor2,     0x68030009, Colour,      , "")                          \
    M(GradientButton, Let, DownColor2,     0x68030009, Colour,      , "")                          \
    M(GradientButton, Get, DownColor1,     0x6803000A, Colour,      , "")                          \
    M(GradientButton, Let, DownColor1,     0x6803000A, Colour,      , "")                          \
    M(GradientButton, Get, Color2,         0x6803000B, Colour,      , "")                          \
    M(GradientButton, Let, Color2,         0x6803000B, Colour,      , "")                          \
    M(GradientButton, Get, Color1,         0x6803000C, Colour,      , "")                          \
    M(GradientButton, Let, Color1,         0x6803000C, Colour,      , "")                          \
    M(GradientButton, Get, Picture,        0x6803000D, Picture,     , PAGINOR_GB_HELP_PICTURE)     \
    M(GradientButton, Set, Picture,        0x6803000D, Picture,     , PAGINOR_GB_HELP_PICTURE)     \
    M(GradientButton, Get, RepeatInterval, 0x6803000E, Int16,       , "")                          \
    M(GradientButton, Let, RepeatInterval, 0x6803000E, Int16,       , "")                          \
    M(GradientButton, Get, Enabled,        0x6803000F, Boolean,     , PAGINOR_GB_HELP_ENABLED)     \
    M(GradientButton, Let, Enabled,        0x6803000F, Boolean,     , PAGINOR_GB_HELP_ENABLED)     \
    M(GradientButton, Get, ForeColor,      0x68030010, Colour,      , PAGINOR_GB_HELP_FORE)        \
    M(GradientButton, Let, ForeColor,      0x68030010, Colour,      , PAGINOR_GB_HELP_FORE)        \
    M(GradientButton, Get, BackColor,      0x68030011, Colour,      , PAGINOR_GB_HELP_BACK)        \
    M(GradientButton, Let, BackColor,      0x68030011, Colour,      , PAGINOR_GB_HELP_BACK)        \
    M(GradientButton, Get, BevelColor,     0x68030012, Colour,      , "")                          \
    M(GradientButton, Let, BevelColor,     0x68030012, Colour,      , "")                          \
    M(GradientButton, Get, BorderColor,    0x68030013, Colour,      , "")                          \
    M(GradientButton, Let, BorderColor,    0x68030013, Colour,      , "")                          \
    M(GradientButton, Get, Font,           DISPID_FONT, Font,       , "Returns a Font object.")    \
    M(GradientButton, Set, Font,           DISPID_FONT, Font,       , "Returns a Font object.")    \
    M(GradientButton, Method, Refresh,     0x6003001E, Void,        ,                              \
      "Forces a complete repaint of a object.")
#define PAGINOR_GradientButton_EVENTS(E, P)                                                        \
    E(GradientButton, Click, 1, ,                                                                  \
      "Occurs when the user presses and then releases a mouse button over an object.")             \
    E(GradientButton, KeyDown, 2, P(Ref, KeyCode, Int16) P(Ref, Shift, Int16),                     \
      "Occurs when the user presses a key while an object has the focus.")                         \
    E(GradientButton, KeyPress, 3, P(Ref, KeyAscii, Int16),                                        \
      "Occurs when the user presses and releases an ANSI key.")                                    \
    E(GradientButton, KeyUp, 4, P(Ref, KeyCode, Int16) P(Ref, Shift, Int16),                       \
      "Occurs when the user releases a key while an object has the focus.")                        \
    E(GradientButton, MouseDown, 5, PAGINOR_MOUSE_PARAMS(P),                                       \
      "Occurs when the user presses the mouse button while an object has the focus.")              \
    E(GradientButton, MouseMove, 6, PAGINOR_MOUSE_PARAMS(P),                                       \
      "Occurs when the user moves the mouse.")                                                     \
    E(GradientButton, MouseUp, 7, PAGINOR_MOUSE_PARAMS(P),                                         \
      "Occurs when the user releases the mouse button while an object has the focus.")             \
    E(GradientButton, MouseDownRepeat, 8, P(Ref, MouseOverControl, Boolean), "")                   \
    E(GradientButton, MouseOff, 9, , "")                                                           \
    E(GradientButton, MouseOnTimer, 10, , "")

/* The parameters of the host runtime's mouse events: button, shift state, position. */
#define PAGINOR_MOUSE_PARAMS(P)                                                                    \
    P(Ref, Button, Int16) P(Ref, Shift, Int16) P(Ref, X, Single) P(Ref, Y, Single)

/* O2007Hover, a picture button */
#define PAGINOR_O2007Hover_MEMBERS(M, P)                                                           \
    M(O2007Hover, Get,    HoverImage,      0x68030000, Picture, , "")                              \
    M(O2007Hover, Set,    HoverImage,      0x68030000, Picture, , "")                              \
    M(O2007Hover, Get,    NormalImage,     0x68030001, Picture, , "")                              \
    M(O2007Hover, Set,    NormalImage,     0x68030001, Picture, , "")                              \
    M(O2007Hover, Get,    InactiveImage,   0x68030002, Picture, , "")                              \
    M(O2007Hover, Set,    InactiveImage,   0x68030002, Picture, , "")                              \
    M(O2007Hover, Get,    BackColor,       0x68030003, Colour,  , "")                              \
    M(O2007Hover, Let,    BackColor,       0x68030003, Colour,  , "")                              \
    M(O2007Hover, Get,    Enabled,         0x68030004, Boolean, , "")                              \
    M(O2007Hover, Let,    Enabled,         0x68030004, Boolean, , "")                              \
    M(O2007Hover, Get,    HoverText,       0x68030005, String,  , "")                              \
    M(O2007Hover, Let,    HoverText,       0x68030005, String,  , "")                              \
    M(O2007Hover, Get,    hwnd,            0x68030006, Int32,   , "")                              \
    M(O2007Hover, Get,    HoverInactive,   0x68030007, Boolean, , "")                              \
    M(O2007Hover, Let,    HoverInactive,   0x68030007, Boolean, , "")                              \
    M(O2007Hover, Method, StartHover,      0x60030008, Void,    , "")                              \
    M(O2007Hover, Method, SetButtonActive, 0x60030009, Void, P(In, blnBtnActive, Boolean), "")
#define PAGINOR_O2007Hover_EVENTS(E, P)                                                            \
    E(O2007Hover, MouseUp,    1, PAGINOR_MOUSE_PARAMS(P), "")                                      \
    E(O2007Hover, MouseMove,  2, PAGINOR_MOUSE_PARAMS(P), "")                                      \
    E(O2007Hover, Click,      3, , "")                                                             \
    E(O2007Hover, MouseLeave, 4, , "")                                                             \
    E(O2007Hover, KeyUp,      5, P(Ref, KeyCode, Int16) P(Ref, Shift, Int16), "")

/* O2007Check, a check box on a picture */
#define PAGINOR_O2007Check_MEMBERS(M, P)                                                           \
    M(O2007Check, Get, BackPicture, 0x68030000, Picture,    , "")                                  \
    M(O2007Check, Set, BackPicture, 0x68030000, Picture,    , "")                                  \
    M(O2007Check, Get, Caption,     0x68030001, String,     , "")                                  \
    M(O2007Check, Let, Caption,     0x68030001, String,     , "")                                  \
    M(O2007Check, Get, BackColor,   0x68030002, Colour,     , "")                                  \
    M(O2007Check, Let, BackColor,   0x68030002, Colour,     , "")                                  \
    M(O2007Check, Get, Value,       0x68030003, CheckValue, , "")                                  \
    M(O2007Check, Let, Value,       0x68030003, CheckValue, , "")                                  \
    M(O2007Check, Get, ForeColor,   0x68030004, Colour,     , "")                                  \
    M(O2007Check, Let, ForeColor,   0x68030004, Colour,     , "")                                  \
    M(O2007Check, Get, FontBold,    0x68030005, Boolean,    , "")                                  \
    M(O2007Check, Let, FontBold,    0x68030005, Boolean,    , "")
#define PAGINOR_O2007Check_EVENTS(E, P)                                                            \
    E(O2007Check, MouseUp,    1, PAGINOR_MOUSE_PARAMS(P), "")                                      \
    E(O2007Check, MouseMove,  2, PAGINOR_MOUSE_PARAMS(P), "")                                      \
    E(O2007Check, Click,      3, , "")                                                             \
    E(O2007Check, MouseLeave, 4, , "")

/* clang-format on */

/* --- Reading the lists ------------------------------------------------------------------- */

/* Parts of a type descriptor: PAGINOR_CTYPE PAGINOR_T_String is BSTR. */
#define PAGINOR_CTYPE(kind, ctype, name) ctype
#define PAGINOR_CTYPE_OF(descriptor) PAGINOR_CTYPE descriptor
#define PAGINOR_PTR_In
#define PAGINOR_PTR_Ref *
/* The C++ name of a member's vtable entry. */
#define PAGINOR_NAME_Get(name) get_##name
#define PAGINOR_NAME_Let(name) put_##name
#define PAGINOR_NAME_Set(name) putref_##name
#define PAGINOR_NAME_Method(name) name
/* The value parameter of an accessor (leading comma; nothing for a method). */
#define PAGINOR_VALUE_Get(name, t) , PAGINOR_CTYPE t* retval
#define PAGINOR_VALUE_Let(name, t) , PAGINOR_CTYPE t New_##name
#define PAGINOR_VALUE_Set(name, t) , PAGINOR_CTYPE t New_##name
#define PAGINOR_VALUE_Method(name, t)
/* A declared parameter, with a leading comma. */
#define PAGINOR_PARAM(dir, name, type) , PAGINOR_CTYPE_OF(PAGINOR_T_##type) PAGINOR_PTR_##dir name
/* Rows a reader does not use. */
#define PAGINOR_SKIP_CLASS(name, kind, clsid, iid, diid)
#define PAGINOR_SKIP_ALIAS(name, version, iid, diid)
#define PAGINOR_SKIP_PARAM(dir, name, type)

#endif
