// The help window: its four topics, byte for byte, and how it lives on the form-level stack.
#include "TestSupport.h"
#include "app/ProjectFormLevels.h"
#include "mainwindow/Help.h"
#include "model/ProjectState.h"
#include "platform/Screen.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const char *const MainText =
        "Dit is het hoofdscherm van Zandrel Tofmaar.\r\n"
        "\r\n"
        "Als eerste dient u het merk in te vullen bv. 1, 2, 3 etc.\r\n"
        "Tevens kunt u een korte omschrijving opgeven (Optioneel)\r\n"
        "Vervolgens geeft u de breedte en de hoogte op van het kozijn.\r\n"
        "Geef daarna aan hoeveel kozijnen u nodig heeft + het aantal gespiegelde.\r\n"
        "U kunt de houtsoort van het kozijn en de afmetingen van het kozijnhout aangeven.\r\n"
        "Door het Weerstand klasse 2 vakje aan te vinken weet de timmerfabriek dat het moet voldoen aan weerstands klasse 2 volgens het bouw besluit, ook wel bekend het als Politie Keurmerk Veilig Wonen.\r\n"
        "\r\n"
        "Onderaan kunt u een keuze maken uit de vormen die aangegeven zijn.\r\n"
        "Als u een vorm aanklikt komt u in het volgende scherm. Dit is de basisvorm. Bij de meeste vormen kan er in het volgende scherm uit meerdere sub-vormen gekozen worden.\r\n"
        "\r\n"
        "Aan de rechter kant kunt u uw gegevens invullen. Klantnummer niet invullen, indien u geen bedrijfsnaam heeft hier particulieren invullen.\r\n"
        "Bij e-mail adres vult u uw eigen e-mail adres in en bij Mailserver (smtp) vult u uw uitgaande mailserver in. Raadpleeg uw provider gegevens (meestal: mail.uw provider.nl) of kijk bij 'servers' bij de 'Account-gegevens' van uw huidige e-mail programma\r\n"
        "\r\n"
        "De menu keuze 'Nieuw' betekent dat alles wordt verwijdert en er een nieuwe file wordt geopend. Eerst wordt gevraagd of u het huidige bestand wilt opslaan.\r\n"
        "\r\n"
        "Met de menu keuze 'Open' kunt een bestand open. U wordt gevraagd een bestand te selecteren. Het bestand wordt geopend en vervolgens kunt u de tekening aanpassen.\r\n"
        "\r\n"
        "Met de menu keuze 'Opslaan/Opslaan als' kunt u uw werk opslaan.\r\n"
        "Bij opslaan als kunt u zelf een naam op geven.\r\n"
        "\r\n"
        "Alle keuzes die u kunt maken, zoals bijv. type kozijnhout, vakvullingen, kozijnkleur, type roosters, hoogte borstweringen worden door de timmerfabriek bepaald.\r\n"
        "\r\n"
        "U kunt met F1 het hulpvenster oproepen.";

const char *const SubVormText =
        "Bij de meeste vormen kunt u bovenaan het scherm nog sub-vormen kiezen door op de knoppen te klikken.\r\n"
        "\r\n"
        "In de invoer velden kunt u de dagmaten opgeven van de tekening.\r\n"
        "Als er velden niet zijn ingevuld dan worden die automatisch ingevuld.\r\n"
        "\r\n"
        "Als u de dagmaten heeft opgegeven klikt u op de knop 'vakvulling' om de vakken te voorzien van een raam, deur, glas of paneel.";

