#pragma once

#include <QMargins>
#include <QRect>

#include <array>

// Where a window (its outer frame) opens: at the wanted place if it lies
// inside Bereich (the screen's available area), otherwise moved the least
// distance that brings it in; a frame larger than Bereich is first cut to
// its size, keeping its top-left corner.
QRect Fenster_einpassen(const QRect &Rahmen, const QRect &Bereich);

// The frame an X11 window manager announces in _NET_FRAME_EXTENTS (left,
// right, top, bottom in device pixels) in the window's own pixels at the
// scale Faktor, rounded as Qt rounds the frame it reports.
QMargins Rahmen_aus_Ausdehnung(const std::array<quint32, 4> &Ausdehnung, qreal Faktor);
