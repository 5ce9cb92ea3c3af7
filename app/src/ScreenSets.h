// Saved screen sets: the records of "savescr.dat" (every set), of the per-set files and of
// "savelastscr.dat" (one set followed by each screen's own data), in the framework's archive
// format.
#pragma once

#include <afx.h>
#include <afxtempl.h>
#include <afxwin.h>

#define SCREEN_SET_STAMP 2009122901
#define SCREEN_ITEM_STAMP 2013052301
// Records with a stamp above this carry the item code and account.
#define SCREEN_ITEM_STAMP_CODES 2010020500
// Screens of records with a stamp above this have their own data in the per-set file.
#define SCREEN_ITEM_STAMP_OWN_DATA 2010081800
// Screens of records with at least this stamp carry their window placement.
#define SCREEN_ITEM_STAMP_PLACEMENT 2013052301

#define SCREEN_SET_INDEX_FILE "savescr.dat"
#define SCREEN_SET_LAST_FILE "savelastscr.dat"

class CBaseView;

// One screen of a set.
class CSerializeItem : public CObject
{
public:
    CSerializeItem();
    virtual void Serialize(CArchive& ar);
    // Filled from an open screen: id, window text, window rectangle, code, account, placement.
    void FromScreen(CBaseView* view);
    BOOL HasOwnData() const { return m_nStamp > SCREEN_ITEM_STAMP_OWN_DATA; }

    int m_nStamp;
    CString m_strScreenID;
    CString m_strText;
    CRect m_rect;
    CString m_strCode;
    CString m_strAccount;
    WINDOWPLACEMENT m_placement;
    // Not stored in the set's records: the screen's own data, kept to rewrite a per-set file
    // whose screens are not open (the base view's one int).
    int m_nOwnData;
    BOOL m_bHasOwnData;
};

// One set.
class CSerializeItems : public CObject
{
public:
    enum { STATE_SAME = 0, STATE_NEW = 1, STATE_CHANGED = 2 };

    CSerializeItems();
    virtual ~CSerializeItems();
    virtual void Serialize(CArchive& ar);
    void RemoveAll();
    // Removes the first record of the screen number; FALSE when there is none.
    BOOL RemoveScreen(const CString& screenID);

    int m_nStamp;
    CString m_strNumber;
    CString m_strName;
    CArray<CSerializeItem*, CSerializeItem*> m_arrItems;
    int m_nState;
};

// The archive root: the sets of a file.
class CUserScrInfo : public CObject
{
public:
    CUserScrInfo();
    virtual ~CUserScrInfo();
    // Loading keeps the sets that were read whole and rethrows the error that stopped it.
    virtual void Serialize(CArchive& ar);
    void RemoveAll();
    void Add(CSerializeItems* set);
    CSerializeItems* Find(int number);
    BOOL Remove(int number);
    int GetCount() const { return (int)m_arrSets.GetSize(); }
    CSerializeItems* GetAt(int i) const { return m_arrSets[i]; }

    int m_nStamp;
    CArray<CSerializeItems*, CSerializeItems*> m_arrSets;
    CMap<int, int, CSerializeItems*, CSerializeItems*> m_mapSets;
};

enum ScreenSetRead {
    SCREENSET_READ = 0,   // read whole
    SCREENSET_MISSING,    // the file could not be opened
    SCREENSET_DAMAGED     // cut short or malformed: the sets read whole are kept
};

// Reads a file of sets into info (emptied first).
ScreenSetRead ReadScreenSets(const CString& path, CUserScrInfo& info);
// Reads a per-set file with each screen's own data behind the records (kept in the records).
ScreenSetRead ReadScreenSetWithData(const CString& path, CUserScrInfo& info);
// Writes info, then (withData) the own data of every record of its sets in order. FALSE when
// the file cannot be created or written.
BOOL WriteScreenSets(const CString& path, CUserScrInfo& info, BOOL withData);

// The user folder's files.
CString ScreenSetIndexPath();
CString ScreenSetFilePath(const CString& number);
CString LastScreensPath();
