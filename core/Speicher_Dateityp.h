#pragma once

#include <QString>
#include <QStringList>

// The two kinds of file a save can write, as the save dialog offers them.
enum class TDateityp
{
    Textdatei,
    PDF_Dokument,
};

// The save dialog's file types in the order offered; the first is the default.
QStringList Dateityp_Filter();
QString Dateityp_Filter(TDateityp Typ);
// The extension without its dot.
QString Dateityp_Endung(TDateityp Typ);
// The type of a filter from Dateityp_Filter(); anything else is a text file.
TDateityp Dateityp_des_Filters(const QString &Filter);
// What a save writes: a name ending in ".txt" or ".pdf" decides, whatever
// type is chosen; any other name gets the chosen type.
TDateityp Dateityp_zum_Speichern(const QString &Pfad, const QString &Filter);
// The proposed name as the dialog shows it: with the type's extension.
QString Dateiname_mit_Endung(const QString &Name, TDateityp Typ);
