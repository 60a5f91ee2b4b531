// How much longer the launcher takes over the largest files a game folder may
// hold (support/big_inputs.h) than over a normal game folder, on the offscreen
// backend: the start to a ready main window, the warehouse editor's catalogue
// reading, the quick-buy editor's opening. Both folders are the demo game's;
// the big one has the big files written over it. The two alternate, so that a
// machine that slows down during the run slows both. Prints the medians and
// their ratios, and how far the memory in use rose during a run at most;
// asserts nothing.
//
//     big_inputs_bench DEMO_GAME [runs]     (default 5 runs of each)
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/window_ids.h"
#include "support/big_inputs.h"
#include "support/journey.h"

namespace {

double nowMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Step {
    const char* name;
    // The main window's button that opens the window, and what the player
    // does there; 0: the start alone.
    ControlId opens;
    std::function<void(LauncherJourney&)> script;
};

// A figure of /proc/self/status, in MiB.
double statusMiB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key + ":"))
            return std::atof(line.c_str() + key.size() + 1) / 1024.0;
    }
    return 0;
}

double gPeakRise = 0;

// Milliseconds of one run over a fresh copy of `demo`, with the big files
// written over it when `big`.
double timeRun(const std::string& demo, bool big, const Step& step) {
    LauncherJourney journey;
    std::filesystem::copy(demo, journey.folder.path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    if (big) {
        bigInputs::write([&](const std::string& file, const std::string& bytes) {
            journey.folder.write(file, bytes);
        });
    }
    if (step.script)
        step.script(journey);
    journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
        if (step.opens != 0)
            user.click(step.opens);
        user.closeBox();
    });
    // Writing 5 there starts the peak of the memory in use (VmHWM) afresh.
    std::ofstream("/proc/self/clear_refs") << "5";
    double before = statusMiB("VmRSS");
    double start = nowMilliseconds();
    journey.run();
    double elapsed = nowMilliseconds() - start;
    gPeakRise = std::max(gPeakRise, statusMiB("VmHWM") - before);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: big_inputs_bench DEMO_GAME [runs]\n");
        return 2;
    }
    const std::string demo = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const Step steps[] = {
        {"start", 0, nullptr},
        {"warehouse reading", MainWindow::按钮2,
         [](LauncherJourney& journey) {
             journey.system.onWindow(WarehouseEditor::kId, [](OffscreenUser& user) {
                 user.advanceClock(3000);
                 user.closeBox();
             });
         }},
        {"quick-buy editor", MainWindow::按钮3, nullptr},
    };
    for (const Step& step : steps) {
        std::vector<double> normal;
        std::vector<double> big;
        for (int run = 0; run < runs; ++run) {
            normal.push_back(timeRun(demo, false, step));
            big.push_back(timeRun(demo, true, step));
        }
        std::printf("%-18s normal %8.1f ms, big %8.1f ms, ratio %6.1f (median of %d)\n", step.name,
                    median(normal), median(big), median(big) / median(normal), runs);
    }
    std::printf("memory in use rose during a run by at most %.1f MiB\n", gPeakRise);
    return 0;
}
