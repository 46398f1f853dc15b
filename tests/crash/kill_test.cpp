// Kills "Make Changes" at random instants while it rewrites three files of a
// career with a large history, and checks after every kill that each file is
// there with either its old or its new content, whole, and that once the
// career is selected again its files are all old or all new.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

#include "career_fixture.h"

namespace kp {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* const kFiles[] = {"patrols.cfg", "careers_0.cfg", "patrols_0.cfg"};

int Setting(const char* name, int otherwise) {
    const char* text = std::getenv(name);
    return text != nullptr ? std::atoi(text) : otherwise;
}

// About 10 KB a patrol; 2000 make 20 MB (KP_CRASH_PATROLS=5000 for 50 MB).
std::string LargeHistory() {
    const int patrols = Setting("KP_CRASH_PATROLS", 2000);
    std::string text = "[INIT]\r\nPatrols=" + std::to_string(patrols) + "\r\n";
    const std::string log(10000, 'x');
    for (int i = 0; i < patrols; ++i) {
        char header[32];
        std::snprintf(header, sizeof header, "[PATROL %03d]\r\n", i);
        text += header;
        text += "PatrolArea=BF17\r\nNbDaysInBase=31\r\nEndDay=25\r\nEndMonth=7\r\nEndYear=1943\r\n";
        text += "HullIntegrity=85.0000\r\nLog=" + log + "\r\n";
    }
    return text;
}

pid_t Spawn(const fs::path& cfg, const char* mode = nullptr) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        if (mode != nullptr) {
            execl(KP_CRASH_CHILD, KP_CRASH_CHILD, mode, cfg.c_str(), static_cast<char*>(nullptr));
        } else {
            execl(KP_CRASH_CHILD, KP_CRASH_CHILD, cfg.c_str(), static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    return pid;
}

// The record and the kept content of the undo point; while a change is
// under way the one before it keeps its own kept names.
// The undo point, and the lock file, which stays once made.
bool IsUndoPoint(const std::string& name) {
    return name == "KelmarPatrol.undo" || name == kLockFileName ||
           (name.size() == 18 && name.starts_with("KelmarPatrol.undo") && name[17] >= '1' &&
            name[17] <= '6');
}

int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

class CrashTest : public ::testing::Test {
  protected:
    fs::path Career() const { return cfg_.Path() / "careers" / "Topp"; }

    // Puts the old files back as new links to the masters: the program must
    // replace files, never write into them, so the masters stay intact.
    void Restore() {
        for (const auto& entry : fs::directory_iterator(Career())) {
            fs::remove(entry.path());
        }
        for (const char* name : kFiles) {
            fs::create_hard_link(masters_.Path() / name, Career() / name);
        }
    }

    ScratchFolder cfg_;
    ScratchFolder masters_;
};

TEST_F(CrashTest, EveryFileIsOldOrNewAfterAKill) {
    const std::string patrols = std::to_string(Setting("KP_CRASH_PATROLS", 2000));
    const std::string old[] = {
        LargeHistory(),
        Crlf("[INIT]\nCareers=0\n[CAREER 000]\nRadarWarningReceiverUpg=-1\n"),
        Crlf("[INIT]\nPatrols=" + patrols + "\n[PATROL " + patrols +
             "]\nEndLocation=754\nSubType=1\nSubVersion=1\n"
             "PatrolArea=NULL\nStartYear=1942\nStartMonth=8\nStartDay=1\nNbDaysInBase=31\n"
             "HullIntegrity=100.0000\nFlotilla=2\n"),
    };
    for (int i = 0; i < 3; ++i) {
        WriteFile(masters_.Path() / kFiles[i], old[i]);
    }
    fs::create_directories(Career());

    // A run to its end gives the new contents and how long a run takes.
    Restore();
    const auto start = Clock::now();
    ASSERT_EQ(Wait(Spawn(cfg_.Path())), 0);
    const auto runTime = Clock::now() - start;
    std::string fresh[3];
    for (int i = 0; i < 3; ++i) {
        fresh[i] = ReadFile(Career() / kFiles[i]);
        ASSERT_NE(fresh[i], old[i]) << kFiles[i];
    }

    std::mt19937 rng(20261207);
    std::uniform_int_distribution<long long> instant(
        0, std::chrono::duration_cast<std::chrono::microseconds>(runTime).count());
    int killedMidway = 0;
    const int iterations = Setting("KP_CRASH_ITERATIONS", 300);
    for (int n = 0; n < iterations; ++n) {
        Restore();
        const pid_t pid = Spawn(cfg_.Path());
        std::this_thread::sleep_for(std::chrono::microseconds(instant(rng)));
        kill(pid, SIGKILL);
        Wait(pid);

        int changed = 0;
        for (int i = 0; i < 3; ++i) {
            const std::string now = ReadFile(Career() / kFiles[i]);
            ASSERT_TRUE(fs::exists(Career() / kFiles[i])) << kFiles[i] << " lost, kill " << n;
            ASSERT_TRUE(now == old[i] || now == fresh[i])
                << kFiles[i] << " damaged by kill " << n << " (" << now.size() << " bytes)";
            changed += now == fresh[i] ? 1 : 0;
        }
        killedMidway += changed > 0 && changed < 3 ? 1 : 0;

        // The start that selects the career puts an interrupted change back.
        ASSERT_EQ(Wait(Spawn(cfg_.Path(), "--select")), 0) << "selection after kill " << n;
        int stillNew = 0;
        for (int i = 0; i < 3; ++i) {
            const std::string now = ReadFile(Career() / kFiles[i]);
            ASSERT_TRUE(now == old[i] || now == fresh[i]) << kFiles[i] << " after kill " << n;
            stillNew += now == fresh[i] ? 1 : 0;
        }
        ASSERT_TRUE(stillNew == 0 || stillNew == 3)
            << stillNew << " of 3 files new after the selection following kill " << n;
        for (const auto& entry : fs::directory_iterator(Career())) {
            const std::string name = entry.path().filename().string();
            ASSERT_TRUE(name == kFiles[0] || name == kFiles[1] || name == kFiles[2] ||
                        IsUndoPoint(name))
                << name << " left after the selection following kill " << n;
        }

        // Whatever the kill left, including a temporary file, a new run completes.
        ASSERT_EQ(Wait(Spawn(cfg_.Path())), 0) << "run after kill " << n;
        for (const auto& entry : fs::directory_iterator(Career())) {
            const std::string name = entry.path().filename().string();
            ASSERT_TRUE(name == kFiles[0] || name == kFiles[1] || name == kFiles[2] ||
                        IsUndoPoint(name))
                << name << " left after the run following kill " << n;
        }
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ReadFile(masters_.Path() / kFiles[i]), old[i]) << "written in place";
    }
    std::cout << "kills that left some files new and some old until the next selection: "
              << killedMidway << "\n";
}

}  // namespace
}  // namespace kp
