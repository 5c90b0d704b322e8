// Speed and memory figures of the exercise page, one line per figure:
//   tarvo_messung            all figures (starts itself with --start for the start-up)
//   tarvo_messung --start    internal: one start-up in a fresh process
//   tarvo_messung --nur logik|start|bildschirm   one part alone
// Run it on the offscreen platform in a Release build (scripts/messen.sh).

#include "app/TF_Haupt.h"
#include "app/TTarvo_Anwendung.h"
#include "core/widgets/TPageControl.h"
#include "core/widgets/TRadioGroup.h"
#include "core/Textdatei.h"
#include "core/Zufall.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "exercises/TUebungs_Ablauf.h"
#include "tests/support/Modale_Dialoge.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPaintEvent>
#include <QProcess>
#include <QRadioButton>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// TARVO_MESSUNG_ANTWORTEN shortens the screen run for quick experiments.
const int Antworten = qEnvironmentVariableIsSet("TARVO_MESSUNG_ANTWORTEN")
    ? qEnvironmentVariableIntValue("TARVO_MESSUNG_ANTWORTEN")
    : 10000;

long Spitzen_RSS_kB()
{
    QFile Status(QStringLiteral("/proc/self/status"));
    if (!Status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &Zeile : Status.readAll().split('\n'))
        if (Zeile.startsWith("VmHWM:"))
            return Zeile.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void Zeile(const char *Was, double Wert, const char *Einheit, const char *Ziel)
{
    std::printf("%-58s %10.3f %-3s  (%s)\n", Was, Wert, Einheit, Ziel);
    std::fflush(stdout);
}

double Quantil(std::vector<double> Werte, double q)
{
    if (Werte.empty())
        return 0.0; // a shortened run may skip a phase
    std::sort(Werte.begin(), Werte.end());
    const std::size_t i = std::min(Werte.size() - 1, std::size_t(q * double(Werte.size())));
    return Werte[i];
}

double Mittel(const std::vector<double> &Werte, std::size_t von, std::size_t bis)
{
    double s = 0;
    for (std::size_t i = von; i < bis; ++i)
        s += Werte[i];
    return s / double(bis - von);
}

// ---- the logic of one hand-over, without any widget ----

// Keeps the compiler from dropping the texts the screens would show.
std::size_t Textlaenge(const TAuswertung_Folgen &F)
{
    return F.geaenderte_Zeilen[0].size() + F.Protokollzeile.value_or(QString()).size() + F.neuer_Smily;
}

QString Antwort_fuer(const TEinstellung_Aufgabe &A, int i)
{
    // Every seventh answer is wrong, so both verdicts and the smiley rule run.
    return i % 7 == 3 ? QString::number(qint64(A.Ergebnis) + 1) : A.STR_Ergebnis;
}

void Logik_messen()
{
    Zufall_Startwert_setzen(4711);
    TUebungs_Ablauf Lauf;
    Lauf.Einstellungen_aendern(TRechenart::Addition, TSchwierigkeitsgrad::leicht);
    std::size_t Laenge = 0;
    constexpr int n = 200000;
    std::vector<double> Bloecke;
    QElapsedTimer Uhr;
    for (int Block = 0; Block < n / 1000; ++Block) {
        // A lesson of 10000 answers at most, as in the screen cycle below:
        // the lesson keeps every protocol line.
        if (Block % 10 == 0)
            Lauf.initialisieren();
        Uhr.start();
        for (int j = 0; j < 1000; ++j) {
            const int i = Block * 1000 + j;
            if (i % 100 == 99)
                Laenge +=
                    Textlaenge(Lauf.Einstellungen_aendern(TRechenart((i / 100) % 4), TSchwierigkeitsgrad((i / 400) % 3))
                                   .Auswertung);
            if (const auto F = Lauf.Antwort_eingeben(Antwort_fuer(Lauf.Aufgabe(), i)))
                Laenge +=
                    Textlaenge(F->Auswertung) + F->Erlaeuterungen.size() + F->neue_Aufgabe.Aufgabenstellung.size();
        }
        Bloecke.push_back(double(Uhr.nsecsElapsed()) / 1000.0 / 1000.0);
    }
    Zeile("Logik einer Antwort (Median je 1000 Antworten)", Quantil(Bloecke, 0.5), "us", "Ziel < 20 us");
    if (Laenge == 0)
        std::puts("?");
}

// ---- the screen cycle of one answer through the real main window ----

struct TBildschirm
{
    TF_Haupt &Fenster;
    TFrame_Tarvo_Uebungen *Uebung;
    QLineEdit *Feld;

    explicit TBildschirm(TF_Haupt &F)
        : Fenster(F)
        , Uebung(F.Frame_Tarvo_Uebungen1)
        , Feld(F.Frame_Tarvo_Uebungen1->MaskEdit_Schuelerloesung)
    {
    }

    void Knopf(TRadioGroup *Gruppe, int Index)
    {
        QRadioButton *K = Gruppe->Button(Index);
        QTest::mouseClick(K, Qt::LeftButton, {}, QPoint(6, K->height() / 2));
    }

    void Einstellung_wechseln(int i)
    {
        // The 24-sequence wrap shows a modal notice: closed as soon as it is up.
        const TDialoge_beantworten Hinweis_schliessen;
        QListWidget *Liste = Uebung->ListBox_Rechenart_waehlen;
        if ((i / 100) % 3 == 0) {
            Knopf(Uebung->RadioGroup_Schwierigkeitsgrad, (i / 300) % 3);
        } else {
            const int Zeile = (Liste->currentRow() + 1) % 4;
            QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {},
                              Liste->visualItemRect(Liste->item(Zeile)).center());
        }
    }

    // RETURN in the answer field until the next task is painted.
    double antworten(int i)
    {
        const QString Text = Antwort_fuer(Uebung->Aufgabe(), i);
        QElapsedTimer Uhr;
        Uhr.start();
        Feld->setText(Text);
        QTest::keyClick(Feld, Qt::Key_Return);
        QCoreApplication::processEvents();
        return double(Uhr.nsecsElapsed()) / 1e6;
    }
};

