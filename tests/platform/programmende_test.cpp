#include "platform/programmende.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

namespace fluvan::platform {
namespace {

class Fenster : public QWidget {
public:
    int schliessversuche = 0;

protected:
    void closeEvent(QCloseEvent* ereignis) override {
        ++schliessversuche;
        ereignis->accept();
    }
};

// Every window disappears at once, none gets a closing event, the loop ends.
TEST(QtProgrammende, BeendetSofortOhneSchliessereignis) {
    Fenster eins, zwei;
    eins.show();
    zwei.show();
    bool nochLaufend = false;
    QTimer::singleShot(0, [] { QtProgrammende().beenden(); });
    QTimer::singleShot(3000, [&] {
        nochLaufend = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(nochLaufend);
    EXPECT_FALSE(eins.isVisible());
    EXPECT_FALSE(zwei.isVisible());
    EXPECT_EQ(eins.schliessversuche + zwei.schliessversuche, 0);
}

}  // namespace
}  // namespace fluvan::platform
