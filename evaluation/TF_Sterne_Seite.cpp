#include "evaluation/TF_Sterne_Seite.h"

#include "core/Aufgaben_Codes.h"
#include "core/Reihe_mit_Knopf.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/Kontrast.h"
#include "core/widgets/Schriften.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "core/Zugang_Texte.h"
#include "evaluation/Sterne_Regeln.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QPen>
#include <QPixmap>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {
constexpr int Smily_Pixelhoehe = 96;
// The hint strip's height in the design.
constexpr int Panel3_Hoehe = 74;
}

bool Schriftart_vorhanden(const QString &Familie)
{
    // families() lists installed fonts only; a fontconfig substitute would not draw the symbol.
    return QFontDatabase::families().contains(Familie, Qt::CaseInsensitive);
}

TF_Sterne_Seite::TF_Sterne_Seite(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);

    Panel3->setFarbe(Farbe_Silber);
    RichEdit4->setFont(Schrift_Sans_Serif(13, true));
    RichEdit4->setPlainText(
        QStringLiteral("\n  Ist \"Bild zeigen\" eingestellt, so\n"
                       "  erscheint in jeder Schwieriglkeit nach 3 Smileys ein Teil einer Bildes."));
    // As wide and high as its three lines, so it needs no scroll bar.
    const QSizeF Text(RichEdit4->document()->idealWidth(), RichEdit4->document()->size().height());
    RichEdit4->setMinimumWidth(int(std::ceil(Text.width())) + 2 * RichEdit4->frameWidth());
    RichEdit4->setFixedHeight(
        std::max(Panel3_Hoehe - 2 * Panel3->frameWidth(), int(std::ceil(Text.height())) + 2 * RichEdit4->frameWidth()));
    RadioGroup_Bild_zeigen->setItems({QStringLiteral("Bild zeigen"), QStringLiteral("Bild verdeckt lassen")});
    RadioGroup_Bild_zeigen->setItemIndex(Bild_zeigen_Index);
    connect(RadioGroup_Bild_zeigen, &TRadioGroup::Click, this, &TF_Sterne_Seite::Bild_zeigen_geklickt);

    TSterne_record Vorgabe;
    ::Sterne_initialisieren(Vorgabe);
    for (int d = 1; d <= 3; ++d) {
        Ueberschrift(d)->setFont(Schrift_Sans_Serif(13, true));
        Ueberschrift(d)->setCaption(Sterne_Ueberschrift(d));
        Smily_Box_gestalten(Smily_Box(d), Vorgabe);
    }

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 86, 1229, 596);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(Bild_Ressource));
    Image1->lower();
    Image1->hide();
    Image1->setAccessibleName(QStringLiteral("Bild"));

    RichEdit4->setAccessibleName(QStringLiteral("Hinweis zum Bild"));
    RadioGroup_Bild_zeigen->setAccessibleName(RadioGroup_Bild_zeigen->title());
    for (int d = 1; d <= 3; ++d) {
        Smily_Box(d)->setAccessibleName(Smily_Box_Name(d));
        Smily_Box(d)->setAccessibleDescription(Smily_Box_Beschreibung(0));
    }
}

void TF_Sterne_Seite::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Hinweis_anordnen();
}

void TF_Sterne_Seite::Hinweis_anordnen()
{
    const TReihe_mit_Knopf Lage = Reihe_mit_Knopf({RichEdit4->minimumWidth()}, Panel3_Anordnung->spacing(),
                                                  RadioGroup_Bild_zeigen->minimumWidth(),
                                                  width() - 2 * Panel1->frameWidth() - 2 * Panel3->frameWidth());
    const auto Richtung = Lage.Knopf_daneben ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (Panel3_Anordnung->direction() == Richtung && Panel3->minimumHeight() > 0)
        return;
    Panel3_Anordnung->setDirection(Richtung);
    Panel3->setFixedHeight(Panel3_Anordnung->minimumSize().height() + 2 * Panel3->frameWidth());
}