void Start_messen(const QString &Programm)
{
    // Each start in a fresh process, so font and style caches start cold as in class.
    std::vector<double> Extern, Intern, Speicher;
    for (int k = 0; k < 5; ++k) {
        QProcess P;
        QElapsedTimer Uhr;
        Uhr.start();
        P.start(Programm, {QStringLiteral("--start")});
        if (!P.waitForFinished(30000) || P.exitCode() != 0) {
            std::fprintf(stderr, "start-up child failed: %s\n", P.readAllStandardError().constData());
            return;
        }
        Extern.push_back(double(Uhr.nsecsElapsed()) / 1e6);
        const QList<QByteArray> Werte = P.readAllStandardOutput().trimmed().split(' ');
        Intern.push_back(Werte.value(0).toDouble());
        Speicher.push_back(Werte.value(1).toDouble());
    }
    Zeile("Start bis Fenster mit Aufgabe gezeigt (main, Median)", Quantil(Intern, 0.5), "ms", "Ziel < 300 ms");
    Zeile("Start einschliesslich Prozess und Ende (Median)", Quantil(Extern, 0.5), "ms", "zur Einordnung");
    Zeile("Spitzen-RSS nach dem Start (VmHWM)", Quantil(Speicher, 0.5) / 1024.0, "MB", "Ziel < 80 MB");
}

int Start_Kind(int argc, char **argv)
{
    QElapsedTimer Uhr;
    Uhr.start();
    TTarvo_Anwendung Anwendung(argc, argv);
    Anwendung.setApplicationName(QStringLiteral("Übungsprogramm zum Tarvo"));
    TF_Haupt Fenster;
    Fenster.Dialoge_erzeugen();
    Fenster.show();
    if (!QTest::qWaitForWindowExposed(&Fenster))
        return 1;
    QCoreApplication::processEvents();
    if (Fenster.Frame_Tarvo_Uebungen1->Label_Aufgabenstellung->text().isEmpty())
        return 2;
    std::printf("%.3f %ld\n", double(Uhr.nsecsElapsed()) / 1e6, Spitzen_RSS_kB());
    return 0;
}

