// What the player is told about a career file that cannot be opened: one
// table for the career read and for the writers that rewrite the same files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_ops.h"

namespace kp {

// The career files a message can name.
enum class CareerFileKind { NextPatrol, History, CareerSettings };

// Why the file was opened: to read the career when it is selected, or to
// rewrite it at "Make Changes". The Windows texts ask the player to look in
// different places, as the simulation's folder was named differently at each.
enum class FileTask { Read, Rewrite };

// Whose words tell of a missing file: Windows players are sent to the
// simulation's folder in their Documents, others are shown the career's
// folder that was looked in.
enum class MessagePlatform { Windows, Linux };

// The program speaks as its own platform does. The scenario runner and the
// tests may choose, so that a transcript reads alike wherever it is played.
MessagePlatform MessagesInUse();
void UseMessagesOf(MessagePlatform platform);

// The message for `file` of the career in `careerFolder`, which could not be
// opened for `failure`.
std::string CannotOpenMessage(CareerFileKind file, FileTask task,
                              const std::filesystem::path& careerFolder,
                              const OpenFailure& failure);

// The message for `file` of the career in `careerFolder`, which "Make
// Changes" may not replace for `why`, before anything was written; in the
// Windows words, the writer's own `windows`.
std::string NotReplaceableMessage(CareerFileKind file, Replaceable why,
                                  const std::filesystem::path& careerFolder,
                                  std::string_view windows);

// A writer's `windows` message when the temporary file `temp` beside the
// file it rewrites could not be made; elsewhere with that name and the
// system's `reason`.
std::string CannotMakeTempMessage(std::string_view windows, const std::filesystem::path& temp,
                                  std::string_view reason);

// The same for the `save` of a patrol at sea, whose folder is the patrol's.
std::string SaveNotReplaceableMessage(const std::filesystem::path& save, Replaceable why,
                                      std::string_view windows);

}  // namespace kp
