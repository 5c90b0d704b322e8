#pragma once

#include <QObject>
#include <QString>

class QTextEdit;
class QWidget;
class TDlg_Protokoll_Auswertung_speichern_drucken;

// Prints and saves the protocol (RichEdit1), the statistics text (RichEdit2)
// or both, assembled in the hidden RichEdit3. The boxes belong to the
// evaluation's protocol page, the choice dialog to the main window.
class TProtokoll_Statistik_Ausgabe : public QObject
{
    Q_OBJECT
public:
    TProtokoll_Statistik_Ausgabe(QTextEdit *RichEdit1, QTextEdit *RichEdit2, QTextEdit *RichEdit3, QWidget *Seite);

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
    void Beide_Texte_zusammenfuegen();

    QTextEdit *RichEdit1;
    QTextEdit *RichEdit2;
    QTextEdit *RichEdit3;
    QWidget *Seite;
    TDlg_Protokoll_Auswertung_speichern_drucken *Dlg_Auswahl = nullptr;
};
