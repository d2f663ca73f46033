// The filling of one compartment, recorded: the part geometry per fill code, panel patterns,
// breast walls, opening lines, vent grilles, glazing bars, the hinge, lock, handle and stay marks,
// erasing, and the small and half-filled compartments that must neither hang nor crash.
//
// The canvas is as many twips as the frame has millimetres, so a recorded position is the frame
// position itself. The compartment lies at (67, 67); every expected value below is worked out by
// hand, rounding halves to even.
#include "MarkBuilder.h"
#include "drawing/CompartmentSymbols.h"
#include "model/Vocabularies.h"
#include "platform/ImageCanvas.h"
#include "platform/RecordingCanvas.h"

#include <QtTest>

namespace {
constexpr int X = 67;
constexpr int Y = 67;

QString describe(const CanvasOp &op)
{
    const auto pt = [](QPoint p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); };
    QString s;
    switch (op.kind) {
    case CanvasOp::Line: s = "line " + pt(op.p1) + " " + pt(op.p2); break;
    case CanvasOp::Box: s = "box " + pt(op.p1) + " " + pt(op.p2); break;
    case CanvasOp::Circle: s = "circle " + pt(op.p1) + " " + QString::number(op.radius); break;
    case CanvasOp::Print: return "print " + pt(op.p1) + " " + op.text;
    case CanvasOp::Cls: return "cls";
    }
    if (op.state.DrawStyle == DrawStyles::Invisible)
        return s + QStringLiteral(" fill %1 %2").arg(op.state.FillStyle).arg(op.state.FillColor.name());
    if (op.state.DrawStyle == DrawStyles::Dot) s += " dotted";
    if (op.state.ForeColor == op.state.BackColor) s += " erase";
    return s;
}

bool inside(const CanvasOp &op, const CompartmentRecord &c)
{
    const QRect r(QPoint(c.PosX, c.PosY), QPoint(c.PosX + c.ClearWidth, c.PosY + c.ClearHeight));
    return r.contains(op.p1) && r.contains(op.p2);
}

bool diagonal(const CanvasOp &op)
{
    return op.kind == CanvasOp::Line && op.p1.x() != op.p2.x() && op.p1.y() != op.p2.y();
}

// A frame of 4000 x 3000 mm, frame members 67 mm, with one compartment at (67, 67).
struct Bench {
    FrameRecord mark = MarkBuilder().frameThickness(67);
    RecordingCanvas canvas{4000, 3000};
    DrawTools tools{canvas};
    CompartmentSymbols symbols{tools};

    Bench() { tools.SetDrawScale(4000, 3000); }

    // Parts as the fill code makes them, each holding a value the redraw must overwrite.
    CompartmentRecord &compartment(const QString &type, const QString &code, int cw, int ch, int direction = 0,
                           bool inward = false)
    {
        CompartmentRecord c;
        c.FillType = type;
        c.FillCode = code;
        c.PosX = X;
        c.PosY = Y;
        c.ClearWidth = int16(cw);
        c.ClearHeight = int16(ch);
        c.Direction = int16(direction);
        c.OpensInward = inward;
        const FillCodeInfo *info = FillCodes::find(code);
        c.Parts = QList<CompartmentPartRecord>(info ? info->parts : 0, CompartmentPartRecord{1, 2, 3, 4, {}, 0, 0});
        mark.Compartments = {c};
        return mark.Compartments[0];
    }

    // The compartment of a test row with the columns of addCompartmentColumns().
    CompartmentRecord &compartmentFromData()
    {
        QFETCH(QString, type);
        QFETCH(QString, code);
        QFETCH(int, direction);
        QFETCH(bool, inward);
        QFETCH(int, cw);
        QFETCH(int, ch);
        return compartment(type, code, cw, ch, direction, inward);
    }

    QStringList redraw()
    {
        canvas.clear();
        symbols.ReDrawVak(mark, 0);
        return describeAll();
    }

    QStringList describeAll(qsizetype from = 0) const
    {
        QStringList out;
        for (qsizetype k = from; k < canvas.ops().size(); ++k) out << describe(canvas.ops()[k]);
        return out;
    }

    // The recorded ops from the first strip wiped in the member above (the start of the grilles).
    QStringList fromGrilles() const
    {
        for (qsizetype k = 0; k < canvas.ops().size(); ++k)
            if (canvas.ops()[k].state.DrawStyle == DrawStyles::Invisible) return describeAll(k);
        return {};
    }

    // Dotted figures inside the opening that are not opening lines: the lock, handle and stay marks.
    QStringList handleMarks() const
    {
        QStringList out;
        for (const CanvasOp &op : canvas.ops())
            if (op.state.DrawStyle == DrawStyles::Dot && inside(op, mark.Compartments[0]) && !diagonal(op))
                out << describe(op);
        return out;
    }

    // Boxes outside the opening, drawn (not erased): the hinge marks.
    QStringList hinges(bool erased = false) const
    {
        QStringList out;
        for (const CanvasOp &op : canvas.ops()) {
            const bool background = op.state.ForeColor == op.state.BackColor;
            if (op.kind == CanvasOp::Box && op.state.DrawStyle != DrawStyles::Invisible
                && !inside(op, mark.Compartments[0]) && background == erased)
                out << describe(op);
        }
        return out;
    }

    QStringList diagonals() const
    {
        QStringList out;
        for (const CanvasOp &op : canvas.ops())
            if (diagonal(op)) out << describe(op);
        return out;
    }
};

void addCompartmentColumns()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("inward");
    QTest::addColumn<int>("cw");
    QTest::addColumn<int>("ch");
}

