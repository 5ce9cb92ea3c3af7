// A dated log channel: one text file a day in its folder, one time-stamped line per call,
// flushed at once. Lines are "%02d:%02d:%02d:%d %s" (hour, minute, second, milliseconds
// times 1000000, text), each ending in one CR LF.
#pragma once

#include <afx.h>
#include <afxmt.h>
#include "ToolBeltApi.h"

class TOOLBELT_API CLogger
{
public:
    CLogger();
    virtual ~CLogger();

    // Chooses the day file in dir (created with its parents when missing) and closes a file
    // still open from an earlier path. append 0 deletes an existing day file at Open.
    void SetFilePath(CString dir, CString name, int append);
    // Opens the day file and writes "[Log Started].". False when the channel is already open,
    // has no path, or its file cannot be opened (the channel then stays closed).
    bool Open();
    // Writes one line; false when the channel is not open or the line could not be written.
    // The first line of a new day goes to that day's file, after "[Log Continue].".
    bool WriteLog(const char* text);
    CString GetFilePath();
    // Numbered channels never reuse a day file that exists when a file name is chosen.
    void SetNumbered(BOOL numbered);
    void Close();

private:
    CLogger(const CLogger&) = delete;
    CLogger& operator=(const CLogger&) = delete;

    CString MakeFileName(const SYSTEMTIME& now) const;
    bool OpenFile();
    bool IsFileOpen() const;
    void CloseFile();
    bool WriteLine(const char* text, const SYSTEMTIME& now);

    CCriticalSection m_lock;
    CString m_strFilePath;
    CString m_strDir;
    int m_bAppend;
    CStdioFile m_file;
    int m_bOpen;
    CString m_strName;
    int m_nDay; // yyyymmdd of the current file
    int m_bNumbered;
};
