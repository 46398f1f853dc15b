// The Wine prefixes that the Lutris and Heroic launchers name in their own
// settings files, wherever the player put them. Read with Debian's YAML and
// JSON parsers, so only the Linux build, where these launchers run, has them.
#pragma once

#include <filesystem>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

// The `game: prefix:` of each Lutris game file (*.yml) in `gamesFolder`; a
// prefix written "~/..." is taken in `home`.
std::vector<std::filesystem::path> LutrisPrefixes(FileOps& ops,
                                                  const std::filesystem::path& gamesFolder,
                                                  const std::filesystem::path& home);

// The `winePrefix` of each game in each Heroic game settings file (*.json)
// in `gamesConfigFolder`.
std::vector<std::filesystem::path> HeroicPrefixes(FileOps& ops,
                                                  const std::filesystem::path& gamesConfigFolder,
                                                  const std::filesystem::path& home);

}  // namespace kp
