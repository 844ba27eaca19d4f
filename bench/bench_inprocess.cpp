// The in-process figures, with Google Benchmark: the data file read and
// written for a full table, the write-through of one change, one navigation
// click through the real main window (offscreen, scripted desktop) and one
// month report written, the month's overtime figure and the window of the
// overtime opened. Each is the median of repetitions; the lines that
// start with FIGURE set them beside their targets.

#include "appsetup.h"
#include "attendancebook.h"
#include "calendarpanel.h"
#include "centerform.h"
#include "datafile.h"
#include "fixtures.h"
#include "mainwindow.h"
#include "medians.h"
#include "overtimedialog.h"
#include "realplatform.h"
#include "reportfile.h"
#include "scriptedplatform.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>
#include <map>
#include <memory>

using namespace zentak;
using namespace zentak::bench;

namespace {

const QDate kToday(2026, 12, 7);

const AttendanceTable &fullTable(int noteLength)
{
    static std::map<int, std::unique_ptr<AttendanceTable>> tables;
    auto &t = tables[noteLength];
    if (!t) {
        t = std::make_unique<AttendanceTable>();
        bench::fillEveryCell(*t, noteLength);
    }
    return *t;
}

void parse(benchmark::State &st)
{
    const QByteArray bytes = serializeTable(fullTable(int(st.range(0)))).bytes;
    AttendanceTable table;
    for (auto _ : st) {
        // As a load does: the table cleared, then the records read into it.
        table.clear();
        const ParseResult r = parseRecords(bytes, table);
        benchmark::DoNotOptimize(r);
        if (r.records != 1116)
            st.SkipWithError("not every record was read");
    }
}

// Every day of the given number of whole years ending in 2026.
const AttendanceTable &yearsTable(int years)
{
    static std::map<int, std::unique_ptr<AttendanceTable>> tables;
    auto &t = tables[years];
    if (!t) {
        t = std::make_unique<AttendanceTable>();
        bench::fillYears(*t, kToday.year(), years);
    }
    return *t;
}

void parseYears(benchmark::State &st)
{
    const QByteArray bytes = serializeTable(yearsTable(int(st.range(0)))).bytes;
    AttendanceTable table;
    for (auto _ : st) {
        const ParseResult r = parseRecords(bytes, table);
        benchmark::DoNotOptimize(r);
        if (r.skipped != 0)
            st.SkipWithError("a record was not read");
    }
}

// The month summary as the main window computes it.
void monthSummary(benchmark::State &st)
{
    const AttendanceTable &table = yearsTable(int(st.range(0)));
    int month = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(monthTotals(table, 2026, month++ % 12 + 1));
}

// The shown month's overtime as the main window's figure computes it.
void monthOvertime(benchmark::State &st)
{
    const AttendanceTable &table = yearsTable(int(st.range(0)));
    int month = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(lawOfMonth(table, 2026, month++ % 12 + 1, Qt::Sunday));
}

void serialize(benchmark::State &st)
{
    const AttendanceTable &table = fullTable(int(st.range(0)));
    for (auto _ : st) {
        const SerializeResult r = serializeTable(table);
        benchmark::DoNotOptimize(r.bytes.data());
        if (!r.ok)
            st.SkipWithError("the table could not be written");
    }
}

// A program folder of its own with a scripted desktop.
struct Folder {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    Folder()
    {
        platform.folder = dir.path();
        platform.clock = QDateTime(kToday, QTime(9, 30));
        platform.screen = QSize(1280, 1024);
    }
};

// The desktop's own settings store and files, with the program folder in a
// folder of the benchmark's (and the settings in one too: see main).
class FolderPlatform : public RealPlatform {
public:
    explicit FolderPlatform(const QString &folder) : folder_(folder) {}
    QString programFolder() override { return folder_; }

private:
    QString folder_;
};

// The heap the records of a book take, per further year: the book loaded
// from a file of one year and from one of many, the heap in use measured
// after each (the file's bytes kept for the outside-change check count).
double heapPerYearKiB(int years)
{
    auto heapAfterLoad = [](int count) {
        QTemporaryDir dir;
        FolderPlatform platform(dir.path());
        replaceFile(dataFilePath(dir.path()), serializeTable(yearsTable(count)).bytes);
        malloc_trim(0);
        // Large blocks are mapped by themselves, apart from the heap's arena.
        auto inUse = [] { const struct mallinfo2 m = mallinfo2(); return m.uordblks + m.hblkhd; };
        const size_t before = inUse();
        AttendanceBook book(bookPortsOf(platform));
        book.load();
        return double(inUse() - before);
    };
    return (heapAfterLoad(years) - heapAfterLoad(1)) / (years - 1) / 1024;
}

void writeThrough(benchmark::State &st)
{
    QTemporaryDir dir;
    FolderPlatform platform(dir.path());
    replaceFile(dataFilePath(dir.path()), serializeTable(st.range(0) == 0 ? fullTable(20) : yearsTable(int(st.range(0)))).bytes);
    AttendanceBook book(bookPortsOf(platform));
    book.load();
    int n = 0;
    for (auto _ : st) {
        // One day stored with another note, written through as the dialog
        // does: the paid-leave balance into the settings and the data file,
        // each synced to the disk.
        const QString note = (n++ % 2) ? QStringLiteral("打合せ") : QStringLiteral("資料作成");
        if (!book.storeDay(QDate(2025, 5, 14), {{}, {}, {}, {}, note}).written)
            st.SkipWithError("the write failed");
    }
}

void monthReport(benchmark::State &st)
{
    QTemporaryDir dir;
    AttendanceTable years;
    bench::fillYears(years, kToday.year());
    for (auto _ : st) {
        if (!writeMonthReport(dir.path(), years, 2026, 11, Settings()).written)
            st.SkipWithError("the report could not be written");
    }
}

// The main window started on a data file of three full years (or more).
struct Started : Folder {
    std::unique_ptr<AttendanceBook> book;
    std::unique_ptr<MainWindow> window;
    explicit Started(int yearCount = 3)
    {
        AttendanceTable years;
        bench::fillYears(years, kToday.year(), yearCount);
        replaceFile(dataFilePath(dir.path()), serializeTable(years).bytes);
        book = std::make_unique<AttendanceBook>(bookPortsOf(platform));
        window = std::make_unique<MainWindow>(*book, platform);
        window->startUp();
        window->show();
        QCoreApplication::processEvents();
        // The rest of the start, which the first frame's paint sets off.
        window->finishStartUp();
    }
};

void navigationClick(benchmark::State &st)
{
    Started s;
    CalendarPanel *calendar = s.window->calendar();
    auto *next = calendar->findChild<QPushButton *>(QStringLiteral("cmdNextMonth"));
    auto *prev = calendar->findChild<QPushButton *>(QStringLiteral("cmdPrevMonth"));
    const bool painted = st.range(0) != 0;
    int n = 0;
    for (auto _ : st) {
        (n++ % 2 ? next : prev)->click();
        if (painted)
            s.window->repaint();
    }
}

// The window 時間外労働の状況 opened from the main window, the agreement
// year's figures computed and its first frame painted; closed untimed.
void overtimeWindow(benchmark::State &st)
{
    Started s(int(st.range(0)));
    for (auto _ : st) {
        auto *dialog = new OvertimeDialog(*s.book, s.platform, s.window.get());
        openForm(dialog, s.window.get(), s.platform);
        dialog->repaint();
        st.PauseTiming();
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        st.ResumeTiming();
    }
}

void startInProcess(benchmark::State &st)
{
    Folder f;
    AttendanceTable years;
    bench::fillYears(years, kToday.year());
    replaceFile(dataFilePath(f.dir.path()), serializeTable(years).bytes);
    for (auto _ : st) {
        AttendanceBook book(bookPortsOf(f.platform));
        MainWindow window(book, f.platform);
        window.startUp();
        benchmark::DoNotOptimize(&window);
    }
}

} // namespace

