// Numbers as the program's files and the catalogue hold them: a whole value, and the number a text
// starts with. Plain digits only: no exponent, no group separator, no digits of other scripts.
#include "model/WholeNumber.h"

#include <QtTest>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "12" << true << 12;
        QTest::newRow("leading zeros") << "00012" << true << 12;
        QTest::newRow("blanks around") << " \t12 \r\n" << true << 12;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("minus") << "-7" << true << -7;
        QTest::newRow("minus zero") << "-0" << true << 0;
        QTest::newRow("half to even down") << "2.5" << true << 2;
        QTest::newRow("half to even up") << "3.5" << true << 4;
        QTest::newRow("negative half") << "-2.5" << true << -2;
        QTest::newRow("above half") << "2.51" << true << 3;
        QTest::newRow("point without fraction") << "5." << true << 5;
        QTest::newRow("fraction without digits before") << ".6" << true << 1;
        QTest::newRow("half alone") << ".5" << true << 0;
        QTest::newRow("largest") << "32767" << true << 32767;
        QTest::newRow("rounded to the largest") << "32767.4" << true << 32767;
        QTest::newRow("smallest") << "-32768" << true << -32768;
        QTest::newRow("one too many") << "32768" << false << 0;
        QTest::newRow("rounded over") << "32767.5" << false << 0;
        QTest::newRow("one too few") << "-32769" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blanks") << "   " << false << 0;
        QTest::newRow("word") << "abc" << false << 0;
        QTest::newRow("point alone") << "." << false << 0;
        QTest::newRow("sign alone") << "+" << false << 0;
        QTest::newRow("two signs") << "--1" << false << 0;
        QTest::newRow("sign after blank") << "- 1" << false << 0;
        QTest::newRow("exponent") << "1e3" << false << 0;
        QTest::newRow("comma") << "1,5" << false << 0;
        QTest::newRow("two points") << "1.2.3" << false << 0;
        QTest::newRow("blank inside") << "1 2" << false << 0;
        QTest::newRow("unit after") << "12mm" << false << 0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0;
        QTest::newRow("infinity") << "inf" << false << 0;
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << false << 0;
        QTest::newRow("fullwidth digit") << QString(QChar(0xFF11)) << false << 0;
    }
    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, read);
        QFETCH(int, value);
        const std::optional<int> n = wholeNumber(text);
        QCOMPARE(n.has_value(), read);
        if (read) QCOMPARE(*n, value);
    }

    void leadingNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("unit after") << "600 mm" << 600.0;
        QTest::newRow("blank inside") << "1 000" << 1000.0;
        QTest::newRow("tab and newline inside") << "\t3\n4" << 34.0;
        QTest::newRow("word") << "geen" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("fraction") << "-12.5x" << -12.5;
        QTest::newRow("sign and fraction only") << "+.5" << 0.5;
        QTest::newRow("point without fraction") << "5.kg" << 5.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("point then letter") << ".x" << 0.0;
        QTest::newRow("sign apart") << "- 3" << -3.0;
        QTest::newRow("two signs") << "+-3" << 0.0;
        QTest::newRow("exponent not read") << "1e3" << 1.0;
        QTest::newRow("comma ends it") << "12,5" << 12.0;
        QTest::newRow("minus ends it") << "3-4" << 3.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << 0.0;
    }
    void leadingNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(leadingNumber(text), value);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
