// Writes one kind of file again and again, two contents in turn, until it is
// killed: the data file, a month report, or the settings store. Prints
// "ready" once the first write is done.

#include "datafile.h"
#include "faultcommon.h"
#include "reportfile.h"

#include <QCoreApplication>

#include <cstdio>

using namespace zentak;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    AttendanceTable a;
    AttendanceTable b;
    faults::fillTable(a, 1);
    faults::fillTable(b, 2);
    test::RealStorePlatform platform(folder);
    platform.folder = folder;

    for (long n = 0;; ++n) {
        const AttendanceTable &t = n % 2 ? b : a;
        bool ok = false;
        if (what == u"data") {
            ok = replaceFile(dataFilePath(folder), serializeTable(t).bytes);
        } else if (what == u"report") {
            ok = writeMonthReport(folder, t, 2025, 5, Settings()).written;
        } else if (what == u"settings") {
            Settings settings;
            settings.defaultNote = n % 2 ? QString(2000, QLatin1Char('b')) : QString(2000, QLatin1Char('a'));
            ok = saveSettings(platform, settings);
        }
        if (!ok)
            return 3;
        if (n == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
