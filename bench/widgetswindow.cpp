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

#include "appsetup.h"

#include <QApplication>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include <cmath>

namespace {

// The main window lays itself out in twips; the benchmark's screen has 15
// to the pixel (96 dots per inch).
int px(double twips)
{
    return int(std::lround(twips / 15));
}

void place(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

void fill(QWidget *w, const QColor &color)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
}

void textColor(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

QLabel *label(QWidget *parent, const QString &text, double left, double top, double width,
              double height)
{
    auto *l = new QLabel(text, parent);
    place(l, left, top, width, height);
    return l;
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
    l->setFrameShape(QFrame::Box);
    l->setLineWidth(1);
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("ZENTAKWIDGETS"));
    zentak::setUpApplication(app);

    const QColor yellow(0xFF, 0xFF, 0xC0);
    const QColor sunday(0xFF, 0x00, 0x00);
    const QColor saturday(0x00, 0x00, 0xFF);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Zentak  Ver1.3.0"));
    auto *client = new QWidget(&window);
    auto *bar = new QMenuBar(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(client);

    QMenu *file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->addAction(QStringLiteral("設定(&S)  Ctrl+S"));
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

    // The month summary and the clock-out button.
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
    button(client, QStringLiteral("退社"), 2160, 120, 520, 350);

    // The calendar: this month, Sunday first.
    auto *calendar = new QFrame(client);
    place(calendar, 150, 615, 2535, 2655);
    fill(calendar, yellow);
    calendar->setFocusPolicy(Qt::StrongFocus);
    const QDate today = QDate::currentDate();
    const QDate first(today.year(), today.month(), 1);
    bold(label(calendar, QString::number(today.year()), 75, 45, 525, 255));
    bold(label(calendar, QString::number(today.month()), 1020, 45, 405, 255))
        ->setAlignment(Qt::AlignCenter);
    label(calendar, QStringLiteral("時間外 0:00"), 1440, 45, 1080, 255)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    button(calendar, QStringLiteral("<<"), 30, 2190, 435, 330)->setFocusPolicy(Qt::TabFocus);
    button(calendar, QStringLiteral(">>"), 465, 2190, 435, 330)->setFocusPolicy(Qt::TabFocus);
    button(calendar, QStringLiteral("<"), 945, 2190, 435, 330)->setFocusPolicy(Qt::TabFocus);
    button(calendar, QStringLiteral(">"), 1380, 2190, 435, 330)->setFocusPolicy(Qt::TabFocus);
    button(calendar, QStringLiteral("出力"), 1890, 2190, 540, 330)->setFocusPolicy(Qt::TabFocus);
    const QString weekdays[] = {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
                                QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"),
                                QStringLiteral("土")};
    for (int i = 0; i < 7; ++i) {
        QLabel *w = label(calendar, weekdays[i], 275 * i + 45, 360, 270, 225);
        w->setAlignment(Qt::AlignCenter);
        if (i == 0 || i == 6)
            textColor(w, i == 0 ? sunday : saturday);
    }
    const int firstCell = first.dayOfWeek() % 7;
    for (int i = 0; i < 42; ++i) {
        const int column = i % 7;
        QLabel *d = label(calendar, QString(), 275 * column + 60, 227 * (i / 7) + 630, 270, 225);
        d->setAlignment(Qt::AlignCenter);
        d->setMargin(0);
        if (column == 0 || column == 6)
            textColor(d, column == 0 ? sunday : saturday);
        const int day = i - firstCell + 1;
        if (day < 1 || day > first.daysInMonth())
            continue;
        d->setText(QString::number(day));
        // Worked cyan, holidays red, as the benchmark's records fill them.
        fill(d, column == 0 || column == 6 ? QColor(0xFF, 0x00, 0x00) : QColor(0x00, 0xFF, 0xFF));
        if (day == today.day()) {
            d->setFrameShape(QFrame::Box);
            d->setLineWidth(1);
        }
    }
    calendar->setFocus();

    // The main window's fixed size and its place in the benchmark's settings.
    window.setFixedSize(std::max({px(2900) - 8, px(2700), bar->sizeHint().width()}),
                        qMax(px(4050) - 31, bar->sizeHint().height() + px(3270) + 2));
    window.move(px(6105), px(1935));
    window.show();
    return app.exec();
}
