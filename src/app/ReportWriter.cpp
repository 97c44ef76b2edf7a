#include "ReportWriter.h"

#include "ReportContent.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr int BodyPointSize = 9;
constexpr int TitlePointSize = 14;
constexpr int HeadingPointSize = 11;
constexpr int NarrowPointSize = 8;
// Pixels at the screen's resolution. The space above a heading is the bottom
// margin of the table before it: the layout leaves out the top margin of a
// paragraph that follows a table.
constexpr qreal TableSpacing = 14;
constexpr qreal SignatureSpacing = 24;
constexpr qreal CellPadding = 2;
const QColor ShadeOfHeadings(0xE4, 0xE4, 0xE4);
const QColor ShadeOfSubheadings(0xF2, 0xF2, 0xF2);
const QColor ShadeOfWarnings(0xFF, 0xEB, 0xE6);
constexpr qreal WarningLineWidth = 1.5;
constexpr qreal WarningPadding = 5;
// Blank lines to fill in by hand.
const QString LongBlank(48, QLatin1Char('_'));
const QString ShortBlank(30, QLatin1Char('_'));

QTextCharFormat bold(int pointSize = 0)
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    if (pointSize > 0)
        format.setFontPointSize(pointSize);
    return format;
}

// The cursor's block, empty, made a paragraph; a heading keeps close to what follows it.
void startBlock(QTextCursor& cursor, qreal spacingBelow = 2)
{
    QTextBlockFormat format;
    format.setBottomMargin(spacingBelow);
    cursor.setBlockFormat(format);
}

QTextLength percent(qreal share)
{
    return QTextLength(QTextLength::PercentageLength, share);
}

QTextTableFormat tableFormat(bool lined, const QList<QTextLength>& widths)
{
    QTextTableFormat format;
    format.setWidth(percent(100));
    format.setColumnWidthConstraints(widths);
    format.setCellSpacing(0);
    format.setCellPadding(CellPadding);
    format.setBottomMargin(TableSpacing);
    // Collapsed: one line between two cells, drawn by the cells' own formats.
    format.setBorderCollapse(true);
    format.setBorder(lined ? ReportWriter::LineWidth : 0);
    format.setBorderBrush(ReportWriter::lineColour());
    format.setBorderStyle(lined ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None);
    return format;
}

// Alike tables alike: captions and values, three columns of texts or values,
// a column per zone; the others as their contents ask.
QList<QTextLength> widthsOf(int columns)
{
    if (columns == 2)
        return {percent(42), percent(58)};
    if (columns == 3)
        return {percent(30), percent(35), percent(35)};
    QList<QTextLength> widths;
    if (columns > 6) {
        constexpr qreal Captions = 16;
        widths.append(percent(Captions));
        for (int column = 1; column < columns; ++column)
            widths.append(percent((100 - Captions) / (columns - 1)));
    }
    return widths;
}

bool isVowel(QChar letter)
{
    return QStringLiteral("аеёиоуыэюяіїєaeiouy").contains(letter.toLower());
}

// The text with soft hyphens where its long words may be parted in a narrow
// column: after a vowel that a consonant and a vowel follow, leaving at least
// three letters on the first line and four on the next; and after a "+",
// not before it.
QString hyphenated(const QString& text)
{
    constexpr QChar SoftHyphen(0x00AD);
    constexpr QChar ZeroWidthSpace(0x200B);
    constexpr QChar WordJoiner(0x2060);
    QString parted;
    qsizetype wordStart = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar letter = text.at(at);
        if (!letter.isLetter()) {
            wordStart = at + 1;
            if (letter == QLatin1Char('+'))
                parted += QString(WordJoiner) + letter + ZeroWidthSpace;
            else
                parted.append(letter);
            continue;
        }
        parted.append(letter);
        qsizetype wordEnd = at;
        while (wordEnd < text.size() && text.at(wordEnd).isLetter())
            ++wordEnd;
        if (at - wordStart >= 2 && wordEnd - at > 4 && isVowel(letter) && !isVowel(text.at(at + 1))
            && isVowel(text.at(at + 2)))
            parted.append(SoftHyphen);
    }
    return parted;
}

void fillCell(QTextTable* table, int row, int column, const QString& text, const QTextCharFormat& format = {},
              const QColor& shade = {})
{
    QTextTableCell cell = table->cellAt(row, column);
    QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
    if (table->format().border() > 0) {
        cellFormat.setBorder(ReportWriter::LineWidth);
        cellFormat.setBorderBrush(ReportWriter::lineColour());
        cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    }
    if (shade.isValid())
        cellFormat.setBackground(shade);
    cell.setFormat(cellFormat);
    cell.firstCursorPosition().insertText(text, format);
}

// Framed and shaded, so that nobody takes the configuration for one the panel can be given.
void writeChecksNote(QTextCursor& cursor, const ReportContent& content)
{
    const QStringList note = ReportContent::checksNote(content.failedChecks);
    if (note.isEmpty())
        return;
    startBlock(cursor);
    QTextTableFormat format = tableFormat(true, {percent(100)});
    format.setBorder(WarningLineWidth);
    format.setCellPadding(WarningPadding);
    QTextTable* table = cursor.insertTable(1, 1, format);
    QTextTableCell cell = table->cellAt(0, 0);
    QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
    cellFormat.setBorder(WarningLineWidth);
    cellFormat.setBorderBrush(Qt::black);
    cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    cellFormat.setBackground(ShadeOfWarnings);
    cell.setFormat(cellFormat);
    QTextCursor inCell = cell.firstCursorPosition();
    inCell.insertText(note.constFirst(), bold());
    for (qsizetype line = 1; line < note.size(); ++line) {
        inCell.insertBlock();
        inCell.insertText(note.at(line), QTextCharFormat());
    }
    cursor.movePosition(QTextCursor::End);
}

