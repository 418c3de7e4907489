#include "plantreport.h"

#include "plantlook.h"
#include "plantmodel.h"
#include "programprofile.h"
#include "pumpversion.h"
#include "settingvalue.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QSet>
#include <QSysInfo>
#include <QTextDocument>

namespace {

QString escaped(const QString &text) { return text.toHtmlEscaped(); }

} // namespace

PlantReport::PlantReport(const PlantModel &model, const QString &planPath, const QString &summary)
    : model(model)
    , planPath(planPath)
    , summary(summary)
{ }

QString PlantReport::html() const
{
    QSet<QString> adapterSet;
    for (int row = 0; row < model.pumpCount(); ++row) {
        const QString adapter = model.row(row).pump.adapter.label();
        if (!adapter.isEmpty())
            adapterSet.insert(adapter);
    }
    QStringList adapters = adapterSet.values();
    adapters.sort();
    const QString none = tr("none");
    QString html = QStringLiteral("<html><body style=\"font-family: 'DejaVu Sans', sans-serif;\">");
    html += QStringLiteral("<h2>%1</h2>").arg(escaped(tr("Commissioning report")));
    html += QStringLiteral("<table cellpadding=\"2\">");
    const auto fact = [&html](const QString &name, const QString &value) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(escaped(name), escaped(value));
    };
    fact(tr("Date and time"),
         QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat));
    fact(tr("Computer"), QSysInfo::machineHostName());
    fact(tr("Adapters"),
         adapters.isEmpty() ? tr("every adapter the search reached")
                            : adapters.join(QStringLiteral(", ")));
    fact(tr("Plan"), planPath.isEmpty() ? none : QFileInfo(planPath).fileName());
    fact(tr("Tool"), QStringLiteral("Corvane Plant Tool v") + QStringLiteral(PUMPTOOLS_VERSION));
    html += QStringLiteral("</table>");
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Pumps")));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
                           "<tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th><th>%5</th></tr>")
                .arg(escaped(tr("Pump")), escaped(tr("Address before")),
                     escaped(tr("Address after")), escaped(tr("Settings written")),
                     escaped(tr("Outcome")));
    html += pumpRows();
    html += QStringLiteral("</table>");
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(escaped(tr("Summary")),
                     escaped(summary.isEmpty() ? tr("No write was made.") : summary));
    html += QStringLiteral("</body></html>");
    return html;
}

QString PlantReport::pumpRows() const
{
    const ProgramProfile &profile = model.profile();
    const int assignment = profile.indexOf("NAM");
    const int address = profile.indexOf("NIP");
    QString rows;
    for (int row = 0; row < model.pumpCount(); ++row) {
        const PlantRow &pump = model.row(row);
        // After a write, what it changed; before, what it would change.
        QStringList written;
        for (const QString &change : pump.written)
            written.append(escaped(change));
        for (int setting = 0; pump.written.isEmpty() && setting < profile.settingCount();
             ++setting) {
            if (model.cellChanges(row, setting))
                written.append(escaped(model.settingTitle(setting) + QStringLiteral(": ")
                                       + model.cellText(row, setting)));
        }
        QString after = pump.pump.address;
        if (assignment >= 0 && address >= 0
            && SettingValue::assignsStatic(model.cellText(row, assignment))
            && !model.cellText(row, address).isEmpty())
            after = model.cellText(row, address);
        const QString outcome = pump.notFound
            ? tr("not found")
            : PlantLook::outcomeText(pump.outcome, pump.outcomeDetail);
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(escaped(pump.pump.label()), escaped(pump.pump.address), escaped(after),
                         written.join(QStringLiteral("<br>")), escaped(outcome));
    }
    return rows;
}

bool PlantReport::write(const QString &pdfPath) const
{
    QPdfWriter writer(pdfPath);
    if (!writer.pageLayout().isValid())
        return false;
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(tr("Commissioning report"));
    writer.setCreator(QStringLiteral("Corvane Plant Tool"));
    // The same font on every platform, so that the report lays out the same.
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    document.setHtml(html());
    // print() lays the document out on the writer's pages at the writer's resolution.
    document.print(&writer);
    return QFileInfo(pdfPath).size() > 0;
}
