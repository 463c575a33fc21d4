// Ids of the test window that hosts the tab pages as the main window does.
#pragma once

#define IDD_PAGE_HOST     9100
#define IDC_PAGE_HOST_TAB 9101
