#pragma once

#include "ui_TF_Haupt.h"

#include "core/TEinstellung_Aufgabe.h"
#include "exercises/TUebungs_Ablauf.h"

#include <QMainWindow>

class QWidget;
class TDialog_Abfrage_Drucken;
class TDialog_Fehlermeldung_1;
class TDialog_Impresssum_0;
class TDlg_Arbeitsanweisungen;
class TDlg_Protokoll_Auswertung_speichern_drucken;
class TFrame_Tarvo_Uebungen;
class TOKBottomDlg_drucken_oder_speichern;

// The program's only main window.
class TF_Haupt : public QMainWindow, public Ui::TF_Haupt
{
    Q_OBJECT
public:
    explicit TF_Haupt(QWidget *parent = nullptr);

    // The exercise page, showing the window's lesson.
    TFrame_Tarvo_Uebungen *Frame_Tarvo_Uebungen1;

    // Long-lived dialogs, created once after the window, owned by it.
    TDialog_Impresssum_0 *Dialog_Impresssum_0 = nullptr;
    TOKBottomDlg_drucken_oder_speichern *OKBottomDlg_drucken_oder_speichern = nullptr;
    TDialog_Fehlermeldung_1 *Dialog_Fehlermeldung_1 = nullptr;
    TDlg_Arbeitsanweisungen *Dlg_Arbeitsanweisungen = nullptr;
    TDlg_Protokoll_Auswertung_speichern_drucken *Dlg_Protokoll_Auswertung_speichern_drucken = nullptr;
    TDialog_Abfrage_Drucken *Dialog_Abfrage_Drucken = nullptr;

    // The program's start step after the window's creation; FormCreate must not use them.
    void Dialoge_erzeugen();

public slots:
    void FormCreate();
    void FormShow();
    void PageControl1Change();
    // The demonstrator shows the solution path of a task judged on the exercise page.
    void Frame_Tarvo_Uebungen1Rechenweg_gewuenscht(const TEinstellung_Aufgabe &Aufgabe);
    void M_beendenClick();
    void Impressum1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Centred on the desktop when restored, and never larger than its
    // available area, frame included.
    QMargins Rahmenbreiten() const;
    void Normallage_setzen();

    // The pupil can type at once whenever the exercise page is shown.
    void Antwortfeld_fokussieren();

    // The lesson of the exercise page, from the program's start to its end.
    TUebungs_Ablauf Ablauf;
    QSize Entwurfsgroesse; // the size the window is designed for
    bool Normallage_pruefen = false;
};
