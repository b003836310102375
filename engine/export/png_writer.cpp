#include "export/png_writer.h"

#include <zlib.h>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "export/image_opacity.h"

namespace {

constexpr std::array<char, 8> kSignature = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
constexpr qsizetype kMostIdatBytes = 1 << 20;
// Filtered bytes below which a piece is not worth a thread of its own, and above which it is
// cut (zlib counts a piece in 32 bits, and pieces are held a batch at a time).
constexpr qsizetype kLeastPieceBytes = 256 * 1024;
constexpr qsizetype kMostPieceBytes = 8 * 1024 * 1024;

enum Filter : uchar { kNone = 0, kSub = 1, kUp = 2, kPaeth = 4 };

struct Layout {
    int width;
    int height;
    int channels;  // 3: RGB, 4: RGBA
    qsizetype rowBytes() const { return qsizetype(width) * channels; }
    qsizetype lineBytes() const { return rowBytes() + 1; }  // the filter byte first
};

// The image's pixels as 32-bit QRgb values: opaque RGB32 or premultiplied ARGB32 as it is
// (opaque premultiplied pixels equal straight ones), anything else converted.
QImage ThirtyTwoBit(const QImage& image) {
    switch (image.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            return image;
        default:
            return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                 : QImage::Format_RGB32);
    }
}

void Unpack(const QRgb* pixels, int width, int channels, uchar* out) {
    if (channels == 3) {
        for (int x = 0; x < width; ++x) {
            out[0] = uchar(qRed(pixels[x]));
            out[1] = uchar(qGreen(pixels[x]));
            out[2] = uchar(qBlue(pixels[x]));
            out += 3;
        }
    } else {
        for (int x = 0; x < width; ++x) {
            out[0] = uchar(qRed(pixels[x]));
            out[1] = uchar(qGreen(pixels[x]));
            out[2] = uchar(qBlue(pixels[x]));
            out[3] = uchar(qAlpha(pixels[x]));
            out += 4;
        }
    }
}

int PaethPredictor(int left, int above, int upperLeft) {
    const int p = left + above - upperLeft;
    const int pa = std::abs(p - left);
    const int pb = std::abs(p - above);
    const int pc = std::abs(p - upperLeft);
    if (pa <= pb && pa <= pc) {
        return left;
    }
    return pb <= pc ? above : upperLeft;
}

// How far the filtered bytes are from zero, the usual guess of how well they compress.
qsizetype Cost(const uchar* bytes, qsizetype count) {
    qsizetype sum = 0;
    for (qsizetype i = 0; i < count; ++i) {
        sum += bytes[i] < 128 ? bytes[i] : 256 - bytes[i];
    }
    return sum;
}

// Filters rows [first, last) of the image into `out` (one line per row, the filter byte first):
// each row takes whichever of no filter, Sub, Up and Paeth leaves the smallest bytes, and a row
// equal to the one above costs nothing to find.
void FilterRows(const QImage& image, const Layout& layout, int first, int last, uchar* out) {
    const qsizetype rowBytes = layout.rowBytes();
    const int bpp = layout.channels;
    std::vector<uchar> above(static_cast<size_t>(rowBytes), 0);
    std::vector<uchar> current(static_cast<size_t>(rowBytes));
    std::vector<uchar> candidate(static_cast<size_t>(rowBytes));
    if (first > 0) {
        Unpack(reinterpret_cast<const QRgb*>(image.constScanLine(first - 1)), layout.width, bpp,
               above.data());
    }
    for (int y = first; y < last; ++y) {
        Unpack(reinterpret_cast<const QRgb*>(image.constScanLine(y)), layout.width, bpp,
               current.data());
        uchar* line = out + qsizetype(y - first) * layout.lineBytes();
        uchar* filtered = line + 1;
        if (y > 0 && std::memcmp(current.data(), above.data(), size_t(rowBytes)) == 0) {
            line[0] = kUp;
            std::memset(filtered, 0, size_t(rowBytes));
            continue;
        }
        // No filter.
        std::memcpy(filtered, current.data(), size_t(rowBytes));
        line[0] = kNone;
        qsizetype best = Cost(filtered, rowBytes);
        const auto consider = [&](Filter filter, auto predict) {
            for (qsizetype i = 0; i < rowBytes; ++i) {
                candidate[size_t(i)] = uchar(current[size_t(i)] - predict(i));
            }
            const qsizetype cost = Cost(candidate.data(), rowBytes);
            if (cost < best) {
                best = cost;
                line[0] = filter;
                std::memcpy(filtered, candidate.data(), size_t(rowBytes));
            }
        };
        consider(kSub, [&](qsizetype i) { return i >= bpp ? current[size_t(i - bpp)] : 0; });
        consider(kUp, [&](qsizetype i) { return above[size_t(i)]; });
        consider(kPaeth, [&](qsizetype i) {
            const int left = i >= bpp ? current[size_t(i - bpp)] : 0;
            const int upperLeft = i >= bpp ? above[size_t(i - bpp)] : 0;
            return PaethPredictor(left, above[size_t(i)], upperLeft);
        });
        std::swap(above, current);
    }
}

