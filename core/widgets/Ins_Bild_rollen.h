#pragma once

#include <QList>

class QWidget;

// Scrolls the scroll area that holds the widgets the least distance that
// brings all of them (the rectangle around them) into its viewport; nothing
// happens outside a scroll area.
void Ins_Bild_rollen(const QList<const QWidget *> &Widgets);
