// Whole scenario scripts played on the dialog model over a small
// configuration folder. Lines that would reach outside the scratch copy
// (folder, mtime, screenshot, config of another folder) are dropped.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "career_fixture.h"
#include "model_driver.h"
#include "scenario_runner.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Workspace() {
    static kp::ScratchFolder folder;
    static const bool ready = [] {
        const fs::path career = folder.Path() / "fixture" / "careers" / "Topp";
        kp::WriteFile(career / "patrols_0.cfg",
                      kp::Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nEndLocation=754\nSubType=1\n"
                               "SubVersion=1\nPatrolArea=NULL\nStartYear=1942\nStartMonth=9\n"
                               "StartDay=1\nNbDaysInBase=31\nHullIntegrity=100.0000\n"));
        kp::WriteFile(career / "patrols.cfg",
                      kp::Crlf("[INIT]\nPatrols=1\n[PATROL 000]\nPatrolArea=BF17\n"
                               "NbDaysInBase=31\nEndDay=25\nEndMonth=8\nEndYear=1942\n"));
        kp::WriteFile(career / "careers_0.cfg",
                      kp::Crlf("[INIT]\nCareers=0\n[CAREER 000]\nRadarWarningReceiverUpg=0\n"));
        kp::WriteFile(folder.Path() / "fixture" / "careers" / "Prien" / "1" / "a.psc",
                      kp::Crlf("PatrolArea=AN41\n"));
        return true;
    }();
    (void)ready;
    return folder.Path();
}

std::string Confined(const std::string& script) {
    std::istringstream in(script);
    std::string out;
    std::string line;
    while (std::getline(in, line)) {
        const std::string command = line.substr(0, line.find(' '));
        if (command == "folder" || command == "mtime" || command == "screenshot") {
            continue;
        }
        out += command == "config" ? std::string("config fixture") : line;
        out += '\n';
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path script = Workspace() / "input.scenario";
    {
        std::ofstream file(script, std::ios::binary | std::ios::trunc);
        file << Confined(std::string(reinterpret_cast<const char*>(data), size));
    }
    const auto driver = kp::MakeModelDriver();
    std::ostringstream transcript;
    const int status = kp::RunScenario(script, *driver, transcript);
    if (status != 0 && status != 2) {
        __builtin_trap();
    }
    return 0;
}
