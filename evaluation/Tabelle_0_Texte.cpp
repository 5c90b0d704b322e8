#include "evaluation/Tabelle_0_Texte.h"

#include "core/Zahlentexte.h"
#include "evaluation/Tabellen_Kopf.h"

namespace {
const QString Prozent_Praefix =
    QStringLiteral("   Prozentzahl : Anzahl richtig gelöster Aufgaben / Anzahl gestellter Aufgaben : ");
}

QStringList Tabelle_0_Kopfzeile(int Zeile)
{
    return Zeile == 0 ? Tabellen_Kopfzeile_0() : Tabellen_Kopfzeile_1(true);
}

QStringList Tabelle_0_Zeile(const TAuswertungs_Listenwerte_0 &W)
{
    return {W.Rechenart_Text,
            W.Schwierigkeitsgrad_Text,
            Byte_zu_Text(W.Punkte_pro_Aufgabe),
            Integer_zu_Text(W.Anzahl),
            Integer_zu_Text(W.Anzahl_richtig),
            Integer_zu_Text(W.Anzahl_falsch),
            Real_zu_Text(W.Prozent_richtig) + Prozent_Einheit(),
            Integer_zu_Text(W.Punkte_erreichbar),
            Integer_zu_Text(W.Punkte_erreicht),
            Integer_zu_Text(W.Punkte_nicht_erreicht),
            Real_zu_Text(W.Prozent_Punkte) + Prozent_Einheit()};
}

int Tabelle_0_oberste_Zeile(int Sequenz)
{
    // From sequence 6 on, the four sequences before the current one stay in view.
    return Sequenz > 5 ? Sequenz - 3 : 0;
}

QString Tabelle_0_Einstellung_Caption(const TAuswertungs_Listenwerte_0 &W)
{
    return Einstellung_Praefix() + W.Rechenart_Text + u' ' + W.Schwierigkeitsgrad_Text;
}

QString Tabelle_0_Prozent_Caption(const TAuswertungs_Listenwerte_0 &W)
{
    return Prozent_Praefix + Real_zu_Text(W.Prozent_richtig) + Prozent_Einheit();
}

QString Tabelle_0_Prozent_Caption_leer()
{
    return Prozent_Praefix + QStringLiteral("---");
}

QStringList Tabelle_0_Beschreibung()
{
    const QString Strichlinie(42, u'-');
    return {
        QStringLiteral("Beschreibung der Tabelle: Statistik: Grundwerte"),
        Strichlinie,
        QStringLiteral("In dieser Tabelle wird jede Übungseinheiten (Übungssequenzen) seperat dargestellt."),
        QString(),
        QStringLiteral("Eine Übungseinheit besteht aus"),
        QStringLiteral("   einer Kategorie     : hier ist die Wahl für die Rechenart         : Addition / Subtraktion "
                       "/ Multiplikation / Division und"),
        QStringLiteral(
            "   einer Unterkategorie: hier ist die Wahl für den Schwierigkeitsgrad: leicht   / mittel      / schwer"),
        QString(),
        QStringLiteral("Es werden erfasst: bei den Aufgaben:"),
        QStringLiteral("   \"bearbeitet\" für Aufgabenanzahl bearbeitet / \"+ gelöst\" für Aufgabenanzahl richtig "
                       "gelöst / \"- gelöst\" für Aufgabenanzahl falsch gelöst /"),
        QStringLiteral(
            "   \"+ gelöst %\" für Prozentzahl Anzahl richtig gelöster Aufgaben durch Anzahl bearbeiteter Aufgaben"),
        QString(),
        QStringLiteral("Es werden erfasst: bei den Punkten:"),
        QStringLiteral("   \"erreichbar\" für Punktanzahl erreichbar / \"+ erreicht\" für Punktanzahl erreicht / \"- "
                       "erreicht\" für Punkteanzahl nicht erreicht /"),
        QStringLiteral("   \"+ erreicht %\" für Prozentzahl erreichter Punkte durch Anzahl bearbeiteter Punkte"),
        QString(),
        QStringLiteral("Im Fortschrittsanzeiger wird die Prozentzahl Anzahl richtig gelöster Aufgaben durch Anzahl "
                       "bearbeiteter Aufgaben graphisch dargestellt."),
        Strichlinie,
    };
}

QStringList Tabelle_0_Hinweis_Zuruecksetzen()
{
    return {QStringLiteral(" "), QStringLiteral("Die vorherigen Übungseinheiten werden nicht mehr angezeigt."),
            QStringLiteral("Sie werden aber in der weiteren statistischen Auswertung mit einbezogen."),
            QStringLiteral(" "), QStringLiteral("Sie können die Übungseinheiten im Protokoll einsehen. ")};
}
