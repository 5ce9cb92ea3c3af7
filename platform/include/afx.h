// Core of the framework layer: CObject and run-time class information, CString, exceptions,
// files, archives and time values.
#pragma once

#include "afxplatform_.h"
#include <stddef.h>
#include <string.h>
#include <tchar.h>
#include "afxstr_.h"

class CObject;
class CArchive;
class CDumpContext;
class CFile;
class CException;
struct CRuntimeClass;

// Iteration handle of the framework's lists and maps.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Schema numbers carried by serialisable classes.
#define VERSIONABLE_SCHEMA (0x80000000)

/////////////////////////////////////////////////////////////////////////////
// Run-time class information

struct AFX_PLATFORM_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF for classes that are not serialisable
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass; // process-wide list of registered classes
    const void* m_pClassInit;

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    BOOL IsSerializable() const { return (m_wSchema & ~VERSIONABLE_SCHEMA) != 0xFFFF; }

    // Dynamic creation by class name (classes declared with DECLARE_DYNCREATE or DECLARE_SERIAL).
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);

    // Class records of the archive format.
    void Store(CArchive& ar) const;
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
};

// Registers a class in the process-wide list at static initialisation and takes it out again
// when its module goes away.
struct AFX_PLATFORM_API AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;
    CRuntimeClass* m_pClass;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                        \
protected:                                                                                                 \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                          \
                                                                                                           \
public:                                                                                                    \
    static CRuntimeClass class##class_name;                                                                \
    static CRuntimeClass* PASCAL GetThisClass();                                                           \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                      \
    DECLARE_DYNAMIC(class_name)                                                                            \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name)                                                                         \
    DECLARE_DYNCREATE(class_name)                                                                          \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb)                                    \
    {                                                                                                      \
        pOb = static_cast<class_name*>(AfxReadObjectFromArchive(ar, RUNTIME_CLASS(class_name)));           \
        return ar;                                                                                         \
    }

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                               \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); }           \
    CRuntimeClass class_name::class##class_name = {#class_name,          sizeof(class class_name),         \
                                                   wSchema,              pfnNew,                           \
                                                   &class_name::_GetBaseClass, NULL, NULL};                \
    CRuntimeClass* PASCAL class_name::GetThisClass() { return &class_name::class##class_name; }            \
    CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }          \
    static const AFX_CLASSINIT _afx_init_##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                     \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                   \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                                 \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                             \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                                 \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)

/////////////////////////////////////////////////////////////////////////////
// CObject

class AFX_PLATFORM_API CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();
    static CRuntimeClass* PASCAL _GetBaseClass();

protected:
    CObject() noexcept {}

private:
    CObject(const CObject&) = delete;
    void operator=(const CObject&) = delete;
};

// Reads one object reference of the archive format, checking it is a pClass (used by
// DECLARE_SERIAL's extraction operator).
AFX_PLATFORM_API CObject* AFXAPI AfxReadObjectFromArchive(CArchive& ar, CRuntimeClass* pClass);

// pObject when it is a pClass, else null.
AFX_PLATFORM_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object)                                                               \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

/////////////////////////////////////////////////////////////////////////////
// Diagnostics: a dump context that writes to the debugger output.

class AFX_PLATFORM_API CDumpContext
{
public:
    explicit CDumpContext(CFile* pFile = NULL);
    int GetDepth() const { return m_nDepth; }
    void SetDepth(int nNewDepth) { m_nDepth = nNewDepth; }
    CDumpContext& operator<<(LPCSTR lpsz);
    CDumpContext& operator<<(const CString& str) { return *this << str.GetString(); }
    CDumpContext& operator<<(const void* lp);
    CDumpContext& operator<<(const CObject* pOb);
    CDumpContext& operator<<(const CObject& ob);
    CDumpContext& operator<<(BYTE by);
    CDumpContext& operator<<(WORD w);
    CDumpContext& operator<<(UINT u);
    CDumpContext& operator<<(LONG l);
    CDumpContext& operator<<(DWORD dw);
    CDumpContext& operator<<(int n);
    CDumpContext& operator<<(double d);
    CDumpContext& operator<<(float f);
    CDumpContext& operator<<(LONGLONG n);
    CDumpContext& operator<<(ULONGLONG n);
    void HexDump(LPCSTR lpszLine, BYTE* pby, int nBytes, int nWidth);
    void Flush();

private:
    int m_nDepth;
    CFile* m_pFile;
};
extern AFX_PLATFORM_API CDumpContext afxDump;

