#include "ProjectFile.h"

#include "ClearSizes.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cstring>
#include <algorithm>
#include <limits>

QByteArray ScrambleLine(const QByteArray &bytes)
{
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = char(~static_cast<unsigned char>(bytes[i]));
    return out;
}

QString ScrambleLine(const QString &text) { return fromCp1252(ScrambleLine(toCp1252(text))); }

QString DateStampedName(const QString &extension) { return Now().toString("yyMMdd-HHmm") + extension; }

namespace {
inline char complement(char c) { return char(~static_cast<unsigned char>(c)); }

// Writes scrambled lines straight into one buffer.
class LineWriter {
public:
    LineWriter() : out(1 << 16, Qt::Uninitialized), at(out.data()) {}
    void text(const QString &value)
    {
        char *d = room(value.size() + 2);
        char previous = 0;
        const QChar *c = value.constData();
        const QChar *const last = c + value.size();
        for (; c != last; ++c) {
            char b;
            const char16_t u = c->unicode();
            if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
                b = char(u);
            } else {
                if (c->isHighSurrogate() && c + 1 != last && c[1].isLowSurrogate()) ++c; // one character, one "?"
                b = encodeCp1252(u);
            }
            // "ò" scrambles to CR and "õ" to LF: together they would end the line early.
            if (b == char(0xF5) && previous == char(0xF2)) b = '?';
            previous = b;
            *d++ = complement(b);
        }
        end(d);
    }
    void number(int value)
    {
        char *d = room(8);
        char digits[8];
        const char *const stop = std::to_chars(digits, digits + sizeof digits, value).ptr;
        for (const char *c = digits; c != stop; ++c) *d++ = complement(*c);
        end(d);
    }
    void flag(bool value) { number(value ? -1 : 0); }
    QByteArray bytes()
    {
        out.truncate(at - out.constData());
        return out;
    }

private:
    // Room for `n` more bytes at the write position.
    char *room(qsizetype n)
    {
        const qsizetype used = at - out.constData();
        if (used + n > out.size()) {
            out.resize(std::max(out.size() * 2, used + n));
            at = out.data() + used;
        }
        return at;
    }
    void end(char *d)
    {
        *d++ = '\r';
        *d++ = '\n';
        at = d;
    }

    QByteArray out;
    char *at;
};

// Reads the lines one after the other; only a plain CR LF ends a line.
class LineReader {
public:
    explicit LineReader(const QByteArray &bytes) : at(bytes.constData()), stop(at + bytes.size()) {}
    // Every line but the last takes at least its CR LF: no more lines than this can follow.
    qsizetype linesLeftAtMost() const { return (stop - at + 1) / 2; }
    bool text(QString &value)
    {
        const char *from, *to;
        if (!take(from, to) || to - from > ProjectFileLimit) return false;
        const qsizetype n = to - from;
        if (n == 0) {
            value = QString();
            return true;
        }
        // The same short values come back on many lines ("RAAM", "Meranti"): they share one string.
        Interned *slot = nullptr;
        if (n <= Interned::Size) {
            slot = &interned[hash(from, n) % interned.size()];
            if (slot->size == n && std::memcmp(slot->raw, from, size_t(n)) == 0) {
                value = slot->text;
                return true;
            }
        }
        value = QString(n, Qt::Uninitialized);
        QChar *d = value.data();
        for (const char *c = from; c != to; ++c) *d++ = decodeCp1252(static_cast<unsigned char>(~*c));
        if (slot) {
            slot->size = n;
            std::memcpy(slot->raw, from, size_t(n));
            slot->text = value;
        }
        return true;
    }
    // An integer: optional blanks, an optional sign, decimal digits, optional blanks.
    bool number(int16 &value)
    {
        const char *from, *to;
        if (!take(from, to)) return false;
        const char blank = complement(' ');
        while (from < to && *from == blank) ++from;
        while (to > from && to[-1] == blank) --to;
        bool negative = false;
        if (from < to && (*from == complement('-') || *from == complement('+'))) negative = *from++ == complement('-');
        if (from == to) return false;
        int v = 0;
        for (; from != to; ++from) {
            const int digit = static_cast<unsigned char>(~*from) - '0';
            if (digit < 0 || digit > 9) return false;
            v = v * 10 + digit;
            if (v > 32768) return false; // leading zeros are allowed, a value out of range is not
        }
        if (negative) v = -v;
        if (!fitsInt16(v)) return false;
        value = int16(v);
        return true;
    }
    bool flag(bool &value)
    {
        int16 v = 0;
        if (!number(v)) return false;
        value = v != 0;
        return true;
    }
    // A count line holds the highest index; -1 for none. Each element needs at least `linesEach` lines.
    bool count(int &elements, int linesEach)
    {
        int16 highest = 0;
        if (!number(highest) || highest < -1) return false;
        elements = highest + 1;
        if (elements > ProjectFileLimit) return false;
        return qint64(elements) * linesEach <= linesLeftAtMost();
    }

private:
    bool take(const char *&from, const char *&to)
    {
        if (at == stop) return false;
        from = at;
        const char *c = at;
        while (c + 1 < stop && !(c[0] == '\r' && c[1] == '\n')) ++c;
        if (c + 1 < stop) {
            to = c;
            at = c + 2;
        } else {
            to = stop; // a last line without its line end
            at = stop;
        }
        return true;
    }
    static size_t hash(const char *p, qsizetype n)
    {
        size_t h = 2166136261u;
        for (qsizetype i = 0; i < n; ++i) h = (h ^ static_cast<unsigned char>(p[i])) * 16777619u;
        return h;
    }

