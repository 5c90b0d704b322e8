#include "core/widgets/TFenster_Einpasser.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>
#include <QTimer>

// Dialogs open inside the screen: at their own place where it fits, else
// moved the least distance, cut where they are larger than the screen.
class Test_Fenster_Einpasser : public QObject
{
    Q_OBJECT

    // The frame rectangle the dialog has while it is open.
    static QRect offen(QDialog &Dialog)
    {
        QRect Rahmen;
        QTimer::singleShot(0, &Dialog, [&] {
            Rahmen = Dialog.frameGeometry();
            Dialog.reject();
        });
        Dialog.exec();
        return Rahmen;
    }

private slots:
    void initTestCase() { qApp->installEventFilter(new TFenster_Einpasser(qApp)); }

    void Dialoge_bleiben_auf_dem_Schirm()
    {
        const QRect Schirm = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget Eigner;
        Eigner.resize(Schirm.size());
        Eigner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Eigner));

        QDialog Passt(&Eigner);
        Passt.setFixedSize(300, 200);
        Passt.move(Schirm.topLeft() + QPoint(40, 30));
        QCOMPARE(offen(Passt).topLeft(), Schirm.topLeft() + QPoint(40, 30));
        QCOMPARE(Passt.size(), QSize(300, 200));

        // Placed where a solution row would put it, near the bottom right.
        QDialog Unten(&Eigner);
        Unten.setFixedSize(300, 200);
        Unten.move(Schirm.right() - 100, Schirm.bottom() - 50);
        const QRect U = offen(Unten);
        QCOMPARE(U.bottomRight(), Schirm.bottomRight());
        QCOMPARE(Unten.size(), QSize(300, 200));

        // The wide information window on a small screen: as wide as the screen, its height kept.
        QDialog Breit(&Eigner);
        Breit.setFixedSize(Schirm.width() + 384, 437);
        Breit.move(Schirm.left() + 50, Schirm.top() + 60);
        const QRect R = offen(Breit);
        QCOMPARE(R.topLeft(), QPoint(Schirm.left(), Schirm.top() + 60));
        QCOMPARE(R.width(), Schirm.width());
        QCOMPARE(Breit.height(), 437);
    }
};

QTEST_MAIN(Test_Fenster_Einpasser)
#include "test_fenster_einpasser.moc"
