#include "core/widgets/Box_als_PDF.h"

#include "core/Druck_Texte.h"
#include "core/widgets/Schriften.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr int Aufloesung = 1200;
constexpr double Rand_mm = 20.0;
constexpr double Punkte_je_Zoll = 72.0;

QFont Druckschrift(double Punktgroesse)
{
    QFont Schrift = Schrift_Courier_fett(13);
    Schrift.setPointSizeF(Punktgroesse);
    return Schrift;
}

// Measured at a large size on the device itself, so hinting does not distort the ratios.
TDruck_Masse Masse_messen(QPdfWriter &Geraet)
{
    constexpr double Messgroesse = 100.0;
    const QFontMetricsF Metrik(Druckschrift(Messgroesse), &Geraet);
    const double Punkte_je_Einheit = Punkte_je_Zoll / Aufloesung;
    const QRectF Flaeche = Geraet.pageLayout().paintRect(QPageLayout::Point);
    return TDruck_Masse{Metrik.horizontalAdvance(u'M') * Punkte_je_Einheit / Messgroesse,
                        Metrik.lineSpacing() * Punkte_je_Einheit / Messgroesse, Flaeche.width(), Flaeche.height()};
}
}

int Box_als_PDF_setzen(const TAusgabe_Text &Text, const QString &Titel, QIODevice *Ziel)
{
    const QStringList &Zeilen = Text.Zeilen;
    QPdfWriter Geraet(Ziel);
    Geraet.setResolution(Aufloesung);
    Geraet.setTitle(Titel);
    Geraet.setCreator(QStringLiteral("Tarvo"));
    Geraet.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(Rand_mm, Rand_mm, Rand_mm, Rand_mm), QPageLayout::Millimeter));
    const TDruck_Satz Satz = Druck_Satz_berechnen(Zeilen, Text.Pixelhoehe, Masse_messen(Geraet));

    QPainter Maler;
    if (!Maler.begin(&Geraet))
        return 0;
    const double Einheiten_je_Punkt = Aufloesung / Punkte_je_Zoll;
    const QFont Schrift = Druckschrift(Satz.Punktgroesse);
    Maler.setFont(Schrift);
    Maler.setPen(Qt::black);
    const double Oberlinie = QFontMetricsF(Schrift, &Geraet).ascent();
    const double Zeilenabstand = Satz.Zeilenabstand_Punkte * Einheiten_je_Punkt;
    const QRectF Flaeche = Geraet.pageLayout().paintRectPixels(Aufloesung);
    for (int Seite = 0; Seite < Satz.Seitenzahl; ++Seite) {
        if (Seite > 0)
            Geraet.newPage();
        const QStringList Seitenzeilen = Zeilen_der_Seite(Zeilen, Satz, Seite);
        for (int i = 0; i < Seitenzeilen.size(); ++i)
            Maler.drawText(QPointF(0, Oberlinie + i * Zeilenabstand), Seitenzeilen.at(i));
        if (Satz.Seitenzahl > 1) {
            const QRectF Fuss(0, Flaeche.height() - Zeilenabstand, Flaeche.width(), Zeilenabstand);
            Maler.drawText(Fuss, Qt::AlignRight | Qt::AlignBottom, Seitennummer_Text(Seite + 1, Satz.Seitenzahl));
        }
    }
    return Maler.end() ? Satz.Seitenzahl : 0;
}

int Box_als_PDF_schreiben(const TAusgabe_Text &Text, const QString &Titel, const QString &Pfad)
{
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::WriteOnly))
        return 0;
    const int Seitenzahl = Box_als_PDF_setzen(Text, Titel, &Datei);
    return Datei.flush() && Datei.error() == QFileDevice::NoError ? Seitenzahl : 0;
}
