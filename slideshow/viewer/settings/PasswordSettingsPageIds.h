#pragma once
// Resource ids of the "Password" page; shared by its template and its code.
#define IDD_PASSWORD_SETTINGS 141
#define IDC_PASSWORD_IN_USE 1022
#define IDC_PASSWORD_TEXT 1023
