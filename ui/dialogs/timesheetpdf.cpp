#include "timesheetpdf.h"

#include "daykind.h"
#include "timesheetmessages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <array>

namespace zentak {

namespace {

// Where things stand on the page, in millimetres from its top left corner.
constexpr double kLeft = 15;
constexpr double kTop = 15;
constexpr double kWidth = 180; // 210 less both margins
constexpr double kTableTop = 52;
constexpr double kHeadHeight = 7;
constexpr double kRowHeight = 6;
constexpr double kPadding = 1;
constexpr double kLine = 0.2;
constexpr double kStampWidth = 22;
// The table's columns; the note takes the rest of the width.
constexpr std::array<double, 11> kColumns{12, 7, 23, 10, 11, 11, 11, 11, 12, 14, 58};
constexpr int kHolidayColumn = 2;
constexpr int kNoteColumn = 10;

// The calendar's red of Sundays and holidays and blue of Saturdays, and the
// same lightened to shade their rows.
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRedShade(0xFF, 0xE4, 0xE4);
const QColor kBlueShade(0xE4, 0xEC, 0xFF);
const QColor kHeadShade(0xEE, 0xEE, 0xEE);

// Japanese fonts that a PDF may embed (TrueType, embedding allowed).
QFont pageFont(double points, bool gothic)
{
    QFont font;
    font.setFamilies(gothic ? QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic")}
                            : QStringList{QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho")});
    font.setStyleHint(gothic ? QFont::SansSerif : QFont::Serif);
    font.setPointSizeF(points);
    return font;
}

// The note on one line: each line break and tab a blank.
QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : text)
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    return text;
}

// The painter on the page, placing by millimetres.
class Page {
public:
    explicit Page(QPdfWriter &writer) : writer_(writer), painter_(&writer), perMm_(writer.resolution() / 25.4) {}

    bool active() const { return painter_.isActive(); }
    bool end() { return painter_.end(); }

