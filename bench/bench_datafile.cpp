// Speed of the data file: load and save of a full table (3 slots × 12 months
// × 31 days with 200-character notes), and a load of a multi-megabyte file.
// Target: a full table is written through in well under 50 ms, so a save
// after every change never makes the window wait.

#include "attendancetable.h"
#include "datafile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace zentak;

int main()
{
    AttendanceTable table;
    const QString note = QString(200, QChar(0x4F5C)); // 作 × 200
    for (int s = 1; s <= 3; ++s)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d) {
                const int year = 2004 + s; // slots 3, 1, 2
                table.setField(yearSlot(year), m, d, Field::Date,
                               QStringLiteral("%1/%2/%3").arg(year).arg(m, 2, 10, QLatin1Char('0')).arg(d, 2, 10, QLatin1Char('0')));
                table.setField(yearSlot(year), m, d, Field::Week, QStringLiteral("月"));
                table.setField(yearSlot(year), m, d, Field::Start, QStringLiteral("09:00"));
                table.setField(yearSlot(year), m, d, Field::Note, note);
            }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zentak.txt"));
    QElapsedTimer timer;
    constexpr int rounds = 20;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        QString error;
        if (!writeDataFile(path, table, &error)) {
            std::fprintf(stderr, "write failed: %s\n", qPrintable(error));
            return 1;
        }
    }
    const double writeMs = timer.elapsed() / double(rounds);
    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        AttendanceTable back;
        readDataFile(path, back);
    }
    const double readMs = timer.elapsed() / double(rounds);
    std::printf("full table: write %.2f ms, read %.2f ms\n", writeMs, readMs);

    // A hand-made file of about 5 MB of records (later ones win).
    const SerializeResult once = serializeTable(table);
    QByteArray big;
    while (big.size() < 5 * 1024 * 1024)
        big += once.bytes;
    timer.restart();
    AttendanceTable bigTable;
    const ParseResult parsed = parseRecords(big, bigTable);
    std::printf("%.1f MB file: %d records in %lld ms\n", big.size() / 1048576.0, parsed.records,
                static_cast<long long>(timer.elapsed()));
    return writeMs < 50 ? 0 : 2;
}
