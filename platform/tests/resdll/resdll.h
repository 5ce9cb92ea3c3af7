// Resource ids of the test resource libraries.
#define IDD_TEST_DIALOG 5001
#define IDD_VISIBLE_DIALOG 5002
#define IDC_TEST_EDIT 1001
#define IDC_TEST_CHECK 1002
#define IDS_TEST_TEXT 7001
#define IDS_FIRST_ONLY 7002  // same 16-string block as IDS_TEST_TEXT
