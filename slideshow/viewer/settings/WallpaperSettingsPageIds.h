#pragma once
// Resource ids of the "Wallpaper" page; shared by its template and its code.
#define IDD_WALLPAPER_SETTINGS 147
#define IDC_WALLPAPER_CYCLE 1027
#define IDC_WALLPAPER_USE 1028
#define IDC_WALLPAPER_ENLARGE 1029
#define IDC_WALLPAPER_TILE 1030
#define IDC_WALLPAPER_BLACK_WHITE 1031
