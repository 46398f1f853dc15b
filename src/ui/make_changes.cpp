// "Make Changes": the entries pulled and checked, then the files rewritten;
// and "Undo Last Changes...", which puts the last change back.
#include "apply/apply_changes.h"
#include "apply/undo_changes.h"
#include "career/career_files.h"
#include "career/file_messages.h"
#include "platform/path_text.h"
#include "ui/patrol_dialog.h"

namespace kp {

void CKelmarPatrol2Dlg::OnOK() {
    UpdateData(true);
    if (m_strGrid.empty() || !careerLoaded_) {
        // A career shown selected whose files could not be read: on Linux it
        // is read again, so the player hears which file is wrong, or sees it
        // now that it is mended, instead of being asked for a career.
        if (!careerLoaded_ && !m_strCareer.empty() && MessagesInUse() == MessagePlatform::Linux) {
            OnSelchangeCareerList();
            return;
        }
        AskForCareer();
        return;
    }
    m_strGrid = UpperAscii(m_strGrid);
    if (m_strGrid == facts.area) {
        EndDialogOk();
        return;
    }
    if (const std::string_view refusal = CheckEntries(m_strGrid, m_nDaysInPort); !refusal.empty()) {
        Message(std::string(refusal));
        return;
    }

    const ChangeRequest request{
        .seen = read.files,
        .madeAt = clock_(),
        .grid = m_strGrid,
        .base = {m_nTankerChoice},
        .seaStatus = facts.seaStatus,
        .gridClass = gridClass,
        .lastPatrolEnd = {.day = read.last.endDay,
                          .month = read.last.endMonth,
                          .year = read.last.endYear},
        .hullIntegrity = read.last.hullIntegrity,
        .autoRadarUpdate = m_bAutoRadarUpdate == 1,
        .enteredMed = m_bEnteredMed,
        .start = {read.next.startYear, read.next.startMonth},
        .save = read.save,
    };
    const ChangeDialogue dialogue = Dialogue();
    const ChangeResult result = ApplyChanges(files_, random_, request, dialogue);
    switch (result.end) {
        case ChangeEnd::Close:
            EndDialogOk();
            break;
        case ChangeEnd::StayOpen:
            break;
        case ChangeEnd::Reload:
            if (!LoadCareer()) {
                ForgetCareer();
            }
            break;
    }
}

void CKelmarPatrol2Dlg::OnUndoLastChanges() {
    UpdateData(true);
    if (m_strCareer.empty()) {
        AskForCareer();
        return;
    }
    if (UndoLastChanges(files_, CareerFolder(files_, m_szCfgPath, m_strCareer), Dialogue())) {
        OnSelchangeCareerList();
    }
}

ChangeDialogue CKelmarPatrol2Dlg::Dialogue() {
    return {[this](const std::string& text) { Message(text); },
            [this](const std::string& question) {
                return Message(question, MessageButtons::OkCancel) == MessageAnswer::Ok;
            }};
}

}  // namespace kp
