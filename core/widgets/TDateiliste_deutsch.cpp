#include "core/widgets/TDateiliste_deutsch.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {
// The file list's columns: name, size, type, date modified.
constexpr int Spalte_Groesse = 1;
constexpr int Spalte_Datum = 3;
}

TDateiliste_deutsch::TDateiliste_deutsch(QObject *parent)
    : QIdentityProxyModel(parent)
{
}

QVariant TDateiliste_deutsch::data(const QModelIndex &index, int role) const
{
    const auto *Dateien = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !Dateien || !index.isValid())
        return QIdentityProxyModel::data(index, role);
    const QModelIndex Quelle = mapToSource(index);
    if (index.column() == Spalte_Groesse && !Dateien->isDir(Quelle))
        return QLocale().formattedDataSize(Dateien->size(Quelle));
    if (index.column() == Spalte_Datum)
        return QLocale().toString(Dateien->lastModified(Quelle), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
}
