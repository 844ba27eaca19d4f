// Writes the data file the start-up is measured with: every day of the
// three years ending with this one, as a user's file would hold them.
//
//   bench_makedata FOLDER

#include "datafile.h"
#include "fixtures.h"

#include <QDate>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_makedata FOLDER\n");
        return 2;
    }
    zentak::AttendanceTable table;
    zentak::bench::fillYears(table, QDate::currentDate().year());
    QString error;
    if (!zentak::writeDataFile(zentak::dataFilePath(QString::fromLocal8Bit(argv[1])), table, &error)) {
        std::fprintf(stderr, "bench_makedata: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
