#ifndef SETTINGSWATCH_H
#define SETTINGSWATCH_H

#include "fieldshading.h"
#include "formfield.h"

#include <QObject>
#include <QSet>
#include <QTimer>
#include <QVector>

// Knows which settings on the form came from the pump since it was selected, and
// which the technician filled in. A read that ends with settings missing leaves
// those fields shaded as unknown, so that an empty field is never taken for an
// empty setting and never written back as one.
class SettingsWatch : public QObject
{
    Q_OBJECT

public:
    explicit SettingsWatch(QObject *parent = nullptr);

    // The settings of the form; without them nothing is watched (a program that
    // never reads its settings back).
    void watch(const QVector<FormField> &fields);
    // A read of `queryFrames` settings starts, over a serial line or Ethernet.
    void beginRead(int queryFrames, bool serialLine);
    // The form was cleared: nothing on it is known any more.
    void forget();
    void noteArrived(QWidget *editor);

    bool hasAnswers() const { return !arrived.isEmpty(); }
    bool isReading() const { return readDeadline.isActive(); }
    // Settings neither reported by the pump nor filled in by the technician.
    QVector<FormField> unfilled() const;
    QVector<FormField> missing() const;
    void shadeUnknown(const QVector<FormField> &fields);
    void shadeDiffering(QWidget *editor);

    // How long a read may take: every query's pacing and a margin for the answers.
    static int readTimeMs(int queryFrames, bool serialLine);

signals:
    void firstAnswer();
    // The read is over, complete or not; missing() says what did not arrive.
    void readEnded();

private:
    void finishRead();
    void noteFilledIn(QWidget *editor);

    QVector<FormField> fields;
    QSet<QWidget *> arrived;
    QSet<QWidget *> filledIn;
    FieldShading shading;
    QTimer readDeadline;
};

#endif // SETTINGSWATCH_H
