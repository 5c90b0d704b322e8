#pragma once

#include "evaluation/TSterne_record.h"

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>

// Smiley rating of the page "Sterne": block rule, captions, smiley line and
// which rows give way to the picture. Difficulties are one-based (1..3).

enum class TBlock_Ergebnis
{
    offen,    // block still running
    verfehlt, // too many wrong answers: block void, counters restarted
    Smily     // block passed: one more smiley, counters restarted
};

// Ends the block of difficulty d when it is decided; the wrong-answer rule
// comes first. The smiley count saturates at 255 so that a long session
// never wraps an earned row back to empty.
TBlock_Ergebnis Sterne_Block_pruefen(TSterne_record &Sterne, int Schwierigkeitsgrad);

// Caption of row d as set at initialisation.
QString Sterne_Ueberschrift(int Schwierigkeitsgrad);
// Caption of row d after an update, ending with "wrong / answers" of the running block.
QString Sterne_Ueberschrift_mit_Stand(const TSterne_record &Sterne, int Schwierigkeitsgrad);

// One line with the smiley character repeated once per earned smiley.
QString Smily_Zeile(QChar Zeichen, std::uint8_t Anzahl);

// Font and character that draw one smiley. The record's symbol font is used
// where it exists; otherwise a font that carries the smiling-face code point.
struct TSmily_Darstellung
{
    QString Schriftart;
    QChar Zeichen;
};
inline const QString Smily_Ersatzschrift = QStringLiteral("DejaVu Sans");
inline constexpr QChar Smily_Ersatzzeichen{0x263A};
TSmily_Darstellung Smily_Darstellung(const TSterne_record &Sterne, bool Schriftart_vorhanden);

// What the picture choice does to the three rows (caption and box) and the picture.
enum class TZeilen_Sichtbarkeit
{
    lassen, // left as it is
    zeigen,
    verbergen
};
struct TBild_Zustand
{
    std::array<TZeilen_Sichtbarkeit, 3> Zeile{};
    bool Bild_sichtbar = false;
};
inline constexpr int Bild_zeigen_Index = 0;
inline constexpr int Smileys_fuer_Bild = 3;
TBild_Zustand Bild_Zustand(const TSterne_record &Sterne, int Bild_zeigen_ItemIndex);
