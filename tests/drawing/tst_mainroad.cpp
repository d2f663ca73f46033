// The main road in one go: the program starts, a new mark gets a shape and its clear sizes,
// "Vakvulling" opens the drawing window, every compartment is filled, "O.K." closes the drawing
// and shape windows, "Opslaan" saves, and a fresh start loads the marks back as entered.
#include "../mainwindow/ProgramFixture.h"
#include "app/AppWindowOpener.h"
#include "drawing/options/SubVakken.h"
#include "drawing/window/TekenForm.h"
#include "platform/widgets/NumericField.h"
#include "shape/window/SubVorm.h"

#include <QToolButton>
#include <QtTest>

namespace {
template <typename W>
W *loaded()
{
    for (Form *f : Form::loadedForms())
        if (auto *w = qobject_cast<W *>(f)) return w;
    return nullptr;
}
// A new mark 2000 x 2100 with one mullion ("K;;1;S"), frame 67, mullion 56, transom 44, the left
// opening 800 wide: "Vakvulling" opens the drawing window over the shape window.
TekenForm *twoOpenings(Program &p, const QString &label, QPointer<SubVorm> &shape)
{
    p.newMark(label, 2000, 2100);
    p.s().Num1[4]->setValue(67);
    p.s().Num1[6]->setValue(56);
    p.s().Num1[7]->setValue(44);
    QApplication::setActiveWindow(p.frame);
    QTest::mouseClick(p.s().Command2[1], Qt::LeftButton);
    shape = qobject_cast<SubVorm *>(p.s().shapeWindowOpen());
    if (!shape) return nullptr;
    shape->B[0]->setValue(800);
    shape->Command2->click(); // "Vakvulling"
    return loaded<TekenForm>();
}
}

class TestMainRoad : public QObject {
    Q_OBJECT
private slots:
    void newMarkToSavedProjectAndBack();
    void optionsChosenAreSavedAndLoadedBack();
    void steppedFrameToSavedProjectAndBack_data();
    void steppedFrameToSavedProjectAndBack();
};

void TestMainRoad::newMarkToSavedProjectAndBack()
{
    TestFolder folder;
    AppWindowOpener windows;
    ScopedWindowOpener installed(&windows);
    QString saved;
    {
        setFixedNow(QDateTime(QDate(2026, 3, 5), QTime(14, 7, 30)));
        Program p;
        QVERIFY(p.start());
        QPointer<SubVorm> shape;
        QPointer<TekenForm> f = twoOpenings(p, "A", shape);
        QVERIFY(f && shape);
        QCOMPARE(f->levelTag(), QString("2"));
        f->Combo1[0]->setListIndex(3);
        f->Combo1[1]->setListIndex(2);
        f->Combo1[2]->setListIndex(2);
        f->Command1[1]->click();
        f->Command2[10]->click(); // "Draairaam (Binnendraaiend)" in compartment 1
        f->Num1->setValue(2);
        f->Command1[3]->click();
        f->Command2[17]->click(); // "Rabat paneel" in compartment 2
        f->Text1->setText("Achtergevel");
        saveShot(f, "mainroad-tekenform");
        f->Command3->click();
        QVERIFY(!f->isLoaded() && !shape->isLoaded());
        QVERIFY(p.screen->isLoaded());
        QCOMPARE(p.state().FormLevel, int16(1));
        QVERIFY(p.state().FrameRecords[0].IsComplete);

        saved = p.saveThroughMenu();
        QVERIFY(QFile::exists(saved));
        VERIFY_DIALOGS(p.dialogs);
    }

    Program q;
    QVERIFY(q.start());
    q.openThroughMenu(saved);
    QCOMPARE(q.marks(), QStringList{"A"});
    const FrameRecord &m = q.state().FrameRecords[0];
    QCOMPARE(m.ShapeCode, QString("K;;1;S"));
    QCOMPARE(m.Width, int16(2000));
    QCOMPARE(m.Height, int16(2100));
    QCOMPARE(m.Colour, QString("Antraciet RAL 7016"));
    QCOMPARE(m.CavityBatten, QString("Spouwlat 40 mm"));
    QCOMPARE(m.Sill, QString("Kunststeen onderdorpel"));
    QCOMPARE(m.Remark, QString("Achtergevel"));
    QVERIFY(!m.IsComplete); // confirmed again in the drawing window: the file does not keep it
    QCOMPARE(m.Compartments.size(), qsizetype(2));
    const CompartmentRecord &c0 = m.Compartments[0];
    const CompartmentRecord &c1 = m.Compartments[1];
    QCOMPARE(c0.FillType, QString("RAAM"));
    QCOMPARE(c0.FillCode, QString("RB"));
    QCOMPARE(c0.Parts.size(), qsizetype(1));
    QCOMPARE(c1.FillType, QString("PANEEL"));
    QCOMPARE(c1.FillCode, QString("PRA"));
    QCOMPARE(c1.Parts.size(), qsizetype(1));
    QCOMPARE(c0.ClearWidth, int16(800));
    QCOMPARE(c1.ClearWidth, int16(1010)); // 2000 - 2 x 67 - 56 - 800
    QCOMPARE(c0.ClearHeight, int16(1966));
    QCOMPARE(c0.PosX, int16(67));
    QCOMPARE(c1.PosX, int16(923));
    QCOMPARE(c1.PosY, int16(67));
    VERIFY_DIALOGS(q.dialogs);
}

