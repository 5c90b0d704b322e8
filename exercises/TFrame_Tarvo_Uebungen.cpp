#include "exercises/TFrame_Tarvo_Uebungen.h"

#include "core/Aufgaben_Namen.h"
#include "core/Reihe_mit_Knopf.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Ins_Bild_rollen.h"
#include "core/widgets/Schriften.h"
#include "core/widgets/TAnsage.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "core/widgets/TTasten_Filter.h"
#include "core/Zufall.h"
#include "core/Zugang_Texte.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/Antwort_Bewertung.h"
#include "exercises/TFrame_Auswertung_kurz.h"
#include "exercises/Uebung_Zugang_Texte.h"

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextEdit>
#include <limits>

TFrame_Tarvo_Uebungen::TFrame_Tarvo_Uebungen(TUebungs_Ablauf &Ablauf, QWidget *parent)
    : QFrame(parent)
    , Tasten_Filter(new TTasten_Filter(this))
    , Ansage(new TAnsage(this))
    , Ablauf_(Ablauf)
{
    setupUi(this);
    F_Auswertung2 = new TF_Auswertung(Ablauf_.Auswertung(), Panel_2_2);
    F_Auswertung2->setObjectName(QStringLiteral("F_Auswertung2"));
    Panel_2_2_Anordnung->addWidget(F_Auswertung2);

    // The blank-padded texts line up only in the fixed-pitch font.
    setFont(Schrift_Courier_fett(13));
    Hintergrund_setzen(this, Farbe_Silber);
    Label_Aufgabenstellung->setFont(Schrift_Courier_fett(16));
    MaskEdit_Schuelerloesung->setFont(Schrift_Courier_fett(16));
    // The answer field stands at a fixed place right of the longest task caption.
    Label_Aufgabenstellung->setFixedWidth(Label_Aufgabenstellung->fontMetrics().horizontalAdvance(QString(27, u'0')));
    // A new task text must not ask the window for a new layout: that would
    // repaint all of it after every answer.
    Label_Aufgabenstellung->setFixedHeight(Label_Aufgabenstellung->fontMetrics().height()
                                           + 2 * Label_Aufgabenstellung->frameWidth());
    MaskEdit_Schuelerloesung->setFixedWidth(
        MaskEdit_Schuelerloesung->fontMetrics().horizontalAdvance(QString(12, u'0')));
    // No length limit: a long text is the parser's to judge, not cut off here.
    MaskEdit_Schuelerloesung->setMaxLength(std::numeric_limits<int>::max());
    // Exactly the four settings lines.
    RichEdit_Einstellungen->document()->setDocumentMargin(2);
    // As wide as the longest line (" Schwierigkeitsgrad : mittel : 6 Punkt(e)"
    // and one blank), so the row fits a screen of 960 pixels as well.
    RichEdit_Einstellungen->setFixedWidth(RichEdit_Einstellungen->fontMetrics().horizontalAdvance(QString(42, u'0'))
                                          + 2 * 2 + 2 * RichEdit_Einstellungen->frameWidth());
    RichEdit_Einstellungen->setFixedHeight(4 * RichEdit_Einstellungen->fontMetrics().lineSpacing() + 2 * 2
                                           + 2 * RichEdit_Einstellungen->frameWidth());
    Panel_2_1_1->setFarbe(Farbe_Grau);
    Panel_2_1_3->setFarbe(Farbe_Grau);
    Hintergrund_setzen(Panel_2_2, Farbe_Gelb);
    Splitter_2->setStretchFactor(0, 0);
    Splitter_2->setStretchFactor(1, 1);

    RadioGroup_Schwierigkeitsgrad->setItems({Schwierigkeitsgrad_Name(TSchwierigkeitsgrad::leicht),
                                             Schwierigkeitsgrad_Name(TSchwierigkeitsgrad::mittel),
                                             Schwierigkeitsgrad_Name(TSchwierigkeitsgrad::schwer)});
    RadioGroup_Schwierigkeitsgrad->setItemIndex(0);
    RadioGroup_Auswertung->setItems({QStringLiteral("sichtbar machen"), QStringLiteral("verdecken")});
    RadioGroup_Auswertung->setItemIndex(1);

    // Each click leaves the focus in the answer field.
    connect(ListBox_Rechenart_waehlen, &TListBox::Click, this, &TFrame_Tarvo_Uebungen::Einstellung_geklickt);
    connect(RadioGroup_Schwierigkeitsgrad, &TRadioGroup::Click, this, &TFrame_Tarvo_Uebungen::Einstellung_geklickt);
    connect(RadioGroup_Auswertung, &TRadioGroup::Click, this, [this] {
        RadioGroup_AuswertungClick();
        Antwortfeld_fokussieren();
    });
    connect(F_Auswertung2, &TF_Auswertung::Bild_zeigen_geklickt, this,
            &TFrame_Tarvo_Uebungen::F_Auswertung2RadioGroup_Bild_zeigenClick);
    connect(Button_Auswertung_reseten, &QPushButton::clicked, this,
            &TFrame_Tarvo_Uebungen::Button_Auswertung_resetenClick);

    // The short evaluation's counts are the lesson's: its button resets them here.
    QPushButton *Kurz_Knopf = Frame_Auswertung_kurz1->Button_Werte_zuruecksetzen;
    Kurz_Knopf->setText(QStringLiteral("kurze Auswertung neu beginnen"));
    connect(Frame_Auswertung_kurz1, &TFrame_Auswertung_kurz::Zuruecksetzen_geklickt, this,
            &TFrame_Tarvo_Uebungen::Frame_Auswertung_kurz1Button_Werte_zuruecksetzenClick);

    A_Rechenweg_zeigen = new QAction(QStringLiteral("Rechenweg zu dieser Aufgabe zeigen"), this);
    A_Rechenweg_zeigen->setObjectName(QStringLiteral("A_Rechenweg_zeigen"));
    RichEdit_Erlaeterungen->addAction(A_Rechenweg_zeigen);
    connect(A_Rechenweg_zeigen, &QAction::triggered, this, &TFrame_Tarvo_Uebungen::A_Rechenweg_zeigenExecute);

    MaskEdit_Schuelerloesung->installEventFilter(Tasten_Filter);
    connect(Tasten_Filter, &TTasten_Filter::Taste_gedrueckt, this,
            &TFrame_Tarvo_Uebungen::MaskEdit_SchuelerloesungKeyDown);

    Zugang_einrichten();
    Panel_1->installEventFilter(this);
    Einstellungsreihe_anordnen();
}

