#include "app/leitfaehigkeitsdokument.h"

#include <QCoreApplication>
#include <QDir>

// The way from the program's folder to the document's, as installed
// (app/CMakeLists.txt); the build tree is laid out alike.
#ifndef FLUVAN_DOKUMENTWEG
#error "FLUVAN_DOKUMENTWEG: the way from the program's folder to its document's, set by the build"
#endif

namespace fluvan::app {

// The program's folder as the system resolves it (symbolic links followed), so
// a link to the program elsewhere still finds the document beside the real one.
std::filesystem::path leitfaehigkeitsdokument() {
    const std::filesystem::path programmordner = QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath();
    return (programmordner / FLUVAN_DOKUMENTWEG / "Leitfaehigkeit.rtf").lexically_normal();
}

}  // namespace fluvan::app
