#include <afxwin.h>

#include "NumberFormat.h"
#include "XMLMenu.h"

#include <stdlib.h>
#include <string.h>

CXMLMenu::CXMLMenu(CWnd* owner)
    : m_pOwner(owner), m_hMenu(nullptr), m_dwUserGroup(0), m_mapNode(10), m_mapMenu(10)
{
    m_mapNode.InitHashTable(17);
    m_mapMenu.InitHashTable(17);
}

CXMLMenu::~CXMLMenu()
{
    if (m_hMenu)
        ::DestroyMenu(m_hMenu);
    ClearMapNode();
    m_mapMenu.RemoveAll();
}

void CXMLMenu::SetUserGroup(UINT group)
{
    m_dwUserGroup = group;
}

HMENU CXMLMenu::GetMenuHandle()
{
    return m_hMenu;
}

int CXMLMenu::Load(CString path, CString name)
{
    CXMLHelper document;
    if (!document.Load(path))
        return 0;
    // A second load replaces the first menu and its nodes.
    if (m_hMenu) {
        if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr &&
            ::GetMenu(m_pOwner->GetSafeHwnd()) == m_hMenu)
            ::SetMenu(m_pOwner->GetSafeHwnd(), nullptr);
        ::DestroyMenu(m_hMenu);
    }
    ClearMapNode();
    m_mapMenu.RemoveAll();
    m_hMenu = ::CreateMenu();

    CXMLNode* system = document.GetNode("SYSTEM");
    if (system == nullptr)
        return 0;
    if (!system->HasChildNodes()) {
        delete system;
        return 0;
    }

    CXMLNode* userClass = nullptr;
    if (name.IsEmpty()) {
        userClass = system;
    } else {
        for (CXMLNode* child = system->GetFirstChild(); child != nullptr;) {
            if (child->GetName() == name) {
                userClass = child;
                break;
            }
            CXMLNode* next = child->GetNextSibling();
            delete child;
            child = next;
        }
    }

    int result = 0;
    if (userClass != nullptr && userClass->HasChildNodes()) {
        result = MakeMenu(userClass, m_hMenu);
        if (!result)
            ClearMapNode();
    }
    if (userClass != system)
        delete userClass;

    if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
        ::SetMenu(m_pOwner->GetSafeHwnd(), m_hMenu);
    delete system;
    return result;
}

void CXMLMenu::KeepNode(UINT id, CXMLNode* node)
{
    CXMLNode* previous = nullptr;
    if (m_mapNode.Lookup(id, previous) && previous != node)
        delete previous;
    m_mapNode.SetAt(id, node);
}

int CXMLMenu::MakeMenu(CXMLNode* node, HMENU menu)
{
    for (CXMLNode* child = node->GetFirstChild(); child != nullptr;) {
        CXMLNode* next = child->GetNextSibling();
        if (child->GetNodeType() == NODE_COMMENT) {
            delete child;
            child = next;
            continue;
        }
        const UINT id = static_cast<UINT>(atoi(child->GetValue("id")));
        if (child->HasChildNodes()) {
            // A later item of the same id (a separator, say) replaces and frees this node
            // while its sub-menu is built, so nothing of it is read afterwards.
            const CString text = child->GetValue("text");
            KeepNode(id, child);
            HMENU popup = ::CreateMenu();
            if (!MakeMenu(child, popup)) {
                ::DestroyMenu(popup);
                delete next;
                return 0;
            }
            m_mapMenu.SetAt(id, popup);
            ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text);
        } else {
            CXMLAttributeMap attributes;
            child->GetAttributes(attributes);
            KeepNode(id, child);
            m_mapMenu.SetAt(id, menu);
            AppendMenuItem(menu, attributes);
        }
        child = next;
    }
    return 1;
}

void CXMLMenu::AppendMenuItem(HMENU menu, CXMLAttributeMap& attributes)
{
    CString text, idText, disabled, group, shortcut;
    attributes.Lookup("text", text);
    attributes.Lookup("id", idText);
    attributes.Lookup("disabled", disabled);
    attributes.Lookup("shortcut", shortcut); // read, not shown
    const UINT id = static_cast<UINT>(atoi(idText));

    if (attributes.Lookup("group", group)) {
        char hex[10] = {};
        strncpy(hex, group, sizeof hex - 1);
        if (static_cast<ULONGLONG>(HexStringToInteger(hex)) != m_dwUserGroup)
            return;
    }
    if (text == "-") {
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    CString label = text;
    if (id >= 1000)
        label.Format("[%d] %s", static_cast<int>(id), text.GetString());
    ::AppendMenuA(menu, disabled == "true" ? MF_GRAYED : MF_STRING, id, label);
}

int CXMLMenu::GetAttribute(UINT id, CXMLAttributeMap& out)
{
    out.RemoveAll();
    CXMLNode* node = nullptr;
    if (!m_mapNode.Lookup(id, node) || node == nullptr)
        return 0;
    node->GetAttributes(out);
    return 1;
}

void CXMLMenu::ClearMapNode()
{
    POSITION pos = m_mapNode.GetStartPosition();
    while (pos != nullptr) {
        UINT id;
        CXMLNode* node;
        m_mapNode.GetNextAssoc(pos, id, node);
        delete node;
    }
    m_mapNode.RemoveAll();
}
