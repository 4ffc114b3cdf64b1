#pragma once
// Resource identifiers of the player.

#define IDD_ORVANE_DIALOG 102
#define IDR_MAINFRAME 128
#define IDI_PLAYER 152

#define IDC_PLAY_ON_START 1020
