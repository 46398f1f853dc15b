#include "career/career_read.h"

#include <cstdint>
#include <functional>

#include "career/career_files.h"
#include "career/code_tables.h"
#include "career/file_messages.h"
#include "career/file_names.h"
#include "career/line_io.h"
#include "career/text_convert.h"
#include "platform/path_text.h"

namespace kp {
namespace {

constexpr std::string_view kBadNextPatrolFile = "There is an error in your Patrols_0.cfg file.";
constexpr std::string_view kBadHistoryFile = "There is an error in your Patrols.cfg file.";

// The last "PatrolArea=" of a save, cut to a grid's length (empty when
// none), and the save's fingerprint.
void ReadSave(FileOps& ops, NewestSave& save) {
    const auto input = ops.OpenRead(save.path);
    if (!input) {
        return;
    }
    HashingInput hashing(*input);
    LineReader reader(hashing);
    LineView line;
    while (reader.Next(line)) {
        if (line.text.starts_with(format::kPatrolAreaKey)) {
            save.patrolArea =
                std::string(line.text.substr(format::kPatrolAreaKey.size(), format::kGridLength));
        }
    }
    if (!reader.Failed()) {
        save.content = hashing.Result();
    }
}

std::optional<std::filesystem::path> NewestOf(const std::filesystem::path& patrolFolder,
                                              const std::optional<std::vector<DirEntry>>& saves) {
    if (!saves) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> newest;
    std::pair<std::int64_t, std::uint32_t> best{0, 0};
    for (const DirEntry& save : *saves) {
        if (!save.lastWriteSeconds ||
            std::pair(*save.lastWriteSeconds, save.lastWriteNanoseconds) <= best) {
            continue;
        }
        best = {*save.lastWriteSeconds, save.lastWriteNanoseconds};
        newest = patrolFolder / PathFromUtf8(save.name);
    }
    return newest;
}

// The newest of the saves the folder was found to hold.
std::optional<NewestSave> FindNewestSave(FileOps& ops, const std::filesystem::path& folder,
                                         const std::optional<std::vector<DirEntry>>& saves) {
    const auto path = NewestOf(folder, saves);
    if (!path) {
        return std::nullopt;
    }
    const std::string name = Utf8FromPath(path->filename());
    const std::string title = name.substr(0, name.size() - kSaveExtension.size());
    NewestSave save{*path, folder / PathFromUtf8(title), {}, std::nullopt};
    ReadSave(ops, save);
    return save;
}

std::function<void(std::string_view)> IntInto(int& member) {
    return [&member](std::string_view value) { member = ParseInt(value); };
}

}  // namespace

std::optional<std::vector<DirEntry>> SavesIn(FileOps& ops,
                                             const std::filesystem::path& patrolFolder) {
    auto entries = ops.List(patrolFolder);
    if (!entries) {
        return std::nullopt;
    }
    std::erase_if(*entries, [](const DirEntry& entry) {
        return entry.isDirectory || !EndsWithIgnoringCase(entry.name, kSaveExtension);
    });
    SortInEnumerationOrder(*entries);
    return entries;
}

std::optional<std::filesystem::path> NewestSavePath(FileOps& ops,
                                                    const std::filesystem::path& patrolFolder) {
    return NewestOf(patrolFolder, SavesIn(ops, patrolFolder));
}

CareerRead ReadCareer(FileOps& ops, const std::filesystem::path& careerFolder) {
    CareerRead read;
    SeenFiles& files = read.files;
    files.folder = careerFolder;
    files.nextPatrol.path = FindEntry(ops, careerFolder, kNextPatrolFile);
    files.history.path = FindEntry(ops, careerFolder, kHistoryFile);
    files.settings.path = FindEntry(ops, careerFolder, kCareerSettingsFile);
    // Not read for the career's state; a change may still write it.
    files.settings.content = ContentOf(ops, files.settings.path);
    NextPatrol& next = read.next;
    SectionScan nextScan(kNextPatrolProfile);
    const ReadOutcome nextOutcome =
        ReadTargetSection(ops, files.nextPatrol.path, nextScan,
                          {{format::kEndLocationKey, IntInto(next.endLocation)},
                           {format::kSubTypeKey, IntInto(next.subType)},
                           {format::kSubVersionKey, IntInto(next.subVersion)},
                           {format::kPatrolAreaKey,
                            [&next](std::string_view v) { next.patrolArea = std::string(v); }},
                           {format::kStartYearKey, IntInto(next.startYear)},
                           {format::kStartMonthKey, IntInto(next.startMonth)}},
                          files.nextPatrol.content);
    if (nextOutcome == ReadOutcome::CannotOpen) {
        read.failure = LoadFailure::NoNextPatrolFile;
        read.unopened = ops.LastOpenFailure();
        return read;
    }
    if (nextOutcome == ReadOutcome::ReadFailed || nextScan.Error()) {
        read.failure = LoadFailure::BadNextPatrolFile;
        return read;
    }

    LastPatrol& last = read.last;
    SectionScan historyScan(kHistoryProfile, nextScan);
    const ReadOutcome historyOutcome =
        ReadTargetSection(ops, files.history.path, historyScan,
                          {{format::kEndYearKey, IntInto(last.endYear)},
                           {format::kEndMonthKey, IntInto(last.endMonth)},
                           {format::kEndDayKey, IntInto(last.endDay)},
                           {format::kHullIntegrityKey,
                            [&last](std::string_view v) { last.hullIntegrity = ParseFloat(v); }}},
                          files.history.content);
    last.count = historyScan.Count();
    if (historyOutcome == ReadOutcome::CannotOpen) {
        read.failure = LoadFailure::NoHistoryFile;
        read.unopened = ops.LastOpenFailure();
        return read;
    }
    if (historyOutcome == ReadOutcome::ReadFailed || historyScan.Error()) {
        read.failure = LoadFailure::BadHistoryFile;
        return read;
    }

    files.patrolFolder = careerFolder / FormatInt(last.count);
    files.saves = SavesIn(ops, files.patrolFolder);
    read.save = FindNewestSave(ops, files.patrolFolder, files.saves);
    return read;
}

CareerFacts DescribeCareer(const CareerRead& read) {
    CareerFacts facts;
    const YearMonth end{read.last.endYear, read.last.endMonth};
    const BoatInfo boat = LookUpBoat(read.next.subType, read.next.subVersion);
    facts.boatClass = boat.boatClass;
    facts.boatType = boat.type;
    const BaseInfo base = LookUpBase(read.next.endLocation, end);
    facts.baseName = base.name;
    facts.theater = base.theater;
    // A Type XXI based at Stavanger is the small Type XXIII.
    if (IsStavanger(read.next.endLocation, end) && facts.boatClass == BoatClass::kTypeXXI) {
        facts.boatClass = BoatClass::kTypeXXIII;
        facts.boatType = kTypeXXIIIName;
    }
    facts.endDate = EndDateText(read.last.endDay, end);
    facts.area = read.next.patrolArea.substr(0, format::kGridLength);
    facts.seaStatusForDraw = read.save ? SeaStatus::kAtSea : SeaStatus::kAtHomeBase;
    facts.seaStatus =
        facts.seaStatusForDraw == SeaStatus::kAtHomeBase && facts.area == format::kNoArea
            ? SeaStatus::kAtBase
            : facts.seaStatusForDraw;
    return facts;
}

std::string LoadFailureText(const CareerRead& read) {
    switch (*read.failure) {
        case LoadFailure::NoNextPatrolFile:
            return CannotOpenMessage(CareerFileKind::NextPatrol, FileTask::Read, read.files.folder,
                                     read.unopened);
        case LoadFailure::BadNextPatrolFile:
            return std::string(kBadNextPatrolFile);
        case LoadFailure::NoHistoryFile:
            return CannotOpenMessage(CareerFileKind::History, FileTask::Read, read.files.folder,
                                     read.unopened);
        case LoadFailure::BadHistoryFile:
            break;
    }
    return std::string(kBadHistoryFile);
}

std::string EndDateText(int day, YearMonth monthOfYear) {
    std::string text = day == -1 ? std::string() : FormatInt(day) + " ";
    text += MonthName(monthOfYear.month);
    text += ' ';
    if (monthOfYear.year != -1) {
        text += FormatInt(monthOfYear.year);
    }
    return text;
}

}  // namespace kp
