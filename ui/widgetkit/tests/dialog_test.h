// Resource ids of the skinned dialog tests.
#pragma once

#define IDD_TEST_POPUP 9101
#define IDD_TEST_CHILD 9102
#define IDC_TEST_PUSH 9110
#define IDC_TEST_CHECK 9111
#define IDC_TEST_RADIO 9112
#define IDC_TEST_GROUP 9113
#define IDC_TEST_LABEL 9114
