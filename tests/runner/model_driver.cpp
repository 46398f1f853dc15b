#include "model_driver.h"

#include "app/program_start.h"
#include "memory_controls.h"
#include "ui/dialog_commands.h"
#include "ui/patrol_dialog.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

class ModelDriver final : public ScenarioDriver {
  public:
    bool Start(const std::filesystem::path& cfgFolder, std::uint32_t seed,
               MessageHandler onMessage) override {
        dialog_.SetClock([] { return kScenarioTime; });
        onMessage_ = std::move(onMessage);
        if (!StartInConfigFolder(dialog_, random_, seed, SystemFileOps(), cfgFolder)) {
            onMessage_(kNoCareersMessage, MessageButtons::Ok);
            return false;
        }
        dialog_.Attach(controls_);
        dialog_.OnInitDialog();
        return true;
    }

    bool Select(const std::string& name) override {
        for (int i = 0; i < controls_.ListCount(); ++i) {
            if (controls_.ListEntry(i) == name) {
                controls_.SetListSelection(i);
                Run("careerList");
                return true;
            }
        }
        return false;
    }

    void ClickBase(int tankerChoice) override {
        controls_.SetRadioIndex(tankerChoice);
        Run(kBaseButtonRows[static_cast<std::size_t>(tankerChoice)]);
    }

    void TypeGrid(const std::string& text) override { controls_.TypeGrid(text); }

    void Toggle(CheckBox box) override {
        controls_.SetChecked(box, !controls_.IsChecked(box));
        Run(kCheckBoxRows[Slot(box)]);
    }

    void PressOk() override { Run("makeChangesButton"); }
    void PressCancel() override { Run("cancelButton"); }
    std::string About() override { return std::string(kAboutVersion); }
    void Undo() override { dialog_.OnUndoLastChanges(); }

    WindowContents Show() const override {
        WindowContents c;
        for (int i = 0; i < controls_.ListCount(); ++i) {
            c.careers.push_back(controls_.ListEntry(i));
        }
        if (controls_.ListSelection() >= 0) {
            c.selected = controls_.ListEntry(controls_.ListSelection());
        }
        c.grid = controls_.FieldText(Field::Grid);
        c.daysInPort = controls_.FieldText(Field::DaysInPort);
        c.seaStatus = controls_.FieldText(Field::SeaStatus);
        c.endDate = controls_.FieldText(Field::EndDate);
        c.boatType = controls_.FieldText(Field::BoatType);
        c.endLocation = controls_.FieldText(Field::EndLocation);
        const int radio = controls_.RadioIndex();
        if (radio >= 0 && radio < static_cast<int>(kBaseCaptions.size())) {
            c.base = WithoutAccessKeys(kBaseCaptions[static_cast<std::size_t>(radio)]);
        }
        c.autoUpdate = controls_.IsChecked(CheckBox::AutoRadarUpdate);
        c.enteredMed = controls_.IsChecked(CheckBox::EnteredMed);
        return c;
    }

    std::optional<DialogResult> Closed() const override { return controls_.Result(); }
    void Screenshot(const std::filesystem::path&) override {}

  private:
    // What the window does when the control runs its command.
    void Run(std::string_view control) { (dialog_.*HandlerOf(control))(); }

    MessageHandler onMessage_;
    MemoryControls controls_{[this](const std::string& text, MessageButtons buttons) {
        return onMessage_(text, buttons);
    }};
    RandomSource random_;
    CKelmarPatrol2Dlg dialog_{SystemFileOps(), random_};
};

}  // namespace

std::unique_ptr<ScenarioDriver> MakeModelDriver() {
    return std::make_unique<ModelDriver>();
}

}  // namespace kp
