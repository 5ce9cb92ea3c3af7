#include "WindowHelpers.h"

#include <exdisp.h>
#include <oleauto.h>

namespace {

// Internet Explorer application object.
const CLSID kInternetExplorer = {0x0002DF01, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kWebBrowser2 = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

VARIANT_BOOL AsVariantBool(BOOL flag)
{
    return flag ? VARIANT_TRUE : VARIANT_FALSE;
}

HRESULT Configure(IWebBrowser2* browser, const char* url, const RECT* rc, BOOL menuBar,
                  BOOL addressBar, BOOL toolsRow, BOOL statusBar, BOOL resizable)
{
    HRESULT hr;
    if (FAILED(hr = browser->put_Left(rc->left)) || FAILED(hr = browser->put_Top(rc->top)) ||
        FAILED(hr = browser->put_Width(rc->right - rc->left)) ||
        FAILED(hr = browser->put_Height(rc->bottom - rc->top)))
        return hr;
    if (FAILED(hr = browser->put_MenuBar(AsVariantBool(menuBar))) ||
        FAILED(hr = browser->put_ToolBar(toolsRow)) ||
        FAILED(hr = browser->put_AddressBar(AsVariantBool(addressBar))) ||
        FAILED(hr = browser->put_StatusBar(AsVariantBool(statusBar))) ||
        FAILED(hr = browser->put_Resizable(AsVariantBool(resizable))))
        return hr;

    const char* text = url ? url : "";
    const int wide = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    BSTR address = SysAllocStringLen(nullptr, wide > 0 ? wide - 1 : 0);
    if (address == nullptr)
        return E_OUTOFMEMORY;
    if (wide > 0)
        MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, address, wide);
    VARIANT empty;
    VariantInit(&empty);
    hr = browser->Navigate(address, &empty, &empty, &empty, &empty);
    SysFreeString(address);
    if (FAILED(hr))
        return hr;
    return browser->put_Visible(VARIANT_TRUE);
}

} // namespace

BOOL ShowBrowser(const char* url, RECT* rc, BOOL menuBar, BOOL addressBar, BOOL toolsRow,
                 BOOL statusBar, BOOL resizable)
{
    if (rc == nullptr)
        return FALSE;
    IWebBrowser2* browser = nullptr;
    if (FAILED(CoCreateInstance(kInternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, kWebBrowser2,
                                reinterpret_cast<void**>(&browser))) ||
        browser == nullptr)
        return FALSE;
    const HRESULT hr = Configure(browser, url, rc, menuBar, addressBar, toolsRow, statusBar, resizable);
    // The shown window lives on by itself; a browser that could not be set up is closed.
    if (FAILED(hr))
        browser->Quit();
    browser->Release();
    if (hr == E_OUTOFMEMORY)
        AfxThrowMemoryException();
    return SUCCEEDED(hr);
}

void GetScreenCenter(RECT* rc)
{
    if (rc == nullptr)
        return;
    const int width = rc->right - rc->left;
    const int height = rc->bottom - rc->top;
    rc->left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    rc->top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    rc->right = rc->left + width;
    rc->bottom = rc->top + height;
}
