#pragma once
// Resource ids of the "Effects" page; shared by its template and its code.
#define IDD_EFFECTS_SETTINGS 146
#define IDC_EFFECTS_LIST 1038
#define IDC_EFFECTS_DURATION 1042
