#include "exercises/Uebung_Zugang_Texte.h"

#include "core/Zugang_Texte.h"

QString Aufgabe_Beschreibung(const TEinstellung_Aufgabe &A)
{
    return QStringLiteral("Aufgabe: (") + A.STR_Zahl_1 + u')' + A.Rechenzeichen + u'(' + A.STR_Zahl_2
        + QStringLiteral(") =");
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
