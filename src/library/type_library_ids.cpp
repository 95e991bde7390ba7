// The fixed identifiers of the library, its classes and their interfaces, defined from the
// values in the member list. Chosen once; never change them: saved forms and compiled hosts
// bind to these values.
#include <paginor/PaginorV2CTL.h>

#define PAGINOR_GUID(l, w1, w2, b0, b1, b2, b3, b4, b5, b6, b7)                                    \
    {                                                                                              \
        l, w1, w2, {                                                                               \
            b0, b1, b2, b3, b4, b5, b6, b7                                                         \
        }                                                                                          \
    }
#define PAGINOR_DEFINE_IDS(name, kind, clsid, iid, diid)                                           \
    const CLSID CLSID_##name = PAGINOR_GUID clsid;                                                 \
    const IID IID__##name = PAGINOR_GUID iid;                                                      \
    const IID DIID___##name = PAGINOR_GUID diid;
#define PAGINOR_DEFINE_ALIAS_IDS(name, version, iid, diid)                                         \
    const IID IID_##name##___##version = PAGINOR_GUID iid;                                         \
    const IID DIID___##name##___##version = PAGINOR_GUID diid;

#define PAGINOR_GUID_OF(guid) PAGINOR_GUID guid
const GUID LIBID_PaginorV2CTL = PAGINOR_GUID_OF(PAGINOR_V2CTL_LIBID);
PAGINOR_V2CTL_CLASSES(PAGINOR_DEFINE_IDS, PAGINOR_DEFINE_ALIAS_IDS)
