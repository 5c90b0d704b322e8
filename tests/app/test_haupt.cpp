#include "app/TF_Haupt.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "evaluation/F_Auswertung_Tabelle_0_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_4_Datei.h"
#include "evaluation/Protokoll_Kopfzeilen.h"
#include "evaluation/TStringGrid.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/Antwort_Bewertung.h"
#include "exercises/TFrame_Auswertung_kurz.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TDlg_Memo_darstellen1.h"
#include "tests/support/Modale_Dialoge.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <memory>

// The exercise page driven through the main window, as the pupil uses it.
class Test_Haupt : public QObject
{
    Q_OBJECT

    std::unique_ptr<TF_Haupt> Fenster;
    TFrame_Tarvo_Uebungen *Uebung = nullptr;
    TF_Auswertung *Auswertung = nullptr;
    QLineEdit *Feld = nullptr;

    template <typename T>
    T *finden(const char *Name)
    {
        // The demonstrator page reuses some control names: the exercise page comes first.
        const QString Objektname = QString::fromLatin1(Name);
        T *Objekt = Fenster->TabSheet4->findChild<T *>(Objektname);
        if (!Objekt)
            Objekt = Fenster->findChild<T *>(Objektname);
        if (!Objekt)
            qFatal("no control %s", Name);
        return Objekt;
    }

    TFarbe Verdikt_Farbe() { return finden<TPanel>("Panel_2_1_3")->Farbe(); }
    QStringList Erlaeuterungen() { return finden<QTextEdit>("RichEdit_Erlaeterungen")->toPlainText().split(u'\n'); }
    QStringList Kurz_Texte()
    {
        QStringList T;
        for (const char *N : {"Edit_Anzahl_gestellter_Aufgaben", "Edit_richtig_geloester_Aufgaben",
                              "Edit_falsch_geloester_Aufgaben", "Edit_Prozentzahl"})
            T << finden<QLineEdit>(N)->text();
        return T;
    }

    void eingeben(const QString &Text, Qt::KeyboardModifiers Umschalt = Qt::NoModifier)
    {
        Feld->setText(Text);
        QTest::keyClick(Feld, Qt::Key_Return, Umschalt);
    }
    void richtig_antworten() { eingeben(Uebung->Aufgabe().STR_Ergebnis); }
    void falsch_antworten() { eingeben(QString::number(Uebung->Aufgabe().Ergebnis + 1)); }

    void Rechenart_klicken(int Zeile)
    {
        auto *Liste = finden<QListWidget>("ListBox_Rechenart_waehlen");
        QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {}, Liste->visualItemRect(Liste->item(Zeile)).center());
    }
    void Knopf_klicken(const char *Gruppe, int Index)
    {
        QRadioButton *Knopf = finden<TRadioGroup>(Gruppe)->Button(Index);
        QTest::mouseClick(Knopf, Qt::LeftButton, {}, QPoint(6, Knopf->height() / 2));
    }

