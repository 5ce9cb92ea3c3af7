// The image map: image ids to bitmap files, loaded on first use.
#include "ResourceMap.h"

#include "InstallFolders.h"
#include "XMLHelper.h"
#include "owned_entries.h"
#include "skin_file.h"

CResourceItemMap CResourceMap::m_mapData;
CArray<CBitmap*, CBitmap*> CResourceMap::s_arrRetired;

namespace {

const char kDefaultGroup[] = "default";
const UINT kLoadFlags = LR_LOADFROMFILE | LR_DEFAULTSIZE | LR_CREATEDIBSECTION;

// An entry names a file below the image folder: no drive, no root, no ".." step out of it.
// No CP949 trail byte is a backslash, slash, dot or colon, so a byte scan is safe.
bool StaysInImageFolder(const char* relative)
{
    if (relative[0] == '\\' || relative[0] == '/')
        return false;
    const char* part = relative;
    for (const char* p = relative;; ++p) {
        if (*p == ':')
            return false;
        if (*p == '\\' || *p == '/' || *p == '\0') {
            if (p - part == 2 && part[0] == '.' && part[1] == '.')
                return false;
            if (*p == '\0')
                return true;
            part = p + 1;
        }
    }
}

} // namespace

CResourceItem::CResourceItem() : m_pBitmap(NULL) {}

CResourceItem::CResourceItem(const CString& path) : m_pBitmap(NULL), m_strPath(path) {}

CResourceItem::~CResourceItem()
{
    delete m_pBitmap;
}

CBitmap* CResourceItem::GetBitmap()
{
    if (m_pBitmap == NULL) {
        m_pBitmap = new CBitmap;
        HANDLE image = ::LoadImageA(NULL, m_strPath, IMAGE_BITMAP, 0, 0, kLoadFlags);
        if (image != NULL)
            m_pBitmap->Attach(static_cast<HBITMAP>(image));
    }
    return m_pBitmap;
}

void CResourceItem::SetPath(const CString& path)
{
    m_strPath = path;
}

CBitmap* CResourceItem::DetachBitmap()
{
    CBitmap* bitmap = m_pBitmap;
    m_pBitmap = NULL;
    return bitmap;
}

CResourceMap::CResourceMap() {}

CResourceMap::~CResourceMap()
{
    Release();
}

int CResourceMap::Load(CString path, CString group)
{
    if (group.IsEmpty())
        group = kDefaultGroup;

    CResourceItemMap loaded;
    CStringArray groups;
    CStringArray errors;
    const skin_file::ReadResult result =
        skin_file::ReadGroup(path, "RESOURCEMAP", group, groups, [&](CXMLNode& node) {
            const CString idText = node.GetValue("id");
            WORD id = 0;
            if (!skin_file::ParseId(idText, id)) {
                CString error;
                error.Format("id \"%s\": bad id", static_cast<const char*>(idText));
                errors.Add(error);
                return;
            }
            const CString folder = node.GetValue("path");
            CString relative = node.GetValue("file");
            if (!folder.IsEmpty())
                relative = folder + "\\" + relative;
            if (!StaysInImageFolder(relative)) {
                CString error;
                error.Format("id %u: \"%s\" is outside the image folder", id, static_cast<const char*>(relative));
                errors.Add(error);
                return;
            }
            CString full(GetImageDir());
            full += relative;
            CResourceItem* item = NULL;
            if (loaded.Lookup(id, item))
                item->SetPath(full); // a later entry with the same id answers
            else
                loaded.SetAt(id, new CResourceItem(full));
        });
    if (result == skin_file::kUnreadable)
        return FALSE;

    // Items whose file stays the same keep their bitmap; every other loaded bitmap is retired,
    // not freed, since controls may still hold it or its handle.
    POSITION pos = m_mapData.GetStartPosition();
    while (pos != NULL) {
        WORD id = 0;
        CResourceItem* old = NULL;
        m_mapData.GetNextAssoc(pos, id, old);
        CResourceItem* item = NULL;
        if (loaded.Lookup(id, item) && item->GetPath().CompareNoCase(old->GetPath()) == 0) {
            loaded.SetAt(id, old);
            delete item;
            continue;
        }
        CBitmap* bitmap = old->DetachBitmap();
        if (bitmap != NULL)
            s_arrRetired.Add(bitmap);
        delete old;
    }
    owned_entries::MoveAll(loaded, m_mapData);
    m_arrGroup.Copy(groups);
    m_arrErrors.Copy(errors);
    for (INT_PTR i = 0; i < errors.GetSize(); ++i)
        TRACE("ResourceMap %s: %s\n", static_cast<const char*>(path), static_cast<const char*>(errors[i]));
    return result == skin_file::kLoaded ? TRUE : FALSE;
}

void CResourceMap::Release()
{
    owned_entries::DeleteValues(m_mapData);
    owned_entries::DeleteElements(s_arrRetired);
    m_arrGroup.RemoveAll();
    m_arrErrors.RemoveAll();
}

CBitmap* CResourceMap::GetBitmap(WORD id)
{
    CResourceItem* item = NULL;
    return m_mapData.Lookup(id, item) ? item->GetBitmap() : NULL;
}

CString CResourceMap::GetPath(WORD id)
{
    CResourceItem* item = NULL;
    return m_mapData.Lookup(id, item) ? item->GetPath() : CString();
}
