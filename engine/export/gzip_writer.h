#pragma once
// A gzip stream (the form of .svgz files) written into a device as bytes are added, so that
// every byte goes through the device and every write error reaches it.

#include <QByteArray>
#include <memory>

class QIODevice;

class CGzipWriter {
public:
    explicit CGzipWriter(QIODevice* device);
    ~CGzipWriter();
    CGzipWriter(const CGzipWriter&) = delete;
    CGzipWriter& operator=(const CGzipWriter&) = delete;

    // False when the stream could not be started or the device refused bytes.
    bool Write(const QByteArray& bytes);
    // Writes the end of the stream; false on any failure.
    bool Finish();

private:
    bool Deflate(const QByteArray& bytes, int flush);

    struct Stream;
    std::unique_ptr<Stream> stream_;
    QIODevice* device_;
    bool failed_ = false;
};
