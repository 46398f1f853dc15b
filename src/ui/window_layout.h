// The windows' one source: the texts of both windows, and the two dialogs,
// the main window and the About box, every control with its kind, caption,
// place and style, in creation order. The Windows resource script
// (res/win32/kelmar_patrol.rc) expands it into its dialog templates, the Qt
// window (src/ui/qt/dialog_templates.cpp) into its table, and
// src/ui/window_texts.h gives the texts to the code. Plain C preprocessor
// only: windres reads it too.
#pragma once

// clang-format off

// The texts.
#define KP_TEXT_PROGRAM_NAME "KelmarPatrol"
// KP_TEXT_PROGRAM_VERSION, from the version project() names in CMakeLists.txt.
#include "ui/program_version.h"
#define KP_TEXT_WINDOW_CAPTION "Orwen's Patrol Changer v4.0"
#define KP_TEXT_ABOUT_CAPTION "About KelmarPatrol"
#define KP_TEXT_ABOUT_VERSION "KelmarPatrol Version 4.0"
// The system menu's items (the Qt window's context menu).
#define KP_TEXT_ABOUT_MENU_ITEM "&About KelmarPatrol..."
#define KP_TEXT_UNDO_MENU_ITEM "&Undo Last Changes..."
// The folder chooser's title, when no configuration folder is found.
#define KP_TEXT_CHOOSE_FOLDER_TITLE \
    "Choose the configuration folder (the folder that holds 'careers')"
// The About box's line under the version; the folder's path follows it.
#define KP_TEXT_CONFIGURATION_FOLDER "Configuration folder"
#define KP_TEXT_FOLDER_LINE_START KP_TEXT_CONFIGURATION_FOLDER ": "
// The About box's line that tells where Undo is, which no button shows.
#define KP_TEXT_UNDO_WHERE "Undo Last Changes...: right click in the window, or Ctrl+Alt+Z."
// The controls' captions. A '&' marks the letter that Alt reaches the
// control by (for a label, the control that follows it); each letter once.
#define KP_TEXT_MAKE_CHANGES "&Make Changes"
#define KP_TEXT_CANCEL "Ca&ncel"
#define KP_TEXT_OK "OK"
#define KP_TEXT_CHOOSE_CAREER "&Choose Career"
#define KP_TEXT_CREATED_GRID_NOTE "* denotes created Patrol Grid"
#define KP_TEXT_PATROL_GRID "Patrol Grid"
#define KP_TEXT_PATROL_GRID_LABEL "Patrol &Grid:"
#define KP_TEXT_DAYS_IN_PORT "&Days in Port"
#define KP_TEXT_SEA_STATUS "&Sea Status"
#define KP_TEXT_END_DATE "Last &Patrol End Date"
#define KP_TEXT_BOAT_TYPE "&U-boat"
#define KP_TEXT_END_LOCATION "End Loca&tion"
#define KP_TEXT_BASE_GROUP "At Ocean Tanker Base?"
#define KP_TEXT_LAND_BASE "&Land Base"
#define KP_TEXT_TANKER_NORTH "Tanker N&orth Atlantic"
#define KP_TEXT_TANKER_MID "Tanker M&id Atlantic"
#define KP_TEXT_TANKER_SOUTH "Tanker Sout&h Atlantic"
#define KP_TEXT_AUTO_RADAR \
    "&Auto-update of radar detectors at all bases 3 months after availability"
#define KP_TEXT_ENTERED_MED "&Entered Mediterranean?"

// The dialogs (captions KP_TEXT_WINDOW_CAPTION and KP_TEXT_ABOUT_CAPTION):
// their size in dialog units, and their font, which dialog units are
// measured in.
#define KP_DIALOG_FONT "MS Sans Serif"
#define KP_PATROL_WINDOW_WIDTH 286
#define KP_PATROL_WINDOW_HEIGHT 115
#define KP_PATROL_WINDOW_FONT_SIZE 10
#define KP_ABOUT_BOX_WIDTH 235
#define KP_ABOUT_BOX_HEIGHT 61
#define KP_ABOUT_BOX_FONT_SIZE 8

// A control's flags, joined with |: a Tab stop, the first control of a group
// (of radio buttons, for the arrow keys), and a caption whose & is shown as it
// is. The resource script turns them into WS_TABSTOP, WS_GROUP and
// SS_NOPREFIX.
#define KP_NO_FLAGS 0
#define KP_TAB_STOP 1
#define KP_GROUP 2
#define KP_NO_PREFIX 4

