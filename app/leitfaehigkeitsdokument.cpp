#include "app/leitfaehigkeitsdokument.h"

#include <QCoreApplication>
#include <QDir>

namespace fluvan::app {

// The program's folder as the system resolves it (symbolic links followed), so
// a link to the program elsewhere still finds the document beside the real one.
std::filesystem::path leitfaehigkeitsdokument() {
    const std::filesystem::path programmordner = QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath();
    return (programmordner / "../share/fluvan2/Leitfaehigkeit.rtf").lexically_normal();
}

}  // namespace fluvan::app
