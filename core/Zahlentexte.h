#pragma once

#include <QString>
#include <cstdint>

// Number texts and left padding shared by every screen and file.

// The only source of padding blanks: no text is ever padded by more than 50.
extern const QString Leerzeichen;

QString Byte_zu_Text(std::uint8_t Wert);
QString Integer_zu_Text(std::int32_t Wert);
// Fixed point with two decimals and "." whatever the locale; never cut.
QString Real_zu_Text(double Wert);
// Puts blanks in front up to the width, at most 50; never cuts.
QString Text_links_auffuellen(const QString &Text, std::uint8_t Breite);
