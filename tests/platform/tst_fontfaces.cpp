// The faces the windows name resolve to legible free fonts, not to whatever the matcher picks.
#include "platform/FontFaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QtTest>

class TestFontFaces : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { mapFontFaces(); }

    void everyNamedFaceResolvesToItsStandIn_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("family");
        QTest::newRow("drawing labels, help text") << "Comic Sans MS" << "Comic Neue";
        QTest::newRow("size labels") << "Arial" << "Liberation Sans";
        QTest::newRow("canvas default") << "MS Sans Serif" << "Liberation Sans";
    }
    void everyNamedFaceResolvesToItsStandIn()
    {
        QFETCH(QString, face);
        QFETCH(QString, family);
        QVERIFY2(QFontDatabase::hasFamily(family), qPrintable(family + " is not installed (tools/deps.sh installs it)"));
        QFont font(face);
        font.setPointSize(8);
        QCOMPARE(QFontInfo(font).family(), family);
    }
};

QTEST_MAIN(TestFontFaces)
#include "tst_fontfaces.moc"
