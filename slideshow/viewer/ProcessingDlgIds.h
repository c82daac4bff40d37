#pragma once
// Resource ids of the processing dialog; shared by its templates and its code.
#define IDD_PROCESSING_FULL 139
#define IDD_PROCESSING_BAR 143
#define IDC_PROCESSING_BAR 1015
#define IDC_PROCESSING_STATUS 1016
#define IDC_PROCESSING_ICON 1014