void TFrame_Tarvo_Uebungen::Einstellungsreihe_anordnen()
{
    const QMargins Rand = Panel_1_Anordnung->contentsMargins();
    const int Rahmen = Rand.left() + Rand.right() + 2 * Panel_1->frameWidth();
    const TReihe_mit_Knopf Lage = Reihe_mit_Knopf(
        {ListBox_Rechenart_waehlen->minimumWidth(), RadioGroup_Schwierigkeitsgrad->minimumWidth(),
         RichEdit_Einstellungen->minimumWidth(), RadioGroup_Auswertung->minimumWidth()},
        Panel_1_Anordnung->spacing(), Button_Auswertung_reseten->sizeHint().width(), Panel_1->width() - Rahmen);
    // The row's width follows the page; it asks only for the narrow arrangement.
    Panel_1->setMinimumWidth(Lage.Mindestbreite + Rahmen);
    const bool daneben = Auswertung_Anordnung->indexOf(Button_Auswertung_reseten) < 0;
    if (Lage.Knopf_daneben == daneben)
        return;
    Panel_1_Anordnung->removeWidget(Button_Auswertung_reseten);
    Auswertung_Anordnung->removeWidget(Button_Auswertung_reseten);
    if (Lage.Knopf_daneben)
        Panel_1_Anordnung->insertWidget(Panel_1_Anordnung->indexOf(Auswertung_Anordnung) + 1, Button_Auswertung_reseten,
                                        0, Qt::AlignTop);
    else
        Auswertung_Anordnung->addWidget(Button_Auswertung_reseten);
}

