#include "core/widgets/Farbe_Qt.h"

#include "core/Kontrast.h"

#include <QPalette>

QColor Farbe_zu_QColor(TFarbe Farbe)
{
    return QColor(Farbe.Rot, Farbe.Gruen, Farbe.Blau);
}

TFarbe QColor_zu_Farbe(const QColor &Farbe)
{
    return TFarbe{std::uint8_t(Farbe.red()), std::uint8_t(Farbe.green()), std::uint8_t(Farbe.blue())};
}

void Hintergrund_setzen(QWidget *Widget, TFarbe Farbe)
{
    QPalette Palette = Widget->palette();
    Palette.setColor(QPalette::Window, Farbe_zu_QColor(Farbe));
    Widget->setPalette(Palette);
    Widget->setAutoFillBackground(true);
}

TFarbe Hintergrund(const QWidget *Widget)
{
    return QColor_zu_Farbe(Widget->palette().color(QPalette::Window));
}

void Grundfarbe_setzen(QWidget *Widget, TFarbe Farbe)
{
    QPalette Palette = Widget->palette();
    Palette.setColor(QPalette::Base, Farbe_zu_QColor(Farbe));
    Widget->setPalette(Palette);
}

TFarbe Grundfarbe(const QWidget *Widget)
{
    return QColor_zu_Farbe(Widget->palette().color(QPalette::Base));
}

void Schriftfarbe_setzen(QWidget *Widget, QPalette::ColorRole Rolle, TFarbe Hintergrund)
{
    QPalette Palette = Widget->palette();
    Palette.setColor(Rolle, Farbe_zu_QColor(Beste_Schriftfarbe(Hintergrund)));
    Widget->setPalette(Palette);
}
