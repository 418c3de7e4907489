#ifndef PLANTREPORT_H
#define PLANTREPORT_H

#include <QCoreApplication>
#include <QString>

class PlantModel;

// The commissioning report a technician hands to the plant's owner: when, from
// which computer and adapters, which plan; per pump its name, its address before
// and after, each setting written and the outcome; the summary. Laid out as HTML in
// a QTextDocument and printed to PDF, the same on every platform.
class PlantReport
{
    Q_DECLARE_TR_FUNCTIONS(PlantReport)

public:
    PlantReport(const PlantModel &model, const QString &planPath, const QString &summary);

    QString html() const;
    bool write(const QString &pdfPath) const;

private:
    QString pumpRows() const;

    const PlantModel &model;
    QString planPath;
    QString summary;
};

#endif // PLANTREPORT_H
