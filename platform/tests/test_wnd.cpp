// Window objects: creation through the hook (first messages reach the object), the handle map
// with permanent and temporary objects, subclassing, destruction and class registration.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include <afxext.h>
#include <msgbox_recorder.h>

#include "wnd_test_util.h"

namespace {

// Records the messages of the creation sequence and what the object knew at that moment.
class CCreateProbe : public CWnd
{
public:
    std::vector<std::string> m_seen;
    int m_createResult = 0;
    void* m_createParam = NULL;
    bool m_attachedInNcCreate = false;
    bool m_mappedInCreate = false;
    int m_postNcDestroyCalls = 0;

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        m_seen.push_back("WM_NCCREATE");
        m_attachedInNcCreate = m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this;
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_seen.push_back("WM_CREATE");
        m_createParam = lpcs->lpCreateParams;
        m_mappedInCreate = FromHandlePermanent(m_hWnd) == this;
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        return m_createResult;
    }
    afx_msg void OnDestroy()
    {
        m_seen.push_back("WM_DESTROY");
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override { ++m_postNcDestroyCalls; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreateProbe, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WindowCreation, FirstMessagesReachTheObject)
{
    CCreateProbe wnd;
    int param = 0;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "created", WS_POPUP, 0, 0, 100, 100, NULL, NULL, &param));
    ASSERT_GE(wnd.m_seen.size(), 2u);
    EXPECT_EQ(wnd.m_seen[0], "WM_NCCREATE");
    EXPECT_EQ(wnd.m_seen[1], "WM_CREATE");
    EXPECT_TRUE(wnd.m_attachedInNcCreate);
    EXPECT_TRUE(wnd.m_mappedInCreate);
    EXPECT_EQ(wnd.m_createParam, &param);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_QUERYAFXWNDPROC, 0, 0), 1);

    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), (CWnd*)NULL);
    EXPECT_EQ(wnd.m_seen.back(), "WM_DESTROY");
    EXPECT_EQ(wnd.m_postNcDestroyCalls, 1);
}

TEST(WindowCreation, ChildCreatedWithCreateGetsItsIdAndParent)
{
    CCreateProbe parent, child;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 200, 200, NULL, NULL));
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, CRect(1, 2, 51, 32), &parent, 77));
    EXPECT_EQ(child.GetDlgCtrlID(), 77);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_EQ(parent.GetDlgItem(77), &child);
    EXPECT_TRUE(child.GetStyle() & WS_CHILD);
    CRect rc;
    child.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(1, 2, 51, 32));
    parent.DestroyWindow(); // takes the child along
    EXPECT_EQ(child.m_hWnd, (HWND)NULL);
    EXPECT_EQ(child.m_postNcDestroyCalls, 1);
}

// A window that makes its child while it is being created itself.
class CNestingWnd : public CWnd
{
public:
    CCreateProbe m_child;
    BOOL m_childCreated = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        m_childCreated = m_child.Create(NULL, "nested", WS_VISIBLE, CRect(0, 0, 20, 20), this, 5);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WindowCreation, ChildMadeInsideOnCreateIsAttachedToItsOwnObject)
{
    CNestingWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "nesting", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    EXPECT_TRUE(parent.m_childCreated);
    EXPECT_EQ(CWnd::FromHandlePermanent(parent.m_hWnd), &parent);
    EXPECT_EQ(CWnd::FromHandlePermanent(parent.m_child.m_hWnd), &parent.m_child);
    EXPECT_EQ(parent.m_child.m_seen.front(), "WM_NCCREATE");
    EXPECT_EQ(parent.m_child.GetParent(), &parent);
}

