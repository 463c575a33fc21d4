// The test dialog that carries the gauge and the image buttons as the main window does.
#pragma once

#define IDD_CONTROLS_TEST 9100
#define IDC_TEST_LOGO 1185
#define IDC_TEST_GAUGE 1025
#define IDC_TEST_MARKER 1268
#define IDC_TEST_MARKER_FULL_SIZE 9101
#define IDC_TEST_MISSING_IMAGE 9102
// A PNG resource that is no picture at all.
#define IDP_TEST_NOT_A_PICTURE 9103
#define IDP_TEST_EMPTY 9104
// No resource carries this id.
#define IDP_TEST_MISSING 9105
