#pragma once
// The most recently used files (four), newest first, kept in the settings section
// "Recent File List" as "File1" to "File4".

#include <QString>
#include <QStringList>

class CWinApp;

class CRecentFileList {
public:
    static constexpr int kSize = 4;

    // Puts the path first (moving it up when it is there already); the oldest falls off.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& GetFiles() const { return m_Files; }

    void ReadList(CWinApp* app);
    void WriteList(CWinApp* app) const;

private:
    QStringList m_Files;
};
