#pragma once

#include "panel/MessageTable.h"
#include "session/UploadSession.h"
#include "voice/MessageList.h"
#include "voice/MessageSound.h"

#include <QObject>
#include <QTimer>

namespace orvanta {

class Activity;
class PanelLink;

// The voice messages of one run: the list of the 54 rows, the sound model of the message shown
// (its player and recorder), the upload with its own player, and the sound devices they use. The
// views show them and outlive none of them.
class SoundSession : public QObject
{
    Q_OBJECT
public:
    // How often a chosen sound device is looked for on the sound server.
    static constexpr int DeviceLookMs = 1000;

    SoundSession(PanelLink &link, QString soundHome);

    MessageList &messages() { return m_messages; }
    MessageSound &sound() { return m_sound; }
    UploadSession &upload() { return m_upload; }

    // The sound server's names of the output and the input; empty: the server's defaults.
    void setDeviceNames(const QString &output, const QString &input);
    const QString &outputName() const { return m_outputName; }
    const QString &inputName() const { return m_inputName; }
    // A chosen device the server no longer offers is given up for the default, unless an
    // activity runs on it (it ends with its own error) or the server offers nothing at all (it is
    // away for a moment, and the choice is kept for its return).
    void giveUpMissingDevices();

signals:
    // Other devices are in use.
    void devicesChanged();
    // A device went away and was given up for the default: the note says which.
    void devicesGivenUp(const QString &note);

private:
    Activity &m_activity;
    MessageList m_messages;
    MessageSound m_sound{m_messages, MemorySeconds};
    UploadSession m_upload;
    QString m_outputName;
    QString m_inputName;
    QTimer m_deviceLook;
};

} // namespace orvanta
