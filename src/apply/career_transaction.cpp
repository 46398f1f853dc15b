#include "apply/career_transaction.h"

#include <algorithm>
#include <set>

#include "career/career_read.h"
#include "career/file_names.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCopySize = 64 * 1024;

// Whatever the record names is read without following a link, so that
// nothing outside the career is read, compared or put back through it.
std::optional<Content> OwnContent(FileOps& ops, const fs::path& path) {
    return ContentOf(ops.OpenOwnFile(path));
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

std::set<std::string> KeptNamesOf(const ChangeRecord& record) {
    std::set<std::string> names;
    for (const ReplacedFile& file : record.change.files) {
        names.insert(file.kept);
    }
    if (record.prior) {
        for (const ReplacedFile& file : record.prior->files) {
            names.insert(file.kept);
        }
    }
    return names;
}

bool IsOwnTempName(std::string_view name) {
    return EqualsIgnoringCase(name, kRecordTempName) ||
           std::any_of(kCareerTempFiles.begin(), kCareerTempFiles.end(),
                       [&](std::string_view temp) { return EqualsIgnoringCase(name, temp); });
}

}  // namespace

CareerTransaction::CareerTransaction(FileOps& ops, fs::path careerFolder)
    : ops_(ops), careerFolder_(std::move(careerFolder)) {}

CareerTransaction::~CareerTransaction() {
    // Leaving without a commit puts back; whatever fails stays recorded.
    if (begun_ && ReplacedAny()) {
        RollBack();
    }
}

std::string CareerTransaction::Relative(const fs::path& path) const {
    const std::u8string text = path.lexically_relative(careerFolder_).generic_u8string();
    return std::string(text.begin(), text.end());
}

fs::path CareerTransaction::Absolute(const std::string& relative) const {
    return careerFolder_ / PathFromUtf8(relative);
}

Entered CareerTransaction::Enter() {
    Entered entered;
    LockResult lock = ops_.LockFolder(careerFolder_);
    if (lock.state == LockState::Busy) {
        entered.entry = Entry::Busy;
        return entered;
    }
    lock_ = std::move(lock.lock);
    RecordRead read = ReadRecord(ops_, careerFolder_);
    if (!read.problem.empty()) {
        entered.entry = Entry::Refused;
        entered.problem = std::move(read.problem);
        return entered;
    }
    record_ = std::move(read.record);
    if (record_.state == RecordState::UnderWay) {
        for (const ReplacedFile& file : record_.change.files) {
            entered.cutOffHadNewFiles =
                entered.cutOffHadNewFiles || OwnContent(ops_, Absolute(file.path)) != file.old;
        }
        entered.cutOff = PutBack(record_);
        if (*entered.cutOff != PutBackOutcome::Complete) {
            entered.entry = Entry::NotPutBack;
            return entered;
        }
    }
    RemoveLeftovers();
    return entered;
}

// Nobody else writes these names while the lock is ours: what lies there
// was left by a run cut off before it could take it away.
void CareerTransaction::RemoveLeftovers() {
    const auto entries = ops_.List(careerFolder_);
    if (!entries) {
        return;
    }
    const std::set<std::string> named = KeptNamesOf(record_);
    for (const DirEntry& entry : *entries) {
        if (entry.isDirectory) {
            if (IsPatrolFolderName(entry.name)) {
                RemoveSaveTemps(entry.name);
            }
        } else if (IsOwnTempName(entry.name) ||
                   (IsKeptName(entry.name) && !named.contains(entry.name))) {
            ops_.Remove(careerFolder_ / PathFromUtf8(entry.name));
        }
    }
}

void CareerTransaction::RemoveSaveTemps(const std::string& patrolFolder) {
    const fs::path folder = careerFolder_ / PathFromUtf8(patrolFolder);
    const auto entries = ops_.List(folder);
    if (!entries) {
        return;
    }
    // A save's temporary file is the save's own name with another ending.
    std::set<std::string> stems;
    for (const DirEntry& entry : *entries) {
        if (!entry.isDirectory && EndsWithIgnoringCase(entry.name, kSaveExtension)) {
            stems.insert(
                UpperAscii(entry.name.substr(0, entry.name.size() - kSaveExtension.size())));
        }
    }
    for (const DirEntry& entry : *entries) {
        if (!entry.isDirectory && EndsWithIgnoringCase(entry.name, kSaveTempExtension) &&
            stems.contains(
                UpperAscii(entry.name.substr(0, entry.name.size() - kSaveTempExtension.size())))) {
            ops_.Remove(folder / PathFromUtf8(entry.name));
        }
    }
}

// By value: the record it is given may be the one it replaces.
PutBackOutcome CareerTransaction::PutBack(ChangeRecord underWay) {
    const RecordedChange& change = underWay.change;
    // First what each file holds; a file written since stops everything.
    std::vector<const ReplacedFile*> toPutBack;
    bool unreadable = false;
    for (const ReplacedFile& file : change.files) {
        const auto now = OwnContent(ops_, Absolute(file.path));
        if (now == file.old) {
            continue;
        }
        if (!now) {
            unreadable = true;
        } else if (now == file.fresh) {
            toPutBack.push_back(&file);
        } else {
            return PutBackOutcome::WrittenSince;
        }
    }
    PutBackOutcome outcome = unreadable ? PutBackOutcome::Retry : PutBackOutcome::Complete;
    for (const ReplacedFile* file : toPutBack) {
        const fs::path kept = careerFolder_ / PathFromUtf8(file->kept);
        if (OwnContent(ops_, kept) != file->old) {
            outcome = PutBackOutcome::KeptDamaged;
        } else if (!ops_.Replace(kept, Absolute(file->path))) {
            outcome = outcome == PutBackOutcome::Complete ? PutBackOutcome::Retry : outcome;
        }
    }
    if (outcome != PutBackOutcome::Complete) {
        return outcome;
    }
    // Every file is old again: the undo point before the change is the
    // career's again. Should this not be recorded, entering the career
    // next time finds every file old and records it then.
    ChangeRecord after;
    if (underWay.prior) {
        after.state = RecordState::Whole;
        after.change = *underWay.prior;
    }
    if (WriteRecord(ops_, careerFolder_, after)) {
        record_ = after;
        const std::set<std::string> stillNamed = KeptNamesOf(after);
        for (const ReplacedFile& file : change.files) {
            if (!stillNamed.contains(file.kept)) {
                ops_.Remove(careerFolder_ / PathFromUtf8(file.kept));
            }
        }
        for (const std::string& temp : change.temps) {
            ops_.Remove(Absolute(temp));
        }
    }
    return PutBackOutcome::Complete;
}

