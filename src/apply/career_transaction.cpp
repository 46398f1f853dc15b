#include "apply/career_transaction.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "career/career_read.h"
#include "career/file_names.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCopySize = 64 * 1024;

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

// Where names differ by letter case, only the program's own spelling is its own.
bool SameName(std::string_view a, std::string_view b) {
    return kNamesIgnoreCase ? EqualsIgnoringCase(a, b) : a == b;
}

bool IsOwnTempName(std::string_view name) {
    return SameName(name, kRecordTempName) ||
           std::any_of(kCareerTempFiles.begin(), kCareerTempFiles.end(),
                       [&](std::string_view temp) { return SameName(name, temp); });
}

// A save's temporary file is the save's own name with another ending.
bool IsTempOfSave(std::string_view name, const std::vector<DirEntry>& entries) {
    if (name.size() < kSaveTempExtension.size() ||
        !SameName(name.substr(name.size() - kSaveTempExtension.size()), kSaveTempExtension)) {
        return false;
    }
    const std::string_view stem = name.substr(0, name.size() - kSaveTempExtension.size());
    return std::any_of(entries.begin(), entries.end(), [&](const DirEntry& entry) {
        const std::string_view save = entry.name;
        return !entry.isDirectory && save.size() == stem.size() + kSaveExtension.size() &&
               EndsWithIgnoringCase(save, kSaveExtension) &&
               SameName(save.substr(0, stem.size()), stem);
    });
}

[[noreturn]] void Misuse(const char* call, const char* phase) {
    std::fprintf(stderr,
                 "KelmarPatrol: internal error: CareerTransaction::%s called %s; stopped before "
                 "any file could be written out of order.\n",
                 call, phase);
    std::abort();
}

}  // namespace

CareerTransaction::CareerTransaction(FileOps& ops, fs::path careerFolder)
    : ops_(ops), careerFolder_(std::move(careerFolder)) {}

CareerTransaction::~CareerTransaction() {
    // Leaving without a commit puts back; whatever fails stays recorded.
    if (phase_ == Phase::Begun && ReplacedAny()) {
        RollBack();
    }
}

void CareerTransaction::Require(Phase phase, const char* call) const {
    static constexpr const char* kWhere[] = {"before Enter", "after Enter and before Begin",
                                             "after Begin", "after the change ended",
                                             "after an Enter that was not Ready"};
    if (phase_ != phase) {
        Misuse(call, kWhere[static_cast<int>(phase_)]);
    }
}

std::string CareerTransaction::Relative(const fs::path& path) const {
    const std::u8string text = path.lexically_relative(careerFolder_).generic_u8string();
    return std::string(text.begin(), text.end());
}

fs::path CareerTransaction::Absolute(const std::string& relative) const {
    return careerFolder_ / PathFromUtf8(relative);
}

// Whatever the record names is read within the career folder without
// following a link, so that nothing outside it is read, compared or put back.
std::optional<Content> CareerTransaction::Own(const std::string& relative) {
    return ContentOf(ops_.OpenOwnFile(careerFolder_, PathFromUtf8(relative)));
}

const ChangeRecord& CareerTransaction::Record() const {
    Require(Phase::Entered, "Record");
    return record_;
}

Entered CareerTransaction::Enter() {
    Require(Phase::New, "Enter");
    phase_ = Phase::Closed;
    Entered entered;
    LockResult lock = ops_.LockFolder(careerFolder_);
    if (lock.state == LockState::Busy) {
        entered.entry = Entry::Busy;
        return entered;
    }
    lock_ = std::move(lock.lock);
    RecordRead read = ReadRecord(ops_, careerFolder_);
    if (!read.problem.empty()) {
        entered.entry = read.unreadable ? Entry::Unreadable : Entry::Refused;
        entered.problem = std::move(read.problem);
        return entered;
    }
    record_ = std::move(read.record);
    if (record_.state == RecordState::UnderWay) {
        for (const ReplacedFile& file : record_.change.files) {
            entered.cutOffHadNewFiles = entered.cutOffHadNewFiles || Own(file.path) != file.old;
        }
        entered.cutOff = PutBack(record_);
        if (*entered.cutOff != PutBackOutcome::Complete) {
            entered.entry = Entry::NotPutBack;
            return entered;
        }
    }
    RemoveLeftovers();
    phase_ = Phase::Entered;
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
            ops_.RemoveOwn(careerFolder_, PathFromUtf8(entry.name));
        }
    }
}

// Removed within the career: a patrol folder that is a link is not followed.
void CareerTransaction::RemoveSaveTemps(const std::string& patrolFolder) {
    const auto entries = ops_.List(careerFolder_ / PathFromUtf8(patrolFolder));
    if (!entries) {
        return;
    }
    for (const DirEntry& entry : *entries) {
        if (!entry.isDirectory && IsTempOfSave(entry.name, *entries)) {
            ops_.RemoveOwn(careerFolder_, PathFromUtf8(patrolFolder + "/" + entry.name));
        }
    }
}