const char *const TekenFormText =
        "Hier kunt u de verschillende vakken vullen met een deur, raam, glasvak of paneel.\r\n"
        "\r\n"
        "U kunt een vak kiezen door in het vak te klikken of bij 'Vaknummer' een vak op te geven.Het geselecteerde vak wordt gearceerd.\r\n"
        "\r\n"
        "Tevens kunt u de kleur, spouwlatten en onderdorpel kiezen van het kozijn.\r\n"
        "Onderaan kunt u keuze maken uit een deur, raam, glasvak of paneel.\r\n"
        "Vervolgens kunt u een geschikte deur, raam enz. kiezen.\r\n"
        "\r\n"
        "U kunt een vakvulling wissen door op de knop met het rode kruis te klikken.\r\n"
        "\r\n"
        "Bij opmerkingen kunt u eventueel aanvullende informatie opgeven.\r\n"
        "Als alles correct is ingevuld drukt u op de knop Ok om een volgende tekening te maken, of om de tekeningen te verzenden naar uw timmerfabriek.";

const char *const SubVakkenText =
        "Als u gekozen hebt voor een raam of deur kunt u hier de draairichting opgeven. U kunt ook voor een vast raam/deur kiezen.\r\n"
        "Als u voor glas gekozen hebt, kunt u kiezen tussen binnen- of buitenbeglazing.\r\n"
        "\r\n"
        "Vervolgens kunt u uit de lijst een type rooster kiezen. Als u gekozen hebt voor een stolpraam/deur kunt u kiezen of u het rooster in het linkse- of rechtse vak wilt, of in beide vakken.\r\n"
        "\r\n"
        "Ook kunt u hier het aantal horizontale en vertikale roeden opgeven. (maximaal 9)\r\n"
        "Als u gekozen hebt voor een tweevaks deur kunt u aangeven of u de roeden in het bovenste, onderste of in beide vakken wilt. Als het opplak roeden moeten zijn kunt u dat aanvinken.\r\n"
        "\r\n"
        "Ook de hoogte van de evt. borstwering kunt u kiezen uit de lijst.\r\n"
        "\r\n"
        "Tot slot kunt u aangeven of het vak uitgevoerd moet worden met hardglas.";

// A window below the help window on the stack.
class Below : public Form {
public:
    Below() { resize(300, 200); }

protected:
    void Form_Load() override { RegisterFormLevel(); }
};

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}

class TestHelp : public QObject {
    Q_OBJECT
    ProjectFormLevels levels; // the windows count their levels in the project
private slots:
    void cleanup()
    {
        if (Help *h = Help::loaded()) h->unload();
        settle();
    }

