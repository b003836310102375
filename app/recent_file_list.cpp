#include "recent_file_list.h"

#include <QFileInfo>

#include "platform/win_app.h"

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString Entry(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

// Two spellings of one file are one entry.
QString Canonical(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

void CRecentFileList::Add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    const QString canonical = Canonical(path);
    m_Files.removeAll(canonical);
    m_Files.prepend(canonical);
    while (m_Files.size() > kSize) {
        m_Files.removeLast();
    }
}

void CRecentFileList::Remove(const QString& path) {
    m_Files.removeAll(Canonical(path));
}

void CRecentFileList::ReadList(CWinApp* app) {
    m_Files.clear();
    if (app == nullptr) {
        return;
    }
    for (int i = 0; i < kSize; ++i) {
        const QString path = app->GetProfileString(kSection, Entry(i));
        if (!path.isEmpty() && !m_Files.contains(path)) {
            m_Files.append(path);
        }
    }
}

void CRecentFileList::WriteList(CWinApp* app) const {
    if (app == nullptr) {
        return;
    }
    for (int i = 0; i < kSize; ++i) {
        app->WriteProfileString(kSection, Entry(i), m_Files.value(i));
    }
}
