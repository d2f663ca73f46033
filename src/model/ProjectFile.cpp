#include "ProjectFile.h"

#include "ClearSizes.h"
#include "platform/Clock.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cstring>
#include <algorithm>
#include <limits>
#include <type_traits>
#include <variant>

QByteArray ScrambleLine(const QByteArray &bytes)
{
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = char(~static_cast<unsigned char>(bytes[i]));
    return out;
}

QString ScrambleLine(const QString &text) { return fromCp1252(ScrambleLine(toCp1252(text))); }

QString dateStampedName(const QString &extension) { return Now().toString("yyMMdd-HHmm") + extension; }

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
    void put(const QString &value) { text(value); }
    void put(int16 value) { number(value); }
    void put(bool value) { flag(value); }
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
        if (!line(from, to) || to - from > ProjectFileLimit) return false;
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
        if (!line(from, to)) return false;
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
    bool take(QString &value) { return text(value); }
    bool take(int16 &value) { return number(value); }
    bool take(bool &value) { return flag(value); }
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
    bool line(const char *&from, const char *&to)
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

// One line of the file per field, in table order. A record's list follows its fields as a count
// line (the highest index, -1 for none) and the elements.
template <class Record> using Field = std::variant<QString Record::*, int16 Record::*, bool Record::*>;

constexpr Field<CompartmentPartRecord> PartFields[] = {
    &CompartmentPartRecord::PartX,      &CompartmentPartRecord::PartY,          &CompartmentPartRecord::PartWidth,
    &CompartmentPartRecord::PartHeight, &CompartmentPartRecord::GrilleCode,     &CompartmentPartRecord::BarsHorizontal,
    &CompartmentPartRecord::BarsVertical,
};
// Then the parts.
constexpr Field<CompartmentRecord> CompartmentFields[] = {
    &CompartmentRecord::FillType,   &CompartmentRecord::FillCode,    &CompartmentRecord::OpensInward,
    &CompartmentRecord::Direction,  &CompartmentRecord::BreastWallHeight, &CompartmentRecord::AppliedBars,
    &CompartmentRecord::PosX,       &CompartmentRecord::PosY,        &CompartmentRecord::ClearWidth,
    &CompartmentRecord::ClearHeight, &CompartmentRecord::ExtraText,  &CompartmentRecord::ToughenedGlass,
    &CompartmentRecord::ScreenName,
};
// Then the compartments, then the clear-size block.
constexpr Field<FrameRecord> MarkFields[] = {
    &FrameRecord::Mark,           &FrameRecord::Description,      &FrameRecord::CountDrawn,
    &FrameRecord::CountMirrored,  &FrameRecord::Width,            &FrameRecord::Height,
    &FrameRecord::Sill,           &FrameRecord::ResistanceClass2, &FrameRecord::ShapeCode,
    &FrameRecord::Colour,         &FrameRecord::CavityBatten,     &FrameRecord::TimberType,
    &FrameRecord::FrameThickness, &FrameRecord::FrameWidth,       &FrameRecord::MullionThickness,
    &FrameRecord::TransomThickness, &FrameRecord::UpperSectionHeight, &FrameRecord::Remark,
};

// The fewest lines an element of each list takes: its fields, its own list's count line (empty),
// and the mark's clear-size block of every input of ClearSizeSet's rows.
constexpr int ClearSizeLines = int(sizeof(ClearSizeSet) / sizeof(int16));
static_assert(ClearSizeLines == 17);
constexpr int PartLines = int(std::size(PartFields));
constexpr int CompartmentLines = int(std::size(CompartmentFields)) + 1;
constexpr int MarkLines = int(std::size(MarkFields)) + 1 + ClearSizeLines;

// Each record is described once, for both directions: `IO` is Reading (a record to fill) or
// Writing (a const record to put out). A field is one line; a list is its count line, then the
// elements.
template <class IO, class Record, std::size_t N>
bool fields(IO &io, Record &r, const Field<std::remove_const_t<Record>> (&table)[N])
{
    for (const Field<std::remove_const_t<Record>> &f : table)
        if (!std::visit([&](auto member) { return io.field(r.*member); }, f)) return false;
    return true;
}

template <class IO, class Personal> bool personalRecord(IO &io, Personal &personal)
{
    for (const PersonalField &f : PersonalFields)
        if (!io.field(personal.*f.member)) return false;
    return true;
}

template <class IO, class Sizes> bool clearSizeBlock(IO &io, Sizes &sizes)
{
    for (int r = 0; r < ClearSizeSet::RowCount; ++r)
        for (auto &v : sizes.row(r))
            if (!io.field(v)) return false;
    return true;
}

template <class IO, class Part> bool partRecord(IO &io, Part &p) { return fields(io, p, PartFields); }

template <class IO, class Compartment> bool compartmentRecord(IO &io, Compartment &c)
{
    return fields(io, c, CompartmentFields)
           && io.list(c.Parts, PartLines, [&](auto &p) { return partRecord(io, p); });
}

template <class IO, class Mark> bool markRecord(IO &io, Mark &m)
{
    return fields(io, m, MarkFields)
           && io.list(m.Compartments, CompartmentLines, [&](auto &c) { return compartmentRecord(io, c); })
           && io.clearSizes(m);
}

struct Reading {
    LineReader &in;
    template <class T> bool field(T &value) { return in.take(value); }
    template <class Element, class Each> bool list(QList<Element> &list, int linesEach, Each each)
    {
        int count = 0;
        if (!in.count(count, linesEach)) return false;
        list.resize(count);
        return std::all_of(list.begin(), list.end(), each);
    }
    bool clearSizes(FrameRecord &m)
    {
        m.CompartmentsCode = m.ShapeCode; // the file's compartments were built for its code
        ClearSizeSet own;
        if (!clearSizeBlock(*this, own)) return false;
        m.ClearSizes = own;
        return true;
    }
};