TEST(WindowCreation, CreateFailsWhenOnCreateRefuses)
{
    CCreateProbe wnd;
    wnd.m_createResult = -1;
    EXPECT_FALSE(wnd.CreateEx(0, NULL, "refused", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    EXPECT_EQ(wnd.m_hWnd, (HWND)NULL);
    EXPECT_EQ(wnd.m_postNcDestroyCalls, 1);
}

TEST(WindowCreation, UnknownClassFailsWithoutAWindow)
{
    CCreateProbe wnd;
    EXPECT_FALSE(wnd.CreateEx(0, "No.Such.Class", "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(wnd.m_hWnd, (HWND)NULL);
    EXPECT_EQ(wnd.m_postNcDestroyCalls, 1) << "cleanup runs once even though no window existed";
    // The creation hook is gone: the next plain window is not taken by anybody.
    HWND hForeign = CreateForeignWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(hForeign), (CWnd*)NULL);
    ::DestroyWindow(hForeign);
}

TEST(WindowCreation, DestructorDestroysTheWindow)
{
    HWND hWnd = NULL;
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, NULL, "scoped", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), (CWnd*)NULL);
}

// Self-deleting windows (as frames are): PostNcDestroy deletes the object.
class CSelfDeleting : public CWnd
{
public:
    explicit CSelfDeleting(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CSelfDeleting() { *m_pDeleted = true; }

protected:
    void PostNcDestroy() override { delete this; }
    bool* m_pDeleted;
};

TEST(WindowCreation, PostNcDestroyMayDeleteTheObject)
{
    bool bDeleted = false;
    CSelfDeleting* pWnd = new CSelfDeleting(&bDeleted);
    ASSERT_TRUE(pWnd->CreateEx(0, NULL, "self", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_TRUE(pWnd->DestroyWindow());
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), (CWnd*)NULL);
}

// A derived WM_NCDESTROY handler that forgets the base one: the object still reaches
// PostNcDestroy (and deletes itself there) and leaves the map.
class CForgetfulSelfDeleting : public CSelfDeleting
{
public:
    using CSelfDeleting::CSelfDeleting;
    bool* m_pSawNcDestroy = nullptr;

protected:
    afx_msg void OnNcDestroy() { *m_pSawNcDestroy = true; } // no CWnd::OnNcDestroy
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CForgetfulSelfDeleting, CSelfDeleting)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

TEST(WindowCreation, PostNcDestroyRunsEvenWhenTheHandlerSkipsTheBase)
{
    bool bDeleted = false, bSawNcDestroy = false;
    CForgetfulSelfDeleting* pWnd = new CForgetfulSelfDeleting(&bDeleted);
    pWnd->m_pSawNcDestroy = &bSawNcDestroy;
    ASSERT_TRUE(pWnd->CreateEx(0, NULL, "self", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_TRUE(pWnd->DestroyWindow());
    EXPECT_TRUE(bSawNcDestroy);
    EXPECT_TRUE(bDeleted) << "a self-deleting object would leak";
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), (CWnd*)NULL);
}

// Handle map

TEST(HandleMap, ForeignHandlesGetTemporaryObjects)
{
    CWnd::DeleteTempMap();
    HWND hForeign = CreateForeignWindow();
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(pTemp, (CWnd*)NULL);
    EXPECT_EQ(pTemp->m_hWnd, hForeign);
    EXPECT_EQ(CWnd::FromHandle(hForeign), pTemp) << "one object per handle until the map is freed";
    EXPECT_EQ(CWnd::FromHandlePermanent(hForeign), (CWnd*)NULL);
    EXPECT_EQ(AfxGetTempWndCount(), 1);
    EXPECT_EQ(CWnd::FromHandle(NULL), (CWnd*)NULL);

    CWnd::DeleteTempMap();
    EXPECT_EQ(AfxGetTempWndCount(), 0);
    EXPECT_TRUE(::IsWindow(hForeign)) << "freeing a temporary object leaves its window alone";
    ::DestroyWindow(hForeign);
}

TEST(HandleMap, TemporaryObjectsSurviveWhileLockedAndGoAtIdle)
{
    CWnd::DeleteTempMap();
    HWND hForeign = CreateForeignWindow();
    AfxLockTempMaps();
    CWnd::FromHandle(hForeign);
    CWinThread idleOwner; // any thread object's idle processing frees the calling thread's temporaries
    idleOwner.OnIdle(1);
    EXPECT_EQ(AfxGetTempWndCount(), 1) << "locked maps are kept";
    EXPECT_TRUE(AfxUnlockTempMaps());
    EXPECT_EQ(AfxGetTempWndCount(), 0);

    CWnd::FromHandle(hForeign);
    EXPECT_FALSE(idleOwner.OnIdle(1)) << "nothing more to do after freeing";
    EXPECT_EQ(AfxGetTempWndCount(), 0);
    ::DestroyWindow(hForeign);
}

// What the other thread saw, handed back through memory: an exit code holds 32 bits only.
struct TempProbe
{
    HWND hWnd;
    CWnd* pTemp;
};

DWORD WINAPI TempOnOtherThread(LPVOID pv)
{
    TempProbe* probe = static_cast<TempProbe*>(pv);
    CWnd* pTemp = CWnd::FromHandle(probe->hWnd);
    probe->pTemp = pTemp != NULL && AfxGetTempWndCount() == 1 ? pTemp : NULL;
    return 0;
}

TEST(HandleMap, TemporaryObjectsBelongToTheAskingThread)
{
    CWnd::DeleteTempMap();
    HWND hForeign = CreateForeignWindow();
    CWnd* pMine = CWnd::FromHandle(hForeign);
    TempProbe probe = {hForeign, NULL};
    HANDLE hThread = ::CreateThread(NULL, 0, &TempOnOtherThread, &probe, 0, NULL);
    ASSERT_EQ(::WaitForSingleObject(hThread, 5000), WAIT_OBJECT_0);
    ::CloseHandle(hThread);
    EXPECT_NE(probe.pTemp, (CWnd*)NULL);
    EXPECT_NE(probe.pTemp, pMine);
    EXPECT_EQ(AfxGetTempWndCount(), 1);
    CWnd::DeleteTempMap();
    ::DestroyWindow(hForeign);
}

TEST(HandleMap, PermanentObjectsAreSeenFromEveryThread)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "perm", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    struct Probe
    {
        static DWORD WINAPI Run(LPVOID pv) { return (DWORD)(UINT_PTR)CWnd::FromHandlePermanent((HWND)pv); }
    };
    HANDLE hThread = ::CreateThread(NULL, 0, &Probe::Run, wnd.m_hWnd, 0, NULL);
    ::WaitForSingleObject(hThread, 5000);
    DWORD dwFound = 0;
    ::GetExitCodeThread(hThread, &dwFound);
    ::CloseHandle(hThread);
    EXPECT_EQ((CWnd*)(UINT_PTR)dwFound, &wnd);
}

TEST(HandleMap, AttachAndDetachWithoutSubclassing)
{
    HWND hForeign = CreateForeignWindow();
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hForeign));
    EXPECT_EQ(CWnd::FromHandlePermanent(hForeign), &wnd);
    EXPECT_EQ(CWnd::FromHandle(hForeign), &wnd);
    EXPECT_EQ(::SendMessageA(hForeign, WM_QUERYAFXWNDPROC, 0, 0), 0) << "Attach does not subclass";
    EXPECT_EQ(wnd.Detach(), hForeign);
    EXPECT_EQ(wnd.m_hWnd, (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(hForeign), (CWnd*)NULL);
    EXPECT_FALSE(wnd.Attach(NULL));
    ::DestroyWindow(hForeign);
}

