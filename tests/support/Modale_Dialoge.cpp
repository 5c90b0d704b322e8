#include "tests/support/Modale_Dialoge.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

namespace {
QWidget *Gezeigter_modaler_Dialog(QWidget *Vorher)
{
    QWidget *Dialog = QApplication::activeModalWidget();
    return Dialog && Dialog != Vorher && Dialog->isVisible() ? Dialog : nullptr;
}
}

void Beim_naechsten_Dialog(std::function<void(QWidget *)> Antwort, QWidget *Vorher, std::function<void()> Ausbleiben)
{
    QTimer::singleShot(0, [Antwort, Vorher, Ausbleiben] {
        QWidget *Dialog = nullptr;
        if (QTest::qWaitFor([&] { return (Dialog = Gezeigter_modaler_Dialog(Vorher)) != nullptr; }, 5000))
            Antwort(Dialog);
        else if (Ausbleiben)
            Ausbleiben();
    });
}

TDialoge_beantworten::TDialoge_beantworten(std::function<void(QDialog *)> Antwort)
{
    QObject::connect(&Uhr, &QTimer::timeout, [Antwort] {
        auto *Dialog = qobject_cast<QDialog *>(Gezeigter_modaler_Dialog(nullptr));
        if (Dialog && Antwort)
            Antwort(Dialog);
        else if (Dialog)
            Dialog->accept();
    });
    Uhr.start(1);
}
