#include "core/widgets/TListBox.h"

#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTest>

class Test_ListBox : public QObject
{
    Q_OBJECT

    TListBox *Liste = nullptr;

    QPoint Mitte(int Zeile) const { return Liste->visualItemRect(Liste->item(Zeile)).center(); }

private slots:
    void init()
    {
        Liste = new TListBox;
        Liste->addItems({QStringLiteral(" Addition"), QStringLiteral(" Subtraktion"), QStringLiteral(" Division")});
        {
            const QSignalBlocker Sperre(Liste);
            Liste->setCurrentRow(0);
        }
        Liste->show();
        QVERIFY(QTest::qWaitForWindowExposed(Liste));
    }

    void cleanup() { delete Liste; }

    void Jede_Wahl_meldet_sich_genau_einmal()
    {
        QSignalSpy Klicks(Liste, &TListBox::Click);
        QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {}, Mitte(1));
        QCOMPARE(Klicks.size(), 1);
        QCOMPARE(Liste->currentRow(), 1);
        // The item already chosen: nothing changes, but it is a choice all the same.
        QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {}, Mitte(1));
        QCOMPARE(Klicks.size(), 2);
        QTest::keyClick(Liste, Qt::Key_Down);
        QCOMPARE(Klicks.size(), 3);
        QCOMPARE(Liste->currentRow(), 2);
    }

    void Ziehen_auf_ein_anderes_Element_zaehlt()
    {
        QSignalSpy Klicks(Liste, &TListBox::Click);
        QTest::mousePress(Liste->viewport(), Qt::LeftButton, {}, Mitte(0));
        QMouseEvent Bewegung(QEvent::MouseMove, Mitte(2), Liste->viewport()->mapToGlobal(Mitte(2)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Liste->viewport(), &Bewegung);
        QTest::mouseRelease(Liste->viewport(), Qt::LeftButton, {}, Mitte(2));
        QCOMPARE(Liste->currentRow(), 2);
        QCOMPARE(Klicks.size(), 1);
    }

    void Gesperrte_Auswahl_im_Programm_meldet_nichts()
    {
        QSignalSpy Klicks(Liste, &TListBox::Click);
        const QSignalBlocker Sperre(Liste);
        Liste->setCurrentRow(2);
        QCOMPARE(Klicks.size(), 0);
    }
};

QTEST_MAIN(Test_ListBox)
#include "test_listbox.moc"