    struct Interned {
        static constexpr qsizetype Size = 32;
        qsizetype size = -1;
        char raw[Size];
        QString text;
    };
    std::array<Interned, 64> interned;
    const char *at;
    const char *stop;
};

constexpr int PartLines = 7;
constexpr int CompartmentLines = 14;
constexpr int MarkLines = 19 + 17;

void writeClearSizes(LineWriter &w, const ClearSizeSet &s)
{
    for (int r = 0; r < ClearSizeSet::RowCount; ++r)
        for (int16 v : s.row(r)) w.number(v);
}

template <std::size_t N> bool readArray(LineReader &r, std::array<int16, N> &a)
{
    for (int16 &v : a)
        if (!r.number(v)) return false;
    return true;
}

struct ParsedProject {
    QString personal[LastPersonalField + 1];
    QList<FrameRecord> marks;
    ProjectState clear; // only the four clear-size arrays are used
};

enum class ParseResult { Ok, Invalid, NoMarks };

bool readPart(LineReader &r, CompartmentPartRecord &p)
{
    return r.number(p.PartX) && r.number(p.PartY) && r.number(p.PartWidth) && r.number(p.PartHeight)
           && r.text(p.GrilleCode) && r.number(p.BarsHorizontal) && r.number(p.BarsVertical);
}

bool readCompartment(LineReader &r, CompartmentRecord &c)
{
    int parts = 0;
    if (!(r.text(c.FillType) && r.text(c.FillCode) && r.flag(c.OpensInward) && r.number(c.Direction)
          && r.number(c.BreastWallHeight) && r.flag(c.AppliedBars) && r.number(c.PosX) && r.number(c.PosY)
          && r.number(c.ClearWidth) && r.number(c.ClearHeight) && r.text(c.ExtraText) && r.flag(c.ToughenedGlass)
          && r.text(c.ScreenName) && r.count(parts, PartLines)))
        return false;
    c.Parts.resize(parts);
    for (CompartmentPartRecord &p : c.Parts)
        if (!readPart(r, p)) return false;
    return true;
}

bool readMark(LineReader &r, FrameRecord &m, ProjectState &clear)
{
    int compartments = 0;
    if (!(r.text(m.Mark) && r.text(m.Description) && r.number(m.CountDrawn) && r.number(m.CountMirrored)
          && r.number(m.Width) && r.number(m.Height) && r.text(m.Sill) && r.flag(m.ResistanceClass2)
          && r.text(m.ShapeCode) && r.text(m.Colour) && r.text(m.CavityBatten) && r.text(m.TimberType)
          && r.number(m.FrameThickness) && r.number(m.FrameWidth) && r.number(m.MullionThickness)
          && r.number(m.TransomThickness) && r.number(m.UpperSectionHeight) && r.text(m.Remark)
          && r.count(compartments, CompartmentLines)))
        return false;
    m.Compartments.resize(compartments);
    for (CompartmentRecord &c : m.Compartments)
        if (!readCompartment(r, c)) return false;
    m.CompartmentsCode = m.ShapeCode;
    ClearSizeSet own;
    if (!(readArray(r, own.Left) && readArray(r, own.Widths) && readArray(r, own.Right) && readArray(r, own.Middle)))
        return false;
    m.ClearSizes = own;
    SetProjectClearSizes(clear, own); // the last mark's stay project-wide
    return true;
}

