#ifndef ARTWORK_H
#define ARTWORK_H

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

// The pump tools' artwork: a water-drop glyph, the wordmark beside it, and the busy spinner.
// Everything is drawn from geometry here, so any size can be regenerated exactly.

extern const char *const wordmarkFontFamily;

// True when the wordmark's font is installed, so that the logo comes out as committed.
bool wordmarkFontAvailable();

// Square program icon with the drop centred on a transparent background.
QImage drawIcon(int side);

// The wordmark "Pump Tools" with the drop in front of it, on a transparent background.
QImage drawLogo(const QSize &size);

// One full turn of the spinner. GIF knows only opaque or transparent pixels, so anti-aliased
// edges are flattened onto `matte`, the tone of the window behind the spinner.
QVector<QImage> drawSpinnerFrames(int side, int frameCount, const QColor &matte);

#endif // ARTWORK_H
