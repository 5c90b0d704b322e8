#include "tests/support/Dialog_Hilfen.h"

#include "app/TF_Haupt.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "app/TTarvo_Anwendung.h"
#include "core/Ausgabe_Vorgaben.h"
#include "core/Zahlentexte.h"
#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"
#include "evaluation/TF_Auswertung.h"
#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"

#include <QDirIterator>
#include <QPushButton>
#include <QTemporaryDir>

// A lesson under a fresh home folder, with the program's own application
// object: after two saves through the real save dialog the home folder holds
// the two saved files and nothing else (no settings, no history).
class Test_Nichts_bleibt : public QObject
{
    Q_OBJECT
public:
    explicit Test_Nichts_bleibt(const QString &Home)
        : Home(Home)
    {
    }

private:
    const QString Home;

    QStringList Alles_unter_Home() const
    {
        QStringList Dateien;
        QDirIterator Durchlauf(Home, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDirIterator::Subdirectories);
        while (Durchlauf.hasNext())
            Dateien.append(QDir(Home).relativeFilePath(Durchlauf.next()));
        Dateien.sort();
        return Dateien;
    }

private slots:
    void Zwei_Speicherungen_hinterlassen_nur_die_Dateien()
    {
        QCOMPARE(QDir::homePath(), Home);
        {
            TF_Haupt Fenster;
            Fenster.Dialoge_erzeugen();
            Fenster.show();
            TFrame_Tarvo_Uebungen *Uebung = Fenster.Frame_Tarvo_Uebungen1;
            for (int i = 0; i < 3; ++i) {
                Uebung->MaskEdit_Schuelerloesung->setText(Integer_zu_Text(Uebung->Aufgabe().Ergebnis));
                QTest::keyClick(Uebung->MaskEdit_Schuelerloesung, Qt::Key_Return);
            }

            QString Ordner_beim_zweiten;
            Beim_naechsten_Dialog([&](QWidget *Auswahl) {
                Beim_naechsten_Dialog(
                    [&](QWidget *Speichern) {
                        Speichern_unter(Speichern, QDir(Home).filePath(QStringLiteral("Protokoll_zum_Tarvo.txt")));
                    },
                    Auswahl);
                QTest::mouseClick(Fenster.Dlg_Protokoll_Auswertung_speichern_drucken->Btn_Protokoll_speichern,
                                  Qt::LeftButton);
            });
            QTest::mouseClick(Uebung->F_Auswertung2->Button_Protokoll_Statistik_drucken_speichern, Qt::LeftButton);

            Beim_naechsten_Dialog([&](QWidget *Auswahl) {
                Beim_naechsten_Dialog(
                    [&](QWidget *Speichern) {
                        Ordner_beim_zweiten = qobject_cast<QFileDialog *>(Speichern)->directory().absolutePath();
                        Speichern_unter(Speichern, QDir(Home).filePath(QStringLiteral("info.txt")));
                    },
                    Auswahl);
                QTest::mouseClick(Fenster.OKBottomDlg_drucken_oder_speichern->Button_speichern, Qt::LeftButton);
            });
            QTest::mouseClick(Fenster.Frame_RTF_Text_mit_drucken_Laden11->Button_drucken_und_laden, Qt::LeftButton);
            // The second dialog starts in the proposed folder again, not where the first one ended.
            QCOMPARE(Ordner_beim_zweiten, Speicher_Ordner_vorschlagen());
        }
        QCOMPARE(Alles_unter_Home(),
                 (QStringList{QStringLiteral("Protokoll_zum_Tarvo.txt"), QStringLiteral("info.txt")}));
        QVERIFY(
            Datei_lesen(QDir(Home).filePath(QStringLiteral("info.txt"))).startsWith(" Informationen zum Tarvo\r\n"));
    }
};

int main(int argc, char *argv[])
{
    // Every place Qt and the XDG rules put per-user files follows HOME.
    QTemporaryDir Home;
    qputenv("HOME", QFile::encodeName(Home.path()));
    for (const char *Name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qunsetenv(Name);
    int Ergebnis = 0;
    {
        TTarvo_Anwendung Anwendung(argc, argv);
        Test_Nichts_bleibt Test(QDir(Home.path()).canonicalPath());
        Ergebnis = QTest::qExec(&Test, argc, argv);
    }
    return Ergebnis;
}

#include "test_nichts_bleibt.moc"
