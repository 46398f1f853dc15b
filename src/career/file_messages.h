// What the player is told about a career file that is not there: one table
// for the career read and for the writers that rewrite the same files.
#pragma once

#include <string_view>

namespace kp {

// The career files a message can name.
enum class CareerFileKind { NextPatrol, History, CareerSettings };

// Why the file was opened: to read the career when it is selected, or to
// rewrite it at "Make Changes". The two ask the player to look in different
// places, as the simulation's folder was named differently at each.
enum class FileTask { Read, Rewrite };

std::string_view MissingFileMessage(CareerFileKind file, FileTask task);

}  // namespace kp
