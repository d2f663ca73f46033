// The clear-size layout per shape code: which inputs show, the row maxima, and the places that the
// window and the shape pictures share.
#include "MarkBuilder.h"
#include "shape/ClearSizeEntry.h"
#include "shape/ClearSizeLayout.h"
#include "shape/ShapeCodes.h"

#include <QRect>
#include <QTest>

using namespace ClearSizeLayout;

namespace {
FrameRecord frame(const QString &code) { return MarkBuilder().shape(code).size(3000, 2100).distinctMembers(); }

QString counts(const ShapeLayout &s)
{
    return QString("%1/%2/%3/%4").arg(s.shown(0)).arg(s.shown(1)).arg(s.shown(2)).arg(s.shown(3));
}

QString joined(const std::array<int16, RowCount> &a)
{
    return QString("%1,%2,%3,%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}
}

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void shownInputsAndMaxima_data();
    void shownInputsAndMaxima();
    void everyCodeOnceInButtonOrder();
    void inputsLieOnThePictureApart();
    void places();
    void variantButtons();
    void maximaAsTheyComeOut();
    void upperSectionOfANewShape();
    void texts();
};

// W - 2F - Mu 2810, W - 2F - 2Mu 2754, W - 2F - 3Mu 2698, W - 2F 2866, W - 6F 2598, W - 4F 2732;
// H - 2F 1966, H - 2F - Tr 1922, H - 2F - 2Tr 1878, H - 3F 1899.
void TestLayout::shownInputsAndMaxima_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("maxima");
    auto row = [](const char *code, const char *shown, const char *maxima) {
        QTest::newRow(code) << QString(code) << QString(shown) << QString(maxima);
    };
    row("K", "0/0/0/0", "0,0,0,0");
    row("K;;1;S", "0/2/0/0", "0,2810,0,0");
    row("K;;1;S;2", "0/2/2/0", "0,2810,1922,0");
    row("K;;1;S;1", "2/2/0/0", "1922,2810,0,0");
    row("K;;1;S;1;2", "2/2/2/0", "1922,2810,1922,0");
    row("K;;2;S", "0/3/0/0", "0,2754,0,0");
    row("K;;2;S;D1;D2;D3", "2/3/2/2", "1899,2754,1899,1899");
    row("K;;2;S;D2;S2", "0/4/2/0", "0,2698,1899,0");
    row("K;;2;S;D1;D2;D3;S2", "2/4/2/2", "1899,2698,1899,1899");
    row("K;;2;S;D1;D3", "2/3/2/0", "1899,2754,1899,0");
    row("K;;3;S", "0/4/0/0", "0,2698,0,0");
    row("L;1", "2/2/0/0", "1966,2810,0,0");
    row("L;2", "3/2/0/0", "1922,2810,0,0");
    row("L;4", "3/2/0/0", "1966,2810,0,0");
    row("L;5", "4/2/0/0", "1922,2810,0,0");
    row("L;6", "0/2/2/0", "0,2810,1922,0");
    row("L;1;;;D1", "3/2/0/0", "1922,2810,0,0");
    row("L;1;;;D1;D2", "3/2/2/0", "1922,2810,1922,0");
    row("L;1;;;D2", "2/2/2/0", "1966,2810,1922,0");
    row("L;7", "2/3/0/0", "1966,2754,0,0");
    row("M;1", "2/3/2/0", "1966,2754,1966,0");
    row("M;2", "2/3/3/0", "1922,2754,1922,0");
    row("M;4", "2/3/3/0", "1966,2754,1966,0");
    row("M;5", "2/3/4/0", "1922,2754,1922,0");
    row("M;6", "0/3/2/0", "0,2866,1966,0");
    row("M;7", "2/5/2/0", "1966,2598,1966,0");
    row("R;1", "0/2/2/0", "0,2810,1966,0");
    row("R;2", "0/2/3/0", "0,2810,1922,0");
    row("R;4", "0/2/3/0", "0,2810,1966,0");
    row("R;5", "0/2/4/0", "0,2810,1922,0");
    row("R;6", "0/2/2/0", "0,2810,1899,0");
    row("R;1;;;D1", "2/2/2/0", "1922,2810,1966,0");
    row("R;1;;;D1;D2", "2/2/3/0", "1922,2810,1922,0");
    row("R;1;;;D2", "0/2/3/0", "0,2810,1922,0");
    row("R;7", "0/3/2/0", "0,2732,1966,0");
    row("K;;1;D", "2/0/0/0", "1922,0,0,0");
    row("K;;1;D;S1;S3", "2/3/0/0", "1922,2754,0,0");
    row("K;;1;D;S1;S3;D1;D4", "2/3/3/0", "1878,2754,1878,0");
    row("K;;1;S;D1;D2;S2", "2/3/2/0", "1922,2754,1922,0");
    row("K;;1;S;D1;S1;D2;S1", "2/3/2/0", "1922,2754,1922,0");
    row("K;;1;S;D1;D2;S2;D5", "2/3/3/0", "1922,2754,1878,0");
    row("K;;1;S;D1;D2;S1;D1", "3/3/2/0", "1878,2754,1922,0");
    row("K0", "0/0/0/0", "0,0,0,0");
}

