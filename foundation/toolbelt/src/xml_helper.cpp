#include <afxwin.h>

#include "XMLHelper.h"
#include "xml_text.h"

namespace {

// MSXML 3.0 DOM document and the interfaces asked of it.
const CLSID kDomDocument30 = {0xF5078F32, 0xC551, 0x11D3, {0x89, 0xB9, 0x00, 0x00, 0xF8, 0x1F, 0xE2, 0x21}};
const IID kDomDocument = {0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kDomDocument2 = {0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

CString ErrorText(HRESULT hr)
{
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    CString message;
    if (text) {
        message = text;
        LocalFree(text);
        message.TrimRight();
    }
    if (message.IsEmpty())
        message.Format("Unknown error 0x%08lX", static_cast<unsigned long>(hr));
    return message;
}

// MSXML 3 selects with XSL patterns unless told otherwise; the system's paths are XPath.
void UseXPath(IXMLDOMDocument* doc)
{
    IXMLDOMDocument2* doc2 = nullptr;
    if (FAILED(doc->QueryInterface(kDomDocument2, reinterpret_cast<void**>(&doc2))) || !doc2)
        return;
    VARIANT language;
    VariantInit(&language);
    language.vt = VT_BSTR;
    language.bstrVal = SysAllocString(L"XPath");
    BSTR name = SysAllocString(L"SelectionLanguage");
    doc2->setProperty(name, language);
    SysFreeString(name);
    VariantClear(&language);
    doc2->Release();
}

} // namespace

CXMLHelper::CXMLHelper()
    : m_pDoc(nullptr)
{
    const HRESULT hr = CoCreateInstance(kDomDocument30, nullptr, CLSCTX_INPROC_SERVER, kDomDocument,
                                        reinterpret_cast<void**>(&m_pDoc));
    if (FAILED(hr) || m_pDoc == nullptr) {
        m_pDoc = nullptr;
        AfxMessageBox(ErrorText(hr));
        return;
    }
    m_pDoc->put_async(VARIANT_FALSE);
    m_pDoc->put_validateOnParse(VARIANT_FALSE);
    m_pDoc->put_resolveExternals(VARIANT_FALSE);
    UseXPath(m_pDoc);
}

CXMLHelper::~CXMLHelper()
{
    if (m_pDoc)
        m_pDoc->Release();
    m_arrNode.RemoveAll();
}

BOOL CXMLHelper::Load(CString path)
{
    if (m_pDoc == nullptr)
        return FALSE;
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = TextToBstr(path);
    VARIANT_BOOL ok = VARIANT_FALSE;
    const HRESULT hr = m_pDoc->load(source, &ok);
    VariantClear(&source);
    return SUCCEEDED(hr) && ok == VARIANT_TRUE;
}

namespace {

IXMLDOMNode* SelectNode(IXMLDOMDocument* doc, const CString& xpath)
{
    if (doc == nullptr)
        return nullptr;
    BSTR query = TextToBstr(xpath);
    IXMLDOMNode* node = nullptr;
    if (doc->selectSingleNode(query, &node) != S_OK)
        node = nullptr;
    SysFreeString(query);
    return node;
}

} // namespace

CXMLNode* CXMLHelper::GetNode(CString xpath)
{
    IXMLDOMNode* node = SelectNode(m_pDoc, xpath);
    if (node == nullptr)
        return nullptr;
    CXMLNode* wrapper = new CXMLNode(this, node);
    AddNode(wrapper);
    return wrapper;
}

void CXMLHelper::GetAttributes(CString xpath, CXMLAttributeMap& out)
{
    out.RemoveAll();
    IXMLDOMNode* node = SelectNode(m_pDoc, xpath);
    if (node == nullptr)
        return;
    CXMLNode wrapper(nullptr, node);
    wrapper.GetAttributes(out);
}

void CXMLHelper::ClearNodeArray()
{
    for (INT_PTR i = 0; i < m_arrNode.GetSize(); ++i)
        delete m_arrNode[i];
    m_arrNode.RemoveAll();
}
