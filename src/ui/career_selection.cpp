// A click on the career list: the career read into the dialog state, or
// forgotten when it cannot be read.
#include "apply/undo_changes.h"
#include "career/career_files.h"
#include "career/career_loader.h"
#include "career/code_tables.h"
#include "career/file_names.h"
#include "grid/base_choice.h"
#include "grid/grid_generator.h"
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
    m_strGrid.clear();
    m_strOriginalArea.clear();
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
    career_ = ReadCareer(files_, careerFolder);
    const CareerRead& read = career_;

    m_nEndLocation = read.next.endLocation;
    m_nSubType = read.next.subType;
    m_nSubVersion = read.next.subVersion;
    m_strPatrolArea = read.next.patrolArea;
    m_nStartYear = read.next.startYear;
    m_nStartMonth = read.next.startMonth;
    if (read.failure == LoadFailure::NoNextPatrolFile ||
        read.failure == LoadFailure::BadNextPatrolFile) {
        m_nEndYear = m_nEndMonth = m_nEndDay = -1;
        Message(LoadFailureText(read));
        return false;
    }
    m_nEndYear = read.last.endYear;
    m_nEndMonth = read.last.endMonth;
    m_nEndDay = read.last.endDay;
    m_fHullIntegrity = read.last.hullIntegrity;
    if (read.failure) {
        Message(LoadFailureText(read));
        return false;
    }

    const CareerFacts facts = DescribeCareer(read);
    m_strSavePath.clear();
    m_strSaveArea.clear();
    if (read.save) {
        m_strSavePath = Utf8FromPath(read.save->path);
        m_strSaveStem = Utf8FromPath(read.save->stem);
        m_strSaveArea = read.save->patrolArea;
    }
    m_nSeaStatus = facts.seaStatusForDraw;
    m_nBoatClass = facts.boatClass;
    m_strBoatType = facts.boatType;
    m_strEndLocation = facts.baseName;
    m_nTheater = facts.theater;
    m_strEndDate = facts.endDate;
    m_strPatrolArea = facts.area;
    m_strGrid = m_strPatrolArea;
    m_strOriginalArea = m_strPatrolArea;
    m_nPatrolCount = read.last.count;

    if (m_strPatrolArea == format::kNoArea) {
        if (GeneratePatrolGrid() != 0) {
            m_strGrid = m_strPatrolArea;
        }
        if (m_nSeaStatus == SeaStatus::kAtSea && !m_strSaveArea.empty()) {
            m_strGrid = m_strSaveArea;
        }
    }
    m_nSeaStatus = facts.seaStatus;

    m_nDaysInPort = kDaysAtLandBase;
    m_strSeaStatus = SeaStatusText(m_nSeaStatus);
    if (m_nSeaStatus == SeaStatus::kAtBase) {
        m_strGrid = format::kAtBaseArea;
    }
    careerLoaded_ = true;
    UpdateData(false);
    return true;
}

}  // namespace kp
