// Read access to XML files through the MSXML 3.0 DOM: CXMLHelper holds one document and finds
// nodes by XPath; CXMLNode wraps one DOM node. Text crosses with the thread's ANSI code page.
// COM must be initialised on the calling thread; objects stay on the thread that made them.
//
// Ownership: every CXMLNode that a document or its nodes hand out belongs to the document
// object's array until CXMLHelper::ClearNodeArray deletes them; callers never delete one. The
// document's destructor does not delete them, so that a user (the menu) can keep some.
#pragma once

#include <afx.h>
#include <afxtempl.h>
#include <msxml2.h>
#include "ToolBeltApi.h"

class CXMLNode;

// Attribute name -> value, both 8-bit text.
typedef CMap<CString, LPCSTR, CString, LPCSTR> CXMLAttributeMap;

class TOOLBELT_API CXMLHelper : public CObject
{
public:
    // Creates the DOM document; a failure is shown in a message box and leaves the object
    // without a document (every later call then finds nothing).
    CXMLHelper();
    virtual ~CXMLHelper();

    // TRUE only when the file was read and parsed.
    BOOL Load(CString path);
    // The first node matching xpath, or null.
    CXMLNode* GetNode(CString xpath);
    // The attributes of the first node matching xpath (out empty when none).
    void GetAttributes(CString xpath, CXMLAttributeMap& out);
    void AddNode(CXMLNode* node) { m_arrNode.Add(node); }
    void ClearNodeArray();

protected:
    IXMLDOMDocument* m_pDoc;
    CArray<CXMLNode*, CXMLNode*> m_arrNode;
};

class TOOLBELT_API CXMLNode : public CObject
{
public:
    // Takes over the caller's reference to node.
    CXMLNode(CXMLHelper* owner, IXMLDOMNode* node);
    virtual ~CXMLNode();

    CXMLNode* GetFirstChild();
    CXMLNode* GetNextSibling();
    CString GetName();
    CString GetText();
    BOOL HasChildNodes();
    void GetAttributes(CXMLAttributeMap& out);
    // The named attribute's value; empty when the node has no such attribute.
    CString GetValue(CString name);
    DOMNodeType GetNodeType();

    // Wrappers alive in the process (for leak checks).
    static long GetInstanceCount();

protected:
    CXMLNode* Wrap(IXMLDOMNode* node);

    IXMLDOMNode* m_pNode;
    CXMLHelper* m_pOwner;
};
