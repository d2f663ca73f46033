#include "TestSupport.h"

#include "platform/Pictures.h"
#include "platform/TextFile.h"

#include <QDir>

#include <QElapsedTimer>

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    // A picture and an icon that are files read as their images.
    void realPicturesRead()
    {
        TestFolder folder(true);
        const QImage picture = readPicture(findFile("Vormen/" + QDir("Vormen").entryList({"*.bmp"}).value(0)));
        QVERIFY(!picture.isNull());
        const QIcon icon = readIcon(findFile("ICO/ZanTof.ico"));
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.availableSizes().isEmpty());
        QCOMPARE(icon.availableSizes(), QIcon(findFile("ICO/ZanTof.ico")).availableSizes());
    }

    // A FIFO under a picture's name held the main screen's start, a link to /dev/zero filled the memory.
    void oddFilesGiveNoPictureAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : OddFileKinds) QTest::newRow(kind) << QString(kind);
    }
    void oddFilesGiveNoPictureAtOnce()
    {
        QFETCH(QString, kind);
        TestFolder folder(false);
        QVERIFY(makeOddFile("x.bmp", kind));
        QVERIFY(makeOddFile("x.ico", kind));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(readPicture("x.bmp").isNull());
        QVERIFY(readIcon("x.ico").isNull());
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed()) + " ms"));
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
