#include "apply/career_change.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "career/file_names.h"
#include "career/line_io.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRecordName = "KelmarPatrol.undo";
// A change replaces three files at most: history, career settings, next patrol.
constexpr int kMaxKept = 3;
constexpr std::size_t kCopySize = 64 * 1024;

constexpr std::string_view kRecordHead =
    "KelmarPatrol undo point: the files of the career's last change as they were before it.\n"
    "To undo it by hand, copy each kept file (the second field of a \"file\" line) over the\n"
    "file named at the end of its line, then delete this file and the kept files.\n";
constexpr std::string_view kWhole = "whole";
constexpr std::string_view kUnderWay = "under way";

std::string KeptName(std::size_t index) {
    return std::string(kRecordName) + std::to_string(index + 1);
}

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::optional<std::uint64_t> Number(std::string_view text, int base) {
    if (text.empty() || text.size() > 20) {
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

// Relative, "/" between names, none of them empty, "." or "..": a record
// someone else wrote cannot send a file outside the career folder.
bool InsideCareer(std::string_view path) {
    if (path.empty() || path.find('\\') != std::string_view::npos ||
        path.find(':') != std::string_view::npos) {
        return false;
    }
    for (std::size_t start = 0;;) {
        const std::size_t slash = path.find('/', start);
        const std::string_view name = path.substr(start, slash - start);
        if (name.empty() || name == "." || name == "..") {
            return false;
        }
        if (slash == std::string_view::npos) {
            return true;
        }
        start = slash + 1;
    }
}

std::string Relative(const fs::path& path, const fs::path& careerFolder) {
    const std::u8string text = path.lexically_relative(careerFolder).generic_u8string();
    return std::string(text.begin(), text.end());
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

std::string RecordText(const UndoPoint& point) {
    std::string text(kRecordHead);
    text += "made\t" + std::to_string(point.madeAt) + "\n";
    text += "state\t" + std::string(point.whole ? kWhole : kUnderWay) + "\n";
    for (const std::string& temp : point.temps) {
        text += "temp\t" + temp + "\n";
    }
    for (const WatchedFile& file : point.watched) {
        text += "also\t" + std::to_string(file.content.size) + "\t" + Hex(file.content.hash) +
                "\t" + file.path + "\n";
    }
    for (const ChangedFile& file : point.files) {
        text += "file\t" + file.kept + "\t" + std::to_string(file.old.size) + "\t" +
                Hex(file.old.hash) + "\t" + std::to_string(file.fresh.size) + "\t" +
                Hex(file.fresh.hash) + "\t" + file.path + "\n";
    }
    return text;
}

std::optional<ChangedFile> FileLine(const std::vector<std::string_view>& fields,
                                    std::size_t index) {
    if (fields.size() != 7 || fields[1] != KeptName(index) || !InsideCareer(fields[6])) {
        return std::nullopt;
    }
    const auto oldSize = Number(fields[2], 10);
    const auto oldHash = Number(fields[3], 16);
    const auto newSize = Number(fields[4], 10);
    const auto newHash = Number(fields[5], 16);
    if (!oldSize || !oldHash || !newSize || !newHash || fields[6].empty()) {
        return std::nullopt;
    }
    return ChangedFile{
        std::string(fields[6]), std::string(fields[1]), {*oldSize, *oldHash}, {*newSize, *newHash}};
}

// Written whole under another name, on the disk, then put in place in one step.
bool WriteRecord(FileOps& ops, const fs::path& careerFolder, const UndoPoint& point) {
    const fs::path temp = careerFolder / kRecordTempName;
    auto out = ops.Create(temp);
    const std::string text = RecordText(point);
    const bool written =
        out && out->Write(text.data(), text.size()) && out->Flush() && out->Sync() && out->Close();
    out.reset();
    if (!written || !ops.Replace(temp, careerFolder / kRecordName)) {
        ops.Remove(temp);
        return false;
    }
    return true;
}

// A second name for the file's content, or a copy of it on the disk where the
// file system has no hard links (FAT32, exFAT).
bool Keep(FileOps& ops, const fs::path& file, const fs::path& kept) {
    if (ops.Link(file, kept)) {
        return true;
    }
    auto in = ops.OpenRead(file);
    auto out = in ? ops.Create(kept) : nullptr;
    if (!out) {
        return false;
    }
    std::vector<char> buffer(kCopySize);
    for (;;) {
        const std::ptrdiff_t got = in->Read(buffer.data(), buffer.size());
        if (got == 0) {
            break;
        }
        if (got < 0 || !out->Write(buffer.data(), static_cast<std::size_t>(got))) {
            out.reset();
            ops.Remove(kept);
            return false;
        }
    }
    if (!out->Flush() || !out->Sync() || !out->Close()) {
        out.reset();
        ops.Remove(kept);
        return false;
    }
    return true;
}

// The record goes first: kept content without a record is no undo point.
void RemoveUndoPoint(FileOps& ops, const fs::path& careerFolder) {
    ops.Remove(careerFolder / kRecordName);
    for (int i = 0; i < kMaxKept; ++i) {
        ops.Remove(careerFolder / KeptName(static_cast<std::size_t>(i)));
    }
}

fs::path FileOf(const fs::path& careerFolder, const ChangedFile& file) {
    return careerFolder / PathFromUtf8(file.path);
}

}  // namespace

std::optional<UndoPoint> ReadUndoPoint(FileOps& ops, const fs::path& careerFolder) {
    const auto input = ops.OpenRead(careerFolder / kRecordName);
    if (!input) {
        return std::nullopt;
    }
    UndoPoint point;
    bool made = false;
    bool state = false;
    LineReader reader(*input);
    LineView line;
    while (reader.Next(line)) {
        const std::vector<std::string_view> fields = Fields(line.text);
        if (fields[0] == "made" && fields.size() == 2) {
            const auto seconds = Number(fields[1], 10);
            made = seconds.has_value();
            point.madeAt = static_cast<std::int64_t>(seconds.value_or(0));
        } else if (fields[0] == "state" && fields.size() == 2) {
            state = fields[1] == kWhole || fields[1] == kUnderWay;
            point.whole = fields[1] == kWhole;
        } else if (fields[0] == "file") {
            const auto file = FileLine(fields, point.files.size());
            if (!file || point.files.size() == kMaxKept) {
                return std::nullopt;
            }
            point.files.push_back(*file);
        } else if (fields[0] == "also") {
            const auto size = fields.size() == 4 ? Number(fields[1], 10) : std::nullopt;
            const auto hash = fields.size() == 4 ? Number(fields[2], 16) : std::nullopt;
            if (!size || !hash || !InsideCareer(fields[3])) {
                return std::nullopt;
            }
            point.watched.push_back({std::string(fields[3]), {*size, *hash}});
        } else if (fields[0] == "temp") {
            if (fields.size() != 2 || !InsideCareer(fields[1])) {
                return std::nullopt;
            }
            point.temps.emplace_back(fields[1]);
        }
    }
    if (reader.Failed() || !made || !state || point.files.empty()) {
        return std::nullopt;
    }
    return point;
}

CareerChange::CareerChange(FileOps& ops, fs::path careerFolder, std::int64_t madeAt,
                           const std::vector<fs::path>& temps, std::vector<fs::path> watched)
    : ops_(ops), careerFolder_(std::move(careerFolder)), watched_(std::move(watched)) {
    point_.madeAt = madeAt;
    for (const fs::path& temp : temps) {
        point_.temps.push_back(Relative(temp, careerFolder_));
    }
}

bool CareerChange::Record() {
    return WriteRecord(ops_, careerFolder_, point_);
}

bool CareerChange::Replace(const fs::path& file, const fs::path& temp, const Content& old,
                           const Content& fresh) {
    if (point_.files.empty()) {
        const auto last = ReadUndoPoint(ops_, careerFolder_);
        if (last && !last->whole) {
            ops_.Remove(temp);
            return false;
        }
        RemoveUndoPoint(ops_, careerFolder_);
    }
    const std::string kept = KeptName(point_.files.size());
    ops_.Remove(careerFolder_ / kept);
    const bool ready = point_.files.size() < kMaxKept && Keep(ops_, file, careerFolder_ / kept);
    if (ready) {
        point_.files.push_back({Relative(file, careerFolder_), kept, old, fresh});
        if (Record() && ops_.Replace(temp, file)) {
            return true;
        }
        // Listed or not, a file that still holds its old content is left alone.
    }
    ops_.Remove(temp);
    return false;
}

bool CareerChange::PutBack() {
    if (point_.files.empty()) {
        RemoveUndoPoint(ops_, careerFolder_);
        return true;
    }
    return PutBackUndoPoint(ops_, careerFolder_, point_);
}

bool CareerChange::Finish() {
    for (const fs::path& file : watched_) {
        const std::string path = Relative(file, careerFolder_);
        const bool changed = std::any_of(point_.files.begin(), point_.files.end(),
                                         [&](const ChangedFile& f) { return f.path == path; });
        if (const auto content = ContentOf(ops_, file); content && !changed) {
            point_.watched.push_back({path, *content});
        }
    }
    point_.whole = true;
    if (Record()) {
        return true;
    }
    // The record still says "under way", so the next reading would put the
    // change back: it is to be put back now, while the user can be told.
    point_.whole = false;
    return false;
}

UndoCheck CheckUndo(FileOps& ops, const fs::path& careerFolder, const UndoPoint& point) {
    for (const ChangedFile& file : point.files) {
        if (ContentOf(ops, FileOf(careerFolder, file)) != file.fresh) {
            return UndoCheck::ChangedSince;
        }
    }
    for (const WatchedFile& file : point.watched) {
        if (ContentOf(ops, careerFolder / PathFromUtf8(file.path)) != file.content) {
            return UndoCheck::ChangedSince;
        }
    }
    for (const ChangedFile& file : point.files) {
        if (ContentOf(ops, careerFolder / PathFromUtf8(file.kept)) != file.old) {
            return UndoCheck::KeptDamaged;
        }
    }
    return UndoCheck::Ready;
}

bool PutBackUndoPoint(FileOps& ops, const fs::path& careerFolder, UndoPoint point) {
    if (point.whole) {
        point.whole = false;
        if (!WriteRecord(ops, careerFolder, point)) {
            return false;
        }
    }
    bool back = true;
    for (const ChangedFile& file : point.files) {
        const fs::path path = FileOf(careerFolder, file);
        if (file.fresh == file.old || ContentOf(ops, path) != file.fresh) {
            continue;
        }
        // The kept name is not needed once its file holds the old content again.
        const fs::path kept = careerFolder / PathFromUtf8(file.kept);
        back = ContentOf(ops, kept) == file.old && ops.Replace(kept, path) && back;
    }
    if (back) {
        RemoveUndoPoint(ops, careerFolder);
    }
    return back;
}

Recovery RecoverInterruptedChange(FileOps& ops, const fs::path& careerFolder) {
    const auto point = ReadUndoPoint(ops, careerFolder);
    if (!point || point->whole) {
        return Recovery::Nothing;
    }
    bool anyNew = false;
    for (const ChangedFile& file : point->files) {
        const auto now = ContentOf(ops, FileOf(careerFolder, file));
        if (now != file.old && now != file.fresh) {
            return Recovery::Stuck;
        }
        anyNew = anyNew || (now == file.fresh && file.fresh != file.old);
    }
    if (!PutBackUndoPoint(ops, careerFolder, *point)) {
        return Recovery::Failed;
    }
    for (const std::string& temp : point->temps) {
        ops.Remove(careerFolder / PathFromUtf8(temp));
    }
    return anyNew ? Recovery::PutBack : Recovery::Nothing;
}

}  // namespace kp
