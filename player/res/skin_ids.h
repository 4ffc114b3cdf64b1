#pragma once
// Resource identifiers of the skin's pictures (player/res/skin.rc). Where the
// same id appears in a dialog's code, it names the picture drawn there.

// Main window.
#define IDB_MAIN_FULL 129       // 150 x 215
#define IDB_MAIN_DRAG 130       // title strip the window is dragged by
#define IDB_MAIN_COMPACT 402    // 312 x 26
#define IDB_CLOSE 132           // 12 x 11, opaque: keyed with magenta or red
#define IDB_COMPACT 133         // 12 x 11 title buttons
#define IDB_FULL 134
#define IDB_HIDE 135
#define IDB_SWITCH_OFF 136
#define IDB_STOP 137            // 20 x 20 transport buttons
#define IDB_PLAY 138
#define IDB_STATION 141         // 134 x 20, the station button under its caption
#define IDB_FAVORITES_BUTTON 142  // 14 x 14 pane buttons
#define IDB_SCHEDULER_BUTTON 143
#define IDB_RECORDER_BUTTON 282
#define IDB_RECORDER_BUTTON_LIT 266
#define IDB_MUTE_OFF 396        // 20 x 20
#define IDB_MUTE_ON 397

// Sliders.
#define IDB_SLIDER_THUMB 145    // 29 x 21, key colour at its top-left pixel
#define IDB_SLIDER_FULL 147     // 72 x 20
#define IDB_SLIDER_COMPACT 410  // 72 x 20
#define IDB_SLIDER_RECORDER 387 // 74 x 19

// Resizing panes (station browser, favourites).
#define IDB_PANE_FRAME 205      // 150 x 316, corners 76
#define IDB_FAVORITES_ADD 392   // 65 x 19
#define IDB_FAVORITES_DELETE 393  // 64 x 19
#define IDB_CHECK_OFF 394       // 21 x 16, opaque
#define IDB_CHECK_ON 395

// Recorder.
#define IDB_RECORDER 270        // 459 x 215
#define IDB_RECORDER_DRAG 271
#define IDB_RECORD 339          // 21 x 21 transport buttons
#define IDB_RECORD_LIT 343
#define IDB_RECORDER_PLAY 338   // keyed with RGB(255, 120, 255)
#define IDB_RECORDER_PLAY_LIT 344
#define IDB_RECORDER_STOP 345
#define IDB_RECORDER_FOLDER 346
#define IDB_RENAME 347          // 76 x 20 text buttons
#define IDB_DELETE 348
#define IDB_SELECT_ALL 349
#define IDB_SORT 350
#define IDB_HELP 351            // 16 x 16

// Scheduler.
#define IDB_SCHEDULER 413       // 459 x 215
#define IDB_SCHEDULER_DRAG 414
#define IDB_SCHEDULER_ADD 420   // 76 x 20
#define IDB_SCHEDULER_DELETE 421
#define IDB_SCHEDULER_FOLDER 422  // 14 x 14, placed in a 20 x 16 button

// Info and search panes, instructions window.
#define IDB_WEB_PANE 328        // 151 x 195
#define IDB_WEB_PANE_DRAG 329
#define IDB_INSTRUCTIONS 297    // 415 x 112
#define IDB_INSTRUCTIONS_DRAG 299  // 415 x 26

// Icons.
#define IDI_RECORDING 265
