// patrol-scenario [--window] SCRIPT: plays a scenario script on the editor and
// prints its transcript.
#include <cstring>
#include <iostream>

#include "model_driver.h"
#include "platform/path_text.h"
#include "scenario_runner.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#ifdef KP_WITH_WINDOW
#include "window_driver.h"
#endif
#ifdef KP_WITH_WIN32_WINDOW
#include "win32_driver.h"
#endif

int main(int argc, char** argv) {
    bool window = false;
    const char* script = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--window") == 0) {
            window = true;
        } else if (script == nullptr) {
            script = argv[i];
        } else {
            script = nullptr;
            break;
        }
    }
    if (script == nullptr) {
        std::cerr << "usage: patrol-scenario [--window] SCRIPT\n";
        return 2;
    }
#ifdef _WIN32
    // Transcripts are compared byte for byte: no "\r" before each "\n".
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::unique_ptr<kp::ScenarioDriver> driver;
    if (window) {
#if defined(KP_WITH_WINDOW)
        driver = kp::MakeWindowDriver(argc, argv);
#elif defined(KP_WITH_WIN32_WINDOW)
        driver = kp::MakeWin32Driver();
#else
        std::cout << "script error: this build has no window\n";
        return 2;
#endif
    } else {
        driver = kp::MakeModelDriver();
    }
    return kp::RunScenario(kp::PathFromUtf8(script), *driver, std::cout);
}
