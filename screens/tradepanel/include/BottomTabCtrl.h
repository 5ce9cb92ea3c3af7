// CBottomTabCtrl: the tab strip of screen 1000's account tab window: a light ground framed in
// the grid-line colour, and the selected tab drawn last over the line under the tab row, so it
// reads as open onto its page.
#pragma once

#include "TradePanelApi.h"
#include "UITabCtrl.h"

class TRADEPANEL_API CBottomTabCtrl : public CUITabCtrl
{
    DECLARE_DYNAMIC(CBottomTabCtrl)
public:
    CBottomTabCtrl();

    // The whole strip into dc (client coordinates).
    void DrawStrip(CDC* dc);

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
