#include "FuzzTargets.h"

#include "core/Convert.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "link/PanelMemory.h"
#include "link/PanelReply.h"
#include "panel/HexRecord.h"
#include "panel/KeyCode.h"
#include "panel/MessageTable.h"
#include "panel/PanelExchange.h"
#include "panel/Password.h"
#include "panel/SettingsFile.h"
#include "panel/SitesTable.h"
#include "shell/WindowState.h"
#include "voice/SoundList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace orvanta::fuzz {

namespace {

void require(bool promise)
{
    if (!promise)
        std::abort();
}

QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A file of the given bytes in a folder of the run's own, under a new name each time, so that no
// cache of an earlier file answers for it.
QString fileOf(const uint8_t *data, size_t size, const char *name)
{
    static QTemporaryDir folder;
    static int counter = 0;
    const QString path =
        folder.filePath(QStringLiteral("%1-%2").arg(QLatin1String(name)).arg(++counter));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly));
    file.write(bytesOf(data, size));
    return path;
}

// Conversions may refuse a text, but only with the conversion error.
template <typename Action> void convert(Action action)
{
    try {
        action();
    } catch (const EConvertError &) {
    }
}

void panelReply(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    ReplyHasOK(bytes);
    const QString value = ExtractReplyValue(QString::fromLatin1(bytes));
    require(!value.contains(QLatin1String("\r\n")));
    const int half = int(size / 2);
    MessageTable::UsedSecondsFromBytes(QString::fromLatin1(bytes.left(half)),
                                       QString::fromLatin1(bytes.mid(half)));
}

void settingsRecord(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(bytesOf(data, size));
    convert([&] { require(DecodeHexRecord(text, 5).size() == 5); });
    convert([&] { require(unsigned(HexPairToInt(text.left(2))) <= 0xff); });
    convert([&] { StrToInt(text); });
    convert([&] { HexStrToInt(text); });
}

void passwordAndKey(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(bytesOf(data, size));
    DecodePassword(text);
    require(ReverseKeyBytes(text).size() == 16);
    if (!text.isEmpty())
        PasswordKeyAccepted(text, int(size % 7), int(size % 3), text.back());
}

void iniFile(const uint8_t *data, size_t size)
{
    const QString path = fileOf(data, size, "ini");
    const IniFile ini = IniFile::read(path);
    for (const char *section : {"Main", "Ports", "Sound"})
        for (const QString &key : ini.keys(QLatin1String(section)))
            ini.value(QLatin1String(section), key);
    QFile::remove(path);
}

void windowState(const uint8_t *data, size_t size)
{
    const QString path = fileOf(data, size, "state");
    {
        QWidget window;
        window.setObjectName(QStringLiteral("fContact"));
        new QComboBox(&window);
        window.findChild<QComboBox *>()->setObjectName(QStringLiteral("cb1"));
        (new QLineEdit(&window))->setObjectName(QStringLiteral("note"));
        (new QRadioButton(&window))->setObjectName(QStringLiteral("choice"));
        QSettings settings(path, QSettings::IniFormat);
        LoadWindowState(window, settings, [](const QString &) {});
    }
    QFile::remove(path);
}

void messageList(const uint8_t *data, size_t size)
{
    const QString path = fileOf(data, size, "list");
    require(ReadSoundList(path).cells.size() == SoundListColumn::Rows);
    QFile::remove(path);
}

void settingsFile(const uint8_t *data, size_t size)
{
    try {
        const PanelSettings settings = ParseSettingsText(QString::fromUtf8(bytesOf(data, size)));
        // What is taken is written back the same.
        require(ParseSettingsText(SettingsText(settings, true)) == settings);
    } catch (const ESettingsFileError &) {
    }
}

// The whole-panel read on replies split at NUL bytes, one a command, as the panel sent them.
void panelRead(const uint8_t *data, size_t size)
{
    const QList<QByteArray> replies = bytesOf(data, size).split('\0');
    int next = 0;
    const PanelQuery query = [&](const QString &) {
        return next < replies.size() ? QString::fromLatin1(replies[next++]) : QString();
    };
    PanelSettings settings;
    try {
        ReadPanelSettings(query, settings);
    } catch (const EIncompleteRead &) {
        return; // refused whole, naming the setting
    }
    for (const auto &key : settings.keys)
        require(!key || key->size() == 16);
    if (settings.relayTimes)
        for (int seconds : *settings.relayTimes)
            require(seconds >= 0 && seconds <= PanelSettings::MaxRelaySeconds);
}

// A table of sites as spreadsheets write it: either every row is taken, each with a checked
// password and keys, or nothing is and each fault is named.
void sitesTable(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const SitesTable table = SitesTable::Parse(bytes);
    require(table.problems.isEmpty() || table.rows.empty());
    for (const SiteRow &row : table.rows) {
        require(!row.site.isEmpty());
        if (row.password)
            require(row.password->size() >= 1 && row.password->size() <= 5);
        for (const auto &key : row.keys)
            require(!key || key->size() == 16);
    }
    (void)SitesTable::Redacted(bytes, QStringLiteral("[hidden]"));
}

} // namespace

const Target Targets[] = {
    {"reply", panelReply},      {"record", settingsRecord}, {"password", passwordAndKey},
    {"ini", iniFile},           {"state", windowState},     {"list", messageList},
    {"settings", settingsFile}, {"read", panelRead},        {"sites", sitesTable},
};
const size_t TargetCount = std::size(Targets);

const Target *FindTarget(const char *name)
{
    for (const Target &target : Targets)
        if (name && std::strcmp(target.name, name) == 0)
            return &target;
    return nullptr;
}

} // namespace orvanta::fuzz
