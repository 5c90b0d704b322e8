#pragma once

// Small file systems for the saving tests: a tmpfs of a few pages, a folder
// mounted read-only. Mounting needs root; where it is not allowed the test
// says "skipped" with the reason.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

inline bool Einhaengen(const QStringList &Argumente)
{
    QProcess P;
    P.start(QStringLiteral("mount"), Argumente);
    return P.waitForFinished(10000) && P.exitStatus() == QProcess::NormalExit && P.exitCode() == 0;
}

inline void Aushaengen(const QString &Ordner)
{
    QProcess::execute(QStringLiteral("umount"), {Ordner});
}

// A tmpfs of Groesse bytes in a fresh temporary folder, unmounted on destruction.
class TKleiner_Datentraeger
{
public:
    explicit TKleiner_Datentraeger(int Groesse)
        : eingehaengt(Einhaengen({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                  QStringLiteral("size=%1").arg(Groesse), QStringLiteral("tarvo_test"), Ordner.path()}))
    {
    }
    ~TKleiner_Datentraeger()
    {
        if (eingehaengt)
            Aushaengen(Ordner.path());
    }
    QString Pfad(const QString &Name) const { return Ordner.filePath(Name); }

    // Writes a filler file until the file system is full.
    void Fuellen() const
    {
        QFile Fueller(Pfad(QStringLiteral("Fueller")));
        if (!Fueller.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray Block(512, 'x');
        while (Fueller.write(Block) == Block.size()) {
        }
    }
    void Leeren() const { QFile::remove(Pfad(QStringLiteral("Fueller"))); }

    QTemporaryDir Ordner;
    const bool eingehaengt;
};

// The folder made read-only by a bind mount onto itself (root ignores
// permission bits); undone on destruction.
class TSchreibgeschuetzter_Ordner
{
public:
    explicit TSchreibgeschuetzter_Ordner(const QString &Ordner)
        : Ordner(Ordner)
    {
        if (!Einhaengen({QStringLiteral("--bind"), Ordner, Ordner}))
            return;
        eingehaengt = true;
        schreibgeschuetzt = Einhaengen({QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), Ordner});
    }
    ~TSchreibgeschuetzter_Ordner()
    {
        if (eingehaengt)
            Aushaengen(Ordner);
    }
    const QString Ordner;
    bool eingehaengt = false;
    bool schreibgeschuetzt = false;
};