// "box x1,y1 x2,y2" for each y1 in ys, boxes 15 wide and 110 high at the given x.
QStringList hingeBoxes(int x, const QList<int> &ys, const QString &suffix = {})
{
    QStringList out;
    for (int y : ys) out << QStringLiteral("box %1,%2 %3,%4").arg(x).arg(y).arg(x + 15).arg(y + 110) + suffix;
    return out;
}

QStringList flapHinges(const QList<int> &xs, int y, const QString &suffix = {})
{
    QStringList out;
    for (int x : xs) out << QStringLiteral("box %1,%2 %3,%4").arg(x).arg(y).arg(x + 110).arg(y + 15) + suffix;
    return out;
}

// n horizontal lines from x1 to x2, the first at y0 + step.
QStringList boards(int x1, int x2, int y0, int step, int n)
{
    QStringList out;
    for (int k = 1; k <= n; ++k) out << QStringLiteral("line %1,%2 %3,%2").arg(x1).arg(y0 + k * step).arg(x2);
    return out;
}
}

class TestCompartmentSymbols : public QObject {
    Q_OBJECT
private slots:
    void partGeometry_data();
    void partGeometry();
    void panelPatterns_data();
    void panelPatterns();
    void breastWalls();
    void openingLines_data();
    void openingLines();
    void grilles_data();
    void grilles();
    void glazingBars_data();
    void glazingBars();
    void screenLabel();
    void hingeMarks_data();
    void hingeMarks();
    void handleMarks_data();
    void handleMarks();
    void clearVakErasesEveryHingePlaceAndClearsTheFilling();
    void erasingOnThePicture();
    void smallSizesNeitherHangNorCrash_data();
    void smallSizesNeitherHangNorCrash();
    void unfilledAndHalfFilledCompartments();
};

void TestCompartmentSymbols::partGeometry_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("toughened");
    QTest::addColumn<int>("cw");
    QTest::addColumn<int>("ch");
    QTest::addColumn<int>("bw");
    QTest::addColumn<QList<QRect>>("parts"); // x, y, width, height relative to the compartment
    // A door's sash is 117, a window's 80, glazing and toughened glass 0.
    QTest::newRow("door DE") << "DEUR" << "DE" << false << 900 << 2100 << 0 << QList<QRect>{{117, 117, 666, 1866}};
    QTest::newRow("door BE toughened") << "DEUR" << "BE" << true << 900 << 2100 << 0
                                       << QList<QRect>{{0, 0, 900, 2100}};
    QTest::newRow("window RA breast wall") << "RAAM" << "RA" << false << 1000 << 1200 << 400
                                           << QList<QRect>{{80, 80, 840, 720}};
    QTest::newRow("window KL") << "RAAM" << "KL" << false << 1200 << 600 << 0 << QList<QRect>{{80, 80, 1040, 440}};
    // 1000 - 58.5 - 117 = 824.5 -> 824; the lower pane starts at 234 + 824.
    QTest::newRow("door D2") << "DEUR" << "D2" << false << 900 << 2000 << 0
                             << QList<QRect>{{117, 117, 666, 824}, {117, 1058, 666, 824}};
    // (2001 - 500) / 2 - 117 = 633.5 -> 634
    QTest::newRow("door B2 breast wall") << "DEUR" << "B2" << false << 900 << 2001 << 500
                                         << QList<QRect>{{117, 117, 666, 634}, {117, 868, 666, 634}};
    // 1000.5 -> 1000
    QTest::newRow("door D2 toughened") << "DEUR" << "D2" << true << 900 << 2001 << 0
                                       << QList<QRect>{{0, 0, 900, 1000}, {0, 1000, 900, 1000}};
    // 900.5 - 234 = 666.5 -> 666; 900.5 + 117 = 1017.5 -> 1018
    QTest::newRow("door DU") << "DEUR" << "DU" << false << 1801 << 2100 << 0
                             << QList<QRect>{{117, 117, 666, 1866}, {1018, 117, 666, 1866}};
    // 1200.5 - 234 = 966.5 -> 966; 1200.5 + 117 = 1317.5 -> 1318
    QTest::newRow("door SD") << "DEUR" << "SD" << false << 2401 << 2200 << 0
                             << QList<QRect>{{117, 117, 966, 1966}, {1318, 117, 966, 1966}};
    // 601.5 - 160 = 441.5 -> 442; 601.5 + 80 = 681.5 -> 682; 1400 - 80 - 300
    QTest::newRow("window SU breast wall") << "RAAM" << "SU" << false << 1203 << 1400 << 300
                                           << QList<QRect>{{80, 80, 442, 1020}, {682, 80, 442, 1020}};
    QTest::newRow("window SV toughened") << "RAAM" << "SV" << true << 1203 << 1400 << 0
                                         << QList<QRect>{{0, 0, 602, 1400}, {602, 0, 602, 1400}};
    QTest::newRow("glass breast wall") << "GLASVAK" << "GL_BU" << false << 1000 << 1500 << 450
                                       << QList<QRect>{{0, 0, 1000, 1050}};
    QTest::newRow("glass inside") << "GLASVAK" << "GL_BI" << false << 800 << 900 << 0
                                  << QList<QRect>{{0, 0, 800, 900}};
    // Nothing stored for a panel: the part keeps what it held.
    QTest::newRow("panel") << "PANEEL" << "PRA" << false << 1000 << 1000 << 0 << QList<QRect>{{1, 2, 3, 4}};
}

