#pragma once

#include "ui_TF_Tarvo.h"

#include "core/TEinstellung_Aufgabe.h"
#include "core/widgets/TListBox.h"

#include <QStringList>
#include <QWidget>

class QAction;
class QPushButton;
class TDlg_Arbeitsanweisungen;

// The solution-path page: four settings, a posed task and its path.
class TF_Tarvo : public QWidget, public Ui::TF_Tarvo
{
    Q_OBJECT
public:
    explicit TF_Tarvo(QWidget *parent = nullptr);

    QAction *A_Aufgabe_stellen;
    QAction *A_Aufgabe_loesen;
    QAction *A_Einstellungen_uebernehmen;

    // Explanation lines of the task row.
    QStringList Memo1;
    TEinstellung_Aufgabe Einstellung;

    // The main window owns the dialog; this page only shows it.
    void Arbeitsanweisungen_setzen(TDlg_Arbeitsanweisungen *Dialog);

    void Initialisieren();
    // A task judged on the exercise page: its operation and difficulty are
    // chosen here as by a click, and its path is built with this page's
    // path kind and output mode.
    void Uebungsaufgabe_stellen(const TEinstellung_Aufgabe &Aufgabe);

public slots:
    void A_Einstellungen_uebernehmenExecute();
    void A_Aufgabe_stellenExecute();
    void A_Aufgabe_loesenExecute();
    void Button_ArbeitsanweisungenClick();

private:
    void Einstellungen_lesen();
    // The task in Einstellung and Memo1 goes to the rows, solved at once where the output mode says so.
    void Aufgabe_ausgeben();
    void Aufgabe_zeigen();
    void Zugang_einrichten();
    QAction *Aktion_binden(QPushButton *Knopf, const QString &Text);

    TDlg_Arbeitsanweisungen *Dlg_Arbeitsanweisungen = nullptr;
};
