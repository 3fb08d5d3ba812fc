#pragma once
// Runs the current test again in a child process on a real display server:
// there windows have a stacking order, a window manager or a compositor, which
// the offscreen platform lacks. A virtual X display (Xvfb), with openbox
// as its window manager where asked, or weston's headless Wayland compositor;
// skipped where they are not installed.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QList>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace fluvan::test {

inline bool aufX() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
inline bool aufWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

struct XAnzeige {
    bool fenstermanager = true;
    const char* bildschirm = "1280x1024";
    const char* skalierung = nullptr;  // QT_SCALE_FACTOR of the child
};

namespace anzeige {

// The child's environment on the given platform.
inline QProcessEnvironment umgebung(const char* plattform) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(plattform));
    // The display platforms' system libraries keep memory to the end; the
    // offscreen runs look for leaks.
    const QString asan = umgebung.value(QStringLiteral("ASAN_OPTIONS"));
    umgebung.insert(QStringLiteral("ASAN_OPTIONS"),
                    asan.isEmpty() ? QStringLiteral("detect_leaks=0") : asan + QStringLiteral(":detect_leaks=0"));
    // No session bus: the tests need none, and libdbus would otherwise try
    // to start one for the display.
    umgebung.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    return umgebung;
}

// This test program, filtered to the running test.
inline QStringList testaufruf() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return {QCoreApplication::applicationFilePath(),
            QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())};
}

// The child's verdict becomes the test's: passed, skipped, or failed with its output.
inline void urteilDesKindes(QProcess& kind) {
    ASSERT_TRUE(kind.waitForFinished(60000)) << "the child on the display does not end";
    const QString ausgabe = QString::fromLocal8Bit(kind.readAll());
    if (kind.exitCode() == 0 && ausgabe.contains(QStringLiteral("[  SKIPPED ] 1 test")))
        GTEST_SKIP() << ausgabe.toStdString();
    EXPECT_TRUE(kind.exitCode() == 0 && ausgabe.contains(QStringLiteral("[  PASSED  ] 1 test.")))
        << ausgabe.toStdString();
}

// Starts a virtual X display of the given size, with openbox on it where the
// second argument says so, then runs the rest as the command on it; the
// display ends with it. Xvfb picks a free display number itself and says
// which, so that tests run side by side never share one. Under load a fresh
// display now and then refuses its first clients: one that cannot be reached,
// or whose openbox cannot reach it, is given up for another.
inline constexpr const char* mitXvfb = R"(groesse=$1 mitWm=$2; shift 2
nummer=$(mktemp) || exit 1
trap 'rm -f "$nummer" "$nummer.wm"' EXIT
x= wm=
warte() {  # until the command succeeds, for at most 10 s or while $1 runs
  prozess=$1; shift; n=0
  until "$@" >/dev/null 2>&1; do
    n=$((n + 1))
    if [ $n -gt 400 ] || ! kill -0 "$prozess" 2>/dev/null; then return 1; fi
    sleep 0.025
  done
}
starte() {
  : >"$nummer"
  Xvfb -displayfd 3 -nolisten tcp -screen 0 "${groesse}x24" 3>"$nummer" >/dev/null 2>&1 & x=$!
  warte $x grep -q '^[0-9]' "$nummer" || return 1
  DISPLAY=:$(head -n 1 "$nummer"); export DISPLAY
  warte $x xprop -root || return 1
  [ "$mitWm" = 1 ] || return 0
  openbox --sm-disable >"$nummer.wm" 2>&1 & wm=$!
  warte $wm sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}
# A display given up keeps its number until the end, so that the next one
# gets another.
versuch=1 alte=
until starte; do
  kill $wm 2>/dev/null
  alte="$alte $x"
  if [ $versuch -ge 3 ]; then
    echo "no virtual display with its window manager here:"; cat "$nummer.wm" 2>/dev/null
    kill $alte; wait; exit 1
  fi
  versuch=$((versuch + 1)) wm=
done
"$@"; rc=$?
kill $wm $x $alte; wait
exit $rc)";

}  // namespace anzeige

// Runs the current test again on a virtual X display.
inline void laufeAufX(const XAnzeige& x = {}) {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        GTEST_SKIP() << "no Xvfb: not run on an X display";
    if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
        GTEST_SKIP() << "no xprop: the display cannot be checked";
    if (x.fenstermanager && QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
        GTEST_SKIP() << "no openbox: not run under a window manager";
    QProcessEnvironment umgebung = anzeige::umgebung("xcb");
    umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (x.skalierung) umgebung.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(x.skalierung));
    QProcess kind;
    kind.setProcessEnvironment(umgebung);
    kind.setProcessChannelMode(QProcess::MergedChannels);
    kind.start(QStringLiteral("/bin/sh"),
               QStringList{QStringLiteral("-c"), QString::fromLatin1(anzeige::mitXvfb), QStringLiteral("sh"),
                           QString::fromLatin1(x.bildschirm), x.fenstermanager ? QStringLiteral("1") : QStringLiteral("0")} +
                   anzeige::testaufruf());
    anzeige::urteilDesKindes(kind);
}

