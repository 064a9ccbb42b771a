#pragma once

// The draft file layout shared by the writer and the reader.
//
// A draft is a run of records in a fixed order, each ending with CR LF, in
// GBK. A field is an integer ("-" and digits), a boolean ("#TRUE#" or
// "#FALSE#") or a text in double quotes with nothing escaped, so a text may
// hold commas and line breaks but never a double quote. Fields of a record
// are separated by one comma. The file carries no header or version: counts
// stored earlier say how many item records follow.

#include "core/controls.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>

namespace quorlin {

// Record numbers, in file order. Records 4, 6 and 9 repeat once per item.
enum DraftRecord {
    kRecZoneTogether = 1, // Check33
    kRecZone = 2,         // only when Check33 is 1
    kRecLandCount = 3,
    kRecLand = 4,
    kRecTerrainCount = 5,
    kRecTerrain = 6,
    kRecMixedWater = 7,
    kRecUnitCount = 8,
    kRecUnit = 9,
    kRecReadyMade = 10,
    kRecElevation = 11,
    kRecCliffs = 12,
    kRecConnections = 13,
    kRecConnectionKinds = 14,
    kRecXn = 15,
    kRecCombos = 16,
};

// The controls whose values make up a settings record, in field order. The
// kind of each field follows from the control: check boxes and sliders are
// integers, option buttons booleans, text fields and lists texts.
struct SettingsRecord {
    DraftRecord record;
    QVector<const char *> controls;
};

// Records 1, 2, 7 and 10 to 14 and 16, in file order. Record 2 is the one
// written and read only when Check33 is 1.
const QVector<SettingsRecord> &SettingsRecords();
const SettingsRecord &SettingsRecordFor(DraftRecord record);

// The three lists of added items with the records of their count and items.
struct ListRecords {
    const char *list; // Lst0, Lst1, Lst2
    DraftRecord countRecord;
    DraftRecord itemRecord;
};
const QVector<ListRecords> &DraftLists();

// Limits the reader enforces beyond the record layout.
constexpr int kMaxDraftItems = 100;        // the capacity of each list
constexpr qint64 kMaxDraftXn = 2147483647; // a 32-bit count of unit constants

// Field encoding for the writer.
QByteArray DraftInteger(qint64 value);
QByteArray DraftBoolean(bool value);
QByteArray DraftText(const QString &text); // the caller has refused double quotes

// One setting as held between reading the file and applying it.
struct HeldValue {
    QString control;
    ControlKind kind;
    int number = 0;  // check boxes and sliders
    bool on = false; // option buttons
    QString text;    // text fields and lists
};

struct DraftItem {
    QString line;  // the list entry the user sees
    QString block; // the script text of the item, CR LF inside
};

// Everything a draft holds, read and checked but not yet applied.
struct DraftData {
    int zoneTogether = 1;        // Check33
    QVector<HeldValue> zone;     // record 2, empty when absent
    QVector<DraftItem> items[3]; // Lst0, Lst1, Lst2
    QVector<HeldValue> rest;     // records 7, 10 to 14 and 16, in apply order
    qint64 xn = 0;
};

// Reads and checks a whole draft without applying anything. On a fault
// returns false with a short message naming the line of the file and the
// setting as its page shows it.
bool ReadDraft(const QByteArray &bytes, DraftData *data, QString *error);

// Splits a draft into fields. Leading spaces and tabs of a field are
// skipped; a field that begins with a double quote runs to the next double
// quote and may span lines; any other field runs to the next comma or line
// break. One separator (a comma or a line break: CR LF, LF or CR) follows
// each field, except at the end of the file.
class DraftTokenizer {
public:
    struct Field {
        bool quoted = false;
        QByteArrayView bytes; // without the quotes; into the tokenizer's bytes
        int line = 1;         // where the field starts, from 1
    };

    explicit DraftTokenizer(const QByteArray &bytes) : bytes_(bytes) {}

    // The next field; false at the end of the file or on bytes that are not
    // a field, with the reason in `problem` (empty at a clean end of file).
    bool next(Field *field, QString *problem);
    // The line of the first byte left that is not blank space (spaces, tabs,
    // line breaks), or 0 when only blank space is left.
    int firstJunkLine() const;
    int line() const { return line_; }

private:
    bool atEnd() const { return pos_ >= bytes_.size(); }
    char peek() const { return bytes_.at(pos_); }
    // Consumes one line break if one starts here.
    bool takeLineBreak();

    QByteArray bytes_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace quorlin