void TestCompartmentSymbols::partGeometry()
{
    QFETCH(QString, type);
    QFETCH(QString, code);
    QFETCH(bool, toughened);
    QFETCH(int, cw);
    QFETCH(int, ch);
    QFETCH(int, bw);
    QFETCH(QList<QRect>, parts);
    Bench b;
    CompartmentRecord &c = b.compartment(type, code, cw, ch, 1);
    c.ToughenedGlass = toughened;
    c.BreastWallHeight = int16(bw);
    const QStringList ops = b.redraw();

    QCOMPARE(ops.value(0), QStringLiteral("box 67,67 %1,%2").arg(X + cw).arg(Y + ch)); // the opening wiped
    QCOMPARE(c.Parts.size(), parts.size());
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const QRect &r = parts[k];
        const CompartmentPartRecord &p = c.Parts[k];
        QCOMPARE(QRect(p.PartX, p.PartY, p.PartWidth, p.PartHeight), r);
        if (type == "PANEEL" || type == "GLASVAK") continue;
        // Each leaf or pane is outlined where it was stored.
        const QString outline = QStringLiteral("box %1,%2 %3,%4")
                                    .arg(X + r.x()).arg(Y + r.y()).arg(X + r.x() + r.width()).arg(Y + r.y() + r.height());
        QVERIFY2(ops.contains(outline), qPrintable(outline));
    }
}

void TestCompartmentSymbols::panelPatterns_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("cw");
    QTest::addColumn<int>("ch");
    QTest::addColumn<QStringList>("drawn"); // after the wipe
    // 1000 / CInt(10) = 100; CInt(10 - 1) = 9 boards
    QTest::newRow("PRA 1000") << "PRA" << 500 << 1000
                              << boards(67, 567, 67, 100, 9) + QStringList{"print 92,987 Rabat paneel"};
    // CInt(12.5) = 12, CInt(104.17) = 104, CInt(1250 / 104 - 1) = 11 boards
    QTest::newRow("PRA 1250") << "PRA" << 500 << 1250
                              << boards(67, 567, 67, 104, 11) + QStringList{"print 92,1237 Rabat paneel"};
    // CInt(8.5) = 8, CInt(106.25) = 106, CInt(850 / 106 - 1) = 7 boards
    QStringList vertical;
    for (int k = 1; k <= 7; ++k) vertical << QStringLiteral("line %1,67 %1,667").arg(67 + 106 * k);
    QTest::newRow("PV") << "PV" << 850 << 600 << vertical + QStringList{"print 92,587 Vertikaal paneel"};
    // s = 100 from the width, for both directions
    QTest::newRow("PBO") << "PBO" << 1000 << 800
                         << QStringList{"box 167,167 967,767",  "line 67,67 167,167",     "line 1067,67 967,167",
                                        "line 1067,867 967,767", "line 67,867 167,767", "print 175,727 Bossing paneel"};
    for (const auto &[code, label] : {std::pair{"PTR", "Trespa paneel"}, std::pair{"PWB", "Multiplex paneel"},
                                      std::pair{"PGL", "Glas paneel"}})
        QTest::newRow(code) << code << 600 << 700
                            << QStringList{"box 69,69 667,767 fill 7 #c8c8c8", QStringLiteral("print 92,687 ") + label};
}

void TestCompartmentSymbols::panelPatterns()
{
    QFETCH(QString, code);
    QFETCH(int, cw);
    QFETCH(int, ch);
    QFETCH(QStringList, drawn);
    Bench b;
    CompartmentRecord &c = b.compartment("PANEEL", code, cw, ch, 1);
    // A panel shows none of these.
    c.ScreenName = "Rolhor";
    c.Parts[0].GrilleCode = "3";
    c.Parts[0].BarsHorizontal = 2;
    const QStringList ops = b.redraw();
    QCOMPARE(ops.mid(1), drawn);
}

void TestCompartmentSymbols::breastWalls()
{
    Bench b;
    // Glazing: pairs of lines 20 apart from the breast wall's top (1567 - 450) down, 150 apart.
    CompartmentRecord &glass = b.compartment("GLASVAK", "GL_BU", 1000, 1500, 0);
    glass.BreastWallHeight = 450;
    QCOMPARE(b.redraw().mid(1, 7), (QStringList{"line 67,1117 1067,1117", "line 67,1137 1067,1137",
                                                "line 67,1267 1067,1267", "line 67,1287 1067,1287",
                                                "line 67,1417 1067,1417", "line 67,1437 1067,1437",
                                                "print 92,1487 Glasvak bu"}));

    // Two leaves: single lines under each, the first 150 below the top (1467 - 450 + 150), then the
    // leaf outlines, which end on the breast wall.
    CompartmentRecord &sash = b.compartment("RAAM", "SU", 1203, 1400, 0);
    sash.BreastWallHeight = 450;
    QCOMPARE(b.redraw().mid(1, 6), (QStringList{"line 147,1167 589,1167", "line 147,1317 589,1317",
                                                "line 749,1167 1191,1167", "line 749,1317 1191,1317",
                                                "box 147,147 589,1017", "box 749,147 1191,1017"}));
    // A pane door: under the upper pane only.
    CompartmentRecord &door = b.compartment("DEUR", "D2", 900, 2001, 0);
    door.BreastWallHeight = 500;
    // CInt(500 / CInt(3.33)) = 167, CInt(500 / 167 - 1) = 2: 2068 - 500 + 167 and + 334
    QCOMPARE(b.redraw().mid(1, 2), (QStringList{"line 184,1735 850,1735", "line 184,1902 850,1902"}));
}

