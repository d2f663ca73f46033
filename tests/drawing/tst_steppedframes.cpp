// Every stepped code from the shape window's clear sizes into the drawing window: the frame is
// drawn, every compartment lies where a click finds it, and a picture of each is saved.
#include "MarkBuilder.h"
#include "WindowFixture.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "shape/ShapeCodes.h"

#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {
// Values typed into the first inputs of the rows L, B and R; the row check completes the rest.
struct Typed {
    QList<int> L, B, R;
};
}
Q_DECLARE_METATYPE(Typed)

class TestSteppedFrames : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture.init(); }
    void cleanup() { fixture.cleanup(); }

    void drawnFromTheShapeWindow_data();
    void drawnFromTheShapeWindow();

private:
    WindowFixture fixture;
};

// A frame of 2400 x 2400 (frame 67, mullion 56, transom 44) with sizes that make a plain step.
void TestSteppedFrames::drawnFromTheShapeWindow_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Typed>("typed");
    auto row = [](const char *code, const Typed &t) { QTest::newRow(code) << QString(code) << t; };
    row("L;1", {{1200}, {1000}, {}});
    row("L;2", {{500, 900}, {1000}, {}});
    row("L;4", {{400, 900}, {1000}, {}});
    row("L;5", {{300, 500, 700}, {1000}, {}});
    row("L;6", {{}, {1000}, {800}});
    row("L;1;;;D1", {{600, 700}, {1000}, {}});
    row("L;1;;;D1;D2", {{600, 700}, {1000}, {900}});
    row("L;1;;;D2", {{1200}, {1000}, {900}});
    row("L;7", {{1200}, {700, 400}, {}});
    row("M;1", {{1200}, {600, 900}, {1200}});
    row("M;2", {{1000}, {600, 900}, {500, 1000}});
    row("M;4", {{1200}, {600, 900}, {400, 1200}});
    row("M;5", {{1000}, {600, 900}, {300, 500, 1000}});
    row("M;6", {{}, {600, 1000}, {900}});
    row("M;7", {{1200}, {500, 200, 700, 200}, {1200}});
    row("R;1", {{}, {1000}, {1200}});
    row("R;2", {{}, {1000}, {500, 1000}});
    row("R;4", {{}, {1000}, {400, 1200}});
    row("R;5", {{}, {1000}, {300, 500, 700}});
    row("R;6", {{}, {1000}, {800}});
    row("R;1;;;D1", {{600}, {1000}, {1200}});
    row("R;1;;;D1;D2", {{600}, {1000}, {600, 700}});
    row("R;1;;;D2", {{}, {1000}, {600, 700}});
    row("R;7", {{}, {1000, 400}, {1200}});
}

void TestSteppedFrames::drawnFromTheShapeWindow()
{
    QFETCH(QString, code);
    QFETCH(Typed, typed);
    ProjectState &s = Project();
    s.FrameRecords = {MarkBuilder("A").shape(code).size(2400, 2400).distinctMembers()};
    s.MarkCount = 1;
    s.CurrentMarkIndex = 0;
    s.NewShapePending = true;
    const int k = ShapeCodes::basicShapeOf(code);
    QPointer<SubVorm> shape = new SubVorm([k] { return k; });
    QVERIFY(shape->load());
    shape->show();
    const QList<int> *rows[] = {&typed.L, &typed.B, &typed.R};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < rows[r]->size(); ++i) {
            NumericField *input = shape->input(r, i);
            QVERIFY2(input->isVisibleTo(shape), qPrintable(QString("row %1 input %2 is not shown").arg(r).arg(i)));
            input->setValue(rows[r]->at(i));
        }
    }
    shape->Command2->click(); // "Vakvulling"

    QPointer<TekenForm> f = drawingWindow();
    QVERIFY(f);
    QVERIFY(f->frameState().Sill.isSet);
    const FrameRecord &m = Project().FrameRecords[0];
    // A click in the middle of each opening selects that compartment and no other.
    for (int i = 0; i < m.Compartments.size(); ++i) {
        const CompartmentRecord &c = m.Compartments[i];
        QVERIFY2(c.ClearWidth > 0 && c.ClearHeight > 0, qPrintable(QString::number(i)));
        const auto centre = f->drawTools().map(c.PosX + c.ClearWidth / 2, c.PosY + c.ClearHeight / 2);
        QVERIFY(centre);
        QCOMPARE(f->drawTools().VakAtPoint(&m, centre->x(), centre->y()), int16(i));
    }
    for (int i = 0; i < m.Compartments.size(); ++i) {
        f->Num1->setValue(i + 1);
        if (i == 0) {
            f->Command1[1]->click();
            f->Command2[9]->click(); // "Draairaam (Buitendraaiend)"
        } else {
            f->Command1[3]->click();
            f->Command2[17]->click(); // "Rabat paneel"
        }
    }
    f->Combo1[2]->setListIndex(2);
    f->Num1->setValue(1);
    QString name = code;
    saveShot(f, "stepped-" + name.replace(QRegularExpression(";+"), "-"));
    f->Command3->click(); // every compartment filled: both windows close
    QVERIFY(m.IsComplete);
    VERIFY_DIALOGS(*fixture.dialogs);
}

QTEST_MAIN(TestSteppedFrames)
#include "tst_steppedframes.moc"
