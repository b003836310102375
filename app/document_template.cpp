#include "document_template.h"

#include <QFileInfo>

QString CQarnDocTemplate::TemplateString() {
    return QStringLiteral(
        "\nQarn\nQarn View\nQarn Files (*.met)\n.met\nQarn.Document\nQarn Document\nMETL\nQarn "
        "Files");
}

CQarnDocTemplate::CQarnDocTemplate(const QString& templateString)
    : m_Fields(templateString.split(QLatin1Char('\n'))) {}

QString CQarnDocTemplate::GetDocString(DocStringIndex index) const {
    return m_Fields.value(int(index));
}

QString CQarnDocTemplate::WithExtension(const QString& path) const {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + GetExtension();
}

QString CQarnDocTemplate::NextUntitledTitle() {
    return GetDocString(docName) + QString::number(++m_nUntitled);
}
