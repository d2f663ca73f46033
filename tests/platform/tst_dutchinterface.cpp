// Qt's own texts in Dutch when the program leaves loading them until its window is up: loaded at the
// first turn of the event loop, and before a box that comes sooner (shown for real here).
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {
QString yes() { return QCoreApplication::translate("QPlatformTheme", "&Yes"); }

// Back to no translation at all, as a program starts.
void unloadTranslations()
{
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}
}

class TestDutchInterface : public QObject {
    Q_OBJECT
private slots:
    void theTextsComeWithTheFirstTurnOfTheEventLoop()
    {
        unloadTranslations();
        useDutchInterfaceSoon();
        QCOMPARE(QLocale().language(), QLocale::Dutch);
        QCOMPARE(yes(), QString("&Yes"));
        QCoreApplication::processEvents();
        QCOMPARE(yes(), QString("&Ja"));
        loadDutchQtTexts(); // already there: nothing more is installed
        QCOMPARE(qApp->findChildren<QTranslator *>().size(), 1);
    }

    void aBoxBeforeThatTurnHasDutchButtons()
    {
        unloadTranslations();
        useDutchInterfaceSoon();
        QCOMPARE(yes(), QString("&Yes"));
        QStringList captions;
        QObject alive;
        std::function<void()> answer = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) {
                QTimer::singleShot(10, &alive, answer);
                return;
            }
            for (QAbstractButton *b : box->buttons()) captions << b->text();
            box->button(QMessageBox::No)->click();
        };
        QTimer::singleShot(10, &alive, answer);
        QtDialogs real;
        QCOMPARE(real.msgBox("Doorgaan?", MsgStyle::YesNo, "Vraag"), int(MsgAnswer::No));
        captions.sort();
        QCOMPARE(captions, QStringList({"&Ja", "&Nee"}));
        QCoreApplication::processEvents(); // the turn that was left to load them finds them loaded
        QCOMPARE(qApp->findChildren<QTranslator *>().size(), 1);
    }

    void theInstallersLoadTheTextsAtOnce()
    {
        unloadTranslations();
        useDutchInterface();
        QCOMPARE(yes(), QString("&Ja"));
    }
};

QTEST_MAIN(TestDutchInterface)
#include "tst_dutchinterface.moc"