void TestCompartmentSymbols::openingLines_data()
{
    addCompartmentColumns();
    QTest::addColumn<QStringList>("lines"); // the last figures drawn
    // Side-hung: the lines meet at the middle of the edge opposite the hinges (600.5 + 67 -> 668).
    QTest::newRow("RA left") << "RAAM" << "RA" << 1 << false << 1000 << 1201
                             << QStringList{"line 67,67 1067,668", "line 1067,668 67,1268"};
    QTest::newRow("BE right inward") << "DEUR" << "BE" << 2 << true << 900 << 2100
                                     << QStringList{"line 967,67 67,1117 dotted", "line 67,1117 967,2167 dotted"};
    // Turn and tilt: the tilt lines first, from the middle of the top (450.5 + 67 -> 518).
    QTest::newRow("DD left inward") << "DEUR" << "DD" << 1 << true << 901 << 2100
                                    << QStringList{"line 518,67 67,2167 dotted", "line 518,67 968,2167 dotted",
                                                   "line 67,67 968,1117 dotted", "line 968,1117 67,2167 dotted"};
    QTest::newRow("KL") << "RAAM" << "KL" << 1 << false << 1200 << 600
                        << QStringList{"line 67,67 667,667", "line 1267,67 667,667"};
    QTest::newRow("VA inward") << "RAAM" << "VA" << 1 << true << 1200 << 600
                               << QStringList{"line 667,67 67,667 dotted", "line 667,67 1267,667 dotted"};
    QTest::newRow("SU") << "RAAM" << "SU" << 2 << false << 1200 << 1400
                        << QStringList{"line 67,67 1267,1467", "line 1267,67 67,1467"};
    // The left leaf tilts: 666 / 2 + 117 + 67 = 517, to the corner and to the middle (967.5 -> 968).
    QTest::newRow("DK left") << "DEUR" << "DK" << 1 << true << 1801 << 2100
                             << QStringList{"line 67,67 1868,2167 dotted", "line 1868,67 67,2167 dotted",
                                            "line 517,67 67,2167 dotted", "line 517,67 968,2167 dotted"};
    // The right leaf tilts: 442 / 2 + 682 + 67 = 970; the middle 668.5 -> 668.
    QTest::newRow("SV right") << "RAAM" << "SV" << 2 << true << 1203 << 1400
                              << QStringList{"line 67,67 1270,1467 dotted", "line 1270,67 67,1467 dotted",
                                             "line 970,67 668,1467 dotted", "line 970,67 1270,1467 dotted"};
    // Lift-slide, both ways: w = CInt(96.6) = 97 from the left leaf; the middle height 1167.
    QTest::newRow("SD both") << "DEUR" << "SD" << 3 << false << 2401 << 2200
                             << QStringList{"line 281,1167 281,1242",   "line 281,1167 1053,1167",
                                            "line 953,1117 1053,1167",  "line 1053,1167 953,1217",
                                            "line 2254,1167 2254,1242", "line 1482,1167 2254,1167",
                                            "line 1482,1167 1582,1117", "line 1482,1167 1582,1217"};
    QTest::newRow("SD right only") << "DEUR" << "SD" << 2 << false << 2401 << 2200
                                   << QStringList{"line 2254,1167 2254,1242", "line 1482,1167 2254,1167",
                                                  "line 1482,1167 1582,1117", "line 1482,1167 1582,1217"};
    // Fixed: no opening lines at all.
    QTest::newRow("RA fixed") << "RAAM" << "RA" << 0 << false << 1000 << 1200 << QStringList{};
    QTest::newRow("DK fixed") << "DEUR" << "DK" << 0 << false << 1801 << 2100 << QStringList{};
    QTest::newRow("glazing") << "GLASVAK" << "GL_BU" << 1 << false << 1000 << 1200 << QStringList{};
}

void TestCompartmentSymbols::openingLines()
{
    QFETCH(QString, code);
    QFETCH(QStringList, lines);
    Bench b;
    b.compartmentFromData();
    const QStringList ops = b.redraw();
    if (lines.isEmpty()) {
        QCOMPARE(b.diagonals(), QStringList{});
    } else {
        QCOMPARE(ops.mid(ops.size() - lines.size()), lines);
        if (code != "SD") QCOMPARE(b.diagonals(), lines); // nothing else runs across the opening
    }
    QCOMPARE(b.canvas.state().DrawStyle, int(DrawStyles::Solid));
    QCOMPARE(b.canvas.state().ForeColor, QColor(Qt::black));
}

void TestCompartmentSymbols::grilles_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("cw");
    QTest::addColumn<int>("ch");
    QTest::addColumn<QStringList>("grilles"); // per part
    QTest::addColumn<QStringList>("drawn");   // from the first strip on
    // The strip in the member above: 67 - 33.5 - 15 = 18.5 -> 18, 30 deep, over the part's width.
    // A turn-tilt window (fixed, no marks) has its part at (80, 80) 840 wide in 1000.
    const QString strip = "box 147,18 987,48 fill 0 #ffffff";
    // One slot in the middle of the top rail: 67 + 40 - 5; a third of 840 either side.
    QTest::newRow("1 window") << "RAAM" << "DV" << 1000 << 1200 << QStringList{"1"}
                              << QStringList{strip, "box 427,102 707,112"};
    // Two slots at fifths of 841: 315.2, 483.4, 651.6, 819.8
    QTest::newRow("2 window") << "RAAM" << "DV" << 1001 << 1200 << QStringList{"2"}
                              << QStringList{"box 147,18 988,48 fill 0 #ffffff", "box 315,102 483,112",
                                             "box 652,102 820,112"};
    // Glazing: the slot in the member above, 67 - 33.5 - 5 = 28.5 -> 28; 400.3 and 733.7.
    QTest::newRow("1 glazing") << "GLASVAK" << "GL_BU" << 1000 << 1200 << QStringList{"1"}
                               << QStringList{"box 67,18 1067,48 fill 0 #ffffff", "box 400,28 734,38"};
    const QStringList band = boards(147, 987, 147, 20, 7);
    QTest::newRow("3") << "RAAM" << "DV" << 1000 << 1200 << QStringList{"3"} << QStringList{strip} + band;
    // Room for the rod: 1200 - 80 - 140 = 980, so the full 500; a pull cord is dotted.
    QTest::newRow("4L") << "RAAM" << "DV" << 1000 << 1200 << QStringList{"4L"}
                        << QStringList{strip} + band
                               + QStringList{"box 172,162 182,297", "line 177,297 177,797 dotted"};
    // Room 380: 500 -> 375; the remote control's cross bar at the rod's end.
    QTest::newRow("6R") << "RAAM" << "DV" << 1000 << 600 << QStringList{"6R"}
                        << QStringList{strip} + band
                               + QStringList{"box 952,162 962,297", "line 957,297 957,672", "line 942,672 987,672"};
    // Room 280: 500 -> 375 -> 281.25 -> 281 -> 210.75 -> 211.
    QTest::newRow("5L short") << "RAAM" << "DV" << 1000 << 500 << QStringList{"5L"}
                              << QStringList{strip} + band + QStringList{"box 172,162 182,297", "line 177,297 177,508"};
    // Per leaf: none on the left, the strip wiped over each.
    QTest::newRow("SV right leaf") << "RAAM" << "SV" << 1203 << 1400 << QStringList{"", "4R"}
                                   << QStringList{"box 147,18 589,48 fill 0 #ffffff", "box 749,18 1191,48 fill 0 #ffffff"}
                                          + boards(749, 1191, 147, 20, 7)
                                          + QStringList{"box 1156,162 1166,297", "line 1161,297 1161,797 dotted"};
}

