#include "platform/win_app.h"

#include <QSettings>

CWinApp::CWinApp(const QString& appName) : appName_(appName) {}

CWinApp::~CWinApp() {
    if (store_) {
        store_->sync();
    }
}

void CWinApp::SetRegistryKey(const QString& key) {
    registryKey_ = key;
    profileFile_.clear();
    store_.reset();
}

void CWinApp::SetProfileFile(const QString& path) {
    profileFile_ = path;
    store_.reset();
}

QSettings& CWinApp::Store() {
    if (!store_) {
        if (!profileFile_.isEmpty()) {
            store_ = std::make_unique<QSettings>(profileFile_, QSettings::IniFormat);
        } else {
            store_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                 registryKey_, appName_);
        }
    }
    return *store_;
}

QString CWinApp::GetProfileLocation() const {
    return const_cast<CWinApp*>(this)->Store().fileName();
}

// The separator of QSettings keys is '/'; value names never contain one, but a name that did
// would otherwise open a sub-group, so it is replaced.
QString CWinApp::Key(const QString& section, const QString& entry) const {
    QString name = entry;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return section + QLatin1Char('/') + name;
}

unsigned int CWinApp::GetProfileInt(const QString& section, const QString& entry,
                                    int defaultValue) {
    QVariant v = Store().value(Key(section, entry));
    if (!v.isValid()) {
        return static_cast<unsigned int>(defaultValue);
    }
    bool ok = false;
    qlonglong n = v.toLongLong(&ok);
    return ok ? static_cast<unsigned int>(n) : static_cast<unsigned int>(defaultValue);
}

bool CWinApp::WriteProfileInt(const QString& section, const QString& entry, int value) {
    // A DWORD: the unsigned 32-bit reading of the value.
    Store().setValue(Key(section, entry), qlonglong(static_cast<unsigned int>(value)));
    return Store().status() == QSettings::NoError;
}

QString CWinApp::GetProfileString(const QString& section, const QString& entry,
                                  const QString& defaultValue) {
    QVariant v = Store().value(Key(section, entry));
    return v.isValid() ? v.toString() : defaultValue;
}

bool CWinApp::WriteProfileString(const QString& section, const QString& entry,
                                 const QString& value) {
    Store().setValue(Key(section, entry), value);
    return Store().status() == QSettings::NoError;
}

bool CWinApp::HasProfileValue(const QString& section, const QString& entry) {
    return Store().contains(Key(section, entry));
}

void CWinApp::FlushProfile() {
    Store().sync();
}
