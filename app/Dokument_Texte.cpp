#include "app/Dokument_Texte.h"

namespace {
QString Trenner()
{
    return QString(64, u'-');
}
}

QStringList Informationsdokument_Zeilen()
{
    const QString T = Trenner();
    return {
        QStringLiteral(" Informationen zum Tarvo"),
        u' ' + QString(63, u'-'),
        QString(),
        T,
        QStringLiteral("  A) Definition :"),
        T,
        QString(),
        QStringLiteral("  Z ist die Menge der ganzen Zahlen."),
        QStringLiteral("  Z := { ... -3;-2;-1;0;1;2;3;... }"),
        QString(),
        T,
        QStringLiteral("  B) einige Bezeichnungen :"),
        T,
        QString(),
        QStringLiteral("  Def.:"),
        QStringLiteral("  | a | :=  a   für a >= 0"),
        QStringLiteral("  | a | := -a   für a <  0"),
        QString(),
        QStringLiteral("  | a | heißt Betrag der Zahl a."),
        QStringLiteral("  | a | wird gelesen: \"Betrag von a\"  oder  \"a absolut\"."),
        QString(),
        QStringLiteral("  Beispiel: | + 5 | = + 5 = 5"),
        QStringLiteral("            | - 5 | = + 5 = 5"),
        QStringLiteral("            | 0 | = | + 0 | = | - 0 | = + 0 = 0"),
        QString(),
        QStringLiteral("  Die Gegenzahl einer Zahl a ist -a :"),
        QStringLiteral("  Beispiel: Gegenzahl zu -6 ist  6"),
        QStringLiteral("            Gegenzahl zu  8 ist -8"),
        QStringLiteral("            Gegenzahl zu  0 ist  0"),
        QString(),
        T,
        QStringLiteral("  C) Addition"),
        T,
        QString(),
        QStringLiteral("  Situation 1 :"),
        QStringLiteral("  Term (Rechnung)ist Summe | Vorzeichen der Summanden sind gleich."),
        QStringLiteral("  Reaktion  :"),
        QStringLiteral("    Das Ergebnis hat das gemeinsame Vorzeichen."),
        QStringLiteral("    Die Beträge der Zahlen werden addiert."),
        QString(),
        QStringLiteral("  (+4) + (+8) = +(4+8) = +12 = 12"),
        QStringLiteral("  (-4) + (-8) = -(4+8) = -12"),
        QString(),
        T,
        QString(),
        QStringLiteral("  Situation 2 :"),
        QStringLiteral("  Term (Rechnung) ist Summe | Vorzeichen der Summanden sind verschieden."),
        QStringLiteral("  Reaktion  :"),
        QStringLiteral("    Das Ergebnis hat das Vorzeichen der Zahl mit dem größeren Betrag."),
        QStringLiteral("    Der Betrag der kleineren Zahl wird vom Betrag der größeren Zahl subtrahiert."),
        QString(),
        QStringLiteral("  (+4) + (-8) = -(8-4) = -4"),
        QStringLiteral("  (-4) + (+8) = +(8-4) = +4 = 4"),
        QString(),
        T,
        QStringLiteral("  D) Subtraktion"),
        T,
        QString(),
        QStringLiteral("  Situation 3 :"),
        QStringLiteral("  Term (Rechnung) ist Subtraktion."),
        QStringLiteral("  Reaktion  :"),
        QStringLiteral("    Man subtrahiert eine Zahl, indem man seine Gegenzahl addiert."),
        QString(),
        QStringLiteral("  (+4) - (-8) = (+4) + (+8) = ..."),
        QStringLiteral("  (+4) - (+8) = (+4) + (-8) = ..."),
        QString(),
        T,
        QStringLiteral("  E) Multiplikation"),
        T,
        QString(),
        QStringLiteral("  Situation 4 :"),
        QStringLiteral("  Term (Rechnung) ist Produkt."),
        QStringLiteral("  Reaktion  :"),
        QStringLiteral("    Das Vorzeichen wird nach der Vorzeichenregel bestimmt."),
        QStringLiteral("    Der Betrag des Ergebnisses ist gleich dem Produkt der Beträge der Faktoren."),
        QString(),
        QStringLiteral("    Vorzeichenregel: + * + = +"),
        QStringLiteral("                     - * - = +"),
        QStringLiteral("                     + * - = -"),
        QStringLiteral("                     - * + = -"),
        QString(),
        QStringLiteral("    (+8) * (+4) = + (8*4) = +32 = 32"),
        QStringLiteral("    (-8) * (-4) = + (8*4) = +32 = 32"),
        QStringLiteral("    (+8) * (-4) = - (8*4) = -32"),
        QStringLiteral("    (-8) * (+4) = - (8*4) = -32"),
        QString(),
        T,
        QStringLiteral("  F) Division"),
        T,
        QString(),
        QStringLiteral("  Situation 5 :"),
        QStringLiteral("  Term (Rechnung) ist Division."),
        QStringLiteral("  Reaktion  :"),
        QStringLiteral("    Das Vorzeichen nach wird der Vorzeichenregel bestimmt."),
        QStringLiteral("    Der Betrag des Ergebnisses ist gleich dem Quotient der Beträge der Zahlen."),
        QString(),
        QStringLiteral("    Vorzeichenregel: + : + = +"),
        QStringLiteral("                     - : - = +"),
        QStringLiteral("                     + : - = -"),
        QStringLiteral("                     - : + = -"),
        QString(),
        QStringLiteral("    (+8) : (+4) = + (8:4) = +2 = 2"),
        QStringLiteral("    (-8) : (-4) = + (8:4) = +2 = 2"),
        QStringLiteral("    (+8) : (-4) = - (8:4) = -2"),
        QStringLiteral("    (-8) : (+4) = - (8:4) = -2"),
        QString(),
        T,
    };
}

