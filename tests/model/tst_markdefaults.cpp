// The defaults a mark starts with, without a window: those of the lines Basis.TXT held, its frame
// thickness also the mullion's and the transom's. (A new mark of them: tst_marklist.)
#include "TestSupport.h"
#include "model/MarkDefaults.h"

#include <QtTest>

namespace {
template <class T> QString shown(const std::optional<T> &v)
{
    if (!v) return "-";
    if constexpr (std::is_same_v<T, QString>)
        return *v;
    else
        return QString::number(int(*v));
}
}

class TestMarkDefaults : public QObject {
    Q_OBJECT
private slots:
    void eachDefaultOnlyWhereItsLineIsHeld_data()
    {
        QTest::addColumn<QByteArray>("basis");
        QTest::addColumn<QString>("expected"); // timber | frame thickness | width | mullion | transom | WK2; "-" not given
        const QByteArray head = "www.f.example\r\ninfo@f.example\r\n";
        QTest::newRow("whole file") << head + "Eiken\r\n67\r\n114\r\n1\r\nFabriek\r\n0101\r\n" << "Eiken|67|114|67|67|1";
        QTest::newRow("up to resistance class") << head + "Eiken\r\n56\r\n90\r\n0\r\n" << "Eiken|56|90|56|56|0";
        QTest::newRow("up to frame width") << head + "Eiken\r\n56\r\n90\r\n" << "Eiken|56|90|56|56|-";
        QTest::newRow("up to thickness") << head + "Eiken\r\n56\r\n" << "Eiken|56|-|56|56|-";
        QTest::newRow("up to timber") << head + "Teak\r\n" << "Meranti|-|-|-|-|-";
        QTest::newRow("factory only") << head << "-|-|-|-|-|-";
        QTest::newRow("empty file") << QByteArray() << "-|-|-|-|-|-";
        QTest::newRow("no size reads as 0") << head + "Eiken\r\ndik\r\n\r\n" << "Eiken|0|0|0|0|-";
    }
    void eachDefaultOnlyWhereItsLineIsHeld()
    {
        QFETCH(QByteArray, basis);
        QFETCH(QString, expected);
        TestFolder folder;
        folder.write("Basis.TXT", basis);
        const MarkDefaults d = markDefaults(Catalogue::factoryDefaults({"Meranti", "Eiken"}));
        const QString got = QStringList{shown(d.timberType),       shown(d.frameThickness),   shown(d.frameWidth),
                                        shown(d.mullionThickness), shown(d.transomThickness), shown(d.resistanceClass2)}
                                .join('|');
        QCOMPARE(got, expected);
    }
};

QTEST_GUILESS_MAIN(TestMarkDefaults)
#include "tst_markdefaults.moc"
