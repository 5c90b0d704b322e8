#include "solution_paths/TF_Tarvo_Loesungsschritt.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/widgets/TPanel.h"
#include "core/Zugang_Texte.h"
#include "solution_paths/TDlg_Memo_darstellen1.h"
#include "solution_paths/TF_Ganzform_ohne_VZ.h"
#include "solution_paths/TF_ein_Zeichen.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

TF_Tarvo_Loesungsschritt::TF_Tarvo_Loesungsschritt(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);

    Panel1->setFarbe(Farbe_Silber);
    Panel1->setFont(Schrift_Sans_Serif(16, true));
    Panel2->setFarbe(Farbe_Grau);
    Panel2->setFont(Schrift_Sans_Serif(11, true));
    Panel2->setIndent(6);
    Panel3->setFarbe(Farbe_Silber);
    Panel4->setFarbe(Farbe_Silber);
    Panel5->setFarbe(Farbe_Silber);
    F_ein_Zeichen2->Edit1->setText(QStringLiteral("+"));
    Memo1->setFont(Schrift_Courier_fett(13));
    Grundfarbe_setzen(Memo1, Farbe_Silber);

    connect(Panel1, &TPanel::Click, this, &TF_Tarvo_Loesungsschritt::Panel1Click);
    Memo1->viewport()->installEventFilter(this);
    Memo1->installEventFilter(this);
    Namen_setzen();
}

void TF_Tarvo_Loesungsschritt::Gleich_setzen(bool mit_Gleich)
{
    // Only the box is hidden: its frame keeps the place so the numbers stay put.
    if (mit_Gleich) {
        F_ein_Zeichen1->Edit1->setText(QStringLiteral("="));
        F_ein_Zeichen1->Edit1->show();
    } else {
        F_ein_Zeichen1->Edit1->hide();
    }
}

void TF_Tarvo_Loesungsschritt::Schritt_abschliessen(bool verdeckt, const QString &Ueberschrift,
                                                    const QStringList &Zeilen)
{
    Memo1->clear();
    for (const QString &Zeile : Zeilen)
        Memo1->appendPlainText(Zeile);
    Memo1->moveCursor(QTextCursor::Start);
    Panel2->setCaption(Ueberschrift);
    Abdeckung_setzen(verdeckt);
    show();
}

void TF_Tarvo_Loesungsschritt::Abdeckung_setzen(bool verdeckt)
{
    const bool hatte_Fokus = Panel1->hasFocus();
    Panel3->setVisible(!verdeckt);
    // Only a covered row is a control of its own; uncovered, its explanation is.
    Panel1->setKlickbar(verdeckt);
    Namen_setzen();
    // Whoever uncovered the row from the keyboard goes on reading its explanation.
    if (!verdeckt && hatte_Fokus)
        Memo1->setFocus(Qt::OtherFocusReason);
}

void TF_Tarvo_Loesungsschritt::Nummer_setzen(int Nummer)
{
    m_Nummer = Nummer;
    Namen_setzen();
}

void TF_Tarvo_Loesungsschritt::Namen_setzen()
{
    const QString Name = Loesungsschritt_Name(m_Nummer, Panel2->Caption());
    setAccessibleName(Name);
    Panel1->setAccessibleName(Name);
    Panel1->setAccessibleDescription(Loesungsschritt_Beschreibung(verdeckt()));
    const bool Aufgabe = !F_Ganzform_ohne_VZ2->isHidden();
    F_ein_Zeichen1->Edit1->setAccessibleName(Loesungsschritt_Teil_Name(m_Nummer, QStringLiteral("Gleichheitszeichen")));
    F_Ganzform_ohne_VZ1->Edit1->setAccessibleName(
        Loesungsschritt_Teil_Name(m_Nummer, Aufgabe ? QStringLiteral("erste Zahl") : QStringLiteral("Zahl")));
    F_ein_Zeichen2->Edit1->setAccessibleName(Loesungsschritt_Teil_Name(m_Nummer, QStringLiteral("Rechenzeichen")));
    F_Ganzform_ohne_VZ2->Edit1->setAccessibleName(Loesungsschritt_Teil_Name(m_Nummer, QStringLiteral("zweite Zahl")));
    Memo1->setAccessibleName(Loesungsschritt_Teil_Name(m_Nummer, QStringLiteral("Erläuterung")));
}

