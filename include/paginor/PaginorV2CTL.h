/* PaginorV2CTL: the public interfaces of the library's nine classes, for C and C++ hosts.
 *
 * Each class X has a dual interface _X (derived from IDispatch, vtable in the order
 * below) and an outgoing event dispinterface __X. A C++ host calls the members directly;
 * a C host calls through lpVtbl; a late-bound host uses IDispatch. All three reach the
 * same code and see the same results and errors. Property reads return their value
 * through the last, out, parameter; a null out pointer gives E_POINTER. Strings are
 * BSTRs: the caller frees what a get returns, the callee copies what a put receives.
 *
 * The identifiers below never change between builds. */
#ifndef PAGINOR_PAGINORV2CTL_H
#define PAGINOR_PAGINORV2CTL_H

#include <paginor/base.h>

/* The host's standard picture and font objects are reached through IDispatch. */
typedef IDispatch IPictureDisp;
typedef IDispatch IFontDisp;

PAGINOR_DATA const GUID LIBID_PaginorV2CTL;

PAGINOR_DATA const CLSID CLSID_DDOC;
PAGINOR_DATA const IID IID__DDOC;
PAGINOR_DATA const IID DIID___DDOC;
PAGINOR_DATA const IID IID_DDOC___v0;    /* earlier _DDOC */
PAGINOR_DATA const IID DIID___DDOC___v0; /* earlier __DDOC */
PAGINOR_DATA const CLSID CLSID_HoverButton;
PAGINOR_DATA const IID IID__HoverButton;
PAGINOR_DATA const IID DIID___HoverButton;
PAGINOR_DATA const CLSID CLSID_PromptField;
PAGINOR_DATA const IID IID__PromptField;
PAGINOR_DATA const IID DIID___PromptField;
PAGINOR_DATA const IID IID_PromptField___v0;    /* earlier _PromptField */
PAGINOR_DATA const IID DIID___PromptField___v0; /* earlier __PromptField */
PAGINOR_DATA const IID IID_PromptField___v1;    /* earlier _PromptField */
PAGINOR_DATA const IID DIID___PromptField___v1; /* earlier __PromptField */
PAGINOR_DATA const CLSID CLSID_clsPromptEvents;
PAGINOR_DATA const IID IID__clsPromptEvents;
PAGINOR_DATA const IID DIID___clsPromptEvents;
PAGINOR_DATA const CLSID CLSID_MultiPrompt;
PAGINOR_DATA const IID IID__MultiPrompt;
PAGINOR_DATA const IID DIID___MultiPrompt;
PAGINOR_DATA const IID IID_MultiPrompt___v0;    /* earlier _MultiPrompt */
PAGINOR_DATA const IID DIID___MultiPrompt___v0; /* earlier __MultiPrompt */
PAGINOR_DATA const CLSID CLSID_cEventBroker;
PAGINOR_DATA const IID IID__cEventBroker;
PAGINOR_DATA const IID DIID___cEventBroker;
PAGINOR_DATA const CLSID CLSID_GradientButton;
PAGINOR_DATA const IID IID__GradientButton;
PAGINOR_DATA const IID DIID___GradientButton;
PAGINOR_DATA const CLSID CLSID_O2007Hover;
PAGINOR_DATA const IID IID__O2007Hover;
PAGINOR_DATA const IID DIID___O2007Hover;
PAGINOR_DATA const CLSID CLSID_O2007Check;
PAGINOR_DATA const IID IID__O2007Check;
PAGINOR_DATA const IID DIID___O2007Check;

/* Enumerations; every value is 32-bit. The first member of eMode is `Command Button`
 * in the type library; C and C++ cannot spell the blank. */
typedef enum eView {
    evHTML = 0,
    evRTF = 1,
} eView;
typedef enum EIconLocation {
    ILNone = 0,
    ILLeft = 1,
    ILTop = 2,
    ILRight = 3,
    ILBottom = 4,
} EIconLocation;
typedef enum enuPFStyle {
    sPFSPrompt = 0,
    sPFSDropdown = 1,
    sPFSEntry = 2,
    sPFSDate = 3,
    sPFSDisplayOnly = 4,
} enuPFStyle;
typedef enum enuPFValType {
    sPFVString = 0,
    sPFVNumber = 1,
    sPFVDate = 2,
    sPFVStandardDrop = 3,
} enuPFValType;
typedef enum enuMPStyle {
    sMPSPrompt = 0,
    sMPSDropdown = 1,
    sMPSEntry = 2,
    sMPSDate = 3,
    sMPSDisplayOnly = 4,
} enuMPStyle;
typedef enum enuMPValType {
    sMPVString = 0,
    sMPVNumber = 1,
    sMPVDate = 2,
    sMPVStandardDrop = 3,
} enuMPValType;
typedef enum enuMPDefaultSelType {
    sMPTNone = -1,
    sMPTAllOf = 0,
    sMPTAnyOf = 1,
    sMPTExactly = 2,
} enuMPDefaultSelType;
typedef enum eMode {
    CommandButton = 0,
    CheckBox = 1,
    Panel = 2,
} eMode;
typedef enum eFontEffect {
    None = 0,
    Outline = 1,
    Shadow = 2,
    Emboss = 3,
} eFontEffect;

