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
