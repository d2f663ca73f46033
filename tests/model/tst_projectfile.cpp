#include "MarkBuilder.h"
#include "TestSupport.h"

#include "model/Checks.h"
#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "platform/Clock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {
const QString Foutmelding = QStringLiteral("FOUTMELDING");

// The personal fields 2..12 as a user would have typed them.
void fillPersonal(PersonalData &f)
{
    const QStringList values = {"K123", "Bouwbedrijf De Vries", "J. de Vries", "Dorpsstraat 1", "1234 AB", "Zwolle",
                                "038-1234567", "038-7654321", "Nieuwbouw school", "info@devries.example",
                                "smtp.devries.example"};
    for (int i = 0; i < values.size(); ++i) f.setField(i + 2, values[i]);
}

// One mark, one compartment, one part, every field set to a value of its own.
void fillSmallProject(ProjectState &s)
{
    CompartmentRecord c;
    c.FillType = "RAAM";
    c.FillCode = "RA";
    c.OpensInward = true;
    c.Direction = 1;
    c.BreastWallHeight = 400;
    c.AppliedBars = true;
    c.PosX = 67;
    c.PosY = 68;
    c.ClearWidth = 1066;
    c.ClearHeight = 2265;
    c.ExtraText = "x";
    c.ToughenedGlass = true;
    c.ScreenName = "Rolhor";
    c.Parts = {CompartmentPartRecord{10, 20, 1000, 2000, "4L", 2, 3}};
    s.FrameRecords = {MarkBuilder("A")
                          .complete()
                          .description("Voorgevel")
                          .counts(2, 1)
                          .size(1200, 2400)
                          .sill("Hardsteen")
                          .resistanceClass2()
                          .shape("K;;1;S")
                          .stepWidths(5, 6)
                          .colour("Wit")
                          .cavityBatten("Spouwlat 30")
                          .timber("Meranti")
                          .members(67, 56, 78)
                          .frameWidth(114)
                          .upperSectionHeight(300)
                          .remark("Let op")
                          .compartment(c)};
    s.MarkCount = 1;
    s.ClearHeightsLeft = {1, 2, 3, 4};
    s.ClearWidths = {5, 6, 7, 8, 9};
    s.ClearHeightsRight = {10, 11, 12, 13, 14, 15};
    s.ClearHeightsMiddle = {16, -17};
}

QByteArray fileOf(const QList<QByteArray> &plainLines)
{
    QByteArray out;
    for (const QByteArray &line : plainLines) out += scrambled(line) + "\r\n";
    return out;
}

const QList<QByteArray> SmallProjectLines = {
    "#QV ZANDREL-TOFMAAR#",
    "K123", "Bouwbedrijf De Vries", "J. de Vries", "Dorpsstraat 1", "1234 AB", "Zwolle", "038-1234567",
    "038-7654321", "Nieuwbouw school", "info@devries.example", "smtp.devries.example",
    "0",                                                            // highest mark index
    "A", "Voorgevel", "2", "1", "1200", "2400", "Hardsteen", "-1", "K;;1;S", "Wit", "Spouwlat 30", "Meranti",
    "67", "114", "56", "78", "300", "Let op", "0",                   // highest compartment index
    "RAAM", "RA", "-1", "1", "400", "-1", "67", "68", "1066", "2265", "x", "-1", "Rolhor", "0",
    "10", "20", "1000", "2000", "4L", "2", "3",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "-17",
};

// Everything a load may change, to check that a refused file changed none of it.
struct Observed {
    QList<FrameRecord> records, saved;
    int16 markCount, current;
    bool dirty;
    std::array<int16, 4> left;
    std::array<int16, 5> widths;
    std::array<int16, 6> right;
    std::array<int16, 2> middle;
    QStringList personal;
    bool operator==(const Observed &) const = default;
};
// Bytes this process has read from files so far.
qint64 bytesReadSoFar()
{
    QFile io("/proc/self/io");
    if (!io.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar:")) return line.mid(6).trimmed().toLongLong();
    return 0;
}

Observed observe(const ProjectState &s)
{
    QStringList personal;
    for (int i = 2; i <= 12; ++i) personal << s.Personal.field(i);
    return {s.FrameRecords, s.SavedFrameRecords, s.MarkCount, s.CurrentMarkIndex, s.ProjectDirty,
            s.ClearHeightsLeft, s.ClearWidths, s.ClearHeightsRight, s.ClearHeightsMiddle, personal};
}
}

class ProjectFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() { setFixedNow(QDateTime(QDate(2026, 3, 5), QTime(14, 7, 59))); }
    void cleanup() { setFixedNow({}); }

    void scrambleIsTheByteComplement()
    {
        QCOMPARE(ScrambleLine(QByteArray("A ")), QByteArray("\xBE\xDF"));
        QCOMPARE(ScrambleLine(QString::fromUtf8("ò")), QString("\r"));
        const QString text = QString::fromUtf8("Kozijn é ò õ €");
        QCOMPARE(ScrambleLine(ScrambleLine(text)), text);
    }

    void plainSaveWritesTheExactBytes()
    {
        TestFolder folder(false);
        ScopedProject p;
        PersonalData &fields = p->Personal;
        fillPersonal(fields);
        fillSmallProject(p.state());
        p->ProjectDirty = true;
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK, "De tekeningen zijn opgeslagen !\r\n\r\n" + folder.path() + "/260305-1407.TOF", "Info");

        QVERIFY(SaveProject(p.state(), false));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].style, 64);
        QCOMPARE(p->ProjectFileName, QString("260305-1407.TOF"));
        QCOMPARE(SmallProjectLines.size(), 70);
        const QByteArray bytes = folder.read("260305-1407.TOF");
        QCOMPARE(bytes, fileOf(SmallProjectLines));
        // The magic as raw bytes: every byte complemented, then a plain CR LF.
        QCOMPARE(bytes.left(22), QByteArray("\xDC\xAE\xA9\xDF\xA5\xBE\xB1\xBB\xAD\xBA\xB3\xD2\xAB\xB0\xB9\xB2\xBE\xBE\xAD\xDC\r\n"));
        QVERIFY(!p->ProjectDirty);
        QCOMPARE(p->SavedFrameRecords, p->FrameRecords);
        QVERIFY(!ProjectChanged(p.state()));

        // The snapshot is a copy, not a view of the records.
        p->FrameRecords[0].Compartments[0].FillCode = "RB";
        QCOMPARE(p->SavedFrameRecords[0].Compartments[0].FillCode, QString("RA"));
    }

    // No window anywhere: the project state alone carries the personal data through a save and an
    // open (the drawing file and the send checks read them there: tst_drawingexport, tst_checks).
    void theStateAloneCarriesThePersonalData()
    {
        TestFolder folder(false);
        ScopedProject p;
        fillPersonal(p->Personal);
        fillSmallProject(p.state());
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK);
        QVERIFY(SaveProject(p.state(), false));
        QCOMPARE(folder.read("260305-1407.TOF"), fileOf(SmallProjectLines));

        ScopedProject opened;
        opened->MailMethod = MailMethodKind::Outlook; // not part of the project file
        opened->ProjectFileName = "260305-1407.TOF";
        QVERIFY(LoadProject(opened.state()));
        VERIFY_DIALOGS(d);
        QCOMPARE(opened->Personal, p->Personal);
        QCOMPARE(opened->MailMethod, MailMethodKind::Outlook);
    }

    void plainSavesWithinAMinuteShareAName()
    {
        TestFolder folder(false);
        ScopedProject p;
        fillSmallProject(p.state());
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK).answer(MsgAnswer::OK).answer(MsgAnswer::OK);
        QVERIFY(SaveProject(p.state(), false));
        p->FrameRecords[0].Mark = "B";
        setFixedNow(QDateTime(QDate(2026, 3, 5), QTime(14, 7, 1)));
        QVERIFY(SaveProject(p.state(), false));
        setFixedNow(QDateTime(QDate(2026, 3, 5), QTime(14, 8, 0)));
        QVERIFY(SaveProject(p.state(), false));
        VERIFY_DIALOGS(d);
        QCOMPARE(QDir().entryList({"*.TOF"}), QStringList({"260305-1407.TOF", "260305-1408.TOF"}));
        QVERIFY(folder.read("260305-1407.TOF").contains(scrambled("B") + "\r\n" + scrambled("Voorgevel")));
    }

    void roundTripKeepsEveryStoredField()
    {
        TestFolder folder(false);
        ScopedProject p;
        PersonalData &fields = p->Personal;
        fillPersonal(fields);
        fields.setField(5, QString::fromUtf8("Crème brûlée 1\r\nachterom"));
        fields.setField(9, "");
        fillSmallProject(p.state());

        // empty texts, negative numbers, no compartments
        const FrameRecord second = MarkBuilder(QString::fromUtf8("ò"))
                                       .counts(-1)
                                       .size(-32768, 32767)
                                       .timber(QString::fromUtf8("õ"))
                                       .remark(QString::fromUtf8("regel 1\r\nregel 2 ò\r\nõ einde ò"));
        FrameRecord third = p->FrameRecords[0];
        third.Mark = "C";
        CompartmentRecord unfilled;   // no fill, no parts
        unfilled.ClearWidth = 500;
        CompartmentRecord twoParts = third.Compartments[0];
        twoParts.Parts.append(CompartmentPartRecord{0, -1, 2, -3, "", 0, 9});
        third.Compartments = {unfilled, twoParts, unfilled};
        p->FrameRecords = {p->FrameRecords[0], second, third};
        p->MarkCount = 3;
        p->CurrentMarkIndex = 0;
        p->ProjectDirty = true;

        ScriptedDialogs d;
        d.answer(MsgAnswer::OK);
        QVERIFY(SaveProject(p.state(), false));
        const QList<FrameRecord> written = p->FrameRecords;

        ScopedProject loaded;
        PersonalData &loadedFields = loaded->Personal;
        loaded->ProjectFileName = p->ProjectFileName;
        loaded->ProjectDirty = true;
        QVERIFY(LoadProject(loaded.state()));
        VERIFY_DIALOGS(d);

        QCOMPARE(loaded->MarkCount, int16(3));
        QCOMPARE(loaded->CurrentMarkIndex, int16(2)); // the last mark
        QVERIFY(!loaded->ProjectDirty);
        for (int i = 2; i <= 12; ++i) QCOMPARE(loadedFields.field(i), fields.field(i));
        QCOMPARE(loaded->FrameRecords.size(), 3);
        for (int i = 0; i < 3; ++i) {
            FrameRecord expected = written[i];
            expected.IsComplete = false; // not stored
            expected.StepWidthLeft = 0;
            expected.StepWidthRight = 0;
            expected.CompartmentsCode = expected.ShapeCode; // taken as built for the code it was saved with
            // A mark without sizes of its own was written with the project's and reads back with them.
            expected.ClearSizes = ClearSizeSet{{1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15}, {16, -17}};
            QCOMPARE(loaded->FrameRecords[i], expected);
        }
        QVERIFY(loaded->FrameRecords[2].Compartments[0].Parts.isEmpty());
        QCOMPARE(loaded->FrameRecords[2].Compartments[1].Parts.size(), 2);
        QCOMPARE(loaded->SavedFrameRecords, loaded->FrameRecords);
        QCOMPARE(loaded->ClearHeightsMiddle, (std::array<int16, 2>{16, -17}));
        QVERIFY(!ProjectChanged(loaded.state()));
    }

    void unfilledMarksSaveWithCountMinusOne()
    {
        TestFolder folder(false);
        ScopedProject p;
        p->FrameRecords = {MarkBuilder("A").counts(1)};
        p->MarkCount = 1;
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK);
        QVERIFY(SaveProject(p.state(), false));
        const QByteArray bytes = folder.read("260305-1407.TOF");
        QList<QByteArray> expected = {"#QV ZANDREL-TOFMAAR#", "", "", "", "", "", "", "", "", "", "", "", "0",
                                      "A", "", "1", "0", "0", "0", "", "0", "", "", "", "", "0", "0", "0", "0", "0",
                                      "", "-1"};
        for (int i = 0; i < 17; ++i) expected << "0";
        QCOMPARE(bytes, fileOf(expected));
    }

    void textThatWouldForgeALineEnd()
    {
        // "ò" then "õ" scramble to CR LF; the "õ" is written as "?" so that no line shifts.
        TestFolder folder(false);
        ScopedProject p;
        fillSmallProject(p.state());
        p->FrameRecords[0].Description = QString::fromUtf8("aòõb");
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK);
        QVERIFY(SaveProject(p.state(), false));
        QVERIFY(folder.read("260305-1407.TOF").contains(scrambled("a\xF2?b") + "\r\n"));
        ScopedProject loaded;
        loaded->ProjectFileName = p->ProjectFileName;
        QVERIFY(LoadProject(loaded.state()));
        QCOMPARE(loaded->FrameRecords[0].Description, QString::fromUtf8("aò?b"));
        QCOMPARE(loaded->FrameRecords[0].Sill, QString("Hardsteen"));
    }

    void loneCrAndLfBelongToTheLine()
    {
        // As a file written elsewhere may hold them: a lone CR (from "ò") and a lone LF (from "õ").
        TestFolder folder(false);
        QList<QByteArray> lines = SmallProjectLines;
        lines[14] = "\xF2x\xF5"; // Description
        folder.write("old.tof", fileOf(lines));
        ScopedProject p;
        p->ProjectFileName = "old.tof";
        QVERIFY(LoadProject(p.state()));
        QCOMPARE(p->FrameRecords[0].Description, QString::fromUtf8("òxõ"));
        QCOMPARE(p->FrameRecords[0].CountDrawn, int16(2));
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString invalid = "Ongeldig bestandsformaat !";
        auto with = [](int line, const QByteArray &value) {
            QList<QByteArray> l = SmallProjectLines;
            l[line] = value;
            return fileOf(l);
        };
        const QByteArray good = fileOf(SmallProjectLines);
        QTest::newRow("magic in lower case") << with(0, "#qv zandrel-tofmaar#") << invalid;
        QTest::newRow("magic not scrambled") << QByteArray("#QV ZANDREL-TOFMAAR#\r\n") + good.mid(22) << invalid;
        QTest::newRow("empty file") << QByteArray() << invalid;
        QTest::newRow("mark count -1") << with(12, "-1") << QString("Er zijn geen kozijntekeningen gevonden in dit bestand !");
        QTest::newRow("mark count -2") << with(12, "-2") << invalid;
        QTest::newRow("mark count too large for the file") << with(12, "1") << invalid;
        QTest::newRow("mark count far too large") << with(12, "32767") << invalid;
        QTest::newRow("compartment count too large") << with(31, "5000") << invalid;
        QTest::newRow("compartment count -2") << with(31, "-2") << invalid;
        QTest::newRow("part count too large") << with(45, "1") << invalid;
        QTest::newRow("width not a number") << with(17, "12a") << invalid;
        QTest::newRow("width empty") << with(17, "") << invalid;
        QTest::newRow("width out of range") << with(17, "32768") << invalid;
        QTest::newRow("width out of range after zeros") << with(17, "000000000032768") << invalid;
        QTest::newRow("compartment count over the limit") << with(31, "32767") << invalid;
        QTest::newRow("flag not a number") << with(20, "ja") << invalid;
        QTest::newRow("last line missing") << good.left(good.size() - 5) << invalid;
        QTest::newRow("personal fields cut short") << good.left(100) << invalid;
        QTest::newRow("file missing") << QByteArray("<none>")
                                      << "Het bestand kan niet worden geopend !\r\n\r\n" + QDir::current().absoluteFilePath("p.tof");
        // Picked in "Openen...": a FIFO held the open, a link to /dev/zero filled the memory.
        QTest::newRow("a FIFO") << QByteArray("<fifo>") << QString("Het bestand kan niet worden geopend !");
        QTest::newRow("a link to /dev/zero") << QByteArray("<zero>") << QString("Het bestand kan niet worden geopend !");
        QTest::newRow("a large file that is no project") << QByteArray("<oversize>") << invalid;
        QTest::newRow("a project over 64 MB") << QByteArray("<project over 64 MB>") << QString("Het bestand kan niet worden geopend !");
    }
    void refusedFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestFolder folder(false);
        if (bytes == "<project over 64 MB>") {
            folder.write("p.tof", fileOf(SmallProjectLines));
            QVERIFY(QFile::resize(folder.file("p.tof"), (qint64(64) << 20) + 1)); // sparse, after a real start
        } else if (bytes.startsWith('<') && bytes != "<none>")
            QVERIFY(makeOddFile("p.tof", QString::fromLatin1(bytes.mid(1, bytes.size() - 2))));
        else if (bytes != "<none>")
            folder.write("p.tof", bytes);
        if (message.startsWith("Het bestand")) message = "Het bestand kan niet worden geopend !\r\n\r\n" + folder.file("p.tof");

        ScopedProject p;
        PersonalData &fields = p->Personal;
        fields.setField(3, "Oud bedrijf");
        const FrameRecord old = MarkBuilder("Z");
        p->FrameRecords = {old, old};
        p->MarkCount = 2;
        p->CurrentMarkIndex = 1;
        p->ProjectDirty = true;
        p->ClearWidths = {9, 9, 9, 9, 9};
        p->SavedFrameRecords = {old};
        p->ProjectFileName = "p.tof";
        const Observed before = observe(p.state());

        ScriptedDialogs d;
        d.answer(MsgAnswer::OK, message, Foutmelding);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!LoadProject(p.state()));
        QVERIFY2(clock.elapsed() < 1000 || !bytes.startsWith('<'), qPrintable(QString::number(clock.elapsed()) + " ms"));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].style, 16);
        QVERIFY(observe(p.state()) == before);

        // The file part only says why; the box is the command's.
        ScriptedDialogs none;
        const ProjectFileRead read = readProjectFile("p.tof");
        QVERIFY(!read.contents);
        QCOMPARE(read.problem, message);
        if (!bytes.startsWith('<')) QCOMPARE(parseProjectFile(bytes).problem, message);
        VERIFY_DIALOGS(none);
    }

    void saveAsUsesTheDialogAndMatchesBothCases()
    {
        TestFolder folder(false);
        ScopedProject p;
        PersonalData &fields = p->Personal;
        fillPersonal(fields);
        fillSmallProject(p.state());
        p->ProjectDirty = true;
        ScriptedDialogs d;
        d.answerSave(folder.file("mijn project.tof"));
        d.answer(MsgAnswer::OK, "De tekeningen zijn opgeslagen !\r\n\r\n" + folder.file("mijn project.tof"), "Info");
        QVERIFY(SaveProject(p.state(), true));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].request.filter, QStringList({"Zandrel Tofmaar bestand (*.tof)", "*.tof"}));
        QCOMPARE(qtNameFilters(d.shown[0].request.filter), QString("Zandrel Tofmaar bestand (*.tof *.TOF)"));
        QCOMPARE(folder.read("mijn project.tof"), fileOf(SmallProjectLines));
        QVERIFY(!p->ProjectDirty);
    }

    void aSaveAsNameWithoutExtensionGetsTofSoThatOpenFindsIt()
    {
        // typed name, file written
        const QList<std::pair<QString, QString>> cases{
            {"saveas_test", "saveas_test.tof"},
            {"saveas_test.", "saveas_test.tof"},
            {"kozijnen.TOF", "kozijnen.TOF"},
            {"kozijnen.Tof", "kozijnen.Tof"},
            {"versie 2.tof", "versie 2.tof"},
        };
        for (const auto &[typed, written] : cases) {
            TestFolder folder(false);
            ScopedProject p;
            fillSmallProject(p.state());
            ScriptedDialogs d;
            d.answerSave(folder.file(typed));
            d.answer(MsgAnswer::OK, "De tekeningen zijn opgeslagen !\r\n\r\n" + folder.file(written), "Info");
            QVERIFY(SaveProject(p.state(), true));
            VERIFY_DIALOGS(d);
            QCOMPARE(d.shown[0].request.defaultSuffix, QString("tof"));
            QCOMPARE(QDir().entryList(QDir::Files), QStringList{written});
            QCOMPARE(p->ProjectFileName, folder.file(written));
            // The open dialog's own filter shows it.
            const QStringList patterns = qtNameFilters({"Zandrel Tofmaar bestand (*.tof)", "*.tof"})
                                             .section('(', 1).chopped(1).split(' ');
            QVERIFY2(QDir::match(patterns, written), qPrintable(written));
        }
    }

    void cancelledSaveAsDoesNothing()
    {
        TestFolder folder(false);
        ScopedProject p;
        fillSmallProject(p.state());
        p->ProjectDirty = true;
        p->ProjectFileName = "earlier.tof";
        ScriptedDialogs d;
        d.answerSave("");
        QVERIFY(!SaveProject(p.state(), true));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown.size(), 1);
        QVERIFY(p->ProjectDirty);
        QVERIFY(p->SavedFrameRecords.isEmpty());
        QCOMPARE(p->ProjectFileName, QString());
        QVERIFY(QDir().entryList(QDir::Files).isEmpty());
    }

    void nothingToSaveWithoutMarks()
    {
        TestFolder folder(false);
        ScopedProject p;
        p->FrameRecords = {MarkBuilder()}; // what is left after the last mark is deleted
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK, "Er zijn geen kozijntekeningen om op te slaan !", Foutmelding);
        QVERIFY(!SaveProject(p.state(), false));
        VERIFY_DIALOGS(d);
        QVERIFY(QDir().entryList(QDir::Files).isEmpty());
    }

    void leadingZerosAndBlanksAreTheNumber()
    {
        TestFolder folder(false);
        QList<QByteArray> lines = SmallProjectLines;
        lines[12] = "0000000000";                 // mark count
        lines[16] = "0000000000000000000000001"; // CountMirrored
        lines[17] = "-000000000032768";          // Width
        lines[18] = " +0032767 ";                // Height
        lines[20] = "-0000001";                  // ResistanceClass2
        folder.write("p.tof", fileOf(lines));
        ScopedProject p;
        p->ProjectFileName = "p.tof";
        QVERIFY(LoadProject(p.state()));
        const FrameRecord &m = p->FrameRecords[0];
        QCOMPARE(p->MarkCount, int16(1));
        QCOMPARE(m.CountMirrored, int16(1));
        QCOMPARE(m.Width, int16(-32768));
        QCOMPARE(m.Height, int16(32767));
        QVERIFY(m.ResistanceClass2);
    }

    void aLargeFileThatIsNoProjectIsNotReadWhole()
    {
        TestFolder folder(false);
        {
            QFile f(folder.file("film.tof"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("RIFF\x24\xF0\x00\x00" "AVI LIST\r\n");
            QVERIFY(f.resize(qint64(200) << 20)); // 200 MB, sparse
        }
        ScopedProject p;
        p->ProjectFileName = "film.tof";
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK, "Ongeldig bestandsformaat !", Foutmelding);
        const qint64 before = bytesReadSoFar();
        QVERIFY(!LoadProject(p.state()));
        const qint64 read = bytesReadSoFar() - before;
        VERIFY_DIALOGS(d);
        QVERIFY2(read < 65536, qPrintable(QString("%1 bytes read").arg(read)));
    }

    // One limit for every list of the file and for every text line: 32767 reads and writes,
    // 32768 is refused by both.
    void limitsOnReading_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("count");
        for (const char *level : {"marks", "compartments", "parts", "text"}) {
            QTest::newRow(QByteArray(level) + " 32767") << QString(level) << 32767;
            QTest::newRow(QByteArray(level) + " 32768") << QString(level) << 32768;
        }
    }
    void limitsOnReading()
    {
        QFETCH(QString, level);
        QFETCH(int, count);
        QByteArray header;
        for (const QByteArray &line : SmallProjectLines.mid(0, 12)) header += scrambled(line) + "\r\n";
        auto lines = [](const QList<QByteArray> &l) { return fileOf(l); };
        const QList<QByteArray> markStart = {"A", "", "1", "0", "1200", "1500", "", "0", "K;;1;S", "", "", "",
                                             "67", "114", "67", "67", "0", ""};
        QList<QByteArray> clearSizes;
        for (int i = 0; i < 17; ++i) clearSizes << "0";
        const QList<QByteArray> compartmentStart = {"RAAM", "RA", "0", "0", "0", "0", "67", "67", "1066", "1366",
                                                    "", "0", ""};
        const QByteArray highest = QByteArray::number(count - 1);
        QByteArray bytes = header;
        if (level == "marks") {
            bytes += lines({highest}) + (lines(markStart) + lines({"-1"}) + lines(clearSizes)).repeated(count);
        } else if (level == "compartments") {
            bytes += lines({"0"}) + lines(markStart) + lines({highest})
                     + (lines(compartmentStart) + lines({"-1"})).repeated(count) + lines(clearSizes);
        } else if (level == "parts") {
            bytes += lines({"0"}) + lines(markStart) + lines({"0"}) + lines(compartmentStart) + lines({highest})
                     + lines({"0", "0", "500", "1366", "", "0", "0"}).repeated(count) + lines(clearSizes);
        } else {
            QList<QByteArray> mark = markStart;
            mark[1] = QByteArray(count, 'x');
            bytes += lines({"0"}) + lines(mark) + lines({"-1"}) + lines(clearSizes);
        }
        TestFolder folder(false);
        folder.write("groot.tof", bytes);
        ScopedProject p;
        p->ProjectFileName = "groot.tof";
        ScriptedDialogs d;
        if (count > ProjectFileLimit) d.answer(MsgAnswer::OK, "Ongeldig bestandsformaat !", Foutmelding);
        QCOMPARE(LoadProject(p.state()), count <= ProjectFileLimit);
        VERIFY_DIALOGS(d);
        if (count > ProjectFileLimit) {
            QVERIFY(p->FrameRecords.isEmpty());
            return;
        }
        const FrameRecord &last = p->FrameRecords.last();
        const qsizetype got = level == "marks"          ? p->FrameRecords.size()
                              : level == "compartments" ? last.Compartments.size()
                              : level == "parts"        ? last.Compartments[0].Parts.size()
                                                        : last.Description.size();
        QCOMPARE(got, qsizetype(count));
    }

    void limitsOnWriting_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("problem"); // "" for a save that goes through
        for (int count : {32767, 32768}) {
            const bool over = count > 32767;
            const QByteArray n = " " + QByteArray::number(count);
            QTest::newRow("compartments" + n) << "compartments" << count
                                              << (over ? "Merk \"A\" heeft meer dan 32767 vakken." : "");
            QTest::newRow("parts" + n) << "parts" << count << (over ? "Vak 1 van merk \"A\" heeft meer dan 32767 delen." : "");
            QTest::newRow("remark" + n) << "remark" << count
                                        << (over ? "Merk \"A\" heeft een tekst van meer dan 32767 tekens." : "");
            QTest::newRow("grille code" + n) << "grille" << count
                                             << (over ? "Vak 1 van merk \"A\" heeft een tekst van meer dan 32767 tekens." : "");
            QTest::newRow("personal field" + n) << "personal" << count
                                                << (over ? "Een van uw persoonlijke gegevens is langer dan 32767 tekens." : "");
        }
    }
    void limitsOnWriting()
    {
        QFETCH(QString, level);
        QFETCH(int, count);
        QFETCH(QString, problem);
        TestFolder folder(false);
        ScopedProject p;
        PersonalData &fields = p->Personal;
        fillSmallProject(p.state());
        FrameRecord &m = p->FrameRecords[0];
        if (level == "compartments") m.Compartments = QList<CompartmentRecord>(count, m.Compartments[0]);
        if (level == "parts") m.Compartments[0].Parts = QList<CompartmentPartRecord>(count, m.Compartments[0].Parts[0]);
        if (level == "remark") m.Remark = QString(count - 1, 'r') + QString::fromUtf8("😀"); // one stored character
        if (level == "grille") m.Compartments[0].Parts[0].GrilleCode = QString(count, 'g');
        if (level == "personal") fields.setField(12, QString(count, 's'));
        p->ProjectDirty = true;
        ScriptedDialogs d;
        // Save as: a refused project is refused before the save dialog is shown.
        if (problem.isEmpty())
            d.answerSave(folder.file("groot.tof")).answer(MsgAnswer::OK);
        else
            d.answer(MsgAnswer::OK, "De tekeningen zijn niet opgeslagen !\r\n\r\n" + problem, Foutmelding);
        QCOMPARE(SaveProject(p.state(), true), problem.isEmpty());
        VERIFY_DIALOGS(d);
        if (!problem.isEmpty()) {
            QCOMPARE(d.shown[0].style, 16);
            QVERIFY(QDir().entryList(QDir::Files).isEmpty());
            QVERIFY(p->ProjectDirty);
            return;
        }
        ScopedProject loaded;
        loaded->ProjectFileName = "groot.tof";
        PersonalData &loadedFields = loaded->Personal;
        QVERIFY(LoadProject(loaded.state()));
        QCOMPARE(loaded->FrameRecords[0].Compartments.size(), m.Compartments.size());
        QCOMPARE(loaded->FrameRecords[0].Compartments[0].Parts.size(), m.Compartments[0].Parts.size());
        QCOMPARE(loaded->FrameRecords[0].Remark.size(), level == "remark" ? qsizetype(count) : m.Remark.size());
        QCOMPARE(loadedFields.field(12), fields.field(12));
    }

    // A save that fails says so, leaves the old file whole and no temporary file, and keeps the
    // project dirty; for a small project and for one larger than any write buffer.
    void failedSaveIsReportedAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("marks");
        QTest::addColumn<QString>("reason");
        for (int marks : {5, 300}) { // about 1.6 KB and 100 KB
            const QByteArray n = " " + QByteArray::number(marks);
            QTest::newRow("file-size limit" + n) << "limit" << marks << "De schijf is vol.\r\n(File too large)";
            QTest::newRow("read-only folder" + n)
                << "read-only" << marks << "U heeft geen toestemming om hier te schrijven.\r\n(Operation not permitted)";
            QTest::newRow("vanished folder" + n)
                << "vanished" << marks << "De map bestaat niet (meer).\r\n(No such file or directory)";
            QTest::newRow("target is a folder" + n)
                << "folder" << marks << "Het bestand kan niet worden geschreven.\r\n(Is a directory)";
            QTest::newRow("write EIO" + n)
                << "write" << marks << "Het bestand kan niet worden geschreven.\r\n(Input/output error)";
            QTest::newRow("write gives 0 without errno" + n)
                << "write nothing" << marks << "Het bestand kan niet worden geschreven.\r\n(Input/output error)";
            QTest::newRow("sync EIO" + n) << "sync" << marks << "De schijf is vol.\r\n(No space left on device)";
        }
    }
    void failedSaveIsReportedAndKeepsTheOldFile()
    {
        QFETCH(QString, fault);
        QFETCH(int, marks);
        QFETCH(QString, reason);
        TestFolder folder(false);
        const QByteArray old = fileOf(SmallProjectLines);
        if (fault == "folder")
            QDir().mkpath("vast/project.tof/binnen");
        else
            folder.write("vast/project.tof", old);
        const QString target = folder.file(fault == "vanished" ? "weg/project.tof" : "vast/project.tof");
        ScopedProject p;
        fillSmallProject(p.state());
        for (int i = 1; i < marks; ++i) p->FrameRecords << p->FrameRecords[0];
        p->MarkCount = int16(marks);
        p->ProjectDirty = true;
        ScriptedDialogs d;
        d.answerSave(target);
        d.answer(MsgAnswer::OK, "De tekeningen zijn niet opgeslagen !\r\n\r\n" + target + "\r\n\r\n" + reason, Foutmelding);
        bool saved = true;
        {
            WriteFault made(fault, folder.file("vast"));
            if (!made.active()) QSKIP("this fault cannot be made here");
            saved = SaveProject(p.state(), true);
        }
        QVERIFY(!saved);
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[1].style, 16);
        if (fault == "folder")
            QVERIFY(QFileInfo(folder.file("vast/project.tof/binnen")).isDir());
        else
            QCOMPARE(folder.read("vast/project.tof"), old);
        QCOMPARE(QDir("vast").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList("project.tof"));
        QVERIFY(p->ProjectDirty);
        QVERIFY(p->SavedFrameRecords.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "tst_projectfile.moc"
