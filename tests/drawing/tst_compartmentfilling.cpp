// What a fill type or fill code does to a compartment's record, without the drawing window.
#include "TestSupport.h"
#include "drawing/CompartmentFilling.h"

#include <QtTest>

namespace {
// A compartment with every filling field set, two parts with options, and its place and size.
CompartmentRecord optioned(const QString &type, const QString &code)
{
    CompartmentRecord c;
    c.FillType = type;
    c.FillCode = code;
    c.OpensInward = true;
    c.Direction = 2;
    c.BreastWallHeight = 600;
    c.AppliedBars = true;
    c.PosX = 67;
    c.PosY = 67;
    c.ClearWidth = 800;
    c.ClearHeight = 1966;
    c.ExtraText = "extra";
    c.ToughenedGlass = true;
    c.ScreenName = "Rolhor";
    c.Parts = {CompartmentPartRecord{1, 2, 3, 4, "5L", 2, 3}, CompartmentPartRecord{5, 6, 7, 8, "5R", 1, 1}};
    return c;
}

// Only place, size and the parts are left.
CompartmentRecord emptied(const CompartmentRecord &c)
{
    CompartmentRecord e;
    e.PosX = c.PosX;
    e.PosY = c.PosY;
    e.ClearWidth = c.ClearWidth;
    e.ClearHeight = c.ClearHeight;
    e.Parts = c.Parts;
    return e;
}

const FillCodeInfo &code(const QString &c)
{
    const FillCodeInfo *info = FillCodes::find(c);
    Q_ASSERT(info);
    return *info;
}
}

class TestCompartmentFilling : public QObject {
    Q_OBJECT
private slots:
    void clearingKeepsPlaceSizeAndParts()
    {
        CompartmentRecord c = optioned("DEUR", "D2");
        const CompartmentRecord before = c;
        CompartmentFilling::clear(c);
        QCOMPARE(c, emptied(before));
    }

    void aFillTypeEmptiesTheCompartment_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("code");  // what the type alone sets
        QTest::addColumn<int>("parts");     // -1: the parts stay as they were
        QTest::newRow("door") << "DEUR" << "" << -1;
        QTest::newRow("window") << "RAAM" << "" << -1;
        QTest::newRow("panel") << "PANEEL" << "" << -1;
        QTest::newRow("glass is complete at once") << "GLASVAK" << "GL_BU" << 1;
    }
    void aFillTypeEmptiesTheCompartment()
    {
        QFETCH(QString, type);
        QFETCH(QString, code);
        QFETCH(int, parts);
        CompartmentRecord c = optioned("RAAM", "SU");
        CompartmentRecord expected = emptied(c);
        expected.FillType = type;
        expected.FillCode = code;
        if (parts >= 0) expected.Parts = QList<CompartmentPartRecord>(parts);
        CompartmentFilling::setFillType(c, type);
        QCOMPARE(c, expected);
    }

    void aFillCode_data()
    {
        QTest::addColumn<QString>("fromType");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("changesType");
        QTest::addColumn<int>("direction");
        QTest::newRow("door code on a door keeps its options") << "DEUR" << "D2" << false << 2;
        QTest::newRow("window code on a door empties it") << "DEUR" << "RA" << true << 0;
        QTest::newRow("panel code on a window empties it") << "RAAM" << "PRA" << true << 0;
        QTest::newRow("door code on an empty compartment") << "" << "DE" << true << 0;
        QTest::newRow("lift-slide door opens to the left") << "DEUR" << "SD" << false << 1;
        QTest::newRow("lift-slide door on a window") << "RAAM" << "SD" << true << 1;
    }
    void aFillCode()
    {
        QFETCH(QString, fromType);
        QFETCH(QString, code);
        QFETCH(bool, changesType);
        QFETCH(int, direction);
        const FillCodeInfo &info = ::code(code);
        CompartmentRecord c = optioned(fromType, "XX");
        QCOMPARE(CompartmentFilling::changesFillType(c, info), changesType);
        CompartmentRecord expected = changesType ? emptied(c) : c;
        expected.FillType = info.fillType;
        expected.FillCode = code;
        expected.Direction = int16(direction == 1 ? 1 : expected.Direction);
        expected.Parts = QList<CompartmentPartRecord>(info.parts); // fresh parts, as many as the code has
        CompartmentFilling::setFillCode(c, info);
        QCOMPARE(c, expected);
        QCOMPARE(c.Direction, int16(direction));
    }
};

QTEST_MAIN(TestCompartmentFilling)
#include "tst_compartmentfilling.moc"
