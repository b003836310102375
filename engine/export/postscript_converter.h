#pragma once
// PostScript from a PDF, by an outside program found when it is needed: pdftops (poppler)
// when it is installed, else ghostscript's ps2write. The program runs without a shell, its
// arguments passed as they are, and is stopped when it takes longer than the time limit.

#include <QString>
#include <QStringList>

class CPostScriptConverter {
public:
    // Finds the program in the folders of SetSearchPaths (the system's PATH by default).
    CPostScriptConverter();

    // Where the programs are looked for; an empty list means the system's PATH. Tests point
    // it at folders of their own.
    static void SetSearchPaths(const QStringList& paths);
    static QStringList GetSearchPaths();

    bool IsAvailable() const { return !m_strProgram.isEmpty(); }
    // The program found (its full path), empty when there is none.
    const QString& GetProgram() const { return m_strProgram; }

    // In milliseconds; a conversion that takes longer fails.
    void SetTimeLimit(int milliseconds) { m_nTimeLimit = milliseconds; }

    // Writes the PostScript of `pdf` to `postScript`. False with *error (one line, naming the
    // program and its reason) when no program is installed, it failed or ran out of time, or
    // wrote nothing.
    // With `encapsulated`, pdftops writes its EPS form (the page as the bounding box, no
    // page size forced on the printer); ghostscript's PostScript serves both.
    bool Convert(const QString& pdf, const QString& postScript, QString* error,
                 bool encapsulated = false) const;

    // What the export says when neither program is installed.
    static QString MissingMessage();

private:
    QStringList ArgumentsFor(const QString& pdf, const QString& postScript,
                             bool encapsulated) const;

    QString m_strProgram;
    bool m_bGhostscript = false;
    int m_nTimeLimit = 120000;
};
