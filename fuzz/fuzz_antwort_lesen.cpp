// The answer parser against a second reading of the same grammar written with
// a regular expression, and against its own canonical text.

#include "core/Zahlentexte.h"
#include "exercises/Antwort_Bewertung.h"

#include <QRegularExpression>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

std::optional<std::int32_t> Vergleichslesung(const QString &Text)
{
    static const QRegularExpression Muster(
        QRegularExpression::anchoredPattern(QStringLiteral(" *([+-]?)(?:(?:0[xX]|[$xX])([0-9A-Fa-f]+)|([0-9]+))")));
    const QRegularExpressionMatch M = Muster.match(Text);
    if (!M.hasMatch())
        return std::nullopt;
    const bool negativ = M.captured(1) == u"-";
    const bool hex = M.hasCaptured(2);
    QString Ziffern = hex ? M.captured(2) : M.captured(3);
    while (Ziffern.size() > 1 && Ziffern.startsWith(u'0'))
        Ziffern.remove(0, 1);
    if (Ziffern.size() > (hex ? 8 : 10))
        return std::nullopt;
    const long long Betrag = Ziffern.toLongLong(nullptr, hex ? 16 : 10);
    long long Wert = hex ? (long long)(std::int32_t(std::uint32_t(Betrag))) : Betrag;
    if (negativ)
        Wert = -Wert;
    if (Wert < INT32_MIN || Wert > INT32_MAX)
        return std::nullopt;
    return std::int32_t(Wert);
}

void pruefen(const QString &Text)
{
    const std::optional<std::int32_t> Wert = Antwort_lesen(Text);
    if (Wert != Vergleichslesung(Text))
        std::abort();
    if (Wert && Antwort_lesen(Integer_zu_Text(*Wert)) != Wert)
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Daten, std::size_t Groesse)
{
    // Read both as UTF-8 (what a paste usually is) and as raw UTF-16 code
    // units (lone surrogates, any QChar at all).
    pruefen(QString::fromUtf8(reinterpret_cast<const char *>(Daten), qsizetype(Groesse)));
    QString Roh(qsizetype(Groesse / 2), Qt::Uninitialized);
    std::memcpy(Roh.data(), Daten, (Groesse / 2) * 2);
    pruefen(Roh);
    return 0;
}
