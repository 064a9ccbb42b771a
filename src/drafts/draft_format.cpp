#include "drafts/draft_format.h"

#include "core/text_files.h"
#include "core/ui_text.h"

#include <cstring>

namespace quorlin {

const QVector<SettingsRecord> &SettingsRecords()
{
    // clang-format off
    static const QVector<SettingsRecord> records = {
        {kRecZoneTogether, {"Check33"}},
        {kRecZone,
         {"Slider1", "Slider2", "Check1", "Slider3", "Slider4", "Slider5", "Option1", "Option2", "Option3",
          "Option4"}},
        {kRecMixedWater, {"Check30"}},
        {kRecReadyMade,
         {"Check8", "Check9", "Check10", "Check11", "Check12", "Check13", "Check14", "Check15", "Check16",
          "Check17", "Check18", "Check19", "Check20", "Check21", "Check22", "Check31"}},
        {kRecElevation, {"Check23", "Text8", "Text9"}},
        {kRecCliffs, {"Check24", "Text10", "Text11", "Text12", "Text13", "Slider8", "Text14"}},
        {kRecConnections, {"Check25", "Check26", "Check27", "Check28", "Check29"}},
        {kRecConnectionKinds,
         {"Option13", "Option14", "Option15", "Option16", "Option17", "Option18", "Option19", "Option20",
          "Option7", "Option8", "Option9", "Option10"}},
        {kRecCombos, {"Combo1", "Combo2", "Combo3", "Combo8", "Combo9", "Combo10", "Combo11", "Combo12", "Combo13"}},
    };
    // clang-format on
    return records;
}

const SettingsRecord &SettingsRecordFor(DraftRecord record)
{
    for (const SettingsRecord &r : SettingsRecords())
        if (r.record == record)
            return r;
    Q_UNREACHABLE();
}

const QVector<ListRecords> &DraftLists()
{
    // clang-format off
    static const QVector<ListRecords> lists = {
        {"Lst0", kRecLandCount, kRecLand},
        {"Lst1", kRecTerrainCount, kRecTerrain},
        {"Lst2", kRecUnitCount, kRecUnit},
    };
    // clang-format on
    return lists;
}

QByteArray DraftInteger(qint64 value) { return QByteArray::number(value); }

QByteArray DraftBoolean(bool value) { return value ? QByteArrayLiteral("#TRUE#") : QByteArrayLiteral("#FALSE#"); }

QByteArray DraftText(const QString &text) { return '"' + ToGbk(text) + '"'; }

namespace {

// The line breaks in the bytes: CR LF, LF and CR count one each.
int LineBreaks(QByteArrayView bytes)
{
    int breaks = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == n || bytes[i + 1] != '\n')))
            ++breaks;
    }
    return breaks;
}

} // namespace

bool DraftTokenizer::takeLineBreak()
{
    if (atEnd())
        return false;
    if (peek() == '\r') {
        ++pos_;
        if (!atEnd() && peek() == '\n')
            ++pos_;
    } else if (peek() == '\n') {
        ++pos_;
    } else {
        return false;
    }
    ++line_;
    return true;
}

bool DraftTokenizer::next(Field *field, QString *problem)
{
    problem->clear();
    while (!atEnd() && (peek() == ' ' || peek() == '\t'))
        ++pos_;
    if (atEnd())
        return false;

    field->line = line_;
    field->bytes = QByteArrayView();
    if (peek() != '"') {
        field->quoted = false;
        const qsizetype start = pos_;
        while (!atEnd() && peek() != ',' && peek() != '\r' && peek() != '\n')
            ++pos_;
        field->bytes = QByteArrayView(bytes_).sliced(start, pos_ - start).trimmed();
        if (!atEnd() && peek() == ',')
            ++pos_;
        else
            takeLineBreak();
        return true;
    }

    field->quoted = true;
    ++pos_;
    // A text runs to the next double quote whatever it holds: found at once,
    // then its line breaks counted in one pass.
    const qsizetype start = pos_;
    const char *const data = bytes_.constData();
    const void *quote = std::memchr(data + start, '"', size_t(bytes_.size() - start));
    pos_ = quote ? static_cast<const char *>(quote) - data : bytes_.size();
    line_ += LineBreaks(QByteArrayView(bytes_).sliced(start, pos_ - start));
    if (atEnd()) {
        *problem = Ui::tr("第%1行开始的文本缺少结尾的双引号").arg(field->line);
        return false;
    }
    field->bytes = QByteArrayView(bytes_).sliced(start, pos_ - start);
    ++pos_; // the closing quote
    while (!atEnd() && (peek() == ' ' || peek() == '\t'))
        ++pos_;
    if (atEnd() || takeLineBreak())
        return true;
    if (peek() == ',') {
        ++pos_;
        return true;
    }
    *problem = Ui::tr("第%1行：结尾的双引号后面有多余的字符").arg(line_);
    return false;
}

int DraftTokenizer::firstJunkLine() const
{
    int line = line_;
    for (qsizetype i = pos_; i < bytes_.size(); ++i) {
        const char c = bytes_.at(i);
        if (c == '\n' || (c == '\r' && (i + 1 == bytes_.size() || bytes_.at(i + 1) != '\n')))
            ++line;
        else if (c != ' ' && c != '\t' && c != '\r')
            return line;
    }
    return 0;
}

} // namespace quorlin
