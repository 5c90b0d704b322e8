#include "solution_paths/Loesungsweg_bauen.h"

#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

namespace {

using Feldart = TLoesungsschritt_Daten::TZahlenfeld;

class TWeg_Bauer
{
public:
    explicit TWeg_Bauer(TEinstellung_Aufgabe &Aufgabe)
        : A(Aufgabe)
        , B1(Aufgabe.STR_Betrag_Zahl_1)
        , B2(Aufgabe.STR_Betrag_Zahl_2)
        , BE(Aufgabe.STR_Betrag_Ergebnis)
        , lang(Aufgabe.Loesungsweg == TLoesungsweg::lang)
    {
    }

    QList<TLoesungsschritt_Daten> Bauen()
    {
        switch (A.Rechenart) {
        case TRechenart::Addition: Addition(A.Zahl_2); break;
        case TRechenart::Subtraktion: Subtraktion(); break;
        case TRechenart::Multiplikation: Multiplikation(); break;
        case TRechenart::Division: Division(); break;
        }
        return Zeilen;
    }

private:
    TEinstellung_Aufgabe &A;
    const QString B1, B2, BE;
    const bool lang;
    QList<TLoesungsschritt_Daten> Zeilen;

    TLoesungsschritt_Daten &Schritt_beginnen(int Nummer, const QString &Ueberschrift)
    {
        A.Ueberschrift = Ueberschrift;
        TLoesungsschritt_Daten S;
        S.Nummer = Nummer;
        S.Ueberschrift = Ueberschrift;
        S.verdeckt = A.schrittweise;
        S.mit_Gleich = true;
        Zeilen.append(S);
        return Zeilen.last();
    }

    static void Zahl(TLoesungsschritt_Daten &S, std::int32_t Wert)
    {
        S.Feld = Feldart::Zahl;
        S.Wert_1 = Wert;
    }

    static void Text(TLoesungsschritt_Daten &S, const QString &T)
    {
        S.Feld = Feldart::Text;
        S.Text = T;
    }

    const QString VZ(QChar Zeichen) const { return QString(Zeichen); }

    // The second summand is passed in: a difference is solved as the sum
    // with the opposite number, without touching the stored task.
    void Addition(std::int32_t Summand_2)
    {
        const bool gleich = (A.Zahl_1 >= 0 && Summand_2 >= 0) || (A.Zahl_1 < 0 && Summand_2 < 0);
        if (gleich) {
            const QString Summe = B1 + QStringLiteral(" + ") + B2;
            if (lang) {
                auto &S = Schritt_beginnen(3, QStringLiteral("Regeln zur Addition anwenden"));
                S.Zeilen
                    << QStringLiteral("Regeln beachten:") << QString()
                    << QStringLiteral(
                           "Bestimmung des Vorzeichens : Hier sind die Vorzeichen der Summanden gleich: beide sind : ")
                        + VZ(A.VZ_Zahl_1)
                    << QStringLiteral(
                           "                             Das Ergebnis erhält das gemeinsame Vorzeichen:            : ")
                        + VZ(A.VZ_Zahl_1)
                    << QStringLiteral("Bestimmung des Betrages    : Der Betrag des Ergebnisses ist die Summe der "
                                      "Beträge der Summanden : ( ")
                        + Summe + QStringLiteral(" ).");
                Text(S, VZ(A.VZ_Ergebnis) + u'(' + Summe + u')');
            }
            auto &S = Schritt_beginnen(4, QStringLiteral("Summe berechnen"));
            S.Zeilen << QStringLiteral("Summe berechnen:") << QString()
                     << QStringLiteral("Bestimmung des Vorzeichens : Das Vorzeichen ist bestimmt worden : ")
                    + VZ(A.VZ_Ergebnis)
                     << QStringLiteral("Bestimmung des Betrage     : Die Beträge sind addiert worden    : ( ") + Summe
                    + QStringLiteral(" ) = ") + BE;
            Zahl(S, A.Ergebnis);
            return;
        }

        const QString D =
            A.Betrag_Zahl_1 > A.Betrag_Zahl_2 ? B1 + QStringLiteral(" - ") + B2 : B2 + QStringLiteral(" - ") + B1;
        if (lang) {
            auto &S = Schritt_beginnen(3, QStringLiteral("Regeln zur Addition anwenden"));
            S.Zeilen << QStringLiteral("Regeln beachten:") << QString()
                     << QStringLiteral(
                            "Bestimmung des Vorzeichens : Hier sind die Vorzeichen der Summanden verschieden : + / -")
                     << QStringLiteral("                             Das Ergebnis erhält das Vorzeichen des Summanden "
                                       "mit dem größerem Betrag : ")
                    + VZ(A.VZ_Ergebnis)
                     << QStringLiteral("Bestimmung des Betrages    : Der Betrag des Ergebnisses ist die Differenz aus "
                                       "dem größeren Betrag und dem kleineren Betrag : ( ")
                    + D + QStringLiteral(" )");
            Text(S, VZ(A.VZ_Ergebnis) + u'(' + D + u')');
        }
        auto &S = Schritt_beginnen(4, QStringLiteral("Summe berechnen"));
        S.Zeilen << QStringLiteral("Summe berechnen:") << QString()
                 << QStringLiteral("Bestimmung des Vorzeichens : Das Vorzeichen ist bestimmt worden  : ")
                + VZ(A.VZ_Ergebnis)
                 << QStringLiteral("Bestimmung des Betrage     : Die Beträge sind subtrahiert worden : ") + D
                + QStringLiteral(" = ") + BE;
        Zahl(S, A.Ergebnis);
    }