ParseResult parse(const QByteArray &bytes, ParsedProject &out)
{
    LineReader r(bytes);
    QString magic;
    if (!r.text(magic) || magic != ProjectMagic) return ParseResult::Invalid;
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i)
        if (!r.text(out.personal[i])) return ParseResult::Invalid;
    int16 highest = 0;
    if (!r.number(highest)) return ParseResult::Invalid;
    if (highest == -1) return ParseResult::NoMarks;
    if (highest < -1 || highest + 1 > ProjectFileLimit || qint64(highest + 1) * MarkLines > r.linesLeftAtMost())
        return ParseResult::Invalid;
    out.marks.resize(highest + 1);
    for (FrameRecord &m : out.marks)
        if (!readMark(r, m, out.clear)) return ParseResult::Invalid;
    return ParseResult::Ok;
}
}

namespace {
// More characters than a line may hold, counted as the file stores them: a character outside the
// BMP is one "?".
bool tooLong(const QString &text)
{
    if (text.size() <= ProjectFileLimit) return false;
    qsizetype n = text.size();
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate()) --n;
    return n > ProjectFileLimit;
}

bool tooLong(std::initializer_list<const QString *> texts)
{
    return std::any_of(texts.begin(), texts.end(), [](const QString *t) { return tooLong(*t); });
}
}

QString ProjectSaveProblem(const ProjectState &state)
{
    const QString limit = QString::number(ProjectFileLimit);
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i)
        if (tooLong(state.Personal.field(i))) return "Een van uw persoonlijke gegevens is langer dan " + limit + " tekens.";
    // The words are only put together for the one thing found.
    auto label = [](const FrameRecord &m) { return "\"" + m.Mark.left(40) + "\""; }; // a label over the limit is cut
    auto compartment = [&](const FrameRecord &m, qsizetype j) {
        return "Vak " + QString::number(j + 1) + " van merk " + label(m);
    };
    const QString longText = " heeft een tekst van meer dan " + limit + " tekens.";
    for (int i = 0; i < state.marksInUse(); ++i) {
        const FrameRecord &m = state.FrameRecords[i];
        if (tooLong({&m.Mark, &m.Description, &m.Sill, &m.ShapeCode, &m.Colour, &m.CavityBatten, &m.TimberType, &m.Remark}))
            return "Merk " + label(m) + longText;
        if (m.Compartments.size() > ProjectFileLimit) return "Merk " + label(m) + " heeft meer dan " + limit + " vakken.";
        for (qsizetype j = 0; j < m.Compartments.size(); ++j) {
            const CompartmentRecord &c = m.Compartments[j];
            if (tooLong({&c.FillType, &c.FillCode, &c.ExtraText, &c.ScreenName})) return compartment(m, j) + longText;
            if (c.Parts.size() > ProjectFileLimit) return compartment(m, j) + " heeft meer dan " + limit + " delen.";
            for (const CompartmentPartRecord &p : c.Parts)
                if (tooLong(p.GrilleCode)) return compartment(m, j) + longText;
        }
    }
    return {};
}

QByteArray ProjectFileBytes(const ProjectState &state)
{
    LineWriter w;
    w.text(ProjectMagic);
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i) w.text(state.Personal.field(i));
    const int count = state.marksInUse();
    w.number(count - 1);
    for (int i = 0; i < count; ++i) {
        const FrameRecord &m = state.FrameRecords[i];
        w.text(m.Mark);
        w.text(m.Description);
        w.number(m.CountDrawn);
        w.number(m.CountMirrored);
        w.number(m.Width);
        w.number(m.Height);
        w.text(m.Sill);
        w.flag(m.ResistanceClass2);
        w.text(m.ShapeCode);
        w.text(m.Colour);
        w.text(m.CavityBatten);
        w.text(m.TimberType);
        w.number(m.FrameThickness);
        w.number(m.FrameWidth);
        w.number(m.MullionThickness);
        w.number(m.TransomThickness);
        w.number(m.UpperSectionHeight);
        w.text(m.Remark);
        w.number(int(m.Compartments.size()) - 1);
        for (const CompartmentRecord &c : m.Compartments) {
            w.text(c.FillType);
            w.text(c.FillCode);
            w.flag(c.OpensInward);
            w.number(c.Direction);
            w.number(c.BreastWallHeight);
            w.flag(c.AppliedBars);
            w.number(c.PosX);
            w.number(c.PosY);
            w.number(c.ClearWidth);
            w.number(c.ClearHeight);
            w.text(c.ExtraText);
            w.flag(c.ToughenedGlass);
            w.text(c.ScreenName);
            w.number(int(c.Parts.size()) - 1);
            for (const CompartmentPartRecord &p : c.Parts) {
                w.number(p.PartX);
                w.number(p.PartY);
                w.number(p.PartWidth);
                w.number(p.PartHeight);
                w.text(p.GrilleCode);
                w.number(p.BarsHorizontal);
                w.number(p.BarsVertical);
            }
        }
        writeClearSizes(w, m.ClearSizes ? *m.ClearSizes : ProjectClearSizes(state));
    }
    return w.bytes();
}

