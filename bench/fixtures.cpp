#include "fixtures.h"

#include <QDate>
#include <QStringList>

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

void putDay(AttendanceTable &table, int slot, int month, int day, const QString &date,
            const QString &week, int serial)
{
    auto put = [&](Field f, const QString &text) { table.setField(slot, month, day, f, text); };
    put(Field::Date, date);
    put(Field::Week, week);
    if (week == QStringLiteral("日") || week == QStringLiteral("土")) {
        put(Field::Start, QStringLiteral("00:00"));
        put(Field::End, QStringLiteral("00:00"));
        put(Field::Worked, QStringLiteral("00:00"));
        put(Field::Attendance, QStringLiteral("00.00"));
        put(Field::Note, QStringLiteral("休日"));
        return;
    }
    if (serial % 23 == 0) {
        put(Field::Start, QStringLiteral("00:00"));
        put(Field::End, QStringLiteral("00:00"));
        put(Field::Worked, QStringLiteral("00:00"));
        put(Field::Attendance, QStringLiteral("00.00"));
        put(Field::Note, QStringLiteral("有給休暇（１日）"));
        return;
    }
    const int late = serial % 4; // 0 to 3 quarter hours after six
    put(Field::Start, QStringLiteral("09:00"));
    put(Field::End, QStringLiteral("18:%1").arg(late * 15, 2, 10, QLatin1Char('0')));
    put(Field::Worked, QStringLiteral("08:%1").arg(late * 15, 2, 10, QLatin1Char('0')));
    put(Field::Attendance, QStringLiteral("08.%1").arg(late * 25, 2, 10, QLatin1Char('0')));
    put(Field::Note, kNotes[serial % kNotes.size()]);
}

} // namespace

void fillYears(AttendanceTable &table, int lastYear)
{
    int serial = 0;
    for (QDate d(lastYear - 2, 1, 1); d.year() <= lastYear; d = d.addDays(1), ++serial)
        putDay(table, yearSlot(d.year()), d.month(), d.day(), d.toString(QStringLiteral("yyyy/MM/dd")),
               QString::fromUtf8(kWeekdays[d.dayOfWeek() % 7]), serial);
}

void fillEveryCell(AttendanceTable &table, int noteLength)
{
    int serial = 0;
    for (int year = 2024; year <= 2026; ++year)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d, ++serial) {
                const QString date = QStringLiteral("%1/%2/%3")
                                         .arg(year)
                                         .arg(m, 2, 10, QLatin1Char('0'))
                                         .arg(d, 2, 10, QLatin1Char('0'));
                const int weekday = serial % 7;
                putDay(table, yearSlot(year), m, d, date, QString::fromUtf8(kWeekdays[weekday]),
                       serial);
                // A working note of the asked length on every day.
                QString note = kNotes[serial % kNotes.size()];
                while (note.size() < noteLength)
                    note += note;
                table.setField(yearSlot(year), m, d, Field::Note, note.left(noteLength));
            }
}

} // namespace zentak::bench
