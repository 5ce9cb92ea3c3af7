// Record fields in both directions, and texts read with their lengths checked.
#include "record_archive.h"

#include <afxcoll.h>

#include <vector>

namespace {

// Bytes the file still holds after what the archive has consumed, or ~0 when the file cannot
// tell (the text is then read in pieces by the framework's own rule).
ULONGLONG RemainingBytes(CArchive& ar)
{
    try {
        ar.Flush(); // a loading archive hands back what it read ahead
        CFile* pFile = ar.GetFile();
        ULONGLONG nLength = pFile->GetLength();
        ULONGLONG nPosition = pFile->GetPosition();
        return nLength > nPosition ? nLength - nPosition : 0;
    } catch (CException* e) {
        e->Delete();
        return ~ULONGLONG(0);
    }
}

void ReadExactly(CArchive& ar, void* pBuffer, UINT nBytes)
{
    if (ar.Read(pBuffer, nBytes) != nBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

} // namespace

void ReadArchiveText(CArchive& ar, CString& str)
{
    // Prefix: one byte below 255; 0xFF and a WORD below 0xFFFE; 0xFF, 0xFFFF and a DWORD (a
    // DWORD of 0xFFFFFFFF is followed by a 64-bit length). 0xFF 0xFFFE announces UTF-16 text
    // whose length, in 16-bit units, follows in the same form.
    UINT nCharSize = 1;
    BYTE bLength;
    WORD wLength = 0;
    ar >> bLength;
    if (bLength == 0xFF) {
        ar >> wLength;
        if (wLength == 0xFFFE) {
            nCharSize = 2;
            ar >> bLength;
            if (bLength == 0xFF)
                ar >> wLength;
        }
    }
    ULONGLONG nUnits = bLength;
    if (bLength == 0xFF) {
        nUnits = wLength;
        if (wLength == 0xFFFF) {
            DWORD dwLength;
            ar >> dwLength;
            nUnits = dwLength;
            if (dwLength == 0xFFFFFFFF)
                ar >> nUnits;
        }
    }
    // Short texts are read into a buffer on the stack; a longer one is checked against what
    // the file still holds before its buffer is taken.
    const ULONGLONG nLimit = 0x7FFFFFFF; // what a CString can hold
    const UINT kSmall = 512;
    alignas(4) char onStack[kSmall + 2];
    std::vector<char> large;
    char* pBuffer = onStack;
    if (nUnits * nCharSize > kSmall) {
        if (nUnits > nLimit / nCharSize || nUnits * nCharSize > RemainingBytes(ar))
            AfxThrowArchiveException(CArchiveException::endOfFile);
        large.resize(size_t(nUnits * nCharSize) + 2);
        pBuffer = large.data();
    }
    ReadExactly(ar, pBuffer, UINT(nUnits * nCharSize));
    if (nCharSize == 2)
        str = CString(reinterpret_cast<LPCWSTR>(pBuffer), int(nUnits));
    else
        str = CString(pBuffer, int(nUnits));
}

void ReadArchiveTextList(CArchive& ar, CStringArray& out)
{
    out.RemoveAll();
    DWORD_PTR nCount = ar.ReadCount();
    // Every text takes at least its one-byte prefix.
    if (nCount > RemainingBytes(ar))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        CString str;
        ReadArchiveText(ar, str);
        out.Add(str);
    }
}

void WriteArchiveTextList(CArchive& ar, const CStringArray* pList)
{
    INT_PTR nCount = pList != NULL ? pList->GetSize() : 0;
    ar.WriteCount(DWORD_PTR(nCount));
    for (INT_PTR i = 0; i < nCount; ++i)
        ar << pList->GetAt(i);
}

int CRecordArchive::Version(int nWritten)
{
    if (IsStoring()) {
        m_ar << BYTE(nWritten);
        return nWritten;
    }
    BYTE nVersion;
    m_ar >> nVersion;
    return nVersion > nWritten ? nWritten : int(nVersion);
}

void CRecordArchive::IgnoredVersion(int nWritten)
{
    Version(nWritten);
}

void CRecordArchive::Int(int& n)
{
    if (IsStoring())
        m_ar << n;
    else
        m_ar >> n;
}

void CRecordArchive::Ints(std::initializer_list<int*> fields)
{
    for (int* p : fields)
        Int(*p);
}

void CRecordArchive::Text(CString& str)
{
    if (IsStoring())
        m_ar << str;
    else
        ReadArchiveText(m_ar, str);
}

void CRecordArchive::Texts(std::initializer_list<CString*> fields)
{
    for (CString* p : fields)
        Text(*p);
}

void CRecordArchive::Color(CCtlColor& colour) { colour.Serialize(m_ar); }

void CRecordArchive::Colors(std::initializer_list<CCtlColor*> fields)
{
    for (CCtlColor* p : fields)
        Color(*p);
}

void CRecordArchive::SkipTexts(int nCount)
{
    CString dropped;
    for (int i = 0; i < nCount; ++i)
        ReadArchiveText(m_ar, dropped);
}