/////////////////////////////////////////////////////////////////////////////
// Exceptions: thrown as pointers, deleted by the handler with Delete().

class AFX_PLATFORM_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException() noexcept;
    explicit CException(BOOL bAutoDelete) noexcept;
    virtual ~CException();

    void Delete();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    // Shows the error text in a message box (nMessageID's string when there is none).
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;
};

// An exception with an optional message; the framework's preallocated kinds derive from it.
class AFX_PLATFORM_API CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException() noexcept;
    explicit CSimpleException(BOOL bAutoDelete) noexcept;
    virtual ~CSimpleException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

protected:
    LPCSTR m_pszMessage; // static text, or null
};

class AFX_PLATFORM_API CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() noexcept;
    virtual ~CMemoryException();
};

class AFX_PLATFORM_API CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() noexcept;
    virtual ~CNotSupportedException();
};

class AFX_PLATFORM_API CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException() noexcept;
    virtual ~CInvalidArgException();
};

class AFX_PLATFORM_API CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() noexcept;
    virtual ~CResourceException();
};

class AFX_PLATFORM_API CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() noexcept;
    virtual ~CUserException();
};

class AFX_PLATFORM_API CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = CFileException::none, LONG lOsError = -1, LPCSTR lpszArchiveName = NULL);
    virtual ~CFileException();

    // Maps a Win32 error code or a C runtime errno value to a cause.
    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    [[noreturn]] static void PASCAL ThrowOsError(LONG lOsError, LPCSTR lpszFileName = NULL);
    [[noreturn]] static void PASCAL ThrowErrno(int nErrno, LPCSTR lpszFileName = NULL);

    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class AFX_PLATFORM_API CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = CArchiveException::none, LPCSTR lpszArchiveName = NULL);
    virtual ~CArchiveException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowInvalidArgException();
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowResourceException();
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowUserException();
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = NULL);
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                                                LPCSTR lpszFileName = NULL);

// Checks that throw CInvalidArgException in every build.
#define ENSURE(cond)                                                                                       \
    do {                                                                                                   \
        if (!(cond))                                                                                       \
            AfxThrowInvalidArgException();                                                                 \
    } while (0)
#define ENSURE_ARG(cond) ENSURE(cond)
#define ENSURE_VALID(pOb) ENSURE((pOb) != NULL)

// The framework's exception macros. An exception caught by CATCH/AND_CATCH is deleted at
// END_CATCH unless the handler rethrows it with THROW_LAST().
struct AFX_EXCEPTION_LINK
{
    CException* m_pException = NULL;
    ~AFX_EXCEPTION_LINK()
    {
        if (m_pException != NULL)
            m_pException->Delete();
    }
};

#define TRY                                                                                                \
    {                                                                                                      \
        AFX_EXCEPTION_LINK _afxExceptionLink;                                                              \
        try {
#define CATCH(class_name, e)                                                                               \
    }                                                                                                      \
    catch (class_name * e)                                                                                 \
    {                                                                                                      \
        _afxExceptionLink.m_pException = e;
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH                                                                                          \
    }                                                                                                      \
    }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL END_CATCH
#define THROW(e) throw e
#define THROW_LAST()                                                                                       \
    do {                                                                                                   \
        _afxExceptionLink.m_pException = NULL;                                                             \
        throw;                                                                                             \
    } while (0)

#include "afxtime_.h"
#include "afxfile_.h"
#include "afxarchive_.h"
