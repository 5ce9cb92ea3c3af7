// Ids of the base-view tests' dialog template.
#pragma once

#define IDD_TEST_VIEW 5001
#define IDC_FIRST_EDIT 1001
#define IDC_SECOND_EDIT 1002
#define IDC_OUTSIDE_EDIT 1003
#define IDC_LAST_BUTTON 1004
