#ifndef ICOWRITER_H
#define ICOWRITER_H

#include <QImage>
#include <QString>
#include <QVector>

// Writes a Windows icon file holding the given square images in the given order. Images below
// 256 pixels are stored as 32-bit DIBs with an AND mask, the 256-pixel one as a PNG, which is
// what Windows expects since Vista.
bool writeIconFile(const QString &fileName, const QVector<QImage> &images);

#endif // ICOWRITER_H
