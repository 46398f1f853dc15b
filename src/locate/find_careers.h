// Career discovery: the career folders of a configuration folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

// The names of the folders in the `careers` folder of `cfgFolder`, whatever
// its letter case, in the order a Windows file system lists them; none when
// there is no such folder or it cannot be read.
std::vector<std::string> FindCareers(FileOps& ops, const std::filesystem::path& cfgFolder);

}  // namespace kp
