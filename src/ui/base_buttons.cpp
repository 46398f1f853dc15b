// The four base buttons: the choice checked against the boat's date and
// status, and a new grid drawn for the base that stands.
#include "grid/base_choice.h"
#include "ui/patrol_dialog.h"

namespace kp {

void CKelmarPatrol2Dlg::OnLandBase() {
    OnBase(TankerChoice::kLandBase);
}
void CKelmarPatrol2Dlg::OnTankerNorth() {
    OnBase(TankerChoice::kNorth);
}
void CKelmarPatrol2Dlg::OnTankerMid() {
    OnBase(TankerChoice::kMid);
}
void CKelmarPatrol2Dlg::OnTankerSouth() {
    OnBase(TankerChoice::kSouth);
}

void CKelmarPatrol2Dlg::OnBase(TankerChoice choice) {
    // A career whose next patrol has no area at all is loaded too: it gets a grid here.
    if (!careerLoaded_) {
        AskForCareer();
        return;
    }
    const auto [decision, refusal] =
        ChooseBase(choice, facts.seaStatus, {read.next.startYear, read.next.startMonth});
    m_nTankerChoice = decision.tankerChoice;
    m_nDaysInPort = decision.DaysInPort();
    if (!refusal.empty()) {
        Message(std::string(refusal));
    } else {
        GeneratePatrolGrid();
        m_strGrid = m_strPatrolArea;
    }
    UpdateData(false);
}

}  // namespace kp
