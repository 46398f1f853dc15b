#include "change_one_file.h"

#include <algorithm>

#include "apply/career_transaction.h"
#include "apply/change_record.h"

namespace kp {

WriteOutcome ChangeOneFile(FileOps& ops, const std::filesystem::path& careerFolder,
                           const Writer& writer, const ShowMessage& show) {
    CareerTransaction transaction(ops, careerFolder);
    if (transaction.Enter().entry != Entry::Ready) {
        return WriteOutcome::Failed;
    }
    transaction.Begin(0, {writer.temp});
    const PreparedFile prepared = PrepareTempFile(ops, writer, show);
    if (prepared.outcome != WriteOutcome::Ready) {
        return prepared.outcome;
    }
    if (transaction.Replace(writer.file, writer.temp, prepared.old, prepared.fresh) !=
            ReplaceResult::Replaced ||
        !transaction.Commit()) {
        return WriteOutcome::Failed;
    }
    return WriteOutcome::Ready;
}

std::vector<std::string> NamesBesideTheRecord(const std::filesystem::path& folder) {
    // The lock, the record and the kept content all begin with the record's name.
    const std::string own(kRecordName.substr(0, kRecordName.find('.') + 1));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        if (name.rfind(own, 0) != 0) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kp