void Bildschirm_messen()
{
    TF_Haupt Fenster;
    Fenster.Dialoge_erzeugen();
    Fenster.show();
    if (!QTest::qWaitForWindowExposed(&Fenster))
        std::fprintf(stderr, "window not exposed\n");
    Zufall_Startwert_setzen(4711);
    TBildschirm B(Fenster);
    TFrame_Tarvo_Uebungen *U = B.Uebung;
    TPageControl *Seiten = U->F_Auswertung2->PageControl_Statistik_1;
    const int Protokoll_Seite = Seiten->indexOf(U->F_Auswertung2->TabSheet_Protokoll);

    // Visible with the protocol page at both ends (so first and last hundred
    // compare like with like), visible on every other page in between for a
    // while, hidden for the rest.
    auto Seite_fuer = [&](int i) -> int {
        if (i < 500 || i >= Antworten - 500)
            return Protokoll_Seite;
        if (i < 2500)
            return (i / 250) % Seiten->count();
        return -1;
    };

    std::vector<double> Zeiten(Antworten), Sichtbar, Verdeckt;
    int Sichtbarkeit = -1; // 0 shown, 1 hidden
    for (int i = 0; i < Antworten; ++i) {
        const int Seite = Seite_fuer(i);
        const int gewuenscht = Seite >= 0 ? 0 : 1;
        if (gewuenscht != Sichtbarkeit) {
            B.Knopf(U->RadioGroup_Auswertung, gewuenscht);
            Sichtbarkeit = gewuenscht;
        }
        if (Seite >= 0 && Seiten->currentIndex() != Seite)
            Seiten->setCurrentIndex(Seite);
        if (i % 100 == 99)
            B.Einstellung_wechseln(i);
        Zeiten[std::size_t(i)] = B.antworten(i);
        (Sichtbarkeit == 0 ? Sichtbar : Verdeckt).push_back(Zeiten[std::size_t(i)]);
    }
    if (U->F_Auswertung2->Stand().Statistik.alle_Werte.Anzahl != Antworten)
        std::fprintf(stderr, "not every answer was counted: %d\n",
                     U->F_Auswertung2->Stand().Statistik.alle_Werte.Anzahl);

    Zeile("Bildschirmzyklus einer Antwort, Median (1..10000)", Quantil(Zeiten, 0.5), "ms", "Ziel < 2 ms");
    Zeile("Bildschirmzyklus einer Antwort, 99. Perzentil", Quantil(Zeiten, 0.99), "ms", "Ziel < 8 ms");
    Zeile("  Median, Auswertung sichtbar", Quantil(Sichtbar, 0.5), "ms", "zur Einordnung");
    Zeile("  Median, Auswertung verdeckt", Quantil(Verdeckt, 0.5), "ms", "zur Einordnung");
    const std::vector<double> Erste(Zeiten.begin(), Zeiten.begin() + 100);
    const std::vector<double> Letzte(Zeiten.end() - 100, Zeiten.end());
    Zeile("Antworten 9901..10000 / 1..100 (Median)", Quantil(Letzte, 0.5) / Quantil(Erste, 0.5), "x", "Ziel <= 1.5");
    Zeile("Antworten 9901..10000 / 1..100 (Mittel)",
          Mittel(Zeiten, Antworten - 100, Antworten) / Mittel(Zeiten, 0, 100), "x", "Ziel <= 1.5");
    Zeile("Spitzen-RSS nach 10000 Antworten (VmHWM)", double(Spitzen_RSS_kB()) / 1024.0, "MB", "Ziel < 120 MB");

    // Share of the cycle that goes into re-laying out the statistics text.
    {
        B.Knopf(U->RadioGroup_Auswertung, 1);
        QTextEdit *Statistik = U->F_Auswertung2->RichEdit2;
        const QString Text = Statistik->toPlainText();
        std::vector<double> Setzen;
        for (int k = 0; k < 200; ++k) {
            QElapsedTimer Uhr;
            Uhr.start();
            Statistik->setPlainText(Text);
            Setzen.push_back(double(Uhr.nsecsElapsed()) / 1e6);
        }
        Zeile("  davon Statistiktext neu setzen (RichEdit2, verdeckt)", Quantil(Setzen, 0.5), "ms", "zur Einordnung");
    }

    const QStringList Protokoll = U->F_Auswertung2->Protokoll_Zeilen();
    QTemporaryDir Ordner;
    std::vector<double> Speichern;
    for (int k = 0; k < 5; ++k) {
        QElapsedTimer Uhr;
        Uhr.start();
        const QString Fehler = Textdatei_schreiben(Ordner.filePath(QStringLiteral("Protokoll.txt")), Protokoll);
        Speichern.push_back(double(Uhr.nsecsElapsed()) / 1e6);
        if (!Fehler.isEmpty())
            std::fprintf(stderr, "saving failed: %s\n", qPrintable(Fehler));
    }
    std::printf("%-58s %10lld %-3s\n", "  Protokollzeilen beim Speichern", qint64(Protokoll.size()), "");
    Zeile("Protokoll speichern (Textdatei_schreiben, Median)", Quantil(Speichern, 0.5), "ms", "Ziel < 50 ms");
}