    void topics_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("text");
        QTest::newRow("Mainhelp") << 0 << "Kozijnen tekenen" << 8250 << 8000 << QString(MainText);
        QTest::newRow("SubVormHelp") << 1 << "Vormkeuze en dagmaten" << 6800 << 4500 << QString(SubVormText);
        QTest::newRow("TekenFormHelp") << 2 << "Vakvulling opgeven" << 8250 << 5700 << QString(TekenFormText);
        QTest::newRow("SubVakkenHelp") << 3 << "Subvakken opgeven" << 8000 << 6200 << QString(SubVakkenText);
    }
    void topics()
    {
        QFETCH(int, topic);
        QFETCH(QString, title);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, text);
        ScopedProject project;
        Help *h = Help::window();
        switch (topic) {
        case 0: h->Mainhelp(); break;
        case 1: h->SubVormHelp(); break;
        case 2: h->TekenFormHelp(); break;
        case 3: h->SubVakkenHelp(); break;
        }
        // Filled and placed, loaded, but not shown: the caller shows it.
        QVERIFY(h->isLoaded());
        QVERIFY(!h->isVisible());
        QCOMPARE(h->text(), text);
        QCOMPARE(h->Label1->text(), title);
        QCOMPARE(h->widthTwips(), width);
        QCOMPARE(h->heightTwips(), height);
        QCOMPARE(h->windowTitle(), QString(" Help"));
        const QSize screen = screenSize();
        QCOMPARE(h->pos(), QPoint((screen.width() - width / 15) / 2, (screen.height() - height / 15) / 3));
        // The text field shows every line; the button stays centred under it.
        QCOMPARE(h->Text1->toPlainText(), QString(text).replace("\r\n", "\n"));
        QCOMPARE(h->Text1->width(), (width - 400) / 15);
        QCOMPARE(h->Text1->height(), (height - 1660) / 15);
        QCOMPARE(h->Command1->x(), (width - h->Command1->width() * 15) / 2 / 15);
        QCOMPARE(h->Command1->y(), (height - 850) / 15);
        QVERIFY(h->Command1->geometry().bottom() < h->height());

        h->show();
        QCoreApplication::processEvents();
        QCOMPARE(h->widthTwips(), width); // the late resize of a window just shown changes nothing
        QCOMPARE(h->heightTwips(), height);
        saveShot(h, "help-" + QString(QTest::currentDataTag()));
    }

    void quirksOfTheTexts()
    {
        // Spelled as the factory has them, and no blank between two sentences of the drawing topic.
        QVERIFY(QString(MainText).contains("wordt verwijdert en"));
        QVERIFY(QString(SubVakkenText).contains("vertikale roeden"));
        QVERIFY(QString(TekenFormText).contains("op te geven.Het geselecteerde"));
    }

    void switchingTopicKeepsTheWindowAndItsLevel()
    {
        ScopedProject project;
        auto *below = new Below;
        below->load();
        below->show();
        Help *h = Help::window();
        h->Mainhelp();
        h->show();
        const QString level = h->levelTag();
        QCOMPARE(level, QString("1"));
        QCOMPARE(Project().FormLevel, 2);

        h->SubVormHelp();
        QCOMPARE(Help::window(), h);
        QVERIFY(h->isVisible());
        QCOMPARE(h->levelTag(), level);
        QCOMPARE(Project().FormLevel, 2);
        QCOMPARE(h->Label1->text(), QString("Vormkeuze en dagmaten"));
        QCOMPARE(h->text(), QString(SubVormText));
        QCOMPARE(h->size(), QSize((6800 - 120) / 15, (4500 - 420) / 15));
        below->unload();
        settle();
    }

    void closedByEscOkAndTheWindowBelow()
    {
        ScopedProject project;
        auto *below = new Below;
        below->load();
        below->show();
        Form::activated(below);
        const auto open = [] {
            Help *h = Help::window();
            h->Mainhelp();
            h->show();
            Form::activated(h);
            return QPointer<Help>(h);
        };

        QPointer<Help> h = open();
        QTest::keyClick(h, Qt::Key_Escape);
        QVERIFY(!Help::loaded());
        settle();
        QVERIFY(!h);
        QCOMPARE(Project().FormLevel, 1);

        h = open();
        QTest::keyClick(h, Qt::Key_A); // other keys do nothing
        QVERIFY(Help::loaded());
        h->Command1->click();
        QVERIFY(!Help::loaded());
        settle();
        QCOMPARE(Project().FormLevel, 1);

        // Activating the window below closes the help window above it; the next topic call loads afresh.
        h = open();
        Form::activated(below);
        QVERIFY(!Help::loaded());
        settle();
        QCOMPARE(Project().FormLevel, 1);
        h = open();
        QCOMPARE(h->levelTag(), QString("1"));
        below->unload();
        settle();
    }

    void tinyWindowKeepsWhatTheFailedStepsLeft()
    {
        ScopedProject project;
        Help *h = Help::window();
        h->Mainhelp();
        h->show();
        QCoreApplication::processEvents();
        const QRect text = h->Text1->geometry();
        h->resize(10, 10); // 270 x 570 twips outside: both text sizes would be negative
        QCOMPARE(h->Text1->size(), text.size());
        QCOMPARE(h->Command1->y(), (570 - 850) / 15);
        // The width step alone fails; the height step still runs.
        h->resize(10, 200);
        QCOMPARE(h->Text1->width(), text.width());
        QCOMPARE(h->Text1->height(), (200 * 15 + 420 - 1660) / 15);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
