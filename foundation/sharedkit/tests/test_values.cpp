// SharedKit's small value classes: the item-code record, the default font, the control base and
// the menu slot.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "CodeInfo.h"
#include "CtrlBase.h"
#include "DefFont.h"
#include "SharedKit.h"

namespace {

void Put(char* record, size_t offset, const char* text)
{
    memcpy(record + offset, text, strlen(text));
}

TEST(CodeInfo, EquityRecordGivesTrimmedCodeAndName)
{
    struct
    {
        const char* code; // 6 bytes
        const char* name; // 16 bytes
        const char* field1;
        const char* field3;
    } const cases[] = {
        {"1234  ", "  Samsung       ", "1234", "Samsung"},
        {"005930", "삼성전자        ", "005930", "삼성전자"},
        {"      ", "                ", "", ""},
    };
    for (const auto& c : cases) {
        tagEQTYCode record;
        memcpy(record.szCode, c.code, sizeof record.szCode);
        memcpy(record.szName, c.name, sizeof record.szName);
        CODE_INFO info;
        info.UpdateCode(&record);
        EXPECT_STREQ(c.field1, info.m_strField1);
        EXPECT_STREQ(c.field3, info.m_strField3);
        EXPECT_STREQ("", info.m_strField2);
    }
}

TEST(CodeInfo, DerivativesAndWarrantRecordsFillTheirFields)
{
    tagFmtCode fmt;
    memset(&fmt, ' ', sizeof fmt);
    Put(fmt.szRecord, 0, "1101T3000 ");
    Put(fmt.szRecord, 13, "KR4101T30000");
    Put(fmt.szRecord, 26, "F 202403");
    Put(fmt.szRecord, 129, "ABCDEFGH"); // only [129,135) is read
    CODE_INFO info;
    info.UpdateCode(&fmt);
    EXPECT_STREQ("1101T3000", info.m_strField1);
    EXPECT_STREQ("KR4101T30000", info.m_strField2);
    EXPECT_STREQ("F 202403", info.m_strField3);
    EXPECT_STREQ("", info.m_strField4);
    EXPECT_STREQ("ABCDEF", info.m_strField6);

    tagELWCode elw;
    memset(&elw, 0, sizeof elw);
    Put(elw.szRecord, 0, "57A123");
    Put(elw.szRecord, 19, " 한국 콜 ");
    Put(elw.szRecord, 67, " x ");
    Put(elw.szRecord, 76, "2"); // the last bytes of the record: read without a terminator beyond
    elw.szRecord[77] = '7';
    elw.szRecord[78] = '7';
    elw.szRecord[79] = '7';
    CODE_INFO warrant;
    warrant.UpdateCode(&elw);
    EXPECT_EQ(2777, warrant.m_nField1);
    EXPECT_STREQ("57A123", warrant.m_strField1);
    EXPECT_STREQ("한국 콜", warrant.m_strField3);
    EXPECT_STREQ("x", warrant.m_strField7);

    CODE_INFO copy(warrant);
    CODE_INFO assigned;
    assigned = warrant;
    for (const CODE_INFO* c : {&copy, &assigned}) {
        EXPECT_EQ(2777, c->m_nField1);
        EXPECT_STREQ("한국 콜", c->m_strField3);
    }
}

TEST(DefFont, CopiesOwnFontsOfTheirOwn)
{
    std::unique_ptr<CDefFont> original(new CDefFont);
    CDefFont copy(*original);
    CDefFont assigned;
    CFont* assignedFont = assigned.GetDefFont();
    assigned = *original;
    EXPECT_NE(original->GetDefFont(), copy.GetDefFont());
    EXPECT_EQ(assignedFont, assigned.GetDefFont());
    original.reset(); // deletes only its own font
    for (CDefFont* f : {&copy, &assigned}) {
        LOGFONT lf;
        ASSERT_NE(0, f->GetDefFont()->GetLogFont(&lf));
        EXPECT_EQ(12, lf.lfHeight);
        EXPECT_EQ(400, lf.lfWeight);
        EXPECT_STREQ("굴림체", lf.lfFaceName);
    }
    std::unique_ptr<CFont> made(CDefFont::CreateDefaultFont());
    EXPECT_NE(nullptr, made->GetSafeHandle());
}

COLORREF BrushColour(CBrush& brush)
{
    LOGBRUSH lb = {};
    brush.GetLogBrush(&lb);
    return lb.lbColor;
}

// A parent that colours static children with a brush of its own.
class ColouringParent : public CWnd
{
public:
    CBrush brush;
    int calls = 0;
    ColouringParent() { brush.CreateSolidBrush(RGB(1, 2, 3)); }

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        (void)pDC;
        (void)pWnd;
        ++calls;
        return nCtlColor == CTLCOLOR_STATIC ? static_cast<HBRUSH>(brush.GetSafeHandle()) : NULL;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColouringParent, CWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(CtrlBase, BeforeTheColourMapIsLoadedTheBackgroundIsBlackAndTheBrushKeepsItsColour)
{
    ASSERT_EQ(nullptr, CColorMap::GetColorInfo(CLR_VIEW_BACKGROUND));
    CCtrlBase control;
    EXPECT_EQ(RGB(0, 0, 0), control.GetBackColor());
    EXPECT_EQ(RGB(0, 0, 0), BrushColour(control.GetBackBrush()));
    control.SetBackColor(RGB(10, 20, 30));
    EXPECT_EQ(RGB(10, 20, 30), control.GetBackColor());
    EXPECT_EQ(RGB(0, 0, 0), BrushColour(control.GetBackBrush()));
    EXPECT_TRUE(control.IsKindOf(RUNTIME_CLASS(CCtrlBase)));
}

TEST(CtrlBase, StaticChildrenAreColouredByTheControlsParent)
{
    ColouringParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, CRect(0, 0, 200, 100), NULL, 0));
    CCtrlBase control;
    ASSERT_TRUE(control.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 50), &parent, 10));
    HWND label = ::CreateWindowExA(0, "STATIC", "x", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, control.m_hWnd, NULL,
                                   ::GetModuleHandleA(NULL), NULL);
    HDC dc = ::GetDC(label);
    const LRESULT brush = ::SendMessageA(control.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(label));
    ::ReleaseDC(label, dc);
    EXPECT_EQ(reinterpret_cast<LRESULT>(parent.brush.GetSafeHandle()), brush);
    EXPECT_EQ(1, parent.calls);
    control.DestroyWindow();
    parent.DestroyWindow();
}

TEST(MenuSlot, IsEmptyUntilSet)
{
    EXPECT_EQ(nullptr, GetXMLMenu());
    CXMLMenu* fake = reinterpret_cast<CXMLMenu*>(0x1234);
    EXPECT_EQ(fake, SetXMLMenu(fake));
    EXPECT_EQ(fake, GetXMLMenu());
    SetXMLMenu(nullptr);
}

} // namespace
