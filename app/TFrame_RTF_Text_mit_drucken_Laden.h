#pragma once

#include "ui_TFrame_RTF_Text_mit_drucken_Laden.h"

#include "core/Ausgabe_Wahl.h"

#include <QWidget>

class QAction;
class QMenu;
class QTextEdit;
class TDialog_Abfrage_Drucken;
class TOKBottomDlg_drucken_oder_speichern;

// A read-only document with a button bar and a context menu to print it or
// save it as a text file; Einrichten chooses which commands are offered.
// The two query dialogs belong to the main window and are handed in.
class TFrame_RTF_Text_mit_drucken_Laden : public QWidget, public Ui::TFrame_RTF_Text_mit_drucken_Laden
{
    Q_OBJECT
public:
    explicit TFrame_RTF_Text_mit_drucken_Laden(QWidget *parent = nullptr);

    void Einrichten(const QString &Dokumentname, bool Knopfleiste_sichtbar, int Modus);
    void Text_ausgeben(QTextEdit *Box, TAusgabe_Art Art, const QString &Dokumentname);

    void Dlg_drucken_oder_speichern_setzen(TOKBottomDlg_drucken_oder_speichern *Dialog)
    {
        Dlg_drucken_oder_speichern = Dialog;
    }
    void Dialog_Abfrage_Drucken_setzen(TDialog_Abfrage_Drucken *Dialog) { Dialog_Abfrage_Drucken = Dialog; }
    QString Dokumentname() const { return m_Dokumentname; }

    QAction *Action_Text_drucken_oder_laden;
    QAction *Action_Text_drucken;
    QAction *Action_Text_laden;
    QMenu *PopupMenu1;
    QAction *Item_Text_drucken_oder_laden;
    QAction *Item_Text_drucken;
    QAction *Item_Text_laden;

public slots:
    void Action_Text_drucken_oder_ladenExecute();
    void Action_Text_druckenExecute();
    void Action_Text_ladenExecute();

private:
    QString m_Dokumentname;
    TOKBottomDlg_drucken_oder_speichern *Dlg_drucken_oder_speichern = nullptr;
    TDialog_Abfrage_Drucken *Dialog_Abfrage_Drucken = nullptr;
};
