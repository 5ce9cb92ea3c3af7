// CHKEdit (one key, shown by name) and CNumberEdit (digits only).
#include "SEdit.h"

IMPLEMENT_DYNAMIC(CHKEdit, CEdit)
IMPLEMENT_DYNAMIC(CNumberEdit, CEdit)

namespace {

struct KeyRow
{
    WORD vk;
    const char* name;
};

const KeyRow kNamedKeys[] = {
    {8, "BACKSPACE"},   {9, "TAB"},         {13, "ENTER"},        {16, "SHIFT"},       {17, "CTRL"},
    {18, "ALT"},        {19, "PAUSE"},      {20, "CAPS LOCK"},    {27, "ESC"},         {32, "SPACEBAR"},
    {33, "PAGE UP"},    {34, "PAGE DOWN"},  {35, "END"},          {36, "HOME"},        {37, "LEFT"},
    {38, "UP"},         {39, "RIGHT"},      {40, "DOWN"},         {41, "SELECT"},      {42, "PRINT"},
    {43, "EXECUTE"},    {44, "PRINT SCREEN"}, {45, "INS"},        {46, "DEL"},         {47, "HELP"},
    {106, "Multiply"},  {107, "Add"},       {109, "Subtract"},    {111, "Divide"},     {160, "Left SHIFT"},
    {161, "Right SHIFT"}, {162, "Left CTRL"}, {163, "Right CTRL"}, {164, "Left MENU"}, {165, "Right MENU"},
    {186, "';'"},       {187, "'='"},       {188, "','"},         {189, "'-'"},        {190, "'.'"},
    {191, "'/'"},       {192, "'`'"},       {222, "'''"},         {219, "'['"},        {220, "'\\'"},
    {221, "']'"},
};

} // namespace

CString CHKEdit::KeyName(WORD vk)
{
    CString name;
    if (vk >= '0' && vk <= '9')
        name.Format("'%c'", vk);
    else if (vk >= 'A' && vk <= 'Z')
        name.Format("%c", vk);
    else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        name.Format("NUM %d", vk - VK_NUMPAD0);
    else if (vk >= VK_F1 && vk <= VK_F12)
        name.Format("F%d", vk - VK_F1 + 1);
    else
        for (const KeyRow& row : kNamedKeys)
            if (row.vk == vk)
                name = row.name;
    return name;
}

CHKEdit::CHKEdit() : m_wKey(0)
{
    m_mapKeys.InitHashTable(17);
}

CHKEdit::~CHKEdit() {}

void CHKEdit::FillKeyMap()
{
    m_mapKeys.RemoveAll();
    for (WORD vk = 1; vk < 256; ++vk) {
        const CString name = KeyName(vk);
        if (!name.IsEmpty())
            m_mapKeys.SetAt(vk, name);
    }
}

void CHKEdit::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    FillKeyMap();
}

int CHKEdit::SetKey(WORD vk)
{
    if (m_mapKeys.IsEmpty())
        FillKeyMap();
    if (vk == 0) {
        SetWindowText("키를 누르세요.");
        m_wKey = 0;
        return 1;
    }
    CString name;
    if (!m_mapKeys.Lookup(vk, name))
        return 0;
    SetWindowText(name);
    SetSel(0, -1);
    m_wKey = vk;
    return 1;
}

BOOL CHKEdit::PreTranslateMessage(MSG* pMsg)
{
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) && pMsg->hwnd == m_hWnd) {
        SetKey(static_cast<WORD>(pMsg->wParam));
        // Nothing gets typed: the framework sees no key.
        pMsg->wParam = 0;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

CNumberEdit::~CNumberEdit() {}

BOOL CNumberEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CEdit::Create(dwStyle | ES_NUMBER | ES_RIGHT, rect, pParentWnd, nID);
}