void TestMainRoad::optionsChosenAreSavedAndLoadedBack()
{
    TestFolder folder;
    AppWindowOpener windows;
    ScopedWindowOpener installed(&windows);
    QString saved;
    {
        setFixedNow(QDateTime(QDate(2026, 3, 5), QTime(15, 12, 0)));
        Program p;
        QVERIFY(p.start());
        QPointer<SubVorm> shape;
        QPointer<TekenForm> f = twoOpenings(p, "B", shape);
        QVERIFY(f && shape);

        // Compartment 1, 800 x 1966: an inward window hung left, operated grille, applied bars,
        // toughened glass and a screen.
        f->Command1[1]->click();
        f->Command2[10]->click(); // "Draairaam (Binnendraaiend)"
        QPointer<SubVakken> w = loaded<SubVakken>();
        QVERIFY(w);
        w->Command1[4]->click();
        QVERIFY(w->Combo1[0]->setListIndex(8)); // "Vent.rooster bed. R stang"
        w->Num1[0]->setValue(2);
        w->Num1[1]->setValue(1);
        w->Check1[0]->click();
        w->Check1[1]->click();
        QVERIFY(w->Combo1[5]->setListIndex(1)); // "Rolhor"
        saveShot(f, "mainroad-options-window");
        w->OK->click();
        QCOMPARE(f->Num1->value(), 2);

        // Compartment 2, 1010 x 1966: inside glazing on a breast wall of 600 with a slot grille.
        f->Command1[2]->click();
        w = loaded<SubVakken>();
        QVERIFY(w);
        QVERIFY(w->Combo1[4]->setListIndex(1));
        QCOMPARE(w->Combo1[3]->entry(3), QString("600"));
        QVERIFY(w->Combo1[3]->setListIndex(3));
        QVERIFY(w->Combo1[0]->setListIndex(1));
        saveShot(w, "mainroad-subvakken-glass");
        saveShot(f, "mainroad-options-drawn");
        w->OK->click();
        QCOMPARE(f->Num1->value(), 1);

        f->Command3->click();
        QVERIFY(!f->isLoaded() && !shape->isLoaded());
        saved = p.saveThroughMenu();
        VERIFY_DIALOGS(p.dialogs);
    }

    Program q;
    QVERIFY(q.start());
    q.openThroughMenu(saved);
    const FrameRecord &m = q.state().FrameRecords[0];
    QCOMPARE(m.Mark, QString("B"));
    const CompartmentRecord &window = m.Compartments[0];
    QCOMPARE(window.FillCode, QString("RB"));
    QCOMPARE(window.Direction, int16(1));
    QCOMPARE(window.OpensInward, true);
    QCOMPARE(window.AppliedBars, true);
    QCOMPARE(window.ToughenedGlass, true);
    QCOMPARE(window.ScreenName, QString("Rolhor"));
    QCOMPARE(window.BreastWallHeight, int16(0));
    // Toughened glass: no sash, the pane is the whole opening.
    CompartmentPartRecord pane{0, 0, 800, 1966, "5R", 2, 1};
    QCOMPARE(window.Parts, QList<CompartmentPartRecord>{pane});

    const CompartmentRecord &glass = m.Compartments[1];
    QCOMPARE(glass.FillType, QString("GLASVAK"));
    QCOMPARE(glass.FillCode, QString("GL_BI"));
    QCOMPARE(glass.Direction, int16(0));
    QCOMPARE(glass.BreastWallHeight, int16(600));
    QCOMPARE(glass.ToughenedGlass, false);
    QCOMPARE(glass.ScreenName, QString());
    CompartmentPartRecord above{0, 0, 1010, 1366, "1", 0, 0}; // 1966 - 600
    QCOMPARE(glass.Parts, QList<CompartmentPartRecord>{above});
    VERIFY_DIALOGS(q.dialogs);
}

