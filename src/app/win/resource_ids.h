#pragma once

// Resource identifiers shared by the resource script and the program.
#define IDR_APPLICATION_ICON 710
#define IDD_MAIN_WINDOW 102
#define IDD_SKINNED_DIALOG_FIRST 701
#define IDR_EVENT_LIST_MENU 180
#define ID_EVENT_LIST_DELETE 32772
#define ID_TRAY_EXIT 1028
