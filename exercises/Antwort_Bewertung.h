#pragma once

#include "core/TEinstellung_Aufgabe.h"

#include <QString>
#include <QStringList>
#include <Qt>
#include <cstdint>
#include <optional>

// Reads the pupil's answer as a signed 32-bit integer: leading blanks, at most
// one sign, then decimal digits or hex digits after "$", "x", "X", "0x" or
// "0X" (a 32-bit two's-complement pattern). Nothing may follow. Anything else,
// and any value outside the 32-bit range, gives no value.
std::optional<std::int32_t> Antwort_lesen(const QString &Text);

// The 17-character aligned task text "(a) op (b) = " of explanations and protocol.
QString Aufgaben_Text(const TEinstellung_Aufgabe &Aufgabe);

struct TBewertung
{
    bool richtig = false;
    QString Antwort_Text; // A: the answer as canonical decimal text
    QString Aufgabe_Text; // T
    QStringList Erlaeuterungen;
};

TBewertung Antwort_bewerten(const TEinstellung_Aufgabe &Aufgabe, std::int32_t Antwort);

// The four lines that describe the chosen settings.
QStringList Einstellungs_Zeilen(TRechenart Rechenart, TSchwierigkeitsgrad Schwierigkeitsgrad);

// What a key press in the answer field does.
enum class TTasten_Wirkung
{
    nur_fokussieren, // Shift, Ctrl or Alt held: nothing is judged
    neutral,         // any other key: the verdict colour turns neutral
    bewerten,        // RETURN alone: the answer is judged
    Rechenweg_zeigen // F2 alone: the judged task's path; explanation and verdict stay
};

TTasten_Wirkung Tasten_Wirkung(int Taste, Qt::KeyboardModifiers Umschalttasten);
