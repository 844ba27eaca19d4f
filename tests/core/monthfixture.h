#pragma once
// A month of records for the month report's tests: rows put into a table,
// a program folder with a scripted desktop, and the report's texts.

#include "datafiletexts.h"
#include "monthreport.h"
#include "reportfile.h"
#include "scriptedplatform.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace zentak::test {

// "date|week|start|end|worked|kintai|note" into the cell of its date.
inline void put(AttendanceTable &t, const QString &row)
{
    const QStringList f = row.split(QLatin1Char('|'));
    Q_ASSERT(f.size() == 7);
    const DayKey day{f[0].left(4).toInt(), f[0].mid(5, 2).toInt(), f[0].mid(8, 2).toInt()};
    t.setRecord(day, std::array<QStringView, kFieldCount>{f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
}

inline QString worked(int day, const QString &kintai = QStringLiteral("08.00"),
               const QString &workedTime = QStringLiteral("08:00"))
{
    return QStringLiteral("2024/05/%1|水|09:00|18:00|%2|%3|作業")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(workedTime, kintai);
}

inline const QString kHeader = QStringLiteral(
    "\"   日付   \",\"曜\",\" 出社\",\" 退社\",\" 稼動\",\" 勤怠\",\" 集計 \",\"残業\",\" 残計\",\"作業内容\"");


struct MonthFixture {
    void reset()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        p_ = ScriptedPlatform();
        p_.folder = dir_->path();
        t_.clear();
        s_ = Settings();
    }
    ReportWrite write(int year = 2024, int month = 5)
    {
        return writeMonthReport(p_.folder, t_, year, month, s_);
    }
    QStringList lines() const { return monthReportLines(t_, 2024, 5, s_); }

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedPlatform p_;
    AttendanceTable t_;
    Settings s_;
};

} // namespace zentak::test
