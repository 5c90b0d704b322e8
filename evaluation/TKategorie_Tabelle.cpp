#include "evaluation/TKategorie_Tabelle.h"

#include "core/Aufgaben_Namen.h"
#include "core/Zahlentexte.h"
#include "evaluation/Tabellen_Kopf.h"
#include "core/Namen_Tabellen.h"

namespace {
const QString Anzahl_Praefix =
    QStringLiteral("   Prozentzahl: Anzahl richtig gelöster Aufgaben / Anzahl gestellter Aufgaben : ");
const QString Punkte_Praefix =
    QStringLiteral("   Prozentzahl: Anzahl erreichter Punkte / Anzahl zu erreichender Punkte : ");
const QString Leer_Marke = QStringLiteral("---");
const QString alle = QStringLiteral("alle");

QStringList Kopfzeile_2(const QString &Spalte_2)
{
    return {QString(), QString(), Spalte_2, alle, alle, alle, alle, alle, alle, alle, alle};
}

QStringList Beschreibung(const QStringList &eigene_Zeilen, bool zwei_Balken)
{
    const QString Strichlinie(42, u'-');
    QStringList Z;
    Z << eigene_Zeilen.first() << Strichlinie << eigene_Zeilen.mid(1);
    Z << QStringLiteral("Es werden erfasst: bei den Aufgaben:")
      << QStringLiteral("   \"bearbeitet\" für Aufgabenanzahl bearbeitet / \"+ gelöst\" für Aufgabenanzahl richtig "
                        "gelöst / \"- gelöst\" für Aufgabenanzahl falsch gelöst /")
      << QStringLiteral(
             "   \"+ gelöst %\" für Prozentzahl Anzahl richtig gelöster Aufgaben durch Anzahl bearbeiteter Aufgaben")
      << QString() << QStringLiteral("Es werden erfasst: bei den Punkten:")
      << QStringLiteral("   \"erreichbar\" für Punktanzahl erreichbar / \"+ erreicht\" für Punktanzahl erreicht / \"- "
                        "erreicht\" für Punkteanzahl nicht erreicht /")
      << QStringLiteral("   \"+ erreicht %\" für Prozentzahl erreichter Punkte durch Anzahl bearbeiteter Punkte")
      << QString();
    if (zwei_Balken)
        Z << QStringLiteral("Im 1. Fortschrittsanzeiger wird die Prozentzahl Anzahl richtig gelöster Aufgaben durch "
                            "Anzahl bearbeiteter Aufgaben graphisch dargestellt.")
          << QStringLiteral("Im 2. Fortschrittsanzeiger wird die Prozentzahl Anzahl erreichter       Punkte   durch "
                            "Anzahl erreichbarer Punkte   graphisch dargestellt.");
    else
        Z << QStringLiteral("Im Fortschrittsanzeiger wird die Prozentzahl Anzahl richtig gelöster Aufgaben durch "
                            "Anzahl bearbeiteter Aufgaben graphisch dargestellt.");
    Z << Strichlinie;
    return Z;
}

const QString Durchschnitt_Zeile =
    QStringLiteral("Punkte erreichbar Durchschnitt: Es wird der Durchschnittswert errechnet: Anzahl erreichbarer "
                   "Punkte durch Anzahl gestellter Aufgaben");

TKategorie_Tabelle Tabelle_1()
{
    TKategorie_Tabelle K;
    K.Nummer = 1;
    K.Zeilenzahl = 15;
    K.Spaltenbreite = K.Spaltenbreite_4 = 108;
    K.Kopfzeilen = {Tabellen_Kopfzeile_0(), Tabellen_Kopfzeile_1(true), Kopfzeile_2(QString())};
    for (int o = 1; o <= 4; ++o)
        for (int d = 1; d <= 3; ++d)
            K.Bezeichnungen << QStringList{Rechenart_Name(Code_von_Nummer<TRechenart>(o)), Schwierigkeitsgrad_Namen(d),
                                           Punkte_Texte(o, d)};
    K.Bindung = TKategorie_Bindung::Kategorie_Unterkategorie;
    K.Anzeige_nur_mit_Antworten = true;
    K.Einstellung_Namen = TEinstellung_Namen::Rechenart_und_Schwierigkeitsgrad;
    K.Einstellung_Caption_Entwurf = QStringLiteral("   gerade benutzte Einstellung:");
    K.Titel = QStringLiteral("Statistik: Werte aus jeder Kategorie und Unterkategorie");
    K.Beschreibung = Beschreibung(
        {QStringLiteral("Beschreibung der Tabelle: Statistik: Kategorien bzw. Unterkategorien"),
         QStringLiteral("In dieser Tabelle werden alle Übungseinheiten in den entsprechenden Kategorien und "
                        "Unterkategorien dargestellt."),
         QString(),
         QStringLiteral("Werden z.B. 2 Übungseinheiten bei der \"Addition Schwierigkeitsgrad leicht\" ausgeführt,"),
         QStringLiteral("so werden diese zusammengefasst in der Kategorie \"Addition mit Schwierigkeitsgrad leicht\"."),
         QString(), QStringLiteral("Es werden alle Kategorien und Unterkategorien dargestellt:"),
         QStringLiteral(
             "   alle Kategorien    : Rechenart         : Addition / Subtraktion / Multiplikation / Division und"),
         QStringLiteral("   alle Unterkategorie: Schwierigkeitsgrad: leicht   / mittel      / schwer"), QString()},
        false);
    return K;
}

TKategorie_Tabelle Tabelle_mit_Durchschnitt(int Nummer)
{
    TKategorie_Tabelle K;
    K.Nummer = Nummer;
    K.Spaltenbreite = K.Spaltenbreite_4 = 110;
    K.Kopfzeilen = {Tabellen_Kopfzeile_0(), Tabellen_Kopfzeile_1(Nummer == 2),
                    Kopfzeile_2(QStringLiteral("Durchschnitt"))};
    K.mit_Durchschnitt = true;
    K.mit_Punkte_Anzeige = true;
    K.Einstellung_Caption_Entwurf = QStringLiteral("   gerade benutzte Einstellung:");
    const QString Null = QStringLiteral("0");
    switch (Nummer) {
    case 2:
        K.Zeilenzahl = 7;
        for (int o = 1; o <= 4; ++o)
            K.Bezeichnungen << QStringList{Rechenart_Name(Code_von_Nummer<TRechenart>(o)), alle, Null};
        K.Bindung = TKategorie_Bindung::Kategorie;
        K.Einstellung_Namen = TEinstellung_Namen::Rechenart;
        K.Titel = QStringLiteral("Statistik: Werte aus jeder Kategorie (mit allen Unterkategorie)");
        K.Beschreibung = Beschreibung(
            {QStringLiteral("Beschreibung der Tabelle: Statistik: Kategorien (mit allen Unterkategorien)"),
             QStringLiteral(
                 "In dieser Tabelle werden alle Übungseinheiten in den entsprechenden Kategorien dargestellt."),
             QString(), QStringLiteral("Hierbei werden alle Schwierigkeitsgrade berücksichtigt."), QString(),
             QStringLiteral("Es werden alle Kategorien dargestellt:"),
             QStringLiteral("   Kategorien: Rechenart: Addition / Subtraktion / Multiplikation / Division"), QString(),
             Durchschnitt_Zeile, QString()},
            true);
        break;
    case 3:
        K.Zeilenzahl = 6;
        for (int d = 1; d <= 3; ++d)
            K.Bezeichnungen << QStringList{alle, Schwierigkeitsgrad_Namen(d), Null};
        K.Bindung = TKategorie_Bindung::Unterkategorie;
        K.Einstellung_Namen = TEinstellung_Namen::Schwierigkeitsgrad;
        K.Titel = QStringLiteral("Statistik: Werte aus jeder Unterkategorie (mit allen Kategorien)");
        K.Beschreibung = Beschreibung(
            {QStringLiteral("Beschreibung der Tabelle: Statistik: Unterkategorien (aus allen Kategorien)"),
             QStringLiteral(
                 "In dieser Tabelle werden alle Übungseinheiten in den entsprechenden Unterkategorien dargestellt."),
             QString(), QStringLiteral("Hierbei werden alle Kategorien berücksichtigt."), QString(),
             QStringLiteral("Es werden alle Unterkategorien dargestellt:"),
             QStringLiteral("   Unterkategorien: Schwierigkeitsgrad: leicht / mittel / schwer"), QString(),
             Durchschnitt_Zeile, QString()},
            true);
        break;
    default:
        K.Zeilenzahl = 4;
        K.Spaltenbreite_4 = 111;
        K.Bezeichnungen << QStringList{alle, alle, Null};
        K.Bindung = TKategorie_Bindung::alle_Werte;
        K.Einstellung_Namen = TEinstellung_Namen::keine;
        K.Einstellung_Caption_Entwurf = QStringLiteral("   gerade benutzte Einstellung: alle Werte");
        K.Titel = QStringLiteral("Statistik: Werte von allen Kategorien und allen Unterkategorie zusammengefasst");
        K.Beschreibung = Beschreibung(
            {QStringLiteral("Beschreibung der Tabelle: Statistik: alle Werte zusammen"),
             QStringLiteral("In dieser Tabelle werden alle Übungseinheiten in einer Spalte dargestellt."), QString(),
             QStringLiteral("Hierbei werden alle Kategorien und Unterkategorien zusammengefasst."), QString(),
             Durchschnitt_Zeile, QString()},
            true);
        break;
    }
    return K;
}

double Prozent_oder_100(std::int32_t Teil, std::int32_t Ganzes)
{
    // A group without answers shows 100 %, not 0 %.
    return Ganzes != 0 ? double(Teil) / double(Ganzes) * 100.0 : 100.0;
}

TBalken_Wert Prozent_Balken(std::int32_t Teil, std::int32_t Ganzes)
{
    // 64-bit product: Teil * 100 must not overflow for large counts.
    return {100, Ganzes != 0 ? int(std::int64_t(Teil) * 100 / Ganzes) : 0};
}
}

