// The catalogue files as the windows read them: the required-file check, Basis.TXT's defaults and
// the lists, each with missing, empty and malformed files.
#include "TestSupport.h"
#include "model/Catalogue.h"

#include <QElapsedTimer>
#include <QDir>
#include <QtTest>

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void requiredFiles_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("message"); // "" when everything is there
        QTest::newRow("all there") << "" << "";
        QTest::newRow("ICO") << "ICO" << "De map ICO";
        QTest::newRow("Vormen") << "Vormen" << "De map Vormen";
        QTest::newRow("Basis") << "Basis.TXT" << "Basis.txt";
        QTest::newRow("BorstW") << "BorstW.txt" << "BorstW.txt";
        QTest::newRow("EmOD") << "EmOD.TXT" << "EmOD.txt";
        QTest::newRow("Kleur") << "Kleur.txt" << "Kleur.txt";
        QTest::newRow("KozHout") << "Kozhout.TXT" << "KozHout.txt";
        QTest::newRow("Spouwlat") << "Spouwlat.txt" << "Spouwlat.txt";
        QTest::newRow("HORREN is not required") << "HORREN.TXT" << "";
    }
    void requiredFiles()
    {
        QFETCH(QString, removed);
        QFETCH(QString, message);
        TestFolder folder;
        if (!removed.isEmpty()) folder.remove(removed);
        const auto missing = Catalogue::missingRequiredFile();
        if (message.isEmpty()) {
            QVERIFY(!missing);
        } else {
            QVERIFY(missing);
            QCOMPARE(*missing, message + " niet gevonden !\r\n\r\nVraag uw timmerbedrijf voor dit bestand.");
        }
    }

    void aRequiredFileThatIsNoFileIsMissing_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : OddFileKinds) QTest::newRow(kind) << QString(kind);
    }
    void aRequiredFileThatIsNoFileIsMissing()
    {
        QFETCH(QString, kind);
        TestFolder folder;
        folder.remove("Kleur.txt");
        QVERIFY(makeOddFile("Kleur.txt", kind));
        QCOMPARE(Catalogue::missingRequiredFile().value_or(QString()),
                 QString("Kleur.txt niet gevonden !\r\n\r\nVraag uw timmerbedrijf voor dit bestand."));
    }

    void anEmptyFolderIsMissingAndTheFirstMissingIsNamed()
    {
        TestFolder folder;
        folder.remove("Vormen");
        QDir(folder.path()).mkdir("Vormen");
        QDir(folder.path()).mkpath("Vormen/sub"); // a folder inside is no file
        folder.remove("Kleur.txt");
        QCOMPARE(Catalogue::missingRequiredFile().value_or(QString()).left(16), QString("De map Vormen ni"));
        // A required file that is a folder is missing too.
        TestFolder other;
        other.remove("Basis.TXT");
        QDir(other.path()).mkdir("basis.txt");
        QVERIFY(Catalogue::missingRequiredFile().value_or(QString()).startsWith("Basis.txt niet gevonden !"));
    }

    void factoryDefaults_data()
    {
        QTest::addColumn<QByteArray>("basis");
        QTest::addColumn<QStringList>("timbers");
        QTest::addColumn<QString>("expected"); // lines held | site | mail | timber | T | W | WK2 | name | phone
        QTest::newRow("whole file")
            << QByteArray("www.f.example\r\ninfo@f.example\r\nEiken\r\n67\r\n114\r\n1\r\nFabriek\r\n0101\r\n")
            << QStringList{"Meranti", "Eiken"} << "8|www.f.example|info@f.example|Eiken|67|114|1|Fabriek|0101";
        QTest::newRow("timber not listed: the first") << QByteArray("a\r\nb\r\nTeak\r\n") << QStringList{"Meranti", "Eiken"}
                                                      << "3|a|b|Meranti|0|0|0||";
        QTest::newRow("no timber list") << QByteArray("a\r\nb\r\nTeak\r\n") << QStringList{} << "3|a|b||0|0|0||";
        QTest::newRow("sizes that are no size read as 0")
            << QByteArray("a\r\nb\r\nEiken\r\ndik\r\n10000\r\nja\r\n") << QStringList{"Eiken"} << "6|a|b|Eiken|0|0|0||";
        QTest::newRow("negative size") << QByteArray("a\r\nb\r\nEiken\r\n-5\r\n 90 \r\n2\r\n") << QStringList{"Eiken"}
                                       << "6|a|b|Eiken|0|90|0||";
        QTest::newRow("fractions to the nearest, halves to even")
            << QByteArray("a\r\nb\r\nEiken\r\n56.5\r\n57.5\r\n1.0\r\n") << QStringList{"Eiken"} << "6|a|b|Eiken|56|58|1||";
        QTest::newRow("lines beyond eight are ignored") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n")
                                                        << QStringList{} << "8|1|2||4|5|0|7|8";
        QTest::newRow("empty file") << QByteArray() << QStringList{"Eiken"} << "0||||0|0|0||";
    }
    void factoryDefaults()
    {
        QFETCH(QByteArray, basis);
        QFETCH(QStringList, timbers);
        QFETCH(QString, expected);
        TestFolder folder;
        folder.write("Basis.TXT", basis);
        const Catalogue::FactoryDefaults d = Catalogue::factoryDefaults(timbers);
        const QString got = QStringList{QString::number(d.lineCount), d.webSite, d.eMail, d.timberType,
                                        QString::number(d.frameThickness), QString::number(d.frameWidth),
                                        QString::number(int(d.resistanceClass2)), d.factoryName, d.factoryPhone}
                                .join('|');
        QCOMPARE(got, expected);
    }

    void aShortBasisSetsOnlyWhatItHolds()
    {
        TestFolder folder;
        folder.write("Basis.TXT", "www.f.example\r\ninfo@f.example\r\nEiken\r\n67\r\n");
        ScopedProject project;
        ProjectState &s = project.state();
        s.DefaultFrameWidth = 88;
        s.FactoryName = "eerder";
        Catalogue::applyFactoryDefaults(s, Catalogue::factoryDefaults({"Eiken"}));
        QCOMPARE(s.FactoryWebSite, QString("www.f.example"));
        QCOMPARE(s.FactoryEMail, QString("info@f.example"));
        QCOMPARE(s.DefaultTimberType, QString("Eiken"));
        QCOMPARE(s.DefaultFrameThickness, int16(67));
        QCOMPARE(s.DefaultMullionThickness, int16(67)); // one line for the three thicknesses
        QCOMPARE(s.DefaultTransomThickness, int16(67));
        QCOMPARE(s.DefaultFrameWidth, int16(88));
        QCOMPARE(s.FactoryName, QString("eerder"));

        folder.remove("Basis.TXT");
        QCOMPARE(Catalogue::factoryDefaults({"Eiken"}).lineCount, 0);
    }

    void lists_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // "-" for a missing file
        QTest::addColumn<QStringList>("entries");
        const QStringList none;
        QTest::newRow("timber") << "Kozhout.TXT" << QByteArray("Eiken\r\n\r\nMeranti") << QStringList{"Eiken", "", "Meranti"};
        QTest::newRow("timber missing") << "Kozhout.TXT" << QByteArray("-") << none;
        QTest::newRow("colours keep empty lines") << "Kleur.txt" << QByteArray("Wit\r\n\r\nRood\r\n")
                                                  << QStringList{"Wit", "", "Rood"};
        QTest::newRow("colours missing") << "Kleur.txt" << QByteArray("-") << none;
        QTest::newRow("battens after an empty entry") << "Spouwlat.txt" << QByteArray("30 mm\n40 mm\n")
                                                      << QStringList{"", "30 mm", "40 mm"};
        QTest::newRow("battens missing") << "Spouwlat.txt" << QByteArray("-") << QStringList{""};
        QTest::newRow("sills skip blank lines, keep the rest as it stands")
            << "EmOD.TXT" << QByteArray("Hardsteen \r\n   \r\n\r\nGeen\r") << QStringList{"", "Hardsteen ", "Geen"};
        QTest::newRow("sills empty") << "EmOD.TXT" << QByteArray() << QStringList{""};
        QTest::newRow("screens after an empty entry") << "HORREN.TXT" << QByteArray("Rolhor\r\nPlissehor\r\n")
                                                      << QStringList{"", "Rolhor", "Plissehor"};
        QTest::newRow("screens missing") << "HORREN.TXT" << QByteArray("-") << QStringList{""};
        // What is no regular file reads as a missing one, at once (a FIFO held the open).
        for (const char *kind : OddFileKinds) {
            QTest::newRow(QByteArray("screens, ") + kind) << "HORREN.TXT" << QByteArray("<") + kind + ">" << QStringList{""};
            QTest::newRow(QByteArray("colours, ") + kind) << "Kleur.txt" << QByteArray("<") + kind + ">" << none;
        }
    }
    void lists()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, entries);
        TestFolder folder;
        folder.remove(file);
        if (content.startsWith('<'))
            QVERIFY(makeOddFile(file.toLower(), QString::fromLatin1(content.mid(1, content.size() - 2))));
        else if (content != "-")
            folder.write(file.toLower(), content); // found whatever the case of its name
        QElapsedTimer clock;
        clock.start();
        const QStringList got = file == "Kozhout.TXT" ? Catalogue::timberTypes()
                                : file == "Kleur.txt"  ? Catalogue::colourEntries()
                                : file == "Spouwlat.txt" ? Catalogue::battenEntries()
                                : file == "EmOD.TXT"   ? Catalogue::sillEntries()
                                                       : Catalogue::screenEntries();
        QVERIFY2(clock.elapsed() < 1000 || !content.startsWith('<'), qPrintable(QString::number(clock.elapsed()) + " ms"));
        QCOMPARE(got, entries);
    }

    void breastWallsBelowTheClearHeight_data()
    {
        QTest::addColumn<QByteArray>("content"); // "-" for a missing file
        QTest::addColumn<int>("clearHeight");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("only below, never equal") << QByteArray("600\r\n900\r\n1000\r\n") << 900 << QStringList{"600"};
        QTest::newRow("order kept, lines unchanged") << QByteArray("800\r\n 300\r\n600 mm\r\n") << 900
                                                     << QStringList{"800", " 300", "600 mm"};
        QTest::newRow("blanks inside a number") << QByteArray("1 000\r\n") << 999 << QStringList{};
        QTest::newRow("text reads as 0") << QByteArray("geen\r\n\r\n") << 1 << QStringList{"geen", ""};
        QTest::newRow("nothing below 0") << QByteArray("geen\r\n") << 0 << QStringList{};
        QTest::newRow("missing") << QByteArray("-") << 900 << QStringList{};
    }
    void breastWallsBelowTheClearHeight()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, clearHeight);
        QFETCH(QStringList, entries);
        TestFolder folder;
        folder.remove("BorstW.txt");
        if (content != "-") folder.write("BorstW.txt", content);
        QCOMPARE(Catalogue::breastWallEntries(clearHeight), entries);
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
