#pragma once

#include "panel/MessageTable.h"
#include "session/SoundSession.h"
#include "voice/MessageList.h"
#include "voice/MessageSound.h"

#include <QItemSelection>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

class QGroupBox;
class QToolButton;
class QPushButton;
class QCheckBox;
class QLabel;
class QProgressBar;
class QTableView;

namespace orvanta {

class Activity;
class LevelMeter;
class PanelLink;
class SoundUpload;
class StatusLine;
class TWaveAdjuster;

// The page "Запись звука": memory state, the waveform editor, the editing and upload buttons, the
// upload progress and the message grid SoundSG, a view of the message list. Its controls are
// enabled from what they can do now and from the tool's one activity at a time.
class SoundPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Columns = MessageList::Columns;
    static constexpr int Rows = SoundListColumn::Rows;

    static constexpr int MaxRecordingSeconds = 30;
    // Rows of the list in view at the window's least height.
    static constexpr int VisibleRows = 8;

    // soundHome: the folder that holds "sound/", the messages' wave files.
    // The page shows the session's messages, sound and upload, which outlive it.
    SoundPage(PanelLink &link, SoundSession &sounds, QWidget *parent = nullptr);
    ~SoundPage() override;

    // A cell of the grid by message number; number 0 is the column's title.
    QString cell(int column, int row) const { return m_messages.cell(column, row); }
    void setCell(int column, int row, const QString &text)
    {
        m_messages.setCell(column, row, text);
    }

    // Column 0 from the messages list, column 1 from the sounds list, "Адрес" over column 2.
    // Throws EInOutError when a list cannot be read.
    void loadLists(const QString &messagesPath, const QString &soundsPath);
    // The lists of a first start: rows 1 to 54 "Сообщение N" (in the interface's language) with
    // no file yet; a row names "N.wav" when it first gets a message.
    void fillDefaultLists() { m_messages.fillDefaults(); }
    // Writes both lists back, each on its own; the failures, each naming its file.
    QStringList saveLists(const QString &messagesPath, const QString &soundsPath) const
    {
        return m_messages.save(messagesPath, soundsPath);
    }

    // The grid's cell selection: remembers the row in Panel4 and shows the row's message in the
    // editor, silently. Refused (false) while a recording runs.
    bool SoundSGSelectCell(int ACol, int ARow);
    // Selects a cell of the grid as the user would, so that its row's sound is shown.
    void selectCell(int column, int row);
    // Shows the selected row's message again (after an upload, which closed it).
    void showSelectedMessage();
    QString soundPath(int row) const { return m_messages.soundPath(row); }
    double listSeconds(double perMessage = 0) const { return m_messages.listSeconds(perMessage); }

    void setDebugMode(bool on);
    // The sound output and input by description; empty names the system's default.
    void setSoundDevices(const QString &output, const QString &input);
    // The speech voice for every message; empty chooses by each message's text.
    void setSpeechVoice(const QString &voice) { m_voice = voice; }
    const QString &soundOutput() const { return m_sounds.outputName(); }
    const QString &soundInput() const { return m_sounds.inputName(); }
    // A chosen device the sound server no longer offers is given up for the default, with a
    // note, once nothing runs: on its way out, and for a device remembered from the last run.
    void giveUpMissingDevices();
    // What the status line said of what ran before is no longer said.
    void clearNotes();
    MessageList &messages() { return m_messages; }
    TWaveAdjuster &editor() { return *m_editor; }
    // The message shown, its device and its recorder.
    MessageSound &sound() { return m_sound; }
    LevelMeter &meter() { return *m_meter; }
    SoundUpload &upload() { return *m_upload; }
    QTableView *grid() const { return m_grid; }
    // "Исправлять ошибки": a table entry that differs is read again.
    bool correctErrors() const;
    // Scrolls the grid so that the row is near the middle.
    void scrollToRow(int row);
    // The folder that holds "sound/"; the table dialogs start there.
    const QString &soundHome() const { return m_messages.soundHome(); }
    // Seconds of message memory in use, on the bar (at most full) and as text.
    void showMemoryUsage(int usedSeconds);
    // What the panel last said of its message memory (a read, or the upload after a message);
    // nothing before it said anything.
    std::optional<int> usedSeconds() const { return m_usedSeconds; }
    // The row whose message the editor shows and records into (Panel4).
    int selectedRow() const;

