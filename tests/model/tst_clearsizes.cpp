// The clear-size row check, and the clear sizes that every mark keeps through a save and a load.
#include "MarkBuilder.h"
#include "TestSupport.h"
#include "model/Checks.h"
#include "model/ClearSizes.h"
#include "model/ProjectCommands.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<int>)

namespace {
const QString Invalid = "Ongeldige dagmaten opgegeven !\r\n\r\n";

QString sumMessage(int sum, int max)
{
    return Invalid + QString("De totale opgegeven dagmaat (%1) is groter dan de maximale dagmaat (%2)").arg(sum).arg(max);
}

QString noRoom(int max)
{
    return Invalid + QString("De maten van het kozijn laten geen ruimte over voor de dagmaten (maximale dagmaat %1)").arg(max);
}

QByteArray fileOf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines) out += scrambled(l.toLatin1()) + "\r\n";
    return out;
}

ClearSizeSet sizes(std::array<int16, 4> l, std::array<int16, 5> b, std::array<int16, 6> r, std::array<int16, 2> m)
{
    return ClearSizeSet{l, b, r, m};
}
}

class TestClearSizes : public QObject {
    Q_OBJECT
private slots:
    void checkRow_data();
    void checkRow();
    void refusalIsGivenAndLeavesTheRow();
    void perMarkSizesSurviveSaveAndLoad();
};

void TestClearSizes::checkRow_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<int>>("result");
    QTest::addColumn<QString>("message");
    auto ok = [](const char *name, int max, QList<int> in, QList<int> out) {
        QTest::newRow(name) << max << in << true << out << QString();
    };
    auto refused = [](const char *name, int max, QList<int> in, const QString &message) {
        QTest::newRow(name) << max << in << false << in << message;
    };
    ok("all empty share the rest", 1000, {0, 0, 0}, {333, 333, 334});
    ok("one empty takes the rest", 2000, {500, 0, 700}, {500, 800, 700});
    ok("none empty: last recomputed", 2000, {500, 600, 700}, {500, 600, 900});
    ok("adds up exactly", 1800, {500, 600, 700}, {500, 600, 700});
    ok("adds up exactly with an empty size", 1000, {1000, 0}, {1000, 0});
    ok("less than one each", 2, {0, 0, 0}, {0, 1, 1});
    ok("single empty", 1500, {0}, {1500});
    ok("single given", 1500, {1200}, {1500});
    ok("rounded down but the last", 1001, {0, 0}, {500, 501});
    ok("remainder to the last", 1500, {0, 400, 0, 0}, {366, 400, 367, 367});
    refused("sum above the maximum", 1800, {600, 600, 700}, sumMessage(1900, 1800));
    refused("four of 9999 do not overflow", 32767, {9999, 9999, 9999, 9999}, sumMessage(39996, 32767));
    refused("five of 9999", 30000, {9999, 9999, 9999, 9999, 9999}, sumMessage(49995, 30000));
    refused("maximum 0", 0, {100}, noRoom(0));
    refused("negative maximum", -101, {0, 0}, noRoom(-101));
    refused("no inputs", 1000, {}, QString());
}

void TestClearSizes::checkRow()
{
    QFETCH(int, maximum);
    QFETCH(QList<int>, values);
    QFETCH(bool, valid);
    QFETCH(QList<int>, result);
    QFETCH(QString, message);
    const ClearSizeRowCheck check = CheckClearSizes(values, maximum);
    QCOMPARE(check.valid, valid);
    QCOMPARE(check.values, result);
    QCOMPARE(check.ClearSizeMessage, message);
}

void TestClearSizes::refusalIsGivenAndLeavesTheRow()
{
    ScriptedDialogs dialogs; // no box: the window shows the refusal
    QList<int> row{600, 600, 700};
    QString refusal;
    QVERIFY(!checkClearSizeRow(row, 1800, refusal));
    QCOMPARE(row, (QList<int>{600, 600, 700}));
    QCOMPARE(refusal, sumMessage(1900, 1800));

    QList<int> empty;
    refusal.clear();
    QVERIFY(!checkClearSizeRow(empty, 1000, refusal));
    QCOMPARE(refusal, QString()); // nothing to show

    row = {0, 0, 0};
    QVERIFY(checkClearSizeRow(row, 1000, refusal));
    QCOMPARE(row, (QList<int>{333, 333, 334}));
    VERIFY_DIALOGS(dialogs);
}