struct Writing {
    LineWriter &out;
    const ClearSizeSet &projectClearSizes; // for a mark without sizes of its own
    template <class T> bool field(const T &value)
    {
        out.put(value);
        return true;
    }
    template <class Element, class Each> bool list(const QList<Element> &list, int, Each each)
    {
        out.number(int(list.size()) - 1);
        for (const Element &e : list) each(e);
        return true;
    }
    bool clearSizes(const FrameRecord &m) { return clearSizeBlock(*this, m.ClearSizes ? *m.ClearSizes : projectClearSizes); }
};
}

ProjectFileRead parseProjectFile(const QByteArray &bytes)
{
    const QString invalid = "Ongeldig bestandsformaat !";
    LineReader in(bytes);
    Reading io{in};
    QString magic;
    if (!in.text(magic) || magic != ProjectMagic) return {std::nullopt, invalid};
    ProjectFileContents project;
    if (!personalRecord(io, project.personal)) return {std::nullopt, invalid};
    int marks = 0;
    if (!in.count(marks, MarkLines)) return {std::nullopt, invalid};
    if (marks == 0) return {std::nullopt, "Er zijn geen kozijntekeningen gevonden in dit bestand !"};
    project.marks.resize(marks);
    for (FrameRecord &m : project.marks)
        if (!markRecord(io, m)) return {std::nullopt, invalid};
    project.clearSizes = *project.marks.last().ClearSizes; // the last mark's stay project-wide
    return {std::move(project), QString()};
}

ProjectFileRead readProjectFile(const QString &path)
{
    const ProjectFileRead cannotOpen{std::nullopt,
                                     "Het bestand kan niet worden geopend !\r\n\r\n" + QFileInfo(path).absoluteFilePath()};
    // Only a regular file: a FIFO would hold the open, a device (a link to /dev/zero) the memory.
    QFile file;
    if (!openRegularFile(file, path, nullptr, std::numeric_limits<qint64>::max())) return cannotOpen;
    // The first line before the rest: a large file that is no project is refused without reading it.
    static const QByteArray magicLine = ScrambleLine(toCp1252(ProjectMagic)) + "\r\n";
    bool readFailed = file.read(magicLine.size()) != magicLine || !file.seek(0);
    // A project is never that large: one that is, is not read into memory.
    if (!readFailed && file.size() > MaxReadSize) return cannotOpen;
    const QByteArray bytes = readFailed ? QByteArray() : file.readAll();
    readFailed = readFailed || file.error() != QFileDevice::NoError;
    file.close();
    if (readFailed) return {std::nullopt, "Ongeldig bestandsformaat !"};
    return parseProjectFile(bytes);
}

void takeProjectFile(ProjectState &state, ProjectFileContents project)
{
    state.Personal = std::move(project.personal);
    state.FrameRecords = std::move(project.marks);
    state.MarkCount = int16(state.FrameRecords.size());
    state.CurrentMarkIndex = int16(state.MarkCount - 1);
    setProjectClearSizes(state, project.clearSizes);
    state.SavedFrameRecords = state.FrameRecords;
    state.ProjectDirty = false;
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

// A text field of the record's table that is too long.
template <class Record, std::size_t N> bool textTooLong(const Record &r, const Field<Record> (&fields)[N])
{
    return std::any_of(std::begin(fields), std::end(fields), [&](const Field<Record> &f) {
        const auto *text = std::get_if<QString Record::*>(&f);
        return text && tooLong(r.**text);
    });
}
}

QString projectSaveProblem(const ProjectState &state)
{
    const QString limit = QString::number(ProjectFileLimit);
    for (const PersonalField &f : PersonalFields)
        if (tooLong(state.Personal.*f.member)) return "Een van uw persoonlijke gegevens is langer dan " + limit + " tekens.";
    // The words are only put together for the one thing found.
    auto label = [](const FrameRecord &m) { return "\"" + m.Mark.left(40) + "\""; }; // a label over the limit is cut
    auto compartment = [&](const FrameRecord &m, qsizetype j) {
        return "Vak " + QString::number(j + 1) + " van merk " + label(m);
    };
    const QString longText = " heeft een tekst van meer dan " + limit + " tekens.";
    for (int i = 0; i < state.marksInUse(); ++i) {
        const FrameRecord &m = state.FrameRecords[i];
        if (textTooLong(m, MarkFields)) return "Merk " + label(m) + longText;
        if (m.Compartments.size() > ProjectFileLimit) return "Merk " + label(m) + " heeft meer dan " + limit + " vakken.";
        for (qsizetype j = 0; j < m.Compartments.size(); ++j) {
            const CompartmentRecord &c = m.Compartments[j];
            if (textTooLong(c, CompartmentFields)) return compartment(m, j) + longText;
            if (c.Parts.size() > ProjectFileLimit) return compartment(m, j) + " heeft meer dan " + limit + " delen.";
            for (const CompartmentPartRecord &p : c.Parts)
                if (textTooLong(p, PartFields)) return compartment(m, j) + longText;
        }
    }
    return {};
}

QByteArray projectFileBytes(const ProjectState &state)
{
    LineWriter w;
    const ClearSizeSet sharedSizes = projectClearSizes(state);
    Writing io{w, sharedSizes};
    w.text(ProjectMagic);
    personalRecord(io, state.Personal);
    // Only the marks in use: the list may hold a spare record beyond them.
    const int count = state.marksInUse();
    w.number(count - 1);
    for (int i = 0; i < count; ++i) markRecord(io, state.FrameRecords[i]);
    return w.bytes();
}
