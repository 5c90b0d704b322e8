#pragma once

#include "core/TEinstellungen_nur_fuer_den_Lauf.h"

#include <QApplication>
#include <QTranslator>

// The application object: an exception thrown by an event handler is shown
// through the general error report, and the program goes on with the next
// event. Qt's own texts are German; nothing of a run is kept for the next one.
class TTarvo_Anwendung : public QApplication
{
    Q_OBJECT
public:
    TTarvo_Anwendung(int &argc, char **argv);

    bool notify(QObject *Empfaenger, QEvent *Ereignis) override;

private:
    TEinstellungen_nur_fuer_den_Lauf Einstellungen;
    QTranslator Qt_Uebersetzung;
};
