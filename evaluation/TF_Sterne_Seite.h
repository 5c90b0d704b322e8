#pragma once

#include "ui_TF_Sterne_Seite.h"

#include "evaluation/TSterne_record.h"

#include <QString>
#include <QWidget>

class QLabel;
class QTextEdit;
class TPanel;

// The page "Sterne": one row (caption and smiley box) per difficulty above a
// picture that comes to light as rows with three smileys give way.
//
// The page only shows the smiley record; the lesson keeps it and runs the
// block rule. A user click on RadioGroup_Bild_zeigen is only announced by
// Bild_zeigen_geklickt(): the exercise frame has the lesson run the rule,
// this page shows the outcome through Sterne_aktualisieren, and the answer
// field takes the focus again.
class TF_Sterne_Seite : public QWidget, public Ui::TF_Sterne_Seite
{
    Q_OBJECT
public:
    explicit TF_Sterne_Seite(QWidget *parent = nullptr);

    // Drawn on Panel1 beneath the rows; not part of Panel1's layout.
    QLabel *Image1;

    // Initial captions, boxes emptied, "Bild zeigen".
    void Sterne_initialisieren();
    // Box, caption and picture for difficulty 1..3 after an answer or a picture choice;
    // neuer_Smily: the block just earned a smiley, so the smiley line is rewritten.
    void Sterne_aktualisieren(const TSterne_record &Sterne, int Schwierigkeitsgrad, bool neuer_Smily);

    TPanel *Ueberschrift(int Schwierigkeitsgrad) const;
    QTextEdit *Smily_Box(int Schwierigkeitsgrad) const;

signals:
    // A user click on RadioGroup_Bild_zeigen (not a programmatic selection).
    void Bild_zeigen_geklickt();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The hint's three lines stand whole: the picture choice beside them
    // where the page is wide enough, else beneath them.
    void Hinweis_anordnen();
    void Smily_Box_gestalten(QTextEdit *Box, const TSterne_record &Sterne);
    void Smily_Umriss_setzen(QTextEdit *Box);
};

// Resource path of the embedded picture.
inline const QString Bild_Ressource = QStringLiteral(":/bild/Tarvo_Bild.jpg");

// Whether the record's symbol font is installed (exact family, no substitute).
bool Schriftart_vorhanden(const QString &Familie);
