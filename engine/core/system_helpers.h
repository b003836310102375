#pragma once
// Small services of the running system: the program's folder, files by wildcard, pumping the
// event loop, image writers by MIME type, and the Graphviz diagnostic aid.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Qarn {

// The folder of the running program, ending in a separator.
QString GetBinDirectory();

// Empties `out`, then appends the full path of every file matching the wildcard pattern
// (a folder followed by a file-name pattern such as "*.tpl"), in file-system order.
void GetFilesByType(QStringList& out, const QString& pattern);

// 1-based position of the object in the list, 0 when absent.
template <typename List, typename T>
int GetObjectPosition(const List& list, const T* object) {
    int position = 1;
    for (const auto* item : list) {
        if (item == object) {
            return position;
        }
        ++position;
    }
    return 0;
}

// Handles every event waiting in the queue, then returns.
void DoEvent();
// Waits the given milliseconds, handling events all the while so the interface stays live.
void DelayMS(double ms);

// The index of the image writer for the MIME type among the available writers, with its
// format name in *format; -1 when there is none.
int GetEncoderClsid(const QString& mimeType, QByteArray* format);

// Runs Graphviz "dot" on `in`, its output going to `out`, without a shell. Returns nonzero when
// the program was started, 0 when it is missing or could not start.
int Dot(const QString& in, const QString& out);

}  // namespace Qarn
