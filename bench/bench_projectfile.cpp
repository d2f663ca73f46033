// Saving and loading a large project against a plain write and read of a file of the same size.
#include "BenchSupport.h"

#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "platform/TextFile.h"

#include <QFile>
#include <benchmark/benchmark.h>

static void SaveProject1000(benchmark::State &st)
{
    Folder folder;
    ProjectState s = largeProject();
    qint64 bytes = 0;
    for (auto _ : st) {
        SaveProject(s, false);
        bytes = QFile(s.ProjectFileName).size();
    }
    st.counters["bytes"] = double(bytes);
}
BENCHMARK(SaveProject1000)->Unit(benchmark::kMillisecond);

static void LoadProject1000(benchmark::State &st)
{
    Folder folder;
    ProjectState s = largeProject();
    SaveProject(s, false);
    for (auto _ : st) {
        ProjectState loaded;
        loaded.ProjectFileName = s.ProjectFileName;
        if (!LoadProject(loaded) || loaded.MarkCount != 1000) st.SkipWithError("load failed");
    }
}
BENCHMARK(LoadProject1000)->Unit(benchmark::kMillisecond);

static QByteArray sameSize()
{
    ProjectState s = largeProject();
    return projectFileBytes(s);
}

static void PlainWriteSameSize(benchmark::State &st)
{
    Folder folder;
    const QByteArray bytes = sameSize();
    for (auto _ : st) {
        QFile f("plain.bin");
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.close();
    }
}
BENCHMARK(PlainWriteSameSize)->Unit(benchmark::kMillisecond);

static void writePlainFile()
{
    QFile f("plain.bin");
    f.open(QIODevice::WriteOnly);
    f.write(sameSize());
}

static void PlainReadSameSize(benchmark::State &st)
{
    Folder folder;
    writePlainFile();
    for (auto _ : st) {
        QFile f("plain.bin");
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}
BENCHMARK(PlainReadSameSize)->Unit(benchmark::kMillisecond);

// The yardstick: a plain copy of a file of the same size (read it, write it elsewhere).
static void PlainCopySameSize(benchmark::State &st)
{
    Folder folder;
    writePlainFile();
    for (auto _ : st) {
        QFile in("plain.bin");
        in.open(QIODevice::ReadOnly);
        QFile out("copy.bin");
        out.open(QIODevice::WriteOnly);
        out.write(in.readAll());
    }
}
BENCHMARK(PlainCopySameSize)->Unit(benchmark::kMillisecond);

// What a save owes to keeping the old file whole: the same bytes written to a temporary file,
// synced to disk and renamed over the old one, as every save does.
static void SafeWriteSameSize(benchmark::State &st)
{
    Folder folder;
    const QByteArray bytes = sameSize();
    for (auto _ : st)
        if (!writeBytes("safe.bin", bytes)) st.SkipWithError("write failed");
}
BENCHMARK(SafeWriteSameSize)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
