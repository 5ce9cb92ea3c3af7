// Registration of the library's own window classes: the default window procedure (the framework
// routes the messages), the module instance, the arrow cursor and no background brush.
#pragma once

#include <afxwin.h>

namespace window_class {

// TRUE when the class exists afterwards (also when it was registered before).
inline BOOL Register(LPCTSTR name, UINT style, HICON icon)
{
    WNDCLASS wc;
    memset(&wc, 0, sizeof wc);
    wc.style = style;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = icon;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = name;
    return AfxRegisterClass(&wc);
}

inline HICON ApplicationIcon()
{
    return ::LoadIcon(NULL, IDI_APPLICATION);
}

} // namespace window_class