// The controls, one X(...) a control, in creation order (which is the Tab
// order and the order the system finds them in):
//   X(name, id, kind, caption, accessibleName, x, y, width, height, flags)
// name: the Qt widget's object name, and the row's name for the code
//   (kp::object_name::gridEdit, kp::control_id::gridEdit,
//   kp::control_caption::landBaseRadio);
// id: the Windows control id (IDC_... of src/ui/win32/resource_ids.h, IDOK,
//   IDCANCEL; IDC_STATIC for none);
// kind: a kp::ControlKind (src/ui/control_kind.h), which the resource
//   script turns into the Windows class and style: DefaultButton,
//   PushButton, Edit, ReadOnlyEdit, RadioButton, CheckBox, ListBox, Label,
//   GroupBox, Icon (the program's icon), PathLabel (one line that shows a
//   path; the Windows About box makes it when it opens, so the resource
//   script leaves it out);
// caption: the text the control shows ("" for none);
// accessibleName: what a screen reader says for it;
// x, y, width, height: its place in dialog units.
#define KP_PATROL_WINDOW_CONTROLS(X) \
    X(makeChangesButton, IDOK, DefaultButton, KP_TEXT_MAKE_CHANGES, KP_TEXT_MAKE_CHANGES, \
      229, 7, 50, 14, KP_TAB_STOP) \
    X(cancelButton, IDCANCEL, PushButton, KP_TEXT_CANCEL, KP_TEXT_CANCEL, \
      229, 25, 50, 14, KP_TAB_STOP) \
    X(patrolGridLabel, IDC_STATIC, Label, KP_TEXT_PATROL_GRID_LABEL, KP_TEXT_PATROL_GRID_LABEL, \
      106, 27, 40, 9, KP_NO_FLAGS) \
    X(gridEdit, IDC_GRID, Edit, "", KP_TEXT_PATROL_GRID, \
      148, 25, 32, 14, KP_TAB_STOP) \
    X(daysInPortLabel, IDC_STATIC, Label, KP_TEXT_DAYS_IN_PORT, KP_TEXT_DAYS_IN_PORT, \
      106, 45, 42, 9, KP_NO_FLAGS) \
    X(daysEdit, IDC_DAYS_IN_PORT, ReadOnlyEdit, "", KP_TEXT_DAYS_IN_PORT, \
      148, 43, 32, 14, KP_TAB_STOP) \
    X(seaStatusLabel, IDC_STATIC, Label, KP_TEXT_SEA_STATUS, KP_TEXT_SEA_STATUS, \
      106, 63, 42, 9, KP_NO_FLAGS) \
    X(seaStatusEdit, IDC_SEA_STATUS, ReadOnlyEdit, "", KP_TEXT_SEA_STATUS, \
      148, 61, 32, 14, KP_TAB_STOP) \
    X(landBaseRadio, IDC_LAND_BASE, RadioButton, KP_TEXT_LAND_BASE, KP_TEXT_LAND_BASE, \
      195, 51, 44, 8, KP_GROUP | KP_TAB_STOP) \
    X(tankerNorthRadio, IDC_TANKER_NORTH, RadioButton, KP_TEXT_TANKER_NORTH, KP_TEXT_TANKER_NORTH, \
      195, 64, 77, 8, KP_NO_FLAGS) \
    X(tankerMidRadio, IDC_TANKER_MID, RadioButton, KP_TEXT_TANKER_MID, KP_TEXT_TANKER_MID, \
      195, 75, 77, 8, KP_NO_FLAGS) \
    X(tankerSouthRadio, IDC_TANKER_SOUTH, RadioButton, KP_TEXT_TANKER_SOUTH, KP_TEXT_TANKER_SOUTH, \
      195, 86, 77, 8, KP_NO_FLAGS) \
    X(autoRadarCheck, IDC_AUTO_RADAR, CheckBox, KP_TEXT_AUTO_RADAR, KP_TEXT_AUTO_RADAR, \
      7, 102, 145, 10, KP_GROUP | KP_TAB_STOP) \
    X(endDateLabel, IDC_STATIC, Label, KP_TEXT_END_DATE, KP_TEXT_END_DATE, \
      7, 75, 66, 8, KP_NO_FLAGS) \
    X(endDateEdit, IDC_END_DATE, ReadOnlyEdit, "", KP_TEXT_END_DATE, \
      7, 85, 67, 12, KP_TAB_STOP) \
    X(boatTypeLabel, IDC_STATIC, Label, KP_TEXT_BOAT_TYPE, KP_TEXT_BOAT_TYPE, \
      79, 75, 48, 8, KP_NO_FLAGS) \
    X(boatTypeEdit, IDC_BOAT_TYPE, ReadOnlyEdit, "", KP_TEXT_BOAT_TYPE, \
      79, 85, 49, 12, KP_TAB_STOP) \
    X(endLocationLabel, IDC_STATIC, Label, KP_TEXT_END_LOCATION, KP_TEXT_END_LOCATION, \
      132, 75, 48, 8, KP_NO_FLAGS) \
    X(endLocationEdit, IDC_END_LOCATION, ReadOnlyEdit, "", KP_TEXT_END_LOCATION, \
      132, 85, 49, 12, KP_TAB_STOP) \
    X(chooseCareerLabel, IDC_STATIC, Label, KP_TEXT_CHOOSE_CAREER, KP_TEXT_CHOOSE_CAREER, \
      7, 7, 93, 12, KP_NO_FLAGS) \
    X(careerList, IDC_CAREER_LIST, ListBox, "", KP_TEXT_CHOOSE_CAREER, \
      7, 18, 93, 47, KP_TAB_STOP) \
    X(baseGroup, IDC_STATIC, GroupBox, KP_TEXT_BASE_GROUP, KP_TEXT_BASE_GROUP, \
      191, 42, 88, 55, KP_NO_FLAGS) \
    X(createdGridNote, IDC_STATIC, Label, KP_TEXT_CREATED_GRID_NOTE, KP_TEXT_CREATED_GRID_NOTE, \
      113, 14, 90, 8, KP_NO_FLAGS) \
    X(enteredMedCheck, IDC_ENTERED_MED, CheckBox, KP_TEXT_ENTERED_MED, KP_TEXT_ENTERED_MED, \
      189, 102, 90, 10, KP_TAB_STOP)

