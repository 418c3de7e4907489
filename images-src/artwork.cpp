#include "artwork.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

const char *const wordmarkFontFamily = "DejaVu Sans";

namespace {

const QColor dropLight(0x5c, 0xb8, 0xf7);
const QColor dropDeep(0x15, 0x65, 0xc0);
const QColor highlight(255, 255, 255, 215);
const QColor inkDark(0x23, 0x31, 0x3f);
const QColor inkBlue(0x1a, 0x6f, 0xc9);
const QColor spinnerTail(0xd3, 0xe2, 0xf4);

// Drop width as a share of its height.
const qreal dropWidthRatio = 0.76;

// The drop is a circle at the bottom of `box`, as wide as the box, drawn up into a point at
// the top centre by two curves that meet the circle at its widest, vertical tangent.
QPainterPath dropPath(const QRectF &box)
{
    const qreal radius = box.width() / 2;
    const qreal centreX = box.center().x();
    const qreal centreY = box.bottom() - radius;
    const qreal rise = centreY - box.top();
    const QPointF tip(centreX, box.top());

    QPainterPath path(tip);
    path.cubicTo(QPointF(centreX + radius * 0.22, box.top() + rise * 0.32),
                 QPointF(box.right(), centreY - rise * 0.42), QPointF(box.right(), centreY));
    path.arcTo(QRectF(centreX - radius, centreY - radius, 2 * radius, 2 * radius), 0, -180);
    path.cubicTo(QPointF(box.left(), centreY - rise * 0.42),
                 QPointF(centreX - radius * 0.22, box.top() + rise * 0.32), tip);
    path.closeSubpath();
    return path;
}

void paintDrop(QPainter *painter, const QRectF &box)
{
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0.0, dropLight);
    fill.setColorAt(1.0, dropDeep);
    painter->setPen(Qt::NoPen);
    painter->setBrush(fill);
    painter->drawPath(dropPath(box));

    // Below about 20 pixels the reflection would be a grey smudge rather than a line.
    const qreal radius = box.width() / 2;
    if (radius < 7.5) {
        return;
    }
    const QPointF centre(box.center().x(), box.bottom() - radius);
    const qreal arcRadius = radius * 0.64;
    const QRectF arcBox(centre.x() - arcRadius, centre.y() - arcRadius, 2 * arcRadius,
                        2 * arcRadius);
    QPainterPath reflection;
    reflection.arcMoveTo(arcBox, 192);
    reflection.arcTo(arcBox, 192, 58);
    QPen pen(highlight, qMax<qreal>(1.3, radius * 0.17), Qt::SolidLine, Qt::RoundCap);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(reflection);
}

// Drop width for a given height, rounded so that the drop's sides land on whole pixels when it
// is centred in a square of `side` pixels.
int dropWidth(int height, int side)
{
    const qreal ideal = height * dropWidthRatio;
    int width = qRound(ideal);
    if ((side - width) % 2 != 0) {
        const int narrower = width - 1;
        const int wider = width + 1;
        width = (ideal - narrower <= wider - ideal) ? narrower : wider;
    }
    return width;
}

QImage transparentImage(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor mix(const QColor &from, const QColor &to, qreal amount)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * amount,
                            from.greenF() + (to.greenF() - from.greenF()) * amount,
                            from.blueF() + (to.blueF() - from.blueF()) * amount);
}

// Pixels at least half covered become opaque, blended with the matte by their coverage; the
// rest become fully transparent.
QImage flattenOnto(const QImage &source, const QColor &matte)
{
    QImage result = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha < 128) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const int rest = 255 - alpha;
            line[x] = qRgb(qRed(line[x]) + (matte.red() * rest + 127) / 255,
                           qGreen(line[x]) + (matte.green() * rest + 127) / 255,
                           qBlue(line[x]) + (matte.blue() * rest + 127) / 255);
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

bool wordmarkFontAvailable()
{
    QFont font(QString::fromLatin1(wordmarkFontFamily));
    return QFontInfo(font).family() == QLatin1String(wordmarkFontFamily);
}

QImage drawIcon(int side)
{
    // Small icons keep one clear pixel around the drop; larger ones a sixteenth of the side.
    const int pad = side <= 24 ? 1 : qMax(2, side / 16);
    const int height = side - 2 * pad;
    const int width = dropWidth(height, side);

    QImage image = transparentImage(QSize(side, side));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDrop(&painter, QRectF((side - width) / 2.0, pad, width, height));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage drawLogo(const QSize &size)
{
    QImage image = transparentImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const int pad = 4;
    const int dropHeight = size.height() - 2 * pad;
    const int dropLeft = 6;
    const qreal dropW = std::round(dropHeight * dropWidthRatio);
    paintDrop(&painter, QRectF(dropLeft, pad, dropW, dropHeight));

    QFont bold(QString::fromLatin1(wordmarkFontFamily));
    bold.setPixelSize(qRound(size.height() * 0.6));
    bold.setBold(true);
    QFont regular = bold;
    regular.setBold(false);

    const QString first = QStringLiteral("Pump");
    const QString second = QStringLiteral("Tools");
    const QFontMetrics boldMetrics(bold);
    const QFontMetrics regularMetrics(regular);
    // Centre the capitals, not the descenders, on the drop's middle.
    const int baseline = qRound((size.height() + boldMetrics.capHeight()) / 2.0);
    const int firstX = dropLeft + int(dropW) + 11;
    const int secondX = firstX + boldMetrics.horizontalAdvance(first)
        + regularMetrics.horizontalAdvance(QLatin1Char(' '));

    painter.setFont(bold);
    painter.setPen(inkDark);
    painter.drawText(QPoint(firstX, baseline), first);
    painter.setFont(regular);
    painter.setPen(inkBlue);
    painter.drawText(QPoint(secondX, baseline), second);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QVector<QImage> drawSpinnerFrames(int side, int frameCount, const QColor &matte)
{
    // One spoke per frame, so every frame moves the bright head on by one spoke, clockwise.
    const int spokes = frameCount;
    const qreal centre = side / 2.0;
    const qreal outer = side * 0.40;
    const qreal inner = side * 0.21;
    const qreal thickness = side * 0.085;
    const int trail = qMax(1, spokes * 2 / 3);

    QVector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image = transparentImage(QSize(side, side));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int spoke = 0; spoke < spokes; ++spoke) {
            const int age = (frame - spoke + spokes) % spokes;
            const qreal fade = qMin(age, trail) / qreal(trail);
            painter.setPen(
                QPen(mix(inkBlue, spinnerTail, fade), thickness, Qt::SolidLine, Qt::RoundCap));
            const qreal angle = 2 * M_PI * spoke / spokes;
            const QPointF direction(std::sin(angle), -std::cos(angle));
            painter.drawLine(QPointF(centre, centre) + direction * inner,
                             QPointF(centre, centre) + direction * outer);
        }
        painter.end();
        frames.append(flattenOnto(image, matte));
    }
    return frames;
}
