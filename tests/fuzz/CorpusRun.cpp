// Runs the fuzz target once over every file of the folders given, without libFuzzer: the
// regression run of the seed corpus in every build.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        QStringList inputs{path};
        if (QFileInfo(path).isDir()) {
            inputs.clear();
            for (const QFileInfo &f : QDir(path).entryInfoList(QDir::Files, QDir::Name)) inputs << f.absoluteFilePath();
        }
        for (const QString &input : inputs) {
            QFile f(input);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(input));
                return 1;
            }
            const QByteArray bytes = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++files;
        }
    }
    std::printf("%d files\n", files);
    return files > 0 ? 0 : 1;
}
