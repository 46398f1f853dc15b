// The main dialog without its window: the state record of one editing
// session and the handlers the window's controls are bound to.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "apply/apply_changes.h"
#include "career/career_read.h"
#include "career/codes.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"
#include "ui/dialog_controls.h"

namespace kp {

inline constexpr int kMaxCareers = 50;
inline constexpr int kGridFieldLimit = 5;
inline constexpr int kAboutCommand = 0x0010;
inline constexpr int kUndoCommand = 0x0020;

// Seconds since 1970 UTC; the time a change is recorded with.
using ChangeClock = std::function<std::int64_t()>;
std::int64_t SystemClockSeconds();

class CKelmarPatrol2Dlg {
  public:
    CKelmarPatrol2Dlg(FileOps& files, RandomSource& random);

    // The window exists from here on; the model talks to it through `controls`.
    void Attach(DialogControls& controls) { controls_ = &controls; }
    void SetClock(ChangeClock clock) { clock_ = std::move(clock); }

    bool OnInitDialog();
    // The career to select and load once the window has opened, as a click
    // on its list entry would: the one whose folder the program was given.
    void SelectOnOpening(std::string career) { careerOnOpening_ = std::move(career); }
    bool UpdateData(bool saveAndValidate);

    void OnSelchangeCareerList();
    void OnLandBase();
    void OnTankerNorth();
    void OnTankerMid();
    void OnTankerSouth();
    void OnAutoRadarUpdate();
    void OnEnteredMed();
    void OnOK();
    void OnCancel();
    // "Undo Last Changes...": the selected career's last change put back.
    void OnUndoLastChanges();

    int GeneratePatrolGrid();
    void PickGridFromList(const int* list);

    bool CareerLoaded() const { return careerLoaded_; }

    // Career list, filled once at start-up.
    std::array<std::string, kMaxCareers> m_strCareerNames;
    std::string m_szCfgPath;  // the configuration folder, UTF-8
    int m_nCareerCount = 0;

    // The career as the last selection read it: the files a change may write
    // over, and the hull integrity every run of "Make Changes" raises from;
    // and what the boat and base tables make of it.
    CareerRead read;
    CareerFacts facts;

    // The grids drawn: the area the last draw left, and the class they are
    // drawn for, the boat's until a Type XXI's first draw settles it as a
    // Type VII or IX.
    std::string m_strPatrolArea;
    BoatClass gridClass = BoatClass::kUnknown;

    // Bound to the controls.
    std::string m_strGrid;
    std::string m_strCareer;
    std::string m_strEndDate;
    std::string m_strEndLocation;
    int m_nDaysInPort = 0;
    std::string m_strBoatType;
    // The base decision the base buttons make; the radio group shows it.
    TankerChoice m_nTankerChoice = TankerChoice::kNone;
    std::string m_strSeaStatus;
    int m_bAutoRadarUpdate = 1;
    int m_bEnteredMed = 0;

  private:
    MessageAnswer Message(const std::string& text, MessageButtons buttons = MessageButtons::Ok);
    void EndDialogOk();
    // The base buttons' one handler, by TankerChoice.
    void OnBase(TankerChoice choice);
    // Asks for a career first; the base buttons and "Make Changes" need one.
    void AskForCareer();
    bool LoadCareer();
    // A grid drawn for a boat at sea, at a base or at its home base.
    int DrawGrid(SeaStatus seaStatus);
    void ForgetCareer();
    ChangeDialogue Dialogue();
    void SelectCareerOnOpening();

    FileOps& files_;
    RandomSource& random_;
    DialogControls* controls_ = nullptr;
    ChangeClock clock_ = SystemClockSeconds;
    bool careerLoaded_ = false;
    std::string careerOnOpening_;
};

}  // namespace kp