const TKategorie_Tabelle &Kategorie_Tabelle(int Nummer)
{
    static const std::array<TKategorie_Tabelle, 4> Tabellen{Tabelle_1(), Tabelle_mit_Durchschnitt(2),
                                                            Tabelle_mit_Durchschnitt(3), Tabelle_mit_Durchschnitt(4)};
    return Tabellen.at(std::size_t(Nummer - 1));
}

int Datenzeilen_Anzahl(const TKategorie_Tabelle &K)
{
    return K.Zeilenzahl - Kategorie_Tabelle_erste_Datenzeile;
}

QStringList Kategorie_Zeile_leer(const TKategorie_Tabelle &K, int i)
{
    QStringList Z = K.Bezeichnungen.at(i);
    Z << QStringList(Kategorie_Tabelle_Spalten - Z.size(), QString());
    return Z;
}

int Zeile_der_Einstellung(const TKategorie_Tabelle &K, int o, int d)
{
    switch (K.Bindung) {
    case TKategorie_Bindung::Kategorie_Unterkategorie: return 3 * o + d - 1;
    case TKategorie_Bindung::Kategorie: return o + 2;
    case TKategorie_Bindung::Unterkategorie: return d + 2;
    case TKategorie_Bindung::alle_Werte: break;
    }
    return 3;
}