    QRectF box(double left, double top, double width, double height) const
    {
        return QRectF(left * perMm_, top * perMm_, width * perMm_, height * perMm_);
    }
    // The text in the box, cut with "…" where it does not fit: never over
    // the box's edge.
    void text(const QRectF &box, const QString &text, const QFont &font, Qt::Alignment align,
              const QColor &color = Qt::black)
    {
        const QRectF inner = box.adjusted(kPadding * perMm_, 0, -kPadding * perMm_, 0);
        const QString shown = QFontMetricsF(font, &writer_).elidedText(text, Qt::ElideRight, inner.width());
        painter_.setFont(font);
        painter_.setPen(color);
        painter_.drawText(inner, int(align | Qt::AlignVCenter), shown);
    }
    void fill(const QRectF &box, const QColor &color) { painter_.fillRect(box, color); }
    void frame(const QRectF &box)
    {
        painter_.setPen(QPen(Qt::black, kLine * perMm_));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(box);
    }
    void line(double x1, double y1, double x2, double y2)
    {
        painter_.setPen(QPen(Qt::black, kLine * perMm_));
        painter_.drawLine(QPointF(x1 * perMm_, y1 * perMm_), QPointF(x2 * perMm_, y2 * perMm_));
    }

private:
    QPdfWriter &writer_;
    QPainter painter_;
    double perMm_;
};

// A labelled box: the label on a shaded strip, the box under it.
void labelledBox(Page &page, double left, double top, double width, double height, const QString &label)
{
    const QRectF head = page.box(left, top, width, 6);
    page.fill(head, kHeadShade);
    page.frame(head);
    page.text(head, label, pageFont(8, true), Qt::AlignHCenter);
    page.frame(page.box(left, top + 6, width, height));
}

void drawHeading(Page &page, const Timesheet &sheet, const TimesheetPageTexts &texts)
{
    page.text(page.box(kLeft, kTop, 60, 11), texts.title, pageFont(20, true), Qt::AlignLeft);
    page.text(page.box(kLeft, kTop + 12, 60, 8), texts.month, pageFont(13, false), Qt::AlignLeft);
    page.text(page.box(kLeft, kTop + 23, 14, 8), texts.nameLabel, pageFont(11, false), Qt::AlignLeft);
    // Room for the twenty characters a name may have.
    page.text(page.box(kLeft + 14, kTop + 23, 82, 8), sheet.name, pageFont(11, false), Qt::AlignLeft);
    page.line(kLeft, kTop + 31, kLeft + 96, kTop + 31);
    const qsizetype stamps = texts.stamps.size();
    for (qsizetype i = 0; i < stamps; ++i)
        labelledBox(page, kLeft + kWidth - kStampWidth * double(stamps - i), kTop, kStampWidth, kStampWidth,
                    texts.stamps[i]);
}

// One row of the table, each text in its column.
void drawRow(Page &page, double top, double height, const QStringList &texts, const QFont &font,
             const std::array<QColor, 11> &colors)
{
    double left = kLeft;
    for (size_t c = 0; c < kColumns.size(); ++c) {
        const bool leftAligned = c == kHolidayColumn || c == kNoteColumn;
        page.text(page.box(left, top, kColumns[c], height), texts.value(qsizetype(c)), font,
                  leftAligned ? Qt::AlignLeft : Qt::AlignHCenter, colors[c]);
        left += kColumns[c];
    }
}

// The table's lines: a rule under every row, one between the columns.
void drawGrid(Page &page, double bottom, qsizetype rows)
{
    page.frame(page.box(kLeft, kTableTop, kWidth, bottom - kTableTop));
    for (qsizetype r = 0; r < rows; ++r) {
        const double y = kTableTop + kHeadHeight + kRowHeight * double(r);
        page.line(kLeft, y, kLeft + kWidth, y);
    }
    double x = kLeft;
    for (size_t c = 0; c + 1 < kColumns.size(); ++c) {
        x += kColumns[c];
        page.line(x, kTableTop, x, bottom);
    }
}

// The table of the days; where it ends.
double drawTable(Page &page, const Timesheet &sheet, const QStringList &heads)
{
    std::array<QColor, 11> black;
    black.fill(Qt::black);
    page.fill(page.box(kLeft, kTableTop, kWidth, kHeadHeight), kHeadShade);
    drawRow(page, kTableTop, kHeadHeight, heads, pageFont(8, true), black);
    const QFont font = pageFont(8, false);
    double top = kTableTop + kHeadHeight;
    for (const TimesheetDay &day : sheet.days) {
        std::array<QColor, 11> colors = black;
        if (day.redDay() || day.saturday()) {
            page.fill(page.box(kLeft, top, kWidth, kRowHeight), day.redDay() ? kRedShade : kBlueShade);
            colors[0] = colors[1] = colors[kHolidayColumn] = day.redDay() ? kRed : kBlue;
        }
        drawRow(page, top, kRowHeight,
                {timesheetDayText(day.date), weekdayKanji(day.date), day.holiday, day.kind, day.start, day.end,
                 day.worked, day.attendance, lawText(day, day.law.overtime), lawText(day, day.law.holidayWork),
                 oneLine(day.note)},
                font, colors);
        top += kRowHeight;
    }
    drawGrid(page, top, sheet.days.size());
    return top;
}

void drawTotals(Page &page, double top, const TimesheetTotals &totals, const QStringList &labels)
{
    const QStringList values{totals.workedHours, totals.days,           totals.overtime,
                             totals.holidayWork, totals.paidLeaveTaken, totals.leaveBalance};
    const double width = kWidth / double(labels.size());
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const double left = kLeft + width * double(i);
        labelledBox(page, left, top, width, 8, labels[i]);
        page.text(page.box(left, top + 6, width, 8), values.value(i), pageFont(10, false), Qt::AlignHCenter);
    }
}

} // namespace

QByteArray timesheetPdf(const Timesheet &sheet)
{
    const TimesheetPageTexts texts = timesheetPageTexts(sheet.year, sheet.month);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(texts.documentTitle);
        writer.setCreator(texts.creator);
        Page page(writer);
        if (!page.active())
            return {};
        drawHeading(page, sheet, texts);
        const double tableEnd = drawTable(page, sheet, texts.columns);
        drawTotals(page, tableEnd + 6, sheet.totals, texts.totals);
        if (!page.end())
            return {};
    }
    return buffer.data();
}

} // namespace zentak
