/* The automation ABI vocabulary, as laid out on x86-64: integer types, status codes,
 * GUIDs, BSTRs, VARIANTs and the three interfaces every object and factory has.
 * Usable from C and C++; a C host calls through lpVtbl, a C++ host through the classes.
 * Every interface is a vtable of functions returning a 32-bit HRESULT, IUnknown first. */
#ifndef PAGINOR_BASE_H
#define PAGINOR_BASE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define PAGINOR_EXTERN_C extern "C"
#else
#define PAGINOR_EXTERN_C
#endif

/* Exported from libPaginorV2CTL.so; everything else in it is hidden. */
#define PAGINOR_API PAGINOR_EXTERN_C __attribute__((visibility("default")))
/* Exported constant data: a declaration in both languages, never a C tentative definition. */
#ifdef __cplusplus
#define PAGINOR_DATA extern "C" __attribute__((visibility("default")))
#else
#define PAGINOR_DATA extern __attribute__((visibility("default")))
#endif

typedef int32_t HRESULT;
typedef int32_t SCODE;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef int16_t SHORT;
typedef uint16_t USHORT;
typedef int32_t INT;
typedef uint32_t UINT;
typedef int32_t BOOL;
typedef float FLOAT;
typedef double DOUBLE;
typedef double DATE;
typedef int16_t VARIANT_BOOL;
typedef uint16_t VARTYPE;
typedef LONG DISPID;
typedef DWORD LCID;
typedef DWORD OLE_COLOR;
#ifdef __cplusplus
typedef char16_t OLECHAR;
#else
typedef uint16_t OLECHAR;
#endif
/* UTF-16 text preceded by its byte length (a 32-bit count just before the first
 * character) and followed by a 16-bit zero; a null BSTR is the empty string. */
typedef OLECHAR* BSTR;

#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define E_NOTIMPL ((HRESULT)0x80004001L)
#define E_NOINTERFACE ((HRESULT)0x80004002L)
#define E_POINTER ((HRESULT)0x80004003L)
#define E_ABORT ((HRESULT)0x80004004L)
#define E_FAIL ((HRESULT)0x80004005L)
#define E_UNEXPECTED ((HRESULT)0x8000FFFFL)
#define E_ACCESSDENIED ((HRESULT)0x80070005L)
#define E_OUTOFMEMORY ((HRESULT)0x8007000EL)
#define E_INVALIDARG ((HRESULT)0x80070057L)
#define DISP_E_UNKNOWNINTERFACE ((HRESULT)0x80020001L)
#define DISP_E_MEMBERNOTFOUND ((HRESULT)0x80020003L)
#define DISP_E_PARAMNOTFOUND ((HRESULT)0x80020004L)
#define DISP_E_TYPEMISMATCH ((HRESULT)0x80020005L)
#define DISP_E_UNKNOWNNAME ((HRESULT)0x80020006L)
#define DISP_E_NONAMEDARGS ((HRESULT)0x80020007L)
#define DISP_E_BADVARTYPE ((HRESULT)0x80020008L)
#define DISP_E_EXCEPTION ((HRESULT)0x80020009L)
#define DISP_E_OVERFLOW ((HRESULT)0x8002000AL)
#define DISP_E_BADINDEX ((HRESULT)0x8002000BL)
#define DISP_E_BADPARAMCOUNT ((HRESULT)0x8002000EL)
#define DISP_E_PARAMNOTOPTIONAL ((HRESULT)0x8002000FL)
#define TYPE_E_ELEMENTNOTFOUND ((HRESULT)0x8002802BL)
#define CLASS_E_NOAGGREGATION ((HRESULT)0x80040110L)
#define CLASS_E_CLASSNOTAVAILABLE ((HRESULT)0x80040111L)
#define REGDB_E_CLASSNOTREG ((HRESULT)0x80040154L)
#define CONNECT_E_NOCONNECTION ((HRESULT)0x80040200L)
#define CONNECT_E_ADVISELIMIT ((HRESULT)0x80040201L)
#define CONNECT_E_CANNOTCONNECT ((HRESULT)0x80040202L)
#define SELFREG_E_TYPELIB ((HRESULT)0x80040200L)
#define SELFREG_E_CLASS ((HRESULT)0x80040201L)

/* Errors raised by the host runtime carry 0x800A0000 + their number; the library's own
 * carry 0x80040000 + their code. */
#define PAGINOR_STANDARD_ERROR(number) ((HRESULT)(0x800A0000UL + (number)))
#define PAGINOR_OWN_ERROR(code) ((HRESULT)(0x80040000UL + (code)))

typedef struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
} GUID;
typedef GUID IID;
typedef GUID CLSID;
#ifdef __cplusplus
typedef const GUID& REFGUID;
typedef const IID& REFIID;
typedef const CLSID& REFCLSID;
inline bool operator==(const GUID& a, const GUID& b) {
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           __builtin_memcmp(a.Data4, b.Data4, 8) == 0;
}
inline bool operator!=(const GUID& a, const GUID& b) {
    return !(a == b);
}
#else
typedef const GUID* REFGUID;
typedef const IID* REFIID;
typedef const CLSID* REFCLSID;
#endif

