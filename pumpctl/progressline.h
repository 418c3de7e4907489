#ifndef PROGRESSLINE_H
#define PROGRESSLINE_H

#include <QObject>
#include <QString>

// One line of progress on standard error, rewritten in place; only when standard
// error is a terminal and the user did not ask for quiet.
class ProgressLine : public QObject
{
    Q_OBJECT

public:
    explicit ProgressLine(bool quiet, QObject *parent = nullptr);
    ~ProgressLine() override;

    bool isShown() const { return enabled; }

public slots:
    // An empty phase clears the line.
    void show(const QString &phase, int done, int total, int msLeft);

private:
    void put(const QString &text);

    bool enabled;
    int shownWidth = 0;
};

#endif // PROGRESSLINE_H
