// Bitmaps by id, read from the image file ("ResourceMap.xml"): root "RESOURCEMAP", one child per
// named group (attribute "text"), one child per image with "id", "path" (a folder under the
// install root's Images\) and "file". A bitmap is loaded from its file on first use. The map
// owns items and bitmaps; controls borrow them, and a bitmap once handed out (with its handle)
// stays valid until SharedKit unloads, across reloads.
#pragma once

#include <afxcoll.h>
#include <afxtempl.h>
#include <afxwin.h>

#include "SharedKitApi.h"

class SHAREDKIT_API CResourceItem
{
public:
    CResourceItem();
    explicit CResourceItem(const CString& path);
    ~CResourceItem();

    // The bitmap of the file, loaded on the first call; a file that cannot be loaded gives a
    // bitmap without a handle, now and later (it is not tried again).
    CBitmap* GetBitmap();
    void SetPath(const CString& path);
    const CString& GetPath() const { return m_strPath; }
    // Hands the bitmap over to the caller (the item forgets it).
    CBitmap* DetachBitmap();

private:
    CResourceItem(const CResourceItem&) = delete;
    CResourceItem& operator=(const CResourceItem&) = delete;

    CBitmap* m_pBitmap;
    CString m_strPath;
};

typedef CMap<WORD, WORD, CResourceItem*, CResourceItem*> CResourceItemMap;

class SHAREDKIT_API CResourceMap : public CObject
{
public:
    CResourceMap();
    virtual ~CResourceMap();

    // As CColorMap::Load; no image file is opened here.
    int Load(CString path, CString group);
    // Frees every item and bitmap, retired ones included.
    void Release();

    // NULL for an absent id.
    static CBitmap* GetBitmap(WORD id);
    // The item's full path, empty for an absent id.
    static CString GetPath(WORD id);

    const CStringArray& GetGroupNames() const { return m_arrGroup; }
    const CStringArray& GetLoadErrors() const { return m_arrErrors; }

    static CResourceItemMap m_mapData;

protected:
    CStringArray m_arrGroup;
    CStringArray m_arrErrors;

private:
    // Bitmaps of items dropped or re-pointed by a reload, kept for their borrowers until Release.
    static CArray<CBitmap*, CBitmap*> s_arrRetired;
};