void writeHeader(QTextCursor& cursor, const ReportContent& content)
{
    cursor.insertText(ReportWriter::tr("Конфигурация ППК Зорвел-22 Lite"), bold(TitlePointSize));
    cursor.insertBlock();
    startBlock(cursor);

    const QString filledIn = LongBlank;
    const auto orBlank = [&filledIn](const QString& text) { return text.trimmed().isEmpty() ? filledIn : text; };
    const std::pair<QString, QString> lines[] = {
        {ReportWriter::tr("Номер ППК:"), content.account},
        {ReportWriter::tr("Дата и время:"), content.madeAt.toString(QStringLiteral("dd.MM.yyyy HH:mm"))},
        {ReportWriter::tr("Версия программы:"), content.programVersion},
        {ReportWriter::tr("Объект:"), orBlank(content.site.name)},
        {ReportWriter::tr("Адрес:"), orBlank(content.site.address)},
        {ReportWriter::tr("Контактное лицо, телефон:"), orBlank(content.site.contact)},
        {ReportWriter::tr("Монтажная организация:"), orBlank(content.options.company)},
    };
    const QTextTableFormat format = tableFormat(false, {percent(28), percent(72)});
    QTextTable* table = cursor.insertTable(std::size(lines), 2, format);
    for (int row = 0; row < table->rows(); ++row) {
        fillCell(table, row, 0, lines[row].first);
        fillCell(table, row, 1, lines[row].second, bold());
    }
    cursor.movePosition(QTextCursor::End);
    writeChecksNote(cursor, content);

    if (content.options.onlyNonFactory) {
        startBlock(cursor, TableSpacing);
        QTextCharFormat italic;
        italic.setFontItalic(true);
        cursor.insertText(ReportWriter::tr("Только отличия от заводских установок"), italic);
        cursor.insertBlock();
    }
    if (content.tables.isEmpty()) {
        startBlock(cursor, TableSpacing);
        cursor.insertText(ReportWriter::tr("Все значения совпадают с заводскими установками."), QTextCharFormat());
        cursor.insertBlock();
    }
}

void writeTable(QTextCursor& cursor, const ReportContent::Table& content, QList<ReportWriter::Unit>& units)
{
    startBlock(cursor);
    const int headingPosition = cursor.block().position();
    cursor.insertText(content.heading, bold(HeadingPointSize));

    const bool headed = !content.columns.isEmpty();
    const int columns = headed ? content.columns.size() : 2;
    const int headerRows = headed ? 1 : 0;
    // A column per zone is narrow: a smaller type, and long words parted.
    const bool narrow = columns > 6;
    QTextCharFormat plain;
    if (narrow)
        plain.setFontPointSize(NarrowPointSize);
    QTextCharFormat strong = plain;
    strong.setFontWeight(QFont::Bold);
    const auto shown = [narrow](const QString& text) { return narrow ? hyphenated(text) : text; };

    QTextTableFormat format = tableFormat(true, widthsOf(columns));
    format.setHeaderRowCount(headerRows);
    cursor.insertBlock();
    QTextTable* table = cursor.insertTable(headerRows + content.rows.size(), columns, format);
    for (int column = 0; column < headerRows * columns; ++column)
        fillCell(table, 0, column, content.columns.at(column), strong, ShadeOfHeadings);
    for (int row = 0; row < content.rows.size(); ++row) {
        const QStringList& cells = content.rows.at(row).cells;
        const int at = headerRows + row;
        if (cells.size() == 1) {
            table->mergeCells(at, 0, 1, columns);
            fillCell(table, at, 0, cells.constFirst(), strong, ShadeOfSubheadings);
            continue;
        }
        for (int column = 0; column < columns; ++column)
            fillCell(table, at, column, shown(cells.value(column)), plain);
    }
    units.append({headingPosition, table, headerRows});
    cursor.movePosition(QTextCursor::End);
}

void writeSignatures(QTextCursor& cursor, QList<ReportWriter::Unit>& units)
{
    startBlock(cursor);
    const QString lines[][2] = {
        {ReportWriter::tr("Монтажник"), ReportWriter::tr("Заказчик")},
        {ReportWriter::tr("Ф.И.О. %1").arg(ShortBlank), ReportWriter::tr("Ф.И.О. %1").arg(ShortBlank)},
        {ReportWriter::tr("Подпись %1").arg(ShortBlank), ReportWriter::tr("Подпись %1").arg(ShortBlank)},
        {ReportWriter::tr("Дата %1").arg(ShortBlank), ReportWriter::tr("Дата %1").arg(ShortBlank)},
    };
    QTextTableFormat format = tableFormat(false, {percent(50), percent(50)});
    format.setTopMargin(SignatureSpacing);
    format.setCellPadding(4);
    QTextTable* table = cursor.insertTable(std::size(lines), 2, format);
    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < 2; ++column)
            fillCell(table, row, column, lines[row][column], row == 0 ? bold() : QTextCharFormat());
    }
    // Signed beneath what is signed for.
    units.append({-1, table, 0, true});
    cursor.movePosition(QTextCursor::End);
}

} // namespace

QFont ReportWriter::bodyFont()
{
    QFont font;
    font.setPointSize(BodyPointSize);
    return font;
}

QList<ReportWriter::Unit> ReportWriter::write(QTextDocument& document, const ReportContent& content)
{
    document.setDefaultFont(bodyFont());
    QList<Unit> units;
    QTextCursor cursor(&document);
    writeHeader(cursor, content);
    for (const ReportContent::Table& table : content.tables)
        writeTable(cursor, table, units);
    writeSignatures(cursor, units);
    return units;
}
