// The drawing file of a large project against a plain write of the same bytes.
#include "BenchSupport.h"

#include "drawing/DrawingExport.h"

#include <QFile>
#include <benchmark/benchmark.h>

static PersonalData someone()
{
    PersonalData d;
    d.CustomerNumber = "K123";
    d.Company = "Bouwbedrijf De Vries";
    d.Address = "Dorpsstraat 1";
    d.Town = "Zwolle";
    d.EMail = "info@devries.example";
    return d;
}

static void ExportDrawings1000(benchmark::State &st)
{
    Folder folder;
    ProjectState s = largeProject();
    s.Personal = someone();
    qint64 bytes = 0;
    for (auto _ : st) {
        if (!ExportDrawings(s).isEmpty()) st.SkipWithError("export failed");
        bytes = QFile(s.ProjectFileName).size();
    }
    st.counters["bytes"] = double(bytes);
}
BENCHMARK(ExportDrawings1000)->Unit(benchmark::kMillisecond);

// The text alone, without encoding or writing: what the formatting costs.
static void DrawingExportText1000(benchmark::State &st)
{
    ProjectState s = largeProject();
    s.Personal = someone();
    for (auto _ : st) benchmark::DoNotOptimize(drawingExportText(s));
}
BENCHMARK(DrawingExportText1000)->Unit(benchmark::kMillisecond);

static void PlainWriteSameBytes(benchmark::State &st)
{
    Folder folder;
    ProjectState s = largeProject();
    s.Personal = someone();
    ExportDrawings(s);
    QFile written(s.ProjectFileName);
    written.open(QIODevice::ReadOnly);
    const QByteArray bytes = written.readAll();
    for (auto _ : st) {
        QFile f("plain.bin");
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.close();
    }
    st.counters["bytes"] = double(bytes.size());
}
BENCHMARK(PlainWriteSameBytes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