void TestCompartmentSymbols::grilles()
{
    QFETCH(QString, type);
    QFETCH(QString, code);
    QFETCH(int, cw);
    QFETCH(int, ch);
    QFETCH(QStringList, grilles);
    QFETCH(QStringList, drawn);
    Bench b;
    CompartmentRecord &c = b.compartment(type, code, cw, ch, 0);
    for (qsizetype k = 0; k < grilles.size(); ++k) c.Parts[k].GrilleCode = grilles[k];
    b.redraw();
    QCOMPARE(b.fromGrilles(), drawn);
}

void TestCompartmentSymbols::glazingBars_data()
{
    QTest::addColumn<QString>("grille");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<int>("ch");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<QStringList>("bars");
    // The part of a turn-tilt window 1000 wide: (80, 80) 840 x (ch - 160).
    // Over 1040: 346.67 - 15 -> 332 and 693.33 - 15 -> 678; the vertical one at 420 - 15.
    QTest::newRow("plain") << "" << false << 1200 << 2 << 1
                           << QStringList{"box 147,479 987,509", "box 147,825 987,855", "box 552,147 582,1187"};
    // Spread over 1040 + 140 under a grille band: 378.33 -> 378, 786.67 - 15 -> 772; the vertical
    // bar starts under the band. Applied bars are dotted.
    QTest::newRow("under a grille, applied")
        << "3" << true << 1200 << 2 << 1
        << QStringList{"box 147,525 987,555 dotted", "box 147,919 987,949 dotted", "box 552,287 582,1187 dotted"};
    // A slot grille takes no band.
    QTest::newRow("slot") << "1" << false << 1200 << 0 << 1 << QStringList{"box 552,147 582,1187"};
    // 1041 / 2 - 15 = 505.5 -> 506
    QTest::newRow("half") << "" << false << 1201 << 1 << 0 << QStringList{"box 147,653 987,683"};
}

void TestCompartmentSymbols::glazingBars()
{
    QFETCH(QString, grille);
    QFETCH(bool, applied);
    QFETCH(int, ch);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    QFETCH(QStringList, bars);
    Bench b;
    CompartmentRecord &c = b.compartment("RAAM", "DV", 1000, ch, 0);
    c.AppliedBars = applied;
    c.Parts[0].GrilleCode = grille;
    c.Parts[0].BarsHorizontal = int16(horizontal);
    c.Parts[0].BarsVertical = int16(vertical);
    const QStringList ops = b.redraw();
    // Wipe, the part's outline, then the bars up to the grilles' strip.
    const qsizetype strip = ops.indexOf(QRegularExpression(".* fill .*"));
    QCOMPARE(ops.mid(2, strip - 2), bars);
}

void TestCompartmentSymbols::screenLabel()
{
    Bench b;
    CompartmentRecord &c = b.compartment("RAAM", "RA", 1000, 1200, 0);
    c.ScreenName = "Rolhor";
    QCOMPARE(b.redraw().last(), QString("print 92,77 Rolhor"));
    // An empty fill code draws nothing but the wipe, not even the screen.
    c.FillCode.clear();
    QCOMPARE(b.redraw(), QStringList{"box 67,67 1067,1267"});
}

