// The exception classes and the throw helpers.
#include "afx.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

namespace {

BOOL CopyMessage(LPCSTR text, LPSTR lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, text, int(nMaxError));
    return TRUE;
}

// "%1" in the template becomes the file name (or "an unnamed file").
BOOL CopyFileMessage(LPCSTR templ, const CString& fileName, LPSTR lpszError, UINT nMaxError)
{
    CString text(templ);
    text.Replace("%1", fileName.IsEmpty() ? "an unnamed file" : fileName.GetString());
    return CopyMessage(text, lpszError, nMaxError);
}

// The text for cause from a table indexed by cause (genericException when out of range).
template <size_t N>
BOOL CauseMessage(const char* const (&texts)[N], int cause, const CString& fileName, LPSTR lpszError,
                  UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (cause < 0 || cause >= int(N))
        cause = 1;
    return CopyFileMessage(texts[cause], fileName, lpszError, nMaxError);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CException

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException() noexcept : m_bAutoDelete(TRUE) {}
CException::CException(BOOL bAutoDelete) noexcept : m_bAutoDelete(bAutoDelete) {}
CException::~CException() {}

void CException::Delete()
{
    if (m_bAutoDelete > 0)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// The simple kinds

IMPLEMENT_DYNAMIC(CSimpleException, CException)

CSimpleException::CSimpleException() noexcept : m_pszMessage(nullptr) {}
CSimpleException::CSimpleException(BOOL bAutoDelete) noexcept : CException(bAutoDelete), m_pszMessage(nullptr) {}
CSimpleException::~CSimpleException() {}

BOOL CSimpleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (m_pszMessage == nullptr)
        return CException::GetErrorMessage(lpszError, nMaxError, nullptr);
    return CopyMessage(m_pszMessage, lpszError, nMaxError);
}

#define AFX_SIMPLE_EXCEPTION(class_name, message)                                                          \
    IMPLEMENT_DYNAMIC(class_name, CSimpleException)                                                        \
    class_name::class_name() noexcept { m_pszMessage = message; }                                          \
    class_name::~class_name() {}

AFX_SIMPLE_EXCEPTION(CMemoryException, "Out of memory.")
AFX_SIMPLE_EXCEPTION(CNotSupportedException, "An unsupported operation was attempted.")
AFX_SIMPLE_EXCEPTION(CInvalidArgException, "Encountered an improper argument.")
AFX_SIMPLE_EXCEPTION(CResourceException, "A required resource was unavailable.")
AFX_SIMPLE_EXCEPTION(CUserException, nullptr)

void AFXAPI AfxThrowMemoryException() { throw new CMemoryException; }
void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AFXAPI AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AFXAPI AfxThrowResourceException() { throw new CResourceException; }
void AFXAPI AfxThrowUserException() { throw new CUserException; }

/////////////////////////////////////////////////////////////////////////////
// CFileException

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

CFileException::~CFileException() {}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    struct Entry
    {
        LONG error;
        int cause;
    };
    static const Entry table[] = {
        {NO_ERROR, none},
        {ERROR_FILE_NOT_FOUND, fileNotFound},
        {ERROR_PATH_NOT_FOUND, badPath},
        {ERROR_TOO_MANY_OPEN_FILES, tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, accessDenied},
        {ERROR_INVALID_HANDLE, fileNotFound},
        {ERROR_BAD_FORMAT, invalidFile},
        {ERROR_INVALID_ACCESS, accessDenied},
        {ERROR_INVALID_DRIVE, badPath},
        {ERROR_CURRENT_DIRECTORY, removeCurrentDir},
        {ERROR_NOT_SAME_DEVICE, badPath},
        {ERROR_NO_MORE_FILES, fileNotFound},
        {ERROR_WRITE_PROTECT, accessDenied},
        {ERROR_BAD_UNIT, hardIO},
        {ERROR_NOT_READY, hardIO},
        {ERROR_BAD_COMMAND, hardIO},
        {ERROR_CRC, hardIO},
        {ERROR_BAD_LENGTH, badSeek},
        {ERROR_SEEK, badSeek},
        {ERROR_NOT_DOS_DISK, invalidFile},
        {ERROR_SECTOR_NOT_FOUND, badSeek},
        {ERROR_WRITE_FAULT, accessDenied},
        {ERROR_READ_FAULT, badSeek},
        {ERROR_SHARING_VIOLATION, sharingViolation},
        {ERROR_LOCK_VIOLATION, lockViolation},
        {ERROR_WRONG_DISK, badPath},
        {ERROR_SHARING_BUFFER_EXCEEDED, tooManyOpenFiles},
        {ERROR_HANDLE_EOF, endOfFile},
        {ERROR_HANDLE_DISK_FULL, diskFull},
        {ERROR_DUP_NAME, badPath},
        {ERROR_BAD_NETPATH, badPath},
        {ERROR_NETWORK_BUSY, accessDenied},
        {ERROR_DEV_NOT_EXIST, badPath},
        {ERROR_ADAP_HDW_ERR, hardIO},
        {ERROR_BAD_NET_RESP, accessDenied},
        {ERROR_UNEXP_NET_ERR, hardIO},
        {ERROR_BAD_REM_ADAP, invalidFile},
        {ERROR_NO_SPOOL_SPACE, directoryFull},
        {ERROR_NETNAME_DELETED, accessDenied},
        {ERROR_NETWORK_ACCESS_DENIED, accessDenied},
        {ERROR_BAD_DEV_TYPE, invalidFile},
        {ERROR_BAD_NET_NAME, badPath},
        {ERROR_TOO_MANY_NAMES, tooManyOpenFiles},
        {ERROR_SHARING_PAUSED, badPath},
        {ERROR_REQ_NOT_ACCEP, accessDenied},
        {ERROR_FILE_EXISTS, accessDenied},
        {ERROR_CANNOT_MAKE, accessDenied},
        {ERROR_ALREADY_ASSIGNED, badPath},
        {ERROR_INVALID_PASSWORD, accessDenied},
        {ERROR_NET_WRITE_FAULT, hardIO},
        {ERROR_DISK_CHANGE, fileNotFound},
        {ERROR_DRIVE_LOCKED, lockViolation},
        {ERROR_BUFFER_OVERFLOW, badPath},
        {ERROR_DISK_FULL, diskFull},
        {ERROR_NO_MORE_SEARCH_HANDLES, tooManyOpenFiles},
        {ERROR_INVALID_TARGET_HANDLE, invalidFile},
        {ERROR_INVALID_CATEGORY, hardIO},
        {ERROR_INVALID_NAME, badPath},
        {ERROR_INVALID_LEVEL, badPath},
        {ERROR_NO_VOLUME_LABEL, badPath},
        {ERROR_NEGATIVE_SEEK, badSeek},
        {ERROR_SEEK_ON_DEVICE, badSeek},
        {ERROR_DIR_NOT_ROOT, badPath},
        {ERROR_DIR_NOT_EMPTY, removeCurrentDir},
        {ERROR_LABEL_TOO_LONG, badPath},
        {ERROR_BAD_PATHNAME, badPath},
        {ERROR_LOCK_FAILED, lockViolation},
        {ERROR_BUSY, accessDenied},
        {ERROR_INVALID_ORDINAL, invalidFile},
        {ERROR_ALREADY_EXISTS, accessDenied},
        {ERROR_INVALID_EXE_SIGNATURE, invalidFile},
        {ERROR_BAD_EXE_FORMAT, invalidFile},
        {ERROR_FILENAME_EXCED_RANGE, badPath},
        {ERROR_META_EXPANSION_TOO_LONG, badPath},
        {ERROR_DIRECTORY, badPath},
        {ERROR_OPERATION_ABORTED, hardIO},
        {ERROR_IO_INCOMPLETE, hardIO},
        {ERROR_IO_PENDING, hardIO},
        {ERROR_SWAPERROR, accessDenied},
    };
    for (const Entry& e : table) {
        if (e.error == lOsError)
            return e.cause;
    }
    return genericException;
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno) {
    case EPERM:
    case EACCES:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EDEADLOCK:
        return sharingViolation;
    case EMFILE:
        return tooManyOpenFiles;
    case ENOENT:
    case ENFILE:
        return fileNotFound;
    case ENOSPC:
        return diskFull;
    case EINVAL:
    case EIO:
        return hardIO;
    default:
        return genericException;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName)
{
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const texts[] = {
        "No error occurred.",
        "An unexpected error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an incorrect path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An incorrect file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1.",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    return CauseMessage(texts, m_cause, m_strFileName, lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

/////////////////////////////////////////////////////////////////////////////
// CArchiveException

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

CArchiveException::~CArchiveException() {}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const texts[] = {
        "No error occurred.",
        "An unexpected error occurred while reading %1.",
        "An attempt was made to write to the reading %1.",
        "An attempt was made to access %1 past its end.",
        "An attempt was made to read from the writing %1.",
        "%1 has a bad format.",
        "%1 contained an unexpected object.",
        "%1 contains an incorrect schema.",
    };
    return CauseMessage(texts, m_cause, m_strFileName, lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
