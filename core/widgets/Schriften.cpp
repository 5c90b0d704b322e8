#include "core/widgets/Schriften.h"

QFont Schrift(const QString &Familie, int Pixelhoehe, bool fett)
{
    QFont F(Familie);
    F.setPixelSize(Pixelhoehe);
    F.setBold(fett);
    return F;
}

QFont Schrift_Courier_fett(int Pixelhoehe)
{
    QFont F = Schrift(QStringLiteral("Courier New"), Pixelhoehe, true);
    F.setStyleHint(QFont::Monospace);
    F.setFixedPitch(true);
    return F;
}

QFont Schrift_Sans_Serif(int Pixelhoehe, bool fett)
{
    QFont F = Schrift(QStringLiteral("MS Sans Serif"), Pixelhoehe, fett);
    F.setStyleHint(QFont::SansSerif);
    return F;
}
