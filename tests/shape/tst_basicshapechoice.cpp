// What a shape button of the main screen does to the mark on screen, without the screen: the code
// it takes, the question on a change of basic shape, and the loose window without a frame.
#include "MarkBuilder.h"
#include "TestSupport.h"

#include "shape/BasicShapeChoice.h"

#include <QtTest>

namespace {
const QString Question = QStringLiteral("Wilt u de vorm van het kozijn wijzigen ?");
}

class BasicShapeChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void choose_data()
    {
        QTest::addColumn<QString>("code");    // the mark's shape code before the click
        QTest::addColumn<QString>("current"); // the screen's current basic code
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("answer"); // 0: no question
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("codeAfter");
        QTest::addColumn<QString>("currentAfter");
        QTest::addColumn<bool>("newShape"); // NewShapePending and ShapeChanged
        QTest::addColumn<int>("thickness"); // FrameThickness after, from 67
        QTest::newRow("new mark") << "" << "" << 4 << 0 << true << "L;1" << "L;1" << false << 67;
        QTest::newRow("same basic shape keeps the variant")
            << "K;;1;S;2" << "K;;1;S" << 1 << 0 << true << "K;;1;S;2" << "K;;1;S" << false << 67;
        QTest::newRow("change, yes") << "K;;1;S;2" << "K;;1;S" << 2 << int(MsgAnswer::Yes) << true << "K;;2;S"
                                     << "K;;2;S" << true << 67;
        QTest::newRow("change, no") << "K;;1;S;2" << "K;;1;S" << 2 << int(MsgAnswer::No) << false << "K;;1;S;2"
                                    << "K;;1;S" << false << 67;
        QTest::newRow("new loose window") << "" << "" << 9 << 0 << true << "K0" << "K0" << false << 0;
        QTest::newRow("to the loose window, yes")
            << "K" << "K" << 9 << int(MsgAnswer::Yes) << true << "K0" << "K0" << true << 0;
        QTest::newRow("to the loose window, no")
            << "K" << "K" << 9 << int(MsgAnswer::No) << false << "K" << "K" << false << 67;
        QTest::newRow("away from the loose window, no")
            << "K0" << "K0" << 0 << int(MsgAnswer::No) << false << "K0" << "K0" << false << 0;
    }
    void choose()
    {
        QFETCH(QString, code);
        QFETCH(QString, current);
        QFETCH(int, button);
        QFETCH(int, answer);
        QFETCH(bool, accepted);
        QFETCH(QString, codeAfter);
        QFETCH(QString, currentAfter);
        QFETCH(bool, newShape);
        QFETCH(int, thickness);
        ScriptedDialogs dialogs;
        if (answer) dialogs.answer(answer, Question, "Zandrel tofmaar");
        ProjectState s;
        FrameRecord m = MarkBuilder().shape(code).frameThickness(67);
        QCOMPARE(chooseBasicShape(s, m, current, button), accepted);
        VERIFY_DIALOGS(dialogs);
        if (answer) QCOMPARE(dialogs.shown.last().style, MsgStyle::Question | MsgStyle::YesNo);
        QCOMPARE(m.ShapeCode, codeAfter);
        QCOMPARE(current, currentAfter);
        QCOMPARE(s.NewShapePending, newShape);
        QCOMPARE(s.ShapeChanged, newShape);
        QCOMPARE(m.FrameThickness, int16(thickness));
    }

    // Storing the screen into a loose window keeps it without a frame, whatever the field shows.
    void theLooseWindowStaysWithoutAFrame()
    {
        for (const auto &[code, thickness] : {std::pair{"K0", 0}, std::pair{"K", 67}, std::pair{"", 67}}) {
            FrameRecord m = MarkBuilder().shape(code).frameThickness(67);
            keepLooseWithoutFrame(m);
            QCOMPARE(m.FrameThickness, int16(thickness));
        }
    }
};

QTEST_GUILESS_MAIN(BasicShapeChoiceTest)
#include "tst_basicshapechoice.moc"
