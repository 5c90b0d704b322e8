#pragma once

// Helpers of the screen tests: answering modal dialogs, reading files back,
// finding finished print jobs, mounting small file systems.

#include "tests/support/Kleiner_Datentraeger.h"
#include "tests/support/Modale_Dialoge.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// Accepts a save dialog with a file name typed into it.
inline void Speichern_unter(QWidget *Dialog, const QString &Pfad)
{
    auto *Datei_Dialog = qobject_cast<QFileDialog *>(Dialog);
    QVERIFY(Datei_Dialog);
    Datei_Dialog->selectFile(Pfad);
    static_cast<QDialog *>(Datei_Dialog)->accept();
}

inline QByteArray Datei_lesen(const QString &Pfad)
{
    QFile Datei(Pfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray();
}

inline QString Befehl(const QString &Programm, const QStringList &Argumente)
{
    QProcess P;
    P.start(Programm, Argumente);
    if (!P.waitForFinished(10000))
        return {};
    return QString::fromLocal8Bit(P.readAllStandardOutput());
}

// Job numbers of the spooler's completed jobs.
inline QList<int> Abgeschlossene_Auftraege()
{
    QList<int> Nummern;
    const QRegularExpression Muster(QStringLiteral("^\\S+-(\\d+)\\s"), QRegularExpression::MultilineOption);
    auto Treffer = Muster.globalMatch(
        Befehl(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")}));
    while (Treffer.hasNext())
        Nummern.append(Treffer.next().captured(1).toInt());
    return Nummern;
}

// True when a job newer than Seit completed under this title (read from the
// spooler's kept job attributes).
inline bool Auftrag_abgeschlossen(const QString &Titel, int Seit)
{
    for (int Nummer : Abgeschlossene_Auftraege()) {
        if (Nummer <= Seit)
            continue;
        const QByteArray Attribute =
            Datei_lesen(QStringLiteral("/var/spool/cups/c%1").arg(Nummer, 5, 10, QLatin1Char('0')));
        if (Attribute.contains(Titel.toUtf8()))
            return true;
    }
    return false;
}

inline int Letzter_Auftrag()
{
    int Letzter = 0;
    for (int Nummer : Abgeschlossene_Auftraege())
        Letzter = std::max(Letzter, Nummer);
    return Letzter;
}

// The default printer is the PDF printer of scripts/drucker_einrichten.sh.
inline bool Standarddrucker_schreibt_PDF()
{
    const QString Standard = Befehl(QStringLiteral("lpstat"), {QStringLiteral("-d")}).section(u':', 1).trimmed();
    return !Standard.isEmpty()
        && Befehl(QStringLiteral("lpstat"), {QStringLiteral("-v"), Standard}).contains(QStringLiteral("cups-pdf:"));
}

// The file the PDF printer wrote for a job of this title since Seit; it
// names its files after the title with every other character as "_".
inline QString Ausgabe_des_PDF_Druckers(const QString &Titel, const QDateTime &Seit)
{
    QString Stamm = Titel;
    for (QChar &c : Stamm)
        if (!c.isLetterOrNumber())
            c = u'_';
    QString Neueste;
    QDateTime Zeit = Seit;
    for (const QString &Ordner :
         {QDir::homePath() + QStringLiteral("/PDF"), QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")})
        for (const QFileInfo &Datei : QDir(Ordner).entryInfoList({Stamm + QStringLiteral("*.pdf")}, QDir::Files))
            if (Datei.lastModified() >= Zeit) {
                Zeit = Datei.lastModified();
                Neueste = Datei.filePath();
            }
    return Neueste;
}
