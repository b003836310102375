#pragma once
// The definitions (gradients, patterns, markers, filters, clip paths, images) written during
// one export. Each id is written once; the second use only refers to it.

#include <QSet>
#include <QString>

class CSvgDefinitions {
public:
    void Clear();
    bool Has(const QString& id) const { return ids_.contains(id); }
    // Records the id; false when it was there already.
    bool Add(const QString& id);
    // Every id in the order written, as one string (the export's registry).
    const QString& Registry() const { return registry_; }

    static QString Reference(const QString& id) {
        return QLatin1String("url(#") + id + QLatin1Char(')');
    }

private:
    QSet<QString> ids_;
    QString registry_;
};