TEST(HandleMap, DestroyingAnAttachedWindowDetachesIt)
{
    HWND hForeign = CreateForeignWindow();
    CWnd wnd;
    wnd.Attach(hForeign);
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, (HWND)NULL);
    EXPECT_EQ(CWnd::FromHandlePermanent(hForeign), (CWnd*)NULL);
}

// Subclassing

class CUpperEdit : public CWnd
{
public:
    int m_chars = 0;
    bool m_sawNcDestroy = false;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_chars;
        // Change the message on its way to the edit's own procedure.
        DefWindowProc(WM_CHAR, (WPARAM)::CharUpperA((LPSTR)(UINT_PTR)nChar), MAKELPARAM(nRepCnt, nFlags));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpperEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(Subclassing, MessagesPassTheMapThenTheOriginalProcedure)
{
    HWND hEdit = CreateForeignWindow("EDIT", NULL, WS_POPUP | ES_AUTOHSCROLL);
    ::SetWindowTextA(hEdit, "");
    WNDPROC pfnOriginal = (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    CUpperEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(edit.m_pfnSuper, pfnOriginal);
    ::SendMessageA(hEdit, WM_CHAR, 'a', 1);
    ::SendMessageA(hEdit, WM_CHAR, 'b', 1);
    EXPECT_EQ(edit.m_chars, 2);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "AB");
    EXPECT_FALSE(CUpperEdit().SubclassWindow(hEdit)) << "a window has one framework object";

    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ((WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), pfnOriginal);
    ::SendMessageA(hEdit, WM_CHAR, 'c', 1);
    EXPECT_EQ(edit.m_chars, 2);
    ::DestroyWindow(hEdit);
}

// Detaching a subclassed control hands it back its own procedure: it keeps working as the
// control it is, and the object hears nothing more.
TEST(Subclassing, DetachGivesTheControlItsProcedureBack)
{
    HWND hEdit = CreateForeignWindow("EDIT", NULL, WS_POPUP | ES_AUTOHSCROLL);
    ::SetWindowTextA(hEdit, "");
    WNDPROC pfnOriginal = (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    CUpperEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    ::SendMessageA(hEdit, WM_CHAR, 'a', 1);
    EXPECT_EQ(edit.Detach(), hEdit);
    EXPECT_EQ((WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), pfnOriginal);
    EXPECT_EQ(edit.m_pfnSuper, (WNDPROC)NULL);
    ::SendMessageA(hEdit, WM_CHAR, 'b', 1);
    EXPECT_EQ(edit.m_chars, 1);
    char text[16] = "";
    ::GetWindowTextA(hEdit, text, sizeof(text));
    EXPECT_STREQ(text, "Ab") << "the edit still takes characters";
    EXPECT_TRUE(edit.SubclassWindow(hEdit)) << "and may be subclassed again";
    edit.UnsubclassWindow();
    ::DestroyWindow(hEdit);
}

TEST(Subclassing, SubclassDlgItemFindsTheChildById)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, parent.m_hWnd, (HMENU)12,
                                   ::GetModuleHandleA(NULL), NULL);
    CUpperEdit edit;
    EXPECT_FALSE(edit.SubclassDlgItem(13, &parent));
    ASSERT_TRUE(edit.SubclassDlgItem(12, &parent));
    EXPECT_EQ(edit.m_hWnd, hEdit);
    EXPECT_EQ(parent.GetDlgItem(12), &edit);
    parent.DestroyWindow();
    EXPECT_EQ(edit.m_hWnd, (HWND)NULL) << "the child's destruction released the object";
}

