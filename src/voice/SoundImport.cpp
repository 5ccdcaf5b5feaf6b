#include "SoundImport.h"

#include "MessageEdit.h"
#include "MessageList.h"
#include "MessageTools.h"
#include "RegularFile.h"
#include "core/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvanta {

std::optional<QByteArray> SoundImport::contents(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    // Read without waiting, whatever was put in the file's place since.
    const RegularFile opened(path);
    QFile file;
    if (!opened.isOpen() || !file.open(opened.descriptor(), QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

SoundImport::SoundImport(MessageList &messages, int longestSeconds)
    : m_messages(messages)
    , m_longestSeconds(longestSeconds)
{}

bool SoundImport::nameTaken(const QString &name, int number) const
{
    bool own = false;
    for (int row = 1; row <= MessageList::Messages; ++row) {
        if (m_messages.cell(MessageList::FileColumn, row).trimmed() != name)
            continue;
        if (row != number)
            return true;
        own = true;
    }
    const QString path = m_messages.pathOfName(name);
    // The row's own file is replaced (the undo keeps it) unless the user made it read-only; a
    // file no row names is the user's, not to be replaced.
    return own ? ReadOnlyMessage(path) : QFileInfo::exists(path);
}

QString SoundImport::targetName(int number, const QString &source) const
{
    const QString cell = m_messages.cell(MessageList::FileColumn, number).trimmed();
    const QString base = cell.isEmpty() || QDir::isAbsolutePath(cell)
                             ? QString::number(number)
                             : QFileInfo(cell).completeBaseName();
    QString name = base + QStringLiteral(".wav");
    // The source itself is never the target: a message of another format is read, not replaced.
    const auto isSource = [&](const QString &candidate) {
        return !source.isEmpty() &&
               QFileInfo(m_messages.pathOfName(candidate)) == QFileInfo(source);
    };
    for (int n = 2; nameTaken(name, number) || isSource(name); ++n)
        name = QStringLiteral("%1-%2.wav").arg(base).arg(n);
    return name;
}

SoundResult SoundImport::importInto(int number, const QString &source)
{
    const QString name = targetName(number, source);
    const QString path = m_messages.pathOfName(name);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return SoundResult::failed(
            tr("Не удалось создать папку \"%1\"").arg(QFileInfo(path).absolutePath()));
    Undo undo{number, m_messages.cell(MessageList::FileColumn, number), path, contents(path), {},
              {}};
    SoundResult imported = ImportSound(source, path, m_longestSeconds);
    if (!imported.done())
        return imported;
    m_messages.setCell(MessageList::FileColumn, number, name);
    undo.after = name;
    undo.written = FileStamp::of(path);
    m_undo = std::move(undo);
    return imported;
}

void SoundImport::rememberReplaced(int number, const QString &path,
                                   std::optional<QByteArray> before, const QString &cell)
{
    m_undo = Undo{number,
                  cell,
                  path,
                  std::move(before),
                  m_messages.cell(MessageList::FileColumn, number),
                  FileStamp::of(path)};
}

bool SoundImport::canUndo(int number) const
{
    return m_undo && m_undo->number == number &&
           m_messages.cell(MessageList::FileColumn, number) == m_undo->after;
}

SoundResult SoundImport::undo()
{
    if (!m_undo)
        return {};
    Undo undo = std::move(*m_undo);
    m_undo.reset();
    if (!undo.written.stillHolds(undo.path))
        return SoundResult::failed(FileStamp::changedText(undo.path));
    if (undo.bytes) {
        QString error;
        if (SaveFileAtomically(undo.path, *undo.bytes, &error) != SaveResult::Saved)
            return SoundResult::failed(
                tr("Не удалось вернуть файл \"%1\": %2").arg(undo.path, error));
    } else {
        QFile::remove(undo.path);
    }
    m_messages.setCell(MessageList::FileColumn, undo.number, undo.cell);
    return {};
}

} // namespace orvanta
