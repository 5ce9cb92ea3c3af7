// CArchive: the framework's binary serialisation stream over a CFile. Little-endian values,
// length-prefixed strings, object graphs with class records. Included by afx.h.
#pragma once

class CDocument;
struct CArchiveMaps;

class AFX_PLATFORM_API CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };
    // Tags of the object format.
    enum
    {
        wNullTag = 0,
        wNewClassTag = 0xFFFF,
        wClassTag = 0x8000,
        wBigObjectTag = 0x7FFF,
        nMaxMapCount = 0x3FFFFFFE
    };
    static const DWORD dwBigClassTag = 0x80000000;

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    // Closes (flushing a storing archive) unless constructed with bNoFlushOnDelete; a failure
    // at that point is swallowed, so call Close() to see it.
    ~CArchive();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }
    // The schema of the object being loaded; reading it resets it to (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes. Read returns fewer than nMax only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    // Detaches from the file without flushing and without throwing.
    void Abort();

    // Text lines: WriteString writes the bytes as they are (no terminator); ReadString reads up to
    // "\n" or "\r\n" and drops it.
    void WriteString(LPCSTR lpsz);
    LPSTR ReadString(LPSTR lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    // Object graphs.
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    void MapObject(const CObject* pOb);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void WriteClass(const CRuntimeClass* pClassRef);
    void SerializeClass(const CRuntimeClass* pClassRef);
    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128);
    void SetLoadParams(UINT nGrowBy = 1024);

    // Element counts: a WORD, or 0xFFFF and a DWORD.
    DWORD_PTR ReadCount();
    void WriteCount(DWORD_PTR dwCount);

    CArchive& operator<<(bool b);
    CArchive& operator<<(char ch);
    CArchive& operator<<(BYTE by);
    CArchive& operator<<(short w);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(wchar_t ch);
    CArchive& operator<<(int i);
    CArchive& operator<<(UINT u);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(LONGLONG dwdw);
    CArchive& operator<<(ULONGLONG dwdw);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);

    CArchive& operator>>(bool& b);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(short& w);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(wchar_t& ch);
    CArchive& operator>>(int& i);
    CArchive& operator>>(UINT& u);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(LONGLONG& dwdw);
    CArchive& operator>>(ULONGLONG& dwdw);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);

    CDocument* m_pDocument;

protected:
    void CheckStoring() const;
    void CheckLoading() const;
    void FillBuffer(UINT nBytesNeeded);
    void WriteRaw(const void* p, UINT n);
    void ReadRaw(void* p, UINT n);
    // One byte of a text line: 1 with the byte in ch, -1 at the line's end, 0 at the file's end.
    int ReadLineChar(char& ch);

    UINT m_nMode;
    CFile* m_pFile;
    CString m_strFileName;
    UINT m_nObjectSchema;
    UINT m_nBufSize;
    BOOL m_bUserBuf;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    CArchiveMaps* m_pMaps;

private:
    CArchive(const CArchive&) = delete;
    void operator=(const CArchive&) = delete;
};

AFX_PLATFORM_API CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb);
AFX_PLATFORM_API CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb);
AFX_PLATFORM_API CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb);

// Strings: the length (one byte below 255; 0xFF and a WORD below 0xFFFE; 0xFF, 0xFFFF and a
// DWORD), then the bytes. A UTF-16 string (0xFF 0xFFFE prefix) is read and converted to the
// ANSI code page.
AFX_PLATFORM_API CArchive& AFXAPI operator<<(CArchive& ar, const CString& str);
AFX_PLATFORM_API CArchive& AFXAPI operator>>(CArchive& ar, CString& str);
// A text pointer is stored as a CString would be (rather than as the bool it converts to).
AFX_PLATFORM_API CArchive& AFXAPI operator<<(CArchive& ar, LPCSTR lpsz);

// Times travel as 64-bit second counts.
AFX_PLATFORM_API CArchive& AFXAPI operator<<(CArchive& ar, CTime time);
AFX_PLATFORM_API CArchive& AFXAPI operator>>(CArchive& ar, CTime& rtime);
AFX_PLATFORM_API CArchive& AFXAPI operator<<(CArchive& ar, CTimeSpan span);
AFX_PLATFORM_API CArchive& AFXAPI operator>>(CArchive& ar, CTimeSpan& rspan);