// One piece of the zlib stream: the raw deflate of lines [begin, end) of a batch's filtered
// bytes, ending on a byte boundary (or at the stream's end).
struct Piece {
    qsizetype begin = 0;
    qsizetype end = 0;
    QByteArray deflated;
    uLong adler = 1;
    bool failed = false;
};

void Deflate(const std::vector<uchar>& filtered, Piece* piece, int level, bool last) {
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_RLE) != Z_OK) {
        piece->failed = true;
        return;
    }
    const qsizetype size = piece->end - piece->begin;
    try {
        piece->deflated.resize(qsizetype(deflateBound(&stream, uLong(size))) + 16);
    } catch (const std::bad_alloc&) {
        piece->failed = true;
        deflateEnd(&stream);
        return;
    }
    stream.next_in = const_cast<Bytef*>(filtered.data() + piece->begin);
    stream.avail_in = uInt(size);
    stream.next_out = reinterpret_cast<Bytef*>(piece->deflated.data());
    stream.avail_out = uInt(piece->deflated.size());
    const int result = deflate(&stream, last ? Z_FINISH : Z_SYNC_FLUSH);
    piece->failed = last ? result != Z_STREAM_END : (result != Z_OK || stream.avail_in != 0);
    piece->deflated.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    piece->adler = adler32(1L, filtered.data() + piece->begin, uInt(size));
}

// Runs job(0) ... job(count - 1) on at most `threads` threads, this one among them.
template <typename Job>
void RunShared(int count, int threads, Job job) {
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i = next++; i < count; i = next++) {
            job(i);
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min(threads, count); ++t) {
        helpers.emplace_back(work);
    }
    work();
    for (std::thread& helper : helpers) {
        helper.join();
    }
}

class ChunkWriter {
public:
    explicit ChunkWriter(QIODevice* device) : m_pDevice(device) {}

    void Write(const char* type, const QByteArray& data) {
        std::array<uchar, 4> length{};
        qToBigEndian(quint32(data.size()), length.data());
        uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size()));
        std::array<uchar, 4> check{};
        qToBigEndian(quint32(crc), check.data());
        Put(reinterpret_cast<const char*>(length.data()), 4);
        Put(type, 4);
        Put(data.constData(), data.size());
        Put(reinterpret_cast<const char*>(check.data()), 4);
    }
    void Put(const char* bytes, qsizetype count) {
        if (!m_bFailed && count > 0 && m_pDevice->write(bytes, count) != count) {
            m_bFailed = true;
        }
    }
    bool HasFailed() const { return m_bFailed; }

private:
    QIODevice* m_pDevice;
    bool m_bFailed = false;
};

QByteArray BigEndian32(quint32 value) {
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

}  // namespace

