#include "apply/apply_changes.h"

#include "apply/career_entry.h"
#include "apply/career_transaction.h"
#include "apply/grid_entry.h"
#include "apply/radar_code.h"
#include "apply/writers.h"
#include "career/career_format.h"
#include "career/codes.h"
#include "career/file_names.h"

namespace kp {
namespace {

constexpr std::string_view kBadGrid = "Enter a proper patrol grid, eg ES32.";
constexpr std::string_view kBadDays = "Days in base must lie between 1 and 40.";
constexpr std::string_view kChangedSinceRead =
    "The career's files have changed since it was selected, so nothing was written. Check what "
    "is shown now and press Make Changes again.";

constexpr int kMinDaysInPort = 1;
constexpr int kMaxDaysInPort = 40;

const std::string kSaveQuestion =
    "Must not change valid Patrol Area when at sea!\nChange it anyway?";

bool DateKnown(const WorkingDate& date) {
    return date.day != -1 && date.month != -1 && date.year != -1;
}

// How a writer's file fared.
enum class Step {
    Replaced,
    LeftAlone,  // the copy was refused (error mark, key count)
    Stopped,    // the file could not be opened or its temporary file created
    Failed,     // reading or writing failed, or the copy could not be put in place
    Stale,      // the file no longer holds what the selection read
};

// One run of "Make Changes" inside its transaction.
class ChangeRun {
  public:
    ChangeRun(FileOps& ops, const ChangeRequest& request, const ChangeDialogue& dialogue,
              CareerTransaction& transaction)
        : ops_(ops), request_(request), dialogue_(dialogue), transaction_(transaction) {}

    // Before anything is written: the patrol folder holds the saves the
    // selection found, to the part of a second, and every file the change
    // leaves alone or copies later holds what it read. The fingerprints of
    // the files left alone, taken here, are what Undo checks later.
    bool StillAsRead(const std::vector<const SeenFile*>& untouched,
                     const std::vector<const SeenFile*>& copiedLater = {}) {
        if (SavesIn(ops_, request_.seen.patrolFolder) != request_.seen.saves) {
            return false;
        }
        for (const SeenFile* file : copiedLater) {
            if (ContentOf(ops_, file->path) != file->content) {
                return false;
            }
        }
        for (const SeenFile* file : untouched) {
            const std::optional<Content> now = ContentOf(ops_, file->path);
            if (now != file->content) {
                return false;
            }
            if (now) {
                transaction_.Watch(file->path, *now);
            }
        }
        return true;
    }

    // Shows the writer's messages as the copy is judged; the file is
    // replaced only while it holds what the selection read.
    Step Run(const Writer& writer, const PreparedFile& prepared,
             const std::optional<Content>& seen) {
        switch (prepared.outcome) {
            case WriteOutcome::Ready:
                break;
            case WriteOutcome::Discarded:
                leftAlone_.push_back(writer.file);
                return Step::LeftAlone;
            case WriteOutcome::CannotOpen:
            case WriteOutcome::CannotCreateTemp:
                return Step::Stopped;
            case WriteOutcome::Failed:
            case WriteOutcome::Cancelled:
                return Step::Failed;
        }
        if (prepared.old != seen) {
            ops_.Remove(writer.temp);
            return Step::Stale;
        }
        switch (transaction_.Replace(writer.file, writer.temp, prepared.old, prepared.fresh)) {
            case ReplaceResult::Replaced:
                return Step::Replaced;
            case ReplaceResult::ChangedSince:
                return Step::Stale;
            case ReplaceResult::Failed:
                break;
        }
        dialogue_.show(writer.messages.failed);
        return Step::Failed;
    }

    // Whatever was replaced gets its old content back, and the user hears of it.
    void PutBack() {
        const bool replacedAny = transaction_.ReplacedAny();
        const PutBackOutcome outcome = transaction_.RollBack();
        if (replacedAny) {
            TellRollBack(outcome, transaction_.Blocked(), dialogue_.show);
        }
    }

