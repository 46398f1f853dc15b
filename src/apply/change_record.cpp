#include "apply/change_record.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "career/line_io.h"
#include "platform/local_time.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRecordHead =
    "KelmarPatrol undo point: the files of the career's last change as they were before it.\n"
    "To undo it by hand, copy each kept file (the second field of a \"file\" line) over the\n"
    "file named at the end of its line, then delete this file and the kept files.\n";
constexpr std::string_view kWhole = "whole";
constexpr std::string_view kUnderWay = "under way";
// Lines of the undo point that stays while a change is under way.
constexpr std::string_view kPrior = "prior";

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::optional<std::uint64_t> Number(std::string_view text, int base) {
    if (text.empty() || text.size() > (base == 16 ? 16u : 19u)) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    return value;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// A name of the career folder itself, or one of a patrol folder (named by a
// number) with the given ending: nothing else a change of ours can touch.
template <std::size_t N>
bool CareerName(std::string_view path, const std::array<std::string_view, N>& names,
                std::string_view patrolEnding) {
    if (path.find_first_of("\\:") != std::string_view::npos) {
        return false;
    }
    const std::size_t slash = path.find('/');
    if (slash == std::string_view::npos) {
        return std::any_of(names.begin(), names.end(),
                           [&](std::string_view name) { return EqualsIgnoringCase(path, name); });
    }
    const std::string_view folder = path.substr(0, slash);
    const std::string_view name = path.substr(slash + 1);
    return IsPatrolFolderName(folder) && name.find('/') == std::string_view::npos &&
           EndsWithIgnoringCase(name, patrolEnding);
}

bool IsCareerFile(std::string_view path) {
    return CareerName(path, kCareerFiles, kSaveExtension);
}

bool IsTempFile(std::string_view path) {
    return CareerName(path, kCareerTempFiles, kSaveTempExtension);
}

std::string ReadableTime(std::int64_t seconds) {
    const LocalTime t = ToLocalTime(seconds);
    const int offset = t.offsetMinutes < 0 ? -t.offsetMinutes : t.offsetMinutes;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d %c%02d:%02d", t.year, t.month,
                  t.day, t.hour, t.minute, t.second, t.offsetMinutes < 0 ? '-' : '+', offset / 60,
                  offset % 60);
    return text;
}

// `state`, when given, follows the time, where a player looks first.
void AddChangeLines(std::string& text, const RecordedChange& change, std::string_view prefix,
                    std::string_view state) {
    const auto line = [&](std::string fields) {
        text += prefix;
        text += fields;
        text += "\n";
    };
    line("made\t" + ReadableTime(change.madeAt) + "\t" + std::to_string(change.madeAt));
    if (!state.empty()) {
        line("state\t" + std::string(state));
    }
    for (const std::string& temp : change.temps) {
        line("temp\t" + temp);
    }
    for (const WatchedFile& file : change.watched) {
        line("also\t" + std::to_string(file.content.size) + "\t" + Hex(file.content.hash) + "\t" +
             file.path);
    }
    for (const ReplacedFile& file : change.files) {
        line("file\t" + file.kept + "\t" + std::to_string(file.old.size) + "\t" +
             Hex(file.old.hash) + "\t" + std::to_string(file.fresh.size) + "\t" +
             Hex(file.fresh.hash) + "\t" + file.path);
    }
}

std::optional<Content> ContentField(std::string_view size, std::string_view hash) {
    const auto s = Number(size, 10);
    const auto h = Number(hash, 16);
    if (!s || !h) {
        return std::nullopt;
    }
    return Content{*s, *h};
}

// Why the record could not be opened, in words for the message about it.
std::string OpenFailureText(const OpenFailure& failure) {
    switch (failure.cause) {
        case OpenFailureCause::Held:
            return "another program holds it";
        case OpenFailureCause::Denied:
            return "access to it is denied";
        case OpenFailureCause::Missing:
        case OpenFailureCause::Other:
            break;
    }
    return failure.detail.empty() ? std::string("it cannot be opened") : failure.detail;
}

// Reads one line into the change it belongs to; the problem when it is refused.
class RecordParser {
  public:
    std::string Line(std::string_view text, ChangeRecord& record) {
        std::vector<std::string_view> fields = Fields(text);
        RecordedChange* change = &record.change;
        bool* made = &made_;
        if (fields.front() == kPrior) {
            fields.erase(fields.begin());
            if (fields.empty()) {
                return "it holds a line this program does not write";
            }
            if (!record.prior) {
                record.prior.emplace();
            }
            change = &*record.prior;
            made = &priorMade_;
        }
        const std::string_view kind = fields[0];
        if (kind == "state" && fields.size() == 2 && change == &record.change) {
            if (fields[1] != kWhole && fields[1] != kUnderWay) {
                return "it gives a state this program does not write";
            }
            record.state = fields[1] == kWhole ? RecordState::Whole : RecordState::UnderWay;
            return {};
        }
        if (kind == "made" && (fields.size() == 2 || fields.size() == 3)) {
            // The readable time is for the player; the seconds are the program's.
            const auto seconds = Number(fields.back(), 10);
            if (!seconds) {
                return "its time is not a number";
            }
            if (*seconds > static_cast<std::uint64_t>(kLatestMadeAt)) {
                return "its time lies beyond the year 9999";
            }
            change->madeAt = static_cast<std::int64_t>(*seconds);
            *made = true;
            return {};
        }
        if (kind == "temp" && fields.size() == 2) {
            if (!IsTempFile(fields[1])) {
                return "it names a temporary file that is not the program's, " +
                       std::string(fields[1]);
            }
            change->temps.emplace_back(fields[1]);
            return {};
        }
        if (kind == "also" && fields.size() == 4) {
            const auto content = ContentField(fields[1], fields[2]);
            if (!content || !IsCareerFile(fields[3])) {
                return "it names a file that is not the career's, " + std::string(fields[3]);
            }
            change->watched.push_back({std::string(fields[3]), *content});
            return {};
        }
        if (kind == "file" && fields.size() == 7) {
            return FileLine(fields, *change);
        }
        return "it holds a line this program does not write";
    }

