// Templates, controls and strings of the window layer's test dialogs (ids far from the program's).
#pragma once

#define IDD_TEST_MAIN 9001
#define IDD_TEST_PAGE 9002
#define IDD_TEST_CHILD 9003

#define IDC_TEST_LABEL 9101
#define IDC_TEST_EDIT 9102
#define IDC_TEST_NUMBER 9103
#define IDC_TEST_BIG 9104
#define IDC_TEST_COMBO 9105
#define IDC_TEST_CHECK 9106
#define IDC_TEST_RADIO1 9107
#define IDC_TEST_RADIO2 9108
#define IDC_TEST_RADIO3 9109
#define IDC_TEST_TAB 9110

#define IDC_PAGE_LABEL 9201
#define IDC_PAGE_EDIT 9202
#define IDC_PAGE_COMBO 9203

#define IDC_CHILD_LABEL 9301
#define IDC_CHILD_EDIT 9302

#define IDS_TEST_TAB_FIRST 9401
#define IDS_TEST_TAB_SECOND 9402
#define IDS_TEST_TAB_THIRD 9403
#define IDS_TEST_TIP 9404
