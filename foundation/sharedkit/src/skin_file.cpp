#include "skin_file.h"

#include <afxwin.h>

#include "TextUtils.h"
#include "XMLHelper.h"

namespace skin_file {

namespace {

bool ParseNumber(CString text, unsigned long maxValue, unsigned long& value)
{
    text.Trim();
    if (text.IsEmpty() || text.GetLength() > 5)
        return false;
    value = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned long>(c - '0');
    }
    return value <= maxValue;
}

} // namespace

ReadResult ReadGroup(const CString& path, const char* root, const CString& group, CStringArray& groups,
                     const std::function<void(CXMLNode&)>& onEntry)
{
    groups.RemoveAll();
    CXMLHelper xml;
    if (!xml.Load(path))
        return kUnreadable;
    ReadResult result = kNoGroup;
    CXMLNode* rootNode = xml.GetNode(root);
    CXMLNode* chosen = NULL;
    for (CXMLNode* node = rootNode != NULL ? rootNode->GetFirstChild() : NULL; node != NULL;
         node = node->GetNextSibling()) {
        if (node->GetNodeType() != NODE_ELEMENT)
            continue;
        const CString name = node->GetValue("text");
        groups.Add(name);
        if (chosen == NULL && name == group)
            chosen = node;
    }
    if (chosen != NULL) {
        for (CXMLNode* entry = chosen->GetFirstChild(); entry != NULL; entry = entry->GetNextSibling()) {
            if (entry->GetNodeType() == NODE_ELEMENT)
                onEntry(*entry);
        }
        result = kLoaded;
    }
    xml.ClearNodeArray();
    return result;
}

bool ParseId(const CString& text, WORD& id)
{
    unsigned long value = 0;
    if (!ParseNumber(text, 0xFFFF, value))
        return false;
    id = static_cast<WORD>(value);
    return true;
}

bool ParseColor(const CString& text, COLORREF& colour)
{
    CStringArray fields;
    if (ExStrTok(fields, text, ',') != 3)
        return false;
    unsigned long value = 0;
    for (int i = 0; i < 3; ++i) {
        if (!ParseNumber(fields[i], 255, value))
            return false;
    }
    colour = StringToRGB(text);
    return true;
}

} // namespace skin_file
