#pragma once
// Templates and controls of the skin gallery.

#define IDD_GALLERY_MAIN 1
#define IDD_GALLERY_PANE 2
#define IDD_GALLERY_BUTTONS 3
#define IDD_GALLERY_PICTURE 4

// The main window's controls keep the player's own ids.
#include "res/resource.h"

#define IDC_PANE_CLOSE 1105
#define IDC_PANE_ADD 1106
#define IDC_PANE_DELETE 1107
#define IDC_PANE_STATUS 1110
#define IDC_PANE_COMBO 1046
#define IDC_PANE_RENAME 1101
#define IDC_PANE_LINK 1099
#define IDC_PANE_CHECK_OFF 1300
#define IDC_PANE_CHECK_ON 1301

#define IDC_AT_REST 2001
#define IDC_HOVER 2002
#define IDC_PRESSED 2003
#define IDC_DISABLED 2004
#define IDC_CAPTION_DISABLED 2005
#define IDC_COUNTER 2006
