#pragma once

#include <QMainWindow>

class QAction;
class QMenuBar;
class QTabWidget;
class QWidget;
class TFrame_Tarvo_Uebungen;
namespace Ui { class TF_Haupt; }

// The program's only main window.
class TF_Haupt : public QMainWindow
{
    Q_OBJECT
public:
    explicit TF_Haupt(QWidget *parent = nullptr);
    ~TF_Haupt() override;

    QMenuBar *MainMenu1;
    QAction *M_beenden;
    QTabWidget *PageControl1;
    QWidget *TabSheet4;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QWidget *TabSheet3;
    TFrame_Tarvo_Uebungen *Frame_Tarvo_Uebungen1;

public slots:
    void FormCreate();
    void FormShow();
    void PageControl1Change();
    void Frame_Tarvo_Uebungen1ListBox_Rechenart_waehlenClick();
    void Frame_Tarvo_Uebungen1RadioGroup_SchwierigkeitsgradClick();
    void Frame_Tarvo_Uebungen1RadioGroup_AuswertungClick();
    void M_beendenClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The pupil can type at once whenever the exercise page is shown.
    void Antwortfeld_fokussieren();

    Ui::TF_Haupt *ui;
};
