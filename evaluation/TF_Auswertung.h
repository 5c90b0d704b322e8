#pragma once

#include "evaluation/TAuswertungs_Stand.h"

#include <QFrame>
#include <QStringList>

class QSplitter;
class QTabWidget;
class QTextEdit;
class QWidget;
namespace Ui { class TF_Auswertung; }

// The detailed evaluation: counts every hand-over and shows it on seven pages.
class TF_Auswertung : public QFrame
{
    Q_OBJECT
public:
    explicit TF_Auswertung(QWidget *parent = nullptr);
    ~TF_Auswertung() override;

    QTabWidget *PageControl_Statistik_1;
    QWidget *TabSheet1;
    QWidget *TabSheet_2_Tabelle_0;
    QWidget *TabSheet_Statistik_1;
    QWidget *TabSheet_Statistik_2;
    QWidget *TabSheet_Statistik_3;
    QWidget *TabSheet_Statistik_4;
    QWidget *TabSheet_Protokoll;
    QFrame *Panel_0;
    QFrame *Panel_1;
    QTextEdit *RichEdit1; // the protocol
    QSplitter *Splitter1;
    QTextEdit *RichEdit2; // the statistics text
    QTextEdit *RichEdit3; // never shown: assembles texts for printing and saving

    void Auswertung_initialisieren();
    void Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis, QObject *Sender);

    // The exercise frame separates sequences in the protocol with an empty line.
    void Protokoll_Leerzeile_anhaengen();
    // The sequence numbering wrapped from 24 to 1: the basic-values table restarts.
    void Grundwerte_Tabelle_zuruecksetzen(bool mit_Hinweis);

    const TAuswertungs_Stand &Stand() const { return Stand_; }
    QStringList Protokoll_Zeilen() const;
    // Hand-overs taken since the frame was created, settings and answers alike.
    int Anzahl_Uebergaben() const { return Anzahl_Uebergaben_; }

private:
    void Protokollzeile_anhaengen(const QString &Zeile);

    Ui::TF_Auswertung *ui;
    TAuswertungs_Stand Stand_;
    int Anzahl_Uebergaben_ = 0;
};
