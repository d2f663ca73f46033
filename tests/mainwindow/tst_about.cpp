// The About box and the help window as the program opens them: menu items, F1 and the opener.
#include "ProgramFixture.h"
#include "app/AppWindowOpener.h"
#include "mainwindow/Help.h"
#include "mainwindow/Hyperlink.h"
#include "mainwindow/frmAbout.h"
#include "platform/Links.h"
#include "platform/Screen.h"

#include <QLabel>
#include <QtTest>

namespace {
const QByteArray Basis = "www.timmerhout.example\r\ninfo@timmerhout.example\r\nMeranti\r\n67\r\n114\r\n0\r\n"
                         "Timmerfabriek Hout & Zo\r\n0123-987654\r\n";

frmAbout *openAbout(Program &p)
{
    p.frame->About->trigger();
    auto *about = p.frame->findChild<frmAbout *>();
    return about && about->isVisible() ? about : nullptr;
}
}

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void aboutShowsTheFactory()
    {
        TestFolder folder;
        folder.write("Basis.TXT", Basis);
        AppWindowOpener windows;
        ScopedWindowOpener installed(&windows);
        RecordingLinks links;
        Program p;
        QVERIFY(p.start());
        frmAbout *about = openAbout(p);
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QString("Zandrel Tofmaar 2.0.0"));
        QCOMPARE(about->Label1->text(), QString("Voor:"));
        QCOMPARE(about->lblDescription->text(), QString("Timmerfabriek Hout & Zo\r\nTel: 0123-987654"));
        QCOMPARE(about->Hyperlink1->Label1->text(), QString("www.timmerhout.example"));
        QCOMPARE(about->Hyperlink1->target(), QString("http://www.timmerhout.example"));
        QCOMPARE(about->Hyperlink2->target(), QString("mailto:info@timmerhout.example"));
        QCOMPARE(about->size(), QSize(4140 / 15, 4995 / 15));
        QCOMPARE(about->pos(), dialogPlace(screenSize(), about->size()));
        // Above the main screen on the stack.
        QCOMPARE(about->levelTag(), QString("1"));
        for (QWidget *w : about->findChildren<QWidget *>())
            if (w->isVisible()) QVERIFY2(about->rect().contains(w->geometry()), qPrintable(w->objectName()));
        saveShot(about, "about");

        QTest::mouseClick(about->Hyperlink2->Label1, Qt::LeftButton);
        QCOMPARE(links.opened, QStringList{"mailto:info@timmerhout.example"});

        // Asked again, the same box comes forward; "O.K." and Esc close it.
        QCOMPARE(openAbout(p), about);
        QPointer<frmAbout> gone = about;
        about->CmdOK->click();
        p.settle();
        QVERIFY(!gone);
        QCOMPARE(p.state().FormLevel, 1);
        about = openAbout(p);
        QVERIFY(about);
        gone = about;
        QTest::keyClick(about, Qt::Key_Escape);
        p.settle();
        QVERIFY(!gone);
        QCOMPARE(p.state().FormLevel, 1);
        VERIFY_DIALOGS(p.dialogs);
    }

    void missingLinksAreToldInOrder()
    {
        TestFolder folder;
        folder.write("Basis.TXT", "\r\n  \r\nMeranti\r\n67\r\n114\r\n0\r\nTimmerfabriek\r\n0123\r\n");
        AppWindowOpener windows;
        ScopedWindowOpener installed(&windows);
        Program p;
        QVERIFY(p.start());
        p.dialogs.answer(MsgAnswer::OK, "Geen link opgegeven !", "FOUTMELDING")
            .answer(MsgAnswer::OK, "Geen link opgegeven !", "FOUTMELDING");
        bool shownDuringLoad = true;
        p.dialogs.onNext([&] { shownDuringLoad = !p.frame->findChild<frmAbout *>()->isVisible(); });
        frmAbout *about = openAbout(p);
        QVERIFY(about);
        QVERIFY(shownDuringLoad);
        QCOMPARE(p.dialogs.shown.size(), 2);
        QCOMPARE(p.dialogs.shown[0].style, MsgStyle::Critical);
        QCOMPARE(about->Hyperlink1->Label1->text(), QString("Hyperlink"));
        QCOMPARE(about->Hyperlink2->target(), QString());
        VERIFY_DIALOGS(p.dialogs);
    }

    void helpFromTheMenuTheKeysAndTheOpener()
    {
        TestFolder folder;
        AppWindowOpener windows;
        ScopedWindowOpener installed(&windows);
        Program p;
        QVERIFY(p.start());
        p.frame->QVHelp->trigger();
        Help *help = Help::loaded();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->Label1->text(), QString("Kozijnen tekenen"));
        help->unload();
        p.settle();

        p.s().Form_KeyDown(KeyCode::F1);
        help = Help::loaded();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->Label1->text(), QString("Kozijnen tekenen"));

        // Every topic, switched in place in the one window.
        const QList<QPair<HelpTopic, QString>> topics{{HelpTopic::Shape, "Vormkeuze en dagmaten"},
                                                      {HelpTopic::Drawing, "Vakvulling opgeven"},
                                                      {HelpTopic::Options, "Subvakken opgeven"},
                                                      {HelpTopic::Main, "Kozijnen tekenen"}};
        for (const auto &[topic, title] : topics) {
            windows.showHelp(topic, &p.s());
            QCOMPARE(Help::loaded(), help);
            QVERIFY(help->isVisible());
            QCOMPARE(help->Label1->text(), title);
        }
        // Going back to the main screen closes it.
        Form::activated(help);
        Form::activated(&p.s());
        QVERIFY(!Help::loaded());
        VERIFY_DIALOGS(p.dialogs);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
