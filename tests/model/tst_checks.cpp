#include "MarkBuilder.h"
#include "TestSupport.h"

#include "model/Checks.h"

#include <functional>

namespace {
CompartmentRecord filled(const QString &code)
{
    CompartmentRecord c;
    c.FillType = "RAAM";
    c.FillCode = code;
    c.Parts = {CompartmentPartRecord{1, 2, 3, 4, "1", 0, 0}};
    return c;
}

FrameRecord completeMark(const QString &label, int compartments = 3)
{
    return MarkBuilder(label).counts(1).size(1000, 2000).shape("K;;2;S").compartments(compartments, filled("RA"));
}

void setMarks(ProjectState &s, const QList<FrameRecord> &marks)
{
    s.FrameRecords = marks;
    s.MarkCount = int16(marks.size());
}
}

using Edit = std::function<void(ProjectState &)>;
Q_DECLARE_METATYPE(Edit)

class ChecksTest : public QObject {
    Q_OBJECT
private slots:
    void projectChanged_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing") << Edit([](ProjectState &) {}) << false;
        QTest::newRow("remark") << Edit([](ProjectState &s) { s.FrameRecords[1].Remark = "nieuw"; }) << true;
        QTest::newRow("label case") << Edit([](ProjectState &s) { s.FrameRecords[0].Mark = "a"; }) << true;
        QTest::newRow("direction") << Edit([](ProjectState &s) { s.FrameRecords[1].Compartments[2].Direction = 2; }) << true;
        QTest::newRow("bars") << Edit([](ProjectState &s) { s.FrameRecords[0].Compartments[0].Parts[0].BarsVertical = 1; }) << true;
        QTest::newRow("flag") << Edit([](ProjectState &s) { s.FrameRecords[0].ResistanceClass2 = true; }) << true;
        QTest::newRow("screen name") << Edit([](ProjectState &s) { s.FrameRecords[0].Compartments[1].ScreenName = "Hor"; }) << true;
        QTest::newRow("is complete") << Edit([](ProjectState &s) { s.FrameRecords[0].IsComplete = true; }) << false;
        QTest::newRow("step widths") << Edit([](ProjectState &s) {
            s.FrameRecords[0].StepWidthLeft = 10;
            s.FrameRecords[1].StepWidthRight = 20;
        }) << false;
        QTest::newRow("last mark deleted") << Edit([](ProjectState &s) {
            s.FrameRecords.removeLast();
            s.MarkCount = 1;
        }) << true;
        QTest::newRow("mark added") << Edit([](ProjectState &s) {
            s.FrameRecords << completeMark("C");
            s.MarkCount = 3;
        }) << true;
        QTest::newRow("compartment added") << Edit([](ProjectState &s) { s.FrameRecords[0].Compartments << CompartmentRecord{}; }) << true;
        QTest::newRow("part added") << Edit([](ProjectState &s) { s.FrameRecords[1].Compartments[0].Parts << CompartmentPartRecord{}; }) << true;
        QTest::newRow("fill cleared") << Edit([](ProjectState &s) { s.FrameRecords[1].Compartments[0].Parts.clear(); }) << true;
    }
    void projectChanged()
    {
        QFETCH(Edit, edit);
        QFETCH(bool, changed);
        ScopedProject p;
        setMarks(p.state(), {completeMark("A"), completeMark("B")});
        p->SavedFrameRecords = p->FrameRecords;
        edit(p.state());
        QCOMPARE(ProjectChanged(p.state()), changed);
    }

    void marksBeforeTheFirstSaveCountAsChanged()
    {
        ScopedProject p;
        QVERIFY(!ProjectChanged(p.state()));
        setMarks(p.state(), {completeMark("A")});
        QVERIFY(ProjectChanged(p.state()));
    }

    void firstEmptyCompartment()
    {
        ScopedProject p;
        QCOMPARE(FirstEmptyCompartment(p.state()), int16(-1)); // no marks at all
        FrameRecord m = completeMark("A", 4);
        setMarks(p.state(), {completeMark("X"), m});
        p->CurrentMarkIndex = 1;
        QCOMPARE(FirstEmptyCompartment(p.state()), int16(-1));
        p->FrameRecords[1].Compartments[2].FillCode.clear();
        p->FrameRecords[1].Compartments[0].FillCode.clear();
        p->FrameRecords[1].Compartments[0].FillType = "DEUR"; // a type alone does not fill it
        QCOMPARE(FirstEmptyCompartment(p.state()), int16(0));
        p->CurrentMarkIndex = 0; // another mark is on screen
        QCOMPARE(FirstEmptyCompartment(p.state()), int16(-1));
    }

    void checkProject_data()
    {
        QTest::addColumn<QList<FrameRecord>>("marks");
        QTest::addColumn<QString>("message");
        auto with = [](const QString &label, const std::function<void(FrameRecord &)> &f) {
            FrameRecord m = completeMark(label);
            f(m);
            return m;
        };
        auto emptyAt = [&](const QString &label, int j) {
            return with(label, [j](FrameRecord &m) { m.Compartments[j].FillCode.clear(); });
        };
        QTest::newRow("no marks") << QList<FrameRecord>{} << "";
        QTest::newRow("all complete") << QList<FrameRecord>{completeMark("A"), completeMark("B")} << "";
        QTest::newRow("count drawn before width")
            << QList<FrameRecord>{with("A", [](FrameRecord &m) { m.CountDrawn = 0; m.Width = 0; })}
            << "Aantal kozijnen onbekend bij merk A";
        QTest::newRow("only mirrored frames")
            << QList<FrameRecord>{with("A", [](FrameRecord &m) { m.CountDrawn = 0; m.CountMirrored = 2; })}
            << "Aantal kozijnen onbekend bij merk A";
        QTest::newRow("negative width") << QList<FrameRecord>{with("A", [](FrameRecord &m) { m.Width = -5; })}
                                        << "Kozijnbreedte onbekend bij merk A";
        QTest::newRow("height") << QList<FrameRecord>{with("A", [](FrameRecord &m) { m.Height = 0; })}
                                << "Kozijnhoogte onbekend bij merk A";
        QTest::newRow("shape") << QList<FrameRecord>{with("A", [](FrameRecord &m) { m.ShapeCode.clear(); })}
                               << "Vorm kozijn onbekend bij merk A";
        QTest::newRow("no compartments") << QList<FrameRecord>{with("A", [](FrameRecord &m) { m.Compartments.clear(); })}
                                         << "Geen vakken bekend voor merk A";
        QTest::newRow("empty label appended as it is")
            << QList<FrameRecord>{with("", [](FrameRecord &m) { m.Height = 0; })} << "Kozijnhoogte onbekend bij merk ";
        QTest::newRow("first empty compartment of A") << QList<FrameRecord>{emptyAt("A", 1), completeMark("B")}
                                                      << "Geen vakvulling opgegeven voor vak: 2 van merk A";
        QTest::newRow("the last mark with an empty compartment wins")
            << QList<FrameRecord>{emptyAt("A", 0), emptyAt("B", 2), completeMark("C")}
            << "Geen vakvulling opgegeven voor vak: 3 van merk B";
        QTest::newRow("a later hard failure wins over an empty compartment")
            << QList<FrameRecord>{emptyAt("A", 0), with("B", [](FrameRecord &m) { m.Height = 0; })}
            << "Kozijnhoogte onbekend bij merk B";
        QTest::newRow("the first hard failure by index")
            << QList<FrameRecord>{with("A", [](FrameRecord &m) { m.ShapeCode.clear(); }),
                                  with("B", [](FrameRecord &m) { m.CountDrawn = 0; })}
            << "Vorm kozijn onbekend bij merk A";
    }
    void checkProject()
    {
        QFETCH(QList<FrameRecord>, marks);
        QFETCH(QString, message);
        ScopedProject p;
        setMarks(p.state(), marks);
        QCOMPARE(CheckProject(p.state()), message);
    }

    void checkProjectLooksOnlyAtMarksInUse()
    {
        ScopedProject p;
        p->FrameRecords = {MarkBuilder()}; // left after the last mark was deleted
        p->MarkCount = 0;
        QCOMPARE(CheckProject(p.state()), QString());
    }

    void sendChecks_data()
    {
        QTest::addColumn<bool>("markComplete");
        QTest::addColumn<QString>("eMail");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("message");
        QTest::newRow("ready") << true << "a@b.nl" << "smtp.b.nl" << "";
        QTest::newRow("the marks come first") << false << "" << "" << "De tekening(en) kunnen niet verzonden worden !\r\n\r\n";
        QTest::newRow("no address") << true << "  " << "smtp.b.nl" << "U heeft uw e-mail adres niet ingevuld !";
        QTest::newRow("no server")
            << true << "a@b.nl" << ""
            << "U heeft geen uitgaande mailserver (smtp) opgegeven !\r\n\r\nRaadpleeg uw provider gegevens of kijk bij "
               "uw account gegevens in uw e-mail programma (Bijv. Outlook)";
    }
    void sendChecks()
    {
        QFETCH(bool, markComplete);
        QFETCH(QString, eMail);
        QFETCH(QString, server);
        QFETCH(QString, message);
        ProjectState s;
        FrameRecord m = completeMark("A");
        if (!markComplete) m.Compartments[1].FillCode.clear();
        setMarks(s, {m});
        s.Personal.setField(11, eMail);
        s.Personal.setField(12, server);
        const QString got = checkSend(s);
        // The marks' own problem follows the heading; CheckProject words it.
        if (!markComplete)
            QCOMPARE(got, message + CheckProject(s));
        else
            QCOMPARE(got, message);
        QVERIFY(markComplete || !CheckProject(s).isEmpty());
    }

    // No window: the send check reads the personal data from the project state alone.
    void checkSendReadsThePersonalDataOfTheState()
    {
        ScopedProject p;
        setMarks(p.state(), {completeMark("A")});
        const QStringList values = {"K123", "Bouwbedrijf De Vries", "J. de Vries", "Dorpsstraat 1", "1234 AB", "Zwolle",
                                    "038-1234567", "038-7654321", "Nieuwbouw school", "info@devries.example",
                                    "smtp.devries.example"};
        for (int i = 0; i < values.size(); ++i) p->Personal.setField(i + 2, values[i]);
        QCOMPARE(checkSend(p.state()), QString());
        p->Personal.MailServer = " ";
        QVERIFY(checkSend(p.state()).startsWith("U heeft geen uitgaande mailserver (smtp) opgegeven !"));
        p->Personal.EMail.clear();
        QCOMPARE(checkSend(p.state()), QString("U heeft uw e-mail adres niet ingevuld !"));
    }

    // The main screen's width and height as the field is left, against the factory's thickness.
    void frameSizeField_data()
    {
        QTest::addColumn<int>("thickness"); // DefaultFrameThickness; 0 without Basis.TXT
        QTest::addColumn<bool>("height");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("width one less than twice") << 67 << false << 133 << "Ongeldige breedte opgegeven !";
        QTest::newRow("width twice the thickness") << 67 << false << 134 << "";
        QTest::newRow("empty width") << 67 << false << 0 << "Ongeldige breedte opgegeven !";
        QTest::newRow("height one less than twice") << 67 << true << 133 << "Ongeldige hoogte opgegeven !";
        QTest::newRow("height well over") << 67 << true << 2400 << "";
        QTest::newRow("no factory thickness, 0") << 0 << false << 0 << "";
        QTest::newRow("no factory thickness, negative") << 0 << true << -1 << "Ongeldige hoogte opgegeven !";
    }
    void frameSizeField()
    {
        QFETCH(int, thickness);
        QFETCH(bool, height);
        QFETCH(int, value);
        QFETCH(QString, message);
        ProjectState s;
        s.DefaultFrameThickness = int16(thickness);
        QCOMPARE(checkFrameSize(s, height ? FrameSize::Height : FrameSize::Width, value), message);
    }

    // A shape button needs both sizes: the width is asked for first.
    void sizesForAShape_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("field"); // -1: no problem, 0 width, 1 height
        QTest::addColumn<QString>("message");
        QTest::newRow("both 0") << 0 << 0 << 0 << "Ongeldige breedte van het kozijn !";
        QTest::newRow("width 0") << 0 << 1500 << 0 << "Ongeldige breedte van het kozijn !";
        QTest::newRow("height 0") << 1200 << 0 << 1 << "Ongeldige hoogte van het kozijn !";
        QTest::newRow("below the field minimum still passes") << 10 << 10 << -1 << "";
        QTest::newRow("negative passes") << -5 << 1500 << -1 << "";
    }
    void sizesForAShape()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, field);
        QFETCH(QString, message);
        const std::optional<FrameSizeProblem> got = checkSizesForShape(width, height);
        QCOMPARE(got.has_value(), field >= 0);
        if (!got) return;
        QCOMPARE(got->size, field == 0 ? FrameSize::Width : FrameSize::Height);
        QCOMPARE(got->message, message);
    }

    // The user's own address as the field is left: a "." and the address rule the mail uses.
    void eMailField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("passes");
        QTest::newRow("plain") << "jan@devries.example" << true;
        QTest::newRow("dot before the at") << "a.b@c" << true;
        QTest::newRow("blanks around") << "  jan@devries.example " << true;
        QTest::newRow("no dot") << "jan@devries" << false;
        QTest::newRow("no at") << "jan.devries.example" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("nothing before the at") << "@devries.nl" << false;
        QTest::newRow("two at") << "jan@x@devries.nl" << false;
        QTest::newRow("blank inside") << "jan de@devries.nl" << false;
        QTest::newRow("header break") << "jan@devries.nl\r\nBcc: x@y.nl" << false;
    }
    void eMailField()
    {
        QFETCH(QString, text);
        QFETCH(bool, passes);
        QCOMPARE(checkEMailField(text), passes ? QString() : QString("Ongeldig e-mail adres !"));
    }
};

QTEST_GUILESS_MAIN(ChecksTest)
#include "tst_checks.moc"
