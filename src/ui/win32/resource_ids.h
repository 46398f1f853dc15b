// Ids of the Windows resources and of the main window's controls, shared by
// the resource script and the code; plain macros, so that windres reads them.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_KELMARPATROL 102
#define IDR_MAINFRAME 128
#define IDR_ACCELERATORS 129

// The main window's commands (kAboutCommand, kUndoCommand), from its menus
// and its keys.
#define IDM_ABOUTBOX 0x0010
#define IDM_UNDO 0x0020

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDC_GRID 1000
#define IDC_DAYS_IN_PORT 1001
#define IDC_CAREER_LIST 1002
#define IDC_END_DATE 1003
#define IDC_BOAT_TYPE 1004
#define IDC_END_LOCATION 1005
#define IDC_LAND_BASE 1006
#define IDC_TANKER_NORTH 1007
#define IDC_TANKER_MID 1008
#define IDC_TANKER_SOUTH 1009
#define IDC_AUTO_RADAR 1010
#define IDC_SEA_STATUS 1011
#define IDC_ENTERED_MED 1012
