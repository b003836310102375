// Feeds arbitrary bytes to the archive's primitive readers: every read either succeeds or ends
// in one CArchiveException, never a crash, hang or unbounded allocation.
#include <cstddef>
#include <cstdint>

#include "platform/archive.h"
#include "platform/archive_exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CArchive in(CArchive::load, &bytes);
    try {
        while (!in.AtEnd()) {
            QString s;
            in >> s;
            quint32 count = in.ReadCount();
            (void)count;
        }
    } catch (const CArchiveException&) {
    }
    return 0;
}
