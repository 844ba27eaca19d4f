// Writes the data file the start-up is measured with: every day of the
// years ending with this one (three unless YEARS says), as a user's file
// would hold them.
//
//   bench_makedata FOLDER [YEARS]

#include "datafile.h"
#include "fixtures.h"

#include <QDate>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const int years = argc == 3 ? std::atoi(argv[2]) : 3;
    if ((argc != 2 && argc != 3) || years < 1) {
        std::fprintf(stderr, "usage: bench_makedata FOLDER [YEARS]\n");
        return 2;
    }
    zentak::AttendanceTable table;
    zentak::bench::fillYears(table, QDate::currentDate().year(), years);
    QString error;
    if (!zentak::replaceFile(zentak::dataFilePath(QString::fromLocal8Bit(argv[1])), zentak::serializeTable(table).bytes,
                             &error)) {
        std::fprintf(stderr, "bench_makedata: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