BENCHMARK(parse)->Arg(20)->Arg(200)->Apply(configure);
BENCHMARK(serialize)->Arg(20)->Arg(200)->Apply(configure);
BENCHMARK(writeThrough)->Arg(0)->Arg(30)->Apply(configure);
BENCHMARK(parseYears)->Arg(3)->Arg(30)->Apply(configure);
BENCHMARK(monthSummary)->Arg(30)->Apply(configure);
BENCHMARK(monthOvertime)->Arg(30)->Apply(configure);
BENCHMARK(overtimeWindow)->Arg(30)->Apply(configure);
BENCHMARK(navigationClick)->Arg(0)->Arg(1)->Apply(configure);
BENCHMARK(monthReport)->Apply(configure);
BENCHMARK(startInProcess)->Apply(configure);

int main(int argc, char **argv)
{
    // The write-through saves into the settings store: one of its own, never
    // the user's.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    setUpApplication(app);

    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    std::printf("\n");
    figure(collector, "parse/20", "parse, full table (1,116 records)", 1.0);
    figure(collector, "serialize/20", "serialize, full table", 1.0);
    figure(collector, "writeThrough/0", "write-through of one change, sync incl.", -1);
    figure(collector, "parseYears/30", "parse, 30 full years (10,957 records)", 5.0);
    figure(collector, "writeThrough/30", "write-through of one change, 30 years", 10.0);
    figure(collector, "monthSummary/30", "month summary, 30 years", 0.2);
    figure(collector, "monthOvertime/30", "month's overtime figure, 30 years", 0.1);
    figure(collector, "overtimeWindow/30", "overtime window opened, 30 years", 50.0);
    kibFigure("heap per further year of records", heapPerYearKiB(30), 64);
    figure(collector, "navigationClick/0", "navigation click (redraw + summary)", 0.2);
    figure(collector, "navigationClick/1", "navigation click with the repaint", -1);
    figure(collector, "monthReport", "month report written", 1.0);
    figure(collector, "parse/200", "parse, full table, 200-char notes", -1);
    figure(collector, "serialize/200", "serialize, full table, 200-char notes", -1);
    figure(collector, "startInProcess", "main window built and loaded (in process)", -1);
    return 0;
}