// Marks A and C keep sizes of their own, B has none and writes the project-wide arrays.
void TestClearSizes::perMarkSizesSurviveSaveAndLoad()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    ScopedProject project;
    project->Personal.setField(3, "Bouw BV");
    const ClearSizeSet a = sizes({601, 602, 0, 0}, {811, 812, 813, 0, 0}, {921, 922, 0, 0, 0, 0}, {0, 0});
    const ClearSizeSet c = sizes({0, 0, 0, 0}, {1001, 1002, 0, 0, 0}, {1101, 0, 0, 0, 0, 7}, {31, 32});
    const ClearSizeSet wide = sizes({1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15}, {16, 17});
    setProjectClearSizes(project.state(), wide);
    for (const char *label : {"A", "B", "C"}) {
        project->FrameRecords
            << MarkBuilder(label).counts(1).size(2000, 2100).shape("K;;1;S").distinctMembers().frameWidth(114).build();
    }
    project->FrameRecords[0].ClearSizes = a;
    project->FrameRecords[2].ClearSizes = c;
    CompartmentRecord only;
    only.FillType = "GLASVAK";
    only.FillCode = "GL";
    only.ClearWidth = 811;
    only.ClearHeight = 1966;
    project->FrameRecords[0].Compartments = {only};
    project->MarkCount = 3;

    const QString path = folder.file("sizes.tof");
    dialogs.answerSave(path);
    dialogs.answer(MsgAnswer::OK);
    QVERIFY(SaveProject(project.state(), true));

    const QStringList head{"#QV ZANDREL-TOFMAAR#", "", "Bouw BV", "", "", "", "", "", "", "", "", "", "2"};
    auto markLines = [](const char *label) {
        return QStringList{label, "", "1", "0", "2000", "2100", "", "0", "K;;1;S", "", "", "",
                           "67", "114", "56", "44", "0", ""};
    };
    QStringList expected = head;
    expected << markLines("A") << "0"
             << QStringList{"GLASVAK", "GL", "0", "0", "0", "0", "0", "0", "811", "1966", "", "0", "", "-1"}
             << QStringList{"601", "602", "0", "0", "811", "812", "813", "0", "0", "921", "922", "0", "0", "0", "0", "0", "0"};
    expected << markLines("B") << "-1"
             << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17"};
    expected << markLines("C") << "-1"
             << QStringList{"0", "0", "0", "0", "1001", "1002", "0", "0", "0", "1101", "0", "0", "0", "0", "7", "31", "32"};
    QCOMPARE(folder.read("sizes.tof"), fileOf(expected));

    ScopedProject loaded;
    loaded->ProjectFileName = path;
    QVERIFY(LoadProject(loaded.state()));
    QCOMPARE(loaded->FrameRecords.size(), 3);
    QCOMPARE(loaded->FrameRecords[0].ClearSizes, std::optional<ClearSizeSet>(a));
    QCOMPARE(loaded->FrameRecords[1].ClearSizes, std::optional<ClearSizeSet>(wide));
    QCOMPARE(loaded->FrameRecords[2].ClearSizes, std::optional<ClearSizeSet>(c));
    QCOMPARE(projectClearSizes(loaded.state()), c); // the last mark's stay project-wide

    // A mark's clear sizes are part of what is compared for the save question.
    QVERIFY(!ProjectChanged(loaded.state()));
    loaded->FrameRecords[1].ClearSizes->Widths[0] = 6;
    QVERIFY(ProjectChanged(loaded.state()));
    VERIFY_DIALOGS(dialogs);
}

QTEST_GUILESS_MAIN(TestClearSizes)
#include "tst_clearsizes.moc"
