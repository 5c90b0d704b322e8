#pragma once

#include <QFont>

// Fonts are requested by their classic names; fontconfig maps "Courier New"
// to the metric-compatible Liberation Mono.
QFont Schrift(const QString &Familie, int Pixelhoehe, bool fett);
QFont Schrift_Courier_fett(int Pixelhoehe);
QFont Schrift_Sans_Serif(int Pixelhoehe, bool fett = false);
