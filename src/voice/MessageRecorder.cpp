#include "MessageRecorder.h"

#include "MessageEdit.h"
#include "WaveDevice.h"
#include "WaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace orvanta {

namespace {

// How often a recording looks whether it has reached its length.
constexpr int CheckMs = 50;

} // namespace

MessageRecorder::MessageRecorder(WaveDevice &device, QObject *parent)
    : QObject(parent)
    , m_device(device)
{
    m_check.setInterval(CheckMs);
    connect(&m_check, &QTimer::timeout, this, [this] { checkLength(); });
    connect(&m_device, &WaveDevice::recordingStarted, this, [this] {
        if (m_recording)
            emit soundArrived();
    });
    connect(&m_device, &WaveDevice::recordingFailed, this, [this](const QString &error) {
        if (m_recording)
            end(error);
    });
}

MessageRecorder::Start MessageRecorder::start(const QString &fileName, int maxSeconds)
{
    if (m_recording)
        return {tr("Запись уже идёт")};
    const QFileInfo target(fileName);
    if (fileName.isEmpty() || target.isDir())
        return {tr("Нет файла для записи сообщения")};
    if (ReadOnlyMessage(fileName))
        return {tr("Файл \"%1\" только для чтения: запись не начата").arg(fileName)};
    m_fileName = fileName;
    m_takeFile = fileName + QStringLiteral(".recording");
    if (!TWaveFile().SaveToFile(m_takeFile))
        return {tr("Не удалось создать файл \"%1\"").arg(m_takeFile)};
    try {
        m_device.close();
        m_device.FileName = m_takeFile;
        m_device.open();
        m_device.setTimeFormat(WaveDevice::TimeFormat::Milliseconds);
        m_device.rewind();
        m_device.record();
    } catch (const std::exception &error) {
        m_device.close();
        QFile::remove(m_takeFile);
        return {QString::fromStdString(error.what()), true};
    }
    m_maxMs = qint64(maxSeconds) * 1000;
    m_recording = true;
    m_check.start();
    return {};
}

void MessageRecorder::checkLength()
{
    if (m_recording && m_device.isRecording() && m_device.position() >= m_maxMs)
        stop();
}

void MessageRecorder::stop()
{
    if (!m_recording)
        return;
    QString error;
    try {
        m_device.stop();
        if (m_recording) // the input may have failed while its last sound was collected
            error = keepTake();
    } catch (const std::exception &failure) {
        error = QString::fromStdString(failure.what());
    }
    if (m_recording)
        end(error);
}

// The take replaces the message only when it holds sound and is saved whole.
QString MessageRecorder::keepTake()
{
    if (m_device.length() <= 0)
        return tr("Звук не записан: устройство записи звука не передало звука. "
                  "Сообщение осталось прежним.");
    m_device.Save();
    m_device.close();
    // A file made read-only while the take was recorded is left as it is; the take is kept
    // beside it, under a name of its own.
    if (ReadOnlyMessage(m_fileName)) {
        const QFileInfo target(m_fileName);
        QString beside;
        for (int n = 2; beside.isEmpty() || QFileInfo::exists(beside); ++n)
            beside = target.dir().filePath(
                QStringLiteral("%1-%2.wav").arg(target.completeBaseName()).arg(n));
        if (std::rename(QFile::encodeName(m_takeFile).constData(),
                        QFile::encodeName(beside).constData()) != 0)
            return tr("Файл \"%1\" стал только для чтения во время записи и оставлен как был; "
                      "запись сохранить не удалось")
                .arg(m_fileName);
        return tr("Файл \"%1\" стал только для чтения во время записи и оставлен как был; "
                  "запись сохранена в файле \"%2\"")
            .arg(m_fileName, beside);
    }
    if (std::rename(QFile::encodeName(m_takeFile).constData(),
                    QFile::encodeName(m_fileName).constData()) != 0)
        return tr("Не удалось заменить файл \"%1\"").arg(m_fileName);
    return {};
}

void MessageRecorder::end(const QString &error)
{
    m_check.stop();
    m_recording = false;
    m_device.close();
    QFile::remove(m_takeFile);
    emit finished(m_fileName, error);
}

} // namespace orvanta
