// CMapView::LoadMapFile: the layout file read into child controls, element by element.
#include "MapView.h"

#include "SharedData.h"
#include "Utils.h"
#include "XMLHelper.h"
#include "map_element_kinds.h"
#include "map_layout_rules.h"

BOOL CMapView::LoadMapFile(CWnd* parent, CString path)
{
    CXMLHelper xml;
    if (!xml.Load(path)) {
        CString text;
        text.Format(" 해당 파일이 존재하지 않습니다.   \n\n IT팀에 문의하십시요.  \n\n 파일명 : [%s]   ", (LPCSTR)path);
        MessageBox(text, "Molvane", MB_ICONERROR);
        return 0;
    }
    DeleteControls();
    m_bLoadFailed = FALSE;

    CXMLNode* root = xml.GetNode("MAP");
    CXMLAttributeMap attrs;
    if (root != NULL)
        root->GetAttributes(attrs);
    CString value;
    CSize layout(0, 0);
    maplayout::ReadPosition(attrs.Lookup("position", value) ? value : CString(), &layout);
    const CSize maxSize = maplayout::ReadSize(attrs.Lookup("max-size", value) ? value : CString(), layout);
    const CSize minSize = maplayout::ReadSize(attrs.Lookup("min-size", value) ? value : CString(), layout);
    const UINT edges = maplayout::ReadTrackEdges(attrs.Lookup("track", value) ? value : CString());
    SetLayoutSize(layout.cx, layout.cy);
    SetMaxTrackSize(maxSize.cx, maxSize.cy);
    SetMinTrackSize(minSize.cx, minSize.cy);

    for (CXMLNode* element = root != NULL ? root->GetFirstChild() : NULL; element != NULL;
         element = element->GetNextSibling()) {
        if (!CreateControl(parent, element) || m_bLoadFailed) {
            m_bLoadFailed = TRUE;
            break;
        }
    }
    // A layout that failed part way leaves nothing: callers take 0 as "no controls".
    if (m_bLoadFailed) {
        DeleteControls();
        CUtils::LogServer_WriteLog("CMapView: layout " + path + " given up; the view has no controls");
    }

    SetFramePosition(0, 0, layout.cx, layout.cy);
    m_TitleBar.UseTrackSize(edges);
    xml.ClearNodeArray();
    return !m_bLoadFailed;
}

BOOL CMapView::CreateControl(CWnd* parent, CXMLNode* element)
{
    const CString name = element->GetName();
    const MapElementKind* kind = FindMapElementKind(name);
    // Comments and elements of other names create nothing and do not stop the load.
    if (kind == NULL)
        return 1;

    CXMLAttributeMap attrs;
    element->GetAttributes(attrs);
    MapElement args = {this, parent, 0, CRect(0, 0, 0, 0), &attrs, NULL, NULL};
    args.id = maplayout::ReadId(args.Attr("id"));
    args.rect = maplayout::ReadPosition(args.Attr("position"));
    if (kind->sub)
        args.sub = GetSubControl(args.id);
    CWnd* control = kind->create(args);
    if (control == NULL) {
        // The view is left empty: the log is where whoever looks at it learns why.
        CString line;
        line.Format("CMapView: layout element %s id %u not created: %s", (LPCSTR)name, static_cast<UINT>(args.id),
                    args.failure != NULL ? args.failure : "its window could not be created");
        CUtils::LogServer_WriteLog(line);
        return 0;
    }

    CFont* font = CSharedData::GetDefaultFont(1);
    if (font != NULL && font->GetSafeHandle() != NULL)
        control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
    AddControl(args.id, control);

    for (CXMLNode* child = element->GetFirstChild(); child != NULL; child = child->GetNextSibling()) {
        if (!CreateControl(control, child)) {
            // The whole layout is given up; the caller sees the failure and clears the rest.
            m_bLoadFailed = TRUE;
            break;
        }
        if (m_bLoadFailed)
            break;
    }
    return 1;
}
