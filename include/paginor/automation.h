/* The automation interfaces beyond IUnknown/IDispatch/IClassFactory that the library
 * implements: error info, connection points for outgoing events, property-change
 * notification sinks (which a host implements), type information and class information.
 * Layouts are the COM ABI on x86-64; usable from C (lpVtbl) and C++. Members that a
 * host may call but the library does not provide return E_NOTIMPL; each is marked. */
#ifndef PAGINOR_AUTOMATION_H
#define PAGINOR_AUTOMATION_H

#include <paginor/base.h>

#ifdef __cplusplus
#define PAGINOR_IID_DATA extern "C" __attribute__((visibility("default")))
struct IConnectionPoint;
struct IEnumConnectionPoints;
struct IEnumConnections;
#else
#define PAGINOR_IID_DATA extern __attribute__((visibility("default")))
#endif

typedef LONG MEMBERID;
typedef DWORD HREFTYPE;

/* The member through which a collection hands out an enumerator of its items (For Each). */
#define DISPID_NEWENUM ((DISPID)-4)

/* One advised sink of a connection point, as IEnumConnections hands it out: pUnk is the
 * sink's interface that the point calls (the caller releases it), dwCookie its cookie. */
typedef struct CONNECTDATA {
    IUnknown* pUnk;
    DWORD dwCookie;
} CONNECTDATA;

typedef enum TYPEKIND {
    TKIND_ENUM = 0,
    TKIND_RECORD = 1,
    TKIND_MODULE = 2,
    TKIND_INTERFACE = 3,
    TKIND_DISPATCH = 4,
    TKIND_COCLASS = 5,
    TKIND_ALIAS = 6,
    TKIND_UNION = 7
} TYPEKIND;
typedef enum FUNCKIND { FUNC_VIRTUAL = 0, FUNC_PUREVIRTUAL = 1, FUNC_DISPATCH = 4 } FUNCKIND;
typedef enum INVOKEKIND {
    INVOKE_FUNC = 1,
    INVOKE_PROPERTYGET = 2,
    INVOKE_PROPERTYPUT = 4,
    INVOKE_PROPERTYPUTREF = 8
} INVOKEKIND;
typedef enum CALLCONV { CC_STDCALL = 4 } CALLCONV;

#define VT_PTR 26
#define VT_HRESULT 25
#define VT_USERDEFINED 29
#define VT_VOID 24
#define PARAMFLAG_NONE 0
#define PARAMFLAG_FIN 0x1
#define PARAMFLAG_FOUT 0x2
#define PARAMFLAG_FRETVAL 0x8
#define PARAMFLAG_FOPT 0x10
#define TYPEFLAG_FHIDDEN 0x10
#define TYPEFLAG_FDUAL 0x40
#define TYPEFLAG_FDISPATCHABLE 0x1000
#define TYPEFLAG_FCANCREATE 0x2
#define TYPEFLAG_FCONTROL 0x20
/* How a class uses one of its implemented interfaces (GetImplTypeFlags). */
#define IMPLTYPEFLAG_FDEFAULT 0x1
#define IMPLTYPEFLAG_FSOURCE 0x2
/* The member identifier that stands for the type itself (GetDocumentation). */
#define MEMBERID_NIL ((MEMBERID)-1)

/* A parameter's or value's type. For VT_USERDEFINED (an enumeration or one of the
 * library's interfaces) hreftype is the type's position in the type library; for VT_PTR
 * lptdesc is the pointed-to type. */
typedef struct TYPEDESC {
    union {
        struct TYPEDESC* lptdesc;
        HREFTYPE hreftype;
    };
    VARTYPE vt;
} TYPEDESC;
typedef struct PARAMDESC {
    void* pparamdescex;
    USHORT wParamFlags;
} PARAMDESC;
typedef struct IDLDESC {
    uintptr_t dwReserved;
    USHORT wIDLFlags;
} IDLDESC;
typedef struct ELEMDESC {
    TYPEDESC tdesc;
    union {
        IDLDESC idldesc;
        PARAMDESC paramdesc;
    };
} ELEMDESC;

