// The mark list without a window: finding a label, offering and adding a mark with the factory
// defaults, deleting, moving at both ends, and the proposed next label; the list shows no box, its
// commands ask its questions and show its message.
#include "MarkBuilder.h"
#include "TestSupport.h"
#include "model/MarkList.h"
#include "model/ProjectCommands.h"

#include <QtTest>

namespace {
const QString NoSuccessor = QStringLiteral("Kan geen opvolgend merk aanmaken !");

QString offer(const QString &label)
{
    return "Merk \"" + label + "\" niet gevonden.\r\n\r\nWilt u een nieuw merk aanmaken ?";
}

// Marks with the given labels; the list holds one spare record beyond them, as after a load.
void setMarks(ProjectState &s, const QStringList &labels, int current = 0)
{
    s.FrameRecords.clear();
    for (const QString &label : labels) s.FrameRecords << MarkBuilder(label).shape("K");
    s.FrameRecords << MarkBuilder();
    s.MarkCount = int16(labels.size());
    s.CurrentMarkIndex = int16(current);
}

QStringList labels(const ProjectState &s)
{
    QStringList out;
    for (int i = 0; i < s.marksInUse(); ++i) out << s.FrameRecords[i].Mark;
    return out;
}
}

class TestMarkListModel : public QObject {
    Q_OBJECT
private slots:
    void findTakesTheFirstMarkInUse()
    {
        ScopedProject project;
        ProjectState &s = project.state();
        setMarks(s, {"A", "B", "A"});
        s.FrameRecords.last().Mark = "C"; // a record beyond the marks in use is not one of them
        const MarkList marks(s);
        QCOMPARE(marks.find("A"), 0); // a file may hold a label twice: the first counts
        QCOMPARE(marks.find("B"), 1);
        QCOMPARE(marks.find("C"), -1);
        QCOMPARE(marks.find("a"), -1);
        QCOMPARE(marks.find(""), -1);
    }

    void aNewMarkGetsTheFactoryDefaultsBehindTheMarksInUse()
    {
        ScopedProject project;
        ProjectState &s = project.state();
        setMarks(s, {"A", "B"});
        s.FrameRecords[2].Mark = "stale"; // the spare record is replaced, not reused
        s.FrameRecords[2].Width = 999;
        s.DefaultTimberType = "Meranti";
        s.DefaultFrameThickness = 67;
        s.DefaultFrameWidth = 114;
        s.DefaultMullionThickness = 56;
        s.DefaultTransomThickness = 44;
        ScriptedDialogs dialogs;
        dialogs.answer(MsgAnswer::Yes, offer("C"), "Nieuwe kozijn tekening");
        QVERIFY(askToMakeMark(s, "C"));
        QCOMPARE(dialogs.shown.first().style, MsgStyle::YesNo + MsgStyle::Question);
        QCOMPARE(labels(s), (QStringList{"A", "B", "C"}));
        QCOMPARE(s.FrameRecords.size(), 3);
        QCOMPARE(s.CurrentMarkIndex, int16(2));
        QVERIFY(s.NewShapePending && s.ProjectDirty);
        const FrameRecord expected =
            MarkBuilder("C").counts(1).timber("Meranti").members(67, 56, 44).frameWidth(114);
        QCOMPARE(s.FrameRecords[2], expected);
        VERIFY_DIALOGS(dialogs);
    }

    void aRefusedMarkLeavesTheLastMarkCurrent()
    {
        ScopedProject project;
        ProjectState &s = project.state();
        ScriptedDialogs dialogs;
        dialogs.answer(MsgAnswer::No, offer("A"));
        QVERIFY(!askToMakeMark(s, "A"));
        QCOMPARE(s.MarkCount, int16(0));
        QCOMPARE(MarkList(s).currentLabel(), QString());

        setMarks(s, {"A", "B", "C"}, 0);
        dialogs.answer(MsgAnswer::No, offer("X"));
        QVERIFY(!askToMakeMark(s, "X"));
        QCOMPARE(labels(s), (QStringList{"A", "B", "C"}));
        QCOMPARE(s.CurrentMarkIndex, int16(2));
        QCOMPARE(MarkList(s).currentLabel(), QString("C"));
        QVERIFY(!s.ProjectDirty && !s.NewShapePending);
        VERIFY_DIALOGS(dialogs);
    }

    void aFullListTakesNoMoreMarks()
    {
        ScopedProject project;
        ProjectState &s = project.state();
        s.FrameRecords.resize(32767);
        s.MarkCount = 32767;
        ScriptedDialogs dialogs;
        dialogs.answer(MsgAnswer::Yes, offer("X"));
        QVERIFY(!askToMakeMark(s, "X"));
        QCOMPARE(s.MarkCount, int16(32767));
        QCOMPARE(s.CurrentMarkIndex, int16(32766));
        VERIFY_DIALOGS(dialogs);
    }

