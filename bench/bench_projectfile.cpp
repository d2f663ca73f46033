// Saving and loading a large project against a plain write and read of a file of the same size.
#include "model/PersonalFields.h"
#include "model/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
ProjectState largeProject()
{
    ProjectState s;
    for (int i = 0; i < 1000; ++i) {
        FrameRecord m;
        m.Mark = QString::number(i + 1);
        m.Description = "Kozijn voorgevel begane grond";
        m.CountDrawn = 2;
        m.Width = 2400;
        m.Height = 2600;
        m.ShapeCode = "K;;2;S;D1;D2;D3;S2";
        m.TimberType = "Meranti";
        m.Colour = "RAL 9010";
        m.FrameThickness = 67;
        m.FrameWidth = 114;
        m.Remark = "Opmerking bij dit merk";
        for (int j = 0; j < 7; ++j) {
            CompartmentRecord c;
            c.FillType = "RAAM";
            c.FillCode = "SU";
            c.ClearWidth = 700;
            c.ClearHeight = 1200;
            c.ScreenName = "Rolhor";
            c.Parts = {CompartmentPartRecord{0, 0, 350, 1200, "4L", 1, 2}, CompartmentPartRecord{350, 0, 350, 1200, "", 0, 0}};
            m.Compartments << c;
        }
        s.FrameRecords << m;
    }
    s.MarkCount = 1000;
    return s;
}

struct Folder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    Folder() { QDir::setCurrent(dir.path()); }
    ~Folder() { QDir::setCurrent(previous); }
};
}

static void SaveProject1000(benchmark::State &st)
{
    Folder folder;
    ProjectState s = largeProject();
    PersonalFieldsStore fields;
    qint64 bytes = 0;
    for (auto _ : st) {
        SaveProject(s, fields, false);
        bytes = QFile(s.ProjectFileName).size();
    }
    st.counters["bytes"] = double(bytes);
}
BENCHMARK(SaveProject1000)->Unit(benchmark::kMillisecond);

static void LoadProject1000(benchmark::State &st)
{
    Folder folder;
    ProjectState s = largeProject();
    PersonalFieldsStore fields;
    SaveProject(s, fields, false);
    for (auto _ : st) {
        ProjectState loaded;
        loaded.ProjectFileName = s.ProjectFileName;
        if (!LoadProject(loaded, fields) || loaded.MarkCount != 1000) st.SkipWithError("load failed");
    }
}
BENCHMARK(LoadProject1000)->Unit(benchmark::kMillisecond);

static QByteArray sameSize()
{
    ProjectState s = largeProject();
    PersonalFieldsStore fields;
    return ProjectFileBytes(s, fields);
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

BENCHMARK_MAIN();
