// Selecting a career with a long history and a patrol folder full of saves.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "app/program_start.h"
#include "bench_files.h"
#include "career_fixture.h"
#include "memory_controls.h"
#include "ui/patrol_dialog.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

void BM_LoadCareer(benchmark::State& state) {
    const int patrols = static_cast<int>(state.range(0));
    const int saves = static_cast<int>(state.range(1));
    ScratchFolder cfg;
    const fs::path career = cfg.Path() / "careers" / "Topp";
    WriteFile(career / "patrols.cfg", bench::HistoryWithPatrols(patrols));
    WriteFile(
        career / "patrols_0.cfg",
        Crlf("[INIT]\nPatrols=" + std::to_string(patrols) + "\n[PATROL " + std::to_string(patrols) +
             "]\nEndLocation=754\nSubType=1\nSubVersion=1\nPatrolArea=NULL\n"
             "StartYear=1942\nStartMonth=9\n"));
    for (int i = 0; i < saves; ++i) {
        const fs::path save =
            career / std::to_string(patrols) / ("Save " + std::to_string(i) + ".psc");
        WriteFile(save, Crlf("[Save]\nPatrolArea=AN41\nPosition=55.1,-12.4\n"));
        fs::last_write_time(save, fs::file_time_type::clock::now() - std::chrono::hours(i));
    }
    MemoryControls controls;
    RandomSource random;
    CKelmarPatrol2Dlg dialog(SystemFileOps(), random);
    StartInConfigFolder(dialog, random, 1, SystemFileOps(), cfg.Path());
    dialog.Attach(controls);
    dialog.OnInitDialog();
    controls.SetListSelection(0);
    for (auto _ : state) {
        dialog.OnSelchangeCareerList();
    }
    if (dialog.m_strSeaStatus != "At Sea") {
        state.SkipWithError("the career did not load as at sea");
    }
}

BENCHMARK(BM_LoadCareer)->Args({300, 200})->Args({30, 5})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kp

BENCHMARK_MAIN();
