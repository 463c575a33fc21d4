// Template and control ids of the driver's test target.
#pragma once

#define IDD_TARGET 100
#define IDD_PAGE_ONE 200
#define IDD_PAGE_TWO 201

#define IDC_ASK 101
#define IDC_ANSWER 102
#define IDC_OPEN 103
#define IDC_PATH 104
#define IDC_EDIT 105
#define IDC_CHANGES 106
#define IDC_LEFT 107
#define IDC_COMBO 108
#define IDC_CHOSEN 109
#define IDC_TABS 110
#define IDC_TABNOTE 111
#define IDC_LIST 112
#define IDC_GAUGE 113
#define IDC_FILL 114
#define IDC_CHECK 115
#define IDC_NEVER 116
#define IDC_HIDDEN 117
#define IDC_KEYS 118
#define IDC_MODS 119
#define IDC_MODTEXT 120
#define IDC_PAGE_EDIT 121
// On both pages: the same id as a control of the main dialog, as the product's pages have.
#define IDC_PAGE_TEXT IDC_CHANGES
// The target's own item of its system menu.
#define IDM_SAVE_AS 0x0110
