#include "exercises/Uebung_Zugang_Texte.h"

#include "core/Zugang_Texte.h"

namespace {

// "(-5)+(6) =": the task without the alignment blanks of the screen.
QString Aufgabe_gesprochen(const TEinstellung_Aufgabe &A)
{
    return Aufgabe_in_Klammern(A) + QStringLiteral(" =");
}

} // namespace

QString Aufgabe_Beschreibung(const TEinstellung_Aufgabe &A)
{
    return QStringLiteral("Aufgabe: ") + Aufgabe_gesprochen(A);
}

QString Bewertung_Ansage(const TEinstellung_Aufgabe &A, bool richtig, const QString &Antwort_Text)
{
    if (richtig)
        return QStringLiteral("Richtig gelöst: ") + Aufgabe_gesprochen(A) + u' ' + A.STR_Ergebnis + u'.';
    return QStringLiteral("Falsch gelöst: ") + Aufgabe_gesprochen(A) + u' ' + Antwort_Text
        + QStringLiteral(". Richtige Lösung: ") + A.STR_Ergebnis + u'.';
}

QString Aufgabe_Ansage(const TEinstellung_Aufgabe &A)
{
    return QStringLiteral("Neue Aufgabe: ") + Aufgabe_gesprochen(A);
}

QString Keine_Zahl_Ansage(const TEinstellung_Aufgabe &A)
{
    return QStringLiteral("Keine Zahl, nicht bewertet. ") + Aufgabe_Beschreibung(A);
}

QString Antwortfeld_Beschreibung(const TEinstellung_Aufgabe &A, bool Aufgabe_beurteilt)
{
    const QString Aufgabe = Aufgabe_Beschreibung(A);
    return Aufgabe_beurteilt ? Aufgabe + QStringLiteral(" F2 zeigt den Rechenweg der alten Aufgabe.") : Aufgabe;
}

QString Bewertung_Vorlese_Text(const QStringList &Erlaeuterungen)
{
    QStringList Teile;
    for (const QString &Zeile : Erlaeuterungen)
        if (const QString T = Vorlese_Text(Zeile); !T.isEmpty())
            Teile << T;
    return Teile.join(u' ');
}
