// Draws the shape window's pictures and the icons of its variant buttons into a catalogue folder:
//   gen_img <catalogue folder>   writes IMG/<code>.bmp (450 x 325) and IMG/<k><i>.ico
// Each picture is a schematic of the frame: timber where the members are, glass in the
// compartments, and dimension lines on which the window's clear-size inputs sit: a width input on
// the line under the column it measures, a height input on the line beside the row it measures.
// The columns and rows are laid out from the window's own input places, so the two always agree.
#include "shape/ClearSizeLayout.h"
#include "shape/Compartments.h"
#include "shape/ShapeCodes.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <map>

using namespace ClearSizeLayout;

namespace {
constexpr int Member = 7;     // timber thickness in picture pixels
constexpr int IconSize = 48;
const QColor Wood(196, 146, 86);
const QColor Outline(60, 40, 20);
const QColor Glass(178, 218, 242);
const QColor Band(232, 214, 180);
const QColor Dimension(40, 80, 160);

enum class Kind { Pane, Band, Gap };

// A compartment (or upper section band, or open gap under the top member) spans the columns c0 to
// c1 and reaches from the top of one row to the bottom of another. A row is named by its height
// scale and index ("L0", "R2"); "F" is the top or bottom of the whole opening.
struct Cell {
    int c0, c1;
    const char *top, *bottom;
    Kind kind = Kind::Pane;
};

using RowRefs = std::map<char, const char *>;

struct Sketch {
    Sketch(const char *code, QList<Cell> cells, RowRefs starts = {}, RowRefs ends = {}, int x0 = -1, int x1 = -1,
         bool loose = false)
        : code(code), cells(std::move(cells)), starts(std::move(starts)), ends(std::move(ends)), x0(x0), x1(x1), loose(loose)
    {
    }
    const char *code;
    QList<Cell> cells; // compartments in index order, then bands and gaps
    RowRefs starts;    // a height scale that begins at the top of another's row
    RowRefs ends;      // ... or ends at the bottom of another's row
    int x0, x1;        // the opening's outer edges, for shapes without width inputs
    bool loose;        // no frame: a loose sash
};

Cell band(int c0, int c1, const char *row) { return {c0, c1, row, row, Kind::Band}; }
Cell gap(int c) { return {c, c, "F", "F", Kind::Gap}; }

const QList<Sketch> &sketches()
{
    static const QList<Sketch> table = {
        {"K", {{0, 0, "F", "F"}}, {}, {}, 110, 290},
        {"K;;1;S", {{0, 0, "F", "F"}, {1, 1, "F", "F"}}},
        {"K;;1;S;2", {{0, 0, "F", "F"}, {1, 1, "R0", "R0"}, {1, 1, "R1", "R1"}}},
        {"K;;1;S;1", {{0, 0, "L0", "L0"}, {1, 1, "F", "F"}, {0, 0, "L1", "L1"}}},
        {"K;;1;S;1;2", {{0, 0, "L0", "L0"}, {1, 1, "R0", "R0"}, {0, 0, "L1", "L1"}, {1, 1, "R1", "R1"}}},
        {"K;;2;S", {{0, 0, "F", "F"}, {1, 1, "F", "F"}, {2, 2, "F", "F"}}},
        {"K;;2;S;D1;D2;D3",
         {{0, 0, "L0", "L0"}, {1, 1, "M0", "M0"}, {2, 2, "R0", "R0"}, {0, 0, "L1", "L1"}, {1, 1, "M1", "M1"},
          {2, 2, "R1", "R1"}}},
        {"K;;2;S;D2;S2", {{0, 0, "F", "F"}, {1, 1, "R0", "R0"}, {2, 2, "R0", "R0"}, {3, 3, "F", "F"}, {1, 2, "R1", "R1"}}},
        {"K;;2;S;D1;D2;D3;S2",
         {{0, 0, "L0", "L0"}, {1, 1, "M0", "M0"}, {2, 2, "M0", "M0"}, {3, 3, "R0", "R0"}, {0, 0, "L1", "L1"},
          {1, 2, "M1", "M1"}, {3, 3, "R1", "R1"}}},
        {"K;;2;S;D1;D3", {{0, 0, "L0", "L0"}, {1, 1, "F", "F"}, {2, 2, "R0", "R0"}, {0, 0, "L1", "L1"}, {2, 2, "R1", "R1"}}},
        {"K;;3;S", {{0, 0, "F", "F"}, {1, 1, "F", "F"}, {2, 2, "F", "F"}, {3, 3, "F", "F"}}},
        {"L;1", {{0, 0, "L0", "L0"}, {1, 1, "F", "F"}}},
        {"L;2", {{0, 1, "L0", "L0"}, {0, 0, "L1", "L1"}, {1, 1, "L1", "L2"}}},
        {"L;4", {{0, 0, "L1", "L1"}, {1, 1, "L1", "L2"}, band(0, 1, "L0")}},
        {"L;5", {{0, 1, "L1", "L1"}, {0, 0, "L2", "L2"}, {1, 1, "L2", "L3"}, band(0, 1, "L0")}},
        {"L;6", {{0, 1, "R0", "R0"}, {1, 1, "R1", "R1"}}},
        {"L;1;;;D1", {{0, 0, "L0", "L0"}, {1, 1, "F", "F"}, {0, 0, "L1", "L1"}}},
        {"L;1;;;D1;D2", {{0, 0, "L0", "L0"}, {1, 1, "R0", "R0"}, {0, 0, "L1", "L1"}, {1, 1, "R1", "R1"}}},
        {"L;1;;;D2", {{0, 0, "L0", "L0"}, {1, 1, "R0", "R0"}, {1, 1, "R1", "R1"}}},
        {"L;7", {{0, 0, "L0", "L0"}, {2, 2, "F", "F"}, gap(1)}},
        {"M;1", {{0, 0, "L0", "L0"}, {1, 1, "F", "F"}, {2, 2, "R0", "R0"}}},
        {"M;2", {{0, 2, "R0", "R0"}, {0, 0, "L0", "L0"}, {1, 1, "R1", "F"}, {2, 2, "R1", "R1"}}, {{'L', "R1"}}},
        {"M;4", {{0, 0, "L0", "L0"}, {1, 1, "R1", "F"}, {2, 2, "R1", "R1"}, band(0, 2, "R0")}, {{'L', "R1"}}},
        {"M;5", {{0, 2, "R1", "R1"}, {0, 0, "L0", "L0"}, {1, 1, "R2", "F"}, {2, 2, "R2", "R2"}, band(0, 2, "R0")},
         {{'L', "R2"}}},
        {"M;6", {{0, 2, "R0", "R0"}, {1, 1, "R1", "R1"}}},
        {"M;7", {{0, 0, "L0", "L0"}, {2, 2, "F", "F"}, {4, 4, "R0", "R0"}, gap(1), gap(3)}},
        {"R;1", {{0, 0, "F", "F"}, {1, 1, "R0", "R0"}}},
        {"R;2", {{0, 1, "R0", "R0"}, {0, 0, "R1", "F"}, {1, 1, "R1", "R1"}}},
        {"R;4", {{0, 0, "R1", "F"}, {1, 1, "R1", "R1"}, band(0, 1, "R0")}},
        {"R;5", {{0, 1, "R1", "R1"}, {0, 0, "R2", "R3"}, {1, 1, "R2", "R2"}, band(0, 1, "R0")}},
        {"R;6", {{0, 1, "R0", "R0"}, {0, 0, "R1", "R1"}}},
        {"R;1;;;D1", {{0, 0, "L0", "L0"}, {1, 1, "R0", "R0"}, {0, 0, "L1", "L1"}}},
        {"R;1;;;D1;D2", {{0, 0, "L0", "L0"}, {1, 1, "R0", "R0"}, {0, 0, "L1", "L1"}, {1, 1, "R1", "R1"}}},
        {"R;1;;;D2", {{0, 0, "F", "F"}, {1, 1, "R0", "R0"}, {1, 1, "R1", "R1"}}},
        {"R;7", {{0, 0, "F", "F"}, {2, 2, "R0", "R0"}, gap(1)}},
        {"K;;1;D", {{0, 0, "L0", "L0"}, {0, 0, "L1", "L1"}}, {}, {}, 140, 300},
        {"K;;1;D;S1;S3", {{0, 0, "L0", "L0"}, {1, 1, "L0", "L0"}, {2, 2, "L0", "L0"}, {0, 2, "L1", "L1"}}},
        {"K;;1;D;S1;S3;D1;D4",
         {{0, 0, "L0", "L0"}, {1, 1, "L0", "L1"}, {2, 2, "R0", "R0"}, {0, 0, "L1", "L1"}, {2, 2, "R1", "R1"},
          {0, 2, "R2", "R2"}},
         {},
         {{'L', "R1"}}},
        {"K;;1;S;D1;D2;S2",
         {{0, 0, "L0", "L0"}, {1, 1, "R0", "R0"}, {2, 2, "R0", "R0"}, {0, 0, "L1", "L1"}, {1, 2, "R1", "R1"}}},
        {"K;;1;S;D1;S1;D2;S1",
         {{0, 0, "L0", "L0"}, {1, 1, "L0", "L0"}, {2, 2, "R0", "R0"}, {0, 1, "L1", "L1"}, {2, 2, "R1", "R1"}}},
        {"K;;1;S;D1;D2;S2;D5",
         {{0, 0, "L0", "L0"}, {1, 1, "R0", "R1"}, {2, 2, "R0", "R0"}, {2, 2, "R1", "R1"}, {0, 0, "L1", "L1"},
          {1, 2, "R2", "R2"}}},
        {"K;;1;S;D1;D2;S1;D1",
         {{0, 0, "L0", "L0"}, {0, 0, "L1", "L1"}, {1, 1, "L0", "L1"}, {2, 2, "R0", "R0"}, {0, 1, "L2", "L2"},
          {2, 2, "R1", "R1"}}},
        {"K0", {{0, 0, "F", "F"}}, {}, {}, 110, 290, true},
    };
    return table;
}

struct Span {
    int from, to; // pixels, both edges inside
};

// Splits [start, end] at the midpoints between the inputs' centres, leaving a member between.
QList<Span> split(const QList<int> &centres, int start, int end)
{
    QList<Span> out;
    int from = start;
    for (int i = 0; i + 1 < centres.size(); ++i) {
        const int mid = (centres[i] + centres[i + 1]) / 2;
        out << Span{from, mid - Member / 2 - 1};
        from = mid - Member / 2 + Member;
    }
    out << Span{from, end};
    return out;
}

// The outer edges that leave the first and the last input as far from them as from the member
// beside them.
int mirroredFirst(const QList<int> &centres)
{
    return 2 * centres[0] - ((centres[0] + centres[1]) / 2 - Member / 2 - 1);
}

int mirroredLast(const QList<int> &centres)
{
    const int n = int(centres.size());
    return 2 * centres[n - 1] - ((centres[n - 2] + centres[n - 1]) / 2 - Member / 2 + Member);
}

struct Geometry {
    QList<Span> columns;
    std::map<char, QList<Span>> rows; // per height scale
    int top = 0, bottom = 0;          // of the whole opening
    QList<QString> problems;

