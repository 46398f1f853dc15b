// What the player is told of a career file that cannot be opened, on each
// platform and for each cause, when the career is selected and at "Make
// Changes": one table, played through the career read and the change.
#include <gtest/gtest.h>

#include "apply/apply_changes.h"
#include "career/career_read.h"
#include "career/file_messages.h"
#include "career_fixture.h"
#include "career_texts.h"
#include "change_request.h"
#include "memory_file_ops.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

const fs::path kCareer = "/cfg/careers/Topp";

// Every file a change at a tanker with the radar update needs; with
// `atSea`, the career is on its next patrol and its save is "7/Save.psc".
void PutCareer(MemoryFileOps& files, bool atSea) {
    if (atSea) {
        for (const auto& [path, bytes] : CareerAtSeaTexts()) {
            files.Put(kCareer / path, bytes);
        }
        return;
    }
    files.Put(kCareer / "patrols_0.cfg", Crlf(NextPatrolText(kNextTarget)));
    files.Put(kCareer / "patrols.cfg", Crlf(HistoryText(kLastPatrol)));
    files.Put(kCareer / "careers_0.cfg",
              Crlf("[INIT]\nCareers=0\n[CAREER 000]\nRadarWarningReceiverUpg=-1\n"));
}

// What the player is told when `file` cannot be opened for `cause`, or
// nothing: at selection (read) or at "Make Changes" after the career was
// read whole (rewrite), in which case nothing may be written. With
// `readOnly` the file opens, but it or its folder is read-only.
std::vector<std::string> Told(FileTask task, const char* file, OpenFailureCause cause,
                              Replaceable readOnly) {
    MemoryFileOps files;
    PutCareer(files, fs::path(file).extension() == ".psc");
    const auto refuse = [&] {
        if (readOnly != Replaceable::Yes) {
            files.MakeReadOnly(readOnly == Replaceable::ReadOnlyFile
                                   ? kCareer / file
                                   : (kCareer / file).parent_path());
        } else if (cause == OpenFailureCause::Missing) {
            files.Remove(kCareer / file);
        } else {
            files.Refuse(kCareer / file, {cause, "Input/output error"});
        }
    };
    if (task == FileTask::Read) {
        refuse();
        const CareerRead read = ReadCareer(files, kCareer);
        return read.failure ? std::vector{LoadFailureText(read)} : std::vector<std::string>{};
    }
    const CareerRead read = ReadCareer(files, kCareer);
    EXPECT_FALSE(read.failure);
    refuse();
    const auto before = files.Files();
    std::vector<std::string> shown;
    RandomSource random;
    const ChangeEnd end =
        ApplyChanges(files, random, RequestAfter(read, "ES32", TankerChoice::kNorth),
                     {[&](const std::string& text) { shown.push_back(text); },
                      [&](const std::string& question) {
                          shown.push_back(question);
                          return true;
                      }})
            .end;
    EXPECT_EQ(end, ChangeEnd::StayOpen);
    EXPECT_EQ(files.Files(), before) << "written although " << file << " could not be opened";
    return shown;
}

