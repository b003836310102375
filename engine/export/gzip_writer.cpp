#include "export/gzip_writer.h"

#include <zlib.h>
#include <QIODevice>

namespace {

constexpr int kOutputBytes = 1 << 16;
// 15 window bits plus 16: a gzip header and trailer around the deflate stream.
constexpr int kGzipWindowBits = 15 + 16;
constexpr int kMemoryLevel = 8;

}  // namespace

struct CGzipWriter::Stream {
    z_stream z{};
    bool started = false;
};

CGzipWriter::CGzipWriter(QIODevice* device) : stream_(std::make_unique<Stream>()), device_(device) {
    stream_->started = deflateInit2(&stream_->z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindowBits,
                                    kMemoryLevel, Z_DEFAULT_STRATEGY) == Z_OK;
    failed_ = !stream_->started || device_ == nullptr;
}

CGzipWriter::~CGzipWriter() {
    if (stream_->started) {
        deflateEnd(&stream_->z);
    }
}

bool CGzipWriter::Deflate(const QByteArray& bytes, int flush) {
    if (failed_) {
        return false;
    }
    z_stream& z = stream_->z;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    z.avail_in = uInt(bytes.size());
    char out[kOutputBytes];
    int result = Z_OK;
    do {
        z.next_out = reinterpret_cast<Bytef*>(out);
        z.avail_out = kOutputBytes;
        result = deflate(&z, flush);
        if (result == Z_STREAM_ERROR) {
            failed_ = true;
            return false;
        }
        const qint64 produced = kOutputBytes - qint64(z.avail_out);
        if (produced > 0 && device_->write(out, produced) != produced) {
            failed_ = true;
            return false;
        }
    } while (z.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
    return true;
}

bool CGzipWriter::Write(const QByteArray& bytes) {
    return bytes.isEmpty() || Deflate(bytes, Z_NO_FLUSH);
}

bool CGzipWriter::Finish() {
    return Deflate(QByteArray(), Z_FINISH);
}
