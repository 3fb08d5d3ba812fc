#pragma once
// The conductivity reference: the 344 media in a list and the selected
// medium's passage of the conductivity document. One window for all four
// languages; only its title and end button follow the language.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

#include "app/leitfaehigkeitsdokument.h"
#include "platform/richtextbox.h"

namespace fluvan::app {

class frmLeitfaehigkeit : public QWidget {
    Q_OBJECT
public:
    // Creating the window is its load. It reads the program's document; a test
    // may name another.
    explicit frmLeitfaehigkeit(std::filesystem::path dokument = leitfaehigkeitsdokument());

    QListWidget* List1;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label18;
    QLabel* Label17;
    QLabel* Label16;
    platform::RichTextBox* RichTextBox1;
    QPushButton* cmdEnde;

public slots:
    void Form_Load();
    void List1_Click();
    void cmdEnde_Click();

    // Puts the passage of the medium in Stoffname into the box.
    void Ausgabe();

private:
    std::filesystem::path dokument;
};

}  // namespace fluvan::app
