// Creators of the layout's plain controls: tab control, image buttons and toggles, labels,
// group boxes, edits, combo boxes, radio and check boxes, date, spin edit, windows and panels.
#include <afxcmn.h>

#include "ImgButton.h"
#include "Panel.h"
#include "ResourceMap.h"
#include "SComboBox.h"
#include "SEdit.h"
#include "SStatic.h"
#include "SharedData.h"
#include "SpinEdit.h"
#include "UITabCtrl.h"
#include "map_creators.h"
#include "map_layout_rules.h"

namespace {

const DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

// "normal", "over", "pressed": image-map ids, borrowed when "normal" is given and not 0.
void LoadButtonImages(CImgButton* button, const MapElement& element)
{
    const WORD normal = maplayout::ReadId(element.Attr("normal"));
    if (normal == 0)
        return;
    const WORD over = maplayout::ReadId(element.Attr("over"));
    const WORD pressed = maplayout::ReadId(element.Attr("pressed"));
    button->LoadBitmaps(CResourceMap::GetBitmap(normal), CResourceMap::GetBitmap(over),
                        CResourceMap::GetBitmap(pressed), NULL);
}

CButton* CreateButtonKind(MapElement& element, DWORD style)
{
    CButton* button = new CButton;
    if (!button->Create(element.Attr("text"), style, element.rect, element.parent, element.id)) {
        delete button;
        return NULL;
    }
    if (element.IsTrue("checked"))
        button->SendMessage(BM_SETCHECK, 1, 0);
    return button;
}

} // namespace

CWnd* CreateTabCtrl(MapElement& element)
{
    CUITabCtrl* tab = TakeOrMake<CUITabCtrl>(element);
    if (tab == NULL)
        return NULL;
    return Created(tab, tab->Create(kVisibleChild, element.rect, element.parent, element.id));
}

CWnd* CreateImgButton(MapElement& element)
{
    CImgButton* button = new CImgButton;
    if (!button->Create(element.Attr("text"), kVisibleChild | WS_TABSTOP, element.rect, element.parent,
                        element.id)) {
        delete button;
        return NULL;
    }
    LoadButtonImages(button, element);
    return button;
}

CWnd* CreateImgToggle(MapElement& element)
{
    CImgToggle* toggle = new CImgToggle;
    if (!toggle->Create(element.Attr("text"), kVisibleChild | WS_TABSTOP, 2, element.rect, element.parent,
                        element.id)) {
        delete toggle;
        return NULL;
    }
    LoadButtonImages(toggle, element);
    return toggle;
}

CWnd* CreateStatic(MapElement& element)
{
    CSStatic* label = TakeOrMake<CSStatic>(element);
    if (label == NULL)
        return NULL;
    const DWORD exStyle = maplayout::ReadStaticExStyle(element.Attr("exstyle"));
    if (!label->CreateEx(exStyle, "static", "", kVisibleChild, element.rect, element.parent, element.id)) {
        delete label;
        return NULL;
    }
    label->SetWindowText(element.Attr("text"));
    label->SetFont(CSharedData::GetDefaultFont(1));
    return label;
}

CWnd* CreateGroupBox(MapElement& element)
{
    CButton* box = new CButton;
    return Created(box, box->Create(element.Attr("text"), kVisibleChild | BS_GROUPBOX | BS_LEFT, element.rect,
                                    element.parent, element.id));
}

CWnd* CreateEdit(MapElement& element)
{
    CSEdit* edit = TakeOrMake<CSEdit>(element);
    if (edit == NULL)
        return NULL;
    DWORD style = kVisibleChild | WS_BORDER | WS_TABSTOP;
    if (element.IsTrue("readonly"))
        style |= ES_READONLY;
    if (element.IsTrue("password"))
        style |= ES_PASSWORD;
    if (element.IsTrue("align-right"))
        style |= ES_RIGHT;
    if (element.IsTrue("multiline"))
        style |= ES_MULTILINE | WS_VSCROLL;
    if (!edit->CreateEx(0, "Edit", "", style, element.rect, element.parent, element.id)) {
        delete edit;
        return NULL;
    }
    edit->SetDrawOutline(1);
    return edit;
}

CWnd* CreateComboBox(MapElement& element)
{
    const CString kind = element.Attr("style");
    DWORD style = CBS_DROPDOWNLIST;
    if (kind == "DropDown")
        style = CBS_DROPDOWN;
    else if (kind == "Simple")
        style = CBS_SIMPLE;
    CSComboBox* combo = new CSComboBox;
    return Created(combo, combo->Create(style | kVisibleChild | WS_VSCROLL | WS_TABSTOP, element.rect,
                                        element.parent, element.id));
}

CWnd* CreateRadioBox(MapElement& element)
{
    DWORD style = kVisibleChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
    if (element.IsTrue("group"))
        style |= WS_GROUP;
    return CreateButtonKind(element, style);
}

CWnd* CreateCheckBox(MapElement& element)
{
    return CreateButtonKind(element, kVisibleChild | WS_TABSTOP | BS_AUTOCHECKBOX);
}

CWnd* CreateDateCombo(MapElement& element)
{
    CDateTimeCtrl* date = new CDateTimeCtrl;
    return Created(date, date->Create(kVisibleChild | WS_TABSTOP, element.rect, element.parent, element.id));
}

CWnd* CreateSpinEdit(MapElement& element)
{
    CSpinEdit* spin = TakeOrMake<CSpinEdit>(element);
    if (spin == NULL)
        return NULL;
    return Created(spin, spin->CreateEx(WS_EX_CLIENTEDGE, kVisibleChild | WS_TABSTOP, element.rect, element.parent,
                                        element.id, NULL, TRUE));
}

CWnd* CreateWindowKind(MapElement& element)
{
    CBaseWnd* wnd = TakeOrMake<CBaseWnd>(element);
    if (wnd == NULL)
        return NULL;
    return Created(wnd, wnd->Create(kVisibleChild, element.rect, element.parent, element.id));
}

CWnd* CreatePanel(MapElement& element)
{
    CPanel* panel = TakeOrMake<CPanel>(element);
    if (panel == NULL)
        return NULL;
    // The base window's creation: the layout's panels are plain children.
    return Created(panel, panel->CBaseWnd::Create(kVisibleChild, element.rect, element.parent, element.id));
}
