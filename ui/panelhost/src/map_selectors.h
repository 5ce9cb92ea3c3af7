// What the view asks of its code selector and account control.
#pragma once

#include <afxwin.h>

class CCdeCtrl;
class CAccountCtrl;
struct _API_CODE_INFO;

namespace mapselectors {

// The code of the control's selection ("" without one).
CString SelectedCode(CCdeCtrl* ctrl);
void SelectCode(CCdeCtrl* ctrl, const char* code, int notify);
void SelectRecentCode(CCdeCtrl* ctrl, _API_CODE_INFO* recent);
// The account number of the control's selection ("" without one).
CString SelectedAccount(CAccountCtrl* ctrl);
void SelectAccount(CAccountCtrl* ctrl, const char* account);

} // namespace mapselectors
