// From the shape window's "Vakvulling" into the drawing window and, with every compartment
// filled, the ready button closing both; the form levels along the way.
#include "MarkBuilder.h"
#include "WindowFixture.h"
#include "platform/widgets/NumericField.h"

#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {
// The main screen as far as the form levels go.
class MainStandIn : public Form {
protected:
    void Form_Load() override { RegisterFormLevel(); }
};
}

class TestShapeToDrawing : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture.init(); }
    void cleanup() { fixture.cleanup(); }

    void vakvullingOpensTheDrawingAndReadyClosesBoth();

private:
    WindowFixture fixture;
};

void TestShapeToDrawing::vakvullingOpensTheDrawingAndReadyClosesBoth()
{
    ProjectState &s = Project();
    s.FrameRecords = {MarkBuilder("A").shape("K;;1;S").size(2000, 2100).members(67, 56, 44)};
    s.MarkCount = 1;
    s.CurrentMarkIndex = 0;
    s.NewShapePending = true;
    QPointer<MainStandIn> main = new MainStandIn;
    main->load();

    for (int round = 0; round < 2; ++round) {
        QPointer<SubVorm> shape = new SubVorm([] { return 1; });
        QVERIFY(shape->load());
        shape->show();
        QCOMPARE(shape->levelTag(), QString("1"));
        shape->B[0]->setValue(800);
        shape->Command2->click();

        QPointer<TekenForm> f = drawingWindow();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->levelTag(), QString("2"));
        QCOMPARE(Project().FormLevel, int16(3));
        QCOMPARE(f->windowTitle(), QString("2 vaks rechthoekig kozijn (breedte x hoogte = 2000 mm x 2100 mm)"));
        const FrameRecord &m = Project().FrameRecords[0];
        QCOMPARE(m.Compartments.size(), qsizetype(2));
        QCOMPARE(m.Compartments[1].ClearWidth, int16(1010)); // 2000 - 2 x 67 - 56 - 800
        QCOMPARE(m.Compartments[1].PosX, int16(923));        // 67 + 800 + 56
        QCOMPARE(m.Compartments[1].PosY, int16(67));
        // Scale 2.9, offsets (1345, 75): (67, 67) -> (1539, 269), one pixel inside; 800 x 1966 at 2.9.
        QCOMPARE(f->Shape1->placed(), (MarkerGeometry{true, 1554, 284, 800 * 2.9, 1966 * 2.9}));

        if (round == 0) {
            f->Command1[1]->click(); // "Raam" on compartment 1 ...
            f->Command2[9]->click(); // ... "Draairaam (Buitendraaiend)"
            f->Num1->setValue(2);
            f->Command1[0]->click();
            f->Command2[0]->click();
        } else {
            // The mark's compartments were kept: the fillings come back and the check passes at once.
            QCOMPARE(m.Compartments[0].FillCode, QString("RA"));
            QCOMPARE(m.Compartments[1].FillCode, QString("DE"));
        }
        f->Command3->click();
        QCOMPARE(Project().FrameRecords[0].IsComplete, true);
        QVERIFY(!f->isLoaded());
        QVERIFY(!shape->isLoaded());
        QVERIFY(main->isLoaded());
        QCOMPARE(Project().FormLevel, int16(1));
        settle();
        QVERIFY(!f && !shape);
        Project().NewShapePending = false;
    }
    VERIFY_DIALOGS(*fixture.dialogs);
}

QTEST_MAIN(TestShapeToDrawing)
#include "tst_shapetodrawing.moc"
