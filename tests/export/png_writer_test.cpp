// PNG files written in pieces on several threads read back with the pixels they were given,
// as one valid zlib stream, in the colour type the image needs.
#include <gtest/gtest.h>

#include <zlib.h>
#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QtEndian>

#include "export/png_writer.h"

namespace {

// A picture with runs, gradients, noise and repeated rows, so that every filter wins somewhere.
QImage Picture(int width, int height, QImage::Format format, bool translucent) {
    QImage image(width, height, QImage::Format_ARGB32);
    QRandomGenerator random(uint(width * 31 + height));
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int band = (y / 7) % 4;
            int alpha = translucent ? (x * 5 + y) % 256 : 255;
            QRgb pixel = qRgba(255, 255, 255, alpha);
            if (band == 1) {
                pixel = qRgba(x % 256, (x + y) % 256, 40, alpha);
            } else if (band == 2) {
                pixel = qRgba(int(random.bounded(256)), int(random.bounded(256)),
                              int(random.bounded(256)), alpha);
            } else if (band == 3) {
                pixel = qRgba(10, 20, 200 - (y % 50), alpha);
            }
            row[x] = pixel;
        }
    }
    return image.convertToFormat(format);
}

QByteArray Written(const QImage& image, int threads,
                   qsizetype batchBytes = CPngWriter::kMostBatchBytes) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_TRUE(CPngWriter::Write(image, &buffer, &error, 1, threads, batchBytes))
        << error.toStdString();
    return bytes;
}

// The image as straight-alpha pixels, the form a PNG holds.
QImage Straight(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The IHDR colour type (2: RGB, 6: RGBA).
int ColourType(const QByteArray& png) {
    return png.size() > 25 ? uchar(png[25]) : -1;
}

// Every chunk of the given type, joined.
QByteArray Chunks(const QByteArray& png, const char* type) {
    QByteArray joined;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const auto length = qsizetype(qFromBigEndian<quint32>(png.constData() + at));
        if (png.mid(at + 4, 4) == type) {
            joined.append(png.mid(at + 8, length));
        }
        at += length + 12;
    }
    return joined;
}

// A device that takes the first `room` bytes and refuses the rest.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        if (size > room_) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        room_ -= size;
        return size;
    }

private:
    qint64 room_;
};

}  // namespace

TEST(PngWriter, PixelsReadBackUnchangedInEveryFormatAndShape) {
    struct Case {
        int width;
        int height;
        QImage::Format format;
        bool translucent;
        int colourType;
    };
    const Case cases[] = {
        {1, 1, QImage::Format_RGB32, false, 2},
        {3, 2, QImage::Format_ARGB32, true, 6},
        {97, 61, QImage::Format_ARGB32_Premultiplied, false, 2},
        {97, 61, QImage::Format_ARGB32, true, 6},
        {64, 40, QImage::Format_RGB888, false, 2},
        {50, 30, QImage::Format_Indexed8, false, 2},
    };
    for (const Case& c : cases) {
        const QImage image = Picture(c.width, c.height, c.format, c.translucent);
        const QByteArray png = Written(image, 2);
        EXPECT_EQ(ColourType(png), c.colourType) << c.width << "x" << c.height;
        const QImage read = QImage::fromData(png, "PNG");
        ASSERT_FALSE(read.isNull()) << c.width << "x" << c.height;
        EXPECT_EQ(Straight(read), Straight(image)) << c.width << "x" << c.height;
    }
}

TEST(PngWriter, PiecesOnAnyNumberOfThreadsJoinIntoOneValidStream) {
    // Large enough for many pieces, each starting from the previous one's bytes.
    const QImage image = Picture(700, 900, QImage::Format_ARGB32_Premultiplied, false);
    const qsizetype filteredSize = qsizetype(700 * 3 + 1) * 900;
    struct Run {
        int threads;
        qsizetype batchBytes;  // small: one piece per batch, each primed by the one before
    };
    for (const Run run : {Run{1, CPngWriter::kMostBatchBytes}, Run{2, CPngWriter::kMostBatchBytes},
                          Run{3, CPngWriter::kMostBatchBytes}, Run{8, CPngWriter::kMostBatchBytes},
                          Run{2, 1}, Run{3, 600 * 1024}}) {
        const int threads = run.threads;
        const QByteArray png = Written(image, threads, run.batchBytes);
        EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32),
                  Straight(image))
            << threads << " threads, batches of " << run.batchBytes;
        // zlib checks the stream's end and its checksum over every filtered byte.
        const QByteArray stream = Chunks(png, "IDAT");
        QByteArray inflated(filteredSize, Qt::Uninitialized);
        uLongf size = uLongf(inflated.size());
        EXPECT_EQ(
            uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size,
                       reinterpret_cast<const Bytef*>(stream.constData()), uLong(stream.size())),
            Z_OK)
            << threads << " threads";
        EXPECT_EQ(qsizetype(size), filteredSize);
    }
}

TEST(PngWriter, TheResolutionIsKept) {
    QImage image = Picture(20, 10, QImage::Format_RGB32, false);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(11811);
    const QImage read = QImage::fromData(Written(image, 1), "PNG");
    EXPECT_EQ(read.dotsPerMeterX(), 3780);
    EXPECT_EQ(read.dotsPerMeterY(), 11811);
}

TEST(PngWriter, FailuresAreReportedNotHidden) {
    QString error;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(CPngWriter::Write(QImage(), &buffer, &error));
    EXPECT_FALSE(error.isEmpty());

    // The device fills up halfway through the pixels.
    const QImage image = Picture(300, 300, QImage::Format_RGB32, false);
    FullDevice full(Written(image, 1).size() / 2);
    error.clear();
    EXPECT_FALSE(CPngWriter::Write(image, &full, &error));
    EXPECT_EQ(error, QStringLiteral("No space left on device"));
}
