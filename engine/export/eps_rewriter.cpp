#include "export/eps_rewriter.h"

#include <QList>

namespace {

const QByteArray kEpsHeader = QByteArrayLiteral("%!PS-Adobe-3.0 EPSF-3.0\n");

// The lines of the text, each with its own line end, so that what is kept stays byte for byte.
QList<QByteArray> SplitLines(const QByteArray& text) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end + 1;
        lines.append(text.mid(start, end - start));
        start = end;
    }
    return lines;
}

// Document structuring comments start their line; the same words inside the program text
// (ghostscript's "(%%EOF)/SubFileDecode filter") are not comments.
bool IsComment(const QByteArray& line, const char* keyword) {
    return line.startsWith(keyword);
}

// Four whole numbers; "(atend)" and anything else is no box.
bool ReadBox(const QByteArray& text, CEpsRewriter::PointBox* box) {
    const QList<QByteArray> words = text.simplified().split(' ');
    if (words.size() < 4) {
        return false;
    }
    bool ok[4] = {};
    box->llx = words[0].toInt(&ok[0]);
    box->lly = words[1].toInt(&ok[1]);
    box->urx = words[2].toInt(&ok[2]);
    box->ury = words[3].toInt(&ok[3]);
    return ok[0] && ok[1] && ok[2] && ok[3];
}

}  // namespace

CEpsRewriter::PointBox CEpsRewriter::ComputeBoundingBox(const CRect& box, const PointBox& page) {
    PointBox eps;
    eps.llx = page.llx - 4 + box.left * 72 / 100;
    eps.urx = eps.llx + (box.right - box.left) * 72 / 100 + 8;
    eps.ury = page.ury + 4 - box.top * 72 / 100;
    eps.lly = eps.ury - (box.bottom - box.top) * 72 / 100 - 8;
    return eps;
}

bool CEpsRewriter::IsPublishable(const CRect& box) {
    return box.Width() >= 1 && box.Height() >= 1;
}

bool CEpsRewriter::FindPageBoundingBox(const QByteArray& postScript, PointBox* page) {
    const QList<QByteArray> lines = SplitLines(postScript);
    for (const char* keyword : {"%%PageBoundingBox:", "%%BoundingBox:"}) {
        for (const QByteArray& line : lines) {
            if (IsComment(line, keyword) && ReadBox(line.mid(qsizetype(qstrlen(keyword))), page)) {
                return true;
            }
        }
    }
    return false;
}

bool CEpsRewriter::Rewrite(const QByteArray& postScript, const CRect* box, QByteArray* eps,
                           QString* error) {
    const QList<QByteArray> lines = SplitLines(postScript);
    qsizetype first = 0;
    while (first < lines.size() && !lines[first].contains("%!PS")) {
        ++first;
    }
    if (first == lines.size()) {
        *error = QStringLiteral("the printer's output is not PostScript");
        return false;
    }
    // The document ends with its last end-of-file comment: an embedded document may carry
    // its own before it.
    qsizetype last = lines.size() - 1;
    for (qsizetype i = lines.size() - 1; i > first; --i) {
        if (IsComment(lines[i], "%%EOF")) {
            last = i;
            break;
        }
    }
    QByteArray boxLine;
    if (box != nullptr) {
        PointBox page;
        if (!FindPageBoundingBox(postScript, &page)) {
            *error = QStringLiteral("the printer's output gives no bounding box of its page");
            return false;
        }
        const PointBox b = ComputeBoundingBox(*box, page);
        boxLine = QStringLiteral("%%BoundingBox: %1 %2 %3 %4\n")
                      .arg(b.llx)
                      .arg(b.lly)
                      .arg(b.urx)
                      .arg(b.ury)
                      .toLatin1();
    }
    QByteArray out = kEpsHeader;
    bool boxWritten = boxLine.isEmpty();
    for (qsizetype i = first + 1; i <= last; ++i) {
        const QByteArray& line = lines[i];
        // The driver's boxes are the whole page's, in the header or at the end: a reader
        // that prefers either would otherwise show the page.
        if (!boxLine.isEmpty() &&
            (IsComment(line, "%%BoundingBox") || IsComment(line, "%%HiResBoundingBox"))) {
            continue;
        }
        if (!boxWritten && IsComment(line, "%%EndComments")) {
            out += boxLine;
            boxWritten = true;
        }
        out += line;
    }
    if (!boxWritten) {
        // No end of the header comments: the box goes right after the first line.
        out.insert(kEpsHeader.size(), boxLine);
    }
    *eps = out;
    return true;
}
