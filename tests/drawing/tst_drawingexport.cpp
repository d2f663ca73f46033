#include "MarkBuilder.h"
#include "TestSupport.h"

#include "drawing/DrawingExport.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {
PersonalData personal()
{
    PersonalData d;
    d.CustomerNumber = "K123";
    d.Company = QString::fromUtf8("Bouwbedrijf Müller");
    d.Contact = "J. Muller";
    d.Address = "Dorpsstraat 1";
    d.Postcode = "1234 AB";
    d.Town = "Zwolle";
    d.Telephone = "038-1234567";
    d.Fax = "";
    d.ProjectDescription = "Nieuwbouw school";
    d.EMail = "info@muller.example";
    d.MailServer = "smtp.muller.example";
    return d;
}

CompartmentPartRecord part(const QString &grille, int barsH, int barsV)
{
    CompartmentPartRecord p;
    p.GrilleCode = grille;
    p.BarsHorizontal = int16(barsH);
    p.BarsVertical = int16(barsV);
    return p;
}

CompartmentRecord compartment(const QString &type, const QString &code, int direction, bool inward,
                              QList<CompartmentPartRecord> parts, int width = 800, int height = 1200)
{
    CompartmentRecord c;
    c.FillType = type;
    c.FillCode = code;
    c.Direction = int16(direction);
    c.OpensInward = inward;
    c.Parts = parts;
    c.ClearWidth = int16(width);
    c.ClearHeight = int16(height);
    return c;
}

FrameRecord plainMark(const QString &label, const QString &shapeCode)
{
    return MarkBuilder(label).counts(1).size(1000, 2000).shape(shapeCode).timber("Meranti")
        .members(67, 56, 78).frameWidth(114);
}

// Two marks: a rectangular frame (of plainMark's timber and sizes) whose compartments go out in an
// order of their own, and a stepped frame with an upper section.
void fillTwoMarks(ProjectState &s)
{
    FrameRecord a = plainMark("A", "K;;1;S;D1;S1;D2;S1");
    a.Description = "Voorgevel"; // not exported
    a.CountDrawn = 2;
    a.CountMirrored = 1;
    a.Width = 2400;
    a.Height = 2100;
    a.Sill = "Hardsteen";
    a.ResistanceClass2 = true;
    a.Colour = "RAL 9010";
    a.CavityBatten = "Spouwlat 30";

    CompartmentRecord c0 = compartment("RAAM", "RA", 1, true, {part("1", 2, 3)});
    c0.ToughenedGlass = true;
    c0.BreastWallHeight = 400;
    CompartmentRecord c1 = compartment("DEUR", "DU", 2, false, {part("4L", 1, 2), part("4R", 3, 0)}, 700, 2000);
    c1.AppliedBars = true;
    c1.ScreenName = "Rolhor";
    CompartmentRecord c2 = compartment("RAAM", "SU", 2, false, {part("", 0, 0), part("2", 1, 0)}, 900, 1000);
    CompartmentRecord c3 = compartment("GLASVAK", "GL_BU", 0, false, {part("", 0, 0)}, 500, 1000);
    c3.ExtraText = "Melkglas";
    CompartmentRecord c4 = compartment("DEUR", "SD", 3, false, {part("3", 0, 1), part("", 0, 0)}, 1600, 850);
    a.Compartments = {c0, c1, c2, c3, c4};

    FrameRecord b = MarkBuilder("B").counts(1).size(1500, 2500).shape("L;4").timber("Vuren")
                        .members(67, 50, 60).frameWidth(114);
    b.Colour = "Wit";
    b.UpperSectionHeight = 450;
    b.Remark = "Graag levering in week 12";
    CompartmentRecord d0 = compartment("DEUR", "DK", 1, true, {part("", 0, 0), part("", 0, 0)}, 1200, 450);
    CompartmentRecord d1 = compartment("RAAM", "RB", 2, true, {part("5R", 0, 0)}, 1200, 1800);
    d1.ToughenedGlass = true;
    d1.ScreenName = "Vliegenhor";
    b.Compartments = {d0, d1};

    s.FrameRecords = {a, b};
    s.MarkCount = 2;
}

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines) out += l + "\r\n";
    return out;
}

QStringList fieldsOf(const QString &line) { return line.split(u';'); }
}

class DrawingExportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { setFixedNow(QDateTime(QDate(2026, 3, 5), QTime(9, 7, 42))); }
    void cleanup() { setFixedNow({}); }

    void writesTheFileTheFactoryReads()
    {
        TestFolder folder(false);
        ScopedProject p;
        fillTwoMarks(p.state());
        p->Personal = personal();
        p->ProjectFileName = "/elders/project.tof";
        ScriptedDialogs d;

        QCOMPARE(ExportDrawings(p.state()), QString());
        VERIFY_DIALOGS(d);
        QVERIFY(d.shown.isEmpty());
        QCOMPARE(p->ProjectFileName, QString("260305-0907.TEK"));
        const QByteArray expected = crlf({
            "@;2.0",
            "K123",
            "Bouwbedrijf M\xFCller",
            "J. Muller",
            "Dorpsstraat 1",
            "1234 AB",
            "Zwolle",
            "038-1234567",
            "",
            "Nieuwbouw school",
            "info@muller.example",
            "",
            ":A;1;Hardsteen",
            ";K;;1;S;D1;S1;D2;S1",
            ";2400;2100",
            ";2;1",
            ";Meranti;67;114;78;56",
            ";RAL 9010",
            ";Spouwlat 30",
            ";;;5;0;0",
            "1;RAH;1;400;2;;2;3;Boven;800;1200;;",
            "5;SD;3_VakL;0;SDA;;0;1;Boven;1600;850;;",
            "2;DU;4L_VakLR;0;4;opplak;3;2;Boven+Onder;700;2000;;Rolhor",
            "3;SU;2_VakR;0;R;;1;0;Onder;900;1000;;",
            "4;GL_BU;;0;0;;0;0;Boven;500;1000;Melkglas;",
            "",
            "",
            ";END",
            ":B;0;",
            ";L;1",
            ";1500;2500",
            ";1;0",
            ";Vuren;67;114;60;50",
            ";Wit",
            ";",
            ";Boven;450;2;0;0",
            "1;DK;;0;KL;;0;0;Boven;1200;450;;",
            "2;RBH;5R;0;1;;0;0;Boven;1200;1800;;Vliegenhor",
            "",
            "Graag levering in week 12",
            ";END",
        });
        QCOMPARE(folder.read("260305-0907.TEK"), expected);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"260305-0907.TEK"});
    }

    void replacesTheFileOfTheSameMinute()
    {
        TestFolder folder(false);
        ScopedProject p;
        fillTwoMarks(p.state());
        p->Personal = personal();
        QCOMPARE(ExportDrawings(p.state()), QString());
        p->MarkCount = 1;
        setFixedNow(QDateTime(QDate(2026, 3, 5), QTime(9, 7, 0)));
        QCOMPARE(ExportDrawings(p.state()), QString());
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"260305-0907.TEK"});
        QVERIFY(!folder.read("260305-0907.TEK").contains(":B;"));
    }

    void shapeCodeAndOrder_data()
    {
        QTest::addColumn<QString>("shapeCode");
        QTest::addColumn<int>("compartments");
        QTest::addColumn<QString>("exportedCode");
        QTest::addColumn<QList<int>>("numbers"); // field 1 of the lines, in file order

        QTest::newRow("L;4") << "L;4" << 2 << "L;1" << QList<int>{1, 2};
        QTest::newRow("L;5") << "L;5" << 2 << "L;2" << QList<int>{1, 2};
        QTest::newRow("l;4 is no stepped code") << "l;4" << 1 << "l;4" << QList<int>{1};
        QTest::newRow("R;4 unchanged") << "R;4" << 2 << "R;4" << QList<int>{1, 2};
        QTest::newRow("S;D1;D2;S2") << "K;;1;S;D1;D2;S2" << 5 << "K;;1;S;D1;D2;S2" << QList<int>{1, 2, 4, 5, 3};
        QTest::newRow("S;D1;S1;D2;S1") << "K;;1;S;D1;S1;D2;S1" << 5 << "K;;1;S;D1;S1;D2;S1" << QList<int>{1, 5, 2, 3, 4};
        QTest::newRow("S;D1;D2;S2;D5") << "K;;1;S;D1;D2;S2;D5" << 6 << "K;;1;S;D1;D2;S2;D5" << QList<int>{1, 2, 5, 6, 3, 4};
        QTest::newRow("S;D1;D2;S1;D1") << "K;;1;S;D1;D2;S1;D1" << 6 << "K;;1;S;D1;D2;S1;D1" << QList<int>{1, 4, 5, 6, 3, 2};
        QTest::newRow("D;S1;S3;D1;D4") << "K;;1;D;S1;S3;D1;D4" << 6 << "K;;1;D;S1;S3;D1;D4" << QList<int>{1, 3, 4, 5, 6, 2};
        QTest::newRow("seven compartments") << "K;;2;S;D1;D2;D3;S2" << 7 << "K;;2;S;D1;D2;D3;S2"
                                            << QList<int>{1, 2, 3, 4, 5, 6, 7};
        // A count that does not fit the shape's order (an edited file): every compartment once, in index order.
        QTest::newRow("too few for its order") << "K;;1;S;D1;S1;D2;S1" << 4 << "K;;1;S;D1;S1;D2;S1" << QList<int>{1, 2, 3, 4};
        QTest::newRow("too many for its order") << "K;;1;D;S1;S3;D1;D4" << 7 << "K;;1;D;S1;S3;D1;D4"
                                                << QList<int>{1, 2, 3, 4, 5, 6, 7};
    }
    void shapeCodeAndOrder()
    {
        QFETCH(QString, shapeCode);
        QFETCH(int, compartments);
        QFETCH(QString, exportedCode);
        QFETCH(QList<int>, numbers);
        ProjectState s;
        FrameRecord m = plainMark("A", shapeCode);
        for (int i = 0; i < compartments; ++i) m.Compartments << compartment("PANEEL", "PRA", 0, false, {part("", 0, 0)}, 100 + i);
        s.FrameRecords = {m};
        s.MarkCount = 1;
        const QStringList lines = drawingExportLines(s);
        QCOMPARE(lines.size(), 12 + 8 + compartments + 3);
        QCOMPARE(lines[13], ";" + exportedCode);
        QList<int> written;
        for (int k = 0; k < compartments; ++k) {
            const QStringList f = fieldsOf(lines[20 + k]);
            written << f[0].toInt();
            QCOMPARE(f[9].toInt(), 100 + f[0].toInt() - 1); // the line describes the compartment it names
        }
        QCOMPARE(written, numbers);
    }

    void opening_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("inward");
        QTest::addColumn<QString>("expected");

        for (const char *code : {"SU", "SD", "SV", "DK", "RA"}) QTest::addRow("%s fixed", code) << code << 0 << true << "0";
        QTest::newRow("SU left") << "SU" << 1 << false << "L";
        QTest::newRow("SU right") << "SU" << 2 << false << "R";
        QTest::newRow("SU inward right") << "SU" << 2 << true << "R";
        QTest::newRow("SD left") << "SD" << 1 << false << "SDL";
        QTest::newRow("SD right") << "SD" << 2 << false << "SDR";
        QTest::newRow("SD third") << "SD" << 3 << false << "SDA";
        QTest::newRow("SD out of range") << "SD" << 4 << false << "";
        QTest::newRow("SD negative") << "SD" << -1 << false << "";
        QTest::newRow("SV left") << "SV" << 1 << true << "KL";
        QTest::newRow("DK right") << "DK" << 2 << true << "KR";
        QTest::newRow("DU left inward") << "DU" << 1 << true << "2";
        QTest::newRow("DU right outward") << "DU" << 2 << false << "4";
        QTest::newRow("RB left inward") << "RB" << 1 << true << "2";
        QTest::newRow("RB right inward") << "RB" << 2 << true << "1";
        QTest::newRow("RA left outward") << "RA" << 1 << false << "3";
        QTest::newRow("RA right outward") << "RA" << 2 << false << "4";
        QTest::newRow("lower-case su") << "su" << 1 << false << "3";
    }
    void opening()
    {
        QFETCH(QString, code);
        QFETCH(int, direction);
        QFETCH(bool, inward);
        QFETCH(QString, expected);
        const CompartmentRecord c = compartment("RAAM", code, direction, inward, {part("", 0, 0)});
        const QStringList f = fieldsOf(exportCompartmentLine(c, 1));
        QCOMPARE(f.size(), 13);
        QCOMPARE(f[4], expected);
    }

    void partsAndBars_data()
    {
        QTest::addColumn<QList<CompartmentPartRecord>>("parts");
        QTest::addColumn<QString>("grille");
        QTest::addColumn<QString>("barsH");
        QTest::addColumn<QString>("barsV");
        QTest::addColumn<QString>("placement");

        using Parts = QList<CompartmentPartRecord>;
        QTest::newRow("one part") << Parts{part("6L", 2, 1)} << "6L" << "2" << "1" << "Boven";
        QTest::newRow("one part, no bars") << Parts{part("", 0, 0)} << "" << "0" << "0" << "Boven";
        QTest::newRow("no parts") << Parts{} << "" << "0" << "0" << "Boven";
        QTest::newRow("left grille") << Parts{part("4L", 1, 0), part("", 0, 0)} << "4L_VakL" << "1" << "0" << "Boven";
        QTest::newRow("right grille") << Parts{part("", 0, 0), part("4R", 0, 0)} << "4R_VakR" << "0" << "0" << "Boven";
        QTest::newRow("both grilles") << Parts{part("4L", 0, 2), part("4R", 0, 1)} << "4L_VakLR" << "0" << "2" << "Boven+Onder";
        QTest::newRow("lower pane only") << Parts{part("", 0, 0), part("", 1, 0)} << "" << "1" << "0" << "Onder";
        QTest::newRow("larger counts of the two") << Parts{part("", 1, 5), part("", 3, 2)} << "" << "3" << "5" << "Boven+Onder";
        QTest::newRow("two parts, no bars") << Parts{part("", 0, 0), part("", 0, 0)} << "" << "0" << "0" << "Boven";
        // Only parts 0 and 1 count, however many an edited file gave.
        QTest::newRow("third part ignored") << Parts{part("1", 0, 0), part("", 0, 0), part("2", 9, 9)} << "1_VakL" << "0" << "0"
                                            << "Boven";
    }
    void partsAndBars()
    {
        QFETCH(QList<CompartmentPartRecord>, parts);
        QFETCH(QString, grille);
        QFETCH(QString, barsH);
        QFETCH(QString, barsV);
        QFETCH(QString, placement);
        const QStringList f = fieldsOf(exportCompartmentLine(compartment("RAAM", "SU", 1, false, parts), 3));
        QCOMPARE(f.size(), 13);
        QCOMPARE(f[2], grille);
        QCOMPARE(f[6], barsH);
        QCOMPARE(f[7], barsV);
        QCOMPARE(f[8], placement);
    }

    // Texts never split the factory's fields or lines; a mark that is not finished still goes out whole.
    void unfinishedProjectAndAwkwardTexts()
    {
        ScopedProject p;
        FrameRecord empty = plainMark("A;1", "");
        empty.Sill = "Hard;steen\r\nblauw";
        empty.Colour = "RAL\n9010";
        empty.Remark = "regel 1\r\nregel 2\nregel 3\r";
        empty.ResistanceClass2 = true;
        empty.Width = -5;
        FrameRecord unfilled = plainMark("B", "K;;1;S");
        unfilled.Compartments = {CompartmentRecord{}};
        unfilled.Compartments[0].ClearWidth = 800;
        unfilled.Compartments[0].ExtraText = "a;b\r\nc";
        unfilled.Compartments[0].ScreenName = "Hor;1";
        p->FrameRecords = {empty, unfilled};
        p->MarkCount = 2;
        PersonalData who;
        who.Address = "Dorpsstraat 1\r\nachterom";
        who.Town = "Zwolle;Noord"; // a header line is one item: its ";" stays

        p->Personal = who;
        const QStringList lines = drawingExportLines(p.state());
        const QStringList expected = {
            "@;2.0", "", "", "", "Dorpsstraat 1 achterom", "", "Zwolle;Noord", "", "", "", "", "",
            ":A,1;1;Hard,steen blauw", ";", ";-5;2000", ";1;0", ";Meranti;67;114;78;56", ";RAL 9010", ";", ";;;0;0;0",
            "", "regel 1 regel 2 regel 3 ", ";END",
            ":B;0;", ";K;;1;S", ";1000;2000", ";1;0", ";Meranti;67;114;78;56", ";", ";", ";;;1;0;0",
            "1;;;0;0;;0;0;Boven;800;0;a,b c;Hor,1",
            "", "", ";END",
        };
        QCOMPARE(lines, expected);
    }

    // A text far larger than the room the writer starts with, after many short fields: every
    // character lands where it belongs as the room grows.
    void aFileLargerThanItsFirstRoom()
    {
        TestFolder folder(false);
        ScopedProject p;
        p->Personal = personal();
        FrameRecord m = plainMark("A", "X;30");
        for (int k = 0; k < 30; ++k) {
            CompartmentRecord c = compartment("GLASVAK", "GL", 0, false, {part("", 0, 0)}, 100 + k, 200 + k);
            c.ExtraText = QString(50, QChar(u'a' + k % 26)); // the room runs out amid short fields too
            m.Compartments << c;
        }
        QString remark;
        for (int i = 0; i < 5000; ++i) remark += QChar(u'0' + i % 10);
        m.Remark = remark;
        p->FrameRecords = {m};
        p->MarkCount = 1;
        QList<QByteArray> lines{"@;2.0", "K123", "Bouwbedrijf M\xFCller", "J. Muller", "Dorpsstraat 1", "1234 AB",
                                "Zwolle", "038-1234567", "", "Nieuwbouw school", "info@muller.example", "",
                                ":A;0;", ";X;30", ";1000;2000", ";1;0", ";Meranti;67;114;78;56", ";", ";", ";;;30;0;0"};
        for (int k = 0; k < 30; ++k)
            lines << QByteArray::number(k + 1) + ";GL;;0;0;;0;0;Boven;" + QByteArray::number(100 + k) + ";"
                         + QByteArray::number(200 + k) + ";" + QByteArray(50, char('a' + k % 26)) + ";";
        lines << "" << remark.toLatin1() << ";END";
        ScriptedDialogs d;
        QCOMPARE(ExportDrawings(p.state()), QString());
        VERIFY_DIALOGS(d);
        QCOMPARE(folder.read("260305-0907.TEK"), crlf(lines));
    }

    void marksBeyondMarkCountStayOut()
    {
        ProjectState s;
        s.FrameRecords = {plainMark("A", "K;;1;S")}; // the blank element left by deleting the last mark
        s.MarkCount = 0;
        QCOMPARE(drawingExportLines(s).size(), 12);
    }

    void aFailedWriteIsReportedAndChangesNothing()
    {
        TestFolder folder(false);
        ScopedProject p;
        fillTwoMarks(p.state());
        p->ProjectFileName = "project.tof";
        folder.write("260305-0907.TEK", "oud\r\n");
        if (!setFolderWritable(folder.path(), false)) QSKIP("this file system cannot refuse new entries");
        p->Personal = personal();
        ScriptedDialogs d;
        const QString failed = ExportDrawings(p.state());
        setFolderWritable(folder.path(), true);

        QVERIFY(!failed.isEmpty());
        VERIFY_DIALOGS(d);
        QVERIFY(d.shown.isEmpty()); // the caller shows it
        QVERIFY(failed.startsWith("Het tekeningenbestand kan niet worden geschreven !\r\n\r\n"
                                  + QFileInfo(folder.file("260305-0907.TEK")).absoluteFilePath()));
        // The whole message: the file, then why, with the system's own words (root meets the folder's
        // immutable flag, anyone else its mode). The send's test checks the box it makes of it.
        const QString why = ::geteuid() == 0 ? "Operation not permitted" : "Permission denied";
        QCOMPARE(failed, "Het tekeningenbestand kan niet worden geschreven !\r\n\r\n"
                             + QFileInfo(folder.file("260305-0907.TEK")).absoluteFilePath()
                             + "\r\nU heeft geen toestemming om hier te schrijven.\r\n(" + why + ")");
        QCOMPARE(p->ProjectFileName, QString("project.tof"));
        QCOMPARE(folder.read("260305-0907.TEK"), QByteArray("oud\r\n"));
    }

    // No window: the personal data head the file as the project state holds them (after an open,
    // as tst_projectfile shows, and as the main screen stores them).
    void thePersonalDataComeFromTheState()
    {
        ScopedProject p;
        fillTwoMarks(p.state());
        const QStringList values = {"K123", "Bouwbedrijf De Vries", "J. de Vries", "Dorpsstraat 1", "1234 AB", "Zwolle",
                                    "038-1234567", "038-7654321", "Nieuwbouw school", "info@devries.example",
                                    "smtp.devries.example"};
        for (int i = 0; i < values.size(); ++i) p->Personal.setField(i + 2, values[i]);
        const QStringList head = drawingExportLines(p.state()).mid(0, 12);
        QCOMPARE(head, (QStringList{"@;2.0", "K123", "Bouwbedrijf De Vries", "J. de Vries", "Dorpsstraat 1", "1234 AB",
                                    "Zwolle", "038-1234567", "038-7654321", "Nieuwbouw school", "info@devries.example",
                                    ""}));
    }
};

QTEST_GUILESS_MAIN(DrawingExportTest)
#include "tst_drawingexport.moc"