// Window operations

TEST(WindowOperations, StylesAndText)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "title", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    EXPECT_TRUE(wnd.ModifyStyle(0, WS_BORDER));
    EXPECT_TRUE(wnd.GetStyle() & WS_BORDER);
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_BORDER)) << "no change";
    EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_TOOLWINDOW, SWP_FRAMECHANGED));
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOOLWINDOW);
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ(text, "title");
    EXPECT_EQ(wnd.GetWindowTextLength(), 5);
}

TEST(WindowOperations, DescendantsAndBroadcast)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    CCreateProbe inner, leaf;
    ASSERT_TRUE(inner.Create(NULL, "inner", 0, CRect(0, 0, 50, 50), &parent, 1));
    ASSERT_TRUE(leaf.Create(NULL, "leaf", 0, CRect(0, 0, 10, 10), &inner, 2));
    HWND hForeign = CreateForeignWindow("STATIC", inner.m_hWnd, WS_CHILD);
    ::SetWindowLongA(hForeign, GWL_ID, 3);
    EXPECT_EQ(parent.GetDescendantWindow(2), &leaf);
    EXPECT_EQ(parent.GetDescendantWindow(3, TRUE), (CWnd*)NULL) << "only permanent objects";
    EXPECT_NE(parent.GetDescendantWindow(3), (CWnd*)NULL);
    EXPECT_EQ(parent.GetDescendantWindow(99), (CWnd*)NULL);

    parent.SendMessageToDescendants(WM_SETTEXT, 0, (LPARAM) "broadcast");
    CString text;
    leaf.GetWindowText(text);
    EXPECT_STREQ(text, "broadcast");
    parent.SendMessageToDescendants(WM_SETTEXT, 0, (LPARAM) "shallow", FALSE);
    leaf.GetWindowText(text);
    EXPECT_STREQ(text, "broadcast") << "not deep";
    inner.GetWindowText(text);
    EXPECT_STREQ(text, "shallow");
    CWnd::DeleteTempMap();
}