UndoCheck CareerTransaction::CheckUndo() {
    const RecordedChange& change = record_.change;
    const auto holds = [this](const std::string& path, const Content& content) {
        const auto now = OwnContent(ops_, Absolute(path));
        return !now ? UndoCheck::Unreadable
                    : (*now == content ? UndoCheck::Ready : UndoCheck::ChangedSince);
    };
    for (const ReplacedFile& file : change.files) {
        if (const UndoCheck check = holds(file.path, file.fresh); check != UndoCheck::Ready) {
            return check;
        }
    }
    for (const WatchedFile& file : change.watched) {
        if (const UndoCheck check = holds(file.path, file.content); check != UndoCheck::Ready) {
            return check;
        }
    }
    // Once the simulation has saved the patrol again, the save a selection
    // finds is another than the one the change wrote.
    for (const ReplacedFile& file : change.files) {
        const fs::path path = Absolute(file.path);
        if (file.path.find('/') != std::string::npos &&
            NewestSavePath(ops_, path.parent_path()) != path) {
            return UndoCheck::ChangedSince;
        }
    }
    for (const ReplacedFile& file : change.files) {
        if (OwnContent(ops_, careerFolder_ / PathFromUtf8(file.kept)) != file.old) {
            return UndoCheck::KeptDamaged;
        }
    }
    return UndoCheck::Ready;
}

void CareerTransaction::Begin(std::int64_t madeAt, const std::vector<fs::path>& temps) {
    begun_ = true;
    change_ = RecordedChange{};
    change_.madeAt = madeAt;
    for (const fs::path& temp : temps) {
        change_.temps.push_back(Relative(temp));
    }
}

void CareerTransaction::Watch(const fs::path& file, const Content& content) {
    change_.watched.push_back({Relative(file), content});
}

bool CareerTransaction::Replace(const fs::path& file, const fs::path& temp, const Content& old,
                                const Content& fresh) {
    ChangeRecord underWay{RecordState::UnderWay, change_, std::nullopt};
    if (record_.state == RecordState::Whole) {
        underWay.prior = record_.change;
    } else if (record_.state == RecordState::UnderWay) {
        underWay.prior = record_.prior;
    }
    // The first kept name neither this change nor the undo point before it uses.
    const std::set<std::string> taken = KeptNamesOf(underWay);
    std::string kept;
    for (std::size_t i = 0; i < kKeptNames && kept.empty(); ++i) {
        if (!taken.contains(KeptName(i))) {
            kept = KeptName(i);
        }
    }
    if (kept.empty() || change_.files.size() == kMaxReplaced) {
        ops_.Remove(temp);
        return false;
    }
    const fs::path keptPath = careerFolder_ / PathFromUtf8(kept);
    ops_.Remove(keptPath);
    if (!Keep(ops_, file, keptPath)) {
        ops_.Remove(temp);
        return false;
    }
    underWay.change.files.push_back({Relative(file), kept, old, fresh});
    if (!WriteRecord(ops_, careerFolder_, underWay)) {
        ops_.Remove(keptPath);
        ops_.Remove(temp);
        return false;
    }
    record_ = underWay;
    change_ = underWay.change;
    // Listed or not, a file that still holds its old content is left alone.
    if (!ops_.Replace(temp, file)) {
        ops_.Remove(temp);
        return false;
    }
    return true;
}

bool CareerTransaction::Commit() {
    if (!ReplacedAny()) {
        return true;
    }
    const ChangeRecord whole{RecordState::Whole, change_, std::nullopt};
    if (!WriteRecord(ops_, careerFolder_, whole)) {
        return false;
    }
    const std::set<std::string> stillNamed = KeptNamesOf(whole);
    for (const std::string& name : KeptNamesOf(record_)) {
        if (!stillNamed.contains(name)) {
            ops_.Remove(careerFolder_ / PathFromUtf8(name));
        }
    }
    record_ = whole;
    begun_ = false;
    return true;
}

PutBackOutcome CareerTransaction::RollBack() {
    begun_ = false;
    if (change_.files.empty()) {
        for (const std::string& temp : change_.temps) {
            ops_.Remove(Absolute(temp));
        }
        return PutBackOutcome::Complete;
    }
    change_ = {};
    return PutBack(record_);
}

std::optional<PutBackOutcome> CareerTransaction::Undo() {
    const ChangeRecord underWay{RecordState::UnderWay, record_.change, std::nullopt};
    if (record_.state != RecordState::Whole || !WriteRecord(ops_, careerFolder_, underWay)) {
        return std::nullopt;
    }
    record_ = underWay;
    return PutBack(record_);
}

}  // namespace kp