enum VARENUM {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_UI1 = 17,
    VT_BYREF = 0x4000
};

#ifdef __cplusplus
struct IUnknown;
struct IDispatch;
#else
typedef struct IUnknown IUnknown;
typedef struct IDispatch IDispatch;
#endif

/* A record held by a VARIANT (its union's widest member, 16 bytes). */
struct PaginorRecord {
    void* pvRecord;
    void* pRecInfo;
};

typedef struct VARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        int64_t llVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        FLOAT fltVal;
        DOUBLE dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        SHORT* piVal;
        LONG* plVal;
        FLOAT* pfltVal;
        DOUBLE* pdblVal;
        VARIANT_BOOL* pboolVal;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        struct VARIANT* pvarVal;
        void* byref;
        struct PaginorRecord brecVal;
    };
} VARIANT;
typedef VARIANT VARIANTARG;

typedef struct DISPPARAMS {
    VARIANTARG* rgvarg; /* arguments in reverse order: the last one first */
    DISPID* rgdispidNamedArgs;
    UINT cArgs;
    UINT cNamedArgs;
} DISPPARAMS;

typedef struct EXCEPINFO {
    WORD wCode;
    WORD wReserved;
    BSTR bstrSource;
    BSTR bstrDescription;
    BSTR bstrHelpFile;
    DWORD dwHelpContext;
    void* pvReserved;
    HRESULT (*pfnDeferredFillIn)(struct EXCEPINFO*);
    SCODE scode;
} EXCEPINFO;

#define DISPATCH_METHOD 0x1
#define DISPATCH_PROPERTYGET 0x2
#define DISPATCH_PROPERTYPUT 0x4
#define DISPATCH_PROPERTYPUTREF 0x8
#define DISPID_UNKNOWN ((DISPID)-1)
#define DISPID_VALUE ((DISPID)0)
#define DISPID_PROPERTYPUT ((DISPID)-3)
#define DISPID_FONT ((DISPID)-512)

#ifdef __cplusplus
struct ITypeInfo;

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID riid, void** ppv) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
};

struct IDispatch : IUnknown {
    virtual HRESULT GetTypeInfoCount(UINT* pctinfo) = 0;
    virtual HRESULT GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT GetIDsOfNames(REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid,
                                  DISPID* rgDispId) = 0;
    virtual HRESULT Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                           DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                           UINT* puArgErr) = 0;
};

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) = 0;
    virtual HRESULT LockServer(BOOL fLock) = 0;
};
#else
typedef struct ITypeInfo ITypeInfo;

typedef struct IUnknownVtbl {
    HRESULT (*QueryInterface)(IUnknown* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IUnknown* self);
    ULONG (*Release)(IUnknown* self);
} IUnknownVtbl;
struct IUnknown {
    const IUnknownVtbl* lpVtbl;
};

typedef struct IDispatchVtbl {
    HRESULT (*QueryInterface)(IDispatch* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IDispatch* self);
    ULONG (*Release)(IDispatch* self);
    HRESULT (*GetTypeInfoCount)(IDispatch* self, UINT* pctinfo);
    HRESULT (*GetTypeInfo)(IDispatch* self, UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT(*GetIDsOfNames)
    (IDispatch* self, REFIID riid, OLECHAR** rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId);
    HRESULT(*Invoke)
    (IDispatch* self, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
     DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
} IDispatchVtbl;
struct IDispatch {
    const IDispatchVtbl* lpVtbl;
};

typedef struct IClassFactory IClassFactory;
typedef struct IClassFactoryVtbl {
    HRESULT (*QueryInterface)(IClassFactory* self, REFIID riid, void** ppv);
    ULONG (*AddRef)(IClassFactory* self);
    ULONG (*Release)(IClassFactory* self);
    HRESULT (*CreateInstance)(IClassFactory* self, IUnknown* pUnkOuter, REFIID riid, void** ppv);
    HRESULT (*LockServer)(IClassFactory* self, BOOL fLock);
} IClassFactoryVtbl;
struct IClassFactory {
    const IClassFactoryVtbl* lpVtbl;
};
#endif

PAGINOR_DATA const IID IID_IUnknown;
PAGINOR_DATA const IID IID_IDispatch;
PAGINOR_DATA const IID IID_IClassFactory;
PAGINOR_DATA const IID IID_NULL;

/* BSTR and VARIANT services a host needs to talk to the library. */
PAGINOR_API BSTR SysAllocString(const OLECHAR* text);
PAGINOR_API BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
PAGINOR_API void SysFreeString(BSTR text);
PAGINOR_API UINT SysStringLen(BSTR text);
PAGINOR_API UINT SysStringByteLen(BSTR text);
PAGINOR_API void VariantInit(VARIANT* v);
PAGINOR_API HRESULT VariantClear(VARIANT* v);
PAGINOR_API HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);
PAGINOR_API HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, USHORT flags, VARTYPE vt);

/* The four in-process server entry points. */
PAGINOR_API HRESULT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv);
PAGINOR_API HRESULT DllCanUnloadNow(void);
PAGINOR_API HRESULT DllRegisterServer(void);
PAGINOR_API HRESULT DllUnregisterServer(void);

#endif
