#pragma once

#include "ui_TF_Auswertung.h"

#include "core/widgets/TPageControl.h"
#include "evaluation/TAuswertung.h"

#include <QFrame>
#include <QStringList>

class QWidget;
class TDlg_Protokoll_Auswertung_speichern_drucken;
class TProtokoll_Statistik_Ausgabe;

// The detailed evaluation: counts every hand-over and shows it on seven pages.
// RichEdit1 holds the protocol, RichEdit2 the statistics text.
class TF_Auswertung : public QFrame, public Ui::TF_Auswertung
{
    Q_OBJECT
public:
    // Shows the lesson's evaluation, which only the lesson changes.
    explicit TF_Auswertung(const TAuswertung &Auswertung, QWidget *parent = nullptr);

    // Shows the evaluation as initialising left it.
    void Auswertung_initialisieren();
    // Shows what the lesson's hand-over changed.
    void Uebergabe_zeigen(const TAuswertung_Folgen &Folgen);

    // The exercise frame separates sequences in the protocol with an empty line.
    void Protokoll_Leerzeile_anhaengen();
    // The sequence numbering wrapped from 24 to 1: the basic-values table restarts.
    void Grundwerte_Tabelle_zuruecksetzen(bool mit_Hinweis);
    // Shows the smiley step for the difficulty of the last hand-over.
    void Sterne_zeigen(bool neuer_Smily);
    // The reset of both evaluations switches the picture choice without a click.
    void Bild_zeigen_setzen(int ItemIndex);
    // The choice dialog of the protocol page belongs to the main window.
    void Auswahl_Dialog_setzen(TDlg_Protokoll_Auswertung_speichern_drucken *Dialog);

    const TAuswertungs_Stand &Stand() const { return Auswertung_.Stand(); }
    const QStringList &Protokoll_Zeilen() const { return Auswertung_.Protokoll(); }
    // Hand-overs taken since the frame was created, settings and answers alike.
    int Anzahl_Uebergaben() const { return Anzahl_Uebergaben_; }

    TProtokoll_Statistik_Ausgabe *Ausgabe;

signals:
    // A user click on the smiley page's picture choice: the lesson runs the smiley rule again.
    void Bild_zeigen_geklickt();

private:
    void Protokollzeile_anhaengen(const QString &Zeile);

    const TAuswertung &Auswertung_;
    int Anzahl_Uebergaben_ = 0;
};