// A temporary file a record names is removed only when it is one the
// program makes: its own name, or the temporary file of a save beside it.
void CareerTransaction::RemoveTemps(const std::vector<std::string>& temps) {
    for (const std::string& temp : temps) {
        if (IsOwnTempName(temp) || IsSaveTemp(temp)) {
            ops_.RemoveOwn(careerFolder_, PathFromUtf8(temp));
        }
    }
}

bool CareerTransaction::IsSaveTemp(const std::string& relative) {
    const std::size_t slash = relative.find('/');
    if (slash == std::string::npos) {
        return false;
    }
    const auto entries = ops_.List(careerFolder_ / PathFromUtf8(relative.substr(0, slash)));
    return entries && IsTempOfSave(std::string_view(relative).substr(slash + 1), *entries);
}

// By value: the record it is given may be the one it replaces.
PutBackOutcome CareerTransaction::PutBack(ChangeRecord underWay) {
    const RecordedChange& change = underWay.change;
    // First what each file holds; a file written since stops everything.
    std::vector<const ReplacedFile*> toPutBack;
    bool unreadable = false;
    for (const ReplacedFile& file : change.files) {
        const auto now = Own(file.path);
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
    // Then every kept content and every place, all before the first file is
    // put back: a put-back that cannot finish does not begin.
    for (const ReplacedFile* file : toPutBack) {
        if (Own(file->kept) != file->old) {
            return PutBackOutcome::KeptDamaged;
        }
    }
    for (const ReplacedFile* file : toPutBack) {
        const Replaceable why = ops_.CanReplace(careerFolder_, PathFromUtf8(file->path));
        if (why != Replaceable::Yes) {
            blocked_ = {file->path, why};
            return why == Replaceable::Held ? PutBackOutcome::Retry : PutBackOutcome::Blocked;
        }
    }
    PutBackOutcome outcome = unreadable ? PutBackOutcome::Retry : PutBackOutcome::Complete;
    for (const ReplacedFile* file : toPutBack) {
        if (!ops_.ReplaceOwn(careerFolder_, PathFromUtf8(file->kept), PathFromUtf8(file->path))) {
            outcome = PutBackOutcome::Retry;
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
                ops_.RemoveOwn(careerFolder_, PathFromUtf8(file.kept));
            }
        }
        RemoveTemps(change.temps);
    }
    return PutBackOutcome::Complete;
}

UndoReadiness CareerTransaction::CheckUndo() {
    Require(Phase::Entered, "CheckUndo");
    const RecordedChange& change = record_.change;
    const auto holds = [this](const std::string& path, const Content& content) -> UndoReadiness {
        auto input = ops_.OpenOwnFile(careerFolder_, PathFromUtf8(path));
        if (!input) {
            return {ops_.LastOpenFailure().cause == OpenFailureCause::Missing
                        ? UndoCheck::Gone
                        : UndoCheck::Unreadable,
                    {path, Replaceable::Yes}};
        }
        const auto now = ContentOf(std::move(input));
        return {!now ? UndoCheck::Unreadable
                     : (*now == content ? UndoCheck::Ready : UndoCheck::ChangedSince),
                {path, Replaceable::Yes}};
    };
    for (const ReplacedFile& file : change.files) {
        if (UndoReadiness check = holds(file.path, file.fresh); check.check != UndoCheck::Ready) {
            return check;
        }
    }
    for (const WatchedFile& file : change.watched) {
        if (UndoReadiness check = holds(file.path, file.content); check.check != UndoCheck::Ready) {
            return check;
        }
    }
    // Once the simulation has saved the patrol again, the save a selection
    // finds is another than the one the change wrote.
    for (const ReplacedFile& file : change.files) {
        const fs::path path = Absolute(file.path);
        if (file.path.find('/') != std::string::npos &&
            NewestSavePath(ops_, path.parent_path()) != path) {
            return {UndoCheck::ChangedSince, {}};
        }
    }
    for (const ReplacedFile& file : change.files) {
        if (Own(file.kept) != file.old) {
            return {UndoCheck::KeptDamaged, {}};
        }
    }
    // Every file must take its old content back, and the record its new
    // state, before the first one is put back.
    for (const ReplacedFile& file : change.files) {
        if (const Replaceable why = ops_.CanReplace(careerFolder_, PathFromUtf8(file.path));
            why != Replaceable::Yes) {
            return {UndoCheck::NotReplaceable, {file.path, why}};
        }
    }
    if (const Replaceable why = ops_.CanReplace(careerFolder_, PathFromUtf8(kRecordName));
        why != Replaceable::Yes) {
        return {UndoCheck::NotReplaceable, {std::string(kRecordName), why}};
    }
    return {};
}