    int rowEdge(const char *ref, bool topEdge) const
    {
        if (ref[0] == 'F') return topEdge ? top : bottom;
        const QList<Span> &r = rows.at(ref[0]);
        const Span &s = r.at(ref[1] - '0');
        return topEdge ? s.from : s.to;
    }
    QRect rect(const Cell &c) const
    {
        return QRect(QPoint(columns[c.c0].from, rowEdge(c.top, true)), QPoint(columns[c.c1].to, rowEdge(c.bottom, false)));
    }
};

const char Scales[] = {'L', 'R', 'M'};
int rowOf(char scale) { return scale == 'L' ? RowL : scale == 'R' ? RowR : RowM; }

Geometry layOut(const Sketch &sketch, const ShapeLayout &layout)
{
    Geometry g;
    const RowPlacement &widths = layout.rows[RowB];
    if (widths.along.isEmpty()) {
        g.columns << Span{sketch.x0, sketch.x1};
    } else {
        QList<int> centres;
        for (int left : widths.along) centres << left + InputWidth / 2;
        g.columns = split(centres, sketch.x0 >= 0 ? sketch.x0 : mirroredFirst(centres),
                          sketch.x1 >= 0 ? sketch.x1 : mirroredLast(centres));
    }

    // The opening ends above the width inputs; its top mirrors the first row of the height scales.
    std::map<char, QList<int>> centres;
    for (char s : Scales)
        for (int top : layout.rows[rowOf(s)].along) centres[s] << top + InputHeight / 2;
    g.top = 70;
    g.bottom = widths.along.isEmpty() ? 245 : widths.common - 10 - Member;
    bool anyTop = false;
    for (char s : Scales) {
        if (centres[s].size() < 2 || sketch.starts.count(s)) continue;
        const int t = mirroredFirst(centres[s]);
        g.top = anyTop ? std::min(g.top, t) : t;
        anyTop = true;
        if (widths.along.isEmpty()) g.bottom = std::max(g.bottom, mirroredLast(centres[s]));
    }
    g.top = std::max(g.top, Member + 3);
    // Scales without a reference to another first, then those that begin or end at another's row.
    for (int pass = 0; pass < 2; ++pass) {
        for (char s : Scales) {
            if (centres[s].isEmpty() || g.rows.count(s)) continue;
            const bool refers = sketch.starts.count(s) || sketch.ends.count(s);
            if (refers != (pass == 1)) continue;
            const int start = sketch.starts.count(s) ? g.rowEdge(sketch.starts.at(s), true) : g.top;
            const int end = sketch.ends.count(s) ? g.rowEdge(sketch.ends.at(s), false) : g.bottom;
            g.rows[s] = split(centres[s], start, end);
        }
    }

    // Every input must lie on its own column or row, and the height inputs beside the frame.
    for (int j = 0; j < widths.along.size(); ++j) {
        const int c = widths.along[j] + InputWidth / 2;
        if (c < g.columns[j].from || c > g.columns[j].to) g.problems << QString("B(%1) off its column").arg(j);
    }
    const int frameLeft = g.columns.first().from - Member, frameRight = g.columns.last().to + Member;
    for (char s : Scales) {
        const RowPlacement &p = layout.rows[rowOf(s)];
        for (int i = 0; i < p.along.size(); ++i) {
            const Span &r = g.rows[s][i];
            const int c = p.along[i] + InputHeight / 2;
            if (c < r.from || c > r.to) g.problems << QString("%1(%2) off its row").arg(s).arg(i);
            const int left = p.common, right = p.common + InputWidth;
            if (right > frameLeft && left < frameRight) g.problems << QString("%1(%2) on the frame").arg(s).arg(i);
        }
    }
    if (g.bottom + Member >= (widths.along.isEmpty() ? PictureHeight : widths.common))
        g.problems << "frame over the width inputs";
    return g;
}

QPainterPath timber(const Sketch &sketch, const Geometry &g)
{
    QPainterPath path;
    for (const Cell &c : sketch.cells) {
        QPainterPath part;
        if (c.kind == Kind::Gap) {
            const QRect r = g.rect(c);
            part.addRect(QRect(QPoint(r.left() - Member, r.top() - Member), QPoint(r.right() + Member, r.top() - 1)));
        } else {
            part.addRect(g.rect(c).adjusted(-Member, -Member, Member, Member));
        }
        path = path.united(part);
    }
    return path.simplified();
}

void drawFrame(QPainter &p, const Sketch &sketch, const Geometry &g)
{
    const QPen outline(Outline, 0);
    p.setPen(outline);
    if (!sketch.loose) {
        p.setBrush(Wood);
        p.drawPath(timber(sketch, g));
    }
    for (const Cell &c : sketch.cells) {
        if (c.kind == Kind::Gap) continue;
        const QRect r = g.rect(c);
        p.setBrush(c.kind == Kind::Band ? Band : Glass);
        if (c.kind == Kind::Band) {
            p.drawRect(r.adjusted(-Member, -Member, Member, 0));
            p.setBrush(QBrush(Outline, Qt::BDiagPattern));
            p.drawRect(r.adjusted(-Member, -Member, Member, 0));
        } else {
            p.drawRect(r);
        }
    }
    if (sketch.loose) {
        // A sash without a frame: its own thin outline round the glass.
        p.setBrush(Qt::NoBrush);
        p.drawRect(g.rect(sketch.cells[0]).adjusted(-3, -3, 3, 3));
    }
}

// A dimension line with its end ticks, horizontal or vertical.
void dimension(QPainter &p, bool horizontal, int at, int from, int to)
{
    if (horizontal) {
        p.drawLine(from, at, to, at);
        p.drawLine(from, at - 4, from, at + 4);
        p.drawLine(to, at - 4, to, at + 4);
    } else {
        p.drawLine(at, from, at, to);
        p.drawLine(at - 4, from, at + 4, from);
        p.drawLine(at - 4, to, at + 4, to);
    }
}

void drawDimensions(QPainter &p, const ShapeLayout &layout, const Geometry &g, const QRect &outer)
{
    p.setPen(QPen(Dimension, 0));
    const RowPlacement &widths = layout.rows[RowB];
    if (!widths.along.isEmpty()) {
        const int y = widths.common + InputHeight / 2;
        for (int j = 0; j < widths.along.size(); ++j) {
            dimension(p, true, y, g.columns[j].from, g.columns[j].to);
            for (int x : {g.columns[j].from, g.columns[j].to}) p.drawLine(x, outer.bottom() + 3, x, y + 4);
        }
    }
    for (char s : Scales) {
        const RowPlacement &rows = layout.rows[rowOf(s)];
        if (rows.along.isEmpty()) continue;
        const int x = rows.common + InputWidth / 2;
        const bool left = x < outer.left();
        for (int i = 0; i < rows.along.size(); ++i) {
            const Span &r = g.rows.at(s)[i];
            dimension(p, false, x, r.from, r.to);
            for (int y : {r.from, r.to}) {
                if (left) p.drawLine(x - 4, y, outer.left() - 3, y);
                else p.drawLine(outer.right() + 3, y, x + 4, y);
            }
        }
    }
    // The overall sizes: their numbers are printed by the window beside these lines.
    const int widthY = layout.widthText.y() - 4;
    dimension(p, true, widthY, outer.left(), outer.right());
    for (int x : {outer.left(), outer.right()}) p.drawLine(x, outer.bottom() + 3, x, widthY + 4);
    const int heightX = layout.heightText.x() - 4;
    dimension(p, false, heightX, outer.top(), outer.bottom());
    for (int y : {outer.top(), outer.bottom()}) {
        if (heightX < outer.left()) p.drawLine(heightX - 4, y, outer.left() - 3, y);
        else p.drawLine(outer.right() + 3, y, heightX + 4, y);
    }
}

QImage picture(const Sketch &sketch, const ShapeLayout &layout, const Geometry &g)
{
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect outer = sketch.loose ? g.rect(sketch.cells[0]).adjusted(-3, -3, 3, 3) : timber(sketch, g).boundingRect().toRect();
    drawDimensions(p, layout, g, outer);
    drawFrame(p, sketch, g);
    p.end();
    // Antialiasing is off, so these are all the colours there are: 8 bits a pixel hold them exactly.
    const QList<QRgb> colours{QColor(Qt::white).rgb(), Wood.rgb(), Outline.rgb(), Glass.rgb(), Band.rgb(), Dimension.rgb()};
    return image.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage icon(const Sketch &sketch, const Geometry &g)
{
    QImage image(IconSize, IconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRectF shape = timber(sketch, g).boundingRect();
    const double scale = (IconSize - 6) / std::max(shape.width(), shape.height());
    QPainter p(&image);
    p.translate(IconSize / 2.0, IconSize / 2.0);
    p.scale(scale, scale);
    p.translate(-shape.center());
    drawFrame(p, sketch, g);
    return image;
}

bool save(const QImage &image, const QString &path, const char *format)
{
    QImageWriter writer(path, format);
    if (writer.write(image)) return true;
    QTextStream(stderr) << path << ": " << writer.errorString() << "\n";
    return false;
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: gen_img <catalogue folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]) + "/IMG");
    if (!QDir().mkpath(folder.path())) return 1;

