#include "ui/patrol_dialog.h"

#include <chrono>

namespace kp {
namespace {

const std::string kChooseCareer = "Please choose a career.";

}  // namespace

std::int64_t SystemClockSeconds() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(now).count();
}

CKelmarPatrol2Dlg::CKelmarPatrol2Dlg(FileOps& files, RandomSource& random)
    : files_(files), random_(random) {}

bool CKelmarPatrol2Dlg::OnInitDialog() {
    UpdateData(false);
    for (int i = 0; i < m_nCareerCount; ++i) {
        controls_->AppendListEntry(m_strCareerNames[static_cast<std::size_t>(i)]);
    }
    m_bAutoRadarUpdate = 1;
    SelectCareerOnOpening();
    return true;
}

MessageAnswer CKelmarPatrol2Dlg::Message(const std::string& text, MessageButtons buttons) {
    return controls_->ShowMessage(text, buttons);
}

void CKelmarPatrol2Dlg::AskForCareer() {
    Message(kChooseCareer);
}

void CKelmarPatrol2Dlg::EndDialogOk() {
    // Closing takes the controls' values once more and closes only when they pass.
    if (UpdateData(true)) {
        controls_->EndDialog(DialogResult::Ok);
    }
}

void CKelmarPatrol2Dlg::OnCancel() {
    controls_->EndDialog(DialogResult::Cancel);
}

void CKelmarPatrol2Dlg::OnAutoRadarUpdate() {
    m_bAutoRadarUpdate = m_bAutoRadarUpdate == 1 ? 0 : 1;
}

// Kept in step on every click, as the auto-update box is: a base button pushes
// the member without pulling first, and a stale member would clear the tick.
void CKelmarPatrol2Dlg::OnEnteredMed() {
    m_bEnteredMed = m_bEnteredMed == 1 ? 0 : 1;
}

}  // namespace kp
