#include "printlayout/ReportPainter.h"

#include <QPainter>

#include <algorithm>

namespace vexa::printlayout {
namespace {

QString qs(const std::string& text) { return ShownText(text); }

const QColor kRuleColour(0x40, 0x40, 0x40);
const QColor kGridColour(0xa0, 0xa0, 0xa0);
const QColor kHeadFill(0xe8, 0xe8, 0xe8);

bool grouped(const print::Table& table) {
    return std::any_of(table.columns.begin(), table.columns.end(),
                       [](const print::Column& c) { return !c.group.empty(); });
}

}  // namespace

QString ShownText(const std::string& text) {
    if (text.size() <= kMostShownBytes)
        return QString::fromStdString(text);
    std::size_t cut = kMostShownBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)  // inside a UTF-8 character
        --cut;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(cut)) + QChar(0x2026);
}

ReportPainter::ReportPainter(QPainter& painter, const PageMetrics& metrics)
    : painter_(painter), metrics_(metrics), titleMetrics_(metrics.fonts().title, &metrics.device()),
      headerMetrics_(metrics.fonts().header, &metrics.device()),
      headingMetrics_(metrics.fonts().heading, &metrics.device()),
      textMetrics_(metrics.fonts().text, &metrics.device()), tableMetrics_(metrics.fonts().table, &metrics.device()),
      footerMetrics_(metrics.fonts().footer, &metrics.device()) {}

void ReportPainter::paint(const print::Report& report, const LaidOutPage& page) {
    header(report.header);
    // The rules of each table part on this page, drawn once from its top to its bottom.
    for (std::size_t i = 0; i < page.items.size(); ++i) {
        const PageItem& first = page.items[i];
        if (first.kind != PageItem::Kind::TableHead)
            continue;
        const print::Table& table = *report.sections[static_cast<std::size_t>(first.section)].table;
        qreal bottom = first.top + metrics_.tableHeadHeight(table);
        for (std::size_t j = i + 1; j < page.items.size() && page.items[j].section == first.section &&
                                    page.items[j].kind != PageItem::Kind::TableHead;
             ++j)
            bottom = page.items[j].top + metrics_.tableRowHeight();
        tableRules(table, first.top, bottom);
    }
    for (const PageItem& it : page.items)
        item(report, it);
    if (report.pageNumbers)
        footer(page);
}

void ReportPainter::header(const print::PageHeader& header) {
    const qreal width = metrics_.pageWidth();
    painter_.setPen(Qt::black);
    painter_.setFont(metrics_.fonts().title);
    text(qs(header.title), titleMetrics_, 0, width / 2, 0, metrics_.titleLine(), print::Align::Left);
    painter_.setFont(metrics_.fonts().header);
    const qreal timeWidth = metrics_.mm(18);
    text(qs(header.time), headerMetrics_, width - timeWidth, timeWidth, 0, metrics_.titleLine(), print::Align::Right);
    text(qs(header.date), headerMetrics_, width - timeWidth - metrics_.mm(24), metrics_.mm(22), 0,
         metrics_.titleLine(), print::Align::Right);
    qreal y = metrics_.titleLine();
    if (header.folder) {
        const qreal label = metrics_.mm(30);
        text(qs(header.folder->label), headerMetrics_, 0, label, y, metrics_.headerLine(), print::Align::Left);
        text(qs(header.folder->value), headerMetrics_, label, width - label, y, metrics_.headerLine(),
             print::Align::Left);
        y += metrics_.headerLine();
    }
    painter_.setPen(QPen(kRuleColour, metrics_.mm(0.3)));
    painter_.drawLine(QPointF(0, y + metrics_.mm(1.5)), QPointF(width, y + metrics_.mm(1.5)));
}

void ReportPainter::footer(const LaidOutPage& page) {
    painter_.setPen(Qt::black);
    painter_.setFont(metrics_.fonts().footer);
    text(QString::fromStdString(print::PageNumberText(page.number, page.count)), footerMetrics_, 0,
         metrics_.pageWidth(), metrics_.footerTop(), metrics_.pageHeight() - metrics_.footerTop(),
         print::Align::Center);
}