private slots:
    void init()
    {
        Fenster = std::make_unique<TF_Haupt>();
        Fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(Fenster.get()));
        Uebung = finden<TFrame_Tarvo_Uebungen>("Frame_Tarvo_Uebungen1");
        Auswertung = finden<TF_Auswertung>("F_Auswertung2");
        Feld = finden<QLineEdit>("MaskEdit_Schuelerloesung");
        QVERIFY(QTest::qWaitFor([&] { return Feld->hasFocus(); }));
    }

    void cleanup() { Fenster.reset(); }

    void Startzustand()
    {
        auto *Seiten = finden<QTabWidget>("PageControl1");
        QCOMPARE(Seiten->currentIndex(), 0);
        const QStringList Reiter{"Tarvo (Übungen)", "Tarvo (Rechenwege zeigen)", "Informationen zum Tarvo",
                                 "Informationen zum Programm"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Seiten->tabText(i), Reiter.at(i));
        QCOMPARE(Fenster->windowTitle(), QStringLiteral("Übungsprogramm zum Tarvo (ganze Zahlen) (Version: 2.0.0.0)"));
        QCOMPARE(finden<QAction>("M_beenden")->text(), QStringLiteral("be&enden"));
        QCOMPARE(finden<QFrame>("Panel_2_1")->width(), 420);

        const QLabel *Aufgabe = finden<QLabel>("Label_Aufgabenstellung");
        QVERIFY(Aufgabe->text().startsWith(QStringLiteral(" Aufgabe : (")));
        QVERIFY(Aufgabe->text().endsWith(QStringLiteral(") = ")));
        QCOMPARE(Feld->geometry().top(), Aufgabe->geometry().top() + (Aufgabe->height() - Feld->height()) / 2);
        QVERIFY(Feld->geometry().left() >= Aufgabe->geometry().right());

        QVERIFY(!finden<QFrame>("Panel_2_2")->isVisible());
        QVERIFY(!finden<QPushButton>("Button_Auswertung_reseten")->isVisible());
        QCOMPARE(Kurz_Texte(), (QStringList{"-", "-", "-", "-"}));
        QCOMPARE(Verdikt_Farbe(), Farbe_Grau);
        QCOMPARE(Auswertung->Anzahl_Uebergaben(), 1);
        QCOMPARE(Auswertung->Protokoll_Zeilen(), Protokoll_Kopfzeilen());
        QCOMPARE(finden<QTextEdit>("RichEdit_Einstellungen")->toPlainText().split(u'\n'),
                 Einstellungs_Zeilen(TRechenart::Addition, TSchwierigkeitsgrad::leicht));
    }

    void Fenster_passt_mit_und_ohne_Auswertung_auf_den_Schirm()
    {
        const QRect Schirm = Fenster->screen()->availableGeometry();
        const QRect Rahmen = Fenster->frameGeometry();
        QVERIFY(Schirm.contains(Rahmen));
        for (int Wahl : {0, 1, 0}) {
            Knopf_klicken("RadioGroup_Auswertung", Wahl);
            QCoreApplication::processEvents();
            QCOMPARE(Fenster->frameGeometry(), Rahmen);
        }
        // The page scrolls; the answer field is in view without scrolling.
        QCOMPARE(Feld->visibleRegion().boundingRect(), Feld->rect());
    }

    void Seitenwechsel_und_Beenden()
    {
        auto *Seiten = finden<QTabWidget>("PageControl1");
        Seiten->setCurrentIndex(2);
        Seiten->setFocus();
        QVERIFY(!Feld->hasFocus());
        Seiten->setCurrentIndex(0);
        QVERIFY(QTest::qWaitFor([&] { return Feld->hasFocus(); }));
        finden<QAction>("M_beenden")->trigger();
        QVERIFY(!Fenster->isVisible());
    }

    void Richtige_und_falsche_Antwort()
    {
        const TEinstellung_Aufgabe Erste = Uebung->Aufgabe();
        richtig_antworten();
        QCOMPARE(Verdikt_Farbe(), Farbe_Lime);
        QCOMPARE(Erlaeuterungen(), Antwort_bewerten(Erste, Erste.Ergebnis).Erlaeuterungen);
        QCOMPARE(Erlaeuterungen().at(3), u' ' + Aufgaben_Text(Erste) + Erste.STR_Ergebnis);
        QCOMPARE(Kurz_Texte(), (QStringList{"1", "1", "0", "100.0%"}));
        QCOMPARE(Grundfarbe(finden<QLineEdit>("Edit_falsch_geloester_Aufgaben")), Farbe_Silber);
        QCOMPARE(Grundfarbe(finden<QLineEdit>("Edit_richtig_geloester_Aufgaben")), Farbe_Hellgruen);
        QCOMPARE(Feld->text(), QString());
        QVERIFY(Feld->hasFocus());

        const TEinstellung_Aufgabe Zweite = Uebung->Aufgabe();
        falsch_antworten();
        QCOMPARE(Verdikt_Farbe(), Farbe_Rot);
        const QString T = Aufgaben_Text(Zweite);
        const QString A = QString::number(Zweite.Ergebnis + 1);
        QCOMPARE(Erlaeuterungen(),
                 (QStringList{"", " Die alte Aufgabe ist falsch gelöst !", "", " gefundene Lösung : " + T + A,
                              " richtige Lösung  : " + T + Zweite.STR_Ergebnis}));
        QCOMPARE(Kurz_Texte(), (QStringList{"2", "1", "1", " 50.0%"}));
        QCOMPARE(Grundfarbe(finden<QLineEdit>("Edit_falsch_geloester_Aufgaben")), Farbe_Rot);

        const TStatistik_Werte Alle = Auswertung->Stand().Statistik.alle_Werte;
        QCOMPARE(Alle, (TStatistik_Werte{2, 1, 1, 2, 1, 1}));
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Anzahl_Aufgaben, 2);
        QVERIFY(Uebung->Aufgaben_Ergebnis().Protokollzeile.endsWith(QStringLiteral("(falsch  gelöst)")));
        QCOMPARE(Auswertung->Anzahl_Uebergaben(), 3);

        // Any other key turns the verdict neutral and clears the explanation.
        QTest::keyClick(Feld, Qt::Key_5);
        QCOMPARE(Verdikt_Farbe(), Farbe_Grau);
        QCOMPARE(finden<QTextEdit>("RichEdit_Erlaeterungen")->toPlainText(), QString());
        QCOMPARE(Feld->text(), QStringLiteral("5")); // the key reaches the field
    }

    void Ungueltige_Eingaben_zaehlen_nichts()
    {
        for (const char *Text : {"", "abc", "7 ", "2147483648", "$100000000", "-"}) {
            richtig_antworten(); // lime, so the change to gray shows
            const TEinstellung_Aufgabe Vorher = Uebung->Aufgabe();
            const QString Aufgabe = finden<QLabel>("Label_Aufgabenstellung")->text();
            const int Uebergaben = Auswertung->Anzahl_Uebergaben();
            const QStringList Protokoll = Auswertung->Protokoll_Zeilen();
            const QStringList Kurz = Kurz_Texte();
            eingeben(QString::fromLatin1(Text));
            QCOMPARE(Feld->text(), QString());
            QCOMPARE(Verdikt_Farbe(), Farbe_Grau);
            QCOMPARE(Auswertung->Anzahl_Uebergaben(), Uebergaben);
            QCOMPARE(Auswertung->Protokoll_Zeilen(), Protokoll);
            QCOMPARE(Kurz_Texte(), Kurz);
            QCOMPARE(finden<QLabel>("Label_Aufgabenstellung")->text(), Aufgabe);
            QCOMPARE(Uebung->Aufgabe().Zahl_1, Vorher.Zahl_1);
            QCOMPARE(Uebung->Aufgabe().Zahl_2, Vorher.Zahl_2);
        }
        QCOMPARE(Auswertung->Stand().Statistik.alle_Werte.Anzahl, 6);
    }

    void Umschalttasten_bewerten_nichts()
    {
        richtig_antworten();
        for (auto M : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
            const int Uebergaben = Auswertung->Anzahl_Uebergaben();
            eingeben(Uebung->Aufgabe().STR_Ergebnis, M);
            QCOMPARE(Auswertung->Anzahl_Uebergaben(), Uebergaben);
            QCOMPARE(Feld->text(), Uebung->Aufgabe().STR_Ergebnis);
            QCOMPARE(Verdikt_Farbe(), Farbe_Lime);
            QCOMPARE(finden<QTextEdit>("RichEdit_Erlaeterungen")->toPlainText(), QString());
            QVERIFY(Feld->hasFocus());
        }
        QCOMPARE(Kurz_Texte().at(0), QStringLiteral("1"));
    }

    void Rechenart_erneut_gewaehlt_und_gezogen()
    {
        // A click on the operation already chosen poses a new task of it.
        int Uebergaben = Auswertung->Anzahl_Uebergaben();
        Rechenart_klicken(0);
        QCOMPARE(Auswertung->Anzahl_Uebergaben(), Uebergaben + 1);
        QVERIFY(Feld->hasFocus());

        // Dragging from one operation to another: list and task agree, one take-over.
        auto *Liste = finden<QListWidget>("ListBox_Rechenart_waehlen");
        const auto Mitte = [Liste](int Zeile) { return Liste->visualItemRect(Liste->item(Zeile)).center(); };
        Uebergaben = Auswertung->Anzahl_Uebergaben();
        QTest::mousePress(Liste->viewport(), Qt::LeftButton, {}, Mitte(0));
        QMouseEvent Bewegung(QEvent::MouseMove, Mitte(3), Liste->viewport()->mapToGlobal(Mitte(3)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Liste->viewport(), &Bewegung);
        QTest::mouseRelease(Liste->viewport(), Qt::LeftButton, {}, Mitte(3));
        QCOMPARE(Liste->currentRow(), 3);
        QCOMPARE(Uebung->Aufgabe().Rechenzeichen, QChar(u':'));
        QCOMPARE(Auswertung->Anzahl_Uebergaben(), Uebergaben + 1);
    }

    void Sequenzen_durch_Klicks()
    {
        const int Start = Auswertung->Anzahl_Uebergaben();
        Rechenart_klicken(1); // no answer yet: still sequence 1
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Nr_Uebungssequenz, std::uint8_t(1));
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Rechenart, std::uint8_t(2));
        QCOMPARE(Uebung->Aufgabe().Rechenzeichen, QChar(u'-'));
        QCOMPARE(Auswertung->Anzahl_Uebergaben(), Start + 1);
        QCOMPARE(Auswertung->Protokoll_Zeilen().size(), 4);
        QVERIFY(Feld->hasFocus());

        richtig_antworten();
        Knopf_klicken("RadioGroup_Schwierigkeitsgrad", 1);
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Nr_Uebungssequenz, std::uint8_t(2));
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Schwierigkeitsgrad, std::uint8_t(2));
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Anzahl_Aufgaben, 0);
        QCOMPARE(Auswertung->Protokoll_Zeilen().size(), 6);
        QCOMPARE(Auswertung->Protokoll_Zeilen().last(), QString());
        QCOMPARE(Auswertung->Anzahl_Uebergaben(), Start + 3);
        QVERIFY(Feld->hasFocus());

        Knopf_klicken("RadioGroup_Schwierigkeitsgrad", 2); // again no answer in between
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Nr_Uebungssequenz, std::uint8_t(2));
        QCOMPARE(Auswertung->Protokoll_Zeilen().size(), 6);
        Rechenart_klicken(3);
        QCOMPARE(finden<QTextEdit>("RichEdit_Einstellungen")->toPlainText().split(u'\n').at(3),
                 QStringLiteral(" Schwierigkeitsgrad : schwer : 9 Punkt(e)"));

        // Up to sequence 24, then the numbering starts again at 1 and the
        // basic-values table restarts with a modal notice, shown exactly once.
        int Hinweise = 0;
        QStringList Hinweis_Zeilen;
        {
            const TDialoge_beantworten Schliesser([&](QDialog *Dialog) {
                if (auto *Hinweis = qobject_cast<TDlg_Memo_darstellen1 *>(Dialog)) {
                    ++Hinweise;
                    Hinweis_Zeilen = Hinweis->Zeilen();
                }
                Dialog->accept();
            });
            for (int Nr = 2; Nr <= 24; ++Nr) {
                QCOMPARE(int(Uebung->Aufgaben_Ergebnis().Nr_Uebungssequenz), Nr);
                falsch_antworten();
                Rechenart_klicken(Nr % 4);
            }
        }
        QCOMPARE(Hinweise, 1);
        QCOMPARE(
            Hinweis_Zeilen,
            QStringList(
                {QStringLiteral(" "), QStringLiteral("Die vorherigen Übungseinheiten werden nicht mehr angezeigt."),
                 QStringLiteral("Sie werden aber in der weiteren statistischen Auswertung mit einbezogen."),
                 QStringLiteral(" "), QStringLiteral("Sie können die Übungseinheiten im Protokoll einsehen. ")}));
        QCOMPARE(Uebung->Aufgaben_Ergebnis().Nr_Uebungssequenz, std::uint8_t(1));
        richtig_antworten();
        QVERIFY(Uebung->Aufgaben_Ergebnis().Protokollzeile.startsWith(QStringLiteral(" Übungssequenz: 1|")));

        // Rows restart at row 2; the other tables and the protocol keep everything.
        const TStringGrid *Grundwerte = Auswertung->F_Auswertung_Tabelle_01->StringGrid_Auswertung_0;
        QCOMPARE(Grundwerte->Zelle(2, 3), QStringLiteral("1"));
        QCOMPARE(Grundwerte->Zelle(2, 4), QStringLiteral("1"));
        for (int Zeile = 3; Zeile <= 25; ++Zeile)
            QCOMPARE(Grundwerte->Zelle(Zeile, 0), QString());
        QCOMPARE(Auswertung->Stand().Statistik.alle_Werte.Anzahl, 25);
        QCOMPARE(Auswertung->F_Auswertung_Tabelle_4_1->Datenzeilen().at(0).at(3), QStringLiteral("25"));
        const QStringList Protokoll = Auswertung->Protokoll_Zeilen();
        QCOMPARE(Protokoll.filter(QStringLiteral(" Übungssequenz: ")).size(), 25);
        QCOMPARE(Protokoll.count(QString()), 1 + 24); // header's empty line, one per new sequence
    }

    void Detailauswertung_zeigen_und_beide_loeschen()
    {
        Knopf_klicken("RadioGroup_Auswertung", 0);
        QVERIFY(finden<QFrame>("Panel_2_2")->isVisible());
        auto *Loeschen = finden<QPushButton>("Button_Auswertung_reseten");
        QVERIFY(Loeschen->isVisible());
        QVERIFY(Feld->hasFocus());

        Knopf_klicken("RadioGroup_Schwierigkeitsgrad", 2);
        Rechenart_klicken(2);
        richtig_antworten();
        falsch_antworten();
        const int Uebergaben = Auswertung->Anzahl_Uebergaben();
        QTest::mouseClick(Loeschen, Qt::LeftButton);

        QCOMPARE(Auswertung->Anzahl_Uebergaben(), Uebergaben + 2);
        QCOMPARE(Auswertung->Stand().Statistik, TStatistik_Speicher{});
        QCOMPARE(Auswertung->Protokoll_Zeilen(), Protokoll_Kopfzeilen());
        QCOMPARE(finden<QListWidget>("ListBox_Rechenart_waehlen")->currentRow(), 0);
        QCOMPARE(finden<TRadioGroup>("RadioGroup_Schwierigkeitsgrad")->ItemIndex(), 2);
        const TAufgaben_Ergebnis &E = Uebung->Aufgaben_Ergebnis();
        QCOMPARE(E.Nr_Uebungssequenz, std::uint8_t(1));
        QCOMPARE(E.Rechenart, std::uint8_t(1));
        QCOMPARE(E.Schwierigkeitsgrad, std::uint8_t(3));
        QCOMPARE(E.Anzahl_Aufgaben, 0);
        QCOMPARE(Uebung->Aufgabe().Rechenzeichen, QChar(u'+'));
        QCOMPARE(Auswertung->Stand().Listenwerte.Schwierigkeitsgrad_Text, QStringLiteral("schwer"));
        QCOMPARE(Kurz_Texte(), (QStringList{"-", "-", "-", "-"}));
        QCOMPARE(Verdikt_Farbe(), Farbe_Grau);
        QCOMPARE(finden<QTextEdit>("RichEdit_Erlaeterungen")->toPlainText(), QString());
        QVERIFY(finden<QFrame>("Panel_2_2")->isVisible());
        QVERIFY(Feld->hasFocus());

        Knopf_klicken("RadioGroup_Auswertung", 1);
        QVERIFY(!finden<QFrame>("Panel_2_2")->isVisible());
        QVERIFY(Feld->hasFocus());
    }

    void Kurze_Auswertung_allein_neu_beginnen()
    {
        richtig_antworten();
        falsch_antworten();
        auto *Knopf = finden<QPushButton>("Button_Werte_zuruecksetzen");
        QCOMPARE(Knopf->text(), QStringLiteral("kurze Auswertung neu beginnen"));
        QTest::mouseClick(Knopf, Qt::LeftButton);
        QCOMPARE(Kurz_Texte(), (QStringList{"-", "-", "-", "-"}));
        QCOMPARE(Grundfarbe(finden<QLineEdit>("Edit_falsch_geloester_Aufgaben")), Farbe_Rot);
        QCOMPARE(Auswertung->Stand().Statistik.alle_Werte.Anzahl, 2);
        QVERIFY(Feld->hasFocus());
        richtig_antworten();
        QCOMPARE(Kurz_Texte(), (QStringList{"1", "1", "0", "100.0%"}));
        QCOMPARE(Grundfarbe(finden<QLineEdit>("Edit_falsch_geloester_Aufgaben")), Farbe_Silber);
    }

    void Zehn_Multiplikationen_mittel()
    {
        Rechenart_klicken(2);
        Knopf_klicken("RadioGroup_Schwierigkeitsgrad", 1);
        for (int i = 0; i < 10; ++i)
            i < 7 ? richtig_antworten() : falsch_antworten();
        const TStatistik_Werte W{10, 7, 3, 60, 42, 18};
        TStatistik_Speicher Erwartet;
        Erwartet.Kategorie_Unterkategorie[2][1] = W;
        Erwartet.Kategorie[2] = W;
        Erwartet.Unterkategorie[1] = W;
        Erwartet.alle_Werte = W;
        QCOMPARE(Auswertung->Stand().Statistik, Erwartet);
        QCOMPARE(Kurz_Texte(), (QStringList{"10", "7", "3", " 70.0%"}));
    }

    void Protokoll_mit_zwei_Sequenzen()
    {
        QStringList Erwartet = Protokoll_Kopfzeilen();
        for (int i = 0; i < 3; ++i) {
            i == 1 ? falsch_antworten() : richtig_antworten();
            Erwartet << Uebung->Aufgaben_Ergebnis().Protokollzeile;
        }
        Rechenart_klicken(3);
        Erwartet << QString();
        for (int i = 0; i < 2; ++i) {
            richtig_antworten();
            Erwartet << Uebung->Aufgaben_Ergebnis().Protokollzeile;
        }
        QCOMPARE(Auswertung->Protokoll_Zeilen(), Erwartet);
        QCOMPARE(Erwartet.size(), 10);
        QVERIFY(Erwartet.at(5).contains(QStringLiteral("(falsch  gelöst)")));
        QVERIFY(Erwartet.at(8).startsWith(QStringLiteral(" Übungssequenz: 2|Division      |leicht| Aufgabe : (")));
    }
};

QTEST_MAIN(Test_Haupt)
#include "test_haupt.moc"