void TFrame_Tarvo_Uebungen::Zugang_einrichten()
{
    MaskEdit_Schuelerloesung->setAccessibleName(QStringLiteral("Ergebnis eingeben"));
    ListBox_Rechenart_waehlen->setAccessibleName(QStringLiteral("Rechenart"));
    for (TRadioGroup *Gruppe : {RadioGroup_Schwierigkeitsgrad, RadioGroup_Auswertung})
        Gruppe->setAccessibleName(Vorlese_Text(Gruppe->title()));
    RichEdit_Einstellungen->setAccessibleName(QStringLiteral("Eingestellte Werte"));
    RichEdit_Erlaeterungen->setAccessibleName(QStringLiteral("Erklärung"));
    Panel_2_1_3->setAccessibleName(QStringLiteral("Bewertung"));

    // Settings and buttons are reached with Tab only: a mouse click must
    // not take the focus from the answer field.
    ListBox_Rechenart_waehlen->setFocusPolicy(Qt::TabFocus);
    for (TRadioGroup *Gruppe : {RadioGroup_Schwierigkeitsgrad, RadioGroup_Auswertung})
        for (int i = 0; i < Gruppe->Items().size(); ++i) {
            Gruppe->Button(i)->setFocusPolicy(Qt::TabFocus);
            Gruppe->Button(i)->installEventFilter(this);
        }
    Button_Auswertung_reseten->setFocusPolicy(Qt::TabFocus);
    QPushButton *Kurz_Knopf = Frame_Auswertung_kurz1->Button_Werte_zuruecksetzen;
    Kurz_Knopf->setFocusPolicy(Qt::TabFocus);

    // Settings row left to right, then the answer, the short evaluation,
    // then the detailed evaluation while it is shown.
    QList<QWidget *> Reihenfolge = {ListBox_Rechenart_waehlen};
    for (TRadioGroup *Gruppe : {RadioGroup_Schwierigkeitsgrad, RadioGroup_Auswertung})
        for (int i = 0; i < Gruppe->Items().size(); ++i)
            Reihenfolge << Gruppe->Button(i);
    Reihenfolge << Button_Auswertung_reseten << MaskEdit_Schuelerloesung << Kurz_Knopf
                << F_Auswertung2->PageControl_Statistik_1;
    for (int i = 1; i < Reihenfolge.size(); ++i)
        setTabOrder(Reihenfolge.at(i - 1), Reihenfolge.at(i));

    Schriftfarbe_setzen(this, QPalette::WindowText, Farbe_Silber);
    for (TPanel *Panel : {Panel_2_1_1, Panel_2_1_3})
        Schriftfarbe_setzen(Panel, QPalette::WindowText, Farbe_Grau);
}

bool TFrame_Tarvo_Uebungen::eventFilter(QObject *watched, QEvent *event)
{
    // An arrow key in a settings group chooses as a click does, and like a
    // click leaves the focus in the answer field (the button would take it back).
    const auto Pfeil = [](const QEvent *E) {
        const int T = static_cast<const QKeyEvent *>(E)->key();
        return T == Qt::Key_Up || T == Qt::Key_Down || T == Qt::Key_Left || T == Qt::Key_Right;
    };
    if (watched == Panel_1 && event->type() == QEvent::Resize)
        Einstellungsreihe_anordnen();
    if (event->type() == QEvent::KeyPress && Pfeil(event))
        for (TRadioGroup *Gruppe : {RadioGroup_Schwierigkeitsgrad, RadioGroup_Auswertung})
            if (watched->parent() == Gruppe && watched->isWidgetType()) {
                const int vorher = Gruppe->ItemIndex();
                watched->event(event);
                if (Gruppe->ItemIndex() != vorher)
                    Antwortfeld_fokussieren();
                return true;
            }
    return QFrame::eventFilter(watched, event);
}

