#pragma once
// Resource ids of the quick note; shared by its template and its code.
#define IDD_QUICK_NOTE 6505
#define IDC_QUICK_NOTE_NEVER_AGAIN 1000
#define IDC_QUICK_NOTE_TEXT 1001
#define IDC_QUICK_NOTE_ICON 1003
