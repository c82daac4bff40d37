#pragma once
// Resource ids of the saver's password prompt; shared by its template and its code.
#define IDD_PASSWORD_PROMPT 140
#define IDC_PASSWORD_EDIT 1017