typedef struct TYPEATTR {
    GUID guid;
    LCID lcid;
    DWORD dwReserved;
    MEMBERID memidConstructor;
    MEMBERID memidDestructor;
    OLECHAR* lpstrSchema;
    ULONG cbSizeInstance;
    TYPEKIND typekind;
    WORD cFuncs;
    WORD cVars;
    WORD cImplTypes;
    WORD cbSizeVft;
    WORD cbAlignment;
    WORD wTypeFlags;
    WORD wMajorVerNum;
    WORD wMinorVerNum;
    TYPEDESC tdescAlias;
    IDLDESC idldescType;
} TYPEATTR;

typedef struct FUNCDESC {
    MEMBERID memid;
    SCODE* lprgscode;
    ELEMDESC* lprgelemdescParam;
    FUNCKIND funckind;
    INVOKEKIND invkind;
    CALLCONV callconv;
    SHORT cParams;
    SHORT cParamsOpt;
    SHORT oVft;
    SHORT cScodes;
    ELEMDESC elemdescFunc;
    WORD wFuncFlags;
} FUNCDESC;

PAGINOR_IID_DATA const IID IID_IErrorInfo;
PAGINOR_IID_DATA const IID IID_ICreateErrorInfo;
PAGINOR_IID_DATA const IID IID_ISupportErrorInfo;
PAGINOR_IID_DATA const IID IID_IConnectionPointContainer;
PAGINOR_IID_DATA const IID IID_IConnectionPoint;
PAGINOR_IID_DATA const IID IID_ITypeInfo;
PAGINOR_IID_DATA const IID IID_IPropertyNotifySink;
PAGINOR_IID_DATA const IID IID_IProvideClassInfo;
PAGINOR_IID_DATA const IID IID_IEnumConnectionPoints;
PAGINOR_IID_DATA const IID IID_IEnumConnections;
PAGINOR_IID_DATA const IID IID_IEnumVARIANT;

#ifdef __cplusplus

struct IErrorInfo : IUnknown {
    virtual HRESULT GetGUID(GUID* pGUID) = 0;
    virtual HRESULT GetSource(BSTR* pBstrSource) = 0;
    virtual HRESULT GetDescription(BSTR* pBstrDescription) = 0;
    virtual HRESULT GetHelpFile(BSTR* pBstrHelpFile) = 0;
    virtual HRESULT GetHelpContext(DWORD* pdwHelpContext) = 0;
};

struct ICreateErrorInfo : IUnknown {
    virtual HRESULT SetGUID(REFGUID rguid) = 0;
    virtual HRESULT SetSource(OLECHAR* szSource) = 0;
    virtual HRESULT SetDescription(OLECHAR* szDescription) = 0;
    virtual HRESULT SetHelpFile(OLECHAR* szHelpFile) = 0;
    virtual HRESULT SetHelpContext(DWORD dwHelpContext) = 0;
};

struct ISupportErrorInfo : IUnknown {
    virtual HRESULT InterfaceSupportsErrorInfo(REFIID riid) = 0;
};

/* The enumerators. Each works on a snapshot taken when it was made and holds a reference
 * to every element; Next hands out copies with their own references (the caller releases
 * or clears them). Next(celt, out, fetched) gives up to celt elements from the current
 * place: S_OK when all celt were given, S_FALSE when fewer (fetched says how many; null
 * is allowed only for celt 1), E_POINTER for a null out array, E_INVALIDARG for a null
 * fetched with celt other than 1. Skip moves on by celt: S_OK, or S_FALSE when it reached
 * the end first. Reset goes back to the start. Clone makes an enumerator of the same
 * snapshot at the same place (E_POINTER for a null out pointer). */
