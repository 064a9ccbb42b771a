// Random sequences of settings, selections and button presses: no sequence may
// crash the model or leave a list and its store of different lengths.
#include <QtTest>

#include "core/controls.h"
#include "core/scripted_dialogs.h"
#include "names/terrain_names.h"
#include "script/script_file.h"
#include "wizard/wizard_model.h"

using namespace quorlin;

namespace {

constexpr int kSteps = 20000;
constexpr quint32 kDefaultSeed = 20261207;

class Driver {
public:
    explicit Driver(quint32 seed) : random_(seed)
    {
        for (const ControlDef &c : ControlTable())
            names_ << QString::fromLatin1(c.name);
        // Names that are no control of the settings pages.
        names_ << "Check99"
               << ""
               << "Txt"
               << "Lst0"
               << "check1"
               << " Check1"
               << "Frame2"
               << "Label4";
        buttons_ = WizardModel::buttons();
        // The add buttons often, so that the lists fill up to their limit.
        for (const char *add : {"Command21", "Command4", "Command6"})
            for (int n = 0; n < 6; ++n)
                buttons_ << QString::fromLatin1(add);
        buttons_ << "Command2"
                 << "Command99"
                 << ""
                 << "command6";
        values_ = QStringList{"0",
                              "1",
                              "2",
                              "3",
                              "-1",
                              "true",
                              "false",
                              "yes",
                              "",
                              " ",
                              "\t\r\n",
                              " 1 ",
                              "1E400",
                              "-1E400",
                              "1E-400",
                              "&HFFFFFFFFFFFF",
                              "&H",
                              "&O777",
                              "&HFFFF",
                              QString(40, QLatin1Char('9')),
                              "2.5",
                              "3.5",
                              "-40000",
                              "40000",
                              "0.0000001",
                              "7",
                              " 12 ",
                              "01",
                              "1.5e3",
                              "+",
                              ".",
                              "1D5",
                              "9999999999999999999",
                              "NaN",
                              "宽",
                              "中",
                              "窄",
                              "精锐长弓手",
                              "蒙古包1",
                              "民兵",
                              "\"quoted\"",
                              "a,b"}
                  + TerrainList();
    }

    // One random step; returns what it did, for failure messages.
    QString step(WizardModel &m)
    {
        const int kind = pick(100);
        if (kind < 45) {
            const QString name = names_[pick(names_.size())];
            const QString value = randomValue(name);
            const quint64 revision = m.settings().revision();
            const QString error = m.setValue(name, value);
            const ControlDef *def = FindControl(name);
            if (!error.isEmpty() && m.settings().revision() != revision)
                failure_ = QStringLiteral("a refused value changed the settings");
            if (error.isEmpty() && !def)
                failure_ = QStringLiteral("an unknown control was accepted");
            if (error.isEmpty() && def
                && (def->kind == ControlKind::Text || def->kind == ControlKind::EditableList
                    || def->kind == ControlKind::Display)
                && m.settings().text(name) != value)
                failure_ = QStringLiteral("a free text was not kept as given");
            return QStringLiteral("set %1=%2").arg(name, value);
        }
        if (kind < 60) {
            const QString list = QStringList{"Lst0", "Lst1", "Lst2", "Lst3"}[pick(4)];
            const int count = m.list(list) ? m.list(list)->count() : 0;
            QVector<int> lines;
            for (int n = pick(5); n > 0; --n)
                lines << pick(count + 4) - 2;
            m.selectLines(list, lines);
            QStringList shown;
            for (int line : lines)
                shown << QString::number(line);
            return QStringLiteral("select %1=%2").arg(list, shown.join(QLatin1Char(',')));
        }
        if (kind < 97) {
            const QString button = buttons_[pick(buttons_.size())];
            m.click(button);
            return QStringLiteral("click %1").arg(button);
        }
        if (kind < 99) {
            m.next();
            return QStringLiteral("next");
        }
        m.back();
        return QStringLiteral("back");
    }

