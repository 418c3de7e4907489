// imagegen draws every image that the pump tools embed and writes them into the directory
// given on the command line, then reads each file back and checks it.

#include "artwork.h"
#include "gifwriter.h"
#include "icowriter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMovie>
#include <QTextStream>

namespace {

const QSize logoSize(285, 45);
const int spinnerSide = 66;
const int spinnerFrames = 12;
const int spinnerDelayMs = 80;
// The default window colour of the desktop the tools are made for; the spinner sits on it.
const QColor windowTone(0xf0, 0xf0, 0xf0);
const QVector<int> iconSides = { 16, 24, 32, 48, 256 };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool savePng(const QImage &image, const QString &fileName)
{
    if (!image.save(fileName, "PNG")) {
        err() << "cannot write " << fileName << Qt::endl;
        return false;
    }
    out() << "wrote " << fileName << Qt::endl;
    return true;
}

bool expect(bool condition, const QString &what)
{
    if (!condition) {
        err() << "check failed: " << what << Qt::endl;
    }
    return condition;
}

bool checkPng(const QString &fileName, const QSize &size)
{
    QImageReader reader(fileName);
    bool ok = expect(reader.format() == "png", fileName + QStringLiteral(" is a PNG"));
    const QImage image = reader.read();
    ok = expect(!image.isNull(), fileName + QStringLiteral(" decodes")) && ok;
    ok = expect(image.size() == size, fileName + QStringLiteral(" has the expected size")) && ok;
    ok = expect(image.hasAlphaChannel(), fileName + QStringLiteral(" has an alpha channel")) && ok;
    return ok;
}

// Decodes the GIF both as a movie (what the window uses) and frame by frame, and compares
// every frame with what was drawn; a fault in the LZW coder shows up as garbage here.
bool checkSpinner(const QString &fileName, const QVector<QImage> &drawn)
{
    QMovie movie(fileName);
    bool ok = expect(movie.isValid(), fileName + QStringLiteral(" is a valid movie"));
    ok = expect(movie.frameCount() == drawn.size(),
                QStringLiteral("frame count %1").arg(movie.frameCount()))
        && ok;
    ok = expect(movie.loopCount() == -1,
                QStringLiteral("movie loops forever (loopCount %1)").arg(movie.loopCount()))
        && ok;
    movie.jumpToFrame(0);
    ok = expect(movie.currentImage().size() == QSize(spinnerSide, spinnerSide),
                QStringLiteral("movie frame size"))
        && ok;
    ok = expect(movie.nextFrameDelay() == spinnerDelayMs,
                QStringLiteral("frame delay %1 ms").arg(movie.nextFrameDelay()))
        && ok;
    out() << "QMovie: frameCount " << movie.frameCount() << ", loopCount " << movie.loopCount()
          << ", size " << movie.currentImage().width() << "x" << movie.currentImage().height()
          << ", delay " << movie.nextFrameDelay() << " ms" << Qt::endl;

    QImageReader reader(fileName);
    int worst = 0;
    for (int index = 0; index < drawn.size(); ++index) {
        const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
        if (!expect(decoded.size() == drawn.at(index).size(),
                    QStringLiteral("frame %1 decodes at full size").arg(index))) {
            return false;
        }
        for (int y = 0; y < decoded.height(); ++y) {
            for (int x = 0; x < decoded.width(); ++x) {
                const QRgb want = drawn.at(index).pixel(x, y);
                const QRgb got = decoded.pixel(x, y);
                if ((qAlpha(want) < 128) != (qAlpha(got) == 0)) {
                    return expect(
                        false,
                        QStringLiteral("frame %1 transparency at %2,%3").arg(index).arg(x).arg(y));
                }
                if (qAlpha(got) != 0) {
                    worst = qMax(worst, qAbs(qRed(want) - qRed(got)));
                    worst = qMax(worst, qAbs(qGreen(want) - qGreen(got)));
                    worst = qMax(worst, qAbs(qBlue(want) - qBlue(got)));
                }
            }
        }
    }
    out() << "GIF frames match the drawing within " << worst << " per channel" << Qt::endl;
    return expect(worst <= 8, QStringLiteral("decoded colours close to the drawing")) && ok;
}

bool checkIconFile(const QString &fileName)
{
    QImageReader reader(fileName);
    bool ok = expect(reader.imageCount() == iconSides.size(),
                     QStringLiteral("icon file holds %1 images").arg(reader.imageCount()));
    for (int index = 0; index < iconSides.size() && ok; ++index) {
        ok = expect(reader.jumpToImage(index), QStringLiteral("icon image %1 found").arg(index));
        const QImage image = reader.read();
        const int side = iconSides.at(index);
        ok = expect(image.size() == QSize(side, side),
                    QStringLiteral("icon image %1 is %2 pixels").arg(index).arg(side))
            && expect(image.hasAlphaChannel(),
                      QStringLiteral("icon image %1 has alpha").arg(index));
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs fonts but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err() << "usage: imagegen <output directory>" << Qt::endl;
        return 2;
    }
    const QDir dir(arguments.at(1));
    if (!dir.exists()) {
        err() << "no such directory: " << dir.path() << Qt::endl;
        return 2;
    }
    if (!wordmarkFontAvailable()) {
        err() << "the font \"" << wordmarkFontFamily
              << "\" is not installed (Debian: fonts-dejavu-core)" << Qt::endl;
        return 1;
    }

    bool ok = true;
    const QString logoFile = dir.filePath(QStringLiteral("brand-logo-email.png"));
    ok = savePng(drawLogo(logoSize), logoFile) && ok;

    QVector<QImage> icons;
    for (int side : iconSides) {
        icons.append(drawIcon(side));
        ok = savePng(icons.last(), dir.filePath(QStringLiteral("icon-%1.png").arg(side))) && ok;
    }
    const QString iconFile = dir.filePath(QStringLiteral("pump-tools.ico"));
    if (writeIconFile(iconFile, icons)) {
        out() << "wrote " << iconFile << Qt::endl;
    } else {
        ok = false;
    }

    const QString spinnerFile = dir.filePath(QStringLiteral("ajax-loader.gif"));
    const QVector<QImage> spinner = drawSpinnerFrames(spinnerSide, spinnerFrames, windowTone);
    if (writeAnimatedGif(spinnerFile, spinner, spinnerDelayMs)) {
        out() << "wrote " << spinnerFile << Qt::endl;
    } else {
        ok = false;
    }
    if (!ok) {
        return 1;
    }

    ok = checkPng(logoFile, logoSize);
    for (int side : iconSides) {
        ok = checkPng(dir.filePath(QStringLiteral("icon-%1.png").arg(side)), QSize(side, side))
            && ok;
    }
    ok = checkIconFile(iconFile) && ok;
    ok = checkSpinner(spinnerFile, spinner) && ok;
    out() << (ok ? "all images check out" : "some images failed their checks") << Qt::endl;
    return ok ? 0 : 1;
}
