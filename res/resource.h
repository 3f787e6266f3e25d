// Resource identifiers.
#pragma once

#define IDS_ABOUTBOX            101
#define IDD_MENTAVO_DIALOG      102
#define IDR_MAINFRAME           128
#define IDR_MENU                129
#define IDD_STATISTICS          130
#define IDD_ABOUT               133

// Main dialog controls
#define IDC_STATISTICS_BUTTON   3
#define IDC_HELP_BUTTON         4
#define IDC_ABOUT_BUTTON        6
#define IDC_DIGIT_BOTTOM_RIGHT  1002
#define IDC_DIGIT_TOP_LEFT      1003
#define IDC_DIGIT_TOP_RIGHT     1004
#define IDC_DIGIT_BOTTOM_LEFT   1005
#define IDC_REVEAL              1006
#define IDC_INSTRUCTIONS        1007
#define IDC_GO                  1008
#define IDC_RADIO_YES           1009
#define IDC_RADIO_NO            1010
#define IDC_NOISE_SLIDER        1012
#define IDC_LAST_STEP_NOTE      1016
#define IDC_PROMPT              1017

// Statistics dialog controls
#define IDC_TOTAL_LABEL         1016
#define IDC_TOTAL_VALUE         1017
#define IDC_LAST_LABEL          1018
#define IDC_LAST_VALUE          1019
#define IDC_COUNT_LABEL         1020
#define IDC_COUNT_VALUE         1021

// Menu commands
#define ID_FILE_STATISTICS      32771
#define ID_FILE_EXIT            32772
#define ID_HELP_ABOUT           32774
#define ID_HELP_HELP            32775

// Window-menu command of the About item
#define IDM_ABOUTBOX            0x0010
