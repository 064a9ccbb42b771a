#include "preview/picture_file.h"

#include <zlib.h>

#include <cstring>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

namespace quorlin::preview {

namespace {

// Below this many bytes of rows, a second thread costs more than it saves.
constexpr size_t kSplitAt = 256 * 1024;

void PutUint32(QByteArray *out, quint32 value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out->append(bytes, 4);
}

void PutChunk(QByteArray *out, const char *type, const QByteArray &data)
{
    PutUint32(out, quint32(data.size()));
    const qsizetype start = out->size();
    out->append(type, 4);
    out->append(data);
    const auto *bytes = reinterpret_cast<const Bytef *>(out->constData() + start);
    PutUint32(out, quint32(crc32(crc32(0, nullptr, 0), bytes, uInt(out->size() - start))));
}

// The picture's rows as the PNG stores them: each behind its filter byte, 0
// (stored as it is), then red, green, blue and, with an alpha channel, alpha.
class Rows {
public:
    explicit Rows(const QImage &image)
        : alpha_(image.hasAlphaChannel()), opaque32_(image.format() == QImage::Format_RGB32),
          pixels_(opaque32_ ? image : image.convertToFormat(alpha_ ? QImage::Format_RGBA8888 : QImage::Format_RGB888))
    {}

    bool alpha() const { return alpha_; }
    int width() const { return pixels_.width(); }
    int height() const { return pixels_.height(); }
    size_t bytesPerRow() const { return size_t(pixels_.width()) * (alpha_ ? 4 : 3) + 1; }

    // Writes rows [first, last) at `out`.
    void write(int first, int last, uchar *out) const
    {
        const size_t samples = bytesPerRow() - 1;
        for (int y = first; y < last; ++y) {
            *out++ = 0;
            if (opaque32_) {
                // The pictures the preview draws: read straight, without a
                // converted copy of the whole picture.
                const auto *pixel = reinterpret_cast<const QRgb *>(pixels_.constScanLine(y));
                for (int x = 0; x < pixels_.width(); ++x, out += 3) {
                    out[0] = uchar(qRed(pixel[x]));
                    out[1] = uchar(qGreen(pixel[x]));
                    out[2] = uchar(qBlue(pixel[x]));
                }
            } else {
                std::memcpy(out, pixels_.constScanLine(y), samples);
                out += samples;
            }
        }
    }

private:
    bool alpha_;
    bool opaque32_;
    QImage pixels_;
};

// A run of the rows as raw deflate blocks: the last run ends the stream, the
// others end on a byte boundary so that the next run's blocks follow them.
struct Part {
    int first = 0, last = 0; // rows [first, last)
    bool final = false;
    QByteArray deflated;
    uLong adler = 0;
    size_t length = 0;
    bool ok = false;
};

void Deflate(const Rows &rows, Part *part)
{
    part->length = size_t(part->last - part->first) * rows.bytesPerRow();
    std::vector<uchar> data(part->length);
    rows.write(part->first, part->last, data.data());
    part->adler = adler32(adler32(0, nullptr, 0), data.data(), uInt(part->length));
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return;
    part->deflated.resize(qsizetype(deflateBound(&stream, uLong(part->length)) + 64));
    stream.next_in = data.data();
    stream.avail_in = uInt(part->length);
    stream.next_out = reinterpret_cast<Bytef *>(part->deflated.data());
    stream.avail_out = uInt(part->deflated.size());
    const int result = deflate(&stream, part->final ? Z_FINISH : Z_SYNC_FLUSH);
    part->ok = part->final ? result == Z_STREAM_END : result == Z_OK && stream.avail_in == 0;
    part->deflated.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
}

// The zlib stream of the rows, made in two halves at once on a large
// picture: compressing is most of the time of writing one.
QByteArray Compress(const Rows &rows)
{
    const bool split = size_t(rows.height()) * rows.bytesPerRow() >= kSplitAt;
    Part parts[2];
    parts[0] = {0, split ? rows.height() / 2 : rows.height(), !split, {}, 0, 0, false};
    parts[1] = {parts[0].last, rows.height(), true, {}, 0, 0, false};
    std::thread second;
    if (split) {
        try {
            second = std::thread(Deflate, std::cref(rows), &parts[1]);
        } catch (const std::system_error &) {
            // No thread to spare: the second half waits its turn below.
        }
    }
    Deflate(rows, &parts[0]);
    if (second.joinable())
        second.join();
    else if (split)
        Deflate(rows, &parts[1]);
    QByteArray out;
    out.reserve(parts[0].deflated.size() + parts[1].deflated.size() + 6);
    out.append("\x78\x01", 2); // deflate, 32 KB window, fastest compression
    uLong adler = adler32(0, nullptr, 0);
    for (const Part &part : parts) {
        if (part.first == part.last)
            continue;
        if (!part.ok)
            return {};
        out.append(part.deflated);
        adler = adler32_combine(adler, part.adler, z_off_t(part.length));
    }
    PutUint32(&out, quint32(adler));
    return out;
}

} // namespace

QByteArray PngBytes(const QImage &image)
{
    if (image.isNull())
        return {};
    const Rows rows(image);
    const QByteArray compressed = Compress(rows);
    if (compressed.isEmpty())
        return {};

    QByteArray header;
    PutUint32(&header, quint32(rows.width()));
    PutUint32(&header, quint32(rows.height()));
    // 8 bits per sample; colour type 6 (RGBA) or 2 (RGB); deflate; the
    // standard filters; no interlacing.
    header.append(char(8)).append(char(rows.alpha() ? 6 : 2)).append(char(0)).append(char(0)).append(char(0));
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    out.reserve(compressed.size() + 64);
    PutChunk(&out, "IHDR", header);
    PutChunk(&out, "IDAT", compressed);
    PutChunk(&out, "IEND", {});
    return out;
}

} // namespace quorlin::preview