// Which widgets repaint during one answer, and how much of them.
class TMal_Zaehler : public QObject
{
public:
    QMap<QString, qint64> Flaeche;
    bool eventFilter(QObject *Objekt, QEvent *E) override
    {
        if (E->type() == QEvent::Paint) {
            const QRect R = static_cast<QPaintEvent *>(E)->rect();
            Flaeche[QString::fromLatin1(Objekt->metaObject()->className()) + u' ' + Objekt->objectName()] +=
                qint64(R.width()) * R.height();
        } else if (E->type() == QEvent::ChildAdded && qEnvironmentVariableIsSet("TARVO_MESSUNG_EREIGNISSE")) {
            QObject *Kind = static_cast<QChildEvent *>(E)->child();
            Flaeche[QStringLiteral("child of ") + Objekt->objectName() + u' '
                    + QString::fromLatin1(Kind->metaObject()->className()) + u' ' + Kind->objectName()] += 10;
        } else if (qEnvironmentVariableIsSet("TARVO_MESSUNG_EREIGNISSE") && Objekt->isWidgetType()) {
            Flaeche[QStringLiteral("event %1 ").arg(int(E->type()))
                    + QString::fromLatin1(Objekt->metaObject()->className()) + u' ' + Objekt->objectName()] += 10;
        }
        return false;
    }
};

void Malen_zeigen()
{
    TF_Haupt Fenster;
    Fenster.Dialoge_erzeugen();
    Fenster.show();
    if (!QTest::qWaitForWindowExposed(&Fenster))
        return;
    TBildschirm B(Fenster);
    if (qEnvironmentVariableIsSet("TARVO_MESSUNG_SEITE")) {
        // The detailed evaluation shown on this page.
        B.Knopf(B.Uebung->RadioGroup_Auswertung, 0);
        B.Uebung->F_Auswertung2->PageControl_Statistik_1->setCurrentIndex(
            qEnvironmentVariableIntValue("TARVO_MESSUNG_SEITE"));
    }
    for (int i = 0; i < 5; ++i)
        B.antworten(i);
    TMal_Zaehler Z;
    QApplication::instance()->installEventFilter(&Z);
    for (int i = 5; i < 15; ++i)
        B.antworten(i);
    QApplication::instance()->removeEventFilter(&Z);
    for (auto it = Z.Flaeche.cbegin(); it != Z.Flaeche.cend(); ++it)
        std::printf("%10lld px/answer  %s\n", it.value() / 10, qPrintable(it.key()));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--start") == 0)
        return Start_Kind(argc, argv);
    TTarvo_Anwendung Anwendung(argc, argv);
    Anwendung.setApplicationName(QStringLiteral("Übungsprogramm zum Tarvo"));
    // --nur logik|start|bildschirm runs one part alone (for a profiler).
    const QString nur = argc > 2 && qstrcmp(argv[1], "--nur") == 0 ? QString::fromLatin1(argv[2]) : QString();
    std::printf("Plattform: %s\n", qPrintable(QGuiApplication::platformName()));
    if (nur.isEmpty() || nur == u"logik")
        Logik_messen();
    if (nur.isEmpty() || nur == u"start")
        Start_messen(QCoreApplication::applicationFilePath());
    if (nur.isEmpty() || nur == u"bildschirm")
        Bildschirm_messen();
    if (nur == u"malen")
        Malen_zeigen();
    return 0;
}