#define KP_ABOUT_BOX_CONTROLS(X) \
    X(iconLabel, IDC_STATIC, Icon, "", KP_TEXT_PROGRAM_NAME, \
      11, 17, 20, 20, KP_NO_FLAGS) \
    X(versionLabel, IDC_STATIC, Label, KP_TEXT_ABOUT_VERSION, KP_TEXT_ABOUT_VERSION, \
      40, 10, 119, 8, KP_NO_PREFIX) \
    KP_ABOUT_FOLDER_LINE(X) \
    X(undoWhereLabel, IDC_STATIC, Label, KP_TEXT_UNDO_WHERE, KP_TEXT_UNDO_WHERE, \
      40, 38, 188, 16, KP_NO_PREFIX) \
    X(okButton, IDOK, DefaultButton, KP_TEXT_OK, KP_TEXT_OK, \
      178, 7, 50, 14, KP_GROUP | KP_TAB_STOP)

// The About box's folder line alone, for the Windows About box that makes it.
#define KP_ABOUT_FOLDER_LINE(X) \
    X(folderLabel, IDC_STATIC, PathLabel, "", KP_TEXT_CONFIGURATION_FOLDER, \
      40, 26, 188, 8, KP_NO_PREFIX)

// The main window's controls the dialog model reads and sets, by its enums
// (src/ui/dialog_controls.h, TankerChoice of src/career/codes.h), as
// X(enumerator, name of its row above), in the enum's order;
// src/ui/model_control_rows.h checks that order when it compiles.
// By Field.
#define KP_FIELD_CONTROLS(X) \
    X(Grid, gridEdit) X(DaysInPort, daysEdit) X(SeaStatus, seaStatusEdit) \
    X(EndDate, endDateEdit) X(BoatType, boatTypeEdit) X(EndLocation, endLocationEdit)
// By CheckBox.
#define KP_CHECK_BOX_CONTROLS(X) X(AutoRadarUpdate, autoRadarCheck) X(EnteredMed, enteredMedCheck)
// By TankerChoice: the radio group, in its order.
#define KP_BASE_BUTTON_CONTROLS(X) \
    X(kLandBase, landBaseRadio) X(kNorth, tankerNorthRadio) X(kMid, tankerMidRadio) \
    X(kSouth, tankerSouthRadio)

// The controls that run a handler of the dialog model, as X(name of its row
// above, handler), in the order the dialog binds them: the list's change of
// selection, then a click on each button; src/ui/dialog_commands.h makes
// the one table both windows and the scenario runner press through.
#define KP_DIALOG_COMMANDS(X) \
    X(careerList, OnSelchangeCareerList) X(tankerNorthRadio, OnTankerNorth) \
    X(landBaseRadio, OnLandBase) X(tankerMidRadio, OnTankerMid) \
    X(tankerSouthRadio, OnTankerSouth) X(autoRadarCheck, OnAutoRadarUpdate) \
    X(enteredMedCheck, OnEnteredMed) X(makeChangesButton, OnOK) X(cancelButton, OnCancel)

// clang-format on
