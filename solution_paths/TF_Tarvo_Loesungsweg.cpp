#include "solution_paths/TF_Tarvo_Loesungsweg.h"

#include "solution_paths/Loesungsweg_bauen.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"

#include <QScrollArea>
#include <QScrollBar>

TF_Tarvo_Loesungsweg::TF_Tarvo_Loesungsweg(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    for (int i = 1; i <= 4; ++i)
        Schritt(i)->Nummer_setzen(i);
    // The rows are the stops; the scroll area follows the focus to them.
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    ScrollBox->setAccessibleName(QStringLiteral("Lösungsweg"));
    Schritthoehe_setzen(88);
}

TF_Tarvo_Loesungsschritt *TF_Tarvo_Loesungsweg::Schritt(int Nummer) const
{
    switch (Nummer) {
    case 1: return F_Tarvo_Loesungsschritt1;
    case 2: return F_Tarvo_Loesungsschritt2;
    case 3: return F_Tarvo_Loesungsschritt3;
    case 4: return F_Tarvo_Loesungsschritt4;
    default: return nullptr;
    }
}

void TF_Tarvo_Loesungsweg::Schritthoehe_setzen(int Hoehe)
{
    for (int i = 1; i <= 4; ++i)
        Schritt(i)->setFixedHeight(Hoehe);
}

void TF_Tarvo_Loesungsweg::Aufgabe_uebernehmen(const TEinstellung_Aufgabe &Aufgabe_neu)
{
    Aufgabe = Aufgabe_neu;
}

void TF_Tarvo_Loesungsweg::Loesungsweg_loeschen()
{
    Loesungsschritte_loeschen();
    F_Tarvo_Loesungsschritt1->Schritt_loeschen();
}

void TF_Tarvo_Loesungsweg::Loesungsschritte_loeschen()
{
    // The layout keeps the rows in the order 1..4, so hiding is all it takes.
    F_Tarvo_Loesungsschritt4->Schritt_loeschen();
    F_Tarvo_Loesungsschritt3->Schritt_loeschen();
    F_Tarvo_Loesungsschritt2->Schritt_loeschen();
}

void TF_Tarvo_Loesungsweg::Loesungsweg_anzeigen()
{
    Loesungsschritte_loeschen();
    const QList<TLoesungsschritt_Daten> Weg = Loesungsweg_bauen(Aufgabe);
    for (const TLoesungsschritt_Daten &Daten : Weg)
        Schritt_zeigen(Daten);
    Nach_oben_scrollen();
}

void TF_Tarvo_Loesungsweg::Schritt_zeigen(const TLoesungsschritt_Daten &Daten)
{
    using Feldart = TLoesungsschritt_Daten::TZahlenfeld;
    Memo1 = Daten.Zeilen;
    TF_Tarvo_Loesungsschritt *Zeile = Schritt(Daten.Nummer);
    switch (Daten.Feld) {
    case Feldart::Zahl:
        Zeile->Schritt_Zahl_zeigen(Daten.verdeckt, Daten.mit_Gleich, Daten.Wert_1, Daten.Ueberschrift, Memo1);
        break;
    case Feldart::Text:
        Zeile->Schritt_Text_zeigen(Daten.verdeckt, Daten.mit_Gleich, Daten.Text, Daten.Ueberschrift, Memo1);
        break;
    case Feldart::Aufgabe:
        Zeile->Schritt_Aufgabe_zeigen(Daten.verdeckt, Daten.mit_Gleich, Daten.Wert_1, Daten.Wert_2, Daten.Ueberschrift,
                                      Memo1);
        break;
    }
}

void TF_Tarvo_Loesungsweg::Nach_oben_scrollen()
{
    // Bring the scroll range up to date with the rows just shown, then go to the top.
    if (QWidget *Inhalt = ScrollBox->widget())
        if (QLayout *Anordnung = Inhalt->layout())
            Anordnung->activate();
    ScrollBox->verticalScrollBar()->setValue(0);
}