TEST(FileMessages, EachFileThatCannotBeOpenedIsToldByCauseAndPlatform) {
    using enum OpenFailureCause;
    const auto read = FileTask::Read;
    const auto rewrite = FileTask::Rewrite;
    // The patrol's folder in the system's separators, as the message names it.
    const std::string patrolFolderReadOnly =
        "The patrol's folder '" + Utf8FromPath(kCareer / "7") +
        "', or the disk it lies on, takes no changes, so your save file 'Save.psc' cannot be "
        "replaced and nothing was written.\nMake the folder writable (or the disk, where it is "
        "mounted read-only) and press Make Changes again.";
    const struct {
        FileTask task;
        const char* file;
        OpenFailureCause cause;
        const char* windows;
        const char* onLinux;  // null: as on Windows
        Replaceable readOnly = Replaceable::Yes;
    } cases[] = {
        {read, "patrols_0.cfg", Missing,
         "Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
         "Documents\\Kelmar\\Data\\cfg'.",
         "Cannot find your 'patrols_0.cfg' file.\nIt is not in the career's folder "
         "'/cfg/careers/Topp'."},
        {read, "patrols.cfg", Missing,
         "Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
         "Documents\\Kelmar\\Data\\cfg'.",
         "Cannot find your 'patrols.cfg' file.\nIt is not in the career's folder "
         "'/cfg/careers/Topp'."},
        {rewrite, "patrols.cfg", Missing,
         "Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
         "Documents\\Kelmar'.",
         "Cannot find your 'patrols.cfg' file.\nIt is not in the career's folder "
         "'/cfg/careers/Topp'."},
        {rewrite, "careers_0.cfg", Missing,
         "Cannot find your 'careers_0.cfg' file.\nYou MUST place this program in your folder 'My "
         "Documents\\Kelmar'.",
         "Cannot find your 'careers_0.cfg' file.\nIt is not in the career's folder "
         "'/cfg/careers/Topp'."},
        {rewrite, "patrols_0.cfg", Missing,
         "Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
         "Documents\\Kelmar'.",
         "Cannot find your 'patrols_0.cfg' file.\nIt is not in the career's folder "
         "'/cfg/careers/Topp'."},
        {read, "patrols_0.cfg", Held,
         "Another program is using your 'patrols_0.cfg' file, so it cannot be opened.\nClose the "
         "simulation and try again.",
         nullptr},
        {read, "patrols.cfg", Held,
         "Another program is using your 'patrols.cfg' file, so it cannot be opened.\nClose the "
         "simulation and try again.",
         nullptr},
        {rewrite, "patrols.cfg", Held,
         "Another program is using your 'patrols.cfg' file, so it cannot be opened.\nClose the "
         "simulation and try again.",
         nullptr},
        {rewrite, "careers_0.cfg", Held,
         "Another program is using your 'careers_0.cfg' file, so it cannot be opened.\nClose the "
         "simulation and try again.",
         nullptr},
        {rewrite, "patrols_0.cfg", Held,
         "Another program is using your 'patrols_0.cfg' file, so it cannot be opened.\nClose the "
         "simulation and try again.",
         nullptr},
        {read, "patrols_0.cfg", Denied,
         "Access to your 'patrols_0.cfg' file is denied, so it cannot be opened.\nCheck that your "
         "user account may read and change it, and try again.",
         nullptr},
        {read, "patrols.cfg", Denied,
         "Access to your 'patrols.cfg' file is denied, so it cannot be opened.\nCheck that your "
         "user account may read and change it, and try again.",
         nullptr},
        {rewrite, "patrols.cfg", Denied,
         "Access to your 'patrols.cfg' file is denied, so it cannot be opened.\nCheck that your "
         "user account may read and change it, and try again.",
         nullptr},
        {rewrite, "careers_0.cfg", Denied,
         "Access to your 'careers_0.cfg' file is denied, so it cannot be opened.\nCheck that your "
         "user account may read and change it, and try again.",
         nullptr},
        {rewrite, "patrols_0.cfg", Denied,
         "Access to your 'patrols_0.cfg' file is denied, so it cannot be opened.\nCheck that your "
         "user account may read and change it, and try again.",
         nullptr},
        {read, "patrols_0.cfg", Other,
         "Your 'patrols_0.cfg' file cannot be read: Input/output error.", nullptr},
        {rewrite, "careers_0.cfg", Other,
         "Your 'careers_0.cfg' file cannot be read: Input/output error.", nullptr},
        // It opens, but may not be replaced: said before anything is written.
        {rewrite, "patrols.cfg", Other, "Failed to write the new data to your 'patrols.cfg' file.",
         "Your 'patrols.cfg' file is read-only, so nothing was written.\nMake it writable (in "
         "its properties in the file manager, or with chmod u+w) and press Make Changes again.",
         Replaceable::ReadOnlyFile},
        {rewrite, "patrols_0.cfg", Other,
         "Failed to write the new data to your 'patrols_0.cfg' file.",
         "Your 'patrols_0.cfg' file is read-only, so nothing was written.\nMake it writable (in "
         "its properties in the file manager, or with chmod u+w) and press Make Changes again.",
         Replaceable::ReadOnlyFile},
        {rewrite, "patrols.cfg", Other, "Failed to write the new data to your 'patrols.cfg' file.",
         "The career's folder '/cfg/careers/Topp', or the disk it lies on, takes no changes, so "
         "your 'patrols.cfg' file cannot be replaced and nothing was written.\nMake the folder "
         "writable (or the disk, where it is mounted read-only) and press Make Changes again.",
         Replaceable::ReadOnlyFolder},
        // At sea, before the question about a valid area is asked in vain.
        {rewrite, "7/Save.psc", Other, "Failed to write the new data to your save file.",
         "Your save file 'Save.psc' is read-only, so nothing was written.\nMake it writable (in "
         "its properties in the file manager, or with chmod u+w) and press Make Changes again.",
         Replaceable::ReadOnlyFile},
        {rewrite, "7/Save.psc", Other, "Failed to write the new data to your save file.",
         patrolFolderReadOnly.c_str(), Replaceable::ReadOnlyFolder},
    };
    for (const auto& c : cases) {
        for (const MessagePlatform platform : {MessagePlatform::Windows, MessagePlatform::Linux}) {
            SCOPED_TRACE(std::string(c.task == read ? "read " : "rewrite ") + c.file + " on " +
                         (platform == MessagePlatform::Windows ? "Windows" : "Linux") + ", cause " +
                         std::to_string(static_cast<int>(c.cause)));
            const MessagesOf words(platform);
            const char* expected =
                platform == MessagePlatform::Linux && c.onLinux != nullptr ? c.onLinux : c.windows;
            EXPECT_EQ(Told(c.task, c.file, c.cause, c.readOnly),
                      std::vector<std::string>{expected});
        }
    }
}

