#include "reportfile.h"

#include "appstate.h"
#include "atomicfile.h"
#include "codepage.h"
#include "datafile.h"
#include "monthreport.h"
#include "platform.h"

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

std::optional<QString> writeMonthReport(const AppState &state, Platform &platform, int year,
                                        int month)
{
    const MonthResult result = Monthout(state.table, year, month, u"1", state.settings);
    const QString name = reportFileName(year, month);
    const QString path = QDir(platform.programFolder()).filePath(name);
    QString error;
    if (!writeReportFile(path, result.lines, &error)) {
        platform.messageBox(QStringLiteral("月報を書き込めませんでした。\n%1\n(%2)")
                                .arg(QDir::toNativeSeparators(path), error),
                            state.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return std::nullopt;
    }
    return name;
}

} // namespace zentak
