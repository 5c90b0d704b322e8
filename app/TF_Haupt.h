#pragma once

#include <QMainWindow>

// The program's only main window.
class TF_Haupt : public QMainWindow
{
    Q_OBJECT
public:
    explicit TF_Haupt(QWidget *parent = nullptr);
};