TPanel *TF_Sterne_Seite::Ueberschrift(int Schwierigkeitsgrad) const
{
    TPanel *const Zeilen[] = {Panel_Sterne_1, Panel_Sterne_2, Panel_Sterne_3};
    return Zeilen[std::size_t(Code_von_Nummer<TSchwierigkeitsgrad>(Schwierigkeitsgrad))];
}

QTextEdit *TF_Sterne_Seite::Smily_Box(int Schwierigkeitsgrad) const
{
    QTextEdit *const Boxen[] = {RichEdit_Sterne_1, RichEdit_Sterne_2, RichEdit_Sterne_3};
    return Boxen[std::size_t(Code_von_Nummer<TSchwierigkeitsgrad>(Schwierigkeitsgrad))];
}

void TF_Sterne_Seite::Smily_Box_gestalten(QTextEdit *Box, const TSterne_record &Sterne)
{
    const TSmily_Darstellung D = Smily_Darstellung(Sterne, Schriftart_vorhanden(Sterne.Schriftart));
    Box->setFont(Schrift(D.Schriftart, Smily_Pixelhoehe, true));
    Grundfarbe_setzen(Box, Sterne.Farbe_Hintergrund);
    QPalette Palette = Box->palette();
    Palette.setColor(QPalette::Text, Farbe_zu_QColor(Sterne.Farbe_Schrift));
    Box->setPalette(Palette);
}

void TF_Sterne_Seite::Smily_Umriss_setzen(QTextEdit *Box)
{
    // Lime on grey is too faint even for symbols this large; a dark rim keeps
    // the lime (it means "earned") and makes each smiley stand out.
    QTextCursor Cursor(Box->document());
    Cursor.select(QTextCursor::Document);
    QTextCharFormat Umriss;
    Umriss.setTextOutline(QPen(Farbe_zu_QColor(Beste_Schriftfarbe(Farbe_Grau)), 2));
    Cursor.mergeCharFormat(Umriss);
}

void TF_Sterne_Seite::Sterne_initialisieren()
{
    for (int d = 1; d <= 3; ++d) {
        Ueberschrift(d)->setCaption(Sterne_Ueberschrift(d));
        Smily_Box(d)->clear();
        Smily_Box(d)->setAccessibleDescription(Smily_Box_Beschreibung(0));
    }
    RadioGroup_Bild_zeigen->setItemIndex(Bild_zeigen_Index);
}

void TF_Sterne_Seite::Sterne_aktualisieren(const TSterne_record &Sterne, int Schwierigkeitsgrad, bool neuer_Smily)
{
    QTextEdit *Box = Smily_Box(Schwierigkeitsgrad);
    Smily_Box_gestalten(Box, Sterne);
    if (neuer_Smily) {
        const TSmily_Darstellung D = Smily_Darstellung(Sterne, Schriftart_vorhanden(Sterne.Schriftart));
        const std::uint8_t Anzahl =
            Sterne.Anzahl_Smily[std::size_t(Code_von_Nummer<TSchwierigkeitsgrad>(Schwierigkeitsgrad))];
        Box->setPlainText(Smily_Zeile(D.Zeichen, Anzahl));
        Smily_Umriss_setzen(Box);
        // The glyphs read as letters; the count is what the pupil earned.
        Box->setAccessibleDescription(Smily_Box_Beschreibung(Anzahl));
    }
    Ueberschrift(Schwierigkeitsgrad)->setCaption(Sterne_Ueberschrift_mit_Stand(Sterne, Schwierigkeitsgrad));

    const TBild_Zustand Z = Bild_Zustand(Sterne, RadioGroup_Bild_zeigen->ItemIndex());
    for (int k = 1; k <= 3; ++k) {
        if (Z.Zeile[k - 1] == TZeilen_Sichtbarkeit::lassen)
            continue;
        const bool sichtbar = Z.Zeile[k - 1] == TZeilen_Sichtbarkeit::zeigen;
        Ueberschrift(k)->setVisible(sichtbar);
        Smily_Box(k)->setVisible(sichtbar);
    }
    Image1->setVisible(Z.Bild_sichtbar);
}
