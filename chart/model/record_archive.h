// CRecordArchive: the archive primitives of the chart's records (version byte, ints, texts,
// colours) over a CArchive, one call per field for both directions.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <initializer_list>

#include "CtlColor.h"

class CRecordArchive
{
public:
    explicit CRecordArchive(CArchive& ar) : m_ar(ar) {}

    bool IsStoring() const { return m_ar.IsStoring() != FALSE; }

    // Storing writes nWritten and returns it; loading reads the version byte and returns it. A
    // newer version is read as nWritten: its fields come first and in the same order, so a file
    // written by a later release still loads.
    int Version(int nWritten);
    // The version byte of a record whose reader ignores it: written as nWritten, skipped on loading.
    void IgnoredVersion(int nWritten);

    void Int(int& n);
    void Ints(std::initializer_list<int*> fields);
    void Text(CString& str);
    void Texts(std::initializer_list<CString*> fields);
    void Color(CCtlColor& colour);
    void Colors(std::initializer_list<CCtlColor*> fields);
    // Loading only: reads nCount texts and drops them.
    void SkipTexts(int nCount);

private:
    CArchive& m_ar;
};

// A text in the framework's string form, read with its length checked against what the file
// still holds: a length beyond the end raises endOfFile before any memory is taken for it.
void ReadArchiveText(CArchive& ar, CString& str);
// A string list as CStringArray::Serialize stores it (count, then the texts), read through
// ReadArchiveText into out, which is emptied first.
void ReadArchiveTextList(CArchive& ar, CStringArray& out);
void WriteArchiveTextList(CArchive& ar, const CStringArray* pList);
