#include "ui/qt/dialog_templates.h"

#include "ui/window_texts.h"

namespace kp {
namespace {

using enum ControlKind;

constexpr std::string_view kAutoRadarCaption =
    "Auto-update of radar detectors at all bases 3 months after availability";

constexpr ControlTemplate kPatrolWindowControls[] = {
    {kMakeChangesName, DefaultButton, "Make Changes", "Make Changes", {229, 7, 50, 14}, true},
    {kCancelName, PushButton, "Cancel", "Cancel", {229, 25, 50, 14}, true},
    {kFieldNames[0], Edit, "", "Patrol Grid", {148, 25, 32, 14}, true},
    {kFieldNames[1], ReadOnlyEdit, "", "Days in Port", {148, 43, 32, 14}, true},
    {kFieldNames[2], ReadOnlyEdit, "", "Sea Status", {148, 61, 32, 14}, true},
    {kBaseButtonNames[0], RadioButton, kBaseCaptions[0], kBaseCaptions[0], {195, 51, 44, 8}, false},
    {kBaseButtonNames[1], RadioButton, kBaseCaptions[1], kBaseCaptions[1], {195, 64, 77, 8}, false},
    {kBaseButtonNames[2], RadioButton, kBaseCaptions[2], kBaseCaptions[2], {195, 75, 77, 8}, false},
    {kBaseButtonNames[3], RadioButton, kBaseCaptions[3], kBaseCaptions[3], {195, 86, 77, 8}, false},
    {kCheckBoxNames[0], CheckBox, kAutoRadarCaption, kAutoRadarCaption, {7, 102, 145, 10}, true},
    {kFieldNames[3], ReadOnlyEdit, "", "Last Patrol End Date", {7, 85, 67, 12}, true},
    {kFieldNames[4], ReadOnlyEdit, "", "U-boat", {79, 85, 49, 12}, true},
    {kFieldNames[5], ReadOnlyEdit, "", "End Location", {132, 85, 49, 12}, true},
    {kCareerListName, ListBox, "", "Choose Career", {7, 18, 93, 47}, true},
    {"patrolGridLabel", Label, "Patrol Grid:", "Patrol Grid:", {106, 27, 40, 9}, false},
    {"chooseCareerLabel", Label, "Choose Career", "Choose Career", {7, 7, 93, 12}, false},
    {"endDateLabel", Label, "Last Patrol End Date", "Last Patrol End Date", {7, 75, 66, 8}, false},
    {"daysInPortLabel", Label, "Days in Port", "Days in Port", {106, 45, 42, 9}, false},
    {"boatTypeLabel", Label, "U-boat", "U-boat", {79, 75, 48, 8}, false},
    {"endLocationLabel", Label, "End Location", "End Location", {132, 75, 48, 8}, false},
    {"baseGroup",
     GroupBox,
     "At Ocean Tanker Base?",
     "At Ocean Tanker Base?",
     {191, 42, 88, 55},
     false},
    {"createdGridNote",
     Label,
     "* denotes created Patrol Grid",
     "* denotes created Patrol Grid",
     {113, 14, 90, 8},
     false},
    {"seaStatusLabel", Label, "Sea Status", "Sea Status", {106, 63, 42, 9}, false},
    {kCheckBoxNames[1],
     CheckBox,
     "Entered Mediterranean?",
     "Entered Mediterranean?",
     {189, 102, 90, 10},
     true},
};

constexpr ControlTemplate kAboutBoxControls[] = {
    {"iconLabel", Icon, "", kProgramName, {11, 17, 20, 20}, false},
    {"versionLabel", Label, kAboutVersion, kAboutVersion, {40, 10, 119, 8}, false},
    {kAboutFolderName, Label, "", "Configuration folder", {40, 26, 188, 8}, false},
    {kAboutOkName, DefaultButton, "OK", "OK", {178, 7, 50, 14}, true},
};

}  // namespace

const DialogTemplate kPatrolWindowTemplate = {"patrolWindow",       kWindowCaption, 286, 115, 10,
                                              kPatrolWindowControls};

const DialogTemplate kAboutBoxTemplate = {"aboutBox", kAboutCaption, 235, 55, 8, kAboutBoxControls};

}  // namespace kp
