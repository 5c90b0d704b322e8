#include "evaluation/TProtokoll_Statistik_Ausgabe.h"

#include "core/widgets/Text_drucken.h"
#include "core/widgets/Text_speichern.h"
#include "evaluation/Protokoll_Ausgabe_Texte.h"
#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"

#include <QTextEdit>

TProtokoll_Statistik_Ausgabe::TProtokoll_Statistik_Ausgabe(QTextEdit *RichEdit1, QTextEdit *RichEdit2,
                                                           QTextEdit *RichEdit3, QWidget *Seite)
    : QObject(Seite)
    , RichEdit1(RichEdit1)
    , RichEdit2(RichEdit2)
    , RichEdit3(RichEdit3)
    , Seite(Seite)
{
}

void TProtokoll_Statistik_Ausgabe::Button_Protokoll_Statistik_drucken_speichernClick()
{
    if (!Dlg_Auswahl || Dlg_Auswahl->exec() != QDialog::Accepted)
        return;
    switch (Dlg_Auswahl->Auswahl) {
    case TProtokoll_Wahl::Protokoll_drucken: Button_Protokoll_druckenClick(); break;
    case TProtokoll_Wahl::Statistik_drucken: Button_Statistik_druckenClick(); break;
    case TProtokoll_Wahl::Protokoll_und_Statistik_drucken: Button_Protokoll_und_Statistik_druckenClick(); break;
    case TProtokoll_Wahl::Protokoll_speichern: Protokoll_speichern(); break;
    case TProtokoll_Wahl::Statistik_speichern: Statistik_speichern(); break;
    case TProtokoll_Wahl::Protokoll_und_Statistik_speichern: Protokoll_und_Statistik_speichern(); break;
    default: break;
    }
}

void TProtokoll_Statistik_Ausgabe::Button_Protokoll_druckenClick()
{
    Text_drucken_mit_Fehlerbericht(RichEdit1, Auftrag_Protokoll);
}

void TProtokoll_Statistik_Ausgabe::Button_Statistik_druckenClick()
{
    Text_drucken_mit_Fehlerbericht(RichEdit2, Auftrag_Statistik);
}

void TProtokoll_Statistik_Ausgabe::Button_Protokoll_und_Statistik_druckenClick()
{
    Beide_Texte_zusammenfuegen();
    Text_drucken_mit_Fehlerbericht(RichEdit3, Auftrag_Protokoll_und_Statistik);
}

void TProtokoll_Statistik_Ausgabe::Protokoll_speichern()
{
    Text_speichern_mit_Dialog(Seite, RichEdit1, Datei_Protokoll, Auftrag_Protokoll, TUeberschreiben::ohne_Frage);
}

void TProtokoll_Statistik_Ausgabe::Statistik_speichern()
{
    Text_speichern_mit_Dialog(Seite, RichEdit2, Datei_Statistik, Auftrag_Statistik, TUeberschreiben::ohne_Frage);
}

void TProtokoll_Statistik_Ausgabe::Protokoll_und_Statistik_speichern()
{
    Beide_Texte_zusammenfuegen();
    Text_speichern_mit_Dialog(Seite, RichEdit3, Datei_Protokoll_und_Statistik, Auftrag_Protokoll_und_Statistik,
                              TUeberschreiben::ohne_Frage);
}

void TProtokoll_Statistik_Ausgabe::Beide_Texte_zusammenfuegen()
{
    RichEdit3->setPlainText(
        Protokoll_und_Statistik_zusammenfuegen(Zeilen_der_Box(RichEdit1), Zeilen_der_Box(RichEdit2)).join(u'\n'));
}
