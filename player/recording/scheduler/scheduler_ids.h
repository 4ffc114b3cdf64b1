#pragma once
// Resource identifiers of the scheduler pane (scheduler.rc).

#define IDD_SCHEDULER 411
#define IDC_SCHED_CLOSE 1072
#define IDC_SCHED_ADD 1112
#define IDC_SCHED_DELETE 1113
#define IDC_SCHED_STATION 1114
#define IDC_SCHED_NAME 1115
#define IDC_SCHED_FORMAT 1116
#define IDC_SCHED_START_DATE 1117
#define IDC_SCHED_START_TIME 1118
#define IDC_SCHED_END_DATE 1119
#define IDC_SCHED_END_TIME 1120
#define IDC_SCHED_LIST 1121
#define IDC_SCHED_FOLDER 1122
