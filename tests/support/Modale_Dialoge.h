#pragma once

// Acting on a modal dialog from the code that opens it, whose exec() blocks:
// used by the screen tests, the screenshot tool and the benchmark.

#include <QTimer>
#include <functional>

class QDialog;
class QWidget;

// Runs Antwort on the next modal dialog other than Vorher once it is shown;
// Ausbleiben runs instead when none is shown within five seconds.
void Beim_naechsten_Dialog(std::function<void(QWidget *)> Antwort, QWidget *Vorher = nullptr,
                           std::function<void()> Ausbleiben = {});

// While it lives, every modal dialog is answered as soon as it is shown,
// by Antwort, which closes it, or else accepted: for a notice that an action
// may or may not raise.
class TDialoge_beantworten
{
public:
    explicit TDialoge_beantworten(std::function<void(QDialog *)> Antwort = {});

private:
    QTimer Uhr;
};