    QString failure_;

private:
    int pick(int n) { return n <= 0 ? 0 : int(random_.bounded(quint32(n))); }

    QString randomValue(const QString &name)
    {
        const ControlDef *def = FindControl(name);
        switch (pick(4)) {
        case 0:
            if (def && def->kind == ControlKind::Slider)
                return QString::number(def->min - 2 + pick(def->max - def->min + 5));
            if (def && (def->kind == ControlKind::ClosedList || def->kind == ControlKind::EditableList)) {
                const QStringList entries = ListEntries(name);
                return entries.isEmpty() ? QString() : entries[pick(entries.size())];
            }
            return QString::number(pick(5) - 1);
        case 1: {
            QString noise;
            for (int n = pick(12); n > 0; --n)
                noise += QChar(char16_t(pick(3) == 0 ? 0x4E00 + pick(0x5000) : 0x20 + pick(0x5F)));
            return noise;
        }
        default: return values_[pick(values_.size())];
        }
    }

    QRandomGenerator random_;
    QStringList names_, buttons_, values_;
};

// A list and its store of the same length, selections included, never above 100.
QString CheckStore(const QString &name, const ItemStore &store)
{
    const int n = store.count();
    if (store.lines().size() != n || store.blocks().size() != n)
        return QStringLiteral("%1: %2 lines but %3 blocks")
            .arg(name)
            .arg(store.lines().size())
            .arg(store.blocks().size());
    if (n > ItemStore::kCapacity)
        return QStringLiteral("%1 holds %2 items").arg(name).arg(n);
    ItemStore all = store;
    all.selectAll();
    if ((n > 0 && !all.isSelected(n - 1)) || all.isSelected(n))
        return QStringLiteral("%1: the selection does not cover exactly its %2 lines").arg(name).arg(n);
    return QString();
}

} // namespace

class ModelRandomTest : public QObject {
    Q_OBJECT

private slots:
    void randomStepsKeepEveryListInStep();
};

void ModelRandomTest::randomStepsKeepEveryListInStep()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariableIntValue("QUORLIN_RANDOM_SEED", &ok);
    const quint32 used = ok ? seed : kDefaultSeed;
    Driver driver(used);
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    m.setDate(QStringLiteral("D"));

    qint64 xn = 0;
    int fullest = 0;
    QStringList recent;
    for (int i = 1; i <= kSteps; ++i) {
        recent << driver.step(m);
        if (recent.size() > 8)
            recent.removeFirst();
        const auto where = [&](const QString &what) {
            return QStringLiteral("seed %1, step %2: %3\nlast steps:\n  %4")
                .arg(used)
                .arg(i)
                .arg(what, recent.join(QStringLiteral("\n  ")));
        };
        QVERIFY2(driver.failure_.isEmpty(), qPrintable(where(driver.failure_)));
        for (const QString &list : {QStringLiteral("Lst0"), QStringLiteral("Lst1"), QStringLiteral("Lst2")}) {
            const QString fault = CheckStore(list, *m.list(list));
            QVERIFY2(fault.isEmpty(), qPrintable(where(fault)));
            fullest = qMax(fullest, m.list(list)->count());
        }
        QVERIFY2(m.xn() >= xn, qPrintable(where(QStringLiteral("xn went down to %1").arg(m.xn()))));
        xn = m.xn();
        if (i % 100 == 0) {
            const QString script = m.assemble();
            QVERIFY2(script.startsWith(QStringLiteral("/* 地图名：  */\r\n"))
                         && script.contains(QStringLiteral("<LAND_GENERATION>")),
                     qPrintable(where(QStringLiteral("a broken script"))));
            QVERIFY(!ScriptFileBytes(script).isEmpty());
        }
    }
    // The run reached the limit of a list and gave out unit numbers, or it tested little.
    if (!ok) {
        QCOMPARE(fullest, ItemStore::kCapacity);
        QVERIFY(xn > 0);
    }
}

QTEST_GUILESS_MAIN(ModelRandomTest)

#include "test_model_random.moc"
