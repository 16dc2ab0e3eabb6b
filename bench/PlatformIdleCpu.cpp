// Processor time of an idle window: shows the benchmark dialog on the real
// host (needs DISPLAY), waits until it is up and painted, and then lets the
// loop wait for input for a few seconds,
// once without timers and once with a one-second timer running (as during
// a search countdown), then prints the process's CPU time for each.
//
//   bench_platform_idle [SECONDS]
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "PlatformDialogFixture.h"
#include "platform/SdlHost.h"

using namespace platform;

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class IdleDialog : public benchfixture::MainLikeDialog {
public:
    IdleDialog(int seconds, bool ticking) : seconds_(seconds), ticking_(ticking) {}
    int ticks = 0;
    // CPU time when the window was up and painted, and at the end.
    double cpuAtStart = 0;
    double cpuAtEnd = 0;

protected:
    bool OnInitDialog() override {
        MainLikeDialog::OnInitDialog();
        SetTimer(3, 500);
        return true;
    }
    void OnTimer(std::uintptr_t id) override {
        if (id == 3) {
            KillTimer(3);
            cpuAtStart = CpuSeconds();
            SetTimer(1, seconds_ * 1000);
            if (ticking_) SetTimer(2, 1000);
        }
        if (id == 1) {
            cpuAtEnd = CpuSeconds();
            EndDialog(IDOK);
        }
        if (id == 2) ++ticks;
    }

private:
    int seconds_;
    bool ticking_;
};

}  // namespace

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    SdlHost host;
    if (!host.IsReady()) {
        std::fprintf(stderr, "no display: %s\n", host.Error().c_str());
        return 1;
    }
    for (bool ticking : {false, true}) {
        IdleDialog dialog(seconds, ticking);
        dialog.DoModal();
        double used = dialog.cpuAtEnd - dialog.cpuAtStart;
        std::printf("idle %d s%s: %.1f ms CPU (%.3f %% of one core)\n", seconds,
                    ticking ? " with a 1 s timer" : "", used * 1000, used * 100 / seconds);
    }
    return 0;
}
