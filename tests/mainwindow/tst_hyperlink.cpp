// The hyperlink control: which address a link opens, its look, and the message on an empty link.
#include "TestSupport.h"
#include "mainwindow/Hyperlink.h"
#include "platform/Links.h"

#include <QLabel>
#include <QtTest>

class TestHyperlink : public QObject {
    Q_OBJECT
private slots:
    void target_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::newRow("bare host") << "www.timmerfabriek.nl" << "http://www.timmerfabriek.nl";
        QTest::newRow("http in capitals") << "HTTP://X" << "HTTP://X";
        QTest::newRow("mail address") << "a@b.nl" << "mailto:a@b.nl";
        QTest::newRow("mailto in capitals") << "MAILTO:a@b.nl" << "MAILTO:a@b.nl";
        QTest::newRow("https") << "https://x" << "https://x";
        QTest::newRow("https with @ in its path") << "Https://x.nl/@team" << "Https://x.nl/@team";
        QTest::newRow("web address with @ in its path") << "www.x.nl/team@work" << "mailto:www.x.nl/team@work";
        QTest::newRow("http further on") << "x.nl/?to=http://y" << "x.nl/?to=http://y";
        QTest::newRow("blanks are kept") << " x.nl " << "http:// x.nl ";
    }
    void target()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QCOMPARE(hyperlinkTarget(link), target);
    }

    void initDefaultsAndClick()
    {
        ScriptedDialogs dialogs;
        RecordingLinks links;
        QWidget host;
        auto *h = new Hyperlink(&host);
        QCOMPARE(h->Label1->text(), QString("Hyperlink"));
        QCOMPARE(h->Label1->cursor().shape(), Qt::PointingHandCursor);

        const QString site = "www.timmerfabriek.nl";
        h->Init(site);
        QCOMPARE(h->target(), QString("http://www.timmerfabriek.nl"));
        QCOMPARE(h->Label1->text(), site); // the link as passed, not as opened
        QCOMPARE(h->Label1->font().family(), QString("Arial"));
        QCOMPARE(h->Label1->font().pointSizeF(), 10.0);
        QVERIFY(h->Label1->font().underline());
        QCOMPARE(h->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(h->width(), h->Label1->width());
        QCOMPARE(h->height(), h->Label1->height() + 1);

        host.show();
        QTest::mouseClick(h->Label1, Qt::LeftButton);
        QCOMPARE(links.opened, QStringList{"http://www.timmerfabriek.nl"});

        // Own text, font and colours; black text cannot be chosen and gives blue.
        h->Init("info@timmerfabriek.nl", "Mail ons", 0x00FFFFFF, "Comic Sans MS", 12, 0);
        QCOMPARE(h->target(), QString("mailto:info@timmerfabriek.nl"));
        QCOMPARE(h->Label1->text(), QString("Mail ons"));
        QCOMPARE(h->Label1->font().family(), QString("Comic Sans MS"));
        QCOMPARE(h->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(h->palette().color(QPalette::Window), QColor(255, 255, 255));
        h->Init("x.nl", "", 0, "", 0, 0x0000FF);
        QCOMPARE(h->Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        VERIFY_DIALOGS(dialogs);
    }

    void emptyLinkIsRefused()
    {
        ScriptedDialogs dialogs;
        RecordingLinks links;
        QWidget host;
        auto *h = new Hyperlink(&host);
        dialogs.answer(MsgAnswer::OK, "Geen link opgegeven !", "FOUTMELDING");
        h->Init("   ", "tekst");
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].style, MsgStyle::Critical + MsgStyle::OK);
        QCOMPARE(h->Label1->text(), QString("Hyperlink"));
        QCOMPARE(h->target(), QString());
        host.show();
        QTest::mouseClick(h->Label1, Qt::LeftButton);
        QVERIFY(links.opened.isEmpty());

        // A refused link leaves an earlier one as it was.
        h->Init("a@b.nl");
        dialogs.answer(MsgAnswer::OK, "Geen link opgegeven !", "FOUTMELDING");
        h->Init("");
        QCOMPARE(h->target(), QString("mailto:a@b.nl"));
        QCOMPARE(h->Label1->text(), QString("a@b.nl"));
        VERIFY_DIALOGS(dialogs);
    }
};

QTEST_MAIN(TestHyperlink)
#include "tst_hyperlink.moc"