    // The page's first button takes the keys at start, so that no text field catches stray
    // typing (the port's field would save it).
    void focusFirstButton();

    // The page's actions, refused while another activity runs.
    void record();
    void play(bool fromStart);
    void stop();
    void speak();
    // Brings a sound file of any format into the row as its message (see SoundImport).
    void importSound(int row, const QString &source);

signals:
    // The user chose the sound devices in their dialog.
    void soundDevicesChosen();

private:
    void buildDebugGroup();
    void buildMemoryGroup();
    void buildButtonStrip();
    void buildGrid();
    void connectEditorButtons();
    void connectDebugButtons();
    void connectUploadButtons();
    void showUploadRow(int row);
    void lockListDuringSound();
    void updateControls();
    void showListLength();
    static QString listLengthText(int seconds);
    void showSelection();
    // The dialog that chooses the sound output and input and plays the check tone.
    void chooseDevices();
    void editorFinished();
    // Runs an edit of the shown message, unless another activity runs.
    void edit(QString (TWaveAdjuster::*action)());
    // Files dropped from the desktop onto a row of the list or onto the waveform are imported.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void markDropRow(int row);

    // The strip's tools, in the order they stand.
    enum Tool {
        Record,
        PlayFromStart,
        Play,
        Stop,
        Cut,
        Silence,
        Undo,
        Import,
        Speak,
        Trim,
        Normalize,
        Fit,
        Devices,
        ToolCount
    };
    // A debug button that makes the panel play a stored message, and where its answer shows.
    struct DebugPlay
    {
        QPushButton *button = nullptr;
        QLabel *answer = nullptr;
    };

    PanelLink &m_link;
    Activity &m_activity;
    SoundSession &m_sounds;
    MessageList &m_messages;
    MessageSound &m_sound;
    QGroupBox *m_debugGroup = nullptr;
    QCheckBox *m_correctErrors = nullptr;  // xerror
    QPushButton *m_loadTable = nullptr;    // Button6
    QPushButton *m_saveTable = nullptr;    // Button7
    std::array<DebugPlay, 3> m_debugPlays; // p1 from the start, p2 the row's, p3 the next
    QGroupBox *m_memoryGroup = nullptr;    // GroupBox2
    QWidget *m_strip = nullptr;            // Panel5
    std::array<QToolButton *, ToolCount> m_tools{};
    QLabel *m_rowNumber = nullptr;    // Panel4
    QLabel *m_usage = nullptr;        // EepL
    std::optional<int> m_usedSeconds; // shown in m_usage once the panel told it
    QLabel *m_listLength = nullptr;   // TotalL
    StatusLine *m_status = nullptr;   // StatusL: why something cannot be done now
    QLabel *m_selection = nullptr;    // SelectionL: the selection's start and length
    // Why nothing can be played or recorded: asked of the sound server when the devices are
    // chosen, not at every change of the editor's state (a resize redraws it step by step).
    QString m_outputProblem;
    QString m_voice;
    QString m_deviceNote; // a device that went away and was given up for the default
    QString m_heardNote;  // what the output was heard to play of the last message uploaded
    QProgressBar *m_usageBar = nullptr; // EepPB
    QTableView *m_grid = nullptr;
    std::optional<QItemSelection> m_selectionBeforeDrag;
    TWaveAdjuster *m_editor = nullptr; // WA
    LevelMeter *m_meter = nullptr;
    SoundUpload *m_upload = nullptr;
};

} // namespace orvanta
