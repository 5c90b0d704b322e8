#include "solution_paths/TDlg_Arbeitsanweisungen.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "solution_paths/Arbeitsanweisungen_Text.h"

#include <QGuiApplication>
#include <QScreen>

TDlg_Arbeitsanweisungen::TDlg_Arbeitsanweisungen(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    setFixedSize(775, 562);
    Hintergrund_setzen(this, Farbe_Grau);
    Hintergrund_setzen(Panel1, Farbe_Silber);
    RichEdit1->setFont(Schrift_Courier_fett(13));
    Grundfarbe_setzen(RichEdit1, Farbe_Hellgruen);
    RichEdit1->setPlainText(Arbeitsanweisungen_Zeilen().join(u'\n'));
    RichEdit1->setAccessibleName(QStringLiteral("Arbeitsanweisungen"));
}

QStringList TDlg_Arbeitsanweisungen::Zeilen() const
{
    return RichEdit1->toPlainText().split(u'\n');
}

void TDlg_Arbeitsanweisungen::showEvent(QShowEvent *event)
{
    // Centred on the screen, whatever window handed it over.
    if (QScreen *Bildschirm = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect Rahmen = frameGeometry();
        Rahmen.moveCenter(Bildschirm->availableGeometry().center());
        move(Rahmen.topLeft());
    }
    QDialog::showEvent(event);
}
