#pragma once
// The fonts the design aid names, replaced by the installed ones of the same
// size and weight.
#include <QFont>
#include <string_view>

namespace fluvan::auslegung {

inline QFont ersatzschrift(std::string_view name, int punkt, bool fett) {
    QString familie = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (name == "Arial") familie = QStringLiteral("Liberation Sans");
    else if (name == "MS Sans Serif") familie = QStringLiteral("DejaVu Sans");
    QFont schrift(familie, punkt, fett ? QFont::Bold : QFont::Normal);
    return schrift;
}

}  // namespace fluvan::auslegung
