#pragma once
// One program per learner file. Each copy of the program rewrites the whole
// of usuario.dat from what it holds in memory, so two copies on one file
// would erase each other's work. The program holds a lock beside the file,
// usuario.dat.lock (QLockFile), from start-up to exit: a second start on the
// same file finds it taken and does not open the learners. The lock dies
// with its process: one left by a program that was killed or crashed is
// recognised as stale (its process is gone) and taken over.
#include <QLockFile>
#include <QString>

class TravaUsuarios {
public:
    enum class Estado {
        Travada,   // this program holds the lock
        EmUso,     // another program running on the same file holds it
        Impossivel // no lock could be made here (see Motivo)
    };

    // Tries once, without waiting.
    explicit TravaUsuarios(const QString& arquivoUsuarios);
    TravaUsuarios(const TravaUsuarios&) = delete;
    TravaUsuarios& operator=(const TravaUsuarios&) = delete;

    Estado Situacao() const { return estado; }
    QString Arquivo() const { return arquivo; }
    // Why there is no lock (Impossivel), in Portuguese.
    QString Motivo() const { return motivo; }

    static QString CaminhoDaTrava(const QString& arquivoUsuarios);
    // "O Teclomatic já está aberto."
    static QString MensagemEmUso();

private:
    QString arquivo;
    QLockFile trava;
    Estado estado = Estado::Impossivel;
    QString motivo;
};
