#include "diagnosis/case_print.h"

#include "platform/dialog_font.h"
#include "platform/file_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace ordisan {

namespace {

// The dialogs' typeface, at a size that reads well on paper.
constexpr int PRINT_POINTS = 10;

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

// The PDF is made in memory and written by the program's one writer: the printer's own
// PDF output would open the file itself, cutting an older file short before the first
// page and leaving part of one on a full disk.
QString CasePrint::print(QPrinter& printer) const
{
    const QString path = printer.outputFileName();
    const bool toPdf = printer.outputFormat() == QPrinter::PdfFormat && !path.isEmpty();
    if (toPdf) {
        const QByteArray bytes = pdf(printer);
        if (!bytes.isEmpty())
            return writeFileWhole(path, bytes, QStringLiteral("Sažetak slučaja"));
    } else if (paint(printer, printer.resolution()) && printer.printerState() != QPrinter::Error) {
        return {};
    }
    return path.isEmpty() ? QStringLiteral("Ispis sažetka slučaja nije uspio.")
                          : QStringLiteral("Ispis sažetka slučaja u datoteku %1 nije uspio.")
                                .arg(QDir::toNativeSeparators(path));
}

QByteArray CasePrint::pdf(const QPrinter& printer) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPdfVersion(printer.pdfVersion());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        if (!paint(writer, printer.resolution()))
            return {};
    }
    return buffer.data();
}

// Laid out on the device's own page, with room for the page number below.
bool CasePrint::paint(QPagedPaintDevice& device, int resolution) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    QFont font = dialogFont();
    font.setPointSize(PRINT_POINTS);
    // Carlito joins "ti" into one glyph that PDF readers cannot turn back into letters:
    // "svijesti" would be found and copied as "svijes".
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    document.setHtml(html());

    const QRect page = device.pageLayout().paintRectPixels(resolution);
    const QFontMetrics metrics(font, &device);
    const int footer = 2 * metrics.height();
    const QSizeF body(page.width(), page.height() - footer);
    document.setPageSize(body);
    const int pages = document.pageCount();
    for (int n = 0; n < pages; ++n) {
        if (n > 0 && !device.newPage())
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
    return painter.end();
}

} // namespace ordisan
