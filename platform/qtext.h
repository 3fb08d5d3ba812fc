#pragma once
// The one conversion of our UTF-8 texts to Qt's strings.
#include <QString>
#include <string_view>

namespace fluvan::platform {

inline QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace fluvan::platform
