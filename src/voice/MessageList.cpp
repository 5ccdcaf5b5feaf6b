#include "MessageList.h"

#include "MessageTools.h"
#include "core/Errors.h"

#include <QDir>
#include <QFileInfo>

namespace orvanta {

MessageList::MessageList(QString soundHome, QObject *parent)
    : QAbstractTableModel(parent)
    , m_soundHome(std::move(soundHome))
{}

int MessageList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Messages;
}

int MessageList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant MessageList::data(const QModelIndex &index, int role) const
{
    // A cell too narrow for its text shows it whole in its tooltip.
    if (!index.isValid() ||
        (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole))
        return {};
    const int number = index.row() + 1;
    if (role == Qt::ToolTipRole && index.column() == AddressColumn &&
        !m_addressHints[number].isEmpty())
        return cell(AddressColumn, number) + QLatin1Char('\n') + m_addressHints[number];
    return cell(index.column(), number);
}

bool MessageList::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || m_locked)
        return false;
    setCell(index.column(), index.row() + 1, value.toString());
    return true;
}

QVariant MessageList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // The lists keep their titles as first written; a title the tool wrote shows in the
    // interface's language.
    return tr(cell(section, 0).toUtf8().constData());
}

void MessageList::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

Qt::ItemFlags MessageList::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return m_locked ? flags : flags | Qt::ItemIsEditable;
}

QString MessageList::cell(int column, int number) const
{
    if (number < 0 || number > Messages || column < 0 || column >= Columns)
        return {};
    return column == AddressColumn ? m_addresses[number] : m_lists[column].cells[number];
}

void MessageList::setCell(int column, int number, const QString &text)
{
    if (number < 0 || number > Messages || column < 0 || column >= Columns ||
        cell(column, number) == text)
        return;
    (column == AddressColumn ? m_addresses[number] : m_lists[column].cells[number]) = text;
    if (column == AddressColumn)
        m_addressHints[number].clear();
    if (number == 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
    else
        emit dataChanged(index(number - 1, column), index(number - 1, column));
    if (column == FileColumn) {
        // What the last upload said of the row was said of its old file.
        if (number > 0)
            setCell(AddressColumn, number, QString());
        emit filesChanged();
    }
}

void MessageList::load(const QString &messagesPath, const QString &soundsPath)
{
    beginResetModel();
    const QString paths[2] = {messagesPath, soundsPath};
    try {
        for (int column = 0; column < 2; ++column) {
            m_lists[column] = ReadSoundList(paths[column]);
            m_loaded[column] = true;
        }
    } catch (...) {
        endResetModel();
        throw;
    }
    clearAddresses();
    endResetModel();
    emit filesChanged();
}

void MessageList::fillDefaults()
{
    beginResetModel();
    for (int column = 0; column < 2; ++column) {
        m_lists[column] = SoundListColumn{};
        m_loaded[column] = true;
    }
    m_lists[TextColumn].cells[0] = QString::fromUtf8(QT_TR_NOOP("Сообщение"));
    m_lists[FileColumn].cells[0] = QString::fromUtf8(QT_TR_NOOP("Файл"));
    for (int number = 1; number <= Messages; ++number) {
        m_lists[TextColumn].cells[number] = tr("Сообщение %1").arg(number);
        // No file yet: the row gets one ("N.wav") when it first gets a message, so that an
        // upload never stops at a row naming a file that does not exist.
        m_lists[FileColumn].cells[number].clear();
    }
    clearAddresses();
    endResetModel();
    emit filesChanged();
}

QStringList MessageList::save(const QString &messagesPath, const QString &soundsPath) const
{
    QStringList failures;
    const QString paths[2] = {messagesPath, soundsPath};
    for (int column = 0; column < 2; ++column) {
        // A list that exists but could not be read is left alone, never replaced by empty rows.
        if (!m_loaded[column] && QFileInfo::exists(paths[column]))
            continue;
        try {
            WriteSoundList(paths[column], m_lists[column]);
        } catch (const EInOutError &error) {
            failures += ErrorText(error);
        }
    }
    return failures;
}

QString MessageList::pathOfName(const QString &name) const
{
    if (QDir::isAbsolutePath(name))
        return name;
    return QDir(m_soundHome).filePath(QStringLiteral("sound/") + name);
}

QString MessageList::messageFile(int number) const
{
    return cell(FileColumn, number).trimmed().isEmpty() ? QString() : soundPath(number);
}

QString MessageList::fileToWrite(int number)
{
    if (number < 1 || number > Messages)
        return {};
    if (messageFile(number).isEmpty())
        setCell(FileColumn, number, QStringLiteral("%1.wav").arg(number));
    const QString path = soundPath(number);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {};
    return path;
}

double MessageList::messageSeconds(int number) const
{
    const QString file = messageFile(number);
    return file.isEmpty() ? 0 : WaveSeconds(file);
}

double MessageList::listSeconds(double perMessage) const
{
    double seconds = 0;
    for (int number = 1; number <= Messages; ++number)
        if (const double sound = messageSeconds(number); sound > 0)
            seconds += sound + perMessage;
    return seconds;
}

void MessageList::setAddressHint(int number, const QString &hint)
{
    if (number < 1 || number > Messages)
        return;
    m_addressHints[number] = hint;
    emit dataChanged(index(number - 1, AddressColumn), index(number - 1, AddressColumn),
                     {Qt::ToolTipRole});
}

void MessageList::clearAddresses()
{
    for (int number = 1; number <= Messages; ++number)
        setCell(AddressColumn, number, QString());
    setCell(AddressColumn, 0, QString::fromUtf8(QT_TR_NOOP("Адрес")));
}

} // namespace orvanta
