#include "exercises/Antwort_Bewertung.h"

#include "core/Aufgaben_Namen.h"
#include "core/Zahlentexte.h"
#include "core/Namen_Tabellen.h"

namespace {
int Hex_Ziffer(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Operand field: the operand, ") " and blanks, cut to 5 characters.
QString Feld(const QString &Zahl)
{
    return (Zahl + QStringLiteral(") ") + Leerzeichen).left(5);
}
}

std::optional<std::int32_t> Antwort_lesen(const QString &Text)
{
    qsizetype i = 0;
    const qsizetype n = Text.size();
    while (i < n && Text.at(i) == u' ')
        ++i;
    bool negativ = false;
    if (i < n && (Text.at(i) == u'+' || Text.at(i) == u'-')) {
        negativ = Text.at(i) == u'-';
        ++i;
    }

    bool hex = false;
    if (i + 1 < n && Text.at(i) == u'0' && (Text.at(i + 1) == u'x' || Text.at(i + 1) == u'X')) {
        hex = true;
        i += 2;
    } else if (i < n && (Text.at(i) == u'$' || Text.at(i) == u'x' || Text.at(i) == u'X')) {
        hex = true;
        i += 1;
    }
    if (i >= n)
        return std::nullopt; // empty, sign alone or prefix alone

    // Magnitudes are gathered in 64 bits and bounded at every digit, so
    // nothing can overflow however long the text is.
    std::int64_t Betrag = 0;
    if (hex) {
        for (; i < n; ++i) {
            const int z = Hex_Ziffer(Text.at(i));
            if (z < 0)
                return std::nullopt;
            Betrag = Betrag * 16 + z;
            if (Betrag > 0xFFFFFFFFLL)
                return std::nullopt;
        }
        // A 32-bit pattern read as two's complement; a sign negates that value.
        const std::int64_t Wert = std::int32_t(std::uint32_t(Betrag));
        const std::int64_t Ergebnis = negativ ? -Wert : Wert;
        if (Ergebnis > INT32_MAX)
            return std::nullopt; // -$80000000 would be +2147483648
        return std::int32_t(Ergebnis);
    }

    const std::int64_t Grenze = negativ ? 2147483648LL : 2147483647LL;
    for (; i < n; ++i) {
        const QChar c = Text.at(i);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        Betrag = Betrag * 10 + (c.unicode() - u'0');
        if (Betrag > Grenze)
            return std::nullopt;
    }
    return std::int32_t(negativ ? -Betrag : Betrag);
}

QString Aufgaben_Text(const TEinstellung_Aufgabe &A)
{
    return u'(' + Feld(A.STR_Zahl_1) + A.Rechenzeichen + QStringLiteral(" (") + Feld(A.STR_Zahl_2)
        + QStringLiteral(" = ");
}

TBewertung Antwort_bewerten(const TEinstellung_Aufgabe &A, std::int32_t Antwort)
{
    TBewertung B;
    B.Antwort_Text = Integer_zu_Text(Antwort);
    B.Aufgabe_Text = Aufgaben_Text(A);
    B.richtig = B.Antwort_Text == A.STR_Ergebnis;
    if (B.richtig) {
        B.Erlaeuterungen = {QString(), QStringLiteral(" Die alte Aufgabe ist richtig gelöst :"), QString(),
                            u' ' + B.Aufgabe_Text + B.Antwort_Text};
    } else {
        B.Erlaeuterungen = {QString(), QStringLiteral(" Die alte Aufgabe ist falsch gelöst !"), QString(),
                            QStringLiteral(" gefundene Lösung : ") + B.Aufgabe_Text + B.Antwort_Text,
                            QStringLiteral(" richtige Lösung  : ") + B.Aufgabe_Text + A.STR_Ergebnis};
    }
    return B;
}

QStringList Einstellungs_Zeilen(TRechenart Rechenart, TSchwierigkeitsgrad Schwierigkeitsgrad)
{
    const int Punkte = Punkte_Tabelle(Nummer_von(Rechenart), Nummer_von(Schwierigkeitsgrad));
    return {QStringLiteral(" Eingestellte Werte:"), u' ' + QString(35, u'-'),
            QStringLiteral(" Rechenart          : ") + Rechenart_Name(Rechenart),
            QStringLiteral(" Schwierigkeitsgrad : ") + Schwierigkeitsgrad_Name(Schwierigkeitsgrad)
                + QStringLiteral(" : ") + Integer_zu_Text(Punkte) + QStringLiteral(" Punkt(e)")};
}

TTasten_Wirkung Tasten_Wirkung(int Taste, Qt::KeyboardModifiers Umschalttasten)
{
    if (Umschalttasten & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return TTasten_Wirkung::nur_fokussieren;
    if (Taste == Qt::Key_Return || Taste == Qt::Key_Enter)
        return TTasten_Wirkung::bewerten;
    if (Taste == Qt::Key_F2)
        return TTasten_Wirkung::Rechenweg_zeigen;
    return TTasten_Wirkung::neutral;
}
