#pragma once
// Resource ids of the viewer dialog; shared by its template and its code.
#define IDD_VIEWER 102
#define IDC_VIEWER_SLIDE_AREA 1000
#define IDC_VIEWER_SETTINGS 1001
#define IDC_VIEWER_WALLPAPER 1002
#define IDC_VIEWER_PREVIEW 1003
#define IDC_VIEWER_WEBSITE 1008
#define IDC_VIEWER_MORE_INFO 1009
#define IDC_VIEWER_ABOUT 1010
#define IDC_VIEWER_GRAPHIC 1015
#define IDC_VIEWER_CUSTOM_TEXT 1016
// The thumbnail view, made at run time over the slide area.
#define IDC_VIEWER_THUMBNAILS 10001

#define IDB_VIEWER_PREVIEW 157
#define IDB_VIEWER_SETTINGS 198
#define IDB_VIEWER_WALLPAPER 161
#define IDB_VIEWER_WEBSITE 163
#define IDB_VIEWER_MORE_INFO 129
