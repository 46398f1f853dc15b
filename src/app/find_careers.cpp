#include "app/find_careers.h"

#include "career/file_names.h"
#include "grid/base_choice.h"

namespace kp {

int FindCareers(CKelmarPatrol2Dlg& dlg, FileOps& ops, const std::filesystem::path& cfgFolder) {
    dlg.m_strGrid.clear();
    dlg.m_nDaysInPort = kDaysAtLandBase;
    dlg.m_nTankerChoice = TankerChoice::kLandBase;
    dlg.m_szCfgPath = Utf8FromPath(cfgFolder);

    auto entries = ops.List(FindEntry(ops, cfgFolder, kCareersFolder));
    if (!entries) {
        return 0;
    }
    SortInEnumerationOrder(*entries);
    int count = 0;
    for (const DirEntry& entry : *entries) {
        if (!entry.isDirectory) {
            continue;
        }
        dlg.m_strCareerNames[static_cast<std::size_t>(count)] = entry.name;
        if (++count == kMaxCareers) {
            break;
        }
    }
    dlg.m_nCareerCount = count;
    return count > 0 ? 1 : 0;
}

}  // namespace kp
