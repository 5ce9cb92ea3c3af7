// CMapView: the view that builds its child controls from an XML layout file of the map folder,
// keeps them by control id (owned by the view), lets a deriving view supply its own object for
// most element kinds (GetSubControl), remembers its code selector and account control, keeps
// the selected code per screen in "screen.cfg" and offers small accessors over the controls.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "BaseView.h"
#include "PanelHostApi.h"

class CCdeCtrl;
class CELWCodeCtrl;
class CAccountCtrl;
class CXMLNode;
class CSheetWriter;

typedef CMap<WORD, WORD, CWnd*, CWnd*> CMapViewControlMap;

class PANELHOST_API CMapView : public CBaseView
{
    DECLARE_DYNAMIC(CMapView)
public:
    CMapView(UINT templateId, CWnd* parent);
    virtual ~CMapView();

    virtual const char* GetSelectedItemCode();
    virtual const char* GetSelectedAccount();
    virtual void SetSelectItemCode(const char* code, int notify);
    virtual void SetSelectAccount(const char* account);
    // Restores the screen's code (the recent code under code link, else "screen.cfg"), then the
    // base view's InitWindow.
    virtual BOOL InitWindow();
    // A deriving view's own object for a control id (allocated with new, of the element kind's
    // class or a class derived from it; the view owns it from then on); null: the standard one.
    virtual CWnd* GetSubControl(WORD id);

    // Builds the controls of the layout file under parent. 0 when the file cannot be read or
    // an element could not be created; no control is left in either case.
    BOOL LoadMapFile(CWnd* parent, CString path);
    // The control created for the id, or null.
    CWnd* GetControl(WORD id);
    // Destroys and deletes every control of the layout.
    void DeleteControls();

    // Accessors by control id; an id without a control gives the failure value.
    BOOL GetEditText(WORD id, char* buf, int len);
    BOOL GetButtonText(WORD id, char* buf, int len);
    BOOL GetComboText(WORD id, char* buf, int len);
    // "yyyymmdd" of the date control; 0 when buf cannot hold it with its terminator.
    BOOL GetDate(WORD id, char* buf, int len);
    void EnableControl(WORD id, BOOL enable);
    BOOL SetButtonText(WORD id, const char* text);
    void SelectRadioBtn(WORD first, WORD last, WORD checked);
    BOOL GetButtonCheck(WORD id);
    int GetSelectIndex(WORD id);

    // The controls library's modal message box without a parent; empty texts take "확인",
    // "취소" and the title "확인". Returns the box's answer.
    int ShowMsgBox(CString message, int type, CString okText, CString cancelText, CString title);

    // Copies the text of every grid of the layout, top then left, into a new Excel workbook;
    // 0 when Excel could not be reached (its message shown), 1 otherwise (also with no grid).
    BOOL ExportGridData();
    // The same into another spreadsheet writer.
    BOOL ExportGridData(CSheetWriter& writer);

    CCdeCtrl* GetCodeCtrl() const { return m_pCodeCtrl; }
    CELWCodeCtrl* GetELWCodeCtrl() const { return m_pELWCodeCtrl; }
    CAccountCtrl* GetAccountCtrl() const { return m_pAccountCtrl; }

protected:
    // Creates the element's control (and its children) under parent; 0 only when the
    // element's creator gave no control.
    BOOL CreateControl(CWnd* parent, CXMLNode* element);
    // Takes a created control into the map; a control it replaces is kept until DeleteControls.
    void AddControl(WORD id, CWnd* control);

    CMapViewControlMap m_mapControls;
    // Controls displaced from the map by a later one with the same id.
    CArray<CWnd*, CWnd*> m_arrDisplaced;
    CCdeCtrl* m_pCodeCtrl;
    CELWCodeCtrl* m_pELWCodeCtrl;
    CAccountCtrl* m_pAccountCtrl;
    // Set while an element failed during the current load.
    BOOL m_bLoadFailed;
    // What GetSelectedItemCode and GetSelectedAccount last handed out.
    CString m_strSelectedCode;
    CString m_strSelectedAccount;

    friend struct MapViewCreators;

    afx_msg void OnDestroy();
    afx_msg LRESULT OnGridRButtonDown(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
