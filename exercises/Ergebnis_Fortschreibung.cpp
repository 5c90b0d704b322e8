#include "exercises/Ergebnis_Fortschreibung.h"

#include "core/Zahlentexte.h"
#include "core/Namen_Tabellen.h"

namespace {
QString rechts_auffuellen(const QString &Text, int Breite)
{
    return (Text + Leerzeichen).left(Breite);
}
}

TSequenz_Wechsel Einstellungen_eintragen(TAufgaben_Ergebnis &E, TRechenart Rechenart,
                                         TSchwierigkeitsgrad Schwierigkeitsgrad)
{
    TSequenz_Wechsel W;
    if (E.Sequenz_benutzt == 1) {
        E.Nr_Uebungssequenz += 1;
        E.Sequenz_benutzt = 0;
        W.Leerzeile_faellig = true;
    }
    E.Anzahl_Aufgaben = 0;
    E.Rechenart = Nummer_von(Rechenart);
    E.Schwierigkeitsgrad = Nummer_von(Schwierigkeitsgrad);
    if (E.Nr_Uebungssequenz > Anzahl_Uebungssequenzen) {
        E.Nr_Uebungssequenz = 1;
        W.Grundwerte_neu_beginnen = true;
    }
    return W;
}

void Antwort_eintragen(TAufgaben_Ergebnis &E, bool richtig, const QString &Aufgaben_Text, const QString &Antwort_Text)
{
    E.richtig_geloest = richtig ? 1 : 0;
    E.Sequenz_benutzt = 1;
    E.Anzahl_Aufgaben += 1;
    E.Protokollzeile_setzen(Protokollzeile_erstellen(E, richtig, Aufgaben_Text, Antwort_Text));
}

QString Protokollzeile_erstellen(const TAufgaben_Ergebnis &E, bool richtig, const QString &Aufgaben_Text,
                                 const QString &Antwort_Text)
{
    // The answer keeps at most 5 characters here; judging used all of it.
    const QString Feld = (rechts_auffuellen(Aufgaben_Text, 20) + rechts_auffuellen(Antwort_Text, 10)).left(25);
    return QStringLiteral(" Übungssequenz: ") + Integer_zu_Text(E.Nr_Uebungssequenz) + u'|'
        + Rechenart_Namen(E.Rechenart) + u'|' + Schwierigkeitsgrad_Namen(E.Schwierigkeitsgrad)
        + QStringLiteral("| Aufgabe : ") + Feld
        + (richtig ? QStringLiteral("(richtig gelöst)") : QStringLiteral("(falsch  gelöst)"));
}
