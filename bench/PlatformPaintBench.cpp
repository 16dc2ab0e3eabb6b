// Painting a whole 328 x 245 dialog with nine controls and twenty list rows:
// off-screen into the back store (headless), and to a real window (SDL,
// needs DISPLAY, e.g. under Xvfb). Also a partial repaint of one button.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "PlatformDialogFixture.h"
#include "platform/HeadlessHost.h"
#include "platform/SdlHost.h"

using namespace platform;

namespace {

void PaintWhole(benchmark::State& state, Host& host, benchfixture::MainLikeDialog& dialog) {
    for (auto _ : state) {
        dialog.Invalidate();
        host.PaintTopLevel(dialog);
    }
    benchmark::DoNotOptimize(dialog.BackStore()->PixelAt(10, 10));
}

void BM_PaintDialogOffScreen(benchmark::State& state) {
    HeadlessHost host;
    benchfixture::MainLikeDialog dialog;
    dialog.CreateModeless();
    host.Pump();
    PaintWhole(state, host, dialog);
}
BENCHMARK(BM_PaintDialogOffScreen)->Unit(benchmark::kMicrosecond);

void BM_PaintDialogToWindow(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY");
        return;
    }
    SdlHost host;
    if (!host.IsReady()) {
        state.SkipWithError("no video");
        return;
    }
    benchfixture::MainLikeDialog dialog;
    dialog.CreateModeless();
    host.ProcessPending();
    PaintWhole(state, host, dialog);
}
BENCHMARK(BM_PaintDialogToWindow)->Unit(benchmark::kMicrosecond);

void BM_RepaintOneButton(benchmark::State& state) {
    HeadlessHost host;
    benchfixture::MainLikeDialog dialog;
    dialog.CreateModeless();
    host.Pump();
    Window* button = dialog.FindChild(2108);
    for (auto _ : state) {
        button->Invalidate();
        host.PaintTopLevel(dialog);
    }
}
BENCHMARK(BM_RepaintOneButton)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
