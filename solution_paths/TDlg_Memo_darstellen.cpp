#include "solution_paths/TDlg_Memo_darstellen.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"

TDlg_Memo_darstellen::TDlg_Memo_darstellen(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setFixedSize(1010, 437);
    Hintergrund_setzen(this, Farbe_Grau);
    Memo1->setFont(Schrift_Courier_fett(13));
    Grundfarbe_setzen(Memo1, Farbe_Silber);
    Memo1->setAccessibleName(QStringLiteral("Informationen"));
}

void TDlg_Memo_darstellen::Zeilen_anhaengen(const QStringList &Zeilen)
{
    for (const QString &Zeile : Zeilen)
        Memo1->appendPlainText(Zeile);
}

QStringList TDlg_Memo_darstellen::Zeilen() const
{
    return Memo1->toPlainText().split(u'\n');
}
