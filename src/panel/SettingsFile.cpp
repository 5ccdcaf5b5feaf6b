#include "SettingsFile.h"

#include "Password.h"
#include "core/AtomicFile.h"
#include "core/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <vector>

namespace orvanta {

namespace {

constexpr int FormatVersion = 1;
const QString Header = QStringLiteral("Настройки охранной панели Orvanta, формат ");
const char *const YesWord = QT_TRANSLATE_NOOP("orvanta::SettingsFile", "да");
const char *const NoWord = QT_TRANSLATE_NOOP("orvanta::SettingsFile", "нет");
const QString Yes = QString::fromUtf8(YesWord);
const QString No = QString::fromUtf8(NoWord);
const QString Missing = QStringLiteral("—");

// The general options by their bit of the options byte, as the file names them.
const char *const OptionNames[8] = {
    QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Объект находится под охраной"),
    QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Дозваниваться при постановке на охрану"),
    QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Дозваниваться при снятии с охраны"),
    QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Не использовать ключи Touch Memory"),
    QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Дозваниваться при переходе на резервное питание"),
    QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Дозваниваться при переходе на основное питание"),
    QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Выключать реле после снятия с охраны"),
    QT_TRANSLATE_NOOP("orvanta::SettingsFile",
                      "Обрабатывать события для реле после снятия с охраны"),
};
// The loop record's bytes other than the options, and what each bit of them says of a loop.
const std::pair<int, const char *> LoopBytes[] = {
    {0, QT_TRANSLATE_NOOP("orvanta::SettingsFile", "замыкание")},
    {1, QT_TRANSLATE_NOOP("orvanta::SettingsFile", "размыкание")},
    {2, "24"},
    {4, QT_TRANSLATE_NOOP("orvanta::SettingsFile", "нормально замкнут")}};
// The relay rule record's bytes: switch on or off, when the loop closes or opens.
const char *const AtClosing = QT_TRANSLATE_NOOP("orvanta::SettingsFile", "при замыкании");
const char *const AtOpening = QT_TRANSLATE_NOOP("orvanta::SettingsFile", "при размыкании");
const char *const SwitchOn = QT_TRANSLATE_NOOP("orvanta::SettingsFile", "включить");
const char *const SwitchOff = QT_TRANSLATE_NOOP("orvanta::SettingsFile", "выключить");
const std::pair<const char *, const char *> RuleBytes[] = {
    {AtClosing, SwitchOn}, {AtOpening, SwitchOn}, {AtClosing, SwitchOff}, {AtOpening, SwitchOff}};

// Words as the file spells them, or in the interface's language: the file stays readable
// whatever language wrote it, and a comparison speaks the user's.
QString say(bool translated, const char *text)
{
    return translated ? QCoreApplication::translate("orvanta::SettingsFile", text)
                      : QString::fromUtf8(text);
}
using Naming = std::function<QString(bool translated)>;

// A part of the settings that is held or not as a whole.
enum class Part {
    Version,
    Password,
    Key1,
    Key2,
    Key3,
    Key4,
    Loops,
    Relay1,
    Relay2,
    Relay3,
    Relay4,
    Relay5,
    Times,
    Memory
};

// Calls visit with the optional member of the settings that holds the part.
template <typename Settings, typename Visit> auto visitPart(Settings &s, Part part, Visit visit)
{
    switch (part) {
    case Part::Version:
        return visit(s.version);
    case Part::Password:
        return visit(s.password);
    case Part::Loops:
        return visit(s.loops);
    case Part::Times:
        return visit(s.relayTimes);
    case Part::Memory:
        return visit(s.usedSeconds);
    default:
        break;
    }
    if (part >= Part::Key1 && part <= Part::Key4)
        return visit(s.keys[size_t(int(part) - int(Part::Key1))]);
    return visit(s.relayRules[size_t(int(part) - int(Part::Relay1))]);
}

bool held(const PanelSettings &s, Part part)
{
    return visitPart(s, part, [](const auto &value) { return value.has_value(); });
}

// Makes a part held, with its fresh value, so that its lines can fill it.
void hold(PanelSettings &s, Part part)
{
    visitPart(s, part, [](auto &value) { value.emplace(); });
}

// One line of the file: its name, its part, how its value is told and taken. set returns an
// empty text, or why the value cannot be taken; a value taken otherwise than given is told in
// its note.
struct Setting
{
    Naming naming;
    QString name; // as the file spells it
    Part part;
    bool compared; // false: what the panel reports, not a setting
    std::function<QString(const PanelSettings &)> get;
    std::function<QString(PanelSettings &, const QString &, QString &note)> set;
    bool caseless = false; // hex digits, equal in either letter case
    // The value as the panel will hold it, where that differs from what was given.
    std::function<QString(const QString &)> asKept = {};
    // The value as a person's text shows it when secrets are hidden; none: shown as it is.
    std::function<QString(const QString &)> hidden = {};
};

Setting bitSetting(const Naming &naming, Part part,
                   const std::function<uint8_t &(PanelSettings &)> &byte, int bit)
{
    return {naming,
            naming(false),
            part,
            true,
            [byte, bit](const PanelSettings &s) {
                return (byte(const_cast<PanelSettings &>(s)) >> bit) & 1 ? Yes : No;
            },
            [byte, bit](PanelSettings &s, const QString &value, QString &) {
                if (value != Yes && value != No)
                    return QCoreApplication::translate("orvanta::SettingsFile",
                                                       "значение должно быть «да» или «нет»");
                byte(s) = uint8_t((byte(s) & ~(1 << bit)) | (value == Yes ? 1 << bit : 0));
                return QString();
            }};
}

// A whole number from 0 to maximum. With even, an odd one is taken one lower, as the panel keeps
// it: its record holds halves.
Setting numberSetting(const Naming &naming, Part part, bool compared,
                      const std::function<int &(PanelSettings &)> &number, int maximum,
                      bool even = false)
{
    return {naming,
            naming(false),
            part,
            compared,
            [number](const PanelSettings &s) {
                return QString::number(number(const_cast<PanelSettings &>(s)));
            },
            [number, maximum, even](PanelSettings &s, const QString &value, QString &note) {
                bool ok = false;
                const int parsed = value.toInt(&ok);
                if (!ok || parsed < 0 || parsed > maximum || value.startsWith(QLatin1Char('+')))
                    return QCoreApplication::translate(
                               "orvanta::SettingsFile",
                               "значение должно быть целым числом от 0 до %1")
                        .arg(maximum);
                number(s) = even ? KeptRelaySeconds(parsed) : parsed;
                if (number(s) != parsed)
                    note = QCoreApplication::translate("orvanta::SettingsFile",
                                                       "значение %1 округлено до %2: охранная "
                                                       "панель хранит чётные секунды")
                               .arg(parsed)
                               .arg(number(s));
                return QString();
            }};
}

Setting textSetting(const Naming &naming, Part part, bool compared,
                    const std::function<QString &(PanelSettings &)> &text,
                    const QRegularExpression &pattern, const char *rule)
{
    return {naming,
            naming(false),
            part,
            compared,
            [text](const PanelSettings &s) { return text(const_cast<PanelSettings &>(s)); },
            [text, pattern, rule](PanelSettings &s, const QString &value, QString &) {
                if (!pattern.match(value).hasMatch())
                    return say(true, rule);
                text(s) = value;
                return QString();
            }};
}

// Every line the format knows, in the file's order.
const std::vector<Setting> &settingsTable()
{
    static const std::vector<Setting> table = [] {
        std::vector<Setting> all;
        all.push_back(textSetting(
            [](bool translated) {
                return say(translated,
                           QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Версия прошивки"));
            },
            Part::Version, false, [](PanelSettings &s) -> QString & { return *s.version; },
            QRegularExpression(QStringLiteral("^.*$")), ""));
        all.push_back(textSetting(
            [](bool translated) {
                return say(translated, QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Пароль"));
            },
            Part::Password, true, [](PanelSettings &s) -> QString & { return *s.password; },
            QRegularExpression(QStringLiteral("^[1-9]{1,5}$")),
            QT_TRANSLATE_NOOP("orvanta::SettingsFile",
                              "пароль — от одной до пяти цифр от 1 до 9: цифру 0 охранная "
                              "панель не принимает")));
        // A shorter password is padded with 5s when it is sent.
        all.back().asKept = PaddedPassword;
        // As the journal shows it.
        all.back().hidden = [](const QString &) {
            return QStringLiteral("•••••");
        };
        for (int slot = 1; slot <= PanelSettings::KeySlots; ++slot) {
            all.push_back(textSetting(
                [slot](bool translated) {
                    return say(translated, QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Ключ %1"))
                        .arg(slot);
                },
                Part(int(Part::Key1) + slot - 1), true,
                [slot](PanelSettings &s) -> QString & { return *s.keys[size_t(slot - 1)]; },
                QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{16}$")),
                QT_TRANSLATE_NOOP("orvanta::SettingsFile",
                                  "код ключа — 16 шестнадцатеричных цифр")));
            all.back().caseless = true;
            // An empty slot stays visible as empty; a key's code is shown by none of its digits.
            all.back().hidden = [](const QString &code) {
                return code.count(QLatin1Char('0')) == code.size() ? code
                                                                   : QString(16, QChar(0x2022));
            };
        }
        for (int bit = 0; bit < 8; ++bit)
            all.push_back(bitSetting(
                [bit](bool translated) { return say(translated, OptionNames[bit]); }, Part::Loops,
                [](PanelSettings &s) -> uint8_t & {
                    return (*s.loops)[PanelSettings::OptionsByte];
                },
                bit));
        for (int loop = 1; loop <= PanelSettings::Loops; ++loop) {
            for (const auto &[byte, what] : LoopBytes)
                all.push_back(bitSetting(
                    [loop, what = what](bool translated) {
                        return say(translated,
                                   QT_TRANSLATE_NOOP("orvanta::SettingsFile", "Шлейф %1, %2"))
                            .arg(loop)
                            .arg(say(translated, what));
                    },
                    Part::Loops,
                    [byte = byte](PanelSettings &s) -> uint8_t & {
                        return (*s.loops)[size_t(byte)];
                    },
                    loop - 1));
            for (int relay = 1; relay <= PanelSettings::Relays; ++relay)
                for (int byte = 0; byte < PanelSettings::RelayRuleBytes; ++byte)
                    all.push_back(bitSetting(
                        [loop, relay, byte](bool translated) {
                            return say(translated, QT_TRANSLATE_NOOP("orvanta::SettingsFile",
                                                                     "Шлейф %1, %2: реле %3 %4"))
                                .arg(loop)
                                .arg(say(translated, RuleBytes[byte].first))
                                .arg(relay)
                                .arg(say(translated, RuleBytes[byte].second));
                        },
                        Part(int(Part::Relay1) + relay - 1),
                        [relay, byte](PanelSettings &s) -> uint8_t & {
                            return (*s.relayRules[size_t(relay - 1)])[size_t(byte)];
                        },
                        loop - 1));
        }
        for (int relay = 1; relay <= PanelSettings::Relays; ++relay)
            all.push_back(numberSetting(
                [relay](bool translated) {
                    return say(translated, QT_TRANSLATE_NOOP("orvanta::SettingsFile",
                                                             "Реле %1, время включения, сек."))
                        .arg(relay);
                },
                Part::Times, true,
                [relay](PanelSettings &s) -> int & { return (*s.relayTimes)[size_t(relay - 1)]; },
                PanelSettings::MaxRelaySeconds, true));
        all.push_back(numberSetting(
            [](bool translated) {
                return say(translated, QT_TRANSLATE_NOOP("orvanta::SettingsFile",
                                                         "Занято памяти сообщений, сек."));
            },
            Part::Memory, false, [](PanelSettings &s) -> int & { return *s.usedSeconds; }, 100000));
        return all;
    }();
    return table;
}

QString lineText(int line, const QString &what)
{
    return QCoreApplication::translate("orvanta::SettingsFile", "Строка %1: %2")
        .arg(line)
        .arg(what);
}

ESettingsFileError lineError(int line, const QString &why)
{
    return ESettingsFileError(lineText(line, why));
}

} // namespace

QString GeneralOptionName(int bit)
{
    return say(true, OptionNames[bit]);
}

QString SettingsText(const PanelSettings &settings, bool withPassword)
{
    QString text = Header + QString::number(FormatVersion) + QLatin1Char('\n');
    for (const Setting &setting : settingsTable()) {
        if (!held(settings, setting.part) || (setting.part == Part::Password && !withPassword))
            continue;
        // One setting a line, whatever a version text holds.
        QString value = setting.get(settings);
        value.replace(QRegularExpression(QStringLiteral("[\\r\\n]")), QStringLiteral(" "));
        text += setting.name + QStringLiteral(": ") + value.trimmed() + QLatin1Char('\n');
    }
    return text;
}

PanelSettings ParseSettingsText(const QString &text, QStringList *notes)
{
    std::map<QString, const Setting *> byName;
    for (const Setting &setting : settingsTable())
        byName[setting.name] = &setting;

    const QStringList lines = text.split(QLatin1Char('\n'));
    PanelSettings settings;
    std::map<Part, int> linesOfPart;
    std::map<QString, int> seen;
    QStringList rounded;
    bool headerRead = false;
    for (int index = 0; index < lines.size(); ++index) {
        const int number = index + 1;
        QString line = lines[index];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!headerRead) {
            if (!line.startsWith(Header))
                throw lineError(number, QCoreApplication::translate(
                                            "orvanta::SettingsFile",
                                            "это не файл настроек охранной панели Orvanta"));
            // Exactly the formats this program understands: there is one so far.
            const QString format = line.mid(Header.size()).trimmed();
            if (format != QString::number(FormatVersion))
                throw lineError(number, QCoreApplication::translate(
                                            "orvanta::SettingsFile",
                                            "формат файла «%1», а программа понимает только "
                                            "формат %2")
                                            .arg(format)
                                            .arg(FormatVersion));
            headerRead = true;
            continue;
        }
        // Names hold ": " themselves, and a version text may too: the name is the first part
        // of the line, up to a ": ", that names a setting.
        auto known = byName.end();
        QString name, value;
        for (qsizetype colon = line.indexOf(QStringLiteral(": "));
             colon >= 0 && known == byName.end();
             colon = line.indexOf(QStringLiteral(": "), colon + 1)) {
            name = line.left(colon).trimmed();
            value = line.mid(colon + 2).trimmed();
            known = byName.find(name);
        }
        if (name.isEmpty())
            throw lineError(number, QCoreApplication::translate("orvanta::SettingsFile",
                                                                "ожидается «название: значение»"));
        if (known == byName.end())
            throw lineError(number, QCoreApplication::translate("orvanta::SettingsFile",
                                                                "неизвестная настройка «%1»")
                                        .arg(name));
        if (seen.count(name))
            throw lineError(number,
                            QCoreApplication::translate("orvanta::SettingsFile",
                                                        "настройка «%1» уже была в строке %2")
                                .arg(name)
                                .arg(seen[name]));
        seen[name] = number;
        const Setting &setting = *known->second;
        if (!held(settings, setting.part))
            hold(settings, setting.part);
        QString note;
        if (const QString why = setting.set(settings, value, note); !why.isEmpty())
            throw lineError(number, QStringLiteral("%1: %2").arg(name, why));
        if (!note.isEmpty())
            rounded += lineText(number, QStringLiteral("%1: %2").arg(name, note));
        ++linesOfPart[setting.part];
    }
    if (!headerRead)
        throw lineError(
            1, QCoreApplication::translate("orvanta::SettingsFile",
                                           "это не файл настроек охранной панели Orvanta"));
    // A part is taken whole or not at all: a missing bit would be sent as "нет".
    const int lastLine = int(lines.size()) - (lines.last().isEmpty() ? 1 : 0);
    for (const Setting &setting : settingsTable())
        if (held(settings, setting.part) && !seen.count(setting.name))
            throw lineError(
                lastLine, QCoreApplication::translate("orvanta::SettingsFile", "нет настройки «%1»")
                              .arg(setting.name));
    if (notes)
        *notes += rounded;
    return settings;
}

void WriteSettingsFile(const QString &path, const PanelSettings &settings, bool withPassword)
{
    const QByteArray bytes = SettingsText(settings, withPassword).toUtf8();
    // The password is for its owner's eyes only, from the moment the file exists.
    const mode_t previous = withPassword ? ::umask(077) : 0;
    if (withPassword && QFile::exists(path))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QString error;
    const SaveResult result = SaveFileAtomically(path, bytes, &error);
    if (withPassword)
        ::umask(previous);
    if (result != SaveResult::Saved)
        throw EInOutError(
            QCoreApplication::translate("orvanta::SettingsFile", "Не удалось записать файл %1: %2")
                .arg(path, error));
}

PanelSettings ReadSettingsFile(const QString &path, QStringList *notes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QCoreApplication::translate("orvanta::SettingsFile", "Не удалось открыть файл %1: %2")
                .arg(path, file.errorString()));
    return ReadSettings(file, notes);
}

PanelSettings ReadSettings(QIODevice &device, QStringList *notes)
{
    // A settings file is UTF-8; one saved in another encoding is said to be so, not taken for
    // something that is no settings file at all. A file larger than any settings file is not
    // read whole.
    constexpr qint64 Largest = 1 << 20;
    QByteArray bytes;
    while (bytes.size() <= Largest) {
        const QByteArray chunk = device.read(Largest + 1 - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > Largest)
        throw lineError(
            1, QCoreApplication::translate("orvanta::SettingsFile",
                                           "это не файл настроек охранной панели Orvanta"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        throw ESettingsFileError(QCoreApplication::translate(
            "orvanta::SettingsFile", "файл не в кодировке UTF-8: сохраните его в UTF-8"));
    return ParseSettingsText(text, notes);
}

QStringList CompareSettings(const PanelSettings &current, const PanelSettings &wanted,
                            Wording wording, Secrets secrets)
{
    const bool translated = wording == Wording::Interface;
    const auto shown = [translated](const QString &value) {
        return value == Yes  ? say(translated, YesWord)
               : value == No ? say(translated, NoWord)
                             : value;
    };
    QStringList changes;
    for (const Setting &setting : settingsTable()) {
        if (!setting.compared || !held(wanted, setting.part))
            continue;
        const auto kept = [&setting](const QString &value) {
            return setting.asKept ? setting.asKept(value) : value;
        };
        const QString now = held(current, setting.part) ? kept(setting.get(current)) : Missing;
        const QString then = kept(setting.get(wanted));
        if (now.compare(then, setting.caseless ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0)
            continue;
        const auto told = [&](const QString &value) {
            return secrets == Secrets::Hidden && setting.hidden && value != Missing
                       ? setting.hidden(value)
                       : shown(value);
        };
        changes += setting.naming(translated) + QStringLiteral(": ") + told(now) +
                   QStringLiteral(" → ") + told(then);
    }
    return changes;
}

} // namespace orvanta