void TF_Tarvo_Loesungsschritt::Schritt_Zahl_zeigen(bool verdeckt, bool mit_Gleich, std::int32_t Wert,
                                                   const QString &Ueberschrift, const QStringList &Zeilen)
{
    Gleich_setzen(mit_Gleich);
    F_Ganzform_ohne_VZ1->Zahl_setzen(Wert);
    F_ein_Zeichen2->hide();
    F_Ganzform_ohne_VZ2->hide();
    Schritt_abschliessen(verdeckt, Ueberschrift, Zeilen);
}

void TF_Tarvo_Loesungsschritt::Schritt_Text_zeigen(bool verdeckt, bool mit_Gleich, const QString &Text,
                                                   const QString &Ueberschrift, const QStringList &Zeilen)
{
    Gleich_setzen(mit_Gleich);
    F_Ganzform_ohne_VZ1->Text_setzen(Text);
    F_ein_Zeichen2->hide();
    F_Ganzform_ohne_VZ2->hide();
    Schritt_abschliessen(verdeckt, Ueberschrift, Zeilen);
}

void TF_Tarvo_Loesungsschritt::Schritt_Aufgabe_zeigen(bool verdeckt, bool mit_Gleich, std::int32_t Erste,
                                                      std::int32_t Zweite, const QString &Ueberschrift,
                                                      const QStringList &Zeilen)
{
    Gleich_setzen(mit_Gleich);
    F_Ganzform_ohne_VZ1->Zahl_setzen_geklammert(Erste);
    F_ein_Zeichen2->show();
    F_Ganzform_ohne_VZ2->show();
    F_Ganzform_ohne_VZ2->Zahl_setzen_geklammert(Zweite);
    Schritt_abschliessen(verdeckt, Ueberschrift, Zeilen);
}

void TF_Tarvo_Loesungsschritt::Schritt_loeschen()
{
    Memo1->clear();
    hide();
}

QStringList TF_Tarvo_Loesungsschritt::Zeilen() const
{
    if (Memo1->document()->isEmpty())
        return {};
    return Memo1->toPlainText().split(u'\n');
}

bool TF_Tarvo_Loesungsschritt::verdeckt() const
{
    return Panel3->isHidden();
}

void TF_Tarvo_Loesungsschritt::Panel1Click()
{
    Abdeckung_setzen(false);
}

void TF_Tarvo_Loesungsschritt::Memo1DblClick()
{
    Panel4->setFarbe(Farbe_Aqua);
    {
        auto *Dialog = new TDlg_Memo_darstellen1(this);
        // The dialog's client width stays 1184: that is the outer width 1200
        // less the window frame.
        const QPoint Ursprung = mapToGlobal(QPoint(0, 0));
        Dialog->move(Ursprung.x() + Panel5->x() + 10, Ursprung.y() + Panel5->y() + 170);
        Hintergrund_setzen(Dialog, Farbe_Aqua);
        Dialog->repaint();
        Dialog->Zeilen_anhaengen(Zeilen());
        Dialog->exec();
        Dialog->Memo1->clear();
        delete Dialog;
    }
    QTextCursor Cursor = Memo1->textCursor();
    Cursor.setPosition(qMin(1, Memo1->document()->characterCount() - 1));
    Memo1->setTextCursor(Cursor);
    Panel4->setFarbe(Farbe_Silber);
}

bool TF_Tarvo_Loesungsschritt::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Memo1DblClick();
        return true;
    }
    // The keyboard's way to the enlarged window; a held key does not reopen it.
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const auto *Taste = static_cast<QKeyEvent *>(event);
        const bool oeffnen =
            Taste->key() == Qt::Key_Return || Taste->key() == Qt::Key_Enter || Taste->key() == Qt::Key_Space;
        if (oeffnen && (Taste->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!Taste->isAutoRepeat())
                Memo1DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
