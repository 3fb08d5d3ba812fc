#pragma once
// The main input form: model, size, units, liquid data, flange choice and the
// header texts of one sizing case, and the button that calculates it.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "app/hauptform_texte.h"
#include "base/ports.h"

namespace fluvan::app {

class frmHauptForm : public QMainWindow {
    Q_OBJECT
public:
    frmHauptForm();

    QLabel* Image1;
    QLabel* Label1;
    QLineEdit* txtKunde;
    QLabel* Label2;
    QLineEdit* txtTAG;
    QLabel* Label11;
    QLineEdit* txtVKNummer;
    QLabel* lblMIDDaten;
    QComboBox* cboMIDDaten;
    QLabel* lblDN;
    QComboBox* cboMIDDN;
    QLabel* lblEinheiten;
    QComboBox* cboEinheiten;
    QLabel* lblEinheitZeit;
    QComboBox* cboZeitEinheiten;
    QLabel* lblVolumen;
    QLineEdit* txtVolumen;
    QGroupBox* Frame1;
    QLabel* lblFlasch;
    QLabel* Label9;
    QRadioButton* Option1;
    QLabel* Label10;
    QRadioButton* Option2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* txtDichte;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* txtVisco;
    QLabel* lblLaenge;
    QLabel* Label7;
    QLineEdit* txtLaenge;
    QRadioButton* Option3;
    QPushButton* cmdEnde;
    QPushButton* cmdFehlerkurve;

    QMenu* mnuAuswahl;
    QMenu* mnuMID;
    QAction* mnuMIDNeu;
    QAction* mnuVeltrum20;
    QAction* mnuVeltrum30;
    QAction* mnuMIDalt;
    QAction* mnuBrisal;
    QMenu* mnuUL;
    QAction* mnuULneu;
    QAction* mnuULalt;
    QAction* mnuLeitfaehigkeit;
    QAction* mnuEXCEL;
    QAction* mnuInfo;
    QAction* mnuEnde;

public slots:
    void Form_Load();
    void cboMIDDaten_Click();
    void cboMIDDN_Click();
    void cboEinheiten_Click();
    void cboZeitEinheiten_Click();

    void txtDichte_KeyPress(int& KeyAscii);
    void txtVisco_KeyPress(int& KeyAscii);
    void txtLaenge_KeyPress(int& KeyAscii);
    void txtVolumen_KeyPress(int& KeyAscii);
    void txtKunde_Change();
    void txtTAG_Change();
    void txtVKNummer_Change();

    void mnuMIDNeu_Click();
    void mnuVeltrum20_Click();
    void mnuVeltrum30_Click();
    void mnuMIDalt_Click();
    void mnuBrisal_Click();
    void mnuULneu_Click();
    void mnuULalt_Click();
    void mnuLeitfaehigkeit_Click();
    void mnuEXCEL_Click();
    void mnuInfo_Click();
    void mnuEnde_Click();
    void cmdEnde_Click();
    void cmdFehlerkurve_Click();

private:
    // What the calculation run reads and writes of this window.
    class Eingabefelder : public base::Hauptformular {
    public:
        explicit Eingabefelder(const frmHauptForm& form) : form(form) {}
        std::string txtVolumen() const override;
        std::string txtDichte() const override;
        std::string txtVisco() const override;
        std::string txtLaenge() const override;
        void setzeTxtLaenge(const std::string& text) override;
        base::Flanschart gewaehlteFlanschart() const override;

    private:
        const frmHauptForm& form;
    };

    void baueSteuerelemente(QWidget* innen);
    void baueMenue();
    void setzeFokusfolge();
    void verbinde();
    void TypWaehlen(const hauptform::Typeintrag& eintrag);

    Eingabefelder felder{*this};
};

}  // namespace fluvan::app
