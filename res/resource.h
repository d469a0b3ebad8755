// Resource identifiers of Quillscape. Standard command ids sit in the
// framework's range (0xE000 upwards) and are named in framework/.
#pragma once

// Frame and document template: menu, accelerators, icon and title strings.
#define IDR_MAINFRAME 128
#define IDR_QSCTYPE 129

#define IDD_ABOUTBOX 100
#define IDD_OPTIONS 133

#define IDD_FINDER_BAR 128
#define IDB_FINDER_FULL 130
#define IDB_FINDER_EMPTY 131
#define IDC_FINDER_CURSOR 132
#define IDC_LINK_CURSOR 135

#define IDI_SAVE_OUT 139
#define IDI_SAVE_IN 140
#define IDI_CUT_OUT 141
#define IDI_COPY_OUT 142
#define IDI_PASTE_OUT 143
#define IDI_CUT_IN 144
#define IDI_COPY_IN 145
#define IDI_PASTE_IN 146

// Controls of the finder bar.
#define IDC_FINDER_IMAGE 1002

// Controls of the options dialog, one for each option flag.
#define IDC_DEL_SPACE_LINES 1009
#define IDC_DEL_SPACE_COLUMNS 1010
#define IDC_CUT_UNDERLINE 1011
#define IDC_NO_MULTI_LINE 1012

// Controls of the about box.
#define IDC_PRODUCT_LINK 1014
#define IDC_VERSION_LINE 1015

// Commands of our own.
#define ID_OPTIONS 32771

// Texts of the program's own, in the string table so that each interface
// language has its own.
#define IDS_FINDER_TIP 1100
#define IDS_ERROR_CAPTION 1101
#define IDS_NO_TARGET 1102
#define IDS_ITEM_LIMIT 1103
#define IDS_SILENT_PROGRAM 1104
#define IDS_VANISHED_WINDOW 1105
#define IDS_OUT_OF_BOUNDS 1106
#define IDS_TABLE_FULL 1107
#define IDS_PROCESS_NOT_OPENED 1108
#define IDS_TIME_UP 1109
#define IDS_CANCELLED 1110
// The help file beside the program, and the options dialog's topic in it.
#define IDS_HELP_FILE 1111
#define IDS_OPTIONS_HELP_TOPIC 1112