void TestCompartmentSymbols::hingeMarks_data()
{
    addCompartmentColumns();
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("erased");
    // Door, hinged left: 10, 50, 90 % of 2100 (+ 67 - 55), and 17 % above 2000 mm; the boxes on the
    // right edge go.
    const QList<int> door2100 = {222, 1062, 1902, 369};
    QTest::newRow("DE 2100 left") << "DEUR" << "DE" << 1 << false << 900 << 2100 << hingeBoxes(52, door2100)
                                  << hingeBoxes(967, door2100, " erase");
    QTest::newRow("DE 2000 left") << "DEUR" << "DE" << 1 << false << 900 << 2000 << hingeBoxes(52, {212, 1012, 1812})
                                  << hingeBoxes(967, {212, 1012, 1812}, " erase");
    QTest::newRow("BE 2100 right inward") << "DEUR" << "BE" << 2 << true << 900 << 2100
                                          << hingeBoxes(967, door2100, " dotted")
                                          << hingeBoxes(52, door2100, " erase");
    // Windows by height: under 1000 two, under 1500 three, else four.
    QTest::newRow("RA 999") << "RAAM" << "RA" << 2 << false << 1000 << 999 << hingeBoxes(1067, {212, 811})
                            << hingeBoxes(52, {212, 811}, " erase");
    // 749.5 + 12 = 761.5 -> 762
    QTest::newRow("RA 1499") << "RAAM" << "RA" << 2 << false << 1000 << 1499 << hingeBoxes(1067, {237, 762, 1286})
                             << hingeBoxes(52, {237, 762, 1286}, " erase");
    QTest::newRow("RA 1500") << "RAAM" << "RA" << 1 << false << 1000 << 1500
                             << hingeBoxes(52, {162, 312, 1212, 1362}) << hingeBoxes(1067, {162, 312, 1212, 1362}, " erase");
    // Fixed: drawn on the right and both edges erased.
    QTest::newRow("RA fixed") << "RAAM" << "RA" << 0 << false << 1000 << 999 << hingeBoxes(1067, {212, 811})
                              << QStringList{hingeBoxes(52, {212}, " erase") + hingeBoxes(1067, {212}, " erase")
                                             + hingeBoxes(52, {811}, " erase") + hingeBoxes(1067, {811}, " erase")};
    // Top- and bottom-hung by width, in the member above or below.
    QTest::newRow("KL 999") << "RAAM" << "KL" << 1 << false << 999 << 600 << flapHinges({212, 811}, 52)
                            << QStringList{};
    QTest::newRow("KL 1000") << "RAAM" << "KL" << 1 << false << 1000 << 600 << flapHinges({162, 512, 862}, 52)
                             << QStringList{};
    QTest::newRow("VA 1500 inward") << "RAAM" << "VA" << 1 << true << 1500 << 600
                                    << flapHinges({162, 312, 1212, 1362}, 667, " dotted") << QStringList{};
    QTest::newRow("KL fixed") << "RAAM" << "KL" << 0 << false << 999 << 600 << QStringList{}
                              << flapHinges({212, 811}, 52, " erase");
    // Two leaves hinged at both outer edges: one mark each at 15 %, or 20 and 80 % of a window.
    QTest::newRow("DU") << "DEUR" << "DU" << 1 << false << 1801 << 2100
                        << hingeBoxes(52, {327}) + hingeBoxes(1868, {327}) << QStringList{};
    QTest::newRow("SU 999") << "RAAM" << "SU" << 2 << false << 1203 << 999
                            << hingeBoxes(52, {212}) + hingeBoxes(1270, {212}) + hingeBoxes(52, {811})
                                   + hingeBoxes(1270, {811})
                            << QStringList{};
    for (const auto &[type, code] : {std::pair{"DEUR", "DK"}, std::pair{"DEUR", "SD"}, std::pair{"RAAM", "DV"},
                                     std::pair{"RAAM", "SV"}, std::pair{"GLASVAK", "GL_BU"}})
        QTest::newRow(code) << type << code << 1 << true << 1801 << 2100 << QStringList{} << QStringList{};
}

void TestCompartmentSymbols::hingeMarks()
{
    QFETCH(QStringList, shown);
    QFETCH(QStringList, erased);
    Bench b;
    b.compartmentFromData();
    b.redraw();
    QCOMPARE(b.hinges(), shown);
    QCOMPARE(b.hinges(true), erased);
}

void TestCompartmentSymbols::handleMarks_data()
{
    addCompartmentColumns();
    QTest::addColumn<QStringList>("marks");
    // A door's lock case at half height: 1050 + 67 - 87.5 = 1029.5 -> 1030, the handle at 1088.
    // Hinged left: the case at 900 + 67 - 58.5 - 25 = 883.5 -> 884, the handle from 783.5 -> 784.
    QTest::newRow("DE left") << "DEUR" << "DE" << 1 << false << 900 << 2100
                             << QStringList{"box 884,1030 934,1205 dotted", "line 784,1088 909,1088 dotted"};
    // Hinged right, inward: a knob in place of the handle; 58.5 + 67 - 25 = 100.5 -> 100, 125.5 -> 126.
    QTest::newRow("BE right inward") << "DEUR" << "BE" << 2 << true << 900 << 2100
                                     << QStringList{"box 100,1030 150,1205 dotted", "circle 151,1088 75 dotted"};
    QTest::newRow("BE left inward") << "DEUR" << "BE" << 1 << true << 900 << 2100
                                    << QStringList{"box 884,1030 934,1205 dotted", "circle 884,1088 75 dotted"};
    QTest::newRow("DE fixed") << "DEUR" << "DE" << 0 << false << 900 << 2100 << QStringList{};
    // In the meeting stile of two leaves: 900.5 + 67 + 58.5 - 25 = 1001.
    QTest::newRow("DU right") << "DEUR" << "DU" << 2 << false << 1801 << 2100
                              << QStringList{"box 1001,1030 1051,1205 dotted", "box 1026,1088 1151,1088 dotted"};
    QTest::newRow("DK left") << "DEUR" << "DK" << 1 << false << 1801 << 2100
                             << QStringList{"box 884,1030 934,1205 dotted", "box 784,1088 909,1088 dotted"};
    // Lift-slide both ways: 1079.5 -> 1080; the cases at 100.5 -> 100 and 2384.5 -> 2384, their
    // lifting handles from 1138.33 down to 1423.33.
    QTest::newRow("SD both") << "DEUR" << "SD" << 3 << false << 2401 << 2200
                             << QStringList{"box 100,1080 150,1255 dotted", "line 125,1138 125,1423 dotted",
                                            "box 2384,1080 2434,1255 dotted", "line 2409,1138 2409,1423 dotted"};
    // Side-hung window under 1500: the handle at half height (766.5 -> 766, 816.5 -> 816), then the
    // stay along the bottom (1566 - 26.67 -> 1539, 1512).
    QTest::newRow("RA left 1499") << "RAAM" << "RA" << 1 << false << 1000 << 1499
                                  << QStringList{"box 967,766 1007,866 dotted",   "line 987,816 1067,816 dotted",
                                                 "line 987,816 987,931 dotted",   "line 417,1539 717,1539 dotted",
                                                 "line 717,1512 767,1512 dotted", "line 717,1539 717,1512 dotted"};
    // 1500 and higher: two handles at 20 and 80 %, the grip on the right of each for direction 2.
    QTest::newRow("RA right 1500") << "RAAM" << "RA" << 2 << false << 1000 << 1500
                                   << QStringList{"box 127,317 167,417 dotted",     "line 67,367 147,367 dotted",
                                                  "line 147,367 147,482 dotted",    "box 127,1217 167,1317 dotted",
                                                  "line 67,1267 147,1267 dotted",   "line 147,1267 147,1382 dotted",
                                                  "line 417,1540 717,1540 dotted",  "line 417,1513 367,1513 dotted",
                                                  "line 417,1540 417,1513 dotted"};
    // French window: at the meeting stile (601.5 + 67 - 100 = 568.5 -> 568), no stay.
    QTest::newRow("SU left") << "RAAM" << "SU" << 1 << false << 1203 << 1400
                             << QStringList{"box 568,717 608,817 dotted", "line 588,767 668,767 dotted",
                                            "line 588,767 588,882 dotted"};
    // Top-hung 1500 wide: two handles in the bottom rail.
    QTest::newRow("KL 1500") << "RAAM" << "KL" << 1 << false << 1500 << 600
                             << QStringList{"line 292,627 442,627 dotted",    "line 332,627 332,667 dotted",
                                            "line 402,627 402,587 dotted",    "line 1192,627 1342,627 dotted",
                                            "line 1232,627 1232,667 dotted", "line 1302,627 1302,587 dotted"};
    // Bottom-hung narrower: one handle in the top rail at 500.5 + 67 - 75 = 492.5 -> 492.
    QTest::newRow("VA 1001") << "RAAM" << "VA" << 1 << false << 1001 << 600
                             << QStringList{"line 492,107 642,107 dotted", "line 532,107 532,147 dotted",
                                            "line 602,107 602,67 dotted"};
    QTest::newRow("DV") << "RAAM" << "DV" << 1 << false << 1000 << 1200 << QStringList{};
}