void ReportPainter::item(const print::Report& report, const PageItem& it) {
    const print::Section& section = report.sections[static_cast<std::size_t>(it.section)];
    const auto index = static_cast<std::size_t>(it.index);
    const qreal width = metrics_.pageWidth();
    const qreal indent = metrics_.mm(4);
    painter_.setPen(Qt::black);
    switch (it.kind) {
    case PageItem::Kind::Heading:
        painter_.setFont(metrics_.fonts().heading);
        text(qs(section.heading), headingMetrics_, 0, width, it.top + metrics_.mm(2),
             metrics_.headingHeight() - metrics_.mm(2), print::Align::Left);
        break;
    case PageItem::Kind::Line:
        painter_.setFont(metrics_.fonts().text);
        text(qs(section.lines[index]), textMetrics_, indent, width - indent, it.top, metrics_.lineHeight(),
             print::Align::Left);
        break;
    case PageItem::Kind::Field: {
        const print::Field& field = section.fields[index];
        const qreal label = metrics_.labelWidth();
        painter_.setFont(metrics_.fonts().text);
        text(qs(field.label), textMetrics_, indent, label - indent, it.top, metrics_.fieldHeight(),
             print::Align::Left);
        // The value on as many lines as it needs.
        const QStringList lines = metrics_.fieldValueLines(field);
        for (qsizetype n = 0; n < lines.size(); ++n)
            text(lines[n], textMetrics_, label, width - label, it.top + n * metrics_.fieldLineStep(),
                 metrics_.fieldHeight(), print::Align::Left);
        const qreal rule = it.top + metrics_.fieldHeight(field) - metrics_.mm(0.6);
        painter_.setPen(QPen(kGridColour, metrics_.mm(0.1)));
        painter_.drawLine(QPointF(label, rule), QPointF(width, rule));
        break;
    }
    case PageItem::Kind::Checks:
        checks(section.checks[index], it.top);
        break;
    case PageItem::Kind::TableHead:
        tableHead(*section.table, it.top);
        break;
    case PageItem::Kind::TableRow:
        tableRow(*section.table, section.table->rows[index], it.top, false);
        break;
    case PageItem::Kind::TableTotals:
        tableRow(*section.table, *section.table->totals, it.top, true);
        break;
    }
}

void ReportPainter::checks(const print::CheckRow& row, qreal top) {
    const qreal indent = metrics_.mm(4);
    const qreal height = metrics_.fieldHeight();
    painter_.setFont(metrics_.fonts().text);
    text(qs(row.label), textMetrics_, indent, metrics_.labelWidth() - indent, top, height, print::Align::Left);
    const qreal box = metrics_.mm(3.2);
    qreal x = metrics_.labelWidth();
    for (const print::CheckMark& mark : row.marks) {
        const QRectF square(x, top + (height - box) / 2, box, box);
        painter_.setPen(QPen(Qt::black, metrics_.mm(0.2)));
        painter_.drawRect(square);
        if (mark.checked) {
            painter_.setPen(QPen(Qt::black, metrics_.mm(0.45)));
            const QPointF tick[] = {{square.left() + box * 0.2, square.top() + box * 0.55},
                                    {square.left() + box * 0.42, square.top() + box * 0.78},
                                    {square.left() + box * 0.82, square.top() + box * 0.22}};
            painter_.drawPolyline(tick, 3);
        }
        const QString caption = qs(mark.caption);
        const qreal captionWidth = textMetrics_.horizontalAdvance(caption) + metrics_.mm(2);  // with the padding
        painter_.setPen(Qt::black);
        text(caption, textMetrics_, x + box + metrics_.mm(1), captionWidth, top, height, print::Align::Left);
        x += box + captionWidth + metrics_.mm(4);
    }
}

