#include "TestSupport.h"

#include "platform/TextFile.h"

#include <QDir>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void cp1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QString("Kozijn A-1") << QByteArray("Kozijn A-1");
        QTest::newRow("latin") << QString::fromUtf8("é ò õ ÿ") << QByteArray("\xE9 \xF2 \xF5 \xFF");
        QTest::newRow("euro and quotes") << QString::fromUtf8("€ „x“ – Ÿ") << QByteArray("\x80 \x84x\x93 \x96 \x9F");
        QTest::newRow("undefined bytes keep their code") << QString(QChar(0x81)) + QChar(0x9D) << QByteArray("\x81\x9D");
        QTest::newRow("controls") << QString("a\r\nb\tc") << QByteArray("a\r\nb\tc");
    }
    void cp1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toCp1252(text), bytes);
        QCOMPARE(fromCp1252(bytes), text);
    }

    void unmappableBecomesQuestionMark()
    {
        QCOMPARE(toCp1252(QString::fromUtf8("a中b")), QByteArray("a?b"));
        QCOMPARE(toCp1252(QString::fromUtf8("x😀y")), QByteArray("x?y")); // one character, one "?"
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\nb\r\n") << QStringList{"a", "", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("1252") << QByteArray("Caf\xE9\r\n") << QStringList{QString::fromUtf8("Café")};
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestFolder folder(false);
        folder.write("x.txt", bytes);
        const auto read = readTextLines("x.txt");
        QVERIFY(read.has_value());
        QCOMPARE(*read, lines);
    }

    void missingFileReadsAsNothing()
    {
        TestFolder folder(false);
        QVERIFY(!readTextLines("nope.txt").has_value());
    }

    void findsNamesInAnyCase()
    {
        TestFolder folder(false);
        folder.write("Vormen/LMM.bmp", "x");
        folder.write("KozHout.txt", "x");
        QCOMPARE(findFile("Kozhout.TXT"), QDir::current().filePath("KozHout.txt"));
        QCOMPARE(findFile("vormen/lmm.BMP"), QDir::current().filePath("Vormen/LMM.bmp"));
        QCOMPARE(findFile("Vormen\\LMM.bmp"), QDir::current().filePath("Vormen/LMM.bmp"));
        QVERIFY(fileExists("KOZHOUT.TXT"));
        QVERIFY(!fileExists("Vormen"));
        QVERIFY(folderExists("VORMEN"));
        QVERIFY(findFile("Kleur.txt").isEmpty());
        QVERIFY(findFile("Vormen/MM.bmp").isEmpty());
    }

    void writesCrLfAnd1252()
    {
        TestFolder folder(false);
        QVERIFY(writeTextLines("out.txt", {QString::fromUtf8("één"), "", "b"}));
        QCOMPARE(folder.read("out.txt"), QByteArray("\xE9\xE9n\r\n\r\nb\r\n"));
    }

    void failedWriteKeepsTheOldFile()
    {
        TestFolder folder(false);
        QDir().mkdir("locked");
        folder.write("locked/old.txt", "old contents");
        if (!setFolderWritable(folder.file("locked"), false)) QSKIP("cannot make a folder read-only here");
        QString error;
        const bool written = writeTextLines("locked/old.txt", {"new"}, &error);
        setFolderWritable(folder.file("locked"), true);
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(folder.read("locked/old.txt"), QByteArray("old contents"));
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