void TestCompartmentSymbols::handleMarks()
{
    QFETCH(QStringList, marks);
    Bench b;
    b.compartmentFromData();
    b.redraw();
    QCOMPARE(b.handleMarks(), marks);
}

void TestCompartmentSymbols::clearVakErasesEveryHingePlaceAndClearsTheFilling()
{
    Bench b;
    CompartmentRecord &c = b.compartment("DEUR", "BE", 900, 2100, 1, true);
    c.BreastWallHeight = 300;
    c.AppliedBars = true;
    c.ToughenedGlass = true;
    c.ScreenName = "Rolhor";
    c.ExtraText = "x";
    c.Parts[0].GrilleCode = "3";
    b.symbols.ReDrawVak(b.mark, 0);
    const CompartmentPartRecord drawnPart = c.Parts[0];
    b.canvas.clear();
    b.symbols.ClearVak(b.mark, 0);

    QCOMPARE(c.FillType, QString());
    QCOMPARE(c.FillCode, QString());
    QCOMPARE(c.ScreenName, QString());
    QCOMPARE(c.ExtraText, QString());
    QCOMPARE(c.Direction, int16(0));
    QCOMPARE(c.OpensInward, false);
    QCOMPARE(c.BreastWallHeight, int16(0));
    QCOMPARE(c.AppliedBars, false);
    QCOMPARE(c.ToughenedGlass, false);
    QCOMPARE(c.Parts, QList<CompartmentPartRecord>{drawnPart}); // kept
    QCOMPARE(QPoint(c.PosX, c.PosY), QPoint(X, Y));

    // At 10, 15, 17, 20, 50, 80, 85 and 90 % of 2100: the left box as it was drawn (dotted), the
    // right box, both in the background colour; only the right edge comes back in black.
    QStringList expected;
    for (int y : {222, 327, 369, 432, 1062, 1692, 1797, 1902})
        expected << hingeBoxes(52, {y}, " dotted erase") + hingeBoxes(967, {y}, " erase")
                 << "line 967,67 967,2167";
    expected << "box 67,67 967,2167"; // the opening wiped
    QCOMPARE(b.describeAll(), expected);
    QCOMPARE(b.canvas.state().ForeColor, QColor(Qt::black));
    QCOMPARE(b.canvas.state().DrawStyle, int(DrawStyles::Solid));
}

