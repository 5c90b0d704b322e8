#pragma once

// Reads printed pages back with poppler: the words with their boxes
// (pdftotext -bbox-layout) and the ink of a rendered page (pdftoppm).

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QTemporaryDir>
#include <QXmlStreamReader>

struct TPDF_Wort
{
    QRectF Umriss; // points, from the page's top left
    QString Text;
};

struct TPDF_Seite
{
    double Breite = 0;
    double Hoehe = 0;
    QList<TPDF_Wort> Woerter;
};

inline QList<TPDF_Seite> PDF_Seiten_lesen(const QString &Pfad)
{
    QProcess P;
    P.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), Pfad, QStringLiteral("-")});
    P.waitForFinished(60000);
    QXmlStreamReader Leser(P.readAllStandardOutput());
    QList<TPDF_Seite> Seiten;
    auto Zahl = [&](const char *Name) { return Leser.attributes().value(QLatin1String(Name)).toDouble(); };
    while (!Leser.atEnd()) {
        if (Leser.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (Leser.name() == QLatin1String("page")) {
            Seiten.append(TPDF_Seite{Zahl("width"), Zahl("height"), {}});
        } else if (Leser.name() == QLatin1String("word") && !Seiten.isEmpty()) {
            const QRectF Umriss(QPointF(Zahl("xMin"), Zahl("yMin")), QPointF(Zahl("xMax"), Zahl("yMax")));
            Seiten.last().Woerter.append(TPDF_Wort{Umriss, Leser.readElementText()});
        }
    }
    return Seiten;
}

struct TTinte
{
    double Anteil = 0; // share of dark pixels on the page
    QRectF Umriss_mm;  // the box around all ink
};

// Renders one page (counted from 1) at 72 dpi in gray and measures its ink.
inline TTinte Tinte_der_Seite(const QString &PDF, int Seite)
{
    QTemporaryDir Ordner;
    const QString Stamm = Ordner.filePath(QStringLiteral("seite"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"), QStringLiteral("-f"),
                       QString::number(Seite), QStringLiteral("-l"), QString::number(Seite),
                       QStringLiteral("-singlefile"), PDF, Stamm});
    const QImage Bild(Stamm + QStringLiteral(".pgm"));
    TTinte Tinte;
    if (Bild.isNull())
        return Tinte;
    qint64 Dunkel = 0;
    QRect Umriss;
    for (int y = 0; y < Bild.height(); ++y)
        for (int x = 0; x < Bild.width(); ++x)
            if (qGray(Bild.pixel(x, y)) < 128) {
                ++Dunkel;
                Umriss |= QRect(x, y, 1, 1);
            }
    constexpr double mm_je_Punkt = 25.4 / 72;
    Tinte.Anteil = double(Dunkel) / (qint64(Bild.width()) * Bild.height());
    Tinte.Umriss_mm = QRectF(Umriss.x() * mm_je_Punkt, Umriss.y() * mm_je_Punkt, Umriss.width() * mm_je_Punkt,
                             Umriss.height() * mm_je_Punkt);
    return Tinte;
}
