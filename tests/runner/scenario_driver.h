// What the scenario runner does to the editor: the same user actions played
// either on the dialog model with controls in memory, or on the real window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog_controls.h"

namespace kp {

// The time every scenario's changes are made at: 2026-12-08 00:00 UTC.
inline constexpr std::int64_t kScenarioTime = 1796688000;

struct WindowContents {
    std::vector<std::string> careers;
    std::string selected;
    std::string grid;
    std::string daysInPort;
    std::string seaStatus;
    std::string endDate;
    std::string boatType;
    std::string endLocation;
    std::string base;  // caption of the checked radio button; empty when none
    bool autoUpdate = false;
    bool enteredMed = false;
};

class ScenarioDriver {
  public:
    // Every message box shown, with the answer the script gives.
    using MessageHandler = std::function<MessageAnswer(const std::string&, MessageButtons)>;

    virtual ~ScenarioDriver() = default;

    // Start-up in `cfgFolder`; false when it ended without opening the window.
    virtual bool Start(const std::filesystem::path& cfgFolder, std::uint32_t seed,
                       MessageHandler onMessage) = 0;
    // False when the list has no such entry.
    virtual bool Select(const std::string& name) = 0;
    virtual void ClickBase(int tankerChoice) = 0;
    virtual void TypeGrid(const std::string& text) = 0;
    virtual void Toggle(CheckBox box) = 0;
    virtual void PressOk() = 0;
    virtual void PressCancel() = 0;
    // Opens the About box, closes it with OK, and returns its version line.
    virtual std::string About() = 0;
    // Chooses "Undo Last Changes..." as a user of this window does.
    virtual void Undo() = 0;
    virtual WindowContents Show() const = 0;
    virtual std::optional<DialogResult> Closed() const = 0;
    virtual void Screenshot(const std::filesystem::path& file) = 0;
};

}  // namespace kp
