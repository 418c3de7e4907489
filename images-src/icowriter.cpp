#include "icowriter.h"

#include <QBuffer>
#include <QDebug>
#include <QSaveFile>

namespace {

const int directoryHeaderSize = 6;
const int directoryEntrySize = 16;
const int bitmapInfoHeaderSize = 40;
const int pngFromSize = 256;

void appendWord(QByteArray *out, quint32 value)
{
    out->append(static_cast<char>(value & 0xff));
    out->append(static_cast<char>((value >> 8) & 0xff));
}

void appendDword(QByteArray *out, quint32 value)
{
    appendWord(out, value & 0xffff);
    appendWord(out, value >> 16);
}

QByteArray encodeDib(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;

    QByteArray dib;
    appendDword(&dib, bitmapInfoHeaderSize);
    appendDword(&dib, static_cast<quint32>(width));
    // The height covers the colour rows and the mask rows together.
    appendDword(&dib, static_cast<quint32>(height * 2));
    appendWord(&dib, 1);
    appendWord(&dib, 32);
    appendDword(&dib, 0);
    appendDword(&dib, static_cast<quint32>(width * height * 4 + maskStride * height));
    appendDword(&dib, 0);
    appendDword(&dib, 0);
    appendDword(&dib, 0);
    appendDword(&dib, 0);

    // Rows run bottom-up, pixels as B, G, R, A with straight (not premultiplied) alpha.
    for (int y = height - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            dib.append(static_cast<char>(qBlue(line[x])));
            dib.append(static_cast<char>(qGreen(line[x])));
            dib.append(static_cast<char>(qRed(line[x])));
            dib.append(static_cast<char>(qAlpha(line[x])));
        }
    }
    // The AND mask is only read by programs that ignore the alpha channel; a set bit marks a
    // fully transparent pixel.
    for (int y = height - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) == 0) {
                row[x / 8] = static_cast<char>(row.at(x / 8) | (0x80 >> (x % 8)));
            }
        }
        dib.append(row);
    }
    return dib;
}

QByteArray encodePng(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG")) {
        return QByteArray();
    }
    return png;
}

} // namespace

bool writeIconFile(const QString &fileName, const QVector<QImage> &images)
{
    if (images.isEmpty() || images.size() > 0xffff) {
        qWarning() << "writeIconFile: unusable number of images" << images.size();
        return false;
    }
    QVector<QByteArray> payloads;
    for (const QImage &image : images) {
        if (image.width() != image.height() || image.width() < 1 || image.width() > 256) {
            qWarning() << "writeIconFile: icon images must be square, 1 to 256 pixels"
                       << image.size();
            return false;
        }
        const QByteArray payload
            = image.width() >= pngFromSize ? encodePng(image) : encodeDib(image);
        if (payload.isEmpty()) {
            qWarning() << "writeIconFile: cannot encode the" << image.width() << "pixel image";
            return false;
        }
        payloads.append(payload);
    }

    QByteArray out;
    appendWord(&out, 0);
    appendWord(&out, 1); // 1 = icon, 2 = cursor
    appendWord(&out, static_cast<quint32>(images.size()));
    quint32 offset = directoryHeaderSize + directoryEntrySize * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int side = images.at(i).width();
        // A side of 256 does not fit in a byte and is written as 0.
        out.append(static_cast<char>(side >= 256 ? 0 : side));
        out.append(static_cast<char>(side >= 256 ? 0 : side));
        out.append('\0'); // no palette
        out.append('\0');
        appendWord(&out, 1); // colour planes
        appendWord(&out, 32); // bits per pixel
        appendDword(&out, static_cast<quint32>(payloads.at(i).size()));
        appendDword(&out, offset);
        offset += static_cast<quint32>(payloads.at(i).size());
    }
    for (const QByteArray &payload : qAsConst(payloads)) {
        out.append(payload);
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        qWarning() << "writeIconFile: cannot write" << fileName << file.errorString();
        return false;
    }
    return true;
}
