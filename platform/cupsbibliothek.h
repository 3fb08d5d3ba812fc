#pragma once
// The print system's client library, loaded at the first print on a printer:
// linked, it would load with TLS, Kerberos and Avahi at every start. Its
// header gives the types and prototypes only.
#include <cups/cups.h>
#include <QString>

namespace fluvan::platform {

// The functions a print uses.
#define FLUVAN_CUPS_FUNKTIONEN(X)                                                                                    \
    X(cupsServer)                                                                                                    \
    X(ippPort)                                                                                                       \
    X(cupsEncryption)                                                                                                \
    X(cupsUser)                                                                                                      \
    X(cupsLastErrorString)                                                                                           \
    X(cupsAddOption)                                                                                                 \
    X(cupsFreeOptions)                                                                                               \
    X(httpConnect2)                                                                                                  \
    X(httpSetTimeout)                                                                                                \
    X(httpError)                                                                                                     \
    X(httpClose)                                                                                                     \
    X(httpAssembleURIf)                                                                                              \
    X(cupsCreateJob)                                                                                                 \
    X(cupsCancelJob2)                                                                                                \
    X(ippNewRequest)                                                                                                 \
    X(ippAddString)                                                                                                  \
    X(ippAddInteger)                                                                                                 \
    X(ippAddBoolean)                                                                                                 \
    X(ippGetRequestId)                                                                                               \
    X(ippGetStatusCode)                                                                                              \
    X(ippDelete)                                                                                                     \
    X(cupsSendRequest)                                                                                               \
    X(cupsWriteRequestData)                                                                                          \
    X(cupsGetResponse)

// Those functions of the loaded library, under their own names.
struct Cups {
#define FLUVAN_CUPS_ZEIGER(name) decltype(&::name) name = nullptr;
    FLUVAN_CUPS_FUNKTIONEN(FLUVAN_CUPS_ZEIGER)
#undef FLUVAN_CUPS_ZEIGER
};

// The library as QLibrary names it (name and major version: "cups", 2 is
// libcups.so.2), loaded on the window's thread and kept to the end; later
// calls with the same name give the same functions. Nothing when it or one of
// the functions cannot be loaded, `fehler` then saying why; the next call
// tries again.
const Cups* ladeCups(const QString& name, int version, QString& fehler);

}  // namespace fluvan::platform
