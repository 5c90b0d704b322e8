#include "core/Speicher_Dateityp.h"

namespace {
bool endet_auf(const QString &Pfad, TDateityp Typ)
{
    return Pfad.endsWith(u'.' + Dateityp_Endung(Typ), Qt::CaseInsensitive);
}
}

QStringList Dateityp_Filter()
{
    return {Dateityp_Filter(TDateityp::Textdatei), Dateityp_Filter(TDateityp::PDF_Dokument)};
}

QString Dateityp_Filter(TDateityp Typ)
{
    return Typ == TDateityp::PDF_Dokument ? QStringLiteral("PDF-Dokument (*.pdf)")
                                          : QStringLiteral("Textdatei (*.txt)");
}

QString Dateityp_Endung(TDateityp Typ)
{
    return Typ == TDateityp::PDF_Dokument ? QStringLiteral("pdf") : QStringLiteral("txt");
}

TDateityp Dateityp_des_Filters(const QString &Filter)
{
    return Filter == Dateityp_Filter(TDateityp::PDF_Dokument) ? TDateityp::PDF_Dokument : TDateityp::Textdatei;
}

TDateityp Dateityp_zum_Speichern(const QString &Pfad, const QString &Filter)
{
    if (endet_auf(Pfad, TDateityp::PDF_Dokument))
        return TDateityp::PDF_Dokument;
    if (endet_auf(Pfad, TDateityp::Textdatei))
        return TDateityp::Textdatei;
    return Dateityp_des_Filters(Filter);
}

QString Dateiname_mit_Endung(const QString &Name, TDateityp Typ)
{
    return Name + u'.' + Dateityp_Endung(Typ);
}
