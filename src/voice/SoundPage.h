#pragma once

#include "SoundList.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace orvanta {

class PanelLink;
class SoundUpload;
class TWaveAdjuster;

// The page "Запись звука": memory state, the waveform editor's place, the editing and upload
// buttons, the upload progress and the message grid SoundSG. Grid row 0 is the title row (shown
// as the column headers); rows 1 to 54 are the panel's message slots.
class SoundPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Columns = 3;
    static constexpr int Rows = SoundListColumn::Rows;

    static constexpr int MaxRecordingSeconds = 30;

    // soundHome: the folder that holds "sound/", the messages' wave files.
    SoundPage(PanelLink &link, QString soundHome, QWidget *parent = nullptr);

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString &text);

    // Column 0 from the messages list, column 1 from the sounds list, "Адрес" over column 2.
    // Throws EInOutError when a list cannot be read.
    void LoadLists(const QString &messagesPath, const QString &soundsPath);
    // The lists of a first start: rows 1 to 54 "Сообщение N" with the file "N.wav", titled
    // "Сообщение" and "Файл"; written as new UTF-8 files at exit.
    void FillDefaultLists();
    // Writes both lists back, each on its own: one that cannot be written leaves the other
    // written. Returns the messages of the failures, each naming its file and the reason.
    QStringList SaveLists(const QString &messagesPath, const QString &soundsPath) const;

    // The grid's cell selection: remembers the row in Panel4 and loads the row's wave file into
    // the editor, silently. Refused (false) while a recording runs.
    bool SoundSGSelectCell(int ACol, int ARow);
    // Selects a cell of the grid as the user would, so that its row's sound is shown.
    void SelectCell(int column, int row);
    // The wave file of a grid row: "sound/" beside the executable, or an absolute path as is.
    QString SoundPath(int row) const;
    // The row's message file, or empty where the row names none (the lists keep an empty line
    // as a single blank: such a row has no message either).
    QString MessageFile(int row) const;
    // What the list's messages last, from their files' headers, each with perMessage seconds
    // more.
    double ListSeconds(double perMessage = 0) const;

    void SetDebugMode(bool on);
    TWaveAdjuster &Editor() { return *m_editor; }
    SoundUpload &Upload() { return *m_upload; }
    QTableWidget *Grid() const { return m_grid; }
    QProgressBar *Progress() const { return m_progress; } // p, the upload's progress
    // "Исправлять ошибки": a table entry that differs is read again.
    bool CorrectErrors() const;
    // Scrolls the grid so that the row is near the middle.
    void ScrollToRow(int row);
    // The folder that holds "sound/"; the table dialogs start there.
    const QString &SoundHome() const { return m_soundHome; }
    // Seconds of message memory in use, on the bar (at most full) and as text.
    void ShowMemoryUsage(int usedSeconds);

signals:
    // A row was selected whose wave file the editor should show.
    void soundSelected(const QString &path);

private:
    void buildDebugGroup();
    void buildMemoryGroup();
    void buildButtonStrip();
    void buildProgressGroup();
    void buildGrid();
    void connectEditorButtons();
    void connectDebugButtons();
    void connectUploadButtons();
    void updateEditorButtons();
    void showListLength();
    // Records the message of the row that Panel4 shows, into its file.
    void mRecClick();
    // Speaks the text of the row that Panel4 shows into its file.
    void SpeakRow();
    // "sound/", made when a message is first written into it.
    void makeSoundFolder() const;

    PanelLink &m_link;
    QString m_soundHome;
    SoundListColumn m_lists[2]; // remembers each list's encoding for writing back
    bool m_loaded[2] = {false, false};
    QGroupBox *m_debugGroup = nullptr;
    QLabel *m_rowNumber = nullptr;      // Panel4
    QLabel *m_usage = nullptr;          // EepL
    QLabel *m_listLength = nullptr;     // TotalL
    QProgressBar *m_usageBar = nullptr; // EepPB
    QTableWidget *m_grid = nullptr;
    TWaveAdjuster *m_editor = nullptr;  // WA
    QProgressBar *m_progress = nullptr; // p
    SoundUpload *m_upload = nullptr;
};

} // namespace orvanta
