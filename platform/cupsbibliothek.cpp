#include "platform/cupsbibliothek.h"

#include <QLibrary>
#include <memory>

namespace fluvan::platform {

const Cups* ladeCups(const QString& name, int version, QString& fehler) {
    struct Geladen {
        QString name;
        int version;
        // Its destruction leaves the library loaded: libcups frees each
        // thread's state with its own code when the thread ends.
        std::unique_ptr<QLibrary> bibliothek;
        Cups cups;
    };
    static std::unique_ptr<Geladen> geladen;
    if (geladen && geladen->name == name && geladen->version == version) return &geladen->cups;

    auto neu = std::make_unique<Geladen>(Geladen{name, version, std::make_unique<QLibrary>(name, version), {}});
    if (!neu->bibliothek->load()) {
        fehler = neu->bibliothek->errorString();
        return nullptr;
    }
#define FLUVAN_CUPS_HOLE(funktion)                                                                                   \
    neu->cups.funktion = reinterpret_cast<decltype(neu->cups.funktion)>(neu->bibliothek->resolve(#funktion));        \
    if (!neu->cups.funktion) {                                                                                       \
        fehler = neu->bibliothek->errorString();                                                                     \
        return nullptr;                                                                                              \
    }
    FLUVAN_CUPS_FUNKTIONEN(FLUVAN_CUPS_HOLE)
#undef FLUVAN_CUPS_HOLE
    geladen = std::move(neu);
    return &geladen->cups;
}

}  // namespace fluvan::platform
