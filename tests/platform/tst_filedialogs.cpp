// The open and save dialogs, shown for real over a folder with a project file and a text file: the
// detail columns show a file's size, type and date whole, in Dutch, in the fonts the program maps, all
// within the view.
#include "TestSupport.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

namespace {
// What of the detail view is cut; "" when every text shows whole. `listed` is false until the folder's
// files are in the view with their sizes and types.
QString cutTexts(const QTreeView *view, bool &listed)
{
    const QAbstractItemModel *model = view->model();
    const QModelIndex root = view->rootIndex();
    listed = model->rowCount(root) >= 2;
    for (int r = 0; listed && r < model->rowCount(root); ++r)
        listed = !model->index(r, 2, root).data().toString().isEmpty();
    if (!listed) return {};
    QStringList cut;
    const QFontMetrics cells(view->font()), headings(view->header()->font());
    const int cellRoom = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const int headingRoom = 2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view->header());
    const int icon = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view) + 4;
    for (int c = 0; c < model->columnCount(root); ++c) {
        const int width = view->columnWidth(c) - (c == 0 ? icon : 0);
        const QString heading = model->headerData(c, Qt::Horizontal).toString();
        if (headings.horizontalAdvance(heading) + headingRoom > width) cut << heading;
        for (int r = 0; r < model->rowCount(root); ++r) {
            const QString text = model->index(r, c, root).data().toString();
            if (cells.horizontalAdvance(text) + cellRoom > width) cut << heading + ": " + text;
        }
    }
    if (view->header()->length() > view->viewport()->width()) cut << "columns beyond the view";
    return cut.join(", ");
}
}

class TestFileDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir config; // the dialog keeps its state in the user's configuration

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        useDutchInterface();
    }

    void theDetailColumnsShowTheirTextsWhole_data() { addFontRows(); }
    void theDetailColumnsShowTheirTextsWhole()
    {
        QFETCH(QString, family);
        QFETCH(qreal, points);
        const ScopedAppFont font(family, points);
        TestFolder folder(false);
        folder.write("Keuken.tof", QByteArray(322, 'x'));
        folder.write("Notities.txt", "Kozijnen voor de keuken\r\n");
        QtDialogs real;
        for (const bool save : {false, true}) {
            QString cut = "no dialog seen";
            QString heading;
            int settling = 0;
            QObject alive; // the look ends with this round
            std::function<void()> look = [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                auto *view = dialog ? dialog->findChild<QTreeView *>("treeView") : nullptr;
                bool listed = false;
                const QString found = view && view->isVisible() ? cutTexts(view, listed) : QString();
                // The view fits its columns a turn of the event loop after the rows came.
                if (!listed || (!found.isEmpty() && ++settling < 50)) {
                    QTimer::singleShot(20, &alive, look);
                    return;
                }
                cut = found;
                heading = view->model()->headerData(1, Qt::Horizontal).toString();
                saveShot(dialog, QString(save ? "savedialog-" : "opendialog-") + QTest::currentDataTag());
                dialog->reject();
            };
            QTimer::singleShot(0, &alive, look);
            FileDialogRequest request;
            request.initialDir = folder.path();
            request.filter = QStringList{"Alle bestanden (*.*)", "*.*"};
            if (save)
                QCOMPARE(real.saveFile(request), QString());
            else
                QCOMPARE(real.openFile(request), QStringList());
            QCOMPARE(heading, QString("Grootte"));
            QCOMPARE(cut, QString());
        }
    }
};

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
