#pragma once

#include "core/Speicher_Dateityp.h"

#include <QFileDialog>

// The save dialog of every save, in German. It offers a text file (the
// default) and a PDF document; the name typed without an extension gets
// the chosen type's. It takes a name only where a file can be written: a
// missing folder or a name the file system does not take is answered inside
// the dialog, which stays open for another choice.
class TSpeicher_Dialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit TSpeicher_Dialog(QWidget *parent = nullptr);

    // What the accepted name is to be written as.
    TDateityp Dateityp() const;

public slots:
    void accept() override;
};