    void deleting_data()
    {
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("currentAfter");
        QTest::newRow("first") << QStringList{"A", "B", "C"} << 0 << QStringList{"B", "C"} << 0;
        QTest::newRow("middle") << QStringList{"A", "B", "C"} << 1 << QStringList{"A", "C"} << 1;
        QTest::newRow("last") << QStringList{"A", "B", "C"} << 2 << QStringList{"A", "B"} << 1;
        QTest::newRow("the only one") << QStringList{"A"} << 0 << QStringList{} << 0;
    }
    void deleting()
    {
        QFETCH(QStringList, marks);
        QFETCH(int, current);
        QFETCH(QStringList, left);
        QFETCH(int, currentAfter);
        ScopedProject project;
        ProjectState &s = project.state();
        setMarks(s, marks, current);
        ScriptedDialogs dialogs;
        dialogs.answer(MsgAnswer::No, "Weet u zeker dat u merk \"shown\" wilt verwijderen ?",
                       "Verwijderen van merk bevestigen");
        QVERIFY(!askToDeleteMark(s, "shown"));
        QCOMPARE(labels(s), marks);
        QVERIFY(!s.ProjectDirty);

        dialogs.answer(MsgAnswer::Yes);
        QVERIFY(askToDeleteMark(s, "shown"));
        QCOMPARE(dialogs.shown.last().style, MsgStyle::YesNo + MsgStyle::Exclamation);
        QCOMPARE(labels(s), left);
        QCOMPARE(s.MarkCount, int16(left.size()));
        QCOMPARE(s.CurrentMarkIndex, int16(currentAfter));
        QVERIFY(s.ProjectDirty);
        // No marks left: one empty record, so that the next new mark starts clean.
        if (left.isEmpty()) QCOMPARE(s.FrameRecords, QList<FrameRecord>{FrameRecord()});
        VERIFY_DIALOGS(dialogs);
    }

    void movingStopsAtBothEnds_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("move");
        QTest::addColumn<int>("to");
        using M = MarkList::Move;
        QTest::newRow("first") << 3 << 2 << int(M::First) << 0;
        QTest::newRow("previous") << 3 << 2 << int(M::Previous) << 1;
        QTest::newRow("previous at the first") << 3 << 0 << int(M::Previous) << 0;
        QTest::newRow("next") << 3 << 0 << int(M::Next) << 1;
        QTest::newRow("next at the last") << 3 << 2 << int(M::Next) << 2;
        QTest::newRow("last") << 3 << 0 << int(M::Last) << 2;
        QTest::newRow("last without marks") << 0 << 0 << int(M::Last) << 0;
        QTest::newRow("next without marks") << 0 << 0 << int(M::Next) << 0;
    }
    void movingStopsAtBothEnds()
    {
        QFETCH(int, count);
        QFETCH(int, from);
        QFETCH(int, move);
        QFETCH(int, to);
        ScopedProject project;
        ProjectState &s = project.state();
        setMarks(s, QStringList{"A", "B", "C"}.mid(0, count), from);
        MarkList(s).move(MarkList::Move(move));
        QCOMPARE(s.CurrentMarkIndex, int16(to));
    }

    void theNextNameOfferedIsOneNotInUse_data()
    {
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("offered"); // "" when the labels run out
        QTest::newRow("A, B present, A shown") << QStringList{"A", "B"} << "A" << "C";
        QTest::newRow("A, B, C present, A shown") << QStringList{"A", "B", "C"} << "A" << "D";
        QTest::newRow("a gap is used") << QStringList{"A", "C"} << "A" << "B";
        QTest::newRow("over a carry") << QStringList{"Y", "Z", "AA"} << "Y" << "AB";
        QTest::newRow("case counts") << QStringList{"A", "b"} << "A" << "B";
        QTest::newRow("runs out") << QStringList{"97", "98", "99"} << "97" << "";
    }
    void theNextNameOfferedIsOneNotInUse()
    {
        QFETCH(QStringList, marks);
        QFETCH(QString, after);
        QFETCH(QString, offered);
        ProjectState s;
        setMarks(s, marks);
        ScriptedDialogs dialogs;
        if (offered.isEmpty()) dialogs.answer(MsgAnswer::OK, NoSuccessor, "FOUTMELDING");
        QCOMPARE(nextMarkLabel(s, after), offered);
        VERIFY_DIALOGS(dialogs);
    }

    void nextMarkName_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("next"); // "" when refused
        QTest::newRow("empty") << "" << "A";
        QTest::newRow("A") << "A" << "B";
        QTest::newRow("1") << "1" << "2";
        QTest::newRow("AB") << "AB" << "AC";
        QTest::newRow("9") << "9" << "10";
        QTest::newRow("Z") << "Z" << "AA";
        QTest::newRow("19") << "19" << "20";
        QTest::newRow("AZ") << "AZ" << "BA";
        QTest::newRow("199") << "199" << "200";
        QTest::newRow("A99") << "A99" << "B00";
        QTest::newRow("K1Z") << "K1Z" << "K2A";
        QTest::newRow("lower case follows the codes") << "a" << "b";
        QTest::newRow("z") << "z" << "{";
        QTest::newRow("99") << "99" << "";
        QTest::newRow("ZZ") << "ZZ" << "";
        QTest::newRow("9Z") << "9Z" << "";
        QTest::newRow("Z9") << "Z9" << "";
        QTest::newRow("999") << "999" << "";
        QTest::newRow("ZZZ") << "ZZZ" << "";
        QTest::newRow("last printable") << "A~" << "";
        QTest::newRow("beyond the code page") << QString::fromUtf8("ÿ") << "";
    }
    void nextMarkName()
    {
        QFETCH(QString, label);
        QFETCH(QString, next);
        ScriptedDialogs dialogs;
        QCOMPARE(NextMarkName(label), next); // the list itself shows nothing
        VERIFY_DIALOGS(dialogs);
        ProjectState noMarks;
        if (next.isEmpty()) dialogs.answer(MsgAnswer::OK, NoSuccessor, "FOUTMELDING");
        QCOMPARE(nextMarkLabel(noMarks, label), next);
        if (next.isEmpty()) QCOMPARE(dialogs.shown.first().style, MsgStyle::Exclamation);
        VERIFY_DIALOGS(dialogs);
    }

};

QTEST_MAIN(TestMarkListModel)
#include "tst_marklist.moc"
