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

std::optional<QByteArray> encodeReport(const QStringList &lines, QString *error)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        const std::optional<QStringList> fields = splitReportLine(line);
        if (!fields) {
            *error = QStringLiteral("%1 の行にダブルクォーテーションがあります。").arg(line.mid(1, 10));
            return std::nullopt;
        }
        if (!encodeCodePage(line, bytes)) {
            *error = QStringLiteral("%1 の行に Shift_JIS で書けない文字があります。")
                         .arg(fields->first());
            return std::nullopt;
        }
        bytes += "\r\n";
    }
    return bytes;
}

bool writeReportFile(const QString &path, const QStringList &lines, QString *error)
{
    const std::optional<QByteArray> bytes = encodeReport(lines, error);
    if (!bytes)
        return false;
    return replaceFile(path, *bytes, error);
}

ReportWrite writeMonthReport(const QString &folder, const AttendanceTable &table, int year,
                             int month, const Settings &settings)
{
    ReportWrite report;
    report.name = reportFileName(year, month);
    report.path = QDir(folder).filePath(report.name);
    report.written = writeReportFile(report.path, monthReportLines(table, year, month, settings),
                                     &report.error);
    return report;
}

} // namespace zentak
