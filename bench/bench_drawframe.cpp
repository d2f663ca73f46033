// The time of one full drawing of the largest mark of the rectangular, transom and other shapes
// (seven compartments) on the drawing window's picture: clear, frame, and a redraw of every
// compartment. Every change in the drawing window redraws this way, so it must stay well inside
// one screen frame (target: under 2 ms).
#include "drawing/DrawFrame.h"
#include "platform/ImageCanvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {
FrameRecord largestMark()
{
    FrameRecord m;
    m.Mark = "A";
    m.ShapeCode = "K;;2;S;D1;D2;D3;S2";
    m.Width = 3000;
    m.Height = 2000;
    m.FrameThickness = 60;
    m.MullionThickness = 70;
    m.TransomThickness = 50;
    const int sizes[7][2] = {{600, 500}, {700, 600}, {700, 600}, {670, 700}, {600, 1330}, {1470, 1230}, {670, 1130}};
    for (const auto &s : sizes) {
        CompartmentRecord c;
        c.ClearWidth = int16(s[0]);
        c.ClearHeight = int16(s[1]);
        m.Compartments.append(c);
    }
    return m;
}

void BM_DrawFrameAndCompartments(benchmark::State &run)
{
    ProjectState state;
    state.FrameRecords = {largestMark()};
    state.MarkCount = 1;
    ImageCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    for (auto _ : run) {
        canvas.cls();
        if (DrawFrame(tools, state, frame) != FrameDrawn::Drawn) run.SkipWithError("frame not drawn");
        for (const CompartmentRecord &c : state.FrameRecords[0].Compartments)
            tools.ClearBoxMm(c.PosX, c.PosY, c.PosX + c.ClearWidth, c.PosY + c.ClearHeight);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_DrawFrameAndCompartments)->Unit(benchmark::kMicrosecond);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
