// The bare Qt window that bench_startup measures the program against: Qt Widgets and nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel bare("ZanTof");
    bare.resize(800, 600);
    bare.show();
    return QApplication::exec();
}
