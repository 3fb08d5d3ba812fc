// A Qt generic plugin that the installation test loads into the installed
// program (QT_PLUGIN_PATH, QT_QPA_GENERIC_PLUGINS): it does what a user does,
// English on the start screen, then the conductivity entry of the main form,
// and prints the medium and the passage the window shows, first as it opens
// and then for the last medium of its list. The program itself takes no
// command line; this finds everything by object name, as a user by sight.
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

QWidget* fenster(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
    return nullptr;
}

// Line breaks and tabs written out, so one passage stays on one line.
void zeige(QWidget* leitfaehigkeit) {
    const QLabel* name = leitfaehigkeit->findChild<QLabel*>(QStringLiteral("Label1"));
    const QPlainTextEdit* box = leitfaehigkeit->findChild<QPlainTextEdit*>(QStringLiteral("RichTextBox1"));
    if (!name || !box) return;
    QString passage = box->toPlainText();
    passage.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
    std::printf("%s: %s\n", name->text().toUtf8().constData(), passage.toUtf8().constData());
    std::fflush(stdout);
}

class Ablauf : public QObject {
public:
    Ablauf() {
        connect(&takt, &QTimer::timeout, this, &Ablauf::schritt);
        takt.start(50);
        // Slow sanitizer builds included, the whole walk takes a few seconds.
        QTimer::singleShot(60000, this, [this] {
            std::fprintf(stderr, "fernsteuerung: step %d not reached in time\n", stufe);
            QCoreApplication::exit(3);
        });
    }

private:
    void schritt() {
        if (stufe == 0) {
            QWidget* start = fenster("frmSplashscreen");
            QPushButton* englisch = start ? start->findChild<QPushButton*>(QStringLiteral("cmdEnglisch")) : nullptr;
            if (!englisch) return;
            englisch->click();
            stufe = 1;
        } else if (stufe == 1) {
            QWidget* form = fenster("frmHauptForm");
            QAction* eintrag = form ? form->findChild<QAction*>(QStringLiteral("mnuLeitfaehigkeit")) : nullptr;
            if (!eintrag) return;
            eintrag->trigger();
            stufe = 2;
        } else if (stufe == 2) {
            QWidget* leitfaehigkeit = fenster("frmLeitfaehigkeit");
            QListWidget* liste =
                leitfaehigkeit ? leitfaehigkeit->findChild<QListWidget*>(QStringLiteral("List1")) : nullptr;
            if (!liste) return;
            takt.stop();
            zeige(leitfaehigkeit);
            liste->setCurrentRow(liste->count() - 1);
            zeige(leitfaehigkeit);
            QCoreApplication::exit(0);
        }
    }

    QTimer takt;
    int stufe = 0;
};

}  // namespace

class Fernsteuerung : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "fernsteuerung.json")
public:
    QObject* create(const QString&, const QString&) override { return new Ablauf; }
};

#include "fernsteuerung.moc"
