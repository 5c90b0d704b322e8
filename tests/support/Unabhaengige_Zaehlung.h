#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// The test's own count of a lesson, kept apart from the program's store and
// written from the rules, not from the program's code: points per task,
// sequence numbering with its wrap after 24, and the texts the category
// tables must then show.
struct TUnabhaengige_Zaehlung
{
    struct TWerte
    {
        std::int64_t An = 0, Richtig = 0, Falsch = 0, Pn = 0, Pplus = 0, Pminus = 0;
    };

    static int Punkte(int Rechenart, int Grad) // one-based
    {
        static constexpr int P[4][3] = {{1, 2, 3}, {1, 2, 3}, {3, 6, 9}, {3, 6, 9}};
        return P[Rechenart - 1][Grad - 1];
    }

    std::array<std::array<TWerte, 3>, 4> Zelle{};
    int Rechenart = 1, Grad = 1; // one-based
    int Sequenz = 1;
    bool Sequenz_benutzt = false;
    int Umbrueche = 0;  // wraps from 24 back to 1
    int Leerzeilen = 0; // protocol lines between sequences
    std::int64_t Antworten = 0, Richtige = 0;

    void einstellen(int op, int g)
    {
        if (Sequenz_benutzt) {
            ++Leerzeilen;
            Sequenz_benutzt = false;
            if (++Sequenz > 24) {
                Sequenz = 1;
                ++Umbrueche;
            }
        }
        Rechenart = op;
        Grad = g;
    }

    void antworten(bool richtig)
    {
        TWerte &W = Zelle[std::size_t(Rechenart - 1)][std::size_t(Grad - 1)];
        const int p = Punkte(Rechenart, Grad);
        ++W.An;
        W.Pn += p;
        (richtig ? W.Richtig : W.Falsch) += 1;
        (richtig ? W.Pplus : W.Pminus) += p;
        Sequenz_benutzt = true;
        ++Antworten;
        if (richtig)
            ++Richtige;
    }

    // Sum over the operations and difficulties that match (0 = all).
    TWerte Summe(int op, int g) const
    {
        TWerte S;
        for (int o = 1; o <= 4; ++o)
            for (int d = 1; d <= 3; ++d) {
                if ((op && o != op) || (g && d != g))
                    continue;
                const TWerte &W = Zelle[std::size_t(o - 1)][std::size_t(d - 1)];
                S.An += W.An;
                S.Richtig += W.Richtig;
                S.Falsch += W.Falsch;
                S.Pn += W.Pn;
                S.Pplus += W.Pplus;
                S.Pminus += W.Pminus;
            }
        return S;
    }

    static QString Prozent(std::int64_t Teil, std::int64_t Ganzes)
    {
        return QString::number(Ganzes ? double(Teil) * 100.0 / double(Ganzes) : 100.0, 'f', 2) + QStringLiteral(" %");
    }

    // Columns 3 to 10 of a data row.
    static QStringList Zellen(const TWerte &W)
    {
        return {QString::number(W.An), QString::number(W.Richtig), QString::number(W.Falsch), Prozent(W.Richtig, W.An),
                QString::number(W.Pn), QString::number(W.Pplus),   QString::number(W.Pminus), Prozent(W.Pplus, W.Pn)};
    }

    static QString Durchschnitt(const TWerte &W)
    {
        return QString::number(W.An ? double(W.Pn) / double(W.An) : 0.0, 'f', 2);
    }

    // The expected texts of columns 2 to 10 of every data row of table 1..4,
    // column 2 only where it carries the average.
    QList<QStringList> Tabelle(int Nummer) const
    {
        QList<QStringList> Zeilen;
        auto Zeile = [&](const TWerte &W, bool mit_Durchschnitt) {
            QStringList Z = Zellen(W);
            Z.prepend(mit_Durchschnitt ? Durchschnitt(W) : QString());
            Zeilen << Z;
        };
        switch (Nummer) {
        case 1:
            for (int o = 1; o <= 4; ++o)
                for (int d = 1; d <= 3; ++d)
                    Zeile(Summe(o, d), false);
            break;
        case 2:
            for (int o = 1; o <= 4; ++o)
                Zeile(Summe(o, 0), true);
            break;
        case 3:
            for (int d = 1; d <= 3; ++d)
                Zeile(Summe(0, d), true);
            break;
        default: Zeile(Summe(0, 0), true);
        }
        return Zeilen;
    }
};
