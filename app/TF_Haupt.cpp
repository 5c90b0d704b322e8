#include "app/TF_Haupt.h"

TF_Haupt::TF_Haupt(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_Haupt"));
    setWindowTitle(QStringLiteral("Übungsprogramm zum Tarvo (ganze Zahlen) (Version: 2.0.0.0)"));
}
