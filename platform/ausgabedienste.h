#pragma once
// What the print, save and hand-over commands need of the desktop: the
// clipboard, the printer and save dialogs and the launcher of documents. The
// program uses the Qt ones; tests replace them, so no dialog ever blocks.
#include <QImage>
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

class QPrinter;

namespace fluvan::platform {

class Zwischenablage {
public:
    virtual ~Zwischenablage() = default;
    virtual void Clear() = 0;
    virtual void setzeBild(const QImage& bild) = 0;
    // The picture the clipboard holds; a null image when it holds none.
    virtual QImage bild() const = 0;
    // Counts the changes of the clipboard's content, the program's own and
    // those of other programs: while it stays, so does the content.
    virtual std::uint64_t stand() const = 0;
};

class Druckdialog {
public:
    virtual ~Druckdialog() = default;
    // The modal printer dialog for this printer, over the window that asked
    // for it: true when the user confirms, the chosen printer then set up in
    // `drucker`; false on cancel.
    virtual bool ShowPrinter(QPrinter& drucker) = 0;
};

class Speicherdialog {
public:
    virtual ~Speicherdialog() = default;
    // The modal save dialog with one filter, proposing FileName, over the
    // window that asked for it: the path the user confirms, or nothing on
    // cancel.
    virtual std::optional<QString> ShowSave(const QString& Filter, const QString& FileName) = 0;
};

class Starter {
public:
    virtual ~Starter() = default;
    // Whether the desktop's application took the document: false when the
    // desktop has registered none for the document's type or it could not
    // be started.
    using Ausgang = std::function<void(bool geoeffnet)>;
    // Hands the document to the desktop's application for it without waiting
    // for that. `ausgang` learns the outcome once, on the user-interface
    // thread: inside this call or later.
    virtual void oeffnen(const QString& datei, Ausgang ausgang) = 0;
};

class QtZwischenablage : public Zwischenablage {
public:
    void Clear() override;
    void setzeBild(const QImage& bild) override;
    QImage bild() const override;
    std::uint64_t stand() const override { return wechsel; }

private:
    // From the first use on, when the application's clipboard exists.
    void beobachte();
    QObject beobachter;  // the watch ends with this object
    bool beobachtet = false;
    std::uint64_t wechsel = 0;
};

class QtDruckdialog : public Druckdialog {
public:
    bool ShowPrinter(QPrinter& drucker) override;
};

class QtSpeicherdialog : public Speicherdialog {
public:
    std::optional<QString> ShowSave(const QString& Filter, const QString& FileName) override;
};

// Opens through the desktop's opener xdg-open, and only with an application
// the desktop has registered for the document's type: without one xdg-open
// falls back on a mailcap viewer or any web browser and reports that as done.
// So xdg-mime is asked first what xdg-open will ask, and the application's
// desktop entry looked for where xdg-open looks: it must list the document's
// type itself, since KDE names an application for any type the document's is
// a kind of, a text editor for RTF. Then the opener's exit status says
// whether the application took the document. The outcome comes from the
// event loop, once the opener has ended or the patience has run out.
class QtStarter : public Starter {
public:
    // How long the opener may take to give up. Without a known desktop it
    // runs the application in the foreground until that closes: still running
    // after this time, it has found one. A question to xdg-mime that has no
    // answer by then is taken for no application.
    explicit QtStarter(std::chrono::milliseconds geduld = std::chrono::seconds(5)) : geduld(geduld) {}
    void oeffnen(const QString& datei, Ausgang ausgang) override;

private:
    std::chrono::milliseconds geduld;
};

}  // namespace fluvan::platform
