#include "evaluation/TProtokoll_Statistik_Ausgabe.h"

#include "core/widgets/Text_drucken.h"
#include "core/widgets/Text_speichern.h"
#include "evaluation/Protokoll_Ausgabe_Texte.h"
#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"

#include <utility>

TProtokoll_Statistik_Ausgabe::TProtokoll_Statistik_Ausgabe(TZeilen_Quelle Protokoll, TZeilen_Quelle Statistik,
                                                           double Pixelhoehe, QWidget *Seite)
    : QObject(Seite)
    , Protokoll(std::move(Protokoll))
    , Statistik(std::move(Statistik))
    , Pixelhoehe(Pixelhoehe)
    , Seite(Seite)
{
}

TAusgabe_Text TProtokoll_Statistik_Ausgabe::Protokoll_Text() const
{
    return {Protokoll(), Pixelhoehe};
}

TAusgabe_Text TProtokoll_Statistik_Ausgabe::Statistik_Text() const
{
    return {Statistik(), Pixelhoehe};
}

TAusgabe_Text TProtokoll_Statistik_Ausgabe::Protokoll_und_Statistik_Text() const
{
    return {Protokoll_und_Statistik_zusammenfuegen(Protokoll(), Statistik()), Pixelhoehe};
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
    Text_drucken_mit_Fehlerbericht(Protokoll_Text(), Auftrag_Protokoll);
}

void TProtokoll_Statistik_Ausgabe::Button_Statistik_druckenClick()
{
    Text_drucken_mit_Fehlerbericht(Statistik_Text(), Auftrag_Statistik);
}

void TProtokoll_Statistik_Ausgabe::Button_Protokoll_und_Statistik_druckenClick()
{
    Text_drucken_mit_Fehlerbericht(Protokoll_und_Statistik_Text(), Auftrag_Protokoll_und_Statistik);
}

void TProtokoll_Statistik_Ausgabe::Protokoll_speichern()
{
    Text_speichern_mit_Dialog(Seite, Protokoll_Text(), Datei_Protokoll, Auftrag_Protokoll, TUeberschreiben::ohne_Frage);
}

void TProtokoll_Statistik_Ausgabe::Statistik_speichern()
{
    Text_speichern_mit_Dialog(Seite, Statistik_Text(), Datei_Statistik, Auftrag_Statistik, TUeberschreiben::ohne_Frage);
}

void TProtokoll_Statistik_Ausgabe::Protokoll_und_Statistik_speichern()
{
    Text_speichern_mit_Dialog(Seite, Protokoll_und_Statistik_Text(), Datei_Protokoll_und_Statistik,
                              Auftrag_Protokoll_und_Statistik, TUeberschreiben::ohne_Frage);
}
