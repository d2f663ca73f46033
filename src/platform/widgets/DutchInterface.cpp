#include "DutchInterface.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

namespace {
bool qtTextsPending = false;

void loadQtTexts()
{
    qtTextsPending = false;
    auto *qtDutch = new QTranslator(qApp);
    if (qtDutch->load("qtbase_nl", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtDutch);
}
}

void useDutchInterface()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    loadQtTexts();
}

void useDutchInterfaceSoon()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    qtTextsPending = true;
    QTimer::singleShot(0, qApp, loadDutchQtTexts);
}

void loadDutchQtTexts()
{
    if (qtTextsPending) loadQtTexts();
}
