// The message box's buttons, its default button and icon, and the icon strip's transparency.
#include "mainwindow/BoxButtons.h"
#include "mainwindow/IconStrip.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPainter>

#include <QtTest>

namespace {
// The panel of the design window: 359 - 30 pixels, in twips.
constexpr double P = 329 * 15;
}

class TestBoxButtons : public QObject {
    Q_OBJECT
private slots:
    void sets_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("given");     // Btn1 to Btn3
        QTest::addColumn<QStringList>("captions");  // "" for a hidden button
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QList<double>>("lefts");
        const QStringList none{"", "", ""};
        // One button centred: (4935 - 1200) / 2; two at a third and mirrored; three from the middle's design place.
        const QList<double> one{1867.5, 1815, 3495}, two{1045, 2690, 3495}, three{307.5, 1867.5, 3427.5};
        QTest::newRow("0") << 0 << none << QStringList{"OK", "", ""} << QList<int>{1, 0, 0} << one;
        QTest::newRow("1") << 1 << none << QStringList{"OK", "Cancel", ""} << QList<int>{1, 2, 0} << two;
        QTest::newRow("2") << 2 << none << QStringList{"Abort", "Retry", "Ignore"} << QList<int>{3, 4, 5} << three;
        QTest::newRow("3") << 3 << none << QStringList{"Yes", "No", "Cancel"} << QList<int>{6, 7, 2} << three;
        QTest::newRow("4") << 4 << none << QStringList{"Yes", "No", ""} << QList<int>{6, 7, 0} << two;
        QTest::newRow("5") << 5 << none << QStringList{"Retry", "Cancel", ""} << QList<int>{4, 2, 0} << two;
        QTest::newRow("6 all three") << 6 << QStringList{"Ja", "Nee", "Later"} << QStringList{"Ja", "Nee", "Later"}
                                     << QList<int>{1, 2, 3} << three;
        // Only the second: two places, the hidden first keeps its own; the shown one at two thirds.
        QTest::newRow("6 only Btn2") << 6 << QStringList{"", "Nee", ""} << QStringList{"", "Nee", ""}
                                     << QList<int>{0, 2, 0} << two;
        QTest::newRow("6 first and third") << 6 << QStringList{"Ja", "", "Later"} << QStringList{"Ja", "", "Later"}
                                           << QList<int>{1, 0, 3} << three;
        // Nobody could answer a box without buttons: it gets one "OK".
        QTest::newRow("6 none") << 6 << none << QStringList{"OK", "", ""} << QList<int>{1, 0, 0} << one;
        QTest::newRow("7") << 7 << none << QStringList{"OK", "", ""} << QList<int>{1, 0, 0} << one;
        // Icon and default-button bits do not choose the set.
        QTest::newRow("4 with icon and default") << (4 | 0x30 | 0x100) << none << QStringList{"Yes", "No", ""}
                                                 << QList<int>{6, 7, 0} << two;
    }
    void sets()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, given);
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, codes);
        QFETCH(QList<double>, lefts);
        const BoxButtons set = LayoutButtons(flags, given[0], given[1], given[2], P);
        for (int i = 0; i < 3; ++i) {
            const BoxButton &b = set.buttons[i];
            QCOMPARE(b.shown, !captions[i].isEmpty());
            QCOMPARE(b.caption, captions[i]);
            QCOMPARE(b.code, codes[i]);
            QCOMPARE(b.left, lefts[i]);
        }
    }

    void defaultAndFocus()
    {
        QCOMPARE(defaultButtonFor(0, 3), 1);
        QCOMPARE(defaultButtonFor(0x100 | 0x44, 3), 2);
        QCOMPARE(defaultButtonFor(0x200, 1), 3);
        QCOMPARE(defaultButtonFor(0x300, 2), 2);
        const BoxButtons yesNo = LayoutButtons(4, {}, {}, {}, P);
        QCOMPARE(focusButton(yesNo, 2), 1);
        // A default button that is not shown hands the focus to the first that is.
        QCOMPARE(focusButton(yesNo, 3), 0);
        QCOMPARE(focusButton(LayoutButtons(6, "", "", "Later", P), 1), 2);
    }

    void iconCells()
    {
        const QList<QPair<int, int>> table{{0, 0},     {0x10, 1}, {0x20, 4}, {0x30, 2}, {0x40, 3},
                                           {0x50, 5},  {0x60, 6}, {0x70, 7}, {0x44, 3}, {0x4 | 0x100, 0}};
        for (const auto &[flags, cell] : table) QCOMPARE(iconCell(flags), cell);
    }

    void stripIsTransparentWherePureGreen()
    {
        const QImage &strip = IconStrip::stripImage();
        QCOMPARE(strip.size(), QSize(192, 16));
        for (const QColor back : {QColor(255, 255, 204), QColor(Qt::white)}) {
            for (int cell = 1; cell <= 12; ++cell) {
                const QImage picture = IconStrip::cellPicture(cell, 16, back);
                QCOMPARE(picture.size(), QSize(16, 16));
                int transparent = 0, drawn = 0;
                for (int y = 0; y < 16; ++y) {
                    for (int x = 0; x < 16; ++x) {
                        const QRgb source = strip.pixel((cell - 1) * 16 + x, y);
                        const QRgb shown = picture.pixel(x, y);
                        if (source == IconStrip::Transparent) {
                            ++transparent;
                            QCOMPARE(shown, back.rgb());
                        } else {
                            ++drawn;
                            QCOMPARE(shown, source);
                        }
                    }
                }
                // Every cell has a picture and something around it.
                QVERIFY2(transparent > 0 && drawn > 20, qPrintable(QString("cell %1").arg(cell)));
            }
        }
        // Two rows of six, enlarged, for people to look at.
        QImage rows(96, 32, QImage::Format_RGB32);
        QPainter(&rows).drawImage(0, 0, strip.copy(0, 0, 96, 16));
        QPainter(&rows).drawImage(0, 16, strip.copy(96, 0, 96, 16));
        QLabel enlarged;
        enlarged.setPixmap(QPixmap::fromImage(rows.scaled(rows.size() * 5)));
        enlarged.adjustSize();
        saveShot(&enlarged, "iconstrip");
    }

    void maskedCopyKeepsTheDestinationUnderTransparentPixels()
    {
        QImage source(3, 1, QImage::Format_RGB32);
        source.setPixel(0, 0, qRgb(0, 255, 0));
        source.setPixel(1, 0, qRgb(10, 20, 30));
        source.setPixel(2, 0, qRgb(0, 254, 0));
        QImage destination(5, 2, QImage::Format_RGB32);
        destination.fill(Qt::white);
        IconStrip::MaskedCopy(destination, source, QRect(0, 0, 3, 1), QPoint(2, 1), qRgb(0, 255, 0));
        QCOMPARE(destination.pixel(2, 1), qRgb(255, 255, 255));
        QCOMPARE(destination.pixel(3, 1), qRgb(10, 20, 30));
        QCOMPARE(destination.pixel(4, 1), qRgb(0, 254, 0)); // only pure green is transparent
        QCOMPARE(destination.pixel(3, 0), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestBoxButtons)
#include "tst_boxbuttons.moc"
