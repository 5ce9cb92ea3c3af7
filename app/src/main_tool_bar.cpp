// The member tool bar.
#include "MainToolBar.h"

#include <algorithm>

#include "AppMessages.h"
#include "ImgButton.h"
#include "IniFiles.h"
#include "InstallFolders.h"
#include "ResourceMap.h"
#include "SharedData.h"
#include "resource.h"

#define MEMBER_ICON_ID 200
#define MEMBER_EXPIRY_ID 201
#define MEMBER_BACKGROUND_IMAGE 530
#define MEMBER_BUTTON_NORMAL 531
#define MEMBER_BUTTON_OVER 532
#define MEMBER_BUTTON_PRESSED 533

BEGIN_MESSAGE_MAP(CMainToolBar, CBaseToolBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_COMMAND_RANGE(MEMBER_BUTTON_FIRST_ID, MEMBER_BUTTON_LAST_ID, OnButton)
END_MESSAGE_MAP()

CMainToolBar::CMainToolBar() {}

CMainToolBar::~CMainToolBar()
{
    RemoveButtons();
}

CString CMainToolBar::ExpiryText(int yyyymmdd)
{
    CString date;
    date.Format("%08d", yyyymmdd);
    CString text;
    if (date.GetLength() == 8)
        text.Format("이용만료일: %s년 %s월 %s일", (LPCSTR)date.Left(4), (LPCSTR)date.Mid(4, 2), (LPCSTR)date.Right(2));
    return text;
}

int CMainToolBar::GetScreenOf(UINT id) const
{
    int screen = -1;
    return m_mapScreens.Lookup(id, screen) ? screen : -1;
}

void CMainToolBar::RemoveButtons()
{
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        if (::IsWindow(m_arrButtons[i]->GetSafeHwnd()))
            m_arrButtons[i]->DestroyWindow();
        delete m_arrButtons[i];
    }
    m_arrButtons.RemoveAll();
    m_mapScreens.RemoveAll();
}

void CMainToolBar::BuildButtons()
{
    RemoveButtons();
    const CString path = CString(GetSystemDir()) + MEMBER_LIST_FILE;
    CIniFiles ini(path);
    const int count = std::min(ini.ReadInteger("MBRLST", "CNT", 0), MEMBER_BUTTONS_MAX);
    UINT id = MEMBER_BUTTON_FIRST_ID;
    for (int i = 1; i <= count; ++i) {
        CString key;
        key.Format("MBTXT_%d", i);
        CString text = ini.ReadString("MBRLST", key, "");
        text.Trim();
        key.Format("MBNO_%d", i);
        const int screen = ini.ReadInteger("MBRLST", key, -1);
        if (text.IsEmpty() || screen < 0)
            continue;
        CImgButton* button = new CImgButton;
        if (!button->Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 110, 33), this, id)) {
            delete button;
            continue;
        }
        button->LoadBitmaps(CResourceMap::GetBitmap(MEMBER_BUTTON_NORMAL), CResourceMap::GetBitmap(MEMBER_BUTTON_OVER),
                            CResourceMap::GetBitmap(MEMBER_BUTTON_PRESSED), NULL);
        m_arrButtons.Add(button);
        m_mapScreens.SetAt(id, screen);
        ++id;
    }
}

int CMainToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CBaseToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    BuildButtons();
    m_icon.Create("", WS_CHILD | WS_VISIBLE | SS_BITMAP, CRect(0, 0, 11, 11), this, MEMBER_ICON_ID);
    if (m_iconBitmap.GetSafeHandle() == NULL)
        m_iconBitmap.Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_MEMBER_EXPIRY_ICON)));
    if (m_iconBitmap.GetSafeHandle() != NULL)
        m_icon.SetBitmap((HBITMAP)m_iconBitmap.GetSafeHandle());
    m_expiry.Create(ExpiryText(CSharedData::GetExpireDate()), WS_CHILD | WS_VISIBLE, CRect(0, 0, 170, 20), this,
                    MEMBER_EXPIRY_ID);
    // In the system's font the date fits its 170 x 20 place; the window's own font does not.
    if (CFont* font = CSharedData::GetDefaultFont(1))
        m_expiry.SetFont(font);
    Layout();
    return 0;
}

void CMainToolBar::Layout()
{
    CRect client;
    GetClientRect(&client);
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        const int x = 11 + 112 * (int)i;
        if (x + 110 < client.right)
            m_arrButtons[i]->MoveWindow(x, 3, 110, 33);
    }
    if (::IsWindow(m_icon.GetSafeHwnd()))
        m_icon.MoveWindow(client.right - 206, 14, 11, 11);
    if (::IsWindow(m_expiry.GetSafeHwnd()))
        m_expiry.MoveWindow(client.right - 190, 10, 170, 20);
}

void CMainToolBar::OnSize(UINT nType, int cx, int cy)
{
    CBaseToolBar::OnSize(nType, cx, cy);
    Layout();
}

void CMainToolBar::OnPaint()
{
    CPaintDC dc(this);
    CBitmap* background = CResourceMap::GetBitmap(MEMBER_BACKGROUND_IMAGE);
    CRect client;
    GetClientRect(&client);
    if (background == NULL || background->GetSafeHandle() == NULL) {
        dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* old = memory.SelectObject(background);
    BITMAP info;
    background->GetBitmap(&info);
    dc.StretchBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    memory.SelectObject(old);
}

void CMainToolBar::OnDestroy()
{
    RemoveButtons();
    CBaseToolBar::OnDestroy();
}

void CMainToolBar::OnButton(UINT nID)
{
    const int screen = GetScreenOf(nID);
    if (screen < 1000)
        return;
    CWnd* frame = GetParent();
    if (frame != NULL)
        frame->SendMessage(WM_OPEN_SCREEN, (WPARAM)screen, 0);
}
