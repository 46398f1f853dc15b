#include "career/career_loader.h"

#include <cstdint>
#include <functional>

#include "career/career_files.h"
#include "career/code_tables.h"
#include "career/file_messages.h"
#include "career/file_names.h"
#include "career/line_io.h"
#include "career/text_convert.h"

namespace kp {
namespace {

// By LoadFailure.
const std::string_view kLoadFailureTexts[] = {
    MissingFileMessage(CareerFileKind::NextPatrol, FileTask::Read),
    "There is an error in your Patrols_0.cfg file.",
    MissingFileMessage(CareerFileKind::History, FileTask::Read),
    "There is an error in your Patrols.cfg file.",
};

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
        if (line.text.starts_with(format::kPatrolAreaKey)) {
            area =
                std::string(line.text.substr(format::kPatrolAreaKey.size(), format::kGridLength));
        }
    }
    return area;
}

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
        newest = NewestSave{folder / PathFromUtf8(entry.name), folder / PathFromUtf8(title), {}};
    }
    if (newest) {
        newest->patrolArea = ReadSaveArea(ops, newest->path);
    }
    return newest;
}

std::function<void(std::string_view)> IntInto(int& member) {
    return [&member](std::string_view value) { member = ParseInt(value); };
}

}  // namespace

CareerRead ReadCareer(FileOps& ops, const std::filesystem::path& careerFolder) {
    const auto nextPatrolFile = FindEntry(ops, careerFolder, kNextPatrolFile);
    const auto historyFile = FindEntry(ops, careerFolder, kHistoryFile);
    CareerRead read;
    NextPatrol& next = read.next;
    SectionScan nextScan(kNextPatrolProfile);
    const ReadOutcome nextOutcome =
        ReadTargetSection(ops, nextPatrolFile, nextScan,
                          {{format::kEndLocationKey, IntInto(next.endLocation)},
                           {format::kSubTypeKey, IntInto(next.subType)},
                           {format::kSubVersionKey, IntInto(next.subVersion)},
                           {format::kPatrolAreaKey,
                            [&next](std::string_view v) { next.patrolArea = std::string(v); }},
                           {format::kStartYearKey, IntInto(next.startYear)},
                           {format::kStartMonthKey, IntInto(next.startMonth)}});
    if (nextOutcome == ReadOutcome::CannotOpen) {
        read.failure = LoadFailure::NoNextPatrolFile;
        return read;
    }
    if (nextOutcome == ReadOutcome::ReadFailed || nextScan.Error()) {
        read.failure = LoadFailure::BadNextPatrolFile;
        return read;
    }

    LastPatrol& last = read.last;
    SectionScan historyScan(kHistoryProfile, nextScan);
    const ReadOutcome historyOutcome =
        ReadTargetSection(ops, historyFile, historyScan,
                          {{format::kEndYearKey, IntInto(last.endYear)},
                           {format::kEndMonthKey, IntInto(last.endMonth)},
                           {format::kEndDayKey, IntInto(last.endDay)},
                           {format::kHullIntegrityKey,
                            [&last](std::string_view v) { last.hullIntegrity = ParseFloat(v); }}});
    last.count = historyScan.Count();
    if (historyOutcome == ReadOutcome::CannotOpen) {
        read.failure = LoadFailure::NoHistoryFile;
        return read;
    }
    if (historyOutcome == ReadOutcome::ReadFailed || historyScan.Error()) {
        read.failure = LoadFailure::BadHistoryFile;
        return read;
    }

    read.save = FindNewestSave(ops, careerFolder / FormatInt(last.count));
    return read;
}

std::string_view LoadFailureText(LoadFailure failure) {
    return kLoadFailureTexts[static_cast<int>(failure)];
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
