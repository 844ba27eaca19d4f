// A yardstick of the start-up between the bare window and the program: a
// window with the main window's widgets and no program behind it. The same
// application set-up (locale, Mincho font, style), the same menu bar with
// its menus and commands, the month summary's labels and frames, the
// clock-out button, and the calendar's labels, 7 weekday labels, 42 day
// labels and buttons, each at the main window's place and in its colours,
// showing this month as the benchmark's records would (weekdays worked,
// weekends holidays, today framed). Nothing reads or writes records or
// settings, and no widget is one of the program's own classes, so what
// Zentak costs beyond this window is the program, and what this window
// costs beyond the bare one is the widgets.
//
// To find what each part costs, ZENTAK_WIDGETS_WITHOUT names parts to leave
// out, separated by commas: menubar, summary (its captions, figures and
// line), buttons, heading (the calendar's year, month and overtime labels),
// weekdays, days, frames (the boxes of the figures and of today), colours
// (every fill and text colour), style (only the font is set, as on the bare
// window: no style or locale). The window keeps the main window's size.
// The weekdays and days are drawn by one widget, as the main window's
// calendar panel draws them; with ZENTAK_WIDGETS_CALENDAR=labels by 49
// labels instead, as the main window once had them.

#include "appsetup.h"
#include "calendarlook.h"
#include "mainwindowsize.h"
#include "paintedcalendar.h"

#include <QApplication>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

using zentak::bench::px;

// The parts ZENTAK_WIDGETS_WITHOUT leaves out.
class Parts {
public:
    Parts()
    {
        static const std::set<QString> known = {
            QStringLiteral("menubar"), QStringLiteral("summary"), QStringLiteral("buttons"),
            QStringLiteral("heading"), QStringLiteral("weekdays"), QStringLiteral("days"),
            QStringLiteral("frames"), QStringLiteral("colours"), QStringLiteral("style")};
        const QString without = QString::fromLocal8Bit(qgetenv("ZENTAK_WIDGETS_WITHOUT"));
        for (const QString &part : without.split(u',', Qt::SkipEmptyParts)) {
            if (!known.count(part)) {
                std::fprintf(stderr, "bench_widgetswindow: no part %s to leave out\n", qPrintable(part));
                std::exit(2);
            }
            without_.insert(part);
        }
        const QByteArray calendar = qgetenv("ZENTAK_WIDGETS_CALENDAR");
        if (!calendar.isEmpty() && calendar != "labels") {
            std::fprintf(stderr, "bench_widgetswindow: no calendar %s\n", calendar.constData());
            std::exit(2);
        }
        painted_ = calendar.isEmpty();
    }

    bool has(const char *part) const { return !without_.count(QLatin1String(part)); }
    bool paintedCalendar() const { return painted_; }

private:
    std::set<QString> without_;
    bool painted_ = false;
};

const Parts &parts()
{
    static const Parts p;
    return p;
}