bool SaveProject(ProjectState &state, bool saveAs)
{
    if (state.MarkCount <= 0 || state.FrameRecords.isEmpty()) {
        MsgBox("Er zijn geen kozijntekeningen om op te slaan !", MsgStyle::Exclamation, ErrorTitle);
        return false;
    }
    // Refused before anything is asked or written: a file the reader would refuse is no save.
    if (const QString problem = ProjectSaveProblem(state); !problem.isEmpty()) {
        MsgBox("De tekeningen zijn niet opgeslagen !\r\n\r\n" + problem, MsgStyle::Critical, ErrorTitle);
        return false;
    }
    if (saveAs) {
        FileDialogRequest request;
        request.filter = QStringList{"Zandrel Tofmaar bestand (*.tof)", "*.tof"};
        request.initialDir = QDir::currentPath();
        request.defaultSuffix = "tof";
        // A name typed without an extension would be hidden by the open dialog's filter.
        state.ProjectFileName = withDefaultSuffix(dialogs().saveFile(request), request.defaultSuffix);
        if (state.ProjectFileName.isEmpty()) return false;
    } else {
        state.ProjectFileName = DateStampedName(".TOF");
    }
    const QString fullPath = QFileInfo(state.ProjectFileName).absoluteFilePath();
    QString error;
    if (!writeBytes(state.ProjectFileName, ProjectFileBytes(state), &error)) {
        MsgBox("De tekeningen zijn niet opgeslagen !\r\n\r\n" + fullPath + "\r\n\r\n" + error, MsgStyle::Critical,
               ErrorTitle);
        return false;
    }
    MsgBox("De tekeningen zijn opgeslagen !\r\n\r\n" + fullPath, MsgStyle::Information, "Info");
    state.SavedFrameRecords = state.FrameRecords.mid(0, state.MarkCount);
    state.ProjectDirty = false;
    return true;
}

bool LoadProject(ProjectState &state)
{
    const auto cannotOpen = [&] {
        MsgBox("Het bestand kan niet worden geopend !\r\n\r\n" + QFileInfo(state.ProjectFileName).absoluteFilePath(),
               MsgStyle::Critical, ErrorTitle);
        return false;
    };
    // Only a regular file: a FIFO would hold the open, a device (a link to /dev/zero) the memory.
    QFile file;
    if (!openRegularFile(file, state.ProjectFileName, nullptr, std::numeric_limits<qint64>::max())) return cannotOpen();
    // The first line before the rest: a large file that is no project is refused without reading it.
    static const QByteArray magicLine = ScrambleLine(toCp1252(ProjectMagic)) + "\r\n";
    bool readFailed = file.read(magicLine.size()) != magicLine || !file.seek(0);
    // A project is never that large: one that is, is not read into memory.
    if (!readFailed && file.size() > MaxReadSize) return cannotOpen();
    const QByteArray bytes = readFailed ? QByteArray() : file.readAll();
    readFailed = readFailed || file.error() != QFileDevice::NoError;
    file.close();

    ParsedProject parsed;
    const ParseResult result = readFailed ? ParseResult::Invalid : parse(bytes, parsed);
    if (result == ParseResult::NoMarks) {
        MsgBox("Er zijn geen kozijntekeningen gevonden in dit bestand !", MsgStyle::Critical, ErrorTitle);
        return false;
    }
    if (result == ParseResult::Invalid) {
        MsgBox("Ongeldig bestandsformaat !", MsgStyle::Critical, ErrorTitle);
        return false;
    }

    for (int i = FirstPersonalField; i <= LastPersonalField; ++i) state.Personal.setField(i, parsed.personal[i]);
    state.FrameRecords = parsed.marks;
    state.MarkCount = int16(parsed.marks.size());
    state.CurrentMarkIndex = int16(state.MarkCount - 1);
    state.ClearHeightsLeft = parsed.clear.ClearHeightsLeft;
    state.ClearWidths = parsed.clear.ClearWidths;
    state.ClearHeightsRight = parsed.clear.ClearHeightsRight;
    state.ClearHeightsMiddle = parsed.clear.ClearHeightsMiddle;
    state.SavedFrameRecords = state.FrameRecords;
    state.ProjectDirty = false;
    return true;
}
