#include "DutchInterface.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void useDutchInterface()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    auto *qtDutch = new QTranslator(qApp);
    if (qtDutch->load("qtbase_nl", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtDutch);
}
