// The four base buttons: a land base, or one of three ocean tankers, each
// open only within its window of start dates.
#include <string>

#include "ui/patrol_dialog.h"

namespace kp {
namespace {

const std::string kChooseCareer = "Please choose a career.";
const std::string kNoTankerAtHome = "Cannot be a U-tanker at Home Base!";

struct YearMonth {
    int year;
    int month;
};

struct TankerWindow {
    int choice;
    int firstYear;      // refused before this year
    YearMonth firstIn;  // refused in this year before this month
    int lastYear;       // refused after this year
    YearMonth lastIn;   // refused in this year after this month
    const char* refusal;

    bool Accepts(int year, int month) const {
        return year >= firstYear && !(year == firstIn.year && month < firstIn.month) &&
               year <= lastYear && !(year == lastIn.year && month > lastIn.month);
    }
};

const TankerWindow kTankerWindows[] = {
    {TankerChoice::kNorth,
     1941,
     {1942, 4},
     1943,
     {1943, 6},
     "You cannot use an Ocean Tanker here\n (1941 (Spain) or April 1942 - June 1943 only)."},
    {TankerChoice::kMid,
     1942,
     {1942, 8},
     1944,
     {1944, 4},
     "You cannot use an Ocean Tanker here\n (August 1942 - April 1944 only)."},
    {TankerChoice::kSouth,
     1942,
     {1942, 9},
     1944,
     {1944, 3},
     "You cannot use an Ocean Tanker here\n (Sept 1942 - March 1944 only)."},
};

constexpr int kDaysAtLandBase = 31;
constexpr int kDaysAtTanker = 1;

}  // namespace

void CKelmarPatrol2Dlg::OnLandBase() {
    if (m_strGrid.empty() || !careerLoaded_) {
        Message(kChooseCareer);
        return;
    }
    m_nDaysInPort = kDaysAtLandBase;
    m_nTankerChoice = TankerChoice::kLandBase;
    GeneratePatrolGrid();
    m_strGrid = m_strPatrolArea;
    UpdateData(false);
}

void CKelmarPatrol2Dlg::OnTanker(int choice) {
    if (m_strGrid.empty() || !careerLoaded_) {
        Message(kChooseCareer);
        return;
    }
    const TankerWindow& window = kTankerWindows[choice - TankerChoice::kNorth];
    const auto refuse = [this](const std::string& why) {
        m_nDaysInPort = kDaysAtLandBase;
        m_nTankerChoice = TankerChoice::kLandBase;
        Message(why);
    };
    if (m_nSeaStatus == SeaStatus::kAtHomeBase) {
        refuse(kNoTankerAtHome);
    } else if (!window.Accepts(m_nStartYear, m_nStartMonth)) {
        refuse(window.refusal);
    } else {
        m_nDaysInPort = kDaysAtTanker;
        m_nTankerChoice = choice;
        GeneratePatrolGrid();
        m_strGrid = m_strPatrolArea;
    }
    UpdateData(false);
}

void CKelmarPatrol2Dlg::OnTankerNorth() {
    OnTanker(TankerChoice::kNorth);
}
void CKelmarPatrol2Dlg::OnTankerMid() {
    OnTanker(TankerChoice::kMid);
}
void CKelmarPatrol2Dlg::OnTankerSouth() {
    OnTanker(TankerChoice::kSouth);
}

}  // namespace kp