const TStatistik_Werte &Gebundene_Werte(const TKategorie_Tabelle &K, int Zeile, const TStatistik_Speicher &S)
{
    const int i = Zeile - Kategorie_Tabelle_erste_Datenzeile;
    switch (K.Bindung) {
    case TKategorie_Bindung::Kategorie_Unterkategorie:
        return S.Kategorie_Unterkategorie.at(std::size_t(i / 3)).at(std::size_t(i % 3));
    case TKategorie_Bindung::Kategorie: return S.Kategorie.at(std::size_t(i));
    case TKategorie_Bindung::Unterkategorie: return S.Unterkategorie.at(std::size_t(i));
    case TKategorie_Bindung::alle_Werte: break;
    }
    return S.alle_Werte;
}

QStringList Kategorie_Datenzellen(const TStatistik_Werte &W)
{
    QStringList Z;
    Z.reserve(8);
    Z << Integer_zu_Text(W.Anzahl) << Integer_zu_Text(W.Anzahl_richtig) << Integer_zu_Text(W.Anzahl_falsch)
      << Real_zu_Text(Prozent_oder_100(W.Anzahl_richtig, W.Anzahl)) + Prozent_Einheit()
      << Integer_zu_Text(W.Punkte_erreichbar) << Integer_zu_Text(W.Punkte_erreicht)
      << Integer_zu_Text(W.Punkte_nicht_erreicht)
      << Real_zu_Text(Prozent_oder_100(W.Punkte_erreicht, W.Punkte_erreichbar)) + Prozent_Einheit();
    return Z;
}

