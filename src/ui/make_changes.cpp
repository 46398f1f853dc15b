// "Make Changes": the entries pulled and checked, then the files rewritten.
#include "apply/make_changes.h"
#include "career/career_files.h"
#include "career/file_names.h"
#include "ui/patrol_dialog.h"

namespace kp {

void CKelmarPatrol2Dlg::OnOK() {
    UpdateData(true);
    if (m_strGrid.empty() || !careerLoaded_) {
        AskForCareer();
        return;
    }
    m_strGrid = UpperAscii(m_strGrid);
    if (m_strGrid == m_strOriginalArea) {
        EndDialogOk();
        return;
    }
    if (const std::string_view refusal = CheckEntries(m_strGrid, m_nDaysInPort); !refusal.empty()) {
        Message(std::string(refusal));
        return;
    }

    const ChangeRequest request{CareerFolder(files_, m_szCfgPath, m_strCareer),
                                m_strGrid,
                                m_nDaysInPort,
                                m_nTankerChoice,
                                m_nSeaStatus,
                                m_nBoatClass,
                                {m_nEndDay, m_nEndMonth, m_nEndYear},
                                loadedHullIntegrity_,
                                m_bAutoRadarUpdate == 1,
                                m_bEnteredMed,
                                m_nStartYear,
                                m_nStartMonth,
                                PathFromUtf8(m_strSavePath),
                                PathFromUtf8(m_strSaveStem)};
    const ChangeDialogue dialogue{[this](const std::string& text) { Message(text); },
                                  [this](const std::string& question) {
                                      return Message(question, MessageButtons::OkCancel) ==
                                             MessageAnswer::Ok;
                                  }};
    const ChangeResult result = ApplyChanges(files_, random_, request, dialogue);
    m_fHullIntegrity = result.hullIntegrity;
    if (result.end == ChangeEnd::Close) {
        EndDialogOk();
    }
}

}  // namespace kp