TEST(WindowOperations, CenterWindowOverItsOwner)
{
    CWnd owner, popup;
    ASSERT_TRUE(owner.CreateEx(0, NULL, "owner", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, NULL, NULL));
    ASSERT_TRUE(popup.CreateEx(0, NULL, "popup", WS_POPUP, 0, 0, 100, 50, owner.m_hWnd, NULL));
    popup.CenterWindow();
    CRect rc;
    popup.GetWindowRect(&rc);
    EXPECT_EQ(rc.left, 100 + 200 - 50);
    EXPECT_EQ(rc.top, 100 + 150 - 25);
}

TEST(WindowOperations, SafeOwnerIsTheTopLevelWindowOfAChild)
{
    CWnd top, child;
    ASSERT_TRUE(top.CreateEx(0, NULL, "top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, NULL, NULL));
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 10, 10), &top, 1));
    HWND hWndTop = (HWND)1;
    EXPECT_EQ(CWnd::GetSafeOwner_(child.m_hWnd, &hWndTop), top.m_hWnd);
    EXPECT_EQ(hWndTop, (HWND)NULL) << "the owner itself is not disabled by GetSafeOwner";
    EXPECT_TRUE(top.IsWindowEnabled());
}

// Window classes

TEST(WindowClasses, RegisterWndClassNamesFollowTheAttributes)
{
    HCURSOR hCursor = ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    std::string plain = AfxRegisterWndClass(CS_DBLCLKS);
    std::string withCursor = AfxRegisterWndClass(CS_DBLCLKS, hCursor);
    std::string again = AfxRegisterWndClass(CS_DBLCLKS, hCursor);
    EXPECT_EQ(plain.rfind("Afx:", 0), 0u);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), ':'), 2);
    EXPECT_EQ(std::count(withCursor.begin(), withCursor.end(), ':'), 5);
    EXPECT_EQ(withCursor, again);
    EXPECT_NE(plain, withCursor);
    WNDCLASSA wc;
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), withCursor.c_str(), &wc));
    EXPECT_EQ(wc.style, (UINT)CS_DBLCLKS);
    EXPECT_EQ(wc.hCursor, hCursor);

    CWnd wnd;
    EXPECT_TRUE(wnd.CreateEx(0, withCursor.c_str(), "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
}

TEST(WindowClasses, RegisterClassAcceptsAnExistingClass)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = "Molvane.Test.Class";
    EXPECT_TRUE(AfxRegisterClass(&wc));
    EXPECT_TRUE(AfxRegisterClass(&wc));
}

