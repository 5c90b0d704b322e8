#include "app/TDialog_Impresssum_0.h"

#include "app/Dokument_Texte.h"
#include "app/Vier_Felder_Dialog.h"

#include <QKeyEvent>

TDialog_Impresssum_0::TDialog_Impresssum_0(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);

    Vier_Felder_gestalten(this, QSize(756, 284), RichEdit_1_1, RichEdit_1_2, RichEdit_1_3, Button_OK);
    setWindowTitle(Impressum_Titel());
    RichEdit_1_1->setPlainText(QStringLiteral(" Info"));
    RichEdit_1_2->setPlainText(Impressum_Zeilen().join(u'\n'));
    // The window has no caption; a screen reader still announces what it is.
    setAccessibleName(QStringLiteral("Info"));
    RichEdit_1_1->setAccessibleName(QStringLiteral("Überschrift"));
    RichEdit_1_2->setAccessibleName(QStringLiteral("Impressum"));
    RichEdit_1_3->setAccessibleName(QStringLiteral("Fußzeile"));
    connect(Button_OK, &QPushButton::clicked, this, &TDialog_Impresssum_0::Button_OKClick);
}

void TDialog_Impresssum_0::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button_OK->setFocus();
}

// Left through OK or RETURN only: ESC does not close it.
void TDialog_Impresssum_0::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDialog_Impresssum_0::Button_OKClick()
{
    accept();
}
