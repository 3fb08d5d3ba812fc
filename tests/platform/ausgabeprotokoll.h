#pragma once
// What a failed print or hand-over writes to say why.
#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <string_view>

namespace fluvan::test {

// The lines written through the category of failed outputs while it lives,
// a line that is no warning marked so; the program's other messages go on as
// before.
class Ausgabeprotokoll {
public:
    Ausgabeprotokoll() {
        zeilen().clear();
        frueher = qInstallMessageHandler(&merke);
    }
    ~Ausgabeprotokoll() { qInstallMessageHandler(frueher); }
    Ausgabeprotokoll(const Ausgabeprotokoll&) = delete;
    Ausgabeprotokoll& operator=(const Ausgabeprotokoll&) = delete;
    static QStringList& zeilen() {
        static QStringList geschrieben;
        return geschrieben;
    }

private:
    static void merke(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
        if (ort.category && std::string_view(ort.category) == "fluvan.ausgabe")
            zeilen().append((art == QtWarningMsg ? QString() : QStringLiteral("not a warning: ")) + text);
        else if (frueher)
            frueher(art, ort, text);
    }
    static inline QtMessageHandler frueher = nullptr;
};

// A failure says why in one line, which holds `grund`; a success (no
// `grund`) says nothing.
inline void sagtWarum(const QStringList& zeilen, const char* grund) {
    if (!grund) {
        EXPECT_TRUE(zeilen.isEmpty()) << zeilen.join(QLatin1Char('\n')).toStdString();
        return;
    }
    ASSERT_EQ(zeilen.size(), 1) << zeilen.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(zeilen[0].contains(QString::fromUtf8(grund))) << zeilen[0].toStdString();
    EXPECT_FALSE(zeilen[0].contains(QLatin1Char('\n')));
}

}  // namespace fluvan::test
