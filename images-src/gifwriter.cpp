#include "gifwriter.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <vector>

namespace {

const int maxLzwBits = 12;
const int maxLzwCodes = 1 << maxLzwBits;
const int transparentThreshold = 128;

bool isTransparent(QRgb pixel)
{
    return qAlpha(pixel) < transparentThreshold;
}

// Keeps the top (8 - shift) bits of each channel and centres the dropped range.
QRgb coarsen(QRgb pixel, int shift)
{
    if (shift == 0) {
        return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
    }
    const int half = 1 << (shift - 1);
    auto channel = [shift, half](int value) { return ((value >> shift) << shift) | half; };
    return qRgb(channel(qRed(pixel)), channel(qGreen(pixel)), channel(qBlue(pixel)));
}

struct Palette
{
    QVector<QRgb> colours;
    QHash<QRgb, int> indexOf;
    int shift = 0;
    int transparentIndex = -1;
};

Palette buildPalette(const QVector<QImage> &frames)
{
    bool anyTransparent = false;
    for (const QImage &frame : frames) {
        for (int y = 0; y < frame.height() && !anyTransparent; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                if (isTransparent(line[x])) {
                    anyTransparent = true;
                    break;
                }
            }
        }
    }
    const int room = anyTransparent ? 255 : 256;

    Palette palette;
    for (int shift = 0; shift <= 7; ++shift) {
        palette = Palette();
        palette.shift = shift;
        if (anyTransparent) {
            palette.transparentIndex = 0;
            palette.colours.append(qRgb(255, 255, 255));
        }
        for (const QImage &frame : frames) {
            for (int y = 0; y < frame.height(); ++y) {
                const QRgb *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
                for (int x = 0; x < frame.width(); ++x) {
                    if (isTransparent(line[x])) {
                        continue;
                    }
                    const QRgb colour = coarsen(line[x], shift);
                    if (!palette.indexOf.contains(colour)) {
                        palette.indexOf.insert(colour, palette.colours.size());
                        palette.colours.append(colour);
                    }
                }
            }
        }
        if (palette.indexOf.size() <= room) {
            break;
        }
    }
    return palette;
}

// Bits needed for a table of this many entries; GIF's LZW needs at least two.
int tableBits(int entries)
{
    int bits = 2;
    while ((1 << bits) < entries) {
        ++bits;
    }
    return bits;
}

class BitPacker
{
public:
    void put(int code, int width)
    {
        accumulator |= static_cast<quint32>(code) << pending;
        pending += width;
        while (pending >= 8) {
            bytes.append(static_cast<char>(accumulator & 0xff));
            accumulator >>= 8;
            pending -= 8;
        }
    }
    QByteArray finish()
    {
        if (pending > 0) {
            bytes.append(static_cast<char>(accumulator & 0xff));
        }
        accumulator = 0;
        pending = 0;
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 accumulator = 0;
    int pending = 0;
};

// Plain variable-width LZW as GIF wants it: a clear code first, a fresh clear whenever the
// 4096-entry table is full, and the end code last.
QByteArray compressLzw(const std::vector<quint8> &indices, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitPacker packer;
    // Entry for (prefix code, next index) lives at prefix * 256 + index; 0 means absent.
    std::vector<int> table(static_cast<size_t>(maxLzwCodes) * 256, 0);
    std::vector<int> usedSlots;

    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    packer.put(clearCode, codeSize);
    if (indices.empty()) {
        packer.put(endCode, codeSize);
        return packer.finish();
    }

    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const int index = indices[i];
        const size_t slot = static_cast<size_t>(prefix) * 256 + static_cast<size_t>(index);
        if (table[slot] != 0) {
            prefix = table[slot];
            continue;
        }
        packer.put(prefix, codeSize);
        if (nextCode < maxLzwCodes) {
            table[slot] = nextCode;
            usedSlots.push_back(static_cast<int>(slot));
            ++nextCode;
            // The decoder adds its entries one step behind us, so it widens its codes only
            // once our table has passed the current width.
            if (nextCode > (1 << codeSize) && codeSize < maxLzwBits) {
                ++codeSize;
            }
        } else {
            packer.put(clearCode, codeSize);
            for (int used : usedSlots) {
                table[static_cast<size_t>(used)] = 0;
            }
            usedSlots.clear();
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = index;
    }
    packer.put(prefix, codeSize);
    packer.put(endCode, codeSize);
    return packer.finish();
}

void appendWord(QByteArray *out, int value)
{
    out->append(static_cast<char>(value & 0xff));
    out->append(static_cast<char>((value >> 8) & 0xff));
}

void appendSubBlocks(QByteArray *out, const QByteArray &data)
{
    for (int offset = 0; offset < data.size(); offset += 255) {
        const int length = qMin(255, data.size() - offset);
        out->append(static_cast<char>(length));
        out->append(data.constData() + offset, length);
    }
    out->append('\0');
}

} // namespace

