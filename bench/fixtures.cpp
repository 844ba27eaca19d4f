#include "fixtures.h"

#include <QDate>
#include <QStringList>

#include <algorithm>

namespace zentak::bench {

namespace {

// Work notes of 18 to 22 characters, as people write them.
const QStringList kNotes = {
    QStringLiteral("顧客先打合せ、議事録作成と仕様の確認"),
    QStringLiteral("受注システム改修　画面設計レビュー対応"),
    QStringLiteral("月次締め処理、請求データ確認と修正作業"),
    QStringLiteral("新人研修資料の作成、社内ミーティング"),
    QStringLiteral("障害調査（ログ解析）と再発防止策の検討"),
    QStringLiteral("見積書作成、営業同行　○○商事様訪問"),
    QStringLiteral("テスト仕様書作成、結合テスト実施１２件"),
};

const char *const kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};

// A day as a user would have it: weekends off, a paid day now and then,
// the rest worked with a note (of noteLength characters when it is given).
DayRecord dayOf(DayKey day, const QString &week, int serial, int noteLength = 0)
{
    DayRecord r = DayRecord::blank();
    r.date = day.dateText();
    r.week = week;
    const bool weekend = week == QStringLiteral("日") || week == QStringLiteral("土");
    if (weekend || serial % 23 == 0) {
        r.start = r.end = r.worked = QStringLiteral("00:00");
        r.attendance = QStringLiteral("00.00");
        r.note = weekend ? QStringLiteral("休日") : QStringLiteral("有給休暇（１日）");
    } else {
        const int late = serial % 4; // 0 to 3 quarter hours after six
        r.start = QStringLiteral("09:00");
        r.end = QStringLiteral("18:%1").arg(late * 15, 2, 10, QLatin1Char('0'));
        r.worked = QStringLiteral("08:%1").arg(late * 15, 2, 10, QLatin1Char('0'));
        r.attendance = QStringLiteral("08.%1").arg(late * 25, 2, 10, QLatin1Char('0'));
        r.note = kNotes[serial % kNotes.size()];
    }
    if (noteLength > 0) {
        QString note = kNotes[serial % kNotes.size()];
        while (note.size() < noteLength)
            note += note;
        r.note = note.left(noteLength);
    }
    return r;
}

} // namespace

void fillYears(AttendanceTable &table, int lastYear, int years)
{
    int serial = 0;
    for (QDate d(lastYear - years + 1, 1, 1); d.year() <= lastYear; d = d.addDays(1), ++serial)
        table.setRecord(keyOf(d), dayOf(keyOf(d), QString::fromUtf8(kWeekdays[d.dayOfWeek() % 7]), serial));
}

void fillEveryCell(AttendanceTable &table, int noteLength)
{
    int serial = 0;
    for (int year = 2024; year <= 2026; ++year)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d, ++serial) {
                const int weekday = serial % 7;
                table.setRecord(DayKey{year, m, d},
                                dayOf({year, m, d}, QString::fromUtf8(kWeekdays[weekday]), serial,
                                      std::max(noteLength, 1)));
            }
}

} // namespace zentak::bench
