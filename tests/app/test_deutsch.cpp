#include "tests/support/Dialog_Hilfen.h"

#include "app/TF_Haupt.h"
#include "app/TTarvo_Anwendung.h"
#include "core/widgets/Text_speichern.h"
#include "core/Textdatei.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTreeView>
#include <QTemporaryDir>
#include <QTextEdit>

// Under LANG=C Qt's own windows would be English: the save dialog, its
// overwrite question and the context menus of the answer field and of a
// text box are read back and must not hold an English word.
class Test_Deutsch : public QObject
{
    Q_OBJECT

    QStringList Gelesen;

    // Every text the pupil can see or point at in a window.
    static QStringList Texte(QWidget *Fenster)
    {
        QStringList T{Fenster->windowTitle()};
        for (QWidget *W : Fenster->findChildren<QWidget *>()) {
            if (!W->isVisibleTo(Fenster))
                continue;
            T << W->toolTip();
            if (auto *L = qobject_cast<QLabel *>(W))
                T << L->text();
            if (auto *K = qobject_cast<QAbstractButton *>(W))
                T << K->text();
            if (auto *C = qobject_cast<QComboBox *>(W))
                for (int i = 0; i < C->count(); ++i)
                    T << C->itemText(i);
            if (auto *H = qobject_cast<QHeaderView *>(W); H && H->model())
                for (int i = 0; i < H->count(); ++i)
                    T << H->model()->headerData(i, H->orientation()).toString();
        }
        if (auto *M = qobject_cast<QMessageBox *>(Fenster))
            T << M->text();
        return T;
    }

    // Opens a context menu as a right click would; some are shown modally, some not.
    static QStringList Menue_Texte(QWidget *Feld)
    {
        QStringList T;
        bool gelesen = false;
        QTimer::singleShot(0, [&] {
            if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 5000))
                return;
            if (auto *Menue = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *A : Menue->actions())
                    T << A->text();
                Menue->close();
            }
            gelesen = true;
        });
        QContextMenuEvent Ereignis(QContextMenuEvent::Mouse, QPoint(5, 5), Feld->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(Feld, &Ereignis);
        if (!QTest::qWaitFor([&] { return gelesen; }, 5000))
            return {};
        return T;
    }

private slots:
    void Speicherdialog_und_Ueberschreibfrage()
    {
        QTemporaryDir Ordner;
        const QString Pfad = Ordner.filePath(QStringLiteral("alt.txt"));
        // Over a KiB, so its size has a decimal comma in German.
        const QStringList Alt(300, QStringLiteral("alt"));
        QCOMPARE(Textdatei_schreiben(Pfad, Alt), QString());
        QWidget Eltern;
        bool Frage_gesehen = false;
        QStringList Groesse_und_Datum;
        Beim_naechsten_Dialog([&](QWidget *Speichern) {
            Gelesen << Texte(Speichern);
            // Sizes and dates in the file list as German writes them, whatever the system's language.
            static_cast<QFileDialog *>(Speichern)->setDirectory(Ordner.path());
            auto *Liste = Speichern->findChild<QTreeView *>();
            const auto Zeile = [Liste] { return Liste->model()->index(0, 1, Liste->rootIndex()); };
            if (QTest::qWaitFor([&] { return !Zeile().data().toString().isEmpty(); }, 5000))
                Groesse_und_Datum << Zeile().data().toString() << Zeile().siblingAtColumn(3).data().toString();
            Beim_naechsten_Dialog(
                [&](QWidget *Frage) {
                    Frage_gesehen = true;
                    Gelesen << Texte(Frage);
                    qobject_cast<QMessageBox *>(Frage)->button(QMessageBox::No)->click();
                    Beim_naechsten_Dialog([](QWidget *S) { static_cast<QDialog *>(S)->reject(); }, Frage);
                },
                Speichern);
            Speichern_unter(Speichern, Pfad);
        });
        QVERIFY(!Text_speichern_mit_Dialog(&Eltern, {{QStringLiteral("neu")}, 13}, QStringLiteral("alt"),
                                           QStringLiteral("alt"), TUeberschreiben::mit_Warnung));
        QVERIFY(Frage_gesehen);
        QVERIFY(Gelesen.contains(QStringLiteral("Speichern unter")));
        QCOMPARE(Datei_lesen(Pfad), Alt.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
        QCOMPARE(Groesse_und_Datum.value(0), QStringLiteral("1,46 KiB"));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$"))
                     .match(Groesse_und_Datum.value(1))
                     .hasMatch(),
                 qPrintable(Groesse_und_Datum.value(1)));
    }

    void Fenstertitel()
    {
        TF_Haupt Fenster;
        Fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
        const QString Titel = QStringLiteral("Übungsprogramm zum Tarvo (ganze Zahlen) (Version: 2.0.0.0)");
        QCOMPARE(Fenster.windowTitle(), Titel);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        // Panels and scripts read the title from both properties; xprop decodes either.
        QProcess Lesen;
        QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
        Umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        Lesen.setProcessEnvironment(Umgebung);
        Lesen.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(Fenster.winId()), QStringLiteral("WM_NAME"),
                     QStringLiteral("_NET_WM_NAME")});
        QVERIFY(Lesen.waitForFinished(5000));
        const QStringList Zeilen = QString::fromUtf8(Lesen.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(Zeilen.size(), 2);
        for (const QString &Zeile : Zeilen)
            QCOMPARE(Zeile.section(QStringLiteral(" = "), 1), u'"' + Titel + u'"');
    }

    void Kontextmenues()
    {
        TF_Haupt Fenster;
        Fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
        TFrame_Tarvo_Uebungen *Uebung = Fenster.Frame_Tarvo_Uebungen1;
        const QStringList Antwortfeld = Menue_Texte(Uebung->MaskEdit_Schuelerloesung);
        QVERIFY(Antwortfeld.size() > 3);
        QTextEdit *Box = Uebung->RichEdit_Erlaeterungen;
        const QStringList Textbox = Menue_Texte(Box->viewport());
        QVERIFY(!Textbox.isEmpty());
        Gelesen << Antwortfeld << Textbox;
    }

    void Kein_englisches_Wort()
    {
        QVERIFY(Gelesen.size() > 20);
        const QRegularExpression Englisch(QStringLiteral("\\b(Save|Cancel|Look in|File name|Yes|No|Undo|Copy|Paste|"
                                                         "Select All|already exists)\\b"));
        for (QString Text : std::as_const(Gelesen)) {
            Text.remove(u'&');
            QVERIFY2(!Englisch.match(Text).hasMatch(), qPrintable(Text));
        }
    }
};

int main(int argc, char *argv[])
{
    TTarvo_Anwendung Anwendung(argc, argv);
    Test_Deutsch Test;
    return QTest::qExec(&Test, argc, argv);
}

#include "test_deutsch.moc"
