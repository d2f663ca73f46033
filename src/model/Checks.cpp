#include "Checks.h"

#include "MailAddress.h"

namespace {
// Fields that are neither stored nor compared.
FrameRecord storedPart(FrameRecord r)
{
    r.IsComplete = false;
    r.StepWidthLeft = 0;
    r.StepWidthRight = 0;
    return r;
}
}

bool ProjectChanged(const ProjectState &state)
{
    const int count = state.marksInUse();
    if (count != state.SavedFrameRecords.size()) return true;
    for (int i = 0; i < count; ++i)
        if (!(storedPart(state.FrameRecords[i]) == storedPart(state.SavedFrameRecords[i]))) return true;
    return false;
}

int16 FirstEmptyCompartment(const ProjectState &state)
{
    const FrameRecord *mark = state.currentMark();
    if (!mark) return -1;
    for (qsizetype j = 0; j < mark->Compartments.size(); ++j)
        if (mark->Compartments[j].FillCode.isEmpty()) return int16(j);
    return -1;
}

QString CheckProject(const ProjectState &state)
{
    QString kept;
    const int count = state.marksInUse();
    for (int i = 0; i < count; ++i) {
        const FrameRecord &m = state.FrameRecords[i];
        if (m.CountDrawn <= 0) return "Aantal kozijnen onbekend bij merk " + m.Mark;
        if (m.Width <= 0) return "Kozijnbreedte onbekend bij merk " + m.Mark;
        if (m.Height <= 0) return "Kozijnhoogte onbekend bij merk " + m.Mark;
        if (m.ShapeCode.isEmpty()) return "Vorm kozijn onbekend bij merk " + m.Mark;
        if (m.Compartments.isEmpty()) return "Geen vakken bekend voor merk " + m.Mark;
        for (qsizetype j = 0; j < m.Compartments.size(); ++j) {
            if (m.Compartments[j].FillCode.isEmpty()) {
                // A later mark with an empty compartment takes over the message.
                kept = QString("Geen vakvulling opgegeven voor vak: %1 van merk ").arg(j + 1) + m.Mark;
                break;
            }
        }
    }
    return kept;
}

QString checkSend(const ProjectState &state)
{
    const PersonalData &personal = state.Personal;
    const QString problem = CheckProject(state);
    if (!problem.isEmpty()) return "De tekening(en) kunnen niet verzonden worden !\r\n\r\n" + problem;
    if (personal.EMail.trimmed().isEmpty()) return "U heeft uw e-mail adres niet ingevuld !";
    if (personal.MailServer.trimmed().isEmpty())
        return "U heeft geen uitgaande mailserver (smtp) opgegeven !\r\n\r\nRaadpleeg uw provider gegevens of kijk bij "
               "uw account gegevens in uw e-mail programma (Bijv. Outlook)";
    return {};
}

QString checkFrameSize(const ProjectState &state, FrameSize size, int value)
{
    if (value >= 2 * state.DefaultFrameThickness) return {};
    return size == FrameSize::Width ? "Ongeldige breedte opgegeven !" : "Ongeldige hoogte opgegeven !";
}

std::optional<FrameSizeProblem> checkSizesForShape(int width, int height)
{
    if (width == 0) return FrameSizeProblem{FrameSize::Width, "Ongeldige breedte van het kozijn !"};
    if (height == 0) return FrameSizeProblem{FrameSize::Height, "Ongeldige hoogte van het kozijn !"};
    return std::nullopt;
}

QString checkEMailField(const QString &text)
{
    // Blanks around the address are no fault: the mail takes them off.
    if (text.contains('.') && isPlainMailAddress(text.trimmed())) return {};
    return "Ongeldig e-mail adres !";
}
