// Reading a career: the next patrol, the last patrol of the history, and the
// newest save of a patrol at sea, as the files hold them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "career/career_format.h"
#include "career/codes.h"
#include "career/content_hash.h"
#include "platform/file_ops.h"

namespace kp {

struct NextPatrol {
    int endLocation = -1;
    int subType = -1;
    int subVersion = -1;
    std::string patrolArea = "-1";  // whole, as the file has it
    int startYear = -1;
    int startMonth = -1;
};

struct LastPatrol {
    int endYear = -1;
    int endMonth = -1;
    int endDay = -1;
    float hullIntegrity = 100.0f;
    int count = 0;  // patrols in the history, which names the folder of the one at sea
};

struct NewestSave {
    std::filesystem::path path;
    std::filesystem::path stem;  // the path without ".psc"
    std::string patrolArea;      // the last one in the save, cut to a grid's length
    std::optional<Content> content;
};

// A file of the career as the selection found and read it: a change writes
// only over what the player saw.
struct SeenFile {
    std::filesystem::path path;      // found once, whatever its letter case
    std::optional<Content> content;  // empty where it could not be read whole
};

struct SeenFiles {
    std::filesystem::path folder;
    SeenFile history;
    SeenFile settings;
    SeenFile nextPatrol;
    std::filesystem::path patrolFolder;  // where the saves of a patrol at sea lie
    // Its saves with their full last-write times: a save written since, even
    // within the same second, is another set.
    std::optional<std::vector<DirEntry>> saves;
};

// A "No" file is one that could not be opened: not there, or held or locked away.
enum class LoadFailure { NoNextPatrolFile, BadNextPatrolFile, NoHistoryFile, BadHistoryFile };

// What was read, as far as the reading came: a failure in the next patrol
// leaves `last` and `save` as they start.
struct CareerRead {
    SeenFiles files;
    NextPatrol next;
    LastPatrol last;
    std::optional<NewestSave> save;  // only a patrol at sea has one
    std::optional<LoadFailure> failure;
    OpenFailure unopened;  // with a file that could not be opened: why
};

CareerRead ReadCareer(FileOps& ops, const std::filesystem::path& careerFolder);

// What a career read whole shows, by the boat and base tables and the rules
// that follow from them.
struct CareerFacts {
    BoatClass boatClass = BoatClass::kUnknown;
    std::string_view boatType;
    Theater theater = Theater::kUnknown;
    std::string_view baseName;
    std::string endDate;  // as EndDateText gives it
    // At sea with a save, else at the home base: the status a grid for a
    // next patrol without an area is drawn for.
    SeaStatus seaStatusForDraw = SeaStatus::kAtHomeBase;
    // The same, but at a base when the next patrol has no area yet.
    SeaStatus seaStatus = SeaStatus::kAtHomeBase;
    std::string area;  // the next patrol's, cut to a grid's length
};

CareerFacts DescribeCareer(const CareerRead& read);

// The save with the latest last-write time, the first in folder order on a
// tie; none when the folder holds no save.
std::optional<std::filesystem::path> NewestSavePath(FileOps& ops,
                                                    const std::filesystem::path& patrolFolder);

// The saves of a patrol folder in folder order; none when it cannot be listed.
std::optional<std::vector<DirEntry>> SavesIn(FileOps& ops,
                                             const std::filesystem::path& patrolFolder);

// The message for the read's failure; only for a read that failed.
std::string LoadFailureText(const CareerRead& read);

// "12 March 1942", with the day and the year left out where the file has none.
std::string EndDateText(int day, YearMonth monthOfYear);

}  // namespace kp