void TFrame_Tarvo_Uebungen::Uebungen_initialisieren()
{
    Zufall_initialisieren();
    {
        // Selecting programmatically is no click; the take-over follows in its place.
        const QSignalBlocker Sperre(ListBox_Rechenart_waehlen);
        ListBox_Rechenart_waehlen->setCurrentRow(0);
    }
    Ablauf_.initialisieren();
    F_Auswertung2->Auswertung_initialisieren();
    // Starting the lesson is no change the pupil made.
    Einstellungen_uebernehmen(false);
    RadioGroup_AuswertungClick();
    Frame_Auswertung_kurz1->Werte_zeigen(Ablauf_.Kurz_zuruecksetzen());
    Rechenweg_freigeben();
}

void TFrame_Tarvo_Uebungen::Einstellungen_uebernehmen(bool ansagen)
{
    const auto Rechenart = TRechenart(qMax(0, ListBox_Rechenart_waehlen->currentRow()));
    const auto Grad = TSchwierigkeitsgrad(qMax(0, RadioGroup_Schwierigkeitsgrad->ItemIndex()));
    const TEinstellungs_Folgen Folgen = Ablauf_.Einstellungen_aendern(Rechenart, Grad);
    // Before the evaluation's many changes, which would delay it.
    if (ansagen)
        Ansage->Ansagen(Folgen.neue_Aufgabe.Ansage);
    RichEdit_Einstellungen->setPlainText(Folgen.Einstellungs_Zeilen.join(u'\n'));
    if (Folgen.Leerzeile_faellig)
        F_Auswertung2->Protokoll_Leerzeile_anhaengen();
    if (Folgen.Grundwerte_neu_beginnen)
        F_Auswertung2->Grundwerte_Tabelle_zuruecksetzen(true);
    F_Auswertung2->Uebergabe_zeigen(Folgen.Auswertung);
    Aufgabe_zeigen(Folgen.neue_Aufgabe);
}

void TFrame_Tarvo_Uebungen::Einstellung_geklickt()
{
    Einstellungen_uebernehmen(true);
    Antwortfeld_fokussieren();
}

void TFrame_Tarvo_Uebungen::Neue_Aufgabe()
{
    Aufgabe_zeigen(Ablauf_.Neue_Aufgabe());
}

void TFrame_Tarvo_Uebungen::Antwortfeld_fokussieren()
{
    MaskEdit_Schuelerloesung->setFocus();
    Ins_Bild_rollen({Label_Aufgabenstellung, MaskEdit_Schuelerloesung, Panel_2_1_3});
}

void TFrame_Tarvo_Uebungen::Aufgabe_zeigen(const TAufgaben_Anzeige &Aufgabe)
{
    Label_Aufgabenstellung->setText(Aufgabe.Aufgabenstellung);
    // The field is where the pupil is; the task beside it is read with it.
    MaskEdit_Schuelerloesung->setAccessibleDescription(Aufgabe.Beschreibung);
}

void TFrame_Tarvo_Uebungen::Bewertung_zeigen(TFarbe Farbe, const QString &Vorlese_Text)
{
    Panel_2_1_3->setFarbe(Farbe);
    Panel_2_1_3->setAccessibleDescription(Vorlese_Text);
    if (!Vorlese_Text.isEmpty()) {
        // Spoken at once while the focus stays in the answer field.
        QAccessibleEvent Meldung(Panel_2_1_3, QAccessible::Alert);
        QAccessible::updateAccessibility(&Meldung);
    }
}