struct IEnumConnectionPoints : IUnknown {
    virtual HRESULT Next(ULONG cConnections, IConnectionPoint** ppCP, ULONG* pcFetched) = 0;
    virtual HRESULT Skip(ULONG cConnections) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumConnectionPoints** ppEnum) = 0;
};

struct IEnumConnections : IUnknown {
    virtual HRESULT Next(ULONG cConnections, CONNECTDATA* rgcd, ULONG* pcFetched) = 0;
    virtual HRESULT Skip(ULONG cConnections) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumConnections** ppEnum) = 0;
};

/* The items of a collection as VARIANTs. Next overwrites the out slots without clearing
 * them first. */
struct IEnumVARIANT : IUnknown {
    virtual HRESULT Next(ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched) = 0;
    virtual HRESULT Skip(ULONG celt) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumVARIANT** ppEnum) = 0;
};

struct IConnectionPointContainer : IUnknown {
    virtual HRESULT EnumConnectionPoints(IEnumConnectionPoints** ppEnum) = 0;
    virtual HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) = 0;
};

struct IConnectionPoint : IUnknown {
    virtual HRESULT GetConnectionInterface(IID* pIID) = 0;
    virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** ppCPC) = 0;
    virtual HRESULT Advise(IUnknown* pUnkSink, DWORD* pdwCookie) = 0;
    virtual HRESULT Unadvise(DWORD dwCookie) = 0;
    virtual HRESULT EnumConnections(IEnumConnections** ppEnum) = 0;
};

/* A host's sink on an object's property-notification connection point: OnChanged after a
 * property changed (its DISPID), OnRequestEdit before one may change. The library only
 * calls OnChanged and ignores what it returns. */
struct IPropertyNotifySink : IUnknown {
    virtual HRESULT OnChanged(DISPID dispID) = 0;
    virtual HRESULT OnRequestEdit(DISPID dispID) = 0;
};

struct ITypeInfo : IUnknown {
    virtual HRESULT GetTypeAttr(TYPEATTR** ppTypeAttr) = 0;
    virtual HRESULT GetTypeComp(void** ppTComp) = 0;
    virtual HRESULT GetFuncDesc(UINT index, FUNCDESC** ppFuncDesc) = 0;
    virtual HRESULT GetVarDesc(UINT index, void** ppVarDesc) = 0;
    virtual HRESULT GetNames(MEMBERID memid, BSTR* rgBstrNames, UINT cMaxNames, UINT* pcNames) = 0;
    virtual HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* pRefType) = 0;
    virtual HRESULT GetImplTypeFlags(UINT index, INT* pImplTypeFlags) = 0;
    virtual HRESULT GetIDsOfNames(OLECHAR** rgszNames, UINT cNames, MEMBERID* pMemId) = 0;
    virtual HRESULT Invoke(void* pvInstance, MEMBERID memid, WORD wFlags, DISPPARAMS* pDispParams,
                           VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) = 0;
    virtual HRESULT GetDocumentation(MEMBERID memid, BSTR* pBstrName, BSTR* pBstrDocString,
                                     DWORD* pdwHelpContext, BSTR* pBstrHelpFile) = 0;
    virtual HRESULT GetDllEntry(MEMBERID memid, INVOKEKIND invKind, BSTR* pBstrDllName,
                                BSTR* pBstrName, WORD* pwOrdinal) = 0;
    virtual HRESULT GetRefTypeInfo(HREFTYPE hRefType, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT AddressOfMember(MEMBERID memid, INVOKEKIND invKind, void** ppv) = 0;
    virtual HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObj) = 0;
    virtual HRESULT GetMops(MEMBERID memid, BSTR* pBstrMops) = 0;
    virtual HRESULT GetContainingTypeLib(void** ppTLib, UINT* pIndex) = 0;
    virtual void ReleaseTypeAttr(TYPEATTR* pTypeAttr) = 0;
    virtual void ReleaseFuncDesc(FUNCDESC* pFuncDesc) = 0;
    virtual void ReleaseVarDesc(void* pVarDesc) = 0;
};

