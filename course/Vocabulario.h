#pragma once
// The course as a source of practice material: the words of its running
// texts, most common first (every one spelled right and typeable: the lesson
// checks see to that), and the keystrokes its key drills have taught by a
// given lesson.
#include <QChar>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

struct PalavraDoCurso {
    QString palavra; // as the texts write it: lower case, or a name's capital
    int vezes = 0;   // how often the course's texts use it
};

struct Vocabulario {
    // Most common first (ties: alphabetical).
    QList<PalavraDoCurso> palavras;
    // The keystrokes taught, by what each types (Toque::nome), on the
    // keyboard the vocabulary was read for.
    QSet<QChar> ensinados;

    // Every keystroke of the word, as the keyboard types it (the BR one
    // types "ç" as "c"), was taught.
    bool Digitavel(const QString& palavra, int tipoTeclado) const;
};

// The words of a line of running text: runs of letters, joined by a hyphen
// inside a word (guarda-chuva, levá-lo). A run that touches a digit (the h
// of 10h30) is a unit or an abbreviation, not a word.
QStringList PalavrasDaLinha(const QString& linha);
// The words of running-text lessons, with how often each is used.
QList<PalavraDoCurso> ContarPalavras(const QList<QStringList>& licoes);
// The keystrokes of the key-drill lessons among `licoes` (lessons 1.. in
// order) up to lesson `ateLicao`, on a keyboard, and the space bar.
QSet<QChar> ToquesEnsinados(const QList<QStringList>& licoes, int ateLicao, int tipoTeclado);

// Reads the installed course (Modulos/modN.mod) for a learner who has
// reached lesson `ateLicao` on a keyboard. Lessons that cannot be read are
// left out.
Vocabulario LerVocabulario(int ateLicao, int tipoTeclado);
