#include "CurlLibrary.h"

#include <dlfcn.h>

namespace {
// Debian's libcurl4 (the OpenSSL flavour, the one the headers come with) as soname 4.
QString libraryName = QStringLiteral("curl");
int libraryVersion = 4;

struct Loaded {
    CurlLibrary api;
    QString error;
    bool ok = false;
};

Loaded load()
{
    Loaded out;
    // The soname itself, straight to the loader: its own reason ("file too short", a missing
    // dependency) is what the user is told, not that of a fallback name that is not there either.
    const QByteArray name = ("lib" + libraryName + ".so." + QString::number(libraryVersion)).toLocal8Bit();
    void *library = ::dlopen(name.constData(), RTLD_LAZY | RTLD_LOCAL);
    if (!library) {
        const char *why = ::dlerror();
        out.error = why ? QString::fromLocal8Bit(why) : QString::fromLocal8Bit(name);
        return out;
    }
    bool all = true;
    auto resolve = [&](auto &slot, const char *symbol) {
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(::dlsym(library, symbol));
        if (!slot) {
            all = false;
            if (out.error.isEmpty()) out.error = QString::fromLatin1(symbol) + " ontbreekt in " + QString::fromLocal8Bit(name);
        }
    };
    CurlLibrary &a = out.api;
    resolve(a.global_init, "curl_global_init");
    resolve(a.easy_init, "curl_easy_init");
    resolve(a.easy_setopt, "curl_easy_setopt");
    resolve(a.easy_perform, "curl_easy_perform");
    resolve(a.easy_getinfo, "curl_easy_getinfo");
    resolve(a.easy_cleanup, "curl_easy_cleanup");
    resolve(a.easy_strerror, "curl_easy_strerror");
    resolve(a.slist_append, "curl_slist_append");
    resolve(a.slist_free_all, "curl_slist_free_all");
    if (!all) {
        ::dlclose(library);
        return out;
    }
    if (const CURLcode rc = a.global_init(CURL_GLOBAL_DEFAULT); rc != CURLE_OK) {
        out.error = QString::fromLatin1(a.easy_strerror(rc));
        return out;
    }
    out.ok = true;
    return out;
}
}

const CurlLibrary *CurlLibrary::get(QString *why)
{
    static Loaded once = load();
    if (!once.ok && why) *why = once.error;
    return once.ok ? &once.api : nullptr;
}

void CurlLibrary::setLibrary(const QString &name, int version)
{
    libraryName = name;
    libraryVersion = version;
}
