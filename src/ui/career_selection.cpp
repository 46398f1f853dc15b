// A click on the career list: the career read into the dialog state, or
// forgotten when it cannot be read.
#include "apply/undo_changes.h"
#include "career/career_files.h"
#include "career/career_read.h"
#include "career/code_tables.h"
#include "ui/patrol_dialog.h"

namespace kp {

void CKelmarPatrol2Dlg::OnSelchangeCareerList() {
    UpdateData(true);
    if (!LoadCareer()) {
        ForgetCareer();
    }
}

void CKelmarPatrol2Dlg::SelectCareerOnOpening() {
    if (careerOnOpening_.empty()) {
        return;
    }
    for (int i = 0; i < controls_->ListCount(); ++i) {
        if (controls_->ListEntry(i) == careerOnOpening_) {
            controls_->SetListSelection(i);
            OnSelchangeCareerList();
            return;
        }
    }
}

void CKelmarPatrol2Dlg::ForgetCareer() {
    // Nothing of the career that failed, nor of the one before, may reach "Make Changes".
    careerLoaded_ = false;
    facts = {};
    m_strGrid.clear();
    m_strEndDate.clear();
    m_strBoatType.clear();
    m_strEndLocation.clear();
    m_strSeaStatus.clear();
    m_nDaysInPort = kDaysAtLandBase;
    m_nTankerChoice = TankerChoice::kLandBase;
    UpdateData(false);
}

bool CKelmarPatrol2Dlg::LoadCareer() {
    careerLoaded_ = false;
    m_nTankerChoice = TankerChoice::kLandBase;
    const std::filesystem::path careerFolder = CareerFolder(files_, m_szCfgPath, m_strCareer);
    PutRightInterruptedChange(files_, careerFolder,
                              [this](const std::string& text) { Message(text); });
    read = ReadCareer(files_, careerFolder);
    if (read.failure) {
        Message(LoadFailureText(read));
        return false;
    }

    facts = DescribeCareer(read);
    gridClass = facts.boatClass;
    m_strBoatType = facts.boatType;
    m_strEndLocation = facts.baseName;
    m_strEndDate = facts.endDate;
    m_strPatrolArea = facts.area;
    m_strGrid = m_strPatrolArea;

    // A next patrol without an area gets a grid drawn as for a boat at sea
    // with a save, else at its home base; at sea the save's area is shown.
    if (m_strPatrolArea == format::kNoArea) {
        if (DrawGrid(facts.seaStatusForDraw) != 0) {
            m_strGrid = m_strPatrolArea;
        }
        if (facts.seaStatusForDraw == SeaStatus::kAtSea && read.save &&
            !read.save->patrolArea.empty()) {
            m_strGrid = read.save->patrolArea;
        }
    }

    m_nDaysInPort = kDaysAtLandBase;
    m_strSeaStatus = SeaStatusText(facts.seaStatus);
    if (facts.seaStatus == SeaStatus::kAtBase) {
        m_strGrid = format::kAtBaseArea;
    }
    careerLoaded_ = true;
    UpdateData(false);
    return true;
}

}  // namespace kp
