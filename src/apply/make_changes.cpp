// "Make Changes": the user's entries checked, then the career's files (or the
// newest save of a patrol at sea) rewritten in a fixed order.
#include <string>
#include <vector>

#include "apply/grid_entry.h"
#include "apply/radar_code.h"
#include "apply/return_date.h"
#include "apply/writers.h"
#include "career/career_files.h"
#include "career/file_names.h"
#include "ui/patrol_dialog.h"

namespace kp {
namespace {

const std::string kChooseCareer = "Please choose a career.";
const std::string kBadGrid = "Enter a proper patrol grid, eg ES32.";
const std::string kBadDays = "Days in base must lie between 1 and 40.";

constexpr int kMinDaysInPort = 1;
constexpr int kMaxDaysInPort = 40;
constexpr int kDaysAtTanker = 1;

const std::string kSaveQuestion =
    "Must not change valid Patrol Area when at sea!\nChange it anyway?";

// A writer's outcome that ends the command with the dialog open.
bool EndsCommand(WriteOutcome outcome) {
    return outcome == WriteOutcome::CannotOpen || outcome == WriteOutcome::CannotCreateTemp;
}

}  // namespace

void CKelmarPatrol2Dlg::OnOK() {
    UpdateData(true);
    if (m_strGrid.empty() || !careerLoaded_) {
        Message(kChooseCareer);
        return;
    }
    m_strGrid = UpperAscii(m_strGrid);
    if (m_strGrid == m_strOriginalArea) {
        EndDialogOk();
        return;
    }
    if (!NormalizeGridEntry(m_strGrid)) {
        Message(kBadGrid);
        return;
    }
    if (m_nDaysInPort < kMinDaysInPort || m_nDaysInPort > kMaxDaysInPort) {
        Message(kBadDays);
        return;
    }
    DropLeadingZero(m_strGrid);

    const auto folder = CareerFolder(files_, m_szCfgPath, m_strCareer);
    const bool atSea = m_nSeaStatus == SeaStatus::kAtSea;
    const bool tankerAtBase = m_nTankerChoice != TankerChoice::kLandBase &&
                              m_nSeaStatus == SeaStatus::kAtBase && m_nDaysInPort == kDaysAtTanker;

    WorkingDate date{m_nEndDay, m_nEndMonth, m_nEndYear};
    const int radarCode = RadarUpgradeCode(m_nBoatClass, date.year, date.month);
    m_fHullIntegrity = loadedHullIntegrity_;

    const ShowMessage show = [this](const std::string& text) { Message(text); };
    if (atSea) {
        const auto confirm = [this] {
            return Message(kSaveQuestion, MessageButtons::OkCancel) == MessageAnswer::Ok;
        };
        const Writer save = RewriteSavePatrolArea(files_, PathFromUtf8(m_strSavePath),
                                                  PathFromUtf8(m_strSaveStem), m_strGrid, confirm);
        const WriteOutcome outcome = RewriteThroughTempFile(files_, save, show);
        if (outcome == WriteOutcome::Cancelled) {
            return;
        }
        if (outcome == WriteOutcome::CannotOpen) {
            show(save.messages.failed);
        }
        EndDialogOk();
        return;
    }

    // In the order they run; every file must be there before the first is touched.
    std::vector<Writer> writers;
    if (tankerAtBase) {
        writers.push_back(RewritePatrolHistory(files_, folder, m_strGrid, date, m_fHullIntegrity));
    }
    if (m_bAutoRadarUpdate == 1) {
        writers.push_back(UpgradeRadarDetectors(files_, folder, radarCode));
    }
    writers.push_back(
        RewriteNextPatrol(files_, folder, m_strGrid, date, m_fHullIntegrity,
                          MediterraneanRuleHolds(m_bEnteredMed, m_nStartYear, m_nStartMonth)));
    for (const Writer& writer : writers) {
        if (!CanOpenForReading(files_, writer.file)) {
            Message(writer.messages.missingFile);
            return;
        }
    }
    if (tankerAtBase) {
        ShiftReturnDate(date, m_nDaysInPort, random_);
    }
    for (const Writer& writer : writers) {
        if (EndsCommand(RewriteThroughTempFile(files_, writer, show))) {
            return;
        }
    }
    EndDialogOk();
}

}  // namespace kp