QStringList Programm_Informationen_Zeilen()
{
    const QString H = u' ' + QString(101, u'-');
    const QString Einrueckung(22, u' ');
    return {
        QString(),
        QStringLiteral(" Informationen zum Programm"),
        H,
        QStringLiteral(" Das Programm besteht im Wesentlichen aus 2 Teilen:"),
        H,
        QStringLiteral(" Im Teil \"Tarvo (Rechenwege zeigen)\" wird das Tarvo schrittweise ausgeführt."),
        QStringLiteral(" Dadurch lernt man, in welchen Schritten eine Aufgabe zu lösen ist."),
        QString(),
        QStringLiteral(" In jeder Rechenzeile ist am Schluss ein Informationsfenster."),
        QStringLiteral(
            " Mit Doppelklick in dem Informationsfenster mit der linken Maustaste wird dieses Fenster vergrößert."),
        H,
        QStringLiteral(" Im Teil \"Tarvo (Übungen)\" kann man das Tarvo üben."),
        QStringLiteral(" Hier wird nur das Ergebnis ohne Rechenweg ausgegeben."),
        QString(),
        QStringLiteral(" Hierbei werden die Daten statistisch erfasst und ausgewertet:"),
        QStringLiteral(" "),
        QStringLiteral(
            " a) Kurze Auswertung: Hier werden die richtig und falsch gelösten Aufgaben erfasst und ausgegeben."),
        QStringLiteral(
            " b) Große Auswertung: Hier werden die richtig und falsch gelösten Aufgaben erfasst und ausgegeben."),
        Einrueckung + QStringLiteral("Darüber hinaus erfolgt eine differenziertere Erfassung aller Daten,"),
        Einrueckung + QStringLiteral("die auch in einem Protokoll erfasst und ausgegeben werden können."),
        H,
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
    };
}

QString Impressum_Titel()
{
    return QStringLiteral(" ");
}

QStringList Impressum_Zeilen()
{
    return {
        QString(),
        QStringLiteral(" Übungsprogramm zum Tarvo (ganze Zahlen), Version 2.0.0.0"),
        QStringLiteral(" Autor: Tarvo-Entwicklerteam"),
        QString(),
        QStringLiteral(" Lizenz: Das Programm ist frei. Es darf ohne Gebühr benutzt, kopiert und"),
        QStringLiteral("         unverändert weitergegeben werden, auch an Schulen und im Unterricht."),
        QStringLiteral("         Ein Verkauf des Programms ist nicht erlaubt."),
        QString(),
        QStringLiteral(" Nutzungsbedingungen:"),
        QStringLiteral(" - Das Programm wird ohne Gewähr für Fehlerfreiheit zur Verfügung gestellt."),
        QStringLiteral("   Die Benutzung geschieht auf eigene Verantwortung."),
        QStringLiteral(" - Texte, die mit dem Programm gedruckt oder gespeichert werden (Protokoll,"),
        QStringLiteral("   Statistik, Informationen zum Tarvo), dürfen frei für Unterricht und"),
        QStringLiteral("   Übung verwendet, vervielfältigt und weitergegeben werden."),
        QStringLiteral(" - Bei der Weitergabe des Programms muss dieser Hinweis erhalten bleiben."),
    };
}

QStringList Abfrage_Drucken_Hinweis_Zeilen()
{
    return {
        QString(),
        QStringLiteral("  Der in Windows eingestellte Standarddrucker wird benutzt!"),
        QString(),
        QStringLiteral("  Dabei ist zu beachten:"),
        QString(),
        QStringLiteral("  Der Standarddrucker ist vor dem Ausdruck"),
        QString(),
        QStringLiteral("      auf \"Hochformat drucken\" oder auf \"Querformat drucken\" einzustellen!"),
        QStringLiteral("      Eventuell müssen die Seitenränder verkleinert werden!"),
        QString(),
    };
}

QStringList Abfrage_Drucken_Frage_Zeilen()
{
    return {QString(), QStringLiteral("                   Text ausdrucken?")};
}

QString Leeres_Dokument_Titel()
{
    return QStringLiteral("   Info:");
}

QStringList Leeres_Dokument_Zeilen()
{
    return {QString(), QStringLiteral(" Datei wird nicht ausgedruckt:"),
            QStringLiteral(" Text besteht aus 0 Zeilen !!!")};
}

QString Druckauftrag_Titel(const QString &Dokumentname)
{
    return QStringLiteral("Ausdruck : ") + (Dokumentname.isEmpty() ? QStringLiteral("Textseite") : Dokumentname);
}

QString Speichername_Vorschlag(const QString &Dokumentname)
{
    return Dokumentname.isEmpty() ? QStringLiteral("Vorgabe_xx1") : Dokumentname;
}

bool Befehle_fuer_Modus(int Modus, TBefehle_sichtbar &Befehle)
{
    switch (Modus) {
    case 0: Befehle = {}; return true;
    case 1: Befehle = {true, false, false}; return true;
    case 2: Befehle = {false, true, false}; return true;
    case 3: Befehle = {false, false, true}; return true;
    default: return false;
    }
}