bool CPngWriter::Write(const QImage& image, QIODevice* device, QString* error, int level,
                       int threads, qsizetype batchBytes) {
    if (image.isNull()) {
        *error = QStringLiteral("there is no image to write");
        return false;
    }
    QImage pixels = ThirtyTwoBit(image);
    const bool opaque = Qarn::IsOpaque(pixels);
    if (!opaque && pixels.format() == QImage::Format_ARGB32_Premultiplied) {
        pixels = pixels.convertToFormat(QImage::Format_ARGB32);  // a PNG holds straight alpha
    }
    const Layout layout{pixels.width(), pixels.height(), opaque ? 3 : 4};
    if (threads < 1) {
        threads = std::max(1, int(std::thread::hardware_concurrency()));
    }

    ChunkWriter out(device);
    out.Put(kSignature.data(), qsizetype(kSignature.size()));
    QByteArray header = BigEndian32(quint32(layout.width)) + BigEndian32(quint32(layout.height));
    header.append(char(8));               // bits per channel
    header.append(char(opaque ? 2 : 6));  // RGB or RGBA
    header.append(QByteArray(3, '\0'));   // deflate, adaptive filters, no interlace
    out.Write("IHDR", header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        QByteArray resolution = BigEndian32(quint32(image.dotsPerMeterX())) +
                                BigEndian32(quint32(image.dotsPerMeterY()));
        resolution.append(char(1));  // per metre
        out.Write("pHYs", resolution);
    }

    // Pieces of whole rows, a few per thread so that an uneven picture still shares well, taken
    // a batch at a time so that a large image never needs its filtered bytes all at once.
    const qsizetype total = layout.lineBytes() * layout.height;
    const qsizetype pieceBytes =
        std::clamp<qsizetype>(total / (threads * 4), kLeastPieceBytes, kMostPieceBytes);
    const int rowsPerPiece =
        int(std::clamp<qsizetype>(pieceBytes / layout.lineBytes(), 1, layout.height));
    const qsizetype rowsPerBatch =
        qsizetype(rowsPerPiece) *
        std::clamp<qsizetype>(batchBytes / (qsizetype(rowsPerPiece) * layout.lineBytes()), 1,
                              threads * 4);
    std::vector<uchar> filtered;
    uLong adler = 1;
    for (qsizetype batchTop = 0; batchTop < layout.height && !out.HasFailed();
         batchTop += rowsPerBatch) {
        const qsizetype batchEnd = std::min<qsizetype>(layout.height, batchTop + rowsPerBatch);
        std::vector<Piece> pieces;
        for (qsizetype y = batchTop; y < batchEnd; y += rowsPerPiece) {
            const qsizetype last = std::min<qsizetype>(batchEnd, y + rowsPerPiece);
            Piece piece;
            piece.begin = layout.lineBytes() * (y - batchTop);
            piece.end = layout.lineBytes() * (last - batchTop);
            pieces.push_back(std::move(piece));
        }
        try {
            filtered.resize(size_t(pieces.back().end));
        } catch (const std::bad_alloc&) {
            *error = QStringLiteral("not enough memory to write the image");
            return false;
        }
        const int count = int(pieces.size());
        const bool finalBatch = batchEnd == layout.height;
        // A thread that runs out of memory marks its piece failed (an exception leaving a
        // thread would end the program).
        RunShared(count, threads, [&](int i) {
            Piece& piece = pieces[size_t(i)];
            const qsizetype first = batchTop + piece.begin / layout.lineBytes();
            const qsizetype last = batchTop + piece.end / layout.lineBytes();
            try {
                FilterRows(pixels, layout, int(first), int(last), filtered.data() + piece.begin);
            } catch (const std::bad_alloc&) {
                piece.failed = true;
            }
        });
        if (std::none_of(pieces.begin(), pieces.end(), [](const Piece& p) { return p.failed; })) {
            RunShared(count, threads, [&](int i) {
                Deflate(filtered, &pieces[size_t(i)], level, finalBatch && i == count - 1);
            });
        }
        if (std::any_of(pieces.begin(), pieces.end(), [](const Piece& p) { return p.failed; })) {
            *error = QStringLiteral("the image could not be compressed");
            return false;
        }
        // The zlib stream: its header, the pieces, the checksum of all the filtered bytes.
        QByteArray stream;
        if (batchTop == 0) {
            stream.append("\x78\x01", 2);
        }
        for (const Piece& piece : pieces) {
            stream.append(piece.deflated);
            adler = adler32_combine(adler, piece.adler, z_off_t(piece.end - piece.begin));
        }
        if (finalBatch) {
            stream.append(BigEndian32(quint32(adler)));
        }
        for (qsizetype at = 0; at < stream.size(); at += kMostIdatBytes) {
            out.Write("IDAT", stream.mid(at, kMostIdatBytes));
        }
    }
    out.Write("IEND", QByteArray());
    if (out.HasFailed()) {
        *error = device->errorString();
        return false;
    }
    return true;
}
