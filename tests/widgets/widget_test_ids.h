// Resources of the widget tests and the icon gallery, the gallery's
// controls and the messages it answers.
#pragma once

#define IDI_TEST_IN 101
#define IDI_TEST_OUT 102
#define IDB_TEST_PICTURE 103
#define IDC_TEST_POINTER 104
#define IDR_TEST_MENU 105
#define IDS_TEST_TIP 106

#define IDM_TEST_FIRST 40001
#define IDM_TEST_SECOND 40002

// The gallery's buttons.
#define IDC_GALLERY_FLAT 1001       // flat, in and out icon, tooltip
#define IDC_GALLERY_FRAMELESS 1002  // flat without frame, parent backdrop (as on the finder bar)
#define IDC_GALLERY_CHECK 1003      // check mode
#define IDC_GALLERY_MENU 1004       // drop-down menu with its notification, grey out icon
#define IDC_GALLERY_LINK 1005       // bitmaps with a darker copy, link to the gallery program
#define IDC_GALLERY_CURSOR 1006     // own cursor, balloon tooltip from the string table

#ifndef RC_INVOKED
#include <windows.h>

// The images' colours (make_test_images.py).
const COLORREF kTestInColour = RGB(255, 0, 0);
const COLORREF kTestOutColour = RGB(0, 0, 255);
const COLORREF kTestPictureColour = RGB(0, 160, 0);
const COLORREF kTestPictureTransparent = RGB(255, 0, 255);

const COLORREF kGalleryBackground = RGB(200, 220, 240);
const char kGalleryLinkedTitle[] = "Icon gallery: opened by link";

// Asked of the gallery window; wParam a control or command id.
constexpr UINT kGalleryIsHovered = WM_APP + 1;       // 1 if the button is hovered
constexpr UINT kGalleryCommandCount = WM_APP + 2;    // WM_COMMAND messages with that id so far
constexpr UINT kGalleryNotifications = WM_APP + 3;   // menu notifications with their parameter so far
constexpr UINT kGalleryCursor = WM_APP + 4;          // the button's cursor
constexpr UINT kGalleryMenuNotification = WM_APP + 5;  // sent by the menu button
constexpr LPARAM kGalleryNotificationParam = 77;
#endif
