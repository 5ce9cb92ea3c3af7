#include "XMLHelper.h"
#include "xml_text.h"

namespace {

volatile LONG g_liveNodes = 0;

// The value of an attribute node as text.
CString ItemValue(IXMLDOMNode* item)
{
    VARIANT value;
    VariantInit(&value);
    CString text;
    if (SUCCEEDED(item->get_nodeValue(&value)))
        text = VariantToText(value);
    VariantClear(&value);
    return text;
}

} // namespace

CXMLNode::CXMLNode(CXMLHelper* owner, IXMLDOMNode* node)
    : m_pNode(node), m_pOwner(owner)
{
    InterlockedIncrement(&g_liveNodes);
}

CXMLNode::~CXMLNode()
{
    if (m_pNode)
        m_pNode->Release();
    InterlockedDecrement(&g_liveNodes);
}

long CXMLNode::GetInstanceCount()
{
    return g_liveNodes;
}

CXMLNode* CXMLNode::Wrap(IXMLDOMNode* node)
{
    if (node == nullptr)
        return nullptr;
    CXMLNode* wrapper = new CXMLNode(m_pOwner, node);
    if (m_pOwner)
        m_pOwner->AddNode(wrapper);
    return wrapper;
}

CXMLNode* CXMLNode::GetFirstChild()
{
    IXMLDOMNode* child = nullptr;
    if (m_pNode == nullptr || m_pNode->get_firstChild(&child) != S_OK)
        return nullptr;
    return Wrap(child);
}

CXMLNode* CXMLNode::GetNextSibling()
{
    IXMLDOMNode* sibling = nullptr;
    if (m_pNode == nullptr || m_pNode->get_nextSibling(&sibling) != S_OK)
        return nullptr;
    return Wrap(sibling);
}

CString CXMLNode::GetName()
{
    BSTR name = nullptr;
    if (m_pNode == nullptr || FAILED(m_pNode->get_nodeName(&name)))
        return CString();
    CString text = BstrToText(name);
    SysFreeString(name);
    return text;
}

CString CXMLNode::GetText()
{
    BSTR value = nullptr;
    if (m_pNode == nullptr || FAILED(m_pNode->get_text(&value)))
        return CString();
    CString text = BstrToText(value);
    SysFreeString(value);
    return text;
}

BOOL CXMLNode::HasChildNodes()
{
    VARIANT_BOOL has = VARIANT_FALSE;
    if (m_pNode == nullptr || FAILED(m_pNode->hasChildNodes(&has)))
        return FALSE;
    return has == VARIANT_TRUE;
}

void CXMLNode::GetAttributes(CXMLAttributeMap& out)
{
    out.RemoveAll();
    IXMLDOMNamedNodeMap* attributes = nullptr;
    if (m_pNode == nullptr || m_pNode->get_attributes(&attributes) != S_OK || !attributes)
        return;
    long count = 0;
    attributes->get_length(&count);
    for (long i = 0; i < count; ++i) {
        IXMLDOMNode* item = nullptr;
        if (attributes->get_item(i, &item) != S_OK || !item)
            continue;
        BSTR name = nullptr;
        if (SUCCEEDED(item->get_nodeName(&name)))
            out[BstrToText(name)] = ItemValue(item);
        SysFreeString(name);
        item->Release();
    }
    attributes->Release();
}

CString CXMLNode::GetValue(CString name)
{
    CString text;
    IXMLDOMNamedNodeMap* attributes = nullptr;
    if (m_pNode == nullptr || m_pNode->get_attributes(&attributes) != S_OK || !attributes)
        return text;
    BSTR key = TextToBstr(name);
    IXMLDOMNode* item = nullptr;
    if (attributes->getNamedItem(key, &item) == S_OK && item) {
        text = ItemValue(item);
        item->Release();
    }
    SysFreeString(key);
    attributes->Release();
    return text;
}

DOMNodeType CXMLNode::GetNodeType()
{
    DOMNodeType type = NODE_INVALID;
    if (m_pNode == nullptr || FAILED(m_pNode->get_nodeType(&type)))
        return NODE_INVALID;
    return type;
}
