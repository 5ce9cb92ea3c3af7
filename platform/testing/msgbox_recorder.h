// Message boxes in tests: every test process answers boxes without showing them (test_main.cpp);
// a CMsgBoxRecorder in scope also records each box and answers from a script.
#pragma once

#include <afxwin.h>

#include <deque>
#include <mutex>
#include <string>
#include <vector>

struct RecordedMessageBox
{
    HWND hWndOwner;
    std::string text;    // as passed (code page 949 bytes)
    std::string caption; // empty for a null caption
    UINT nType;
    DWORD nThreadId;
    int nAnswer;
};

// The answer of a user who dismisses the box: the only button of MB_OK, else the negative one
// (Cancel, No, Abort).
inline int AfxTestDismissAnswer(UINT nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDCANCEL; // OK/Cancel, Yes/No/Cancel, Retry/Cancel, Cancel/Try/Continue
    }
}

// Installs itself as the layer's message-box handler for its lifetime (recorders nest; the
// previous handler comes back on destruction). Safe to use from any thread.
class CMsgBoxRecorder
{
public:
    CMsgBoxRecorder() : m_pPrevious(Current())
    {
        Current() = this;
        m_pfnPrevious = AfxSetMessageBoxHandler(&CMsgBoxRecorder::Handler);
    }
    ~CMsgBoxRecorder()
    {
        AfxSetMessageBoxHandler(m_pfnPrevious);
        Current() = m_pPrevious;
    }
    CMsgBoxRecorder(const CMsgBoxRecorder&) = delete;
    CMsgBoxRecorder& operator=(const CMsgBoxRecorder&) = delete;

    // Answers for the next boxes, in order; after them each box is dismissed.
    void QueueAnswer(int nAnswer)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answers.push_back(nAnswer);
    }
    std::vector<RecordedMessageBox> Boxes() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_boxes;
    }
    size_t Count() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_boxes.size();
    }
    RecordedMessageBox Last() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_boxes.empty() ? RecordedMessageBox{} : m_boxes.back();
    }
    void Clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_boxes.clear();
    }

private:
    static CMsgBoxRecorder*& Current()
    {
        static CMsgBoxRecorder* pCurrent = nullptr;
        return pCurrent;
    }

    static int AFXAPI Handler(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
    {
        CMsgBoxRecorder* self = Current();
        if (self == nullptr)
            return AfxTestDismissAnswer(nType);
        std::lock_guard<std::mutex> lock(self->m_mutex);
        int nAnswer = AfxTestDismissAnswer(nType);
        if (!self->m_answers.empty()) {
            nAnswer = self->m_answers.front();
            self->m_answers.pop_front();
        }
        self->m_boxes.push_back({hWndOwner, lpszText != nullptr ? lpszText : "",
                                 lpszCaption != nullptr ? lpszCaption : "", nType, ::GetCurrentThreadId(), nAnswer});
        return nAnswer;
    }

    mutable std::mutex m_mutex;
    std::vector<RecordedMessageBox> m_boxes;
    std::deque<int> m_answers;
    CMsgBoxRecorder* m_pPrevious;
    AFX_MSGBOX_HANDLER m_pfnPrevious = nullptr;
};