/* Every object of the library answers it: the type information of its class (a coclass
 * whose implemented types are the default interface and the event interface). */
struct IProvideClassInfo : IUnknown {
    virtual HRESULT GetClassInfo(ITypeInfo** ppTI) = 0;
};

#else

typedef struct IErrorInfo IErrorInfo;
typedef struct ICreateErrorInfo ICreateErrorInfo;
typedef struct ISupportErrorInfo ISupportErrorInfo;
typedef struct IConnectionPointContainer IConnectionPointContainer;
typedef struct IConnectionPoint IConnectionPoint;
typedef struct ITypeInfo ITypeInfo;
typedef struct IPropertyNotifySink IPropertyNotifySink;
typedef struct IProvideClassInfo IProvideClassInfo;
typedef struct IEnumConnectionPoints IEnumConnectionPoints;
typedef struct IEnumConnections IEnumConnections;
typedef struct IEnumVARIANT IEnumVARIANT;
typedef struct IErrorInfoVtbl {
    HRESULT (*QueryInterface)(IErrorInfo* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IErrorInfo* self);
    ULONG (*Release)(IErrorInfo* self);
    HRESULT (*GetGUID)(IErrorInfo* self, GUID* pGUID);
    HRESULT (*GetSource)(IErrorInfo* self, BSTR* pBstrSource);
    HRESULT (*GetDescription)(IErrorInfo* self, BSTR* pBstrDescription);
    HRESULT (*GetHelpFile)(IErrorInfo* self, BSTR* pBstrHelpFile);
    HRESULT (*GetHelpContext)(IErrorInfo* self, DWORD* pdwHelpContext);
} IErrorInfoVtbl;
struct IErrorInfo {
    const IErrorInfoVtbl* lpVtbl;
};
typedef struct ICreateErrorInfoVtbl {
    HRESULT (*QueryInterface)(ICreateErrorInfo* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(ICreateErrorInfo* self);
    ULONG (*Release)(ICreateErrorInfo* self);
    HRESULT (*SetGUID)(ICreateErrorInfo* self, REFGUID rguid);
    HRESULT (*SetSource)(ICreateErrorInfo* self, OLECHAR* szSource);
    HRESULT (*SetDescription)(ICreateErrorInfo* self, OLECHAR* szDescription);
    HRESULT (*SetHelpFile)(ICreateErrorInfo* self, OLECHAR* szHelpFile);
    HRESULT (*SetHelpContext)(ICreateErrorInfo* self, DWORD dwHelpContext);
} ICreateErrorInfoVtbl;
struct ICreateErrorInfo {
    const ICreateErrorInfoVtbl* lpVtbl;
};
typedef struct ISupportErrorInfoVtbl {
    HRESULT (*QueryInterface)(ISupportErrorInfo* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(ISupportErrorInfo* self);
    ULONG (*Release)(ISupportErrorInfo* self);
    HRESULT (*InterfaceSupportsErrorInfo)(ISupportErrorInfo* self, REFIID riid);
} ISupportErrorInfoVtbl;
struct ISupportErrorInfo {
    const ISupportErrorInfoVtbl* lpVtbl;
};
typedef struct IConnectionPointContainerVtbl {
    HRESULT (*QueryInterface)(IConnectionPointContainer* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IConnectionPointContainer* self);
    ULONG (*Release)(IConnectionPointContainer* self);
    HRESULT(*EnumConnectionPoints)
    (IConnectionPointContainer* self, IEnumConnectionPoints** ppEnum);
    HRESULT(*FindConnectionPoint)
    (IConnectionPointContainer* self, REFIID riid, struct IConnectionPoint** ppCP);
} IConnectionPointContainerVtbl;
struct IConnectionPointContainer {
    const IConnectionPointContainerVtbl* lpVtbl;
};
typedef struct IConnectionPointVtbl {
    HRESULT (*QueryInterface)(IConnectionPoint* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IConnectionPoint* self);
    ULONG (*Release)(IConnectionPoint* self);
    HRESULT (*GetConnectionInterface)(IConnectionPoint* self, IID* pIID);
    HRESULT(*GetConnectionPointContainer)
    (IConnectionPoint* self, IConnectionPointContainer** ppCPC);
    HRESULT (*Advise)(IConnectionPoint* self, IUnknown* pUnkSink, DWORD* pdwCookie);
    HRESULT (*Unadvise)(IConnectionPoint* self, DWORD dwCookie);
    HRESULT (*EnumConnections)(IConnectionPoint* self, IEnumConnections** ppEnum);
} IConnectionPointVtbl;
struct IConnectionPoint {
    const IConnectionPointVtbl* lpVtbl;
};
typedef struct IEnumConnectionPointsVtbl {
    HRESULT (*QueryInterface)(IEnumConnectionPoints* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IEnumConnectionPoints* self);
    ULONG (*Release)(IEnumConnectionPoints* self);
    HRESULT(*Next)
    (IEnumConnectionPoints* self, ULONG cConnections, IConnectionPoint** ppCP, ULONG* pcFetched);
    HRESULT (*Skip)(IEnumConnectionPoints* self, ULONG cConnections);
    HRESULT (*Reset)(IEnumConnectionPoints* self);
    HRESULT (*Clone)(IEnumConnectionPoints* self, IEnumConnectionPoints** ppEnum);
} IEnumConnectionPointsVtbl;
struct IEnumConnectionPoints {
    const IEnumConnectionPointsVtbl* lpVtbl;
};
typedef struct IEnumConnectionsVtbl {
    HRESULT (*QueryInterface)(IEnumConnections* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IEnumConnections* self);
    ULONG (*Release)(IEnumConnections* self);
    HRESULT(*Next)
    (IEnumConnections* self, ULONG cConnections, CONNECTDATA* rgcd, ULONG* pcFetched);
    HRESULT (*Skip)(IEnumConnections* self, ULONG cConnections);
    HRESULT (*Reset)(IEnumConnections* self);
    HRESULT (*Clone)(IEnumConnections* self, IEnumConnections** ppEnum);
} IEnumConnectionsVtbl;
struct IEnumConnections {
    const IEnumConnectionsVtbl* lpVtbl;
};
typedef struct IEnumVARIANTVtbl {
    HRESULT (*QueryInterface)(IEnumVARIANT* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IEnumVARIANT* self);
    ULONG (*Release)(IEnumVARIANT* self);
    HRESULT (*Next)(IEnumVARIANT* self, ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched);
    HRESULT (*Skip)(IEnumVARIANT* self, ULONG celt);
    HRESULT (*Reset)(IEnumVARIANT* self);
    HRESULT (*Clone)(IEnumVARIANT* self, IEnumVARIANT** ppEnum);
} IEnumVARIANTVtbl;
struct IEnumVARIANT {
    const IEnumVARIANTVtbl* lpVtbl;
};
typedef struct IPropertyNotifySinkVtbl {
    HRESULT (*QueryInterface)(IPropertyNotifySink* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IPropertyNotifySink* self);
    ULONG (*Release)(IPropertyNotifySink* self);
    HRESULT (*OnChanged)(IPropertyNotifySink* self, DISPID dispID);
    HRESULT (*OnRequestEdit)(IPropertyNotifySink* self, DISPID dispID);
} IPropertyNotifySinkVtbl;
struct IPropertyNotifySink {
    const IPropertyNotifySinkVtbl* lpVtbl;
};
typedef struct ITypeInfoVtbl {
    HRESULT (*QueryInterface)(ITypeInfo* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(ITypeInfo* self);
    ULONG (*Release)(ITypeInfo* self);
    HRESULT (*GetTypeAttr)(ITypeInfo* self, TYPEATTR** ppTypeAttr);
    HRESULT (*GetTypeComp)(ITypeInfo* self, void** ppTComp);
    HRESULT (*GetFuncDesc)(ITypeInfo* self, UINT index, FUNCDESC** ppFuncDesc);
    HRESULT (*GetVarDesc)(ITypeInfo* self, UINT index, void** ppVarDesc);
    HRESULT(*GetNames)
    (ITypeInfo* self, MEMBERID memid, BSTR* rgBstrNames, UINT cMaxNames, UINT* pcNames);
    HRESULT (*GetRefTypeOfImplType)(ITypeInfo* self, UINT index, HREFTYPE* pRefType);
    HRESULT (*GetImplTypeFlags)(ITypeInfo* self, UINT index, INT* pImplTypeFlags);
    HRESULT (*GetIDsOfNames)(ITypeInfo* self, OLECHAR** rgszNames, UINT cNames, MEMBERID* pMemId);
    HRESULT(*Invoke)
    (ITypeInfo* self, void* pvInstance, MEMBERID memid, WORD wFlags, DISPPARAMS* pDispParams,
     VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    HRESULT(*GetDocumentation)
    (ITypeInfo* self, MEMBERID memid, BSTR* pBstrName, BSTR* pBstrDocString, DWORD* pdwHelpContext,
     BSTR* pBstrHelpFile);
    HRESULT(*GetDllEntry)
    (ITypeInfo* self, MEMBERID memid, INVOKEKIND invKind, BSTR* pBstrDllName, BSTR* pBstrName,
     WORD* pwOrdinal);
    HRESULT (*GetRefTypeInfo)(ITypeInfo* self, HREFTYPE hRefType, struct ITypeInfo** ppTInfo);
    HRESULT (*AddressOfMember)(ITypeInfo* self, MEMBERID memid, INVOKEKIND invKind, void** ppv);
    HRESULT (*CreateInstance)(ITypeInfo* self, IUnknown* pUnkOuter, REFIID riid, void** ppvObj);
    HRESULT (*GetMops)(ITypeInfo* self, MEMBERID memid, BSTR* pBstrMops);
    HRESULT (*GetContainingTypeLib)(ITypeInfo* self, void** ppTLib, UINT* pIndex);
    void (*ReleaseTypeAttr)(ITypeInfo* self, TYPEATTR* pTypeAttr);
    void (*ReleaseFuncDesc)(ITypeInfo* self, FUNCDESC* pFuncDesc);
    void (*ReleaseVarDesc)(ITypeInfo* self, void* pVarDesc);
} ITypeInfoVtbl;
struct ITypeInfo {
    const ITypeInfoVtbl* lpVtbl;
};
typedef struct IProvideClassInfoVtbl {
    HRESULT (*QueryInterface)(IProvideClassInfo* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IProvideClassInfo* self);
    ULONG (*Release)(IProvideClassInfo* self);
    HRESULT (*GetClassInfo)(IProvideClassInfo* self, ITypeInfo** ppTI);
} IProvideClassInfoVtbl;
struct IProvideClassInfo {
    const IProvideClassInfoVtbl* lpVtbl;
};

#endif

/* The calling thread's last error: SetErrorInfo replaces it (null clears it) and takes a
 * reference; GetErrorInfo hands it over (S_OK) and clears it, or gives null and S_FALSE
 * when there is none. E_POINTER for a null out pointer. */
PAGINOR_API HRESULT SetErrorInfo(ULONG dwReserved, IErrorInfo* perrinfo);
PAGINOR_API HRESULT GetErrorInfo(ULONG dwReserved, IErrorInfo** pperrinfo);
/* A new, empty error object to fill in and pass to SetErrorInfo. */
PAGINOR_API HRESULT CreateErrorInfo(ICreateErrorInfo** pperrinfo);

#endif
