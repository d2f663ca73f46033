#pragma once
// libcurl, loaded when the first SMTP send needs it: the program's start does not pay for the
// shared libraries it brings (TLS, LDAP, Kerberos...). The calls the transport makes, resolved once.
#include <QString>

#include <curl/curl.h>

struct CurlLibrary {
    decltype(&::curl_global_init) global_init = nullptr;
    decltype(&::curl_easy_init) easy_init = nullptr;
    decltype(&::curl_easy_setopt) easy_setopt = nullptr;
    decltype(&::curl_easy_perform) easy_perform = nullptr;
    decltype(&::curl_easy_getinfo) easy_getinfo = nullptr;
    decltype(&::curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&::curl_easy_strerror) easy_strerror = nullptr;
    decltype(&::curl_slist_append) slist_append = nullptr;
    decltype(&::curl_slist_free_all) slist_free_all = nullptr;

    // The loaded library, initialised; nullptr with the reason when it cannot be loaded. Call it on
    // the user-interface thread first: the initialisation is not thread-safe.
    static const CurlLibrary *get(QString *why = nullptr);
    // The library to load instead of libcurl.so.4, before the first get(): a test names one that
    // is not there, as on a system without libcurl.
    static void setLibrary(const QString &name, int version);
};
