// Texts of the window and the About box, shared by the Qt window and the
// scenario runner's model of it.
#pragma once

#include <array>
#include <string_view>

namespace kp {

inline constexpr std::string_view kProgramName = "KelmarPatrol";
inline constexpr std::string_view kWindowCaption = "Orwen's Patrol Changer v4.0";
inline constexpr std::string_view kAboutCaption = "About KelmarPatrol";
inline constexpr std::string_view kAboutVersion = "KelmarPatrol Version 4.0";
inline constexpr std::string_view kAboutMenuItem = "&About KelmarPatrol...";
inline constexpr std::string_view kUndoMenuItem = "&Undo Last Changes...";
inline constexpr std::string_view kProgramVersion = "4.0.0.0";
// The folder chooser's title, when no configuration folder is found.
inline constexpr std::string_view kChooseFolderTitle =
    "Choose the configuration folder (the folder that holds 'careers')";

// Captions of the base buttons, by TankerChoice.
inline constexpr std::array<std::string_view, 4> kBaseCaptions = {
    "Land Base", "Tanker North Atlantic", "Tanker Mid Atlantic", "Tanker South Atlantic"};

}  // namespace kp