void TestLayout::shownInputsAndMaxima()
{
    QFETCH(QString, code);
    QFETCH(QString, shown);
    QFETCH(QString, maxima);
    const ShapeLayout *s = find(code);
    QVERIFY(s);
    QCOMPARE(counts(*s), shown);
    QCOMPARE(joined(ClearSizeLayout::maxima(frame(code))), maxima);

    // The layout writes the same maxima into the project.
    ScopedProject project;
    project->FrameRecords = {frame(code)};
    project->MarkCount = 1;
    project->ClearSizeMax = {9, 9, 9, 9};
    applyShapeLayout(project.state());
    QCOMPARE(joined(project->ClearSizeMax), maxima);
}

void TestLayout::everyCodeOnceInButtonOrder()
{
    QCOMPARE(all().size(), ShapeCodes::all().size());
    for (int i = 0; i < all().size(); ++i) QCOMPARE(all()[i].code, ShapeCodes::all()[i].code);
    QVERIFY(!find("k"));
    QVERIFY(!find("L;1;"));
    QVERIFY(!find(""));

    ScopedProject project;
    project->FrameRecords = {frame("L;1 ")};
    project->MarkCount = 1;
    project->ClearSizeMax = {9, 9, 9, 9};
    applyShapeLayout(project.state());
    QCOMPARE(joined(project->ClearSizeMax), QString("0,0,0,0"));
}

// The inputs stay inside the 450 x 325 picture and never cover one another, and so do the
// places of the two printed sizes.
void TestLayout::inputsLieOnThePictureApart()
{
    const QRect picture(0, 0, PictureWidth, PictureHeight);
    for (const ShapeLayout &s : all()) {
        QList<QRect> boxes;
        for (int r = 0; r < RowCount; ++r) {
            QVERIFY(s.shown(r) <= RowLength[r]);
            for (int i = 0; i < s.shown(r); ++i) boxes << QRect(s.inputPosition(r, i), QSize(InputWidth, InputHeight));
        }
        for (int a = 0; a < boxes.size(); ++a) {
            QVERIFY2(picture.contains(boxes[a]), qPrintable(s.code));
            for (int b = a + 1; b < boxes.size(); ++b) QVERIFY2(!boxes[a].intersects(boxes[b]), qPrintable(s.code));
        }
        QVERIFY(picture.contains(s.widthText));
        QVERIFY(picture.contains(s.heightText));
    }
}

