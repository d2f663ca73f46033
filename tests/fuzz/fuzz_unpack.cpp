// Feeds bytes to setup's unpack as its archive. Whatever the archive holds, nothing outside the
// target may appear or change: not beside it, not in the current folder, not through a link the
// target holds already. Each input is unpacked twice: into an empty target, and into one that holds
// links where files of the package go (a file link, a dangling link, a folder link).
#include "TreeState.h"
#include "setup/Unpack.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {
[[noreturn]] void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "unpack: %s %s\n", what, qPrintable(detail));
    std::abort();
}

QString linkTarget(const QString &path)
{
    char buffer[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return n > 0 ? QFile::decodeName(QByteArray(buffer, n)) : QString();
}

struct Planted {
    QString name, target;
};

// The round's target, emptied and holding the planted links.
void prepare(const QString &target, const QList<Planted> &planted)
{
    QDir(target).removeRecursively(); // removes links themselves, never what they point to
    if (!QDir().mkpath(target)) fail("cannot make the target");
    for (const Planted &p : planted)
        if (!QFile::link(p.target, target + "/" + p.name)) fail("cannot plant", p.name);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Named by full path: libFuzzer reads its corpus relative to the current folder, which moves below.
    static QTemporaryDir folder;
    static const QString root = folder.path(), archive = root + "/in.zip", target = root + "/doel/Zandrel Tofmaar";
    static const QString victim = root + "/elders/victim.txt", elsewhere = root + "/elders/map";
    static bool once = [] {
        QDir().mkpath(elsewhere);
        QDir().mkpath(root + "/cwd");
        QFile f(victim);
        if (!f.open(QIODevice::WriteOnly) || f.write("van de gebruiker") != 16) fail("cannot write the victim");
        f.close();
        QFile::setPermissions(victim, QFile::ReadOwner | QFile::WriteOwner);
        // Where a name Qt reads as a resource path would land.
        if (!QDir::setCurrent(root + "/cwd")) fail("cannot enter the current folder");
        return true;
    }();
    (void)once;
    {
        QFile in(archive);
        if (!in.open(QIODevice::WriteOnly) || in.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            fail("cannot write the input");
    }

    const UnpackOutcome checked = checkArchive(archive);
    const QList<QList<Planted>> rounds = {
        {},
        {{"Basis.TXT", victim}, {"ZanTof", "../planted"}, {"ICO", elsewhere}, {"SYS", "../../nergens"}},
    };
    for (const QList<Planted> &planted : rounds) {
        prepare(target, planted);
        const TreeState outside = treeState(root, root + "/doel");
        const TreeState inside = treeState(root + "/doel");
        const UnpackOutcome out = unpackArchive(archive, target);
        if (treeState(root, root + "/doel") != outside) fail("something outside the target appeared or changed");
        for (const Planted &p : planted)
            if (linkTarget(target + "/" + p.name) != p.target) fail("a planted link changed", p.name);

        // What the check refuses the unpack refuses too, and before it writes anything.
        if (checked.result == UnpackResult::CannotOpen || checked.result == UnpackResult::UnsafeEntry) {
            if (out.result != checked.result || out.entry != checked.entry) fail("the unpack took what the check refused");
            if (treeState(root + "/doel") != inside) fail("a refused archive wrote into the target");
        }
        if (out.result == UnpackResult::UnsafeEntry && treeState(root + "/doel") != inside)
            fail("an unsafe archive wrote into the target");
        if (out.result == UnpackResult::Done && checked.result != UnpackResult::Done) fail("a refused archive unpacked");
        // Every file named as written is a plain file in the target, reached without a link.
        for (const QString &name : out.files) {
            QString at = target;
            for (const QString &part : name.split('/', Qt::SkipEmptyParts)) {
                at += "/" + part;
                struct stat st;
                if (::lstat(QFile::encodeName(at).constData(), &st) != 0 || S_ISLNK(st.st_mode)) fail("not in place", name);
            }
            struct stat st;
            if (::lstat(QFile::encodeName(at).constData(), &st) != 0 || !S_ISREG(st.st_mode)) fail("no plain file", name);
        }
    }
    return 0;
}
