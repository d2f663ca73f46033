// The main road in one go: the program starts, a new mark gets a shape and its clear sizes,
// "Vakvulling" opens the drawing window, every compartment is filled, "O.K." closes the drawing
// and shape windows, "Opslaan" saves, and a fresh start loads the marks back as entered.
#include "../mainwindow/ProgramFixture.h"
#include "app/AppWindowOpener.h"
#include "drawing/window/TekenForm.h"
#include "shape/window/SubVorm.h"

#include <QToolButton>
#include <QtTest>

namespace {
TekenForm *drawingWindow()
{
    for (Form *f : Form::loadedForms())
        if (auto *t = qobject_cast<TekenForm *>(f)) return t;
    return nullptr;
}
}

class TestMainRoad : public QObject {
    Q_OBJECT
private slots:
    void newMarkToSavedProjectAndBack();
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
        p.newMark("A", 2000, 2100);
        p.s().Num1[4]->setValue(67);
        p.s().Num1[6]->setValue(56);
        p.s().Num1[7]->setValue(44);
        QApplication::setActiveWindow(p.frame);
        QTest::mouseClick(p.s().Command2[1], Qt::LeftButton); // one mullion: "K;;1;S"
        QPointer<SubVorm> shape = p.s().shapeWindowOpen();
        QVERIFY(shape);
        shape->B[0]->setValue(800);
        shape->Command2->click(); // "Vakvulling"

        QPointer<TekenForm> f = drawingWindow();
        QVERIFY(f);
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

        p.dialogs.answer(MsgAnswer::OK); // "De tekeningen zijn opgeslagen !"
        p.frame->Save->trigger();
        saved = p.state().ProjectFileName;
        QVERIFY(QFile::exists(saved));
        VERIFY_DIALOGS(p.dialogs);
    }

    Program q;
    QVERIFY(q.start());
    q.dialogs.answerOpen({saved});
    q.frame->Openen->trigger();
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

QTEST_MAIN(TestMainRoad)
#include "tst_mainroad.moc"
