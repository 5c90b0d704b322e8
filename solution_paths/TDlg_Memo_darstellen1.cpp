#include "solution_paths/TDlg_Memo_darstellen1.h"

#include <QPlainTextEdit>

TDlg_Memo_darstellen1::TDlg_Memo_darstellen1(QWidget *parent)
    : TDlg_Memo_darstellen(parent)
{
    setObjectName(QStringLiteral("Dlg_Memo_darstellen1"));
    setWindowTitle(QStringLiteral("Informationsfenster"));
    setFixedSize(1184, height());
}

void TDlg_Memo_darstellen1::showEvent(QShowEvent *event)
{
    TDlg_Memo_darstellen::showEvent(event);
    Memo1->setFocus();
}
