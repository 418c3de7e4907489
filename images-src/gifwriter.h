#ifndef GIFWRITER_H
#define GIFWRITER_H

#include <QImage>
#include <QString>
#include <QVector>

// Writes frames of equal size as a GIF89a that loops forever. A pixel with alpha below 128
// becomes transparent; every other pixel is taken as opaque with its own colour, so callers
// flatten soft edges onto a background tone before handing the frames over. One global colour
// table serves all frames; if the frames hold more colours than fit, the colours are coarsened
// evenly until they do.
bool writeAnimatedGif(const QString &fileName, const QVector<QImage> &frames, int frameDelayMs);

#endif // GIFWRITER_H