// Frame 2400 x 2400, frame 67, mullion 56, transom 44; the sizes typed into the first inputs of the
// rows L, B and R, the row checks completing the rest.
void TestMainRoad::steppedFrameToSavedProjectAndBack_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QList<QList<int>>>("typed");
    QTest::addColumn<QList<QRect>>("compartments"); // position and clear size
    // 0: B0 x L0; 1: B1 = 2210 - 1000 x (H - 2F); 2: B0 x L1, under a transom at 67 + 600.
    QTest::newRow("left") << 4 << 5 << "L;1;;;D1" << QList<QList<int>>{{600, 700}, {1000}, {}}
                          << QList<QRect>{{67, 67, 1000, 600}, {1123, 67, 1210, 2266}, {67, 711, 1000, 700}};
    // Widths 500, gap 200, 700, 200, 1998 - 1600 = 398; the middle column at B(1) + 67 + 500 + 112.
    QTest::newRow("middle") << 5 << 5 << "M;7" << QList<QList<int>>{{1200}, {500, 200, 700, 200}, {1200}}
                            << QList<QRect>{{67, 67, 500, 1200}, {879, 67, 700, 2266}, {1935, 67, 398, 1200}};
    // 0 across the top, 500 high; 1: 2266 - 500 - 44 high; 2: 1210 x R(1), both under the transom.
    QTest::newRow("right") << 6 << 1 << "R;2" << QList<QList<int>>{{}, {1000}, {500, 1000}}
                           << QList<QRect>{{67, 67, 2266, 500}, {67, 611, 1000, 1722}, {1123, 611, 1210, 1000}};
}

void TestMainRoad::steppedFrameToSavedProjectAndBack()
{
    QFETCH(int, button);
    QFETCH(int, variant);
    QFETCH(QString, code);
    QFETCH(QList<QList<int>>, typed);
    QFETCH(QList<QRect>, compartments);
    TestFolder folder;
    AppWindowOpener windows;
    ScopedWindowOpener installed(&windows);
    QString saved;
    {
        setFixedNow(QDateTime(QDate(2026, 3, 6), QTime(9, 30, 0)));
        Program p;
        QVERIFY(p.start());
        p.newMark("S", 2400, 2400);
        p.s().Num1[4]->setValue(67);
        p.s().Num1[6]->setValue(56);
        p.s().Num1[7]->setValue(44);
        QApplication::setActiveWindow(p.frame);
        QTest::mouseClick(p.s().Command2[button], Qt::LeftButton);
        QPointer<SubVorm> shape = qobject_cast<SubVorm *>(p.s().shapeWindowOpen());
        QVERIFY(shape);
        shape->Command1[variant]->click();
        QCOMPARE(p.state().FrameRecords[0].ShapeCode, code);
        for (int r = 0; r < 3; ++r)
            for (int i = 0; i < typed[r].size(); ++i) shape->input(r, i)->setValue(typed[r][i]);
        shape->Command2->click(); // "Vakvulling"

        QPointer<TekenForm> f = loaded<TekenForm>();
        QVERIFY(f);
        QVERIFY(f->frameState().Sill.isSet);
        for (int i = 0; i < compartments.size(); ++i) {
            f->Num1->setValue(i + 1);
            f->Command1[3]->click();
            f->Command2[17]->click(); // "Rabat paneel"
        }
        f->Combo1[2]->setListIndex(2);
        f->Command3->click();
        QVERIFY(!f->isLoaded() && !shape->isLoaded());
        QVERIFY(p.state().FrameRecords[0].IsComplete);
        saved = p.saveThroughMenu();
        VERIFY_DIALOGS(p.dialogs);
    }

    Program q;
    QVERIFY(q.start());
    q.openThroughMenu(saved);
    const FrameRecord &m = q.state().FrameRecords[0];
    QCOMPARE(m.ShapeCode, code);
    QCOMPARE(m.Sill, QString("Kunststeen onderdorpel"));
    QCOMPARE(m.Compartments.size(), compartments.size());
    for (int i = 0; i < compartments.size(); ++i) {
        const CompartmentRecord &c = m.Compartments[i];
        QCOMPARE(QRect(c.PosX, c.PosY, c.ClearWidth, c.ClearHeight), compartments[i]);
        QCOMPARE(c.FillCode, QString("PRA"));
    }
    VERIFY_DIALOGS(q.dialogs);
}

QTEST_MAIN(TestMainRoad)
#include "tst_mainroad.moc"
