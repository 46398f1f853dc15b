// Loading the selected career into the dialog state: the next patrol, the
// last patrol of the history, and the newest save of a patrol at sea.
#include <string>

#include "career/career_files.h"
#include "career/code_tables.h"
#include "career/file_names.h"
#include "career/line_io.h"
#include "career/text_convert.h"
#include "ui/patrol_dialog.h"

namespace kp {
namespace {

const std::string kNoNextPatrolFile =
    "Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
    "Documents\\Kelmar\\Data\\cfg'.";
const std::string kBadNextPatrolFile = "There is an error in your Patrols_0.cfg file.";
const std::string kNoHistoryFile =
    "Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
    "Documents\\Kelmar\\Data\\cfg'.";
const std::string kBadHistoryFile = "There is an error in your Patrols.cfg file.";

constexpr std::string_view kPatrolAreaKey = "PatrolArea=";
constexpr std::size_t kGridLength = 4;
constexpr int kDaysAtLandBase = 31;

// Status texts by SeaStatus code.
const std::string kSeaStatusTexts[] = {"At Home Base", "At Base", "At Sea"};

struct NewestSave {
    std::filesystem::path path;
    std::filesystem::path stem;
};

// The save with the latest last-write second; on a tie the first in folder order.
std::optional<NewestSave> FindNewestSave(FileOps& ops, const std::filesystem::path& folder) {
    auto entries = ops.List(folder);
    if (!entries) {
        return std::nullopt;
    }
    SortInEnumerationOrder(*entries);
    std::optional<NewestSave> newest;
    std::int64_t best = 0;
    for (const DirEntry& entry : *entries) {
        const std::string_view name = entry.name;
        if (entry.isDirectory || name.size() < kSaveExtension.size() ||
            !EqualsIgnoringCase(name.substr(name.size() - kSaveExtension.size()), kSaveExtension)) {
            continue;
        }
        if (!entry.lastWriteSeconds || *entry.lastWriteSeconds <= best) {
            continue;
        }
        best = *entry.lastWriteSeconds;
        const std::string title(name.substr(0, name.size() - kSaveExtension.size()));
        newest = NewestSave{folder / PathFromUtf8(entry.name), folder / PathFromUtf8(title)};
    }
    return newest;
}

// The last "PatrolArea=" of a save, cut to a grid's length; empty when none.
std::string ReadSaveArea(FileOps& ops, const std::filesystem::path& save) {
    std::string area;
    const auto input = ops.OpenRead(save);
    if (!input) {
        return area;
    }
    LineReader reader(*input);
    LineView line;
    while (reader.Next(line)) {
        if (line.text.starts_with(kPatrolAreaKey)) {
            area = std::string(line.text.substr(kPatrolAreaKey.size(), kGridLength));
        }
    }
    return area;
}

std::string EndDateText(int day, int month, int year) {
    std::string text = day == -1 ? std::string() : FormatInt(day) + " ";
    text += MonthName(month);
    text += ' ';
    if (year != -1) {
        text += FormatInt(year);
    }
    return text;
}

}  // namespace

void CKelmarPatrol2Dlg::OnSelchangeCareerList() {
    UpdateData(true);
    if (!LoadCareer()) {
        ForgetCareer();
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
    const auto folder = CareerFolder(files_, m_szCfgPath, m_strCareer);
    const auto nextPatrolFile = FindEntry(files_, folder, kNextPatrolFile);
    const auto historyFile = FindEntry(files_, folder, kHistoryFile);

    m_nTankerChoice = TankerChoice::kLandBase;
    m_nEndLocation = m_nSubType = m_nSubVersion = -1;
    m_nStartYear = m_nStartMonth = -1;
    m_strPatrolArea = "-1";
    m_nEndYear = m_nEndMonth = m_nEndDay = -1;

    SectionScan nextScan(kNextPatrolProfile);
    const auto intInto = [](int& member) {
        return [&member](std::string_view value) { member = ParseInt(value); };
    };
    const ReadOutcome next = ReadTargetSection(
        files_, nextPatrolFile, nextScan,
        {{"EndLocation=", intInto(m_nEndLocation)},
         {"SubType=", intInto(m_nSubType)},
         {"SubVersion=", intInto(m_nSubVersion)},
         {kPatrolAreaKey, [this](std::string_view v) { m_strPatrolArea = std::string(v); }},
         {"StartYear=", intInto(m_nStartYear)},
         {"StartMonth=", intInto(m_nStartMonth)}});
    if (next == ReadOutcome::CannotOpen) {
        Message(kNoNextPatrolFile);
        return false;
    }
    if (next == ReadOutcome::ReadFailed || nextScan.Error()) {
        Message(kBadNextPatrolFile);
        return false;
    }

    m_fHullIntegrity = 100.0f;
    SectionScan historyScan(kHistoryProfile, nextScan);
    const ReadOutcome history = ReadTargetSection(
        files_, historyFile, historyScan,
        {{"EndYear=", intInto(m_nEndYear)},
         {"EndMonth=", intInto(m_nEndMonth)},
         {"EndDay=", intInto(m_nEndDay)},
         {"HullIntegrity=", [this](std::string_view v) { m_fHullIntegrity = ParseFloat(v); }}});
    if (history == ReadOutcome::CannotOpen) {
        Message(kNoHistoryFile);
        return false;
    }
    if (history == ReadOutcome::ReadFailed || historyScan.Error()) {
        Message(kBadHistoryFile);
        return false;
    }
    loadedHullIntegrity_ = m_fHullIntegrity;

    m_nSeaStatus = SeaStatus::kAtHomeBase;
    m_strSavePath.clear();
    m_strSaveArea.clear();
    const auto patrolFolder = folder / FormatInt(historyScan.Count());
    if (const auto save = FindNewestSave(files_, patrolFolder)) {
        m_strSavePath = Utf8FromPath(save->path);
        m_strSaveStem = Utf8FromPath(save->stem);
        m_nSeaStatus = SeaStatus::kAtSea;
        m_strSaveArea = ReadSaveArea(files_, save->path);
    }

    const BoatInfo boat = LookUpBoat(m_nSubType, m_nSubVersion);
    m_nBoatClass = boat.boatClass;
    m_strBoatType = boat.type;

    if (m_strPatrolArea.size() > kGridLength) {
        m_strPatrolArea.resize(kGridLength);
    }
    m_strGrid = m_strPatrolArea;
    m_strOriginalArea = m_strPatrolArea;
    m_nPatrolCount = historyScan.Count();

    const BaseInfo base = LookUpBase(m_nEndLocation, m_nEndYear, m_nEndMonth);
    m_strEndLocation = base.name;
    m_nTheater = base.theater;
    if (IsStavanger(m_nEndLocation, m_nEndYear, m_nEndMonth) &&
        m_nBoatClass == BoatClass::kTypeXXI) {
        m_nBoatClass = BoatClass::kTypeXXIII;
        m_strBoatType = kTypeXXIIIName;
    }
    m_strEndDate = EndDateText(m_nEndDay, m_nEndMonth, m_nEndYear);

    if (m_strPatrolArea == "NULL") {
        if (GeneratePatrolGrid() != 0) {
            m_strGrid = m_strPatrolArea;
        }
        if (m_nSeaStatus == SeaStatus::kAtHomeBase) {
            m_nSeaStatus = SeaStatus::kAtBase;
        } else if (m_nSeaStatus == SeaStatus::kAtSea && !m_strSaveArea.empty()) {
            m_strGrid = m_strSaveArea;
        }
    }

    m_nDaysInPort = kDaysAtLandBase;
    m_strSeaStatus = kSeaStatusTexts[m_nSeaStatus];
    if (m_nSeaStatus == SeaStatus::kAtBase) {
        m_strGrid = "----";
    }
    careerLoaded_ = true;
    UpdateData(false);
    return true;
}

}  // namespace kp
