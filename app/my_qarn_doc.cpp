#include "my_qarn_doc.h"

#include <QFileInfo>

QARN_IMPLEMENT_SERIAL(CMyQarnDoc, CQarnDoc, 0)

QString CMyQarnDoc::GetDisplayName() const {
    if (!GetPathName().isEmpty()) {
        return QFileInfo(GetPathName()).fileName();
    }
    return GetTitle();
}