void CareerTransaction::Begin(std::int64_t madeAt, const std::vector<fs::path>& temps) {
    Require(Phase::Entered, "Begin");
    phase_ = Phase::Begun;
    change_ = RecordedChange{};
    change_.madeAt = madeAt;
    for (const fs::path& temp : temps) {
        change_.temps.push_back(Relative(temp));
    }
}

void CareerTransaction::Watch(const fs::path& file, const Content& content) {
    Require(Phase::Begun, "Watch");
    change_.watched.push_back({Relative(file), content});
}

ReplaceResult CareerTransaction::Replace(const fs::path& file, const fs::path& temp,
                                         const Content& old, const Content& fresh) {
    Require(Phase::Begun, "Replace");
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
        return ReplaceResult::Failed;
    }
    const fs::path keptPath = careerFolder_ / PathFromUtf8(kept);
    ops_.RemoveOwn(careerFolder_, PathFromUtf8(kept));
    if (!Keep(ops_, file, keptPath)) {
        ops_.Remove(temp);
        return ReplaceResult::Failed;
    }
    underWay.change.files.push_back({Relative(file), kept, old, fresh});
    if (!WriteRecord(ops_, careerFolder_, underWay)) {
        ops_.RemoveOwn(careerFolder_, PathFromUtf8(kept));
        ops_.Remove(temp);
        return ReplaceResult::Failed;
    }
    record_ = underWay;
    change_ = underWay.change;
    const ReplaceResult result = Swap(file, temp, old);
    if (result == ReplaceResult::ChangedSince) {
        Forget(kept);
    }
    return result;
}

// The copy takes the file's place only while the file holds what was read.
// Swapped in one step, what came out is what the file held at that moment,
// and goes back when it is not what was read; where names cannot be
// swapped, the file is checked just before the rename, which leaves that
// one call open.
ReplaceResult CareerTransaction::Swap(const fs::path& file, const fs::path& temp,
                                      const Content& old) {
    switch (ops_.Exchange(temp, file)) {
        case ExchangeResult::Done:
            if (ContentOf(ops_, temp) == old) {
                tempLeft_ = !ops_.Remove(temp) || tempLeft_;
                return ReplaceResult::Replaced;
            }
            if (ops_.Exchange(temp, file) == ExchangeResult::Done || ops_.Replace(temp, file)) {
                ops_.Remove(temp);
                return ReplaceResult::ChangedSince;
            }
            // The other program's content lies under the temporary name; the
            // record still names the file, which is put back from its kept copy.
            return ReplaceResult::Failed;
        case ExchangeResult::Failed:
            ops_.Remove(temp);
            return ReplaceResult::Failed;
        case ExchangeResult::Unsupported:
            break;
    }
    if (ContentOf(ops_, file) != old) {
        ops_.Remove(temp);
        return ReplaceResult::ChangedSince;
    }
    if (!ops_.Replace(temp, file)) {
        ops_.Remove(temp);
        return ReplaceResult::Failed;
    }
    return ReplaceResult::Replaced;
}

// The last file recorded was left as the other program wrote it: the record
// no longer names it, so that putting the rest back does not stop at it.
void CareerTransaction::Forget(const fs::path& kept) {
    ChangeRecord before = record_;
    before.change.files.pop_back();
    if (before.change.files.empty()) {
        before = before.prior ? ChangeRecord{RecordState::Whole, *before.prior, std::nullopt}
                              : ChangeRecord{};
    }
    if (WriteRecord(ops_, careerFolder_, before)) {
        ops_.RemoveOwn(careerFolder_, kept);
        record_ = before;
        change_.files.pop_back();
    }
}

bool CareerTransaction::Commit() {
    Require(Phase::Begun, "Commit");
    if (!ReplacedAny()) {
        phase_ = Phase::Done;
        return true;
    }
    const ChangeRecord whole{RecordState::Whole, change_, std::nullopt};
    if (!WriteRecord(ops_, careerFolder_, whole)) {
        return false;
    }
    const std::set<std::string> stillNamed = KeptNamesOf(whole);
    for (const std::string& name : KeptNamesOf(record_)) {
        if (!stillNamed.contains(name)) {
            ops_.RemoveOwn(careerFolder_, PathFromUtf8(name));
        }
    }
    // A swap leaves the old content under the temporary name, and its
    // removal may have failed.
    if (tempLeft_) {
        RemoveTemps(change_.temps);
    }
    record_ = whole;
    phase_ = Phase::Done;
    return true;
}

PutBackOutcome CareerTransaction::RollBack() {
    Require(Phase::Begun, "RollBack");
    phase_ = Phase::Done;
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
    Require(Phase::Entered, "Undo");
    phase_ = Phase::Done;
    const ChangeRecord underWay{RecordState::UnderWay, record_.change, std::nullopt};
    if (record_.state != RecordState::Whole || !WriteRecord(ops_, careerFolder_, underWay)) {
        return std::nullopt;
    }
    record_ = underWay;
    return PutBack(record_);
}

}  // namespace kp