void place(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

void fill(QWidget *w, const QColor &color)
{
    if (!parts().has("colours"))
        return;
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
}

void textColor(QWidget *w, const QColor &color)
{
    if (!parts().has("colours") || !color.isValid())
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

void box(QLabel *l)
{
    if (!parts().has("frames"))
        return;
    l->setFrameShape(QFrame::Box);
    l->setLineWidth(1);
}

QLabel *label(QWidget *parent, const QString &text, const QRectF &twips)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(zentak::bench::pixels(twips));
    return l;
}

QLabel *label(QWidget *parent, const QString &text, double left, double top, double width,
              double height)
{
    return label(parent, text, QRectF(left, top, width, height));
}

QPushButton *button(QWidget *parent, const QString &text, double left, double top, double width,
                    double height)
{
    auto *b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    place(b, left, top, width, height);
    return b;
}

// The summary's figures: 9.75 points, right-aligned in a thin box on the
// base colour.
QLabel *figure(QWidget *parent, const QString &text, double left)
{
    QLabel *l = label(parent, text, left, 300, left == 165 ? 720 : 495, 240);
    QFont font = l->font();
    font.setPointSizeF(9.75);
    l->setFont(font);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box(l);
    fill(l, l->palette().color(QPalette::Base));
    return l;
}

QLabel *bold(QLabel *l)
{
    QFont font = l->font();
    font.setPointSizeF(9.75);
    font.setBold(true);
    l->setFont(font);
    return l;
}

QMenuBar *buildMenuBar(QWidget *window)
{
    auto *bar = new QMenuBar(window);
    QMenu *file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->addAction(QStringLiteral("設定(&S)  Ctrl+S"));
    file->addSeparator();
    file->addAction(QStringLiteral("CSV(&C)"));
    file->addAction(QStringLiteral("勤務表(&P)"));
    file->addSeparator();
    file->addAction(QStringLiteral("今日 の運勢(&T)"));
    file->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    file->addSeparator();
    file->addAction(QStringLiteral("終了(&X)  Ctrl+X"));
    bar->addAction(QStringLiteral("整備(&E)"));
    QMenu *tools = bar->addMenu(QStringLiteral("文具(&B)"));
    tools->addAction(QStringLiteral("電卓(&C)"));
    tools->addAction(QStringLiteral("メモ帳(&N)"));
    bar->addAction(QStringLiteral("時間外(&O)"));
    return bar;
}

// The month summary and the clock-out button.
void buildSummary(QWidget *client, const QColor &yellow)
{
    if (parts().has("summary")) {
        auto *line = new QFrame(client);
        place(line, 0, 0, 690, 15);
        fill(line, Qt::white);
        QLabel *hoursCaption = label(client, QStringLiteral("稼動時間"), 150, 75, 720, 195);
        QLabel *daysCaption = label(client, QStringLiteral("日数"), 1080, 75, 360, 195);
        QLabel *balanceCaption = label(client, QStringLiteral("有給"), 1635, 75, 360, 195);
        fill(daysCaption, yellow);
        fill(balanceCaption, yellow);
        hoursCaption->setBuddy(figure(client, QStringLiteral("160.00"), 165));
        daysCaption->setBuddy(figure(client, QStringLiteral("20.0"), 960));
        balanceCaption->setBuddy(figure(client, QStringLiteral("12.5"), 1530));
    }
    if (parts().has("buttons"))
        button(client, QStringLiteral("退社"), 2160, 120, 520, 350);
}

// The weekday headers and the day cells as 49 labels: this month, Sunday
// first.
void buildDayLabels(QWidget *calendar, QDate today)
{
    using namespace zentak::bench;
    for (int i = 0; i < 7 && parts().has("weekdays"); ++i) {
        QLabel *w = label(calendar, weekdayName(i), weekdayPlace(i));
        w->setAlignment(Qt::AlignCenter);
        textColor(w, columnColor(i));
    }
    const QDate first(today.year(), today.month(), 1);
    const int firstCell = first.dayOfWeek() % 7;
    for (int i = 0; i < 42 && parts().has("days"); ++i) {
        QLabel *d = label(calendar, QString(), dayPlace(i));
        d->setAlignment(Qt::AlignCenter);
        d->setMargin(0);
        textColor(d, columnColor(i % 7));
        const int day = i - firstCell + 1;
        if (day < 1 || day > first.daysInMonth())
            continue;
        d->setText(QString::number(day));
        fill(d, dayFill(i % 7));
        if (day == today.day())
            box(d);
    }
}

void buildCalendar(QWidget *client, const QColor &yellow)
{
    auto *calendar = new QFrame(client);
    place(calendar, 150, 615, 2535, 2655);
    fill(calendar, yellow);
    calendar->setFocusPolicy(Qt::StrongFocus);
    const QDate today = QDate::currentDate();
    if (parts().has("heading")) {
        bold(label(calendar, QString::number(today.year()), 75, 45, 525, 255));
        bold(label(calendar, QString::number(today.month()), 1020, 45, 405, 255))
            ->setAlignment(Qt::AlignCenter);
        label(calendar, QStringLiteral("時間外 0:00"), 1440, 45, 1080, 255)
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (parts().has("buttons")) {
        const char *texts[] = {"<<", ">>", "<", ">"};
        const double lefts[] = {30, 465, 945, 1380};
        for (int i = 0; i < 4; ++i)
            button(calendar, QLatin1String(texts[i]), lefts[i], 2190, 435, 330)->setFocusPolicy(Qt::TabFocus);
        button(calendar, QStringLiteral("出力"), 1890, 2190, 540, 330)->setFocusPolicy(Qt::TabFocus);
    }
    if (parts().paintedCalendar())
        new zentak::bench::PaintedCalendar(calendar, today);
    else
        buildDayLabels(calendar, today);
    calendar->setFocus();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("ZENTAKWIDGETS"));
    if (parts().has("style"))
        zentak::setUpApplication(app);
    else
        app.setFont(zentak::windowFont());

    const QColor yellow(0xFF, 0xFF, 0xC0);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zentak  Ver1.3.0"));
    auto *client = new QWidget(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QMenuBar *bar = parts().has("menubar") ? buildMenuBar(&window) : nullptr;
    if (bar)
        layout->setMenuBar(bar);
    layout->addWidget(client);
    buildSummary(client, yellow);
    buildCalendar(client, yellow);

    // The main window's fixed size and its place in the benchmark's settings.
    if (bar)
        window.setFixedSize(std::max({px(2900) - 8, px(2700), bar->sizeHint().width()}),
                            qMax(px(4050) - 31, bar->sizeHint().height() + px(3270) + 2));
    else
        window.setFixedSize(zentak::bench::kMainWindowSize);
    window.move(px(6105), px(1935));
    window.show();
    return app.exec();
}