#ifdef __cplusplus

struct _DDOC;
struct _HoverButton;
struct _PromptField;
struct _clsPromptEvents;
struct _MultiPrompt;
struct _cEventBroker;
struct _GradientButton;
struct _O2007Hover;
struct _O2007Check;

struct _DDOC : IDispatch {
    virtual HRESULT put_TheDocument(BSTR New_TheDocument) = 0;
    virtual HRESULT put_TheHits(BSTR New_TheHits) = 0;
    virtual HRESULT put_TheIndexFields(BSTR New_TheIndexFields) = 0;
    virtual HRESULT put_TheIndexPath(BSTR New_TheIndexPath) = 0;
    virtual HRESULT put_TheView(eView New_TheView) = 0;
    virtual HRESULT SetIndexFields(BSTR strNew) = 0;
    virtual HRESULT Clear() = 0;
    virtual HRESULT Reload() = 0;
    virtual HRESULT CopyDocEvenIfOpen(BSTR strFrom, BSTR strTo) = 0;
    virtual HRESULT get_DocSubject(BSTR* retval) = 0;
};

struct _HoverButton : IDispatch {
    virtual HRESULT get_PromptPicture(IPictureDisp** retval) = 0;
    virtual HRESULT putref_PromptPicture(IPictureDisp* New_PromptPicture) = 0;
    virtual HRESULT get_IconLocation(EIconLocation* retval) = 0;
    virtual HRESULT put_IconLocation(EIconLocation New_IconLocation) = 0;
    virtual HRESULT get_Caption(BSTR* retval) = 0;
    virtual HRESULT put_Caption(BSTR New_Caption) = 0;
    virtual HRESULT get_BackColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_BackColor(OLE_COLOR New_BackColor) = 0;
    virtual HRESULT get_ForeColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_ForeColor(OLE_COLOR New_ForeColor) = 0;
    virtual HRESULT get_FontBold(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_FontBold(VARIANT_BOOL New_FontBold) = 0;
    virtual HRESULT get_Enabled(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_Enabled(VARIANT_BOOL New_Enabled) = 0;
    virtual HRESULT Unhover() = 0;
};

struct _PromptField : IDispatch {
    virtual HRESULT get_Caption(BSTR* retval) = 0;
    virtual HRESULT put_Caption(BSTR New_Caption) = 0;
    virtual HRESULT putref_PE(_clsPromptEvents* New_PE) = 0;
    virtual HRESULT get_MyName(BSTR* retval) = 0;
    virtual HRESULT put_MyName(BSTR New_MyName) = 0;
    virtual HRESULT put_BoxLeft(LONG New_BoxLeft) = 0;
    virtual HRESULT get_TooSmall(VARIANT_BOOL* retval) = 0;
    virtual HRESULT get_MyDescription(BSTR* retval) = 0;
    virtual HRESULT put_MyDescription(BSTR New_MyDescription) = 0;
    virtual HRESULT get_MyDDID(BSTR* retval) = 0;
    virtual HRESULT put_MyDDID(BSTR New_MyDDID) = 0;
    virtual HRESULT get_MyCode(BSTR* retval) = 0;
    virtual HRESULT put_MyCode(BSTR New_MyCode) = 0;
    virtual HRESULT putref_MyPicture(IPictureDisp* New_MyPicture) = 0;
    virtual HRESULT get_MyStyle(enuPFStyle* retval) = 0;
    virtual HRESULT put_MyStyle(enuPFStyle New_MyStyle) = 0;
    virtual HRESULT get_Mandatory(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_Mandatory(VARIANT_BOOL New_Mandatory) = 0;
    virtual HRESULT get_ValType(enuPFValType* retval) = 0;
    virtual HRESULT put_ValType(enuPFValType New_ValType) = 0;
    virtual HRESULT ClearControl() = 0;
    virtual HRESULT AddDropdownEntry(BSTR strCode, BSTR strDDID, BSTR strDescription) = 0;
    virtual HRESULT SetBackColor(LONG lngNew) = 0;
    virtual HRESULT put_AddButton(VARIANT_BOOL New_AddButton) = 0;
    virtual HRESULT get_Multi(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_Multi(VARIANT_BOOL New_Multi) = 0;
};

struct _clsPromptEvents : IDispatch {
    virtual HRESULT RaiseAnEvent(BSTR strObject, BSTR strEventName, BSTR* strEventData) = 0;
};

struct _MultiPrompt : IDispatch {
    virtual HRESULT get_OriginalTextValue(BSTR* retval) = 0;
    virtual HRESULT put_OriginalTextValue(BSTR New_OriginalTextValue) = 0;
    virtual HRESULT get_Caption(BSTR* retval) = 0;
    virtual HRESULT put_Caption(BSTR New_Caption) = 0;
    virtual HRESULT putref_PE(_clsPromptEvents* New_PE) = 0;
    virtual HRESULT get_MyName(BSTR* retval) = 0;
    virtual HRESULT put_MyName(BSTR New_MyName) = 0;
    virtual HRESULT put_BoxLeft(LONG New_BoxLeft) = 0;
    virtual HRESULT get_TooSmall(VARIANT_BOOL* retval) = 0;
    virtual HRESULT get_MyDescription(BSTR* retval) = 0;
    virtual HRESULT put_MyDescription(BSTR New_MyDescription) = 0;
    virtual HRESULT get_MyDDID(BSTR* retval) = 0;
    virtual HRESULT put_MyDDID(BSTR New_MyDDID) = 0;
    virtual HRESULT get_MyCode(BSTR* retval) = 0;
    virtual HRESULT put_MyCode(BSTR New_MyCode) = 0;
    virtual HRESULT putref_MyPicture(IPictureDisp* New_MyPicture) = 0;
    virtual HRESULT get_MyStyle(enuMPStyle* retval) = 0;
    virtual HRESULT put_MyStyle(enuMPStyle New_MyStyle) = 0;
    virtual HRESULT get_Mandatory(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_Mandatory(VARIANT_BOOL New_Mandatory) = 0;
    virtual HRESULT get_ValType(enuMPValType* retval) = 0;
    virtual HRESULT put_ValType(enuMPValType New_ValType) = 0;
    virtual HRESULT put_DefaultSelType(enuMPDefaultSelType New_DefaultSelType) = 0;
    virtual HRESULT SetEventBroker(_cEventBroker** oNew) = 0;
    virtual HRESULT AddSelection(BSTR strKey, BSTR strDescription) = 0;
    virtual HRESULT ClearControl() = 0;
    virtual HRESULT ResetControl() = 0;
    virtual HRESULT AddDropdownEntry(BSTR strCode, BSTR strDDID, BSTR strDescription) = 0;
    virtual HRESULT SetPromptEditable(VARIANT_BOOL blnNew) = 0;
};

struct _cEventBroker : IDispatch {
    virtual HRESULT RaiseTheEvent(BSTR sControlName, BSTR sEventName, BSTR sData) = 0;
};

struct _GradientButton : IDispatch {
    virtual HRESULT get_Value(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_Value(VARIANT_BOOL New_Value) = 0;
    virtual HRESULT get_Mode(eMode* retval) = 0;
    virtual HRESULT put_Mode(eMode New_Mode) = 0;
    virtual HRESULT get_Caption(BSTR* retval) = 0;
    virtual HRESULT put_Caption(BSTR New_Caption) = 0;
    virtual HRESULT get_ForeColor2(OLE_COLOR* retval) = 0;
    virtual HRESULT put_ForeColor2(OLE_COLOR New_ForeColor2) = 0;
    virtual HRESULT get_FontEffect(eFontEffect* retval) = 0;
    virtual HRESULT put_FontEffect(eFontEffect New_FontEffect) = 0;
    virtual HRESULT get_BevelWidth(SHORT* retval) = 0;
    virtual HRESULT put_BevelWidth(SHORT New_BevelWidth) = 0;
    virtual HRESULT get_BorderWidth(SHORT* retval) = 0;
    virtual HRESULT put_BorderWidth(SHORT New_BorderWidth) = 0;
    virtual HRESULT get_HoverColor2(OLE_COLOR* retval) = 0;
    virtual HRESULT put_HoverColor2(OLE_COLOR New_HoverColor2) = 0;
    virtual HRESULT get_HoverColor1(OLE_COLOR* retval) = 0;
    virtual HRESULT put_HoverColor1(OLE_COLOR New_HoverColor1) = 0;
    virtual HRESULT get_DownColor2(OLE_COLOR* retval) = 0;
    virtual HRESULT put_DownColor2(OLE_COLOR New_DownColor2) = 0;
    virtual HRESULT get_DownColor1(OLE_COLOR* retval) = 0;
    virtual HRESULT put_DownColor1(OLE_COLOR New_DownColor1) = 0;
    virtual HRESULT get_Color2(OLE_COLOR* retval) = 0;
    virtual HRESULT put_Color2(OLE_COLOR New_Color2) = 0;
    virtual HRESULT get_Color1(OLE_COLOR* retval) = 0;
    virtual HRESULT put_Color1(OLE_COLOR New_Color1) = 0;
    virtual HRESULT get_Picture(IPictureDisp** retval) = 0;
    virtual HRESULT putref_Picture(IPictureDisp* New_Picture) = 0;
    virtual HRESULT get_RepeatInterval(SHORT* retval) = 0;
    virtual HRESULT put_RepeatInterval(SHORT New_RepeatInterval) = 0;
    virtual HRESULT get_Enabled(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_Enabled(VARIANT_BOOL New_Enabled) = 0;
    virtual HRESULT get_ForeColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_ForeColor(OLE_COLOR New_ForeColor) = 0;
    virtual HRESULT get_BackColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_BackColor(OLE_COLOR New_BackColor) = 0;
    virtual HRESULT get_BevelColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_BevelColor(OLE_COLOR New_BevelColor) = 0;
    virtual HRESULT get_BorderColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_BorderColor(OLE_COLOR New_BorderColor) = 0;
    virtual HRESULT get_Font(IFontDisp** retval) = 0;
    virtual HRESULT putref_Font(IFontDisp* New_Font) = 0;
    virtual HRESULT Refresh() = 0;
};

struct _O2007Hover : IDispatch {
    virtual HRESULT get_HoverImage(IPictureDisp** retval) = 0;
    virtual HRESULT putref_HoverImage(IPictureDisp* New_HoverImage) = 0;
    virtual HRESULT get_NormalImage(IPictureDisp** retval) = 0;
    virtual HRESULT putref_NormalImage(IPictureDisp* New_NormalImage) = 0;
    virtual HRESULT get_InactiveImage(IPictureDisp** retval) = 0;
    virtual HRESULT putref_InactiveImage(IPictureDisp* New_InactiveImage) = 0;
    virtual HRESULT get_BackColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_BackColor(OLE_COLOR New_BackColor) = 0;
    virtual HRESULT get_Enabled(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_Enabled(VARIANT_BOOL New_Enabled) = 0;
    virtual HRESULT get_HoverText(BSTR* retval) = 0;
    virtual HRESULT put_HoverText(BSTR New_HoverText) = 0;
    virtual HRESULT get_hwnd(LONG* retval) = 0;
    virtual HRESULT get_HoverInactive(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_HoverInactive(VARIANT_BOOL New_HoverInactive) = 0;
    virtual HRESULT StartHover() = 0;
    virtual HRESULT SetButtonActive(VARIANT_BOOL blnBtnActive) = 0;
};

struct _O2007Check : IDispatch {
    virtual HRESULT get_BackPicture(IPictureDisp** retval) = 0;
    virtual HRESULT putref_BackPicture(IPictureDisp* New_BackPicture) = 0;
    virtual HRESULT get_Caption(BSTR* retval) = 0;
    virtual HRESULT put_Caption(BSTR New_Caption) = 0;
    virtual HRESULT get_BackColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_BackColor(OLE_COLOR New_BackColor) = 0;
    virtual HRESULT get_Value(LONG* retval) = 0;
    virtual HRESULT put_Value(LONG New_Value) = 0;
    virtual HRESULT get_ForeColor(OLE_COLOR* retval) = 0;
    virtual HRESULT put_ForeColor(OLE_COLOR New_ForeColor) = 0;
    virtual HRESULT get_FontBold(VARIANT_BOOL* retval) = 0;
    virtual HRESULT put_FontBold(VARIANT_BOOL New_FontBold) = 0;
};

#else

typedef struct _DDOC _DDOC;
typedef struct _HoverButton _HoverButton;
typedef struct _PromptField _PromptField;
typedef struct _clsPromptEvents _clsPromptEvents;
typedef struct _MultiPrompt _MultiPrompt;
typedef struct _cEventBroker _cEventBroker;
typedef struct _GradientButton _GradientButton;
typedef struct _O2007Hover _O2007Hover;
typedef struct _O2007Check _O2007Check;
typedef struct _DDOCVtbl {
    HRESULT (*QueryInterface)(_DDOC* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_DDOC* self);
    ULONG (*Release)(_DDOC* self);
    HRESULT (*GetTypeInfoCount)(_DDOC* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_DDOC* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_DDOC* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId);
    HRESULT(*Invoke)
    (_DDOC* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
     VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT (*put_TheDocument)(_DDOC* self, BSTR New_TheDocument);
    HRESULT (*put_TheHits)(_DDOC* self, BSTR New_TheHits);
    HRESULT (*put_TheIndexFields)(_DDOC* self, BSTR New_TheIndexFields);
    HRESULT (*put_TheIndexPath)(_DDOC* self, BSTR New_TheIndexPath);
    HRESULT (*put_TheView)(_DDOC* self, eView New_TheView);
    HRESULT (*SetIndexFields)(_DDOC* self, BSTR strNew);
    HRESULT (*Clear)(_DDOC* self);
    HRESULT (*Reload)(_DDOC* self);
    HRESULT (*CopyDocEvenIfOpen)(_DDOC* self, BSTR strFrom, BSTR strTo);
    HRESULT (*get_DocSubject)(_DDOC* self, BSTR* retval);
} _DDOCVtbl;
struct _DDOC {
    const _DDOCVtbl* lpVtbl;
};

typedef struct _HoverButtonVtbl {
    HRESULT (*QueryInterface)(_HoverButton* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_HoverButton* self);
    ULONG (*Release)(_HoverButton* self);
    HRESULT (*GetTypeInfoCount)(_HoverButton* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_HoverButton* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_HoverButton* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,
     DISPID* rgDispId);
    HRESULT(*Invoke)
    (_HoverButton* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT (*get_PromptPicture)(_HoverButton* self, IPictureDisp** retval);
    HRESULT (*putref_PromptPicture)(_HoverButton* self, IPictureDisp* New_PromptPicture);
    HRESULT (*get_IconLocation)(_HoverButton* self, EIconLocation* retval);
    HRESULT (*put_IconLocation)(_HoverButton* self, EIconLocation New_IconLocation);
    HRESULT (*get_Caption)(_HoverButton* self, BSTR* retval);
    HRESULT (*put_Caption)(_HoverButton* self, BSTR New_Caption);
    HRESULT (*get_BackColor)(_HoverButton* self, OLE_COLOR* retval);
    HRESULT (*put_BackColor)(_HoverButton* self, OLE_COLOR New_BackColor);
    HRESULT (*get_ForeColor)(_HoverButton* self, OLE_COLOR* retval);
    HRESULT (*put_ForeColor)(_HoverButton* self, OLE_COLOR New_ForeColor);
    HRESULT (*get_FontBold)(_HoverButton* self, VARIANT_BOOL* retval);
    HRESULT (*put_FontBold)(_HoverButton* self, VARIANT_BOOL New_FontBold);
    HRESULT (*get_Enabled)(_HoverButton* self, VARIANT_BOOL* retval);
    HRESULT (*put_Enabled)(_HoverButton* self, VARIANT_BOOL New_Enabled);
    HRESULT (*Unhover)(_HoverButton* self);
} _HoverButtonVtbl;
struct _HoverButton {
    const _HoverButtonVtbl* lpVtbl;
};

typedef struct _PromptFieldVtbl {
    HRESULT (*QueryInterface)(_PromptField* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_PromptField* self);
    ULONG (*Release)(_PromptField* self);
    HRESULT (*GetTypeInfoCount)(_PromptField* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_PromptField* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_PromptField* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,
     DISPID* rgDispId);
    HRESULT(*Invoke)
    (_PromptField* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT (*get_Caption)(_PromptField* self, BSTR* retval);
    HRESULT (*put_Caption)(_PromptField* self, BSTR New_Caption);
    HRESULT (*putref_PE)(_PromptField* self, _clsPromptEvents* New_PE);
    HRESULT (*get_MyName)(_PromptField* self, BSTR* retval);
    HRESULT (*put_MyName)(_PromptField* self, BSTR New_MyName);
    HRESULT (*put_BoxLeft)(_PromptField* self, LONG New_BoxLeft);
    HRESULT (*get_TooSmall)(_PromptField* self, VARIANT_BOOL* retval);
    HRESULT (*get_MyDescription)(_PromptField* self, BSTR* retval);
    HRESULT (*put_MyDescription)(_PromptField* self, BSTR New_MyDescription);
    HRESULT (*get_MyDDID)(_PromptField* self, BSTR* retval);
    HRESULT (*put_MyDDID)(_PromptField* self, BSTR New_MyDDID);
    HRESULT (*get_MyCode)(_PromptField* self, BSTR* retval);
    HRESULT (*put_MyCode)(_PromptField* self, BSTR New_MyCode);
    HRESULT (*putref_MyPicture)(_PromptField* self, IPictureDisp* New_MyPicture);
    HRESULT (*get_MyStyle)(_PromptField* self, enuPFStyle* retval);
    HRESULT (*put_MyStyle)(_PromptField* self, enuPFStyle New_MyStyle);
    HRESULT (*get_Mandatory)(_PromptField* self, VARIANT_BOOL* retval);
    HRESULT (*put_Mandatory)(_PromptField* self, VARIANT_BOOL New_Mandatory);
    HRESULT (*get_ValType)(_PromptField* self, enuPFValType* retval);
    HRESULT (*put_ValType)(_PromptField* self, enuPFValType New_ValType);
    HRESULT (*ClearControl)(_PromptField* self);
    HRESULT(*AddDropdownEntry)
    (_PromptField* self, BSTR strCode, BSTR strDDID, BSTR strDescription);
    HRESULT (*SetBackColor)(_PromptField* self, LONG lngNew);
    HRESULT (*put_AddButton)(_PromptField* self, VARIANT_BOOL New_AddButton);
    HRESULT (*get_Multi)(_PromptField* self, VARIANT_BOOL* retval);
    HRESULT (*put_Multi)(_PromptField* self, VARIANT_BOOL New_Multi);
} _PromptFieldVtbl;
struct _PromptField {
    const _PromptFieldVtbl* lpVtbl;
};

typedef struct _clsPromptEventsVtbl {
    HRESULT (*QueryInterface)(_clsPromptEvents* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_clsPromptEvents* self);
    ULONG (*Release)(_clsPromptEvents* self);
    HRESULT (*GetTypeInfoCount)(_clsPromptEvents* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_clsPromptEvents* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_clsPromptEvents* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,
     DISPID* rgDispId);
    HRESULT(*Invoke)
    (_clsPromptEvents* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT(*RaiseAnEvent)
    (_clsPromptEvents* self, BSTR strObject, BSTR strEventName, BSTR* strEventData);
} _clsPromptEventsVtbl;
struct _clsPromptEvents {
    const _clsPromptEventsVtbl* lpVtbl;
};

typedef struct _MultiPromptVtbl {
    HRESULT (*QueryInterface)(_MultiPrompt* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_MultiPrompt* self);
    ULONG (*Release)(_MultiPrompt* self);
    HRESULT (*GetTypeInfoCount)(_MultiPrompt* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_MultiPrompt* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_MultiPrompt* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,
     DISPID* rgDispId);
    HRESULT(*Invoke)
    (_MultiPrompt* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT (*get_OriginalTextValue)(_MultiPrompt* self, BSTR* retval);
    HRESULT (*put_OriginalTextValue)(_MultiPrompt* self, BSTR New_OriginalTextValue);
    HRESULT (*get_Caption)(_MultiPrompt* self, BSTR* retval);
    HRESULT (*put_Caption)(_MultiPrompt* self, BSTR New_Caption);
    HRESULT (*putref_PE)(_MultiPrompt* self, _clsPromptEvents* New_PE);
    HRESULT (*get_MyName)(_MultiPrompt* self, BSTR* retval);
    HRESULT (*put_MyName)(_MultiPrompt* self, BSTR New_MyName);
    HRESULT (*put_BoxLeft)(_MultiPrompt* self, LONG New_BoxLeft);
    HRESULT (*get_TooSmall)(_MultiPrompt* self, VARIANT_BOOL* retval);
    HRESULT (*get_MyDescription)(_MultiPrompt* self, BSTR* retval);
    HRESULT (*put_MyDescription)(_MultiPrompt* self, BSTR New_MyDescription);
    HRESULT (*get_MyDDID)(_MultiPrompt* self, BSTR* retval);
    HRESULT (*put_MyDDID)(_MultiPrompt* self, BSTR New_MyDDID);
    HRESULT (*get_MyCode)(_MultiPrompt* self, BSTR* retval);
    HRESULT (*put_MyCode)(_MultiPrompt* self, BSTR New_MyCode);
    HRESULT (*putref_MyPicture)(_MultiPrompt* self, IPictureDisp* New_MyPicture);
    HRESULT (*get_MyStyle)(_MultiPrompt* self, enuMPStyle* retval);
    HRESULT (*put_MyStyle)(_MultiPrompt* self, enuMPStyle New_MyStyle);
    HRESULT (*get_Mandatory)(_MultiPrompt* self, VARIANT_BOOL* retval);
    HRESULT (*put_Mandatory)(_MultiPrompt* self, VARIANT_BOOL New_Mandatory);
    HRESULT (*get_ValType)(_MultiPrompt* self, enuMPValType* retval);
    HRESULT (*put_ValType)(_MultiPrompt* self, enuMPValType New_ValType);
    HRESULT (*put_DefaultSelType)(_MultiPrompt* self, enuMPDefaultSelType New_DefaultSelType);
    HRESULT (*SetEventBroker)(_MultiPrompt* self, _cEventBroker** oNew);
    HRESULT (*AddSelection)(_MultiPrompt* self, BSTR strKey, BSTR strDescription);
    HRESULT (*ClearControl)(_MultiPrompt* self);
    HRESULT (*ResetControl)(_MultiPrompt* self);
    HRESULT(*AddDropdownEntry)
    (_MultiPrompt* self, BSTR strCode, BSTR strDDID, BSTR strDescription);
    HRESULT (*SetPromptEditable)(_MultiPrompt* self, VARIANT_BOOL blnNew);
} _MultiPromptVtbl;
struct _MultiPrompt {
    const _MultiPromptVtbl* lpVtbl;
};

typedef struct _cEventBrokerVtbl {
    HRESULT (*QueryInterface)(_cEventBroker* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_cEventBroker* self);
    ULONG (*Release)(_cEventBroker* self);
    HRESULT (*GetTypeInfoCount)(_cEventBroker* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_cEventBroker* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_cEventBroker* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,
     DISPID* rgDispId);
    HRESULT(*Invoke)
    (_cEventBroker* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT (*RaiseTheEvent)(_cEventBroker* self, BSTR sControlName, BSTR sEventName, BSTR sData);
} _cEventBrokerVtbl;
struct _cEventBroker {
    const _cEventBrokerVtbl* lpVtbl;
};

typedef struct _GradientButtonVtbl {
    HRESULT (*QueryInterface)(_GradientButton* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_GradientButton* self);
    ULONG (*Release)(_GradientButton* self);
    HRESULT (*GetTypeInfoCount)(_GradientButton* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_GradientButton* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_GradientButton* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,
     DISPID* rgDispId);
    HRESULT(*Invoke)
    (_GradientButton* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT (*get_Value)(_GradientButton* self, VARIANT_BOOL* retval);
    HRESULT (*put_Value)(_GradientButton* self, VARIANT_BOOL New_Value);
    HRESULT (*get_Mode)(_GradientButton* self, eMode* retval);
    HRESULT (*put_Mode)(_GradientButton* self, eMode New_Mode);
    HRESULT (*get_Caption)(_GradientButton* self, BSTR* retval);
    HRESULT (*put_Caption)(_GradientButton* self, BSTR New_Caption);
    HRESULT (*get_ForeColor2)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_ForeColor2)(_GradientButton* self, OLE_COLOR New_ForeColor2);
    HRESULT (*get_FontEffect)(_GradientButton* self, eFontEffect* retval);
    HRESULT (*put_FontEffect)(_GradientButton* self, eFontEffect New_FontEffect);
    HRESULT (*get_BevelWidth)(_GradientButton* self, SHORT* retval);
    HRESULT (*put_BevelWidth)(_GradientButton* self, SHORT New_BevelWidth);
    HRESULT (*get_BorderWidth)(_GradientButton* self, SHORT* retval);
    HRESULT (*put_BorderWidth)(_GradientButton* self, SHORT New_BorderWidth);
    HRESULT (*get_HoverColor2)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_HoverColor2)(_GradientButton* self, OLE_COLOR New_HoverColor2);
    HRESULT (*get_HoverColor1)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_HoverColor1)(_GradientButton* self, OLE_COLOR New_HoverColor1);
    HRESULT (*get_DownColor2)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_DownColor2)(_GradientButton* self, OLE_COLOR New_DownColor2);
    HRESULT (*get_DownColor1)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_DownColor1)(_GradientButton* self, OLE_COLOR New_DownColor1);
    HRESULT (*get_Color2)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_Color2)(_GradientButton* self, OLE_COLOR New_Color2);
    HRESULT (*get_Color1)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_Color1)(_GradientButton* self, OLE_COLOR New_Color1);
    HRESULT (*get_Picture)(_GradientButton* self, IPictureDisp** retval);
    HRESULT (*putref_Picture)(_GradientButton* self, IPictureDisp* New_Picture);
    HRESULT (*get_RepeatInterval)(_GradientButton* self, SHORT* retval);
    HRESULT (*put_RepeatInterval)(_GradientButton* self, SHORT New_RepeatInterval);
    HRESULT (*get_Enabled)(_GradientButton* self, VARIANT_BOOL* retval);
    HRESULT (*put_Enabled)(_GradientButton* self, VARIANT_BOOL New_Enabled);
    HRESULT (*get_ForeColor)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_ForeColor)(_GradientButton* self, OLE_COLOR New_ForeColor);
    HRESULT (*get_BackColor)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_BackColor)(_GradientButton* self, OLE_COLOR New_BackColor);
    HRESULT (*get_BevelColor)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_BevelColor)(_GradientButton* self, OLE_COLOR New_BevelColor);
    HRESULT (*get_BorderColor)(_GradientButton* self, OLE_COLOR* retval);
    HRESULT (*put_BorderColor)(_GradientButton* self, OLE_COLOR New_BorderColor);
    HRESULT (*get_Font)(_GradientButton* self, IFontDisp** retval);
    HRESULT (*putref_Font)(_GradientButton* self, IFontDisp* New_Font);
    HRESULT (*Refresh)(_GradientButton* self);
} _GradientButtonVtbl;
struct _GradientButton {
    const _GradientButtonVtbl* lpVtbl;
};

typedef struct _O2007HoverVtbl {
    HRESULT (*QueryInterface)(_O2007Hover* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_O2007Hover* self);
    ULONG (*Release)(_O2007Hover* self);
    HRESULT (*GetTypeInfoCount)(_O2007Hover* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_O2007Hover* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_O2007Hover* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId);
    HRESULT(*Invoke)
    (_O2007Hover* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT (*get_HoverImage)(_O2007Hover* self, IPictureDisp** retval);
    HRESULT (*putref_HoverImage)(_O2007Hover* self, IPictureDisp* New_HoverImage);
    HRESULT (*get_NormalImage)(_O2007Hover* self, IPictureDisp** retval);
    HRESULT (*putref_NormalImage)(_O2007Hover* self, IPictureDisp* New_NormalImage);
    HRESULT (*get_InactiveImage)(_O2007Hover* self, IPictureDisp** retval);
    HRESULT (*putref_InactiveImage)(_O2007Hover* self, IPictureDisp* New_InactiveImage);
    HRESULT (*get_BackColor)(_O2007Hover* self, OLE_COLOR* retval);
    HRESULT (*put_BackColor)(_O2007Hover* self, OLE_COLOR New_BackColor);
    HRESULT (*get_Enabled)(_O2007Hover* self, VARIANT_BOOL* retval);
    HRESULT (*put_Enabled)(_O2007Hover* self, VARIANT_BOOL New_Enabled);
    HRESULT (*get_HoverText)(_O2007Hover* self, BSTR* retval);
    HRESULT (*put_HoverText)(_O2007Hover* self, BSTR New_HoverText);
    HRESULT (*get_hwnd)(_O2007Hover* self, LONG* retval);
    HRESULT (*get_HoverInactive)(_O2007Hover* self, VARIANT_BOOL* retval);
    HRESULT (*put_HoverInactive)(_O2007Hover* self, VARIANT_BOOL New_HoverInactive);
    HRESULT (*StartHover)(_O2007Hover* self);
    HRESULT (*SetButtonActive)(_O2007Hover* self, VARIANT_BOOL blnBtnActive);
} _O2007HoverVtbl;
struct _O2007Hover {
    const _O2007HoverVtbl* lpVtbl;
};

typedef struct _O2007CheckVtbl {
    HRESULT (*QueryInterface)(_O2007Check* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(_O2007Check* self);
    ULONG (*Release)(_O2007Check* self);
    HRESULT (*GetTypeInfoCount)(_O2007Check* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(_O2007Check* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (_O2007Check* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId);
    HRESULT(*Invoke)
    (_O2007Check* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT (*get_BackPicture)(_O2007Check* self, IPictureDisp** retval);
    HRESULT (*putref_BackPicture)(_O2007Check* self, IPictureDisp* New_BackPicture);
    HRESULT (*get_Caption)(_O2007Check* self, BSTR* retval);
    HRESULT (*put_Caption)(_O2007Check* self, BSTR New_Caption);
    HRESULT (*get_BackColor)(_O2007Check* self, OLE_COLOR* retval);
    HRESULT (*put_BackColor)(_O2007Check* self, OLE_COLOR New_BackColor);
    HRESULT (*get_Value)(_O2007Check* self, LONG* retval);
    HRESULT (*put_Value)(_O2007Check* self, LONG New_Value);
    HRESULT (*get_ForeColor)(_O2007Check* self, OLE_COLOR* retval);
    HRESULT (*put_ForeColor)(_O2007Check* self, OLE_COLOR New_ForeColor);
    HRESULT (*get_FontBold)(_O2007Check* self, VARIANT_BOOL* retval);
    HRESULT (*put_FontBold)(_O2007Check* self, VARIANT_BOOL New_FontBold);
} _O2007CheckVtbl;
struct _O2007Check {
    const _O2007CheckVtbl* lpVtbl;
};

#endif

#endif
