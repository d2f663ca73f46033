// Start-up of the program: the catalogue check, the personal data, the timber types and the
// factory defaults; the field checks of the main screen; the frame window's menu.
#include "ProgramFixture.h"

#include <QDir>
#include <QFile>
#include <QWindow>
#include <QtTest>

namespace {
const QByteArray FullPersGeg = "12345\r\nBouwbedrijf De Vries\r\nJan de Vries\r\nDorpsstraat 12\r\n1234 AB\r\n"
                               "Ergenshuizen\r\n0123-111222\r\n0123-111223\r\nNieuwbouw 8 woningen\r\n"
                               "jan@devries-bouw.example\r\nsmtp.devries-bouw.example\r\n";
const QStringList FullFields{"12345",        "Bouwbedrijf De Vries", "Jan de Vries",         "Dorpsstraat 12",
                             "1234 AB",      "Ergenshuizen",         "0123-111222",          "0123-111223",
                             "Nieuwbouw 8 woningen", "jan@devries-bouw.example", "smtp.devries-bouw.example"};

QStringList personalFields(HoofdScherm &s)
{
    QStringList out;
    for (int i = 2; i <= 12; ++i) out << s.Text1[i]->text();
    return out;
}
}

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void aMissingCatalogueItemEndsTheProgram_data()
    {
        QTest::addColumn<QStringList>("remove"); // paths in the program folder; "Vormen/*" empties the folder
        QTest::addColumn<QString>("shown");
        QTest::newRow("ICO") << QStringList{"ICO"} << "De map ICO";
        QTest::newRow("ICO empty") << QStringList{"ICO/*"} << "De map ICO";
        QTest::newRow("Vormen") << QStringList{"Vormen"} << "De map Vormen";
        QTest::newRow("Vormen empty") << QStringList{"Vormen/*"} << "De map Vormen";
        QTest::newRow("Basis") << QStringList{"Basis.TXT"} << "Basis.txt";
        QTest::newRow("BorstW") << QStringList{"BorstW.txt"} << "BorstW.txt";
        QTest::newRow("EmOD") << QStringList{"EmOD.TXT"} << "EmOD.txt";
        QTest::newRow("Kleur") << QStringList{"Kleur.txt"} << "Kleur.txt";
        QTest::newRow("Kozhout") << QStringList{"Kozhout.TXT"} << "KozHout.txt";
        QTest::newRow("Spouwlat") << QStringList{"Spouwlat.txt"} << "Spouwlat.txt";
        QTest::newRow("first one named") << QStringList{"Kleur.txt", "Vormen", "Basis.TXT"} << "De map Vormen";
    }
    void aMissingCatalogueItemEndsTheProgram()
    {
        QFETCH(QStringList, remove);
        QFETCH(QString, shown);
        TestFolder folder;
        for (const QString &r : remove) {
            if (r.endsWith("/*")) {
                const QDir dir(folder.file(r.chopped(2)));
                for (const QString &f : dir.entryList(QDir::Files)) QFile::remove(dir.filePath(f));
            } else {
                folder.remove(r);
            }
        }
        Program p;
        p.dialogs.answer(MsgAnswer::OK, shown + " niet gevonden !\r\n\r\nVraag uw timmerbedrijf voor dit bestand.",
                         "FOUTMELDING");
        QVERIFY(!p.start());
        QCOMPARE(p.dialogs.shown.first().style, MsgStyle::Critical);
        QCOMPARE(p.ended, 1);
        QVERIFY(Form::loadedForms().isEmpty());
        QCOMPARE(p.state().FormLevel, int16(0));
        QVERIFY(!QFile::exists(folder.file("PersGeg.Txt")));
        VERIFY_DIALOGS(p.dialogs);
    }

    void theWholeCatalogueStartsTheMainScreen()
    {
        TestFolder folder;
        QFile::remove(folder.file("HORREN.TXT")); // not among the files the start asks for
        folder.write("Kozhout.TXT", "Meranti\r\n\r\nEiken\r\n");
        Program p;
        QVERIFY(p.start());
        QCOMPARE(p.ended, -1);
        QCOMPARE(p.s().levelTag(), QString("0"));
        QCOMPARE(p.state().FormLevel, int16(1));
        QCOMPARE(p.state().MarkCount, int16(0));
        QVERIFY(!p.state().ProjectDirty);
        QCOMPARE(p.s().windowTitle(), QString("Velbrant Automatisering"));
        QCOMPARE(p.frame->windowTitle(), QString("Zandrel Tofmaar"));
        // Every timber line is an entry, the empty one too, in file order.
        QCOMPARE(p.s().Combo1[0]->entryCount(), 3);
        QCOMPARE(p.s().Combo1[0]->entry(1), QString());
        QCOMPARE(p.s().Combo1[0]->entry(2), QString("Eiken"));
        QCOMPARE(p.s().Combo1[1]->entryCount(), 3);
        QCOMPARE(p.s().Combo1[1]->entry(1), QString("WinSock"));
        for (int k = 0; k < 10; ++k) QVERIFY(!p.s().Command2[k]->icon().isNull());
        VERIFY_DIALOGS(p.dialogs);
    }

    void aMissingShapePictureLeavesItsButtonBare()
    {
        TestFolder folder;
        QFile::remove(folder.file("Vormen/LMM.bmp"));
        folder.write("Vormen/MM.bmp", "not a picture");
        Program p;
        QVERIFY(p.start());
        QVERIFY(p.s().Command2[4]->icon().isNull());
        QVERIFY(p.s().Command2[5]->icon().isNull());
        QVERIFY(!p.s().Command2[6]->icon().isNull());
    }

    void factoryDefaults_data()
    {
        QTest::addColumn<QByteArray>("basis");
        QTest::addColumn<QString>("timber");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("frameWidth");
        QTest::addColumn<bool>("wk2");
        QTest::addColumn<QStringList>("factory"); // web site, e-mail, name, telephone
        const QStringList all{"www.hout.example", "info@hout.example", "Houtbouw B.V.", "012-3456"};
        auto basis = [](const QByteArray &l3, const QByteArray &l4, const QByteArray &l5, const QByteArray &l6) {
            return "www.hout.example\r\ninfo@hout.example\r\n" + l3 + "\r\n" + l4 + "\r\n" + l5 + "\r\n" + l6
                   + "\r\nHoutbouw B.V.\r\n012-3456\r\n";
        };
        // Kozhout.TXT holds Vuren, Meranti, Eiken.
        QTest::newRow("all given") << basis("Meranti", "67", "114", "0") << "Meranti" << 67 << 114 << false << all;
        QTest::newRow("resistance class") << basis("Eiken", "56", "90", "1") << "Eiken" << 56 << 90 << true << all;
        QTest::newRow("unknown timber: the first") << basis("Teak", "67", "114", "0") << "Vuren" << 67 << 114 << false << all;
        QTest::newRow("timber case matters") << basis("meranti", "67", "114", "0") << "Vuren" << 67 << 114 << false << all;
        QTest::newRow("blanks around numbers") << basis("Meranti", " 67 ", "114 ", " 1") << "Meranti" << 67 << 114 << true << all;
        QTest::newRow("fractions round half to even") << basis("Meranti", "66.5", "114.5", "0.5") << "Meranti" << 66 << 114 << false << all;
        QTest::newRow("fractions round to nearest") << basis("Meranti", "67.5", "113.6", "0.6") << "Meranti" << 68 << 114 << true << all;
        QTest::newRow("no number reads as 0") << basis("Meranti", "dik", "", "ja") << "Meranti" << 0 << 0 << false << all;
        QTest::newRow("beyond the field reads as 0") << basis("Meranti", "99999", "-5", "2") << "Meranti" << 0 << 0 << false << all;
        QTest::newRow("short file keeps what it read")
            << QByteArray("www.hout.example\r\ninfo@hout.example\r\nEiken\r\n") << "Eiken" << 0 << 0 << false
            << QStringList{"www.hout.example", "info@hout.example", "", ""};
        QTest::newRow("lines after the eighth ignored")
            << basis("Meranti", "67", "114", "0") + "meer\r\nnog meer\r\n" << "Meranti" << 67 << 114 << false << all;
    }
    void factoryDefaults()
    {
        QFETCH(QByteArray, basis);
        QFETCH(QString, timber);
        QFETCH(int, thickness);
        QFETCH(int, frameWidth);
        QFETCH(bool, wk2);
        QFETCH(QStringList, factory);
        TestFolder folder;
        folder.write("Basis.TXT", basis);
        folder.write("Kozhout.TXT", "Vuren\r\nMeranti\r\nEiken\r\n");
        Program p;
        QVERIFY(p.start());
        const ProjectState &s = p.state();
        QCOMPARE(p.s().Combo1[0]->text(), timber);
        QCOMPARE(s.DefaultTimberType, timber);
        for (int i : {4, 6, 7}) QCOMPARE(p.s().Num1[i]->value(), thickness);
        QCOMPARE(int(s.DefaultFrameThickness), thickness);
        QCOMPARE(int(s.DefaultMullionThickness), thickness);
        QCOMPARE(int(s.DefaultTransomThickness), thickness);
        QCOMPARE(p.s().Num1[5]->value(), frameWidth);
        QCOMPARE(int(s.DefaultFrameWidth), frameWidth);
        QCOMPARE(p.s().WK2->isChecked(), wk2);
        QCOMPARE((QStringList{s.FactoryWebSite, s.FactoryEMail, s.FactoryName, s.FactoryPhone}), factory);
        VERIFY_DIALOGS(p.dialogs);
    }

    void anEmptyTimberListGivesAnEmptyDefault()
    {
        TestFolder folder;
        folder.write("Kozhout.TXT", "");
        Program p;
        QVERIFY(p.start());
        QCOMPARE(p.state().DefaultTimberType, QString());
        QCOMPARE(p.s().Combo1[0]->text(), QString());
    }

    void personalData_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no PersGeg.Txt
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("method");
        QStringList empty;
        for (int i = 0; i < 11; ++i) empty << QString();
        QTest::newRow("no file") << QByteArray() << empty << 0;
        QTest::newRow("Outlook") << FullPersGeg + " 2\r\n" << FullFields << 2;
        QTest::newRow("WinSock without blank") << FullPersGeg + "1\r\n" << FullFields << 1;
        QTest::newRow("none selected when written") << FullPersGeg + "-1\r\n" << FullFields << 0;
        QTest::newRow("eleven lines") << FullPersGeg << FullFields << -1;
        QTest::newRow("line 12 no number") << FullPersGeg + "abc\r\n" << FullFields << -1;
        QTest::newRow("line 12 no entry") << FullPersGeg + " 5\r\n" << FullFields << -1;
        QStringList five = FullFields.mid(0, 5);
        for (int i = 0; i < 6; ++i) five << QString();
        QTest::newRow("five lines") << QByteArray("12345\nBouwbedrijf De Vries\nJan de Vries\nDorpsstraat 12\n1234 AB\n")
                                    << five << -1;
        QStringList accents = FullFields;
        accents[1] = "Bouwbedrijf Hélène & Zoë";
        QByteArray cp = FullPersGeg;
        cp.replace("Bouwbedrijf De Vries", "Bouwbedrijf H\xe9l\xe8ne & Zo\xeb");
        QTest::newRow("Windows-1252") << cp + " 0\r\n" << accents << 0;
    }
    void personalData()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, fields);
        QFETCH(int, method);
        TestFolder folder;
        if (!file.isEmpty()) folder.write("PersGeg.Txt", file);
        Program p;
        QVERIFY(p.start());
        QCOMPARE(personalFields(p.s()), fields);
        QCOMPARE(p.s().Combo1[1]->listIndex(), method);
        VERIFY_DIALOGS(p.dialogs);
    }

    void personalDataIsWrittenBackAtClose_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("unchanged") << FullPersGeg + " 1\r\n" << FullPersGeg + " 1\r\n";
        QTest::newRow("LF lines") << QByteArray(FullPersGeg).replace("\r\n", "\n") + "2" << FullPersGeg + " 2\r\n";
        QTest::newRow("eleven lines") << FullPersGeg << FullPersGeg + "-1\r\n";
        QTest::newRow("no file") << QByteArray() << QByteArray("\r\n").repeated(11) + " 0\r\n";
        const QByteArray cp = QByteArray(FullPersGeg).replace("De Vries", "Zo\xeb & Ren\xe9" "e") + " 2\r\n";
        QTest::newRow("Windows-1252") << cp << cp;
    }
    void personalDataIsWrittenBackAtClose()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, written);
        TestFolder folder;
        if (!file.isEmpty()) folder.write("PersGeg.Txt", file);
        Program p;
        QVERIFY(p.start());
        QVERIFY(p.s().unload());
        QCOMPARE(p.ended, 0);
        QCOMPARE(folder.read("PersGeg.Txt"), written);
        VERIFY_DIALOGS(p.dialogs);
    }

    void aLineBreakInAFieldIsWrittenAsABlank()
    {
        TestFolder folder;
        folder.write("PersGeg.Txt", FullPersGeg + " 0\r\n");
        Program p;
        QVERIFY(p.start());
        p.s().Text1[5]->setText("Dorpsstraat 12\r\nAchterom"); // as a project file may bring it
        p.s().Text1[6]->setText("1234\nAB");
        QVERIFY(p.s().unload());
        QByteArray expected = FullPersGeg + " 0\r\n";
        expected.replace("Dorpsstraat 12\r\n1234 AB", "Dorpsstraat 12 Achterom\r\n1234 AB");
        const QByteArray got = folder.read("PersGeg.Txt");
        QCOMPARE(got.count("\r\n"), 12);
        QVERIFY2(got.startsWith(expected.left(expected.indexOf("Ergenshuizen"))), got.constData());
    }

    void fieldChecksOnLeavingAField_data()
    {
        QTest::addColumn<int>("num");       // the numeric field checked, or -1 for the e-mail field
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // "" when the value passes
        QTest::addColumn<QString>("title");
        // The sample factory's thickness is 67: twice that is the least width and height.
        QTest::newRow("width one less") << 0 << "133" << "Ongeldige breedte opgegeven !" << "FOUTMELDING";
        QTest::newRow("width twice the thickness") << 0 << "134" << "" << "";
        QTest::newRow("width empty") << 0 << "" << "Ongeldige breedte opgegeven !" << "FOUTMELDING";
        QTest::newRow("height one less") << 1 << "133" << "Ongeldige hoogte opgegeven !" << "FOUTMELDING";
        QTest::newRow("height enough") << 1 << "2400" << "" << "";
        QTest::newRow("mail without dot") << -1 << "jan@devries" << "Ongeldig e-mail adres !" << "Foutmelding";
        QTest::newRow("mail without at") << -1 << "jan.devries.example" << "Ongeldig e-mail adres !" << "Foutmelding";
        QTest::newRow("mail empty") << -1 << "" << "Ongeldig e-mail adres !" << "Foutmelding";
        QTest::newRow("mail any order") << -1 << "a.b@c" << "" << "";
    }
    void fieldChecksOnLeavingAField()
    {
        QFETCH(int, num);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, title);
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        QLineEdit *field = num >= 0 ? static_cast<QLineEdit *>(p.s().Num1[num]) : p.s().Text1[11];
        p.declineFirstMark();
        field->setFocus(Qt::MouseFocusReason);
        field->setText(typed);
        if (!message.isEmpty()) p.dialogs.answer(MsgAnswer::OK, message, title);
        p.s().Text1[1]->setFocus(Qt::TabFocusReason);
        if (message.isEmpty()) {
            QVERIFY(p.s().Text1[1]->hasFocus());
        } else {
            QCOMPARE(p.dialogs.shown.last().style, MsgStyle::Exclamation);
            QVERIFY(field->hasFocus()); // the move is refused ...
            p.s().Text1[1]->setFocus(Qt::TabFocusReason);
            QVERIFY(p.s().Text1[1]->hasFocus()); // ... once: the same value again lets the user go
        }
        VERIFY_DIALOGS(p.dialogs);
    }

    void leavingTheWindowChecksNoField()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.declineFirstMark();
        p.s().Num1[0]->setFocus(Qt::MouseFocusReason);
        p.s().Num1[0]->setText("10");
        QWidget other; // a dialog or another program
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(p.frame);
        QVERIFY(p.s().Num1[0]->hasFocus());
        VERIFY_DIALOGS(p.dialogs); // no message was shown
    }

    void theFrameWindowMenu()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        ZanTof &f = *p.frame;
        QStringList captions;
        for (QAction *a : f.Menu->actions()) captions << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(captions, (QStringList{"Nieuw...", "Openen...", "-", "Opslaan", "Opslaan als...", "-",
                                        "Verzend tekeningen", "Afsluiten"}));
        QCOMPARE(f.Menu->title(), QString("&Menu"));
        QCOMPARE(f.Info->title(), QString("&Info"));
        QCOMPARE(f.QVHelp->text(), QString("Help"));
        QCOMPARE(f.About->text(), QString("Over..."));
        QCOMPARE(f.Nieuw->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(f.Openen->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(f.Save->shortcut(), QKeySequence("Ctrl+S"));
        QVERIFY(f.QVHelp->isEnabled() && f.About->isEnabled());
        QVERIFY(f.Nieuw->isEnabled() && f.Openen->isEnabled() && f.Afsluiten->isEnabled());
    }

    // However small the user makes the frame (the window manager gets its least size too), it shows
    // the whole main screen: the shape buttons and the send button stay within reach.
    void theFrameNeverCutsTheMainScreen()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        ZanTof &f = *p.frame;
        f.resize(500, 350);
        const auto shown = [&f](const QWidget *w) { return f.rect().contains(QRect(w->mapTo(&f, QPoint(0, 0)), w->size())); };
        QVERIFY(shown(p.screen));
        for (const QPushButton *b : p.s().Command2) QVERIFY2(shown(b), qPrintable(b->objectName()));
        for (const QPushButton *b : p.s().Command3) QVERIFY2(shown(b), qPrintable(b->objectName()));
        QVERIFY(f.windowHandle());
        const QSize least = f.windowHandle()->minimumSize();
        QVERIFY(least.width() >= p.screen->width() && least.height() > p.screen->height());
        saveShot(&f, "mainwindow-smallest");
    }

    void nieuwIsAnEnterKeystroke()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.declineFirstMark();
        p.s().Text1[3]->setFocus();
        int entered = 0;
        connect(p.s().Text1[3], &QLineEdit::returnPressed, [&] { ++entered; });
        p.frame->Nieuw->trigger();
        QCOMPARE(entered, 1);
        QCOMPARE(p.state().MarkCount, int16(0));
        VERIFY_DIALOGS(p.dialogs);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
