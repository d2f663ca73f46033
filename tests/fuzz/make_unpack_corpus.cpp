// Writes the seed corpus of the unpack's fuzz target: small real archives, made with libzip, each
// showing one way an archive can be good or hostile. Run by hand; its output is committed.
//   make_unpack_corpus tests/data/unpack-corpus
#include "Archive.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {
struct Seed {
    const char *file;
    QList<Item> items;
    QByteArray spoil = {}; // stored bytes to change, so that their CRC no longer matches
};

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_unpack_corpus <folder>\n");
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    QDir().mkpath(folder);
    const QByteArray catalogue = "Meranti\r\nVuren\r\nEiken\r\n";
    const QList<Seed> seeds = {
        {"package.zip", {{"ZanTof", "#!/bin/sh\n", S_IFREG | 0755}, {"Basis.TXT", "Timmerfabriek\r\n"}, {"ICO/", {}, S_IFDIR | 0755},
                         {"ICO/ZanTof.ico", "icon"}, {"SYS/libztshare.so", "lib"}, {"Vormen/diep/K.bmp", "bmp"}}},
        {"colon-file.zip", {{"Basis.TXT", "x"}, {":evil.txt", "kwaad"}}},
        {"colon-folder.zip", {{":dir/", {}, S_IFDIR | 0755}, {":dir/inner.txt", "kwaad"}}},
        {"colon-slash.zip", {{":/outside.txt", "kwaad"}}},
        {"colon-inside.zip", {{"IMG/:x.bmp", "onschuldig"}}},
        {"parent.zip", {{"ICO/../../buiten.txt", "kwaad"}}},
        {"absolute.zip", {{"/tmp/zantof-buiten.txt", "kwaad"}}},
        {"backslash.zip", {{"..\\buiten.txt", "kwaad"}}},
        {"link-entry.zip", {{"ICO", "..", S_IFLNK | 0777}, {"ICO/x.ico", "kwaad"}}},
        {"fifo.zip", {{"pijp", "", S_IFIFO | 0644}}},
        {"through-planted.zip", {{"SYS/libztshare.so", "kwaad"}, {"ZanTof", "kwaad", S_IFREG | 0755}}},
        {"file-then-folder.zip", {{"Basis.TXT", "x"}, {"IMG", "een bestand"}, {"IMG/a.bmp", "bmp"}}},
        {"folder-then-file.zip", {{"IMG/a.bmp", "bmp"}, {"IMG", "een bestand"}}},
        {"damaged.zip", {{"Basis.TXT", "x"}, {"Kozhout.TXT", catalogue}}, catalogue},
        {"no-modes.zip", {{"uninst", "#!/bin/sh\n", S_IFREG | 0755, false}, {"HORREN.TXT", "Geen\r\n", S_IFREG | 0644, false}}},
    };
    for (const Seed &seed : seeds) {
        const QString path = folder + "/" + seed.file;
        if (!makeArchive(path, seed.items)) {
            std::fprintf(stderr, "cannot write %s\n", seed.file);
            return 1;
        }
        if (!seed.spoil.isEmpty()) {
            QByteArray bytes = read(path);
            const qsizetype at = bytes.indexOf(seed.spoil);
            if (at < 0) return 1;
            bytes[at + 3] = '#';
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return 1;
        }
    }
    QFile text(folder + "/not-an-archive.zip");
    if (!text.open(QIODevice::WriteOnly) || text.write("PK\x03\x04 dit is geen archief") <= 0) return 1;
    std::printf("%d archives\n", int(seeds.size()));
    return 0;
}