    // The change is whole, or everything is put back and the user hears of it.
    void Commit(const std::string& done) {
        for (const std::filesystem::path& file : leftAlone_) {
            if (const auto content = ContentOf(ops_, file)) {
                transaction_.Watch(file, *content);
            }
        }
        if (transaction_.Commit()) {
            dialogue_.show(done);
        } else {
            PutBack();
        }
    }

    // Nothing of the change stays, and the career is to be read again.
    ChangeEnd Stale() {
        const bool replacedAny = transaction_.ReplacedAny();
        const PutBackOutcome outcome = transaction_.RollBack();
        if (outcome == PutBackOutcome::Complete) {
            dialogue_.show(std::string(kChangedSinceRead));
        } else if (replacedAny) {
            TellRollBack(outcome, transaction_.Blocked(), dialogue_.show);
        }
        return ChangeEnd::Reload;
    }

    // How the change ends when a writer before the last did not replace its
    // file; empty when the change goes on.
    std::optional<ChangeEnd> EndAfter(Step step, const Writer& writer) {
        switch (step) {
            case Step::Replaced:
                return std::nullopt;
            case Step::LeftAlone:
                if (writer.whenRefused == WhenRefused::GoOn) {
                    return std::nullopt;
                }
                PutBack();
                return ChangeEnd::Close;
            case Step::Stopped:
                PutBack();
                return ChangeEnd::StayOpen;
            case Step::Failed:
                PutBack();
                return ChangeEnd::Close;
            case Step::Stale:
                return Stale();
        }
        return ChangeEnd::Close;
    }

