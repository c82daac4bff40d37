#pragma once
// Resource ids of the about box; shared by its template and its code.
#define IDD_ABOUT_BOX 100
#define IDC_ABOUT_TITLE 1020
#define IDC_ABOUT_COPYRIGHT 1021
#define IDC_ABOUT_VERSION 1022
#define IDC_ABOUT_TEXT 1026
// The program's icon, also shown by the about box and the processing dialog.
#define IDI_LUMISHOW 128
