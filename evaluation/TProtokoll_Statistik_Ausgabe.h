#pragma once

#include "core/Drucksatz.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class TDlg_Protokoll_Auswertung_speichern_drucken;

// Prints and saves the protocol, the statistics text or both. The lines are
// asked for at each action, so they are the ones the pupil sees at that
// moment. The page hosts the dialogs; the choice dialog belongs to the main
// window.
class TProtokoll_Statistik_Ausgabe : public QObject
{
    Q_OBJECT
public:
    using TZeilen_Quelle = std::function<QStringList()>;

    // Pixelhoehe: the size of the font the texts are shown in, which the printout keeps.
    TProtokoll_Statistik_Ausgabe(TZeilen_Quelle Protokoll, TZeilen_Quelle Statistik, double Pixelhoehe, QWidget *Seite);

    void Auswahl_Dialog_setzen(TDlg_Protokoll_Auswertung_speichern_drucken *Dialog) { Dlg_Auswahl = Dialog; }

public slots:
    // The only entry the user reaches: asks for one of the six actions.
    void Button_Protokoll_Statistik_drucken_speichernClick();

    void Button_Protokoll_druckenClick();
    void Button_Statistik_druckenClick();
    void Button_Protokoll_und_Statistik_druckenClick();
    void Protokoll_speichern();
    void Statistik_speichern();
    void Protokoll_und_Statistik_speichern();

private:
    TAusgabe_Text Protokoll_Text() const;
    TAusgabe_Text Statistik_Text() const;
    TAusgabe_Text Protokoll_und_Statistik_Text() const;

    TZeilen_Quelle Protokoll;
    TZeilen_Quelle Statistik;
    double Pixelhoehe;
    QWidget *Seite;
    TDlg_Protokoll_Auswertung_speichern_drucken *Dlg_Auswahl = nullptr;
};