TEST(WindowClasses, ClassOfAnotherModuleIsFound)
{
    // A class registered under this layer's own instance still creates through CreateEx, which
    // passes the application's instance.
    HMODULE hPlatform = ::GetModuleHandleA("Platform.dll");
    ASSERT_NE(hPlatform, (HMODULE)NULL);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hPlatform;
    wc.lpszClassName = "Molvane.Test.LibraryClass";
    ASSERT_TRUE(AfxRegisterClass(&wc));
    CWnd wnd;
    EXPECT_TRUE(wnd.CreateEx(0, "Molvane.Test.LibraryClass", "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
}

} // namespace

namespace {

// Failures thrown by handlers end at the framework's window procedure.
class CThrowingWnd : public CWnd
{
public:
    bool m_throwOnCreate = false;
    CException* (*m_make)() = nullptr;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (m_throwOnCreate)
            throw new CUserException;
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnCommandX() { throw m_make(); }
    afx_msg LRESULT OnStd(WPARAM, LPARAM) { throw std::runtime_error("broken invariant"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_COMMAND(0x8500, OnCommandX)
    ON_MESSAGE(WM_APP + 5, OnStd)
END_MESSAGE_MAP()

TEST(HandlerFailures, ExceptionInOnCreateFailsTheCreationQuietly)
{
    CMsgBoxRecorder recorder;
    CThrowingWnd wnd;
    wnd.m_throwOnCreate = true;
    EXPECT_FALSE(wnd.CreateEx(0, NULL, "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(recorder.Count(), 0u) << "a user exception was reported already";
}

struct FailureCase
{
    const char* name;
    CException* (*make)();
    size_t expectedBoxes;
    UINT expectedIcon;
};

const FailureCase kFailureCases[] = {
    {"FileError", [] { return (CException*)new CFileException(CFileException::fileNotFound, 2, "a.txt"); }, 1,
     MB_ICONSTOP},
    {"OutOfMemory", [] { return (CException*)new CMemoryException; }, 1, MB_ICONEXCLAMATION},
    {"UserException", [] { return (CException*)new CUserException; }, 0, 0},
};

class HandlerFailureKinds : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(HandlerFailureKinds, CommandCountsAsHandledAndTheUserIsTold)
{
    CMsgBoxRecorder recorder;
    CThrowingWnd wnd;
    wnd.m_make = GetParam().make;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_COMMAND, 0x8500, 0), TRUE);
    ASSERT_EQ(recorder.Count(), GetParam().expectedBoxes);
    if (GetParam().expectedBoxes > 0) {
        EXPECT_EQ(recorder.Last().nType & MB_ICONMASK, GetParam().expectedIcon);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, HandlerFailureKinds, ::testing::ValuesIn(kFailureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(HandlerFailures, StandardExceptionIsReportedNotPropagated)
{
    CMsgBoxRecorder recorder;
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_APP + 5, 0, 0), 0);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_NE(recorder.Last().text.find("broken invariant"), std::string::npos);
}

// One policy for every kind of failure in every message: the thread's handler reports it once
// (a box whose own loop paints the failing window again shows no second box), creation fails,
// a command counts as handled and a paint leaves the window valid.
enum class Thrown { Framework, Standard, Anything };
enum class During { Create, Command, Paint };

class CFailingWnd : public CWnd
{
public:
    Thrown m_thrown = Thrown::Standard;
    During m_during = During::Create;

    void Fail()
    {
        switch (m_thrown) {
        case Thrown::Framework:
            throw new CNotSupportedException;
        case Thrown::Standard:
            throw std::runtime_error("broken invariant");
        case Thrown::Anything:
            throw 42;
        }
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (m_during == During::Create)
            Fail();
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnCommandX() { Fail(); }
    afx_msg void OnPaint() { Fail(); } // before BeginPaint: the window stays invalid
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_COMMAND(0x8501, OnCommandX)
END_MESSAGE_MAP()

// A box that, like the real one, runs a loop: it paints the window it reports over.
struct PaintingBox
{
    static HWND s_hWnd;
    static std::vector<std::string> s_texts;
    static int s_depth;
    static int s_deepest;
    static int AFXAPI Show(HWND, LPCTSTR lpszText, LPCTSTR, UINT nType)
    {
        s_texts.push_back(lpszText != NULL ? lpszText : "");
        ++s_depth;
        s_deepest = s_depth > s_deepest ? s_depth : s_deepest;
        if (s_depth < 4 && s_hWnd != NULL && ::IsWindow(s_hWnd)) { // bounded even when boxes nest
            ::InvalidateRect(s_hWnd, NULL, FALSE);
            ::UpdateWindow(s_hWnd);
        }
        --s_depth;
        return AfxTestDismissAnswer(nType);
    }
};
HWND PaintingBox::s_hWnd = NULL;
std::vector<std::string> PaintingBox::s_texts;
int PaintingBox::s_depth = 0;
int PaintingBox::s_deepest = 0;

struct PolicyCase
{
    const char* name;
    Thrown thrown;
    During during;
    const char* text; // the report holds this
};

const PolicyCase kPolicyCases[] = {
    {"FrameworkInCreate", Thrown::Framework, During::Create, ""},
    {"StandardInCreate", Thrown::Standard, During::Create, "broken invariant"},
    {"AnythingInCreate", Thrown::Anything, During::Create, "unknown exception"},
    {"FrameworkInCommand", Thrown::Framework, During::Command, ""},
    {"StandardInCommand", Thrown::Standard, During::Command, "broken invariant"},
    {"AnythingInCommand", Thrown::Anything, During::Command, "unknown exception"},
    {"FrameworkInPaint", Thrown::Framework, During::Paint, ""},
    {"StandardInPaint", Thrown::Standard, During::Paint, "broken invariant"},
    {"AnythingInPaint", Thrown::Anything, During::Paint, "unknown exception"},
};

class HandlerFailurePolicy : public ::testing::TestWithParam<PolicyCase>
{
protected:
    void SetUp() override
    {
        PaintingBox::s_hWnd = NULL;
        PaintingBox::s_texts.clear();
        PaintingBox::s_depth = PaintingBox::s_deepest = 0;
        m_pfnPrevious = AfxSetMessageBoxHandler(&PaintingBox::Show);
    }
    void TearDown() override { AfxSetMessageBoxHandler(m_pfnPrevious); }
    AFX_MSGBOX_HANDLER m_pfnPrevious = NULL;
};

TEST_P(HandlerFailurePolicy, ReportedOnceWithTheMessagesOwnOutcome)
{
    const PolicyCase& c = GetParam();
    CFailingWnd wnd;
    wnd.m_thrown = c.thrown;
    wnd.m_during = c.during;
    BOOL bCreated = wnd.CreateEx(0, NULL, "x", WS_POPUP | (c.during == During::Paint ? WS_VISIBLE : 0), 0, 0,
                                 40, 40, NULL, NULL);
    switch (c.during) {
    case During::Create:
        EXPECT_FALSE(bCreated) << "a failed WM_CREATE fails the creation";
        break;
    case During::Command:
        ASSERT_TRUE(bCreated);
        EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_COMMAND, 0x8501, 0), TRUE);
        break;
    case During::Paint: {
        ASSERT_TRUE(bCreated);
        PaintingBox::s_hWnd = wnd.m_hWnd;
        ::InvalidateRect(wnd.m_hWnd, NULL, FALSE);
        ::UpdateWindow(wnd.m_hWnd);
        RECT rcUpdate;
        EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, &rcUpdate, FALSE)) << "validated, or painted for ever";
        break;
    }
    }
    ASSERT_EQ(PaintingBox::s_texts.size(), 1u);
    EXPECT_EQ(PaintingBox::s_deepest, 1) << "no box inside a box";
    EXPECT_NE(PaintingBox::s_texts[0].find(c.text), std::string::npos) << PaintingBox::s_texts[0];
    PaintingBox::s_hWnd = NULL;
}

INSTANTIATE_TEST_SUITE_P(Table, HandlerFailurePolicy, ::testing::ValuesIn(kPolicyCases),
                         [](const ::testing::TestParamInfo<PolicyCase>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// A tool bar as the system's: as wide as its frame and 68 pixels high.
class CFullWidthBar : public CControlBar
{
public:
    CSize CalcDynamicLayout(int, DWORD) override
    {
        CRect rc;
        GetParent()->GetWindowRect(&rc);
        return CSize(rc.Width(), 68);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

TEST(Frames, ResizingLaysOutBarsAndThePane)
{
    CFrameWnd* pFrame = new CFrameWnd; // frames delete themselves
    ASSERT_TRUE(pFrame->Create(NULL, "frame", WS_POPUP, CRect(0, 0, 500, 300)));
    CFullWidthBar bar;
    bar.m_dwStyle = CBRS_TOP;
    ASSERT_TRUE(bar.Create(AfxRegisterWndClass(0), "bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, 12000));
    CWnd pane;
    ASSERT_TRUE(pane.Create(NULL, "pane", WS_VISIBLE, CRect(0, 0, 1, 1), pFrame, AFX_IDW_PANE_FIRST));

    pFrame->SetWindowPos(NULL, 0, 0, 600, 300, SWP_NOMOVE | SWP_NOZORDER); // WM_SIZE lays out
    CRect rcClient, rcBar, rcPane;
    pFrame->GetClientRect(&rcClient);
    bar.GetWindowRect(&rcBar);
    pFrame->ScreenToClient(&rcBar);
    pane.GetWindowRect(&rcPane);
    pFrame->ScreenToClient(&rcPane);
    EXPECT_EQ(rcBar.top, 0);
    EXPECT_EQ(rcBar.Height(), 68);
    EXPECT_EQ(rcBar.left, 0);
    EXPECT_GE(rcBar.right, rcClient.right);
    EXPECT_EQ(rcPane.top, 68);
    EXPECT_EQ(rcPane.bottom, rcClient.bottom);
    pFrame->DestroyWindow();
}

} // namespace
