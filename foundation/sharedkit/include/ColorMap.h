// Colours by id, read from the colour file ("colormap.xml"): root "COLORMAP", one child per
// named group (attribute "text"), one child per colour with "id", "text" and "color" ("r,g,b").
// One group is loaded at a time. The map owns its entries; controls borrow the pointers, and a
// pointer once handed out stays valid until SharedKit unloads: a reload updates the entries of
// ids that are still there in place and keeps the others alive (answering NULL) until then.
#pragma once

#include <afxcoll.h>
#include <afxtempl.h>
#include <afxwin.h>

#include "SharedKitApi.h"

// Ids of colours the foundation asks for.
enum : WORD {
    CLR_GRID_FONT_NORMAL = 101,
    CLR_GRID_FONT_UP = 102,
    CLR_GRID_FONT_DOWN = 103,
    CLR_GRID_BACK = 201,
    CLR_GRID_BACK_UP = 203,
    CLR_GRID_BACK_DOWN = 204,
    CLR_VIEW_BACKGROUND = 401,
};

class SHAREDKIT_API CColorInfo
{
public:
    CColorInfo();
    CColorInfo(const CString& name, COLORREF colour);
    CColorInfo(const CColorInfo& other);
    CColorInfo& operator=(const CColorInfo& other);

    const CString& GetName() const { return m_strName; }
    COLORREF GetColor() const { return m_clrColor; }

    CString m_strName;
    COLORREF m_clrColor;
};

typedef CMap<WORD, WORD, CColorInfo*, CColorInfo*> CColorInfoMap;

class SHAREDKIT_API CColorMap : public CObject
{
public:
    CColorMap();
    virtual ~CColorMap();

    // Loads the group (empty means "default") of the colour file. FALSE when the file cannot be
    // read (the colours stay as they were) or has no such group (the map is then empty).
    // Entries with a bad id or colour text are left out and listed in GetLoadErrors().
    int Load(CString path, CString group);
    // Frees every entry, retired ones included: only for when nothing borrows them any more.
    void Release();

    // Black for an absent id.
    static COLORREF GetColor(WORD id);
    // The entry or NULL; the grids' most used ids come from a cache.
    static CColorInfo* GetColorInfo(WORD id);
    // Empty for an absent id.
    static CString GetName(WORD id);

    const CStringArray& GetGroupNames() const { return m_arrGroup; }
    // What the last Load left out, one line per entry ("id 12: bad colour \"1,2\"").
    const CStringArray& GetLoadErrors() const { return m_arrErrors; }

    static CColorInfoMap m_mapData;
    static CColorInfo* m_pGriFontNomal;
    static CColorInfo* m_pGriFontUp;
    static CColorInfo* m_pGriFontDown;
    static CColorInfo* m_pGridBack;
    static CColorInfo* m_pGridBackUp;
    static CColorInfo* m_pGridBackDown;

protected:
    CStringArray m_arrGroup;
    CStringArray m_arrErrors;

private:
    void RefreshCache();
    // Entries dropped by a reload, kept for their borrowers until Release.
    static CArray<CColorInfo*, CColorInfo*> s_arrRetired;
};
