#include "TestSupport.h"

#include "model/OpenDialog.h"

#include <QDir>

class OpenDialogTest : public QObject {
    Q_OBJECT
private slots:
    void blanksTakeTheDefaults()
    {
        TestFolder folder(false);
        ScriptedDialogs d;
        d.answerOpen({});
        QString dir = "   ";
        QString filter = " ";
        QCOMPARE(ShowOpenDialog(nullptr, dir, filter, "  ", 0), QString());
        VERIFY_DIALOGS(d);
        QCOMPARE(dir, QDir::currentPath());
        QCOMPARE(filter, QString("Alle bestanden (*.*)") + QChar(0) + "*.*" + QChar(0));
        QCOMPARE(d.shown[0].title, QString("Openen"));
        QCOMPARE(d.shown[0].request.initialDir, QDir::currentPath());
        QCOMPARE(d.shown[0].request.filter, QStringList({"Alle bestanden (*.*)", "*.*"}));
        QVERIFY(!d.shown[0].request.multiSelect);
    }

    void projectFilterOffersBothCases()
    {
        TestFolder folder(false);
        ScriptedDialogs d;
        d.answerOpen({folder.file("a.TOF")});
        QString dir = folder.path();
        QString filter = projectOpenFilter();
        QCOMPARE(ShowOpenDialog(nullptr, dir, filter, "", 0), folder.file("a.TOF"));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].request.filter,
                 QStringList({"Zandrel Tofmaar bestand (*.tof)", "*.tof", "Alle bestanden(*.*)", "*.*"}));
        QCOMPARE(qtNameFilters(d.shown[0].request.filter),
                 QString("Zandrel Tofmaar bestand (*.tof *.TOF);;Alle bestanden (*)"));
    }

    void currentFolderComesBack()
    {
        TestFolder folder(false);
        QDir().mkdir("elders");
        const QString before = QDir::currentPath();
        ScriptedDialogs d;
        d.onNext([&] { QDir::setCurrent(folder.file("elders")); });
        d.answerOpen({folder.file("elders/x.tof")});
        QString dir = before;
        QString filter = projectOpenFilter();
        QCOMPARE(ShowOpenDialog(nullptr, dir, filter, "Kies", 0), folder.file("elders/x.tof"));
        VERIFY_DIALOGS(d);
        QCOMPARE(QDir::currentPath(), before);
        QCOMPARE(d.shown[0].title, QString("Kies"));
    }

    void multipleSelection()
    {
        TestFolder folder(false);
        ScriptedDialogs d;
        d.answerOpen({folder.file("a.tof")});
        d.answerOpen({folder.file("a.tof"), folder.file("b.tof")});
        d.answerOpen({});
        QString dir, filter;
        QCOMPARE(ShowOpenDialog(nullptr, dir, filter, "", 1), folder.file("a.tof"));
        QCOMPARE(ShowOpenDialog(nullptr, dir, filter, "", -1), folder.path() + ";a.tof;b.tof");
        QCOMPARE(ShowOpenDialog(nullptr, dir, filter, "", 1), QString());
        VERIFY_DIALOGS(d);
        QVERIFY(d.shown[1].request.multiSelect);
    }
};

QTEST_GUILESS_MAIN(OpenDialogTest)
#include "tst_opendialog.moc"