// Runs the current test again as a client of weston's headless compositor,
// which has a private runtime folder and socket.
inline void laufeAufWayland() {
    const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
    if (weston.isEmpty()) GTEST_SKIP() << "no weston: not run on Wayland";
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    if (plugins.entryList({QStringLiteral("libqwayland*")}).isEmpty())
        GTEST_SKIP() << "no Qt platform plugin for Wayland (qt6-wayland)";

    QTemporaryDir laufzeit;  // made private (0700), as a runtime folder must be
    ASSERT_TRUE(laufzeit.isValid());
    const QString socket = QStringLiteral("fluvan-test");
    QProcessEnvironment umgebung = anzeige::umgebung("wayland");
    umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeit.path());
    umgebung.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
    umgebung.remove(QStringLiteral("DISPLAY"));

    QProcess server;
    server.setProcessEnvironment(umgebung);
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start(weston, {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + socket,
                          QStringLiteral("--no-config"), QStringLiteral("--idle-time=0")});
    for (int i = 0; i < 250 && server.state() != QProcess::NotRunning && !QFile::exists(laufzeit.filePath(socket)); ++i)
        QThread::msleep(20);
    if (!QFile::exists(laufzeit.filePath(socket))) {
        server.kill();
        server.waitForFinished();
        FAIL() << "weston offers no socket: " << server.readAll().toStdString();
    }
    QProcess kind;
    kind.setProcessEnvironment(umgebung);
    kind.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList aufruf = anzeige::testaufruf();
    kind.start(aufruf.front(), aufruf.mid(1));
    anzeige::urteilDesKindes(kind);
    server.terminate();
    if (!server.waitForFinished(5000)) server.kill();
}

// What reaches windows, in its order: "<name> hidden", "<name> shown" and
// "<name> on the screen" (the first exposure after a show).
class Sichtbarkeitsprotokoll : public QObject {
public:
    explicit Sichtbarkeitsprotokoll(const QList<QWidget*>& fenster) {
        for (QWidget* w : fenster) {
            w->installEventFilter(this);
            w->windowHandle()->installEventFilter(this);
            flaechen_.insert(w->windowHandle(), w);
        }
    }
    QStringList ereignisse;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        const auto eintrag = [this](const QWidget* w, const char* was) {
            ereignisse << w->objectName() + QLatin1Char(' ') + QLatin1String(was);
        };
        if (auto* w = qobject_cast<QWidget*>(objekt)) {
            if (ereignis->type() == QEvent::Hide) eintrag(w, "hidden");
            if (ereignis->type() == QEvent::Show) {
                eintrag(w, "shown");
                wartet_.insert(w);
            }
        } else if (ereignis->type() == QEvent::Expose && static_cast<QWindow*>(objekt)->isExposed()) {
            if (QWidget* w = flaechen_.value(objekt); w && wartet_.remove(w)) eintrag(w, "on the screen");
        }
        return false;
    }

private:
    QHash<QObject*, QWidget*> flaechen_;
    QSet<QWidget*> wartet_;  // shown, not yet exposed since
};

