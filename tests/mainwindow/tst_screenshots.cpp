// Pictures of the frame window with the main screen, for people to look at ($ZANTOF_SHOTS).
#include "ProgramFixture.h"

#include <QtTest>

class TestScreenshots : public QObject {
    Q_OBJECT
private slots:
    void emptyAndWithMarks()
    {
        TestFolder folder;
        folder.write("PersGeg.Txt", "12345\r\nBouwbedrijf De Vries\r\nJan de Vries\r\nDorpsstraat 12\r\n1234 AB\r\n"
                                    "Ergenshuizen\r\n0123-111222\r\n0123-111223\r\nNieuwbouw 8 woningen\r\n"
                                    "jan@devries-bouw.example\r\nsmtp.devries-bouw.example\r\n 0\r\n");
        Program p;
        QVERIFY(p.start());
        saveShot(p.frame, "mainwindow-empty");

        p.newMark("A", 1200, 2400);
        p.s().Text1[1]->setText("Voordeur met zijlicht");
        p.newMark("B", 2400, 1500);
        p.s().ShowShapeButtons(4);
        saveShot(p.frame, "mainwindow-marks");
        VERIFY_DIALOGS(p.dialogs);
    }
};

QTEST_MAIN(TestScreenshots)
#include "tst_screenshots.moc"
