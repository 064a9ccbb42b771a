#include "preview/picture_file.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <vector>

namespace quorlin::preview {

namespace {

void Append(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray *>(png_get_io_ptr(png))->append(reinterpret_cast<const char *>(data), qsizetype(length));
}

void NoFlush(png_structp) {}

// Writes `image` (already in the format the colour type names) into `out`;
// false when libpng gave up. Kept apart from PngBytes so that the longjmp
// back from an error crosses no object that needs destroying.
bool Encode(const QImage &image, int colourType, const std::vector<png_bytep> &rows, QByteArray *out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, Append, NoFlush);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, Z_BEST_SPEED);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8, colourType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

QByteArray PngBytes(const QImage &image)
{
    if (image.isNull())
        return {};
    const bool alpha = image.hasAlphaChannel();
    const QImage pixels = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    std::vector<png_bytep> rows(size_t(pixels.height()));
    for (int y = 0; y < pixels.height(); ++y)
        rows[size_t(y)] = const_cast<png_bytep>(pixels.constScanLine(y));
    QByteArray out;
    out.reserve(qsizetype(pixels.sizeInBytes() / 4));
    if (!Encode(pixels, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, rows, &out))
        return {};
    return out;
}

} // namespace quorlin::preview
