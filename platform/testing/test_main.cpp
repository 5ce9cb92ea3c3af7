// Entry point of every test executable. No test may hang on a modal box: every message box of
// the layer is printed to stderr and dismissed without being shown. A failed ASSERT of any
// module is a failure of the running test.
#include <gtest/gtest.h>

#include <stdio.h>

#include "msgbox_recorder.h"

namespace {

int AFXAPI DismissMessageBox(HWND, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    int nAnswer = AfxTestDismissAnswer(nType);
    fprintf(stderr, "[message box] caption \"%s\" text \"%s\" type 0x%X -> %d\n", lpszCaption ? lpszCaption : "",
            lpszText ? lpszText : "", nType, nAnswer);
    fflush(stderr);
    return nAnswer;
}

BOOL AFXAPI FailTheTest(LPCSTR lpszFileName, int nLine)
{
    ADD_FAILURE_AT(lpszFileName != nullptr ? lpszFileName : "?", nLine) << "ASSERT failed";
    return FALSE;
}

} // namespace

int main(int argc, char** argv)
{
    AfxSetMessageBoxHandler(&DismissMessageBox);
    AfxSetAssertHandler(&FailTheTest);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
