// Feeds bytes to the project-file parser as the open command hands it a file. A refused file must
// say why in one of the parser's words; a parsed file, once taken into a project, must save and
// parse back to the same records and the same bytes.
#include "MarkBuilder.h"
#include "model/ProjectFile.h"

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

// The project that is open when the file is chosen: a parsed file replaces all of it.
void openProject(ProjectState &s)
{
    const FrameRecord old = MarkBuilder("Z").size(900, 0).compartments(1);
    s.FrameRecords = {old, old};
    s.SavedFrameRecords = {old};
    s.MarkCount = 2;
    s.CurrentMarkIndex = 1;
    s.ProjectDirty = true;
    s.ClearWidths = {9, 9, 9, 9, 9};
    s.Personal.setField(3, "Oud bedrijf");
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ProjectFileRead read = parseProjectFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!read.contents) {
        if (read.problem != "Ongeldig bestandsformaat !"
            && read.problem != "Er zijn geen kozijntekeningen gevonden in dit bestand !")
            fail("a refused file gave no known reason");
        return 0;
    }
    if (!read.problem.isEmpty()) fail("a parsed file gave a reason");

    ProjectState p;
    openProject(p);
    takeProjectFile(p, std::move(*read.contents));
    if (p.MarkCount < 1 || p.MarkCount != p.FrameRecords.size() || p.CurrentMarkIndex != p.MarkCount - 1)
        fail("counts out of step with the records");
    if (p.ProjectDirty || p.SavedFrameRecords != p.FrameRecords) fail("a loaded project has changes to save");
    if (!projectSaveProblem(p).isEmpty()) fail("a loaded file cannot be saved");

    const QByteArray saved = projectFileBytes(p);
    ProjectFileRead again = parseProjectFile(saved);
    if (!again.contents) fail("a saved file does not load");
    ProjectState reloaded;
    takeProjectFile(reloaded, std::move(*again.contents));
    if (!(observe(reloaded) == observe(p))) fail("a saved file loads other records");
    if (projectFileBytes(reloaded) != saved) fail("a saved file saves other bytes");
    return 0;
}
