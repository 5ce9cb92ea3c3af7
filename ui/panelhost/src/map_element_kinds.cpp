// The element kinds of a layout file, in the order their names are tested.
#include "map_element_kinds.h"

#include "map_creators.h"

BOOL MapElement::Has(LPCSTR name) const
{
    CString value;
    return attrs != NULL && attrs->Lookup(name, value);
}

CString MapElement::Attr(LPCSTR name) const
{
    CString value;
    if (attrs != NULL)
        attrs->Lookup(name, value);
    return value;
}

namespace {

const MapElementKind kKinds[] = {
    {"TabCtrl", TRUE, CreateTabCtrl},
    {"CodeCombo", FALSE, CreateCodeCombo},
    {"ELWCodeCombo", FALSE, CreateELWCodeCombo},
    {"ImgButton", FALSE, CreateImgButton},
    {"ImgToggle", FALSE, CreateImgToggle},
    {"GridTable", TRUE, CreateGridTable},
    {"GridList", TRUE, CreateGridList},
    {"GridDataList", TRUE, CreateGridDataList},
    {"Account", FALSE, CreateAccount},
    {"Static", TRUE, CreateStatic},
    {"GroupBox", FALSE, CreateGroupBox},
    {"Edit", TRUE, CreateEdit},
    {"ComboBox", FALSE, CreateComboBox},
    {"RadioBox", FALSE, CreateRadioBox},
    {"CheckBox", FALSE, CreateCheckBox},
    {"DateCombo", FALSE, CreateDateCombo},
    {"SpinEdit", TRUE, CreateSpinEdit},
    {"Window", TRUE, CreateWindowKind},
    {"Panel", TRUE, CreatePanel},
};

} // namespace

const MapElementKind* FindMapElementKind(const CString& name)
{
    for (const MapElementKind& kind : kKinds) {
        if (name == kind.name)
            return &kind;
    }
    return NULL;
}
