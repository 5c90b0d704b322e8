#pragma once

#include "core/widgets/TPageControl.h"
#include "exercises/TUebungs_Ablauf.h"

#include <QFrame>
#include <QStringList>

class QPushButton;
class QSplitter;
class QTextEdit;
class QWidget;
class TDlg_Protokoll_Auswertung_speichern_drucken;
class TF_Auswertung_Tabelle_0;
class TF_Auswertung_Tabelle_1_;
class TF_Auswertung_Tabelle_Kategorie;
class TF_Auswertung_Tabelle_2_;
class TF_Auswertung_Tabelle_3_;
class TF_Auswertung_Tabelle_4_;
class TF_Sterne_Seite;
class TProtokoll_Statistik_Ausgabe;
namespace Ui { class TF_Auswertung; }

// The detailed evaluation: counts every hand-over and shows it on seven pages.
class TF_Auswertung : public QFrame
{
    Q_OBJECT
public:
    explicit TF_Auswertung(QWidget *parent = nullptr);
    ~TF_Auswertung() override;

    TPageControl *PageControl_Statistik_1;
    QWidget *TabSheet1;
    QWidget *TabSheet_2_Tabelle_0;
    QWidget *TabSheet_Statistik_1;
    QWidget *TabSheet_Statistik_2;
    QWidget *TabSheet_Statistik_3;
    QWidget *TabSheet_Statistik_4;
    QWidget *TabSheet_Protokoll;
    TF_Sterne_Seite *Sterne_Seite;
    TF_Auswertung_Tabelle_0 *F_Auswertung_Tabelle_01;
    TF_Auswertung_Tabelle_1_ *F_Auswertung_Tabelle_1_1;
    TF_Auswertung_Tabelle_2_ *F_Auswertung_Tabelle_2_1;
    TF_Auswertung_Tabelle_3_ *F_Auswertung_Tabelle_3_1;
    TF_Auswertung_Tabelle_4_ *F_Auswertung_Tabelle_4_1;
    QFrame *Panel_0;
    QFrame *Panel_1;
    QPushButton *Button_Protokoll_Statistik_drucken_speichern;
    QPushButton *Button_Protokoll_und_Statistik_drucken;
    QPushButton *Button_Statistik_drucken;
    QPushButton *Button_Protokoll_drucken;
    QTextEdit *RichEdit1; // the protocol
    QSplitter *Splitter1;
    QTextEdit *RichEdit2; // the statistics text
    QTextEdit *RichEdit3; // never shown: assembles texts for printing and saving

    // The lesson whose evaluation this frame shows; set by the owner before any other call.
    void Ablauf_setzen(TUebungs_Ablauf &Ablauf);

    void Auswertung_initialisieren();
    void Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis, QObject *Sender);
    // Shows what the lesson's hand-over changed.
    void Uebergabe_zeigen(const TAuswertung_Folgen &Folgen, QObject *Sender);

    // The exercise frame separates sequences in the protocol with an empty line.
    void Protokoll_Leerzeile_anhaengen();
    // The sequence numbering wrapped from 24 to 1: the basic-values table restarts.
    void Grundwerte_Tabelle_zuruecksetzen(bool mit_Hinweis);
    // The smiley step for the difficulty of the last hand-over.
    void Sterne_aktualisieren();
    // The picture choice; the main window routes the click through itself.
    void RadioGroup_Bild_zeigenClick();
    // The reset of both evaluations switches the picture choice without a click.
    void Bild_zeigen_setzen(int ItemIndex);
    // The choice dialog of the protocol page belongs to the main window.
    void Auswahl_Dialog_setzen(TDlg_Protokoll_Auswertung_speichern_drucken *Dialog);

    const TAuswertungs_Stand &Stand() const;
    QStringList Protokoll_Zeilen() const;
    // Hand-overs taken since the frame was created, settings and answers alike.
    int Anzahl_Uebergaben() const { return Anzahl_Uebergaben_; }

    TProtokoll_Statistik_Ausgabe *Ausgabe;

private:
    void Protokollzeile_anhaengen(const QString &Zeile);

    Ui::TF_Auswertung *ui;
    TUebungs_Ablauf *Ablauf_ = nullptr;
    int Anzahl_Uebergaben_ = 0;
};