    std::string End(const ChangeRecord& record) const {
        if (record.state == RecordState::None || !made_ || record.change.files.empty()) {
            return "it names no change";
        }
        if (record.prior &&
            (!priorMade_ || record.prior->files.empty() || record.state != RecordState::UnderWay)) {
            return "its earlier undo point is not complete";
        }
        return {};
    }

  private:
    std::string FileLine(const std::vector<std::string_view>& fields, RecordedChange& change) {
        const auto old = ContentField(fields[2], fields[3]);
        const auto fresh = ContentField(fields[4], fields[5]);
        const std::string kept(fields[1]);
        const std::string path(fields[6]);
        if (!IsKeptName(kept) || !keptNames_.insert(kept).second) {
            return "it names a kept file that is not the program's, " + kept;
        }
        if (!old || !fresh || !IsCareerFile(path) || change.files.size() == kMaxReplaced) {
            return "it names a file that is not the career's, " + path;
        }
        for (const ReplacedFile& file : change.files) {
            if (EqualsIgnoringCase(file.path, path)) {
                return "it names a file twice, " + path;
            }
        }
        change.files.push_back({path, kept, *old, *fresh});
        return {};
    }

    bool made_ = false;
    bool priorMade_ = false;
    std::set<std::string> keptNames_;
};

}  // namespace

std::string KeptName(std::size_t index) {
    return std::string(kRecordName) + std::to_string(index + 1);
}

bool IsKeptName(std::string_view name) {
    for (std::size_t i = 0; i < kKeptNames; ++i) {
        if (name == KeptName(i)) {
            return true;
        }
    }
    return false;
}

std::string RecordText(const ChangeRecord& record) {
    std::string text(kRecordHead);
    AddChangeLines(text, record.change, {},
                   record.state == RecordState::Whole ? kWhole : kUnderWay);
    if (record.prior) {
        AddChangeLines(text, *record.prior, std::string(kPrior) + "\t", {});
    }
    return text;
}

RecordRead ReadRecord(FileOps& ops, const fs::path& careerFolder) {
    RecordRead read;
    const auto input = ops.OpenOwnFile(careerFolder, PathFromUtf8(kRecordName));
    if (!input) {
        const OpenFailure failure = ops.LastOpenFailure();
        if (failure.cause != OpenFailureCause::Missing) {
            read.problem = OpenFailureText(failure);
            read.unreadable = true;
            return read;
        }
        // Absent is no record; present but not a regular file is not ours.
        const auto entries = ops.List(careerFolder);
        if (!entries) {
            read.problem = "its folder cannot be listed";
            read.unreadable = true;
            return read;
        }
        if (std::any_of(entries->begin(), entries->end(),
                        [](const DirEntry& entry) { return entry.name == kRecordName; })) {
            read.problem = "it is not a file of its own";
        }
        return read;
    }
    RecordParser parser;
    ChangeRecord record;
    LineReader reader(*input);
    LineView line;
    bool head = true;
    while (reader.Next(line)) {
        // The head is the text for a player; the lines begin after it.
        if (head && kRecordHead.find(std::string(line.text) + "\n") != std::string_view::npos) {
            continue;
        }
        head = false;
        if (line.text.empty()) {
            continue;
        }
        if (std::string problem = parser.Line(line.text, record); !problem.empty()) {
            read.problem = std::move(problem);
            return read;
        }
    }
    if (reader.Failed()) {
        read.problem = "it could not be read to its end";
        read.unreadable = true;
        return read;
    }
    read.problem = parser.End(record);
    if (read.problem.empty()) {
        read.record = std::move(record);
    }
    return read;
}

bool WriteRecord(FileOps& ops, const fs::path& careerFolder, const ChangeRecord& record) {
    const fs::path path = careerFolder / kRecordName;
    if (record.state == RecordState::None) {
        return ops.RemoveOwn(careerFolder, PathFromUtf8(kRecordName)) ||
               !ops.OpenOwnFile(careerFolder, PathFromUtf8(kRecordName));
    }
    const fs::path temp = careerFolder / kRecordTempName;
    auto out = ops.Create(temp);
    const std::string text = RecordText(record);
    const bool written =
        out && out->Write(text.data(), text.size()) && out->Flush() && out->Sync() && out->Close();
    out.reset();
    if (!written || !ops.Replace(temp, path)) {
        ops.Remove(temp);
        return false;
    }
    return true;
}

}  // namespace kp
