#pragma once

#include <QFileDialog>

// The save dialog of every save, in German. It takes a name only where a
// file can be written: a missing folder or a name the file system does not
// take is answered inside the dialog, which stays open for another choice.
class TSpeicher_Dialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit TSpeicher_Dialog(QWidget *parent = nullptr);

public slots:
    void accept() override;
};
