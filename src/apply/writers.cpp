#include "apply/writers.h"

#include "career/career_format.h"
#include "career/file_messages.h"
#include "career/file_names.h"
#include "career/text_convert.h"
#include "platform/path_text.h"

namespace kp {
namespace {

constexpr float kHullRepair = 10.0f;
constexpr float kFullHull = 100.0f;

KeyEdit Replace(std::string value) {
    return {EditAction::Replace, std::move(value)};
}
KeyEdit Keep(std::string_view /*old*/) {
    return {};
}

std::function<KeyEdit(std::string_view)> Set(std::string value) {
    return [value = std::move(value)](std::string_view) { return Replace(value); };
}

// A date line is written only where the whole date was read; it still counts.
std::function<KeyEdit(std::string_view)> SetDatePart(const std::optional<WorkingDate>& date,
                                                     int WorkingDate::*part) {
    if (!date) {
        return Keep;
    }
    return Set(FormatInt((*date).*part));
}

}  // namespace

const WriterMessages kHistoryMessages{
    CareerFileKind::History,
    "There is an error in your 'Patrols.cfg' file.",
    "Failed to write the new data to your 'patrols.cfg' file.",
    "",
};

const WriterMessages kCareerMessages{
    CareerFileKind::CareerSettings,
    "There is an error in your 'Careers_0.cfg' file.",
    "Failed to write the new data to your 'Careers_0.cfg' file.",
    "",
};

const WriterMessages kNextPatrolMessages{
    CareerFileKind::NextPatrol,
    "There is an error in your 'Patrols_0.cfg' file.",
    "Failed to write the new data to your 'patrols_0.cfg' file.",
    "Job Done.",
};

namespace {

const WriterMessages kSaveMessages{
    std::nullopt,
    "",
    "Failed to write the new data to your save file.",
    "Job Done.",
};

}  // namespace

float RaisedHull(float hullIntegrity, int hullLines) {
    for (int i = 0; i < hullLines; ++i) {
        hullIntegrity = hullIntegrity + kHullRepair;
        if (hullIntegrity > kFullHull) {
            hullIntegrity = kFullHull;
        }
    }
    return hullIntegrity;
}

Writer RewritePatrolHistory(const std::filesystem::path& history, const std::string& grid,
                            std::optional<WorkingDate> date, float hullIntegrity) {
    const auto raiseHull = [hull = hullIntegrity](std::string_view) mutable {
        hull = RaisedHull(hull, 1);
        return Replace(FormatFixed4(hull));
    };
    return Writer{
        history,
        history.parent_path() / kHistoryTempFile,
        kHistoryProfile,
        {
            {format::kPatrolAreaKey, true, Set(grid)},
            {format::kNbDaysInBaseKey, true, Keep},
            {format::kEndDayKey, true, SetDatePart(date, &WorkingDate::day)},
            {format::kEndMonthKey, true, SetDatePart(date, &WorkingDate::month)},
            {format::kEndYearKey, true, SetDatePart(date, &WorkingDate::year)},
            {format::kHullIntegrityKey, false, raiseHull},
        },
        5,
        std::nullopt,
        kHistoryMessages,
    };
}

Writer UpgradeRadarDetectors(const std::filesystem::path& careerSettings, int radarCode) {
    const auto raise = [radarCode](std::string_view old) {
        return ParseInt(old) < radarCode ? Replace(FormatInt(radarCode)) : KeyEdit{};
    };
    return Writer{
        careerSettings,
        careerSettings.parent_path() / kSharedTempFile,
        kCareerProfile,
        {{format::kRadarUpgradeKey, true, raise}},
        1,
        std::nullopt,
        kCareerMessages,
    };
}

bool MediterraneanRuleHolds(int enteredMed, YearMonth start) {
    return enteredMed == 1 && (start.year > 1941 || (start.year == 1941 && start.month > 10));
}

Writer RewriteNextPatrol(const std::filesystem::path& nextPatrol, const std::string& grid,
                         std::optional<WorkingDate> date, float hullIntegrity,
                         bool mediterraneanFlotilla) {
    std::function<KeyEdit(std::string_view)> flotilla = Keep;
    if (mediterraneanFlotilla) {
        flotilla = Set(FormatInt(kMediterraneanFlotilla));
    }
    return Writer{
        nextPatrol,
        nextPatrol.parent_path() / kSharedTempFile,
        kNextPatrolProfile,
        {
            {format::kPatrolAreaKey, true, Set(grid)},
            {format::kNbDaysInBaseKey, true, Keep},
            {format::kStartDayKey, true, SetDatePart(date, &WorkingDate::day)},
            {format::kStartMonthKey, true, SetDatePart(date, &WorkingDate::month)},
            {format::kStartYearKey, true, SetDatePart(date, &WorkingDate::year)},
            {format::kHullIntegrityKey, false, Set(FormatFixed4(hullIntegrity))},
            {format::kFlotillaKey, false, flotilla},
        },
        5,
        std::nullopt,
        kNextPatrolMessages,
        WhenRefused::PutBack,
    };
}

Writer RewriteSavePatrolArea(const std::filesystem::path& save,
                             const std::filesystem::path& saveStem, const std::string& grid,
                             std::function<bool()> confirm) {
    const auto area = [grid, confirm = std::move(confirm)](std::string_view old) {
        if (old.substr(0, format::kNoArea.size()) != format::kNoArea && !confirm()) {
            return KeyEdit{EditAction::Abort, {}};
        }
        return Replace(grid);
    };
    const std::string tempName =
        Utf8FromPath(saveStem.filename()) + std::string(kSaveTempExtension);
    return Writer{
        save,          saveStem.parent_path() / PathFromUtf8(tempName),
        std::nullopt,  {{format::kPatrolAreaKey, true, area}},
        std::nullopt,  std::string(format::kPatrolAreaKey) + grid,
        kSaveMessages, WhenRefused::PutBack,
    };
}

}  // namespace kp