  private:
    FileOps& ops_;
    const ChangeRequest& request_;
    const ChangeDialogue& dialogue_;
    CareerTransaction& transaction_;
    std::vector<std::filesystem::path> leftAlone_;
};

ChangeEnd RewriteSave(FileOps& ops, const ChangeRequest& request, const ChangeDialogue& dialogue,
                      CareerTransaction& transaction) {
    const SeenFiles& seen = request.seen;
    const auto confirm = [&dialogue] { return dialogue.ask(kSaveQuestion); };
    const Writer save =
        RewriteSavePatrolArea(request.save->path, request.save->stem, request.grid, confirm);
    // Said before the question, which would be asked in vain.
    if (const Replaceable why =
            ops.CanReplace(seen.folder, save.file.lexically_relative(seen.folder));
        why != Replaceable::Yes) {
        dialogue.show(NotReplaceableText(save.messages, save.file, why));
        return ChangeEnd::StayOpen;
    }
    transaction.Begin(request.madeAt, {save.temp});
    ChangeRun run(ops, request, dialogue, transaction);
    if (!run.StillAsRead({&seen.history, &seen.settings, &seen.nextPatrol})) {
        return run.Stale();
    }
    const PreparedFile prepared = PrepareTempFile(ops, save, dialogue.show);
    switch (run.Run(save, prepared, request.save->content)) {
        case Step::Replaced:
            run.Commit(save.messages.done);
            return ChangeEnd::Close;
        case Step::Stopped:
            if (prepared.outcome == WriteOutcome::CannotOpen) {
                dialogue.show(save.messages.failed);
            }
            return ChangeEnd::Close;
        case Step::Stale:
            return run.Stale();
        case Step::LeftAlone:
        case Step::Failed:
            // Nothing was replaced: the undo point before stays as it was.
            run.PutBack();
            break;
    }
    return prepared.outcome == WriteOutcome::Cancelled ? ChangeEnd::StayOpen : ChangeEnd::Close;
}

}  // namespace

std::string_view CheckEntries(std::string& grid, int daysInPort) {
    if (!NormalizeGridEntry(grid)) {
        return kBadGrid;
    }
    if (daysInPort < kMinDaysInPort || daysInPort > kMaxDaysInPort) {
        return kBadDays;
    }
    DropLeadingZero(grid);
    return {};
}

ChangeResult ApplyChanges(FileOps& ops, RandomSource& random, const ChangeRequest& request,
                          const ChangeDialogue& dialogue) {
    ChangeResult result{.end = ChangeEnd::StayOpen};
    const SeenFiles& seen = request.seen;
    CareerTransaction transaction(ops, seen.folder);
    // A change cut off earlier is put back before anything else is written.
    if (!EnterTelling(transaction, EntryPurpose::Change, dialogue.show)) {
        return result;
    }
    if (request.seaStatus == SeaStatus::kAtSea && request.save) {
        result.end = RewriteSave(ops, request, dialogue, transaction);
        return result;
    }

    // Every file the change needs must be there, and may be replaced, before
    // the first one is touched.
    const bool tankerAtBase = request.base.AtTanker() && request.seaStatus == SeaStatus::kAtBase;
    const struct {
        const SeenFile* file;
        bool rewritten;
        const WriterMessages* messages;
    } files[] = {
        {&seen.history, tankerAtBase, &kHistoryMessages},
        {&seen.settings, request.autoRadarUpdate, &kCareerMessages},
        {&seen.nextPatrol, true, &kNextPatrolMessages},
    };
    std::vector<const SeenFile*> untouched;
    // The history's copy, made before any file is replaced, is its check.
    std::vector<const SeenFile*> copiedLater;
    for (const auto& [file, rewritten, messages] : files) {
        if (!rewritten) {
            untouched.push_back(file);
        } else if (!CanOpenForReading(ops, file->path)) {
            dialogue.show(CannotOpenText(*messages, file->path, ops.LastOpenFailure()));
            return result;
        } else if (const Replaceable why =
                       ops.CanReplace(seen.folder, file->path.lexically_relative(seen.folder));
                   why != Replaceable::Yes) {
            dialogue.show(NotReplaceableText(*messages, file->path, why));
            return result;
        } else if (file != &seen.history) {
            copiedLater.push_back(file);
        }
    }

    transaction.Begin(request.madeAt,
                      {seen.folder / kHistoryTempFile, seen.folder / kSharedTempFile});
    ChangeRun run(ops, request, dialogue, transaction);
    // Every file checked before the first is replaced: a change that finds
    // one changed writes nothing at all.
    if (!run.StillAsRead(untouched, copiedLater)) {
        result.end = run.Stale();
        return result;
    }

    // The radar code goes by the date before the move. A date the history
    // did not give whole is not moved and not written.
    const int radarCode = RadarUpgradeCode(
        request.gridClass, {request.lastPatrolEnd.year, request.lastPatrolEnd.month});
    WorkingDate moved = request.lastPatrolEnd;
    if (tankerAtBase) {
        ShiftReturnDate(moved, request.base.DaysInPort(), random);
    }
    const std::optional<WorkingDate> date =
        DateKnown(request.lastPatrolEnd) ? std::optional(moved) : std::nullopt;
    float hull = request.hullIntegrity;

    if (tankerAtBase) {
        const Writer history = RewritePatrolHistory(seen.history.path, request.grid, date, hull);
        const PreparedFile prepared = PrepareTempFile(ops, history, dialogue.show);
        hull = RaisedHull(hull, HitsOf(history, prepared, format::kHullIntegrityKey));
        const Step step = run.Run(history, prepared, seen.history.content);
        if (const auto end = run.EndAfter(step, history)) {
            result.end = *end;
            return result;
        }
    }

    if (request.autoRadarUpdate) {
        const Writer radar = UpgradeRadarDetectors(seen.settings.path, radarCode);
        const PreparedFile prepared = PrepareTempFile(ops, radar, dialogue.show);
        const Step step = run.Run(radar, prepared, seen.settings.content);
        if (const auto end = run.EndAfter(step, radar)) {
            result.end = *end;
            return result;
        }
    }

    const Writer next =
        RewriteNextPatrol(seen.nextPatrol.path, request.grid, date, hull,
                          MediterraneanRuleHolds(request.enteredMed, request.start));
    const PreparedFile prepared = PrepareTempFile(ops, next, dialogue.show);
    const Step step = run.Run(next, prepared, seen.nextPatrol.content);
    if (const auto end = run.EndAfter(step, next)) {
        result.end = *end;
        return result;
    }
    run.Commit(next.messages.done);
    result.end = ChangeEnd::Close;
    return result;
}

}  // namespace kp
