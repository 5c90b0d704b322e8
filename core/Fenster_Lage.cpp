#include "core/Fenster_Lage.h"

#include <algorithm>

QRect Fenster_einpassen(const QRect &Rahmen, const QRect &Bereich)
{
    QRect R(Rahmen.topLeft(), Rahmen.size().boundedTo(Bereich.size()));
    const int x = std::clamp(R.x(), Bereich.x(), Bereich.x() + Bereich.width() - R.width());
    const int y = std::clamp(R.y(), Bereich.y(), Bereich.y() + Bereich.height() - R.height());
    R.moveTo(x, y);
    return R;
}

QMargins Rahmen_aus_Ausdehnung(const std::array<quint32, 4> &Ausdehnung, qreal Faktor)
{
    const auto Pixel = [Faktor](quint32 Breite) { return qRound(qreal(Breite) / Faktor); };
    return QMargins(Pixel(Ausdehnung[0]), Pixel(Ausdehnung[2]), Pixel(Ausdehnung[1]), Pixel(Ausdehnung[3]));
}
