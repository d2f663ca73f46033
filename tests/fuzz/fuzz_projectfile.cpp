// Feeds bytes to the project-file reader as the open command does, with the dialogs scripted.
// A refused file must leave the open project as it was and show one box; a loaded file must save
// and load back to the same records and the same bytes.
#include "model/ProjectFile.h"
#include "platform/ScriptedDialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
// Everything a load may change.
struct Observed {
    QList<FrameRecord> records, saved;
    int16 markCount = 0, current = 0;
    bool dirty = false;
    std::array<int16, 4> left{};
    std::array<int16, 5> widths{};
    std::array<int16, 6> right{};
    std::array<int16, 2> middle{};
    QStringList personal;
    bool operator==(const Observed &) const = default;
};

Observed observe(const ProjectState &s)
{
    QStringList personal;
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i) personal << s.Personal.field(i);
    return {s.FrameRecords, s.SavedFrameRecords, s.MarkCount, s.CurrentMarkIndex, s.ProjectDirty,
            s.ClearHeightsLeft, s.ClearWidths, s.ClearHeightsRight, s.ClearHeightsMiddle, personal};
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "project file: %s\n", what);
    std::abort();
}

bool writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The project that is open when the file is chosen: a refused file must leave it so.
void openProject(ScopedProject &p)
{
    FrameRecord old;
    old.Mark = "Z";
    old.Width = 900;
    old.Compartments = {CompartmentRecord{}};
    p->FrameRecords = {old, old};
    p->SavedFrameRecords = {old};
    p->MarkCount = 2;
    p->CurrentMarkIndex = 1;
    p->ProjectDirty = true;
    p->ClearWidths = {9, 9, 9, 9, 9};
    p->Personal.setField(3, "Oud bedrijf");
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Named by full path: libFuzzer reads its corpus relative to the current folder.
    static QTemporaryDir folder;
    static const QString in = folder.filePath("in.tof"), out = folder.filePath("out.tof");
    if (!writeFile(in, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)))) fail("cannot write the input");

    ScopedProject p;
    openProject(p);
    p->ProjectFileName = in;
    const Observed before = observe(p.state());
    ScriptedDialogs boxes;
    boxes.answer(MsgAnswer::OK);
    const bool loaded = LoadProject(p.state());
    if (!boxes.problems.isEmpty()) fail("more than one box");
    if (!loaded) {
        if (boxes.shown.size() != 1) fail("a refused file showed no box");
        if (!(observe(p.state()) == before)) fail("a refused file changed the open project");
        return 0;
    }
    if (!boxes.shown.isEmpty()) fail("a loaded file showed a box");
    if (p->MarkCount < 1 || p->MarkCount != p->FrameRecords.size() || p->CurrentMarkIndex != p->MarkCount - 1)
        fail("counts out of step with the records");
    if (!ProjectSaveProblem(p.state()).isEmpty()) fail("a loaded file cannot be saved");

    const QByteArray saved = ProjectFileBytes(p.state());
    if (!writeFile(out, saved)) fail("cannot write the saved file");
    ScopedProject again;
    again->ProjectFileName = out;
    ScriptedDialogs none;
    if (!LoadProject(again.state()) || !none.shown.isEmpty()) fail("a saved file does not load");
    if (!(observe(again.state()) == observe(p.state()))) fail("a saved file loads other records");
    if (ProjectFileBytes(again.state()) != saved) fail("a saved file saves other bytes");
    return 0;
}
