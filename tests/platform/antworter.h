#pragma once
// Answers the modal boxes and dialogs of a test, so that none blocks, and
// notes what each one showed.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

namespace fluvan::test {

struct Gesehen {
    QString was;  // a box's text, else the dialog's class
    const QWidget* eltern = nullptr;
    bool sichtbar = false;
};

// Answers the topmost modal box or dialog, as Escape would, once `bereit`
// says so, after `dabei` has looked around; after five seconds whatever is
// open, so that no test hangs.
class Antworter {
public:
    explicit Antworter(std::function<bool()> bereit = {}, std::function<void()> dabei = {})
        : bereit(std::move(bereit)), dabei(std::move(dabei)) {
        uhr.start();
        QObject::connect(&zeit, &QTimer::timeout, &zeit, [this] { pruefe(); });
        zeit.start(5);
    }

    std::vector<Gesehen> gesehen;

private:
    void pruefe() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || (bereit && !bereit() && uhr.elapsed() < 5000)) return;
        const auto* box = qobject_cast<QMessageBox*>(dialog);
        gesehen.push_back({box ? box->text() : QString::fromLatin1(dialog->metaObject()->className()),
                           dialog->parentWidget(), dialog->isVisible()});
        if (dabei) dabei();
        dialog->reject();
    }

    std::function<bool()> bereit;
    std::function<void()> dabei;
    QElapsedTimer uhr;
    QTimer zeit;
};

}  // namespace fluvan::test
