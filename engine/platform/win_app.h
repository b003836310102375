#pragma once
// The application object's settings role: per-user values grouped in sections under a root key
// ("Ostrovan" for this suite) and the application name, stored through QSettings. Integers are
// stored as DWORDs, strings as strings, with the section and value names the callers give.

#include <QString>
#include <memory>

class QSettings;

class CWinApp {
public:
    explicit CWinApp(const QString& appName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Chooses the per-user store of the root key and this application's name.
    void SetRegistryKey(const QString& key);
    // Keeps the values in this file instead (an INI file; tests point it at a temporary file).
    void SetProfileFile(const QString& path);

    const QString& GetAppName() const { return appName_; }
    const QString& GetRegistryKey() const { return registryKey_; }
    // Where the values live: the file QSettings writes.
    QString GetProfileLocation() const;

    unsigned int GetProfileInt(const QString& section, const QString& entry, int defaultValue);
    bool WriteProfileInt(const QString& section, const QString& entry, int value);
    QString GetProfileString(const QString& section, const QString& entry,
                             const QString& defaultValue = QString());
    bool WriteProfileString(const QString& section, const QString& entry, const QString& value);
    bool HasProfileValue(const QString& section, const QString& entry);
    // Writes pending values out; called at exit and by tests before reading the file.
    void FlushProfile();

private:
    QSettings& Store();
    QString Key(const QString& section, const QString& entry) const;

    QString appName_;
    QString registryKey_;
    QString profileFile_;
    std::unique_ptr<QSettings> store_;
};