bool writeAnimatedGif(const QString &fileName, const QVector<QImage> &frames, int frameDelayMs)
{
    if (frames.isEmpty()) {
        qWarning() << "writeAnimatedGif: no frames for" << fileName;
        return false;
    }
    const QSize size = frames.first().size();
    if (size.width() > 0xffff || size.height() > 0xffff) {
        qWarning() << "writeAnimatedGif: frames too large for GIF" << size;
        return false;
    }
    QVector<QImage> argbFrames;
    for (const QImage &frame : frames) {
        if (frame.size() != size) {
            qWarning() << "writeAnimatedGif: frames differ in size" << frame.size() << size;
            return false;
        }
        argbFrames.append(frame.convertToFormat(QImage::Format_ARGB32));
    }

    const Palette palette = buildPalette(argbFrames);
    const int bits = tableBits(palette.colours.size());
    const int tableSize = 1 << bits;

    QByteArray out("GIF89a");
    appendWord(&out, size.width());
    appendWord(&out, size.height());
    // Global table present, 8-bit colour resolution, table of 2^bits entries.
    out.append(static_cast<char>(0x80 | 0x70 | (bits - 1)));
    out.append(static_cast<char>(qMax(0, palette.transparentIndex)));
    out.append('\0');
    for (int i = 0; i < tableSize; ++i) {
        const QRgb colour = i < palette.colours.size() ? palette.colours.at(i) : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }

    // Application extension that makes viewers repeat the animation; a count of 0 is forever.
    out.append("\x21\xff\x0b", 3);
    out.append("NETSCAPE2.0");
    out.append("\x03\x01\x00\x00\x00", 5);

    const int delayCentiseconds = qBound(0, (frameDelayMs + 5) / 10, 0xffff);
    for (const QImage &frame : qAsConst(argbFrames)) {
        // Graphic control: each frame is cleared to the background before the next one is
        // drawn, otherwise the previous spinner position would shine through its transparency.
        out.append("\x21\xf9\x04", 3);
        const int disposal = 2;
        const int flags = (disposal << 2) | (palette.transparentIndex >= 0 ? 1 : 0);
        out.append(static_cast<char>(flags));
        appendWord(&out, delayCentiseconds);
        out.append(static_cast<char>(qMax(0, palette.transparentIndex)));
        out.append('\0');

        out.append('\x2c');
        appendWord(&out, 0);
        appendWord(&out, 0);
        appendWord(&out, size.width());
        appendWord(&out, size.height());
        out.append('\0');

        std::vector<quint8> indices;
        indices.reserve(static_cast<size_t>(size.width()) * static_cast<size_t>(size.height()));
        for (int y = 0; y < size.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                const int index = isTransparent(line[x])
                    ? palette.transparentIndex
                    : palette.indexOf.value(coarsen(line[x], palette.shift));
                indices.push_back(static_cast<quint8>(index));
            }
        }
        out.append(static_cast<char>(bits));
        appendSubBlocks(&out, compressLzw(indices, bits));
    }
    out.append('\x3b');

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        qWarning() << "writeAnimatedGif: cannot write" << fileName << file.errorString();
        return false;
    }
    return true;
}
