#include "diagnosis/case_print.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace ordisan {

namespace {

// A ranked entry as the summary writes it: "(62%) - name".
const QRegularExpression RANKED(QStringLiteral("^\\((\\d+)%\\) - (.*)$"));

bool ranked(const QStringList& values)
{
    return std::all_of(values.begin(), values.end(),
                       [](const QString& value) { return RANKED.match(value).hasMatch(); });
}

QString rankingTable(const QStringList& values)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                                  "width=\"100%\"><tr><th align=\"right\" width=\"10%\">Mjesto</th>"
                                  "<th align=\"right\" width=\"12%\">Postotak</th>"
                                  "<th align=\"left\">Naziv</th></tr>");
    int place = 0;
    for (const QString& value : values) {
        const QRegularExpressionMatch match = RANKED.match(value);
        html += QStringLiteral("<tr><td align=\"right\">%1.</td><td align=\"right\">%2 %</td>"
                               "<td>%3</td></tr>")
                    .arg(++place)
                    .arg(match.captured(1), match.captured(2).toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

QString bulletList(const QStringList& values)
{
    QString html = QStringLiteral("<ul>");
    for (const QString& value : values)
        html += QStringLiteral("<li>%1</li>").arg(value.toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

} // namespace

CasePrint::CasePrint(const CaseSummary& summary) : summary_(summary) {}

QString CasePrint::html() const
{
    QString facts;
    QString sections;
    for (const CaseSummary::Row& row : summary_.rows()) {
        const QString label = row.label.toHtmlEscaped();
        if (!row.list) {
            facts += QStringLiteral("<tr><td><b>%1:</b></td><td>%2</td></tr>")
                         .arg(label, row.values.join(QLatin1Char(' ')).toHtmlEscaped());
            continue;
        }
        sections += QStringLiteral("<h3>%1</h3>").arg(label)
            + (ranked(row.values) ? rankingTable(row.values) : bulletList(row.values));
    }
    return QStringLiteral(
               "<html><body><h2>%1</h2><table cellpadding=\"2\">%2</table>%3</body></html>")
        .arg(CaseSummary::title().toHtmlEscaped(), facts, sections);
}

// Laid out on the printer's own page, with room for the page number below.
bool CasePrint::print(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setHtml(html());

    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFontMetrics metrics(font, &printer);
    const int footer = 2 * metrics.height();
    const QSizeF body(page.width(), page.height() - footer);
    document.setPageSize(body);
    const int pages = document.pageCount();
    for (int n = 0; n < pages; ++n) {
        if (n > 0 && !printer.newPage())
            return false;
        painter.save();
        painter.translate(0, -n * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, n * body.height()), body));
        painter.restore();
        painter.setFont(font);
        painter.drawText(QRectF(0, body.height(), body.width(), footer),
                         Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Ordisan – stranica %1 od %2").arg(n + 1).arg(pages));
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace ordisan
