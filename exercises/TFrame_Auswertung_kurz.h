#pragma once

#include "exercises/TAuswertung_kurz_Werte.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;
class TPanel;
namespace Ui { class TFrame_Auswertung_kurz; }

// The short evaluation under the task column: answers, right, wrong, percentage.
class TFrame_Auswertung_kurz : public QFrame
{
    Q_OBJECT
public:
    explicit TFrame_Auswertung_kurz(QWidget *parent = nullptr);
    ~TFrame_Auswertung_kurz() override;

    TPanel *Panel2;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLineEdit *Edit_Anzahl_gestellter_Aufgaben;
    QLineEdit *Edit_richtig_geloester_Aufgaben;
    QLineEdit *Edit_falsch_geloester_Aufgaben;
    QLineEdit *Edit_Prozentzahl;
    QPushButton *Button_Werte_zuruecksetzen;

    void Werte_zuruecksetzen();
    // The lesson's counts, shown as they are.
    void Werte_zeigen(const TAuswertung_kurz_Werte &Werte);
    const TAuswertung_kurz_Werte &Werte() const { return Werte_; }

public slots:
    void Button_Werte_zuruecksetzenClick();

private:
    void anzeigen();

    Ui::TFrame_Auswertung_kurz *ui;
    TAuswertung_kurz_Werte Werte_;
};
