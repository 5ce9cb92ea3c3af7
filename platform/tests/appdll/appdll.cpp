// A library with its own CWinApp (linked with platform_dll): InitInstance runs at load and its
// FALSE refuses the load.
#include <afxwin.h>

namespace {

class CLibraryApp : public CWinApp
{
public:
    int m_initCalls = 0;
    BOOL InitInstance() override
    {
        ++m_initCalls;
        char value[8] = "";
        return ::GetEnvironmentVariableA("MOLVANE_TEST_APPDLL_REFUSE", value, sizeof(value)) == 0;
    }
};

CLibraryApp theLibraryApp;

} // namespace

extern "C" __declspec(dllexport) int LibraryAppInitCalls()
{
    return theLibraryApp.m_initCalls;
}

extern "C" __declspec(dllexport) HINSTANCE LibraryAppInstance()
{
    return theLibraryApp.m_hInstance;
}
