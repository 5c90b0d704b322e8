#pragma once

#include <QIdentityProxyModel>

// The save dialog's file list with sizes and dates as German writes them.
// Qt's file list takes them from the system's locale, which on a machine set
// to another language (or to none) is not German; the program's own locale
// is, without touching the environment.
class TDateiliste_deutsch : public QIdentityProxyModel
{
    Q_OBJECT
public:
    explicit TDateiliste_deutsch(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;
};