void TFrame_Tarvo_Uebungen::MaskEdit_SchuelerloesungKeyDown(int Taste, Qt::KeyboardModifiers Umschalttasten)
{
    const TTasten_Wirkung Wirkung = Tasten_Wirkung(Taste, Umschalttasten);
    if (Wirkung == TTasten_Wirkung::Rechenweg_zeigen) {
        // The page changes; explanation, verdict and focus stay for the way back.
        A_Rechenweg_zeigen->trigger();
        return;
    }
    // The explanation stays only until the next key.
    RichEdit_Erlaeterungen->clear();
    switch (Wirkung) {
    case TTasten_Wirkung::nur_fokussieren:
    case TTasten_Wirkung::Rechenweg_zeigen: break;
    case TTasten_Wirkung::neutral: Bewertung_zeigen(Farbe_Grau, QString()); break;
    case TTasten_Wirkung::bewerten: Antwort_bewerten_und_weitergeben(); break;
    }
    Antwortfeld_fokussieren();
}

void TFrame_Tarvo_Uebungen::Antwort_bewerten_und_weitergeben()
{
    const std::optional<TAntwort_Folgen> Folgen = Ablauf_.Antwort_eingeben(MaskEdit_Schuelerloesung->text());
    if (!Folgen) {
        // Not a number: discarded, the task stays; nothing on the screen
        // says so, the screen reader does.
        MaskEdit_Schuelerloesung->clear();
        Bewertung_zeigen(Farbe_Grau, QString());
        Ansage->Ansagen(Keine_Zahl_Ansage(Ablauf_.Aufgabe()));
        return;
    }
    // The screen reader takes the changes in turn: the verdict is spoken
    // after the field's own change (whose echo would cut it short) and
    // before the evaluations' many, which would delay it.
    MaskEdit_Schuelerloesung->clear();
    Ansage->Ansagen(Folgen->Ansage);
    RichEdit_Erlaeterungen->setPlainText(Folgen->Erlaeuterungen.join(u'\n'));
    Bewertung_zeigen(Folgen->Farbe, Folgen->Vorlese_Text);
    F_Auswertung2->Uebergabe_zeigen(Folgen->Auswertung);
    Frame_Auswertung_kurz1->Werte_zeigen(Ablauf_.Kurz());
    Aufgabe_zeigen(Folgen->neue_Aufgabe);
    Rechenweg_freigeben();
}

void TFrame_Tarvo_Uebungen::RadioGroup_AuswertungClick()
{
    const bool sichtbar = RadioGroup_Auswertung->ItemIndex() == 0;
    Panel_2_2->setVisible(sichtbar);
    Button_Auswertung_reseten->setVisible(sichtbar);
}

void TFrame_Tarvo_Uebungen::Button_Auswertung_resetenClick()
{
    Uebungen_initialisieren();
    F_Auswertung2->Uebergabe_zeigen(Ablauf_.Ergebnis_erneut_uebergeben());
    Bewertung_zeigen(Farbe_Grau, QString());
    RichEdit_Erlaeterungen->clear();
    F_Auswertung2->Bild_zeigen_setzen(1);
    F_Auswertung2->Sterne_zeigen(Ablauf_.Sterne_pruefen());
    F_Auswertung2->Bild_zeigen_setzen(0);
    F_Auswertung2->Sterne_zeigen(Ablauf_.Sterne_pruefen());
    Antwortfeld_fokussieren();
}

void TFrame_Tarvo_Uebungen::F_Auswertung2RadioGroup_Bild_zeigenClick()
{
    F_Auswertung2->Sterne_zeigen(Ablauf_.Sterne_pruefen());
    Antwortfeld_fokussieren();
}

void TFrame_Tarvo_Uebungen::Frame_Auswertung_kurz1Button_Werte_zuruecksetzenClick()
{
    Antwortfeld_fokussieren();
    Frame_Auswertung_kurz1->Werte_zeigen(Ablauf_.Kurz_zuruecksetzen());
}

void TFrame_Tarvo_Uebungen::Rechenweg_freigeben()
{
    A_Rechenweg_zeigen->setEnabled(Ablauf_.beurteilte_Aufgabe().has_value());
}

void TFrame_Tarvo_Uebungen::A_Rechenweg_zeigenExecute()
{
    if (const std::optional<TEinstellung_Aufgabe> &Aufgabe = Ablauf_.beurteilte_Aufgabe())
        emit Rechenweg_gewuenscht(*Aufgabe);
}
