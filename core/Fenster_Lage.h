#pragma once

#include <QRect>

// Where a window (its outer frame) opens: at the wanted place if it lies
// inside Bereich (the screen's available area), otherwise moved the least
// distance that brings it in; a frame larger than Bereich is first cut to
// its size, keeping its top-left corner.
QRect Fenster_einpassen(const QRect &Rahmen, const QRect &Bereich);
