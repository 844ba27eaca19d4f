#include "reportfile.h"

#include "atomicfile.h"
#include "codepage.h"
#include "monthreport.h"

#include <QDir>

namespace zentak {

namespace {

constexpr int kReportFields = 10;

} // namespace

std::optional<QStringList> splitReportLine(const QString &line)
{
    if (line.size() < 2 || !line.startsWith(QLatin1Char('"')) || !line.endsWith(QLatin1Char('"')))
        return std::nullopt;
    const QStringList fields = line.mid(1, line.size() - 2).split(QStringLiteral("\",\""));
    if (fields.size() != kReportFields)
        return std::nullopt;
    for (const QString &f : fields)
        if (f.contains(QLatin1Char('"')))
            return std::nullopt;
    return fields;
}

std::optional<QByteArray> encodeReport(const QStringList &lines, ReportFault *fault)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        const std::optional<QStringList> fields = splitReportLine(line);
        if (!fields) {
            *fault = {ReportFault::Kind::QuoteInLine, line.mid(1, 10)};
            return std::nullopt;
        }
        if (!encodeCodePage(line, bytes)) {
            *fault = {ReportFault::Kind::Unencodable, fields->first()};
            return std::nullopt;
        }
        bytes += "\r\n";
    }
    return bytes;
}

ReportWrite writeMonthReport(const QString &folder, const AttendanceTable &table, int year,
                             int month, const Settings &settings)
{
    ReportWrite report;
    report.name = reportFileName(year, month);
    report.path = QDir(folder).filePath(report.name);
    // Replaced atomically: on failure nothing half-written is left.
    const std::optional<QByteArray> bytes = encodeReport(monthReportLines(table, year, month, settings), &report.fault);
    report.written = bytes && replaceFile(report.path, *bytes, &report.error);
    return report;
}

} // namespace zentak
