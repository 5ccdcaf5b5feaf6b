#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace orvanta {

class WaveDevice;

// Records a message from the sound input into its file. The take goes into a file beside the
// message and replaces it only once it holds sound and is saved: a failed or empty take, or a
// message the user made read-only, leaves the message as it was, and finished() says why.
class MessageRecorder : public QObject
{
    Q_OBJECT
public:
    explicit MessageRecorder(WaveDevice &device, QObject *parent = nullptr);

    // Why a recording did not start: the file, or the sound device (device set).
    struct Start
    {
        QString error;
        bool device = false;
    };
    // Starts recording into the file, for at most maxSeconds; returns at once, with an empty
    // error when the recording runs.
    Start start(const QString &fileName, int maxSeconds);
    // Ends the recording; finished() follows before it returns.
    void stop();
    bool recording() const { return m_recording; }

signals:
    // The input delivers sound: the user may speak.
    void soundArrived();
    // The recording ended: error empty when the message now holds the new take.
    void finished(const QString &fileName, const QString &error);

private:
    void checkLength();
    void end(const QString &error);
    QString keepTake();

    WaveDevice &m_device;
    QString m_fileName;
    QString m_takeFile;
    qint64 m_maxMs = 0;
    bool m_recording = false;
    QTimer m_check;
};

} // namespace orvanta
