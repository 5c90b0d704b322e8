#include "app/TDialog_Fehlermeldung_1.h"

#include "app/Vier_Felder_Dialog.h"
#include "core/widgets/Text_speichern.h"

#include <QKeyEvent>

TDialog_Fehlermeldung_1::TDialog_Fehlermeldung_1(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);

    Vier_Felder_gestalten(this, QSize(823, 249), RichEdit_1_1, RichEdit_1_2, RichEdit_1_3, Button_OK);
    RichEdit_1_1->setPlainText(QStringLiteral("RichEdit_1_1"));
    RichEdit_1_2->setPlainText(QStringLiteral("RichEdit_1_2"));
    RichEdit_1_3->setPlainText(QStringLiteral("RichEdit_1_3"));
    RichEdit_1_1->setAccessibleName(QStringLiteral("Überschrift"));
    RichEdit_1_2->setAccessibleName(QStringLiteral("Meldung"));
    RichEdit_1_3->setAccessibleName(QStringLiteral("Fußzeile"));
    connect(Button_OK, &QPushButton::clicked, this, &TDialog_Fehlermeldung_1::Button_OKClick);
}

void TDialog_Fehlermeldung_1::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button_OK->setFocus();
}

// Left through OK or RETURN only: ESC does not close it.
void TDialog_Fehlermeldung_1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDialog_Fehlermeldung_1::Button_OKClick()
{
    accept();
}

void TDialog_Fehlermeldung_1::Zeilen_anhaengen(QTextEdit *Box, const QStringList &Zeilen)
{
    QStringList Alle = Zeilen_der_Box(Box);
    Alle.append(Zeilen);
    Box->setPlainText(Alle.join(u'\n'));
}

QStringList TDialog_Fehlermeldung_1::Zeilen(const QTextEdit *Box)
{
    return Zeilen_der_Box(Box);
}
