#include "apply/make_changes.h"

#include "apply/career_change.h"
#include "apply/grid_entry.h"
#include "apply/radar_code.h"
#include "apply/undo_changes.h"
#include "apply/writers.h"
#include "career/career_format.h"
#include "career/codes.h"
#include "career/file_names.h"
#include "grid/base_choice.h"

namespace kp {
namespace {

constexpr std::string_view kBadGrid = "Enter a proper patrol grid, eg ES32.";
constexpr std::string_view kBadDays = "Days in base must lie between 1 and 40.";
constexpr std::string_view kLeftAsItWas =
    "The change could not be made in full, so the career was left as it was.";
constexpr std::string_view kNotAllPutBack =
    "The change could not be made in full, and not every file could be put back yet; they are "
    "put back when the career is next selected.";

constexpr int kMinDaysInPort = 1;
constexpr int kMaxDaysInPort = 40;

const std::string kSaveQuestion =
    "Must not change valid Patrol Area when at sea!\nChange it anyway?";

bool DateKnown(const WorkingDate& date) {
    return date.day != -1 && date.month != -1 && date.year != -1;
}

// How a writer's file fared; the dialog closes after every end but Stopped,
// as it did when each file was replaced on its own.
enum class Step {
    Replaced,
    LeftAlone,  // the copy was refused (error mark, key count): the file is no part of the change
    Stopped,    // the file could not be opened or its temporary file created
    Failed,     // reading or writing failed, or the copy could not be put in place
};

// Shows the writer's messages as the copy is judged; the file is replaced under the change.
Step RunWriter(CareerChange& change, const Writer& writer, const PreparedFile& prepared,
               const ShowMessage& show) {
    switch (prepared.outcome) {
        case WriteOutcome::Ready:
            break;
        case WriteOutcome::Discarded:
            return Step::LeftAlone;
        case WriteOutcome::CannotOpen:
        case WriteOutcome::CannotCreateTemp:
            return Step::Stopped;
        case WriteOutcome::Failed:
        case WriteOutcome::Cancelled:
            return Step::Failed;
    }
    if (!change.Replace(writer.file, writer.temp, prepared.old, prepared.fresh)) {
        show(writer.messages.failed);
        return Step::Failed;
    }
    return Step::Replaced;
}

// Whatever was replaced gets its old content back, and the user hears of it.
void PutBack(CareerChange& change, const ShowMessage& show) {
    if (change.Empty()) {
        return;
    }
    show(std::string(change.PutBack() ? kLeftAsItWas : kNotAllPutBack));
}

// Once the simulation writes any of them, the change is no longer undone.
std::vector<std::filesystem::path> CareerFiles(FileOps& ops, const std::filesystem::path& folder) {
    return {FindEntry(ops, folder, kHistoryFile), FindEntry(ops, folder, kCareerSettingsFile),
            FindEntry(ops, folder, kNextPatrolFile)};
}

// The change is whole, or everything is put back and the user hears of it.
void Finish(CareerChange& change, const std::string& done, const ShowMessage& show) {
    if (change.Finish()) {
        show(done);
    } else {
        PutBack(change, show);
    }
}

ChangeEnd RewriteSave(FileOps& ops, const ChangeRequest& request, const ChangeDialogue& dialogue) {
    const auto confirm = [&dialogue] { return dialogue.ask(kSaveQuestion); };
    const Writer save =
        RewriteSavePatrolArea(ops, request.save, request.saveStem, request.grid, confirm);
    CareerChange change(ops, request.careerFolder, request.madeAt, {save.temp},
                        CareerFiles(ops, request.careerFolder));
    const PreparedFile prepared = PrepareTempFile(ops, save, dialogue.show);
    switch (RunWriter(change, save, prepared, dialogue.show)) {
        case Step::Replaced:
            Finish(change, save.messages.done, dialogue.show);
            return ChangeEnd::Close;
        case Step::Stopped:
            if (prepared.outcome == WriteOutcome::CannotOpen) {
                dialogue.show(save.messages.failed);
            }
            return ChangeEnd::Close;
        case Step::LeftAlone:
        case Step::Failed:
            // The save still holds its old content; its record goes.
            change.PutBack();
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
    ChangeResult result{.end = ChangeEnd::StayOpen, .hullIntegrity = request.hullIntegrity};
    const LockResult lock = ops.LockFolder(request.careerFolder);
    if (lock.state == LockState::Busy) {
        dialogue.show(std::string(kCareerBusy));
        return result;
    }
    // A change cut off earlier is put back before anything else is written.
    if (!PutRightUnderLock(ops, request.careerFolder, dialogue.show)) {
        return result;
    }
    if (request.seaStatus == SeaStatus::kAtSea) {
        result.end = RewriteSave(ops, request, dialogue);
        return result;
    }
    CareerChange change(ops, request.careerFolder, request.madeAt,
                        {FindEntry(ops, request.careerFolder, kHistoryTempFile),
                         FindEntry(ops, request.careerFolder, kSharedTempFile)},
                        CareerFiles(ops, request.careerFolder));

    // Every file the change needs must be there before the first one is touched.
    const bool tankerAtBase = request.tankerChoice != TankerChoice::kLandBase &&
                              request.seaStatus == SeaStatus::kAtBase &&
                              request.daysInPort == kDaysAtTanker;
    const std::pair<std::string_view, const WriterMessages*> needed[] = {
        {tankerAtBase ? kHistoryFile : std::string_view(), &kHistoryMessages},
        {request.autoRadarUpdate ? kCareerSettingsFile : std::string_view(), &kCareerMessages},
        {kNextPatrolFile, &kNextPatrolMessages},
    };
    for (const auto& [name, messages] : needed) {
        if (!name.empty() && !CanOpenForReading(ops, FindEntry(ops, request.careerFolder, name))) {
            dialogue.show(messages->missingFile);
            return result;
        }
    }

    // The radar code goes by the date before the move. A date the history
    // did not give whole is not moved and not written.
    const int radarCode = RadarUpgradeCode(
        request.boatClass, {request.lastPatrolEnd.year, request.lastPatrolEnd.month});
    WorkingDate moved = request.lastPatrolEnd;
    if (tankerAtBase) {
        ShiftReturnDate(moved, request.daysInPort, random);
    }
    const std::optional<WorkingDate> date =
        DateKnown(request.lastPatrolEnd) ? std::optional(moved) : std::nullopt;
    float hull = request.hullIntegrity;

    if (tankerAtBase) {
        const Writer history =
            RewritePatrolHistory(ops, request.careerFolder, request.grid, date, hull);
        const PreparedFile prepared = PrepareTempFile(ops, history, dialogue.show);
        hull = RaisedHull(hull, HitsOf(history, prepared, format::kHullIntegrityKey));
        result.hullIntegrity = hull;
        const Step step = RunWriter(change, history, prepared, dialogue.show);
        if (step == Step::Stopped || step == Step::Failed) {
            PutBack(change, dialogue.show);
            result.end = step == Step::Stopped ? ChangeEnd::StayOpen : ChangeEnd::Close;
            return result;
        }
    }

    if (request.autoRadarUpdate) {
        const Writer radar = UpgradeRadarDetectors(ops, request.careerFolder, radarCode);
        const PreparedFile prepared = PrepareTempFile(ops, radar, dialogue.show);
        const Step step = RunWriter(change, radar, prepared, dialogue.show);
        if (step == Step::Stopped || step == Step::Failed) {
            PutBack(change, dialogue.show);
            result.end = step == Step::Stopped ? ChangeEnd::StayOpen : ChangeEnd::Close;
            return result;
        }
    }

    const Writer next =
        RewriteNextPatrol(ops, request.careerFolder, request.grid, date, hull,
                          MediterraneanRuleHolds(request.enteredMed, request.start));
    const PreparedFile prepared = PrepareTempFile(ops, next, dialogue.show);
    switch (RunWriter(change, next, prepared, dialogue.show)) {
        case Step::Replaced:
            Finish(change, next.messages.done, dialogue.show);
            break;
        case Step::Stopped:
            PutBack(change, dialogue.show);
            return result;
        case Step::LeftAlone:
        case Step::Failed:
            PutBack(change, dialogue.show);
            break;
    }
    result.end = ChangeEnd::Close;
    return result;
}

}  // namespace kp