// A temporary file that cannot be made beside the file (here a folder holds
// its name): on Linux named, with the system's reason; nothing is written.
TEST(FileMessages, ATemporaryFileThatCannotBeMadeIsNamedWithTheSystemsReason) {
    ScratchFolder cfg;
    const fs::path career = cfg.Path() / "Topp";
    for (const auto& [path, bytes] : CareerAtBaseTexts()) {
        WriteFile(career / path, bytes);
    }
    fs::create_directory(career / "patrols_TMP.cfg");
    const CareerRead read = ReadCareer(SystemFileOps(), career);
    ASSERT_FALSE(read.failure);
    for (const MessagePlatform platform : {MessagePlatform::Windows, MessagePlatform::Linux}) {
        const MessagesOf words(platform);
        std::vector<std::string> shown;
        RandomSource random;
        ApplyChanges(SystemFileOps(), random, RequestAfter(read, "ES32", TankerChoice::kLandBase),
                     {[&](const std::string& text) { shown.push_back(text); },
                      [](const std::string&) { return true; }});
        ASSERT_EQ(shown.size(), 1u);
        const std::string windows = "Failed to write the new data to your 'Careers_0.cfg' file.";
        if (platform == MessagePlatform::Windows) {
            EXPECT_EQ(shown[0], windows);
        } else {
            EXPECT_TRUE(shown[0].starts_with(
                "Failed to write the new data to your 'Careers_0.cfg' file: its temporary file "
                "'patrols_TMP.cfg' could not be made ("))
                << shown[0];
            EXPECT_TRUE(
                shown[0].ends_with(").\nCheck that the disk has room and that the folder "
                                   "may be written to, and press Make Changes again."))
                << shown[0];
        }
        EXPECT_EQ(ReadFile(career / "careers_0.cfg"), CareerAtBaseTexts().at("careers_0.cfg"));
    }
}

}  // namespace
}  // namespace kp