void TestCompartmentSymbols::erasingOnThePicture()
{
    // One pixel per millimetre: 15 twips to the millimetre (the canvas stays within 16 bits). The
    // frame 1100 x 1500, T 100; the opening (100, 100) 900 x 1300, the left member x 0 to 100.
    FrameRecord mark = MarkBuilder().frameThickness(100);
    ImageCanvas canvas(1100 * 15, 1500 * 15);
    DrawTools tools(canvas);
    tools.SetDrawScale(1100, 1500);
    QCOMPARE(tools.DrawScale(), 15.0);
    CompartmentSymbols symbols(tools);
    tools.DrawBoxMm(0, 0, 1100, 1500);
    tools.DrawBoxMm(0, 100, 100, 1400);

    CompartmentRecord c;
    c.FillType = "DEUR";
    c.FillCode = "DE";
    c.PosX = 100;
    c.PosY = 100;
    c.ClearWidth = 900;
    c.ClearHeight = 1300;
    c.Direction = 1;
    c.Parts = {CompartmentPartRecord{}};
    mark.Compartments = {c};
    const QImage &img = canvas.image();
    const auto black = [&](int x, int y) { return img.pixel(x, y) == qRgb(0, 0, 0); };
    const auto white = [&](int x, int y) { return img.pixel(x, y) == qRgb(255, 255, 255); };

    symbols.ReDrawVak(mark, 0);
    // The 50 % hinge on the left: y 650 + 100 - 55 = 695 to 805, x 85 to 100.
    QVERIFY(black(85, 750) && black(92, 695) && black(92, 805));
    QVERIFY(white(1015, 750) && white(1007, 695)); // none on the right

    mark.Compartments[0].Direction = 2;
    symbols.ReDrawVak(mark, 0);
    QVERIFY(white(85, 750) && white(92, 695) && white(92, 805)); // the left mark gone
    QVERIFY(black(100, 750) && black(100, 695));                 // the edge it lay on back
    QVERIFY(black(0, 750) && black(50, 100) && black(50, 1400)); // the member around it untouched
    QVERIFY(black(1015, 750) && black(1007, 695));               // the right mark

    // The wipe leaves a solid background fill behind: a later box covers what lay inside it.
    tools.DrawLineMm(300, 300, 400, 300);
    tools.DrawBoxMm(250, 250, 450, 350);
    QVERIFY(white(350, 300));

    symbols.ClearVak(mark, 0);
    QVERIFY(white(1015, 750) && white(1007, 695) && white(300, 300)); // marks and filling gone
    QVERIFY(black(100, 750) && black(1000, 750) && black(500, 100));  // the opening's outline stays
}

void TestCompartmentSymbols::smallSizesNeitherHangNorCrash_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("cw");
    QTest::addColumn<int>("ch");
    QTest::addColumn<int>("bw");
    QTest::addColumn<QString>("grille");
    QTest::newRow("glazing 100, operated grille") << "GLASVAK" << "GL_BU" << 100 << 100 << 0 << "4L";
    QTest::newRow("window 100, remote grille") << "RAAM" << "RA" << 100 << 100 << 0 << "6R";
    QTest::newRow("two leaves 100") << "RAAM" << "SV" << 100 << 100 << 0 << "5R";
    for (const char *code : {"PRA", "PV", "PBO", "PTR"}) QTest::newRow(code) << "PANEEL" << code << 40 << 40 << 0 << "";
    QTest::newRow("empty panel") << "PANEEL" << "PRA" << 0 << 0 << 0 << "";
    QTest::newRow("glazing, breast wall 60") << "GLASVAK" << "GL_BI" << 300 << 200 << 60 << "";
    QTest::newRow("door, breast wall 60") << "DEUR" << "DK" << 900 << 2100 << 60 << "3";
    QTest::newRow("pane door, breast wall 1") << "DEUR" << "B2" << 900 << 2100 << 1 << "";
    QTest::newRow("breast wall over the height") << "RAAM" << "SU" << 800 << 200 << 1000 << "4R";
    QTest::newRow("nothing") << "RAAM" << "KL" << 0 << 0 << 0 << "6L";
}

void TestCompartmentSymbols::smallSizesNeitherHangNorCrash()
{
    QFETCH(QString, type);
    QFETCH(QString, code);
    QFETCH(int, cw);
    QFETCH(int, ch);
    QFETCH(int, bw);
    QFETCH(QString, grille);
    Bench b;
    CompartmentRecord &c = b.compartment(type, code, cw, ch, 1, true);
    c.BreastWallHeight = int16(bw);
    for (CompartmentPartRecord &p : c.Parts) {
        p.GrilleCode = grille;
        p.BarsHorizontal = 9;
        p.BarsVertical = 9;
    }
    const QStringList ops = b.redraw();
    QVERIFY(!ops.isEmpty());
    b.symbols.ClearVak(b.mark, 0);
    QCOMPARE(b.canvas.state().ForeColor, QColor(Qt::black));
    QCOMPARE(b.canvas.state().DrawStyle, int(DrawStyles::Solid));
}

void TestCompartmentSymbols::unfilledAndHalfFilledCompartments()
{
    Bench b;
    // Never filled: no parts, nothing but the wipe.
    CompartmentRecord &never = b.compartment("", "", 600, 500);
    QVERIFY(never.Parts.isEmpty());
    QCOMPARE(b.redraw(), QStringList{"box 67,67 667,567"});

    // Typed, emptied, with the parts of an earlier filling: they are not drawn.
    CompartmentRecord &typed = b.compartment("RAAM", "SU", 1203, 1400, 1);
    typed.Parts[0].GrilleCode = "3";
    typed.Parts[1].BarsVertical = 2;
    typed.FillCode.clear();
    QCOMPARE(b.redraw(), QStringList{"box 67,67 1270,1467"});

    // A code whose parts are missing (a file written elsewhere): what exists is drawn.
    for (const char *code : {"DU", "SD", "DK", "D2"}) {
        CompartmentRecord &bare = b.compartment("DEUR", code, 1801, 2100, 3, true);
        bare.Parts.clear();
        b.redraw();
        bare.Parts = {CompartmentPartRecord{}};
        b.redraw();
        QCOMPARE(bare.Parts.size(), qsizetype(1));
        QCOMPARE(bare.Parts[0].PartX, int16(117));
    }

    // A compartment index past the mark draws and clears nothing.
    b.canvas.clear();
    b.symbols.ReDrawVak(b.mark, 1);
    b.symbols.ClearVak(b.mark, -1);
    QVERIFY(b.canvas.ops().isEmpty());
}

QTEST_MAIN(TestCompartmentSymbols)
#include "tst_compartmentsymbols.moc"