void TestLayout::places()
{
    const ShapeLayout *s = find("K;;1;S");
    QCOMPARE(s->inputPosition(RowB, 0), QPoint(122, 262));
    QCOMPARE(s->inputPosition(RowB, 1), QPoint(195, 262));
    QCOMPARE(s->widthText, QPoint(157, 302));
    QCOMPARE(s->heightText, QPoint(343, 180));

    const ShapeLayout *m5 = find("M;5");
    const ShapeLayout *m1 = find("M;1");
    QCOMPARE(m5->inputPosition(RowR, 0), QPoint(270, 16));
    QCOMPARE(m5->inputPosition(RowR, 3), QPoint(270, 206));
    QCOMPARE(m1->inputPosition(RowR, 0), QPoint(270, 126));
    QCOMPARE(m1->inputPosition(RowR, 1), QPoint(270, 206));
    QCOMPARE(m1->inputPosition(RowR, 2), QPoint()); // not shown

    const ShapeLayout *k3 = find("K;;3;S");
    for (int i = 0; i < 4; ++i) QCOMPARE(k3->inputPosition(RowB, i).y(), 260);
    QCOMPARE(k3->inputPosition(RowB, 3).x(), 242);

    const ShapeLayout *d2 = find("K;;2;S;D1;D2;D3");
    QCOMPARE(d2->inputPosition(RowM, 1), QPoint(306, 208));
    QCOMPARE(d2->inputPosition(RowR, 1), QPoint(363, 186));
    QCOMPARE(d2->inputPosition(RowL, 0), QPoint(60, 110));

    for (const char *code : {"K", "K0"}) {
        QCOMPARE(find(code)->widthText, QPoint(173, 301));
        QCOMPARE(find(code)->heightText, QPoint(343, 175));
    }
    QCOMPARE(find("L;1;;;D1")->heightText, QPoint(20, 182));
    QCOMPARE(find("K;;1;D;S1;S3;D1;D4")->inputPosition(RowR, 2), QPoint(285, 191));
}

void TestLayout::variantButtons()
{
    QCOMPARE(find("K")->variantButton(), -1);
    QCOMPARE(find("K0")->variantButton(), -1);
    QCOMPARE(find("K;;3;S")->variantButton(), -1);
    QCOMPARE(find("K;;1;S")->variantButton(), 0);
    QCOMPARE(find("M;5")->variantButton(), 3);
    QCOMPARE(find("L;7")->variantButton(), 8);
    QCOMPARE(find("K;;1;S;D1;D2;S1;D1")->variantButton(), 3);
}

void TestLayout::maximaAsTheyComeOut()
{
    FrameRecord m = frame("K;;1;S");
    m.Width = 100;
    m.MullionThickness = 67;
    QCOMPARE(int(ClearSizeLayout::maxima(m)[RowB]), -101);

    // H = 2100 and F = 67 give 1899 whatever the transom; W = 3000 gives 2598 for "M;7" whatever the mullion.
    m = frame("K;;2;S;D1;D2;D3");
    m.TransomThickness = 500;
    QCOMPARE(joined(ClearSizeLayout::maxima(m)), QString("1899,2754,1899,1899"));
    m = frame("M;7");
    m.MullionThickness = 900;
    QCOMPARE(int(ClearSizeLayout::maxima(m)[RowB]), 2598);

    // Beyond 16 bits: kept as 0, so that the row reads as leaving no room.
    m.FrameThickness = 20000;
    QCOMPARE(joined(ClearSizeLayout::maxima(m)), QString("0,0,0,0"));
}

void TestLayout::upperSectionOfANewShape()
{
    for (const ShapeLayout &s : all()) {
        ScopedProject project;
        project->FrameRecords = {frame(s.code)};
        project->FrameRecords[0].UpperSectionHeight = 77;
        project->MarkCount = 1;
        project->NewShapePending = true;
        applyShapeLayout(project.state());
        const bool band = QStringList{"L;5", "M;4", "M;5", "R;4", "R;5"}.contains(s.code);
        QCOMPARE(int(project->FrameRecords[0].UpperSectionHeight), band ? 1 : 0);

        project->FrameRecords[0].UpperSectionHeight = 77;
        project->NewShapePending = false;
        applyShapeLayout(project.state());
        QCOMPARE(int(project->FrameRecords[0].UpperSectionHeight), 77);
    }
}

void TestLayout::texts()
{
    QCOMPARE(sizeLabel(1200), QString(" 1200"));
    QCOMPARE(sizeLabel(0), QString(" 0"));
    QCOMPARE(sizeLabel(-5), QString("-5"));
    QCOMPARE(missingPictureMessage("K;;1;S"), QString("IMG\\K;;1;S.BMP niet gevonden !"));
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
