#pragma once

#include "core/Farben.h"

#include <QColor>
#include <QWidget>

QColor Farbe_zu_QColor(TFarbe Farbe);
TFarbe QColor_zu_Farbe(const QColor &Farbe);

// Sets the window (background) colour and turns on auto fill.
void Hintergrund_setzen(QWidget *Widget, TFarbe Farbe);
TFarbe Hintergrund(const QWidget *Widget);
// Base colour of edits, memos and grids.
void Grundfarbe_setzen(QWidget *Widget, TFarbe Farbe);
TFarbe Grundfarbe(const QWidget *Widget);
