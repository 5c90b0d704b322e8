#pragma once

#include "core/Farben.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

QColor Farbe_zu_QColor(TFarbe Farbe);
TFarbe QColor_zu_Farbe(const QColor &Farbe);

// Sets the window (background) colour and turns on auto fill.
void Hintergrund_setzen(QWidget *Widget, TFarbe Farbe);
TFarbe Hintergrund(const QWidget *Widget);
// The text colour (WindowText or Text) that reads best on a fixed background,
// set explicitly so a dark desktop theme cannot make it unreadable.
void Schriftfarbe_setzen(QWidget *Widget, QPalette::ColorRole Rolle, TFarbe Hintergrund);
// Base colour of edits, memos and grids.
void Grundfarbe_setzen(QWidget *Widget, TFarbe Farbe);
TFarbe Grundfarbe(const QWidget *Widget);
