// "Make Changes" from the dialog: entries it refuses write nothing; and with
// one file operation failing, for every operation the command makes, no file
// may end up half written or lost, no temporary file may stay behind, the
// user must hear of every change that was not made, and once the career is
// selected again its files are all old or all new.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string_view>

#include "career_fixture.h"
#include "career_texts.h"
#include "dialog_fixture.h"
#include "faulty_file_ops.h"
#include "memory_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;  // name in the career folder -> bytes

const std::string kCareer = "Topp";

constexpr std::string_view kBadDays = "Days in base must lie between 1 and 40.";

struct Path {
    const char* name;
    Files (*career)();
    std::function<void(CKelmarPatrol2Dlg&)> choose;  // what the user does before "Make Changes"
    std::vector<std::string> rewritten;              // files the command rewrites
    std::string lastFile;                            // whose success says "Job Done."
};

// Writes the career's files, then opens the dialog on it and selects it.
void OpenOn(DialogFixture& session, const fs::path& cfg, const Files& files) {
    for (const auto& [name, bytes] : files) {
        WriteFile(cfg / "careers" / kCareer / name, bytes);
    }
    ASSERT_TRUE(session.Open(cfg, 7));
    session.Select(kCareer);
    EXPECT_TRUE(session.dlg.CareerLoaded());
}

// The career's files, without the undo point kept beside them.
Files ReadCareer(const fs::path& cfg) {
    Files files;
    const fs::path folder = cfg / "careers" / kCareer;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() &&
            !entry.path().filename().string().starts_with("KelmarPatrol.")) {
            files[entry.path().lexically_relative(folder).generic_string()] =
                ReadFile(entry.path());
        }
    }
    return files;
}

void RunPath(const Path& path) {
    // Once without faults: the new content, and how many operations the command makes.
    Files expectedNew;
    int operations = 0;
    {
        ScratchFolder cfg;
        FaultyFileOps counter(SystemFileOps());
        DialogFixture session(counter);
        OpenOn(session, cfg.Path(), path.career());
        path.choose(session.dlg);
        counter.FailAt(std::nullopt);
        session.dlg.OnOK();
        operations = counter.Count();
        expectedNew = ReadCareer(cfg.Path());
        ASSERT_EQ(session.controls.Messages().back(), "Job Done.");
        for (const std::string& name : path.rewritten) {
            ASSERT_NE(expectedNew[name], path.career()[name]) << name << " was not rewritten";
        }
    }
    ASSERT_GT(operations, 10);

    const Files old = path.career();
    for (int n = 1; n <= operations; ++n) {
        ScratchFolder cfg;
        FaultyFileOps faulty(SystemFileOps());
        DialogFixture session(faulty);
        OpenOn(session, cfg.Path(), old);
        path.choose(session.dlg);
        const auto before = static_cast<std::ptrdiff_t>(session.controls.Messages().size());
        faulty.FailAt(n);
        session.dlg.OnOK();
        const std::string failed = std::string(path.name) + ": " +
                                   FileOpName(faulty.Log().at(static_cast<std::size_t>(n - 1))) +
                                   " #" + std::to_string(n);

        const Files now = ReadCareer(cfg.Path());
        std::vector<std::string> names;
        for (const auto& [name, bytes] : now) {
            names.push_back(name);
        }
        std::vector<std::string> oldNames;
        for (const auto& [name, bytes] : old) {
            oldNames.push_back(name);
        }
        EXPECT_EQ(names, oldNames) << failed << ": a temporary file was left";

        bool anyUnchanged = false;
        for (const std::string& name : path.rewritten) {
            const std::string& bytes = now.at(name);
            EXPECT_TRUE(bytes == old.at(name) || bytes == expectedNew.at(name))
                << failed << ": " << name << " is neither old nor new";
            anyUnchanged = anyUnchanged || bytes == old.at(name);
        }
        const std::vector<std::string> shown(session.controls.Messages().begin() + before,
                                             session.controls.Messages().end());
        const bool jobDone = std::find(shown.begin(), shown.end(), "Job Done.") != shown.end();
        EXPECT_EQ(jobDone, now.at(path.lastFile) != old.at(path.lastFile)) << failed;
        if (anyUnchanged) {
            const bool reported = std::any_of(shown.begin(), shown.end(),
                                              [](const auto& text) { return text != "Job Done."; });
            EXPECT_TRUE(reported) << failed << ": a file was not rewritten and nobody said so";
        }

        // The next start that selects the career finds one change, whole or not made.
        DialogFixture next;
        OpenOn(next, cfg.Path(), {});
        const Files after = ReadCareer(cfg.Path());
        const auto allOf = [&](const Files& want) {
            return std::all_of(
                path.rewritten.begin(), path.rewritten.end(),
                [&](const std::string& name) { return after.at(name) == want.at(name); });
        };
        EXPECT_TRUE(allOf(old) || allOf(expectedNew))
            << failed << ": the career holds part of a change after the next start";
    }
}

TEST(MakeChangesFaults, TankerAtABase) {
    RunPath({"tanker",
             CareerAtBaseTexts,
             [](CKelmarPatrol2Dlg& dlg) { dlg.OnTankerMid(); },
             {"patrols.cfg", "careers_0.cfg", "patrols_0.cfg"},
             "patrols_0.cfg"});
}

TEST(MakeChangesFaults, LandBase) {
    RunPath({"land base",
             CareerAtBaseTexts,
             [](CKelmarPatrol2Dlg& dlg) { dlg.OnLandBase(); },
             {"careers_0.cfg", "patrols_0.cfg"},
             "patrols_0.cfg"});
}

TEST(MakeChangesFaults, AtSea) {
    RunPath({"at sea",
             CareerAtSeaTexts,
             [](CKelmarPatrol2Dlg& dlg) {
                 dlg.m_strGrid = "ES32";
                 dlg.UpdateData(false);
             },
             {"7/Save.psc"},
             "7/Save.psc"});
}

TEST(CheckEntries, TheDialogShowsTheRefusalAndWritesNothing) {
    MemoryFileOps files;
    files.Put("/cfg/careers/Hartmann/patrols_0.cfg", Crlf(NextPatrolText(kNextTarget, 1)));
    files.Put("/cfg/careers/Hartmann/patrols.cfg", Crlf(HistoryText(kLastPatrol, 1)));
    const auto before = files.Files();
    DialogFixture ui(files);
    ASSERT_TRUE(ui.Open("/cfg"));
    ui.Select("Hartmann");
    ui.controls.TypeGrid("ES32");
    ui.controls.SetFieldText(Field::DaysInPort, "41");
    ui.dlg.OnOK();
    EXPECT_EQ(ui.controls.Messages().back(), kBadDays);
    EXPECT_FALSE(ui.controls.Result());
    EXPECT_EQ(files.Files(), before);
}

}  // namespace
}  // namespace kp
