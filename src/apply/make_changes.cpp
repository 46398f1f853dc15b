#include "apply/make_changes.h"

#include <vector>

#include "apply/grid_entry.h"
#include "apply/radar_code.h"
#include "apply/writers.h"
#include "career/codes.h"
#include "grid/base_choice.h"

namespace kp {
namespace {

constexpr std::string_view kBadGrid = "Enter a proper patrol grid, eg ES32.";
constexpr std::string_view kBadDays = "Days in base must lie between 1 and 40.";

constexpr int kMinDaysInPort = 1;
constexpr int kMaxDaysInPort = 40;

const std::string kSaveQuestion =
    "Must not change valid Patrol Area when at sea!\nChange it anyway?";

// A writer's outcome that ends the command with the dialog open.
bool EndsCommand(WriteOutcome outcome) {
    return outcome == WriteOutcome::CannotOpen || outcome == WriteOutcome::CannotCreateTemp;
}

ChangeEnd RewriteSave(FileOps& ops, const ChangeRequest& request, const ChangeDialogue& dialogue) {
    const auto confirm = [&dialogue] { return dialogue.ask(kSaveQuestion); };
    const Writer save =
        RewriteSavePatrolArea(ops, request.save, request.saveStem, request.grid, confirm);
    const WriteOutcome outcome = RewriteThroughTempFile(ops, save, dialogue.show);
    if (outcome == WriteOutcome::Cancelled) {
        return ChangeEnd::StayOpen;
    }
    if (outcome == WriteOutcome::CannotOpen) {
        dialogue.show(save.messages.failed);
    }
    return ChangeEnd::Close;
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
    ChangeResult result{ChangeEnd::StayOpen, request.hullIntegrity};
    if (request.seaStatus == SeaStatus::kAtSea) {
        result.end = RewriteSave(ops, request, dialogue);
        return result;
    }

    const bool tankerAtBase = request.tankerChoice != TankerChoice::kLandBase &&
                              request.seaStatus == SeaStatus::kAtBase &&
                              request.daysInPort == kDaysAtTanker;
    WorkingDate date = request.lastPatrolEnd;
    const int radarCode = RadarUpgradeCode(request.boatClass, date.year, date.month);

    // In the order they run; every file must be there before the first is touched.
    std::vector<Writer> writers;
    if (tankerAtBase) {
        writers.push_back(RewritePatrolHistory(ops, request.careerFolder, request.grid, date,
                                               result.hullIntegrity));
    }
    if (request.autoRadarUpdate) {
        writers.push_back(UpgradeRadarDetectors(ops, request.careerFolder, radarCode));
    }
    writers.push_back(RewriteNextPatrol(
        ops, request.careerFolder, request.grid, date, result.hullIntegrity,
        MediterraneanRuleHolds(request.enteredMed, request.startYear, request.startMonth)));
    for (const Writer& writer : writers) {
        if (!CanOpenForReading(ops, writer.file)) {
            dialogue.show(writer.messages.missingFile);
            return result;
        }
    }
    if (tankerAtBase) {
        ShiftReturnDate(date, request.daysInPort, random);
    }
    for (const Writer& writer : writers) {
        if (EndsCommand(RewriteThroughTempFile(ops, writer, dialogue.show))) {
            return result;
        }
    }
    result.end = ChangeEnd::Close;
    return result;
}

}  // namespace kp
