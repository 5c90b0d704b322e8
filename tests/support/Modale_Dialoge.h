#pragma once

// Acting on a modal dialog from the code that opens it, whose exec() blocks:
// used by the screen tests, the screenshot tool and the benchmark.

#include <QTimer>
#include <functional>

class QWidget;

// Runs Antwort on the next modal dialog other than Vorher once it is shown;
// Ausbleiben runs instead when none is shown within five seconds.
void Beim_naechsten_Dialog(std::function<void(QWidget *)> Antwort, QWidget *Vorher = nullptr,
                           std::function<void()> Ausbleiben = {});

// While it lives, every modal dialog is accepted as soon as it is shown: for
// a notice that an action may or may not raise.
class TDialoge_annehmen
{
public:
    TDialoge_annehmen();

private:
    QTimer Uhr;
};
