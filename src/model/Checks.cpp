#include "Checks.h"

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

QString CheckSend(const ProjectState &state, const PersonalFields &personal)
{
    const QString problem = CheckProject(state);
    if (!problem.isEmpty()) return "De tekening(en) kunnen niet verzonden worden !\r\n\r\n" + problem;
    if (personal.personalField(EMailField).trimmed().isEmpty()) return "U heeft uw e-mail adres niet ingevuld !";
    if (personal.personalField(MailServerField).trimmed().isEmpty())
        return "U heeft geen uitgaande mailserver (smtp) opgegeven !\r\n\r\nRaadpleeg uw provider gegevens of kijk bij "
               "uw account gegevens in uw e-mail programma (Bijv. Outlook)";
    return {};
}
