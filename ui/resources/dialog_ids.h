// Template and control ids of the connection dialogs (the serial, IP and network address dialogs).
#pragma once

#define IDD_SERIAL_DLG 222
#define IDD_IP_DLG 388
#define IDD_NET_ADDR_DLG 223

// Serial connection dialog.
#define IDC_SERIAL_PORT 1169
#define IDC_SERIAL_BAUD 1088

// IP connection dialog.
#define IDC_IP_SERVER_ADDRESS 1197
#define IDC_IP_TERMINAL_ID 1198
#define IDC_IP_TERMINAL_PORT 1169
#define IDC_IP_BAUD 1088
#define IDC_IP_STATUS 1002

// Network address dialog.
#define IDC_NET_ADDRESS_LABEL 1137
#define IDC_NET_ADDRESS 1076
#define IDC_NET_WRITE 1094
#define IDC_NET_COMMON_ADDRESS 1200
#define IDC_NET_SERIAL_NUMBER 1077
#define IDC_NET_SECONDARY_ADDRESS 1257