// What the window manager of an X display says, read over a connection of
// our own beside Qt's.
namespace fenstermanager {

inline xcb_connection_t* verbindung() {
    static const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> x(xcb_connect(nullptr, nullptr),
                                                                                &xcb_disconnect);
    return x.get();
}

template <class Antwort>
using XAntwort = std::unique_ptr<Antwort, decltype(&std::free)>;

inline xcb_atom_t atom(const char* name) {
    xcb_connection_t* x = verbindung();
    const XAntwort<xcb_intern_atom_reply_t> antwort(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return antwort ? antwort->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window's property (windows or atoms).
inline std::vector<std::uint32_t> eigenschaft(xcb_window_t fenster, const char* name) {
    xcb_connection_t* x = verbindung();
    const XAntwort<xcb_get_property_reply_t> antwort(
        xcb_get_property_reply(x, xcb_get_property(x, 0, fenster, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
                               nullptr),
        &std::free);
    if (!antwort || antwort->format != 32) return {};
    const auto* werte = static_cast<const std::uint32_t*>(xcb_get_property_value(antwort.get()));
    return {werte, werte + xcb_get_property_value_length(antwort.get()) / 4};
}

inline std::vector<std::uint32_t> vonDerWurzel(const char* name) {
    return eigenschaft(xcb_setup_roots_iterator(xcb_get_setup(verbindung())).data->root, name);
}

// The windows it manages, from the bottom to the top.
inline std::vector<std::uint32_t> stapel() { return vonDerWurzel("_NET_CLIENT_LIST_STACKING"); }

// Whether it has w on top of all others and active.
inline bool obenUndAktiv(const QWidget* w) {
    const std::vector<std::uint32_t> s = stapel(), aktiv = vonDerWurzel("_NET_ACTIVE_WINDOW");
    return !s.empty() && s.back() == w->winId() && !aktiv.empty() && aktiv.front() == w->winId();
}

// Whether it keeps the window minimized (hidden).
inline bool minimiert(const QWidget* w) {
    const std::vector<std::uint32_t> zustand = eigenschaft(static_cast<xcb_window_t>(w->winId()), "_NET_WM_STATE");
    return std::find(zustand.begin(), zustand.end(), atom("_NET_WM_STATE_HIDDEN")) != zustand.end();
}

// Asks the window manager to minimize the window, as its title bar's button
// would, and waits until it is hidden and Qt has seen it go from the screen:
// from then on Qt activates it only once it is mapped again.
inline bool minimiere(QWidget* w) {
    w->showMinimized();
    return QTest::qWaitFor([w] { return minimiert(w) && w->isMinimized() && !w->windowHandle()->isExposed(); }, 3000);
}

// The windows it manages from the bottom to the top, by their object names
// where the window is one of the given ones.
inline QStringList stapelnamen(const QList<const QWidget*>& bekannte) {
    QStringList namen;
    for (const std::uint32_t fenster : stapel()) {
        QString name = QStringLiteral("0x") + QString::number(fenster, 16);
        for (const QWidget* w : bekannte)
            if (w && w->winId() == fenster) name = w->objectName();
        namen << name;
    }
    return namen;
}

// The same for a failure's message.
inline std::string stapeltext(const QList<const QWidget*>& bekannte) {
    return "bottom to top: " + stapelnamen(bekannte).join(QLatin1String(" < ")).toStdString();
}

// Whether the window manager and Qt are done: every shown window of the
// program is on the screen, and the one Qt takes as active is on top and
// active for the window manager too.
inline bool ruhig() {
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->isMinimized() && !(w->windowHandle() && w->windowHandle()->isExposed())) return false;
    const QWidget* aktiv = QApplication::activeWindow();
    return aktiv && obenUndAktiv(aktiv);
}

// A panel at the bottom of the screen, as a desktop has: a dock window of a
// client of our own that reserves the given height (in the display's pixels)
// for itself. Waits until Qt has learnt the smaller work area from the window
// manager; false when it does not.
// What the window manager says of the work area, and what Qt took of it.
inline std::string arbeitsflaechentext() {
    std::string text = "_NET_WORKAREA:";
    for (const std::uint32_t wert : vonDerWurzel("_NET_WORKAREA")) text += ' ' + std::to_string(wert);
    const QRect qt = QGuiApplication::primaryScreen()->availableGeometry();
    return text + "; Qt's available geometry: " + std::to_string(qt.width()) + 'x' + std::to_string(qt.height());
}

inline bool leisteUnten(int hoehe) {
    xcb_connection_t* x = verbindung();
    const xcb_screen_t* bildschirm = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const xcb_window_t leiste = xcb_generate_id(x);
    const std::uint32_t grau = 0x303030;
    xcb_create_window(x, XCB_COPY_FROM_PARENT, leiste, bildschirm->root, 0,
                      static_cast<std::int16_t>(bildschirm->height_in_pixels - hoehe), bildschirm->width_in_pixels,
                      static_cast<std::uint16_t>(hoehe), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, bildschirm->root_visual,
                      XCB_CW_BACK_PIXEL, &grau);
    const auto setze = [&](const char* name, xcb_atom_t art, const std::vector<std::uint32_t>& werte) {
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, leiste, atom(name), art, 32,
                            static_cast<std::uint32_t>(werte.size()), werte.data());
    };
    const auto unten = static_cast<std::uint32_t>(hoehe), rechts = bildschirm->width_in_pixels - 1u;
    setze("_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM, {atom("_NET_WM_WINDOW_TYPE_DOCK")});
    setze("_NET_WM_STRUT_PARTIAL", XCB_ATOM_CARDINAL, {0, 0, 0, unten, 0, 0, 0, 0, 0, 0, 0, rechts});
    setze("_NET_WM_STRUT", XCB_ATOM_CARDINAL, {0, 0, 0, unten});
    // At its place, not where the window manager would put it (USPosition, PPosition).
    std::vector<std::uint32_t> lage(18);
    lage[0] = 1 | 4;
    lage[2] = bildschirm->height_in_pixels - unten;
    lage[3] = bildschirm->width_in_pixels;
    lage[4] = unten;
    setze("WM_NORMAL_HINTS", XCB_ATOM_WM_SIZE_HINTS, lage);
    xcb_map_window(x, leiste);
    xcb_flush(x);
    const QScreen* qt = QGuiApplication::primaryScreen();
    // The window manager takes the panel's room and says so on the root
    // window; under a loaded machine that can take a while.
    return QTest::qWaitFor([qt] { return qt->availableGeometry().bottom() < qt->geometry().bottom(); }, 15000);
}

}  // namespace fenstermanager

}  // namespace fluvan::test
