#include "core/widgets/TPageControl.h"
#include "core/widgets/TReiter_Leiste.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

// The multi-row page control as pupil, keyboard and screen reader use it.
class Test_PageControl : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> Fenster;
    TPageControl *Seiten = nullptr;
    TReiter_Leiste *Leiste = nullptr;
    QLineEdit *Feld = nullptr;

    const QStringList Beschriftungen = {"Sterne",
                                        "1. Statistik: Grundwerte",
                                        "2. Statistik: Kategorien bzw. Unterkategorien",
                                        "3. Statistik: Kategorien (mit allen Unterkategorien)",
                                        "4. Statistik: Unterkategorien (aus allen Kategorien)",
                                        "5. Statistik: alle Werte zusammen",
                                        "Protokoll"};

    int unterste_Zeile() const
    {
        int y = 0;
        for (int i = 0; i < Leiste->count(); ++i)
            y = std::max(y, Leiste->Reiter_Rechteck(i).y());
        return y;
    }

private slots:
    void init()
    {
        Fenster = std::make_unique<QWidget>();
        auto *Anordnung = new QVBoxLayout(Fenster.get());
        Seiten = new TPageControl;
        Anordnung->addWidget(Seiten);
        for (const QString &B : Beschriftungen) {
            auto *Seite = new QWidget;
            if (Seiten->count() == 1)
                Feld = new QLineEdit(Seite);
            Seiten->addTab(Seite, B);
        }
        Leiste = Seiten->tabBar();
        Fenster->resize(700, 400);
        Fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenster.get()));
    }

    void cleanup() { Fenster.reset(); }

    void Jede_Beschriftung_ganz_auf_mehreren_Zeilen()
    {
        QVERIFY(Leiste->Zeilen() > 1);
        QCOMPARE(Leiste->height(), Leiste->Zeilen() * Leiste->Reiter_Rechteck(0).height());
        // The page starts below all rows, none of them lies over it.
        QVERIFY(Seiten->currentWidget()->mapTo(Seiten, QPoint()).y() >= Leiste->geometry().bottom());
        for (int i = 0; i < Leiste->count(); ++i) {
            const QRect R = Leiste->Reiter_Rechteck(i);
            QVERIFY(Leiste->rect().contains(R));
            QVERIFY(R.width() > Leiste->fontMetrics().horizontalAdvance(Beschriftungen.at(i)));
        }
        // Narrower: more rows, and the bar grows with them.
        const int Zeilen = Leiste->Zeilen();
        Fenster->resize(480, 400);
        QVERIFY(QTest::qWaitFor([&] { return Leiste->Zeilen() > Zeilen; }));
        QVERIFY(QTest::qWaitFor(
            [&] { return Leiste->height() == Leiste->Zeilen() * Leiste->Reiter_Rechteck(0).height(); }));
    }

    void Maus_Tasten_und_Zeile_am_Blatt()
    {
        QSignalSpy Wechsel(Seiten, &TPageControl::currentChanged);
        // A click on a tab of an upper row opens its page and moves its row down to the page.
        const int Ziel = 4;
        QVERIFY(Leiste->Reiter_Rechteck(Ziel).y() < unterste_Zeile());
        QTest::mouseClick(Leiste, Qt::LeftButton, {}, Leiste->Reiter_Rechteck(Ziel).center());
        QCOMPARE(Seiten->currentIndex(), Ziel);
        QCOMPARE(Wechsel.size(), 1);
        QCOMPARE(Leiste->Reiter_Rechteck(Ziel).y(), unterste_Zeile());
        QCOMPARE(Leiste->Reiter_bei(Leiste->Reiter_Rechteck(2).center()), 2);

        Leiste->setFocus();
        QTest::keyClick(Leiste, Qt::Key_Right);
        QCOMPARE(Seiten->currentIndex(), Ziel + 1);
        QTest::keyClick(Leiste, Qt::Key_Left);
        QCOMPARE(Seiten->currentIndex(), Ziel);
        // Ctrl+Tab from inside a page as from the bar.
        Seiten->setCurrentIndex(1);
        Feld->setFocus();
        QTest::keyClick(Feld, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Seiten->currentIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Seiten->currentIndex(), 1);
    }

    void Groessere_Seite_erreicht_den_Eigner()
    {
        // Layout requests of the pages are cut short; a grown minimum must still arrive.
        const int vorher = Fenster->minimumSizeHint().height();
        Seiten->currentWidget()->setMinimumHeight(vorher + 200);
        QVERIFY(QTest::qWaitFor([&] { return Fenster->minimumSizeHint().height() > vorher + 200; }));
        QVERIFY(QTest::qWaitFor([&] { return Fenster->height() > vorher + 200; }));
    }

    void Zugang_sieht_Reiter_wo_sie_stehen()
    {
        QAccessibleInterface *Z = QAccessible::queryAccessibleInterface(Leiste);
        QCOMPARE(Z->role(), QAccessible::PageTabList);
        QCOMPARE(Z->childCount(), Beschriftungen.size());
        for (int i = 0; i < Z->childCount(); ++i) {
            QAccessibleInterface *R = Z->child(i);
            QCOMPARE(R->role(), QAccessible::PageTab);
            QCOMPARE(R->text(QAccessible::Name), Beschriftungen.at(i));
            QCOMPARE(R->parent(), Z);
            QCOMPARE(Z->indexOfChild(R), i);
            const QRect Lokal = Leiste->Reiter_Rechteck(i);
            QCOMPARE(R->rect(), QRect(Leiste->mapToGlobal(Lokal.topLeft()), Lokal.size()));
            QCOMPARE(Z->childAt(R->rect().center().x(), R->rect().center().y()), R);
        }
        QAccessibleInterface *Protokoll = Z->child(6);
        Protokoll->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Seiten->currentIndex(), 6);
        QVERIFY(Protokoll->state().selected);
        QVERIFY(!Z->child(0)->state().selected);
        QCOMPARE(Z->text(QAccessible::Name), QStringLiteral("Protokoll"));

        // Entering a page, the screen reader says the stack's name, not "layered pane".
        QAccessibleInterface *Stapel = QAccessible::queryAccessibleInterface(Seiten->currentWidget())->parent();
        QCOMPARE(Stapel->role(), QAccessible::LayeredPane);
        QCOMPARE(Stapel->text(QAccessible::Name), QStringLiteral("Protokoll"));
        Seiten->setTabText(6, QStringLiteral("Verlauf"));
        QCOMPARE(Stapel->text(QAccessible::Name), QStringLiteral("Verlauf"));
    }

    void Misst_und_malt_wie_ein_Reiterfeld()
    {
        // The same bar and pages on Qt's tab widget: the control must take
        // the same room, place its parts alike and look the same.
        struct Reiterfeld : QTabWidget
        {
            Reiterfeld() { setTabBar(new TReiter_Leiste(this)); }
        } Vorbild;
        for (int i = 0; i < Seiten->count(); ++i) {
            auto *Seite = new QWidget;
            if (i == 1)
                new QLineEdit(Seite);
            Vorbild.addTab(Seite, Beschriftungen.at(i));
        }
        Vorbild.show();
        for (int Breite : {700, 480}) {
            Fenster->resize(Breite, 400);
            const auto fertig = [](QWidget *Teil) { return Teil->height() == Teil->sizeHint().height(); };
            QVERIFY(QTest::qWaitFor(
                [&] { return Seiten->geometry() == Fenster->layout()->contentsRect() && fertig(Leiste); }));
            Vorbild.resize(Seiten->size());
            QVERIFY(QTest::qWaitFor([&] { return fertig(Vorbild.tabBar()); }));
            QCOMPARE(Seiten->sizeHint(), Vorbild.sizeHint());
            QCOMPARE(Seiten->minimumSizeHint(), Vorbild.minimumSizeHint());
            QCOMPARE(Leiste->geometry(), Vorbild.tabBar()->geometry());
            QCOMPARE(Seiten->currentWidget()->mapTo(Seiten, QPoint()),
                     Vorbild.currentWidget()->mapTo(&Vorbild, QPoint()));
            QCOMPARE(Seiten->currentWidget()->size(), Vorbild.currentWidget()->size());
            const auto Bild = [](QWidget *W) { return W->grab().toImage().convertToFormat(QImage::Format_RGB32); };
            QCOMPARE(Bild(Seiten), Bild(&Vorbild));
        }
    }
};

QTEST_MAIN(Test_PageControl)
#include "test_page_control.moc"
