#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZanTof");
    QTextStream(stdout) << "ZanTof: the project model is built; the program has no window yet.\n";
    return 0;
}
