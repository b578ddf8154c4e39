// merovane-icongen IMAGE.png IMAGE.bmp: writes the icon's full-colour image as an uncompressed
// 32-bit BMP with its alpha channel, which the window reads as it starts far faster than it
// decodes the PNG (unfiltering and inflating a 256 x 256 PNG costs more than the rest of the
// icon's work). Checks that the BMP reads back as exactly the PNG's pixels.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdint>
#include <cstdio>

namespace {

void put(QByteArray& out, std::uint32_t value, int bytes) {
  for (int at = 0; at < bytes; ++at) out.append(static_cast<char>((value >> (8 * at)) & 0xff));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: merovane-icongen IMAGE.png IMAGE.bmp\n", stderr);
    return 2;
  }
  const QImage image =
      QImageReader(QString::fromLocal8Bit(argv[1])).read().convertToFormat(QImage::Format_ARGB32);
  if (image.isNull()) {
    std::fprintf(stderr, "merovane-icongen: cannot read %s\n", argv[1]);
    return 1;
  }
  // A file header, then a version 4 information header: 32 bits a pixel in bit fields, alpha
  // included, rows from the bottom up.
  constexpr std::uint32_t kHeaders = 14 + 108;
  const auto pixelbytes = static_cast<std::uint32_t>(image.width() * image.height() * 4);
  QByteArray bmp("BM");
  put(bmp, kHeaders + pixelbytes, 4);
  put(bmp, 0, 4);
  put(bmp, kHeaders, 4);
  put(bmp, 108, 4);
  put(bmp, image.width(), 4);
  put(bmp, image.height(), 4);
  put(bmp, 1, 2);   // planes
  put(bmp, 32, 2);  // bits a pixel
  put(bmp, 3, 4);   // BI_BITFIELDS
  put(bmp, pixelbytes, 4);
  put(bmp, 3780, 4);  // 96 dots per inch, in dots a metre
  put(bmp, 3780, 4);
  put(bmp, 0, 4);
  put(bmp, 0, 4);
  for (const std::uint32_t mask : {0x00ff0000u, 0x0000ff00u, 0x000000ffu, 0xff000000u})
    put(bmp, mask, 4);
  put(bmp, 0x73524742, 4);                         // "sRGB"
  for (int at = 0; at < 12; ++at) put(bmp, 0, 4);  // end points and gamma, unused for sRGB
  for (int y = image.height() - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) put(bmp, row[x], 4);
  }

  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly) || out.write(bmp) != bmp.size() || !out.flush()) {
    std::fprintf(stderr, "merovane-icongen: cannot write %s\n", argv[2]);
    return 1;
  }
  out.close();
  const QImage back = QImageReader(QString::fromLocal8Bit(argv[2])).read();
  if (back.format() != QImage::Format_ARGB32 || back != image) {
    std::fprintf(stderr, "merovane-icongen: %s does not read back as the pixels of %s\n", argv[2],
                 argv[1]);
    return 1;
  }
  return 0;
}
