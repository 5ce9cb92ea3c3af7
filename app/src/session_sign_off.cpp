// The sign-off: 1201 '1' and a bounded wait for its answer.
#include "SessionSignOff.h"

#include "LoginRules.h"
#include "TRAgent.h"

namespace {

// A message-only window that notes the answer to 1201.
class CSignOffWindow : public CWnd
{
public:
    int m_bAnswered = 0;

protected:
    afx_msg LRESULT OnCopyData(WPARAM wParam, LPARAM lParam)
    {
        const COPYDATASTRUCT* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (cds != NULL && wParam != 0 && cds->dwData == TR_SESSION &&
            CTRAgent::GetDataType(reinterpret_cast<_IQ_HEADER*>(wParam)) == 'I')
            m_bAnswered = 1;
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSignOffWindow, CWnd)
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
END_MESSAGE_MAP()

} // namespace

int SendSignOff(const CString& userId, DWORD waitMs)
{
    CSignOffWindow window;
    if (!window.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, 0, 0, 0, 0, HWND_MESSAGE, NULL))
        return 0;
    BYTE body[SESSION_BODY_SIZE];
    MakeSessionBody(userId, SESSION_SIGN_OFF, body);
    int answered = 0;
    if (CTRAgent::RequestQueryData(TR_SESSION, 'I', window.GetSafeHwnd(), NULL, body, SESSION_BODY_SIZE, -1)) {
        // The link's receive thread sends the answer to the agent's window on this thread,
        // which passes it on to the window: only sent messages are delivered here.
        const DWORD start = ::GetTickCount();
        while (!window.m_bAnswered) {
            const DWORD elapsed = ::GetTickCount() - start;
            if (elapsed >= waitMs)
                break;
            if (::MsgWaitForMultipleObjects(0, NULL, FALSE, waitMs - elapsed, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
                MSG msg;
                ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
        }
        answered = window.m_bAnswered;
    }
    window.DestroyWindow();
    return answered;
}
