#pragma once
// Resource identifiers of the info and search panes and of the notices.

#define IDD_INFO 327
#define IDD_SEARCH 332
#define IDD_DX_WARNING 383
#define IDD_WMP_ERROR 173
#define IDD_IMPORTANT 291

#define IDC_INFO_BROWSER 1283
#define IDC_INFO_CLOSE 1085
#define IDC_SEARCH_BROWSER 1086
#define IDC_SEARCH_CLOSE 1087

#define IDC_DX_DOWNLOAD 1099
#define IDC_WMP_DOWNLOAD 1019
#define IDC_IMPORTANT_CLOSE 1065
#define IDC_IMPORTANT_TEXT 1094