    bool ok = true;
    int written = 0;
    for (const ShapeVariant &v : ShapeCodes::all()) {
        const Sketch *sketch = nullptr;
        for (const Sketch &s : sketches())
            if (v.code == QLatin1String(s.code)) sketch = &s;
        const ShapeLayout *layout = find(v.code);
        if (!sketch || !layout) {
            QTextStream(stderr) << v.code << ": no drawing\n";
            ok = false;
            continue;
        }
        int panes = 0;
        for (const Cell &c : sketch->cells) panes += c.kind == Kind::Pane;
        const Geometry g = layOut(*sketch, *layout);
        if (panes != compartmentCount(v.code)) {
            QTextStream(stderr) << v.code << ": " << panes << " panes for " << compartmentCount(v.code) << " compartments\n";
            ok = false;
        }
        for (const QString &problem : g.problems) {
            QTextStream(stderr) << v.code << ": " << problem << "\n";
            ok = false;
        }
        ok = save(picture(*sketch, *layout, g), folder.filePath(v.code + ".bmp"), "bmp") && ok;
        ++written;
        if (v.i >= 0) {
            ok = save(icon(*sketch, g), folder.filePath(QString("%1%2.ico").arg(v.k).arg(v.i)), "ico") && ok;
            ++written;
        }
    }
    QTextStream(stdout) << written << " files in " << folder.path() << "\n";
    return ok ? 0 : 1;
}