QString Kategorie_Durchschnitt_Text(const TStatistik_Werte &W)
{
    return Real_zu_Text(W.Anzahl != 0 ? double(W.Punkte_erreichbar) / double(W.Anzahl) : 0.0);
}

QStringList Kategorie_Zeile(const TKategorie_Tabelle &K, int Zeile, const TStatistik_Speicher &S)
{
    const TStatistik_Werte &W = Gebundene_Werte(K, Zeile, S);
    const QStringList &B = K.Bezeichnungen.at(Zeile - Kategorie_Tabelle_erste_Datenzeile);
    // One list of the final size: this runs for every row after every answer.
    QStringList Z;
    Z.reserve(Kategorie_Tabelle_Spalten);
    Z << B.at(0) << B.at(1) << (K.mit_Durchschnitt ? Kategorie_Durchschnitt_Text(W) : B.at(2));
    Z << Kategorie_Datenzellen(W);
    return Z;
}

TKategorie_Anzeige Kategorie_Anzeige(const TKategorie_Tabelle &K, int o, int d, const TStatistik_Speicher &S)
{
    const TStatistik_Werte &W = Gebundene_Werte(K, Zeile_der_Einstellung(K, o, d), S);
    TKategorie_Anzeige A;
    if (K.Anzeige_nur_mit_Antworten && W.Anzahl == 0)
        return A;

    switch (K.Einstellung_Namen) {
    case TEinstellung_Namen::Rechenart_und_Schwierigkeitsgrad:
        A.Einstellung_Caption = Einstellung_Praefix() + Rechenart_Namen(o) + u' ' + Schwierigkeitsgrad_Namen(d);
        break;
    case TEinstellung_Namen::Rechenart: A.Einstellung_Caption = Einstellung_Praefix() + Rechenart_Namen(o); break;
    case TEinstellung_Namen::Schwierigkeitsgrad:
        A.Einstellung_Caption = Einstellung_Praefix() + Schwierigkeitsgrad_Namen(d);
        break;
    case TEinstellung_Namen::keine: break;
    }

    if (K.Anzeige_nur_mit_Antworten) {
        // Here W.Anzahl is not 0.
        A.Anzahl_Caption =
            Anzahl_Praefix + Real_zu_Text(Prozent_oder_100(W.Anzahl_richtig, W.Anzahl)) + Prozent_Einheit();
        A.Anzahl_Balken = TBalken_Wert{W.Anzahl, W.Anzahl_richtig};
    } else {
        A.Anzahl_Caption = W.Anzahl != 0
            ? Anzahl_Praefix + Real_zu_Text(Prozent_oder_100(W.Anzahl_richtig, W.Anzahl)) + Prozent_Einheit()
            : Anzahl_Praefix + Leer_Marke;
        A.Anzahl_Balken = Prozent_Balken(W.Anzahl_richtig, W.Anzahl);
    }

    if (K.mit_Punkte_Anzeige) {
        A.Punkte_Caption = W.Punkte_erreichbar != 0 ? Punkte_Praefix
                + Real_zu_Text(Prozent_oder_100(W.Punkte_erreicht, W.Punkte_erreichbar)) + Prozent_Einheit()
                                                    : Punkte_Praefix + Leer_Marke;
        A.Punkte_Balken = Prozent_Balken(W.Punkte_erreicht, W.Punkte_erreichbar);
    }
    return A;
}

TKategorie_Anzeige Kategorie_Anzeige_leer(const TKategorie_Tabelle &K)
{
    TKategorie_Anzeige A;
    A.Anzahl_Caption = Anzahl_Praefix + Leer_Marke;
    A.Anzahl_Balken = TBalken_Wert{100, 0};
    if (K.mit_Punkte_Anzeige) {
        A.Punkte_Caption = Punkte_Praefix + Leer_Marke;
        A.Punkte_Balken = TBalken_Wert{100, 0};
    }
    return A;
}
