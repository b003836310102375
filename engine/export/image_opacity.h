#pragma once
// Whether an image is opaque: a page drawn on white is, and is then written without an
// alpha channel.

class QImage;

namespace Qarn {

// True when the image has no alpha channel or every pixel is fully opaque.
bool IsOpaque(const QImage& image);

}  // namespace Qarn