    void Subtraktion()
    {
        const std::int32_t Gegenzahl = -A.Zahl_2;
        auto &S = Schritt_beginnen(2, QStringLiteral("Differenz als Summe schreiben"));
        S.Zeilen << QStringLiteral("Differenz als Summe schreiben:") << QString()
                 << QStringLiteral("Man subtrahiert eine Zahl, indem man seine Gegenzahl addiert : ")
                + Zahl_geklammert(A.Zahl_1) + QStringLiteral(" - ") + Zahl_geklammert(A.Zahl_2) + QStringLiteral(" = ")
                + Zahl_geklammert(A.Zahl_1) + QStringLiteral(" + ") + Zahl_geklammert(Gegenzahl);
        S.Feld = Feldart::Aufgabe;
        S.Wert_1 = A.Zahl_1;
        S.Wert_2 = Gegenzahl;
        Addition(Gegenzahl);
    }

    // Multiplication and division differ only in their texts.
    struct TPunkt_Texte
    {
        QString Regeln_Ueberschrift, Null_Regel, Zeichen, Vorzeichen_Zeile, Betraege_Zeile, Ueberschrift_4,
            Zeile_4_Betraege;
    };

    void Punktrechnung(bool Null_Regel, const TPunkt_Texte &T)
    {
        if (Null_Regel) {
            auto &S = Schritt_beginnen(3, T.Regeln_Ueberschrift);
            S.Zeilen << QStringLiteral("Regeln beachten:") << QString() << T.Null_Regel;
            Zahl(S, A.Ergebnis);
            return;
        }
        const QString Betraege = u'(' + B1 + T.Zeichen + B2 + u')';
        if (lang) {
            auto &S = Schritt_beginnen(3, T.Regeln_Ueberschrift);
            S.Zeilen << QStringLiteral("Regeln beachten:") << QString()
                     << T.Vorzeichen_Zeile + VZ(A.VZ_Zahl_1) + T.Zeichen + VZ(A.VZ_Zahl_2) + QStringLiteral(" = ")
                    + VZ(A.VZ_Ergebnis)
                     << QStringLiteral("Vorzeichenregel: + * + = + | + * - = - | - * + = - | - * - = + |")
                     << T.Betraege_Zeile + Betraege;
            Text(S, VZ(A.VZ_Ergebnis) + Betraege);
        }
        auto &S = Schritt_beginnen(4, T.Ueberschrift_4);
        S.Zeilen << T.Ueberschrift_4 + u':' << QString()
                 << QStringLiteral("Das Vorzeichen des Ergebnisses ist bestimmt worden : ") + VZ(A.VZ_Ergebnis)
                 << T.Zeile_4_Betraege + Betraege + QStringLiteral(" = ") + BE;
        Zahl(S, A.Ergebnis);
    }

    void Multiplikation()
    {
        Punktrechnung(
            A.Zahl_1 == 0 || A.Zahl_2 == 0,
            {QStringLiteral("Regeln zur Multiplikation anwenden"),
             QStringLiteral("Ist ein Faktor 0, so ist das Produkt 0."), QStringLiteral(" * "),
             QStringLiteral("Vorzeichen des Ergebnisses ist das Vorzeichen nach den Vorzeichenregeln : hier : "),
             QStringLiteral("Die Beträge werden multipliziert :  "), QStringLiteral("Produkt berechnen"),
             QStringLiteral("Die Beträge sind multipliziert worden              : ")});
    }

    void Division()
    {
        Punktrechnung(
            A.Zahl_1 == 0,
            {QStringLiteral("Regeln zur Division anwenden"), QStringLiteral("0 geteilt durch eine Zahl gleich 0."),
             QStringLiteral(" : "),
             QStringLiteral("Vorzeichen des Ergebnisses ist das Vorzeichen nach den Vorzeichenregeln: hier : "),
             QStringLiteral("Die Beträge werden dividiert :  "), QStringLiteral("Quotient berechnen"),
             QStringLiteral("Die Beträge sind dividiert worden                  : ")});
    }
};

} // namespace

QList<TLoesungsschritt_Daten> Loesungsweg_bauen(TEinstellung_Aufgabe &Aufgabe)
{
    return TWeg_Bauer(Aufgabe).Bauen();
}
