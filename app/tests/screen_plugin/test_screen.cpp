// A screen plug-in for the main program's tests: CreateScreen makes a plain view that notes
// what the main program asks of it.
#include <afxdllx.h>

#include <string>

#include "BaseView.h"
#include "RelayMsg.h"
#include "TestScreenApi.h"

namespace {

AFX_EXTENSION_MODULE g_module = {FALSE, NULL, NULL, NULL, NULL};
std::string g_log;
int g_created = 0;

void Note(const char* what, const char* id, const std::string& detail = std::string())
{
    g_log += std::string(what) + " " + (id != NULL ? id : "") + (detail.empty() ? "" : " " + detail) + "\n";
}

class CTestScreen : public CBaseView
{
public:
    explicit CTestScreen(CWnd* parent) : CBaseView(5001, parent) {}

    virtual BOOL InitWindow()
    {
        Note("init", GetScreenID());
        return CBaseView::InitWindow();
    }
    virtual const char* GetSelectedItemCode() { return m_strCode; }
    virtual const char* GetSelectedAccount() { return m_strAccount; }
    virtual void SetSelectItemCode(const char* code, int notify)
    {
        m_strCode = code;
        Note("code", GetScreenID(), std::string(code) + "," + std::to_string(notify));
    }
    virtual void SetSelectAccount(const char* account)
    {
        m_strAccount = account;
        Note("account", GetScreenID(), account);
    }
    virtual void SaveConfigValue() { Note("save", GetScreenID()); }
    virtual void Serialize(CArchive& ar)
    {
        CBaseView::Serialize(ar);
        Note(ar.IsStoring() ? "store" : "load", GetScreenID(), std::to_string(m_nSerialValue));
    }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_TEST_SET_VALUE:
            m_nSerialValue = (int)wParam;
            return 0;
        case WM_TEST_GET_VALUE:
            return m_nSerialValue;
        case WM_TEST_STUBBORN:
            m_bStubborn = wParam != 0;
            return 0;
        case WM_TEST_BOX:
            MessageBox("금액별 자동매매가 설정되었습니다.", TEST_SCREEN_BOX_CAPTION, MB_OK);
            // The view itself is still there to go on.
            Note("answered", GetScreenID());
            return 0;
        case WM_CLOSE:
            if (m_bStubborn) {
                Note("refused close", GetScreenID());
                return 0;
            }
            break;
        case WM_USER + 9:
            Note("flagged", GetScreenID());
            return 0;
        case 1144:
        case WM_USERLOG_LINE:
            Note("relay", GetScreenID(), std::to_string(message) + "," + std::to_string(wParam));
            return 0;
        }
        return CBaseView::WindowProc(message, wParam, lParam);
    }

    CString m_strCode, m_strAccount;
    bool m_bStubborn = false;
};

} // namespace

extern "C" __declspec(dllexport) CBaseView* CreateScreen(CWnd* parent, const char* number)
{
    if (number != NULL && strcmp(number, TEST_SCREEN_NULL_VIEW) == 0)
        return NULL;
    CTestScreen* view = new CTestScreen(parent);
    if (!view->Create(5001, parent)) {
        delete view;
        return NULL;
    }
    ++g_created;
    return view;
}

extern "C" __declspec(dllexport) const char* TestScreenLog()
{
    return g_log.c_str();
}

extern "C" __declspec(dllexport) void TestScreenClearLog()
{
    g_log.clear();
}

extern "C" __declspec(dllexport) int TestScreenCreated()
{
    return g_created;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_module, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_module);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_module);
    }
    return TRUE;
}
