// The main frame's menu bar built at run time from "menu.xml" for one user class. The menu keeps
// every item's node, so the attributes behind a command (screen plug-in, web address, flags)
// can be read when the command arrives.
//
// Format: root "SYSTEM"; its child elements are user classes (element name = class name);
// inside a class, nested item elements: one with children is a sub-menu labelled by its "text",
// one without is an item. Item attributes read here: "text" ("-" for a separator), "id"
// (decimal command id), "disabled" ("true" greys it), "group" (hexadecimal; the item shows only
// when it equals the user group).
#pragma once

#include <afx.h>
#include <afxtempl.h>
#include "ToolBeltApi.h"
#include "XMLHelper.h"

class CWnd;

class TOOLBELT_API CXMLMenu : public CObject
{
public:
    explicit CXMLMenu(CWnd* owner);
    virtual ~CXMLMenu();

    void SetUserGroup(UINT group);
    HMENU GetMenuHandle();
    // Builds the menu of class name (the whole "SYSTEM" element when name is empty) and attaches
    // it to the owner. 1 when a menu was built; 0 for a missing or malformed file (no menu), or
    // a missing class (an empty menu bar).
    int Load(CString path, CString name);
    // Appends the children of node to menu, recursively; 0 when a sub-menu failed.
    int MakeMenu(CXMLNode* node, HMENU menu);
    // Copies the attributes of the item with command id into out; 0 when no item has it.
    int GetAttribute(UINT id, CXMLAttributeMap& out);

private:
    void AppendMenuItem(HMENU menu, CXMLAttributeMap& attributes);
    void ClearMapNode();
    // Keeps node under id, deleting the node an earlier item with the same id left there.
    void KeepNode(UINT id, CXMLNode* node);

    CWnd* m_pOwner;
    HMENU m_hMenu;
    DWORD m_dwUserGroup;
    CMap<UINT, UINT, CXMLNode*, CXMLNode*> m_mapNode;

public:
    // Command id -> for a command item the menu holding it, for a sub-menu item its own menu.
    CMap<UINT, UINT, HMENU, HMENU> m_mapMenu;
};
