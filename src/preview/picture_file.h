// The preview's picture as the bytes of a PNG file.
#pragma once

#include <QByteArray>
#include <QImage>

namespace quorlin::preview {

// A PNG file of `image`, RGB, or RGBA when the image has an alpha channel;
// empty for a null image or when encoding fails. Rows are stored unfiltered
// and compressed lightly, a large picture in two halves at once: the picture
// is mostly flat colours, so harder work hardly shrinks it and took as long
// as drawing the map.
QByteArray PngBytes(const QImage &image);

} // namespace quorlin::preview
