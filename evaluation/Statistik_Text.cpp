#include "evaluation/Statistik_Text.h"

#include "core/Zahlentexte.h"

#include <array>

namespace {
constexpr std::array<std::uint8_t, 11> Spaltenbreiten{14, 7, 4, 4, 4, 4, 10, 4, 4, 4, 10};

QString Zeile_aus(const QStringList &Texte)
{
    // Built in place: this runs for every row after every answer, and a
    // temporary per cell would cost more than the text itself.
    QString Z;
    Z.reserve(96);
    const QStringView Blanks(Leerzeichen);
    for (std::size_t i = 0; i < Spaltenbreiten.size(); ++i) {
        const QString Text = Texte.value(qsizetype(i));
        const qsizetype fehlend = qsizetype(Spaltenbreiten[i]) - Text.size();
        if (fehlend > 0)
            Z += Blanks.left(fehlend);
        Z += Text;
        Z += u'|';
    }
    return Z;
}

QString Spaltenkopf_bauen(bool mit_Punkte_pro_Aufgabe)
{
    return Zeile_aus({QStringLiteral("Kat"), QStringLiteral("UKat"),
                      mit_Punkte_pro_Aufgabe ? QStringLiteral("Per") : QStringLiteral("PD"), QStringLiteral("An"),
                      QStringLiteral("A+"), QStringLiteral("A-"), QStringLiteral("A+%"), QStringLiteral("Pn"),
                      QStringLiteral("P+"), QStringLiteral("P-"), QStringLiteral("P+%")});
}

void Abschnitt_anhaengen(QStringList &Text, const QString &Titel, bool mit_Per, const QList<QStringList> &Zeilen)
{
    static const QString Trennlinie(80, u'=');
    Text << Trennlinie << Titel << Statistik_Spaltenkopf(mit_Per) << Trennlinie;
    for (const QStringList &Zellen : Zeilen) {
        // Groups without answers are left out.
        if (Zellen.value(3) != QLatin1String("0"))
            Text << Statistik_Zeile(Zellen);
    }
}
}

QString Statistik_Spaltenkopf(bool mit_Punkte_pro_Aufgabe)
{
    static const QString Koepfe[2] = {Spaltenkopf_bauen(false), Spaltenkopf_bauen(true)};
    return Koepfe[mit_Punkte_pro_Aufgabe ? 1 : 0];
}

QString Statistik_Zeile(const QStringList &Zellen)
{
    return Zeile_aus(Zellen);
}

QStringList Statistik_Text_erstellen(const QList<QStringList> &Tabelle_1, const QList<QStringList> &Tabelle_2,
                                     const QList<QStringList> &Tabelle_3, const QList<QStringList> &Tabelle_4)
{
    static const QString Doppellinie(73, u'=');
    QStringList T{
        Doppellinie,
        QStringLiteral(" Auswertung der Statistischen Daten:"),
        Doppellinie,
        QStringLiteral(" Kat: Kategorie |UKat:Unterkategorie |Per:erreichbare Punkte pro Aufgabe"),
        QStringLiteral(" "),
        QStringLiteral(" An: Anzahl bearbeitete  Aufgaben |A+: Anzahl richtig gelöster Aufgaben"),
        QStringLiteral(" A-: Anzahl falsch gelöster  Aufgaben|"),
        QStringLiteral(" Pn: Anzahl erreichbarer Punkte   |P+: Anzahl erreichter Punkte"),
        QStringLiteral(" P-: Anzahl nicht erreichter Punkte  |"),
        QStringLiteral(" PD; Durchschnittswerte der Punkte|"),
        QStringLiteral(" "),
        QStringLiteral(" A+%: Prozentzahl: Anzahl richtig gelöster Aufgaben / Anzahl bearbeiteter Aufgaben"),
        QStringLiteral(" P+%; Prozentzahl: Anzahl erreichter       Punkte   / Anzahl erreichbarer Punkte"),
    };
    Abschnitt_anhaengen(T, QStringLiteral(" 2. Statistik: Kategorien und Unterkategorien:  "), true, Tabelle_1);
    Abschnitt_anhaengen(T, QStringLiteral(" 3. Statistik: Kategorien (mit allen Unterkategorien):  "), false,
                        Tabelle_2);
    Abschnitt_anhaengen(T, QStringLiteral(" 4. Statistik: Unterkategorien (aus allen Kategorien):  "), false,
                        Tabelle_3);
    Abschnitt_anhaengen(T, QStringLiteral(" 5 Statistik: alle Werte zusammen:  "), false, Tabelle_4);
    T << QString(80, u'=');
    return T;
}