void ReportPainter::tableHead(const print::Table& table, qreal top) {
    const qreal cell = metrics_.cellWidth(table);
    const qreal height = metrics_.tableHeadHeight(table);
    const bool twoRows = grouped(table);
    const qreal rowHeight = twoRows ? height / 2 : height;
    qreal width = 0;
    for (const print::Column& c : table.columns)
        width += c.width * cell;
    painter_.fillRect(QRectF(0, top, width, height), kHeadFill);
    painter_.setFont(metrics_.fonts().table);
    painter_.setPen(QPen(kRuleColour, metrics_.mm(0.2)));
    qreal x = 0;
    for (std::size_t i = 0; i < table.columns.size();) {
        const print::Column& c = table.columns[i];
        if (c.group.empty()) {
            text(qs(c.heading), tableMetrics_, x, c.width * cell, top, height, print::Align::Center);
            x += c.width * cell;
            ++i;
            continue;
        }
        // A group heading over its columns, their own headings below it.
        qreal groupWidth = 0;
        std::size_t j = i;
        for (; j < table.columns.size() && table.columns[j].group == c.group; ++j) {
            const print::Column& member = table.columns[j];
            text(qs(member.heading), tableMetrics_, x + groupWidth, member.width * cell, top + rowHeight, rowHeight,
                 print::Align::Center);
            groupWidth += member.width * cell;
        }
        text(qs(c.group), tableMetrics_, x, groupWidth, top, rowHeight, print::Align::Center);
        painter_.drawLine(QPointF(x, top + rowHeight), QPointF(x + groupWidth, top + rowHeight));
        x += groupWidth;
        i = j;
    }
    painter_.drawLine(QPointF(0, top + height), QPointF(width, top + height));
}

void ReportPainter::tableRow(const print::Table& table, const print::Row& row, qreal top, bool totals) {
    const qreal cell = metrics_.cellWidth(table);
    const qreal height = metrics_.tableRowHeight();
    painter_.setFont(metrics_.fonts().table);
    painter_.setPen(Qt::black);
    qreal x = 0;
    for (std::size_t i = 0; i < table.columns.size() && i < row.size(); ++i) {
        const print::Column& c = table.columns[i];
        if (!row[i].empty())
            text(qs(row[i]), tableMetrics_, x, c.width * cell, top, height, c.align);
        x += c.width * cell;
    }
    painter_.setPen(QPen(totals ? kRuleColour : kGridColour, metrics_.mm(totals ? 0.3 : 0.1)));
    const qreal line = totals ? top : top + height;
    painter_.drawLine(QPointF(0, line), QPointF(x, line));
}

void ReportPainter::tableRules(const print::Table& table, qreal top, qreal bottom) {
    const qreal cell = metrics_.cellWidth(table);
    const qreal headHeight = metrics_.tableHeadHeight(table);
    const qreal groupBottom = top + headHeight / 2;
    painter_.setPen(QPen(kGridColour, metrics_.mm(0.1)));
    qreal x = 0;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const print::Column& c = table.columns[i];
        x += c.width * cell;
        // Inside a group the rule starts under the group heading.
        const bool inGroup =
            i + 1 < table.columns.size() && !c.group.empty() && table.columns[i + 1].group == c.group;
        if (i + 1 < table.columns.size())
            painter_.drawLine(QPointF(x, inGroup ? groupBottom : top), QPointF(x, bottom));
    }
    painter_.setPen(QPen(kRuleColour, metrics_.mm(0.2)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(0, top, x, bottom - top));
}

void ReportPainter::text(const QString& content, const QFontMetricsF& fm, qreal left, qreal width, qreal top,
                         qreal height, print::Align align) {
    const qreal pad = metrics_.textPadding();
    const qreal room = width - 2 * pad;
    qreal advance = fm.horizontalAdvance(content);
    // Nothing is cut: a text wider than its box is drawn smaller, just enough.
    const QFont normal = painter_.font();
    QFontMetricsF used = fm;
    if (advance > room && room > 0) {
        QFont smaller = normal;
        for (int attempt = 0; attempt < 8 && advance > room; ++attempt) {
            smaller.setPointSizeF(smaller.pointSizeF() * room / advance * 0.99);
            used = QFontMetricsF(smaller, &metrics_.device());
            advance = used.horizontalAdvance(content);
        }
        painter_.setFont(smaller);
    }
    qreal x = left + pad;
    if (align == print::Align::Right)
        x = left + width - pad - advance;
    else if (align == print::Align::Center)
        x = left + (width - advance) / 2;
    const qreal baseline = top + (height - used.ascent() - used.descent()) / 2 + used.ascent();
    painter_.drawText(QPointF(x, baseline), content);
    painter_.setFont(normal);
}

}  // namespace vexa::printlayout
