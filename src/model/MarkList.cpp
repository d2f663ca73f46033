#include "MarkList.h"

#include "MarkDefaults.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

namespace {
constexpr int MaxMarks = 32767;

// The character after c, where that is one a label can hold (printable, and in Windows-1252).
std::optional<QChar> nextCharacter(QChar c)
{
    const QChar next(char16_t(c.unicode() + 1));
    if (!next.isPrint() || next.isSpace()) return std::nullopt;
    if (fromCp1252(toCp1252(QString(next))) != QString(next)) return std::nullopt;
    return next;
}
}

int MarkList::find(const QString &label) const
{
    for (int i = 0; i < s.marksInUse(); ++i)
        if (s.FrameRecords[i].Mark == label) return i;
    return -1;
}

QString MarkList::currentLabel() const
{
    const FrameRecord *m = s.MarkCount > 0 ? s.currentMark() : nullptr;
    return m ? m->Mark : QString();
}

MarkListMessage newMarkQuestion(const QString &label)
{
    return {"Merk \"" + label + "\" niet gevonden.\r\n\r\nWilt u een nieuw merk aanmaken ?",
            MsgStyle::YesNo + MsgStyle::Question, "Nieuwe kozijn tekening"};
}

MarkListMessage deleteMarkQuestion(const QString &label)
{
    return {"Weet u zeker dat u merk \"" + label + "\" wilt verwijderen ?", MsgStyle::YesNo + MsgStyle::Exclamation,
            "Verwijderen van merk bevestigen"};
}

MarkListMessage noNextMarkMessage() { return {"Kan geen opvolgend merk aanmaken !", MsgStyle::Exclamation, ErrorTitle}; }

bool MarkList::answerNew(bool make, const QString &label)
{
    if (make && s.MarkCount < MaxMarks) {
        addNew(label);
        return true;
    }
    if (s.MarkCount > 0) s.CurrentMarkIndex = int16(s.marksInUse() - 1);
    return false;
}

void MarkList::addNew(const QString &label)
{
    s.NewShapePending = true;
    s.ProjectDirty = true;
    const int count = s.marksInUse();
    s.FrameRecords.resize(count);
    s.FrameRecords.append(newMark(s, label));
    s.CurrentMarkIndex = int16(count);
    s.MarkCount = int16(count + 1);
}

void MarkList::deleteCurrent()
{
    if (s.MarkCount <= 1) {
        s.FrameRecords = QList<FrameRecord>{FrameRecord()};
        s.CurrentMarkIndex = 0;
        s.MarkCount = 0;
    } else {
        const int index = s.CurrentMarkIndex;
        s.FrameRecords.resize(s.marksInUse());
        if (index >= 0 && index < s.FrameRecords.size()) s.FrameRecords.removeAt(index);
        s.MarkCount = int16(s.FrameRecords.size());
        if (s.CurrentMarkIndex >= s.MarkCount) s.CurrentMarkIndex = int16(s.MarkCount - 1);
    }
    s.ProjectDirty = true;
}

void MarkList::move(Move to)
{
    switch (to) {
    case Move::First: s.CurrentMarkIndex = 0; break;
    case Move::Previous:
        if (s.CurrentMarkIndex >= 1) --s.CurrentMarkIndex;
        break;
    case Move::Next:
        if (s.CurrentMarkIndex < s.MarkCount - 1) ++s.CurrentMarkIndex;
        break;
    case Move::Last: s.CurrentMarkIndex = int16(qMax(0, s.MarkCount - 1)); break;
    }
}

QString MarkList::nextFreeName(const QString &label) const
{
    QString next = NextMarkName(label);
    while (!next.isEmpty() && find(next) >= 0) next = NextMarkName(next);
    return next;
}

QString NextMarkName(const QString &label)
{
    if (label.isEmpty()) return "A";
    if (label == "9") return "10";
    if (label == "Z") return "AA";
    QString next = label;
    for (qsizetype i = next.size() - 1; i >= 0; --i) {
        const QChar c = next[i];
        if (c == '9' || c == 'Z') {
            if (i == 0) break; // the carry runs off the left end
            next[i] = c == '9' ? QChar('0') : QChar('A');
            continue;
        }
        if (const auto stepped = nextCharacter(c)) {
            next[i] = *stepped;
            return next;
        }
        break;
    }
    return {};
}
