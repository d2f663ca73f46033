// The options window's rules without the window: what it offers per fill type and code, and the
// step on to the next compartment after "O.K." (and after a panel's code in the drawing window).
#include "drawing/CompartmentOptions.h"
#include "drawing/CompartmentSelection.h"
#include "model/Vocabularies.h"

#include <QTest>

Q_DECLARE_METATYPE(CompartmentOptions::Offered)

namespace {
class Numbers : public CompartmentSelection {
public:
    bool hasCompartmentNumber() const override { return true; }
    int compartmentNumber() const override { return number; }
    int compartmentNumberMinimum() const override { return minimum; }
    int compartmentNumberMaximum() const override { return maximum; }
    void setCompartmentNumber(int n) override { set << n; number = n; }
    void ReDrawVak() override { ++redraws; }

    int number = 1, minimum = 1, maximum = 1, redraws = 0;
    QList<int> set;
};
}

class TestCompartmentOptions : public QObject {
    Q_OBJECT
private slots:
    void offeredPerFillCode_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("enabled"); // s side, p placement, b breast wall, h toughened glass, r screen
        QTest::newRow("DE") << "DEUR" << "DE" << "br";
        QTest::newRow("D2") << "DEUR" << "D2" << "pbr";
        QTest::newRow("B2") << "DEUR" << "B2" << "pbr";
        QTest::newRow("DU") << "DEUR" << "DU" << "sbr";
        QTest::newRow("SD") << "DEUR" << "SD" << "sbr";
        QTest::newRow("RA") << "RAAM" << "RA" << "hr";
        QTest::newRow("SU") << "RAAM" << "SU" << "shr";
        QTest::newRow("SV, no side list") << "RAAM" << "SV" << "hr";
        QTest::newRow("glazing") << "GLASVAK" << "GL_BU" << "b";
        QTest::newRow("inside glazing") << "GLASVAK" << "GL_BI" << "b";
        QTest::newRow("panel") << "PANEEL" << "PRA" << "br";
        QTest::newRow("no compartment") << "" << "" << "br";
        QTest::newRow("a window's type, no code") << "RAAM" << "" << "hr";
    }

    void offeredPerFillCode()
    {
        QFETCH(QString, type);
        QFETCH(QString, code);
        QFETCH(QString, enabled);
        const CompartmentOptions::Offered o = CompartmentOptions::offered(type, code);
        QCOMPARE(o.grilleSide, enabled.contains('s'));
        QCOMPARE(o.barPlacement, enabled.contains('p'));
        QCOMPARE(o.breastWall, enabled.contains('b'));
        QCOMPARE(o.toughenedGlass, enabled.contains('h'));
        QCOMPARE(o.screen, enabled.contains('r'));
    }

    // On to the next number within the field's range; after the last (or beyond it), the first.
    void nextCompartmentWraps_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("next");
        QTest::newRow("first of three") << 1 << 1 << 3 << 2;
        QTest::newRow("second of three") << 2 << 1 << 3 << 3;
        QTest::newRow("last of three") << 3 << 1 << 3 << 1;
        QTest::newRow("the only one") << 1 << 1 << 1 << 1;
        QTest::newRow("an empty field reads 0") << 0 << 1 << 3 << 1;
        QTest::newRow("beyond the last") << 5 << 1 << 3 << 1;
    }

    void nextCompartmentWraps()
    {
        QFETCH(int, number);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, next);
        Numbers n;
        n.number = number;
        n.minimum = minimum;
        n.maximum = maximum;
        n.selectNextCompartment();
        QCOMPARE(n.set, QList<int>{next});
        QCOMPARE(n.redraws, 0);
    }

    void okFollowsTheDirectionButtons()
    {
        int buttons = 0;
        for (int g = 0; g < CompartmentOptions::GroupCount; ++g) {
            const CompartmentOptions::DirectionGroup &group = CompartmentOptions::directionGroup(g);
            QCOMPARE(group.firstButton, buttons);
            buttons += int(group.choices.size());
        }
        QCOMPARE(buttons, CompartmentOptions::DirectionButtonCount);
        QVERIFY(!CompartmentOptions::directionOfButton(CompartmentOptions::DirectionButtonCount));
    }
};

QTEST_GUILESS_MAIN(TestCompartmentOptions)
#include "tst_compartmentoptions.moc"
