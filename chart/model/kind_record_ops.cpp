// Kind records by kind number: creation, archive form and deletion.
#include "Properties.h"

namespace {

template <class R>
void Serialize(void* pRecord, CArchive& ar)
{
    static_cast<R*>(pRecord)->Serialize(ar);
}

template <class R>
void Delete(void* pRecord)
{
    delete static_cast<R*>(pRecord);
}

struct KindOps
{
    void* (*create)();
    void (*serialize)(void*, CArchive&);
    void (*destroy)(void*);
};

template <class R>
KindOps OpsOf()
{
    return KindOps{[]() -> void* { return new R; }, &Serialize<R>, &Delete<R>};
}

const KindOps* OpsOfKind(int nKind)
{
    static const KindOps ops[] = {OpsOf<DLINEPROP>(),   OpsOf<DJAPANPROP>(), OpsOf<DAMERICAPROP>(),
                                  OpsOf<DBARPROP>(),    OpsOf<DBARPROP2>(),  OpsOf<DLINEPROP>(),
                                  OpsOf<DPIEPROP>(),    OpsOf<DMEAMULPROP>(), OpsOf<DHBARPROP>()};
    return nKind >= 0 && nKind < int(sizeof(ops) / sizeof(ops[0])) ? &ops[nKind] : NULL;
}

} // namespace

void* NewKindRecord(int nKind)
{
    const KindOps* pOps = OpsOfKind(nKind);
    return pOps != NULL ? pOps->create() : NULL;
}

void SerializeKindRecord(int nKind, void* pRecord, CArchive& ar)
{
    const KindOps* pOps = OpsOfKind(nKind);
    if (pOps != NULL && pRecord != NULL)
        pOps->serialize(pRecord, ar);
}

void DeleteKindRecord(int nKind, void* pRecord)
{
    const KindOps* pOps = OpsOfKind(nKind);
    if (pOps != NULL)
        pOps->destroy(pRecord);
}
