#include "SoundPage.h"

#include "LevelMeter.h"
#include "SoundDevicesDialog.h"
#include "SoundUpload.h"
#include "ThemeIcon.h"
#include "WaveAdjuster.h"
#include "core/Convert.h"
#include "dialogs/ActivityControls.h"
#include "dialogs/Dialogs.h"
#include "dialogs/LiveText.h"
#include "dialogs/StatusLine.h"
#include "dialogs/WidgetNames.h"
#include "link/PanelLink.h"
#include "panel/MessageTable.h"
#include "voice/SoundServer.h"
#include "voice/Speech.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>
#include <functional>

namespace orvanta {

namespace {

// A small sunken caption beside a debug button, where the panel's answer appears.
QLabel *answerPanel(const char *name)
{
    auto *label = named(new QLabel, name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(60);
    return label;
}

} // namespace

SoundPage::SoundPage(PanelLink &link, SoundSession &sounds, QWidget *parent)
    : QWidget(parent)
    , m_link(link)
    , m_activity(link.activity())
    , m_sounds(sounds)
    , m_messages(sounds.messages())
    , m_sound(sounds.sound())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    // Why sound cannot play, or what the output was heard to play of a message uploaded, on a
    // line of its own under the buttons, so that it never squeezes them; the line is there only
    // while there is something to say.
    m_status = named(new StatusLine, "StatusL");
    m_status->hide();
    buildDebugGroup();
    layout->addWidget(m_debugGroup);
    buildMemoryGroup();
    buildButtonStrip();
    buildGrid();
    m_upload = new SoundUpload(m_link, m_messages, sounds.upload(), this);
    layout->addWidget(m_memoryGroup);
    m_editor = named(new TWaveAdjuster(m_sound), "WA");
    m_editor->setFixedHeight(105);
    m_editor->setAcceptDrops(true);
    m_editor->installEventFilter(this);
    // The meter stands beside the waveform: the page gains no height.
    auto *editorRow = new QHBoxLayout;
    editorRow->setSpacing(2);
    editorRow->addWidget(m_editor, 1);
    m_meter = named(new LevelMeter, "LevelMeter");
    m_meter->setFixedHeight(m_editor->height());
    editorRow->addWidget(m_meter);
    layout->addLayout(editorRow);
    connectEditorButtons();
    connectDebugButtons();
    connectUploadButtons();
    m_meter->watch(m_sound.player());
    m_meter->watch(m_upload->device());
    layout->addWidget(m_strip);
    layout->addWidget(m_status);
    layout->addWidget(m_upload);
    layout->addWidget(m_grid, 1);
    connect(&m_activity, &Activity::changed, this, [this] {
        lockListDuringSound();
        updateControls();
        giveUpMissingDevices();
    });
    connect(&m_sounds, &SoundSession::devicesChanged, this, [this] {
        clearNotes();
        m_outputProblem = m_sound.player().outputProblem();
        updateControls();
    });
    connect(&m_sounds, &SoundSession::devicesGivenUp, this, [this](const QString &note) {
        m_deviceNote = note;
        updateControls();
    });
    // The buttons follow the sound server's presence, with the reason in view; the server's
    // other news (every stream that comes and goes) leaves them as they are.
    connect(&SoundServer::instance(), &SoundServer::changed, this, [this] {
        if (QString problem = m_sound.player().outputProblem(); problem != m_outputProblem) {
            m_outputProblem = std::move(problem);
            updateControls();
        }
    });
    // The texts the page makes itself, again in a new language.
    KeepTranslated(this, [this] {
        m_editor->setAccessibleName(tr("Звук сообщения"));
        m_meter->setAccessibleName(tr("Уровень звука"));
        m_outputProblem = m_sound.player().outputProblem();
        if (m_usedSeconds)
            showMemoryUsage(*m_usedSeconds);
        showListLength();
        m_messages.retranslate();
        updateControls();
    });
}

// The models outlive the page: nothing they say while its children are taken apart reaches it.
SoundPage::~SoundPage()
{
    m_sound.disconnect(this);
    m_sound.player().disconnect(this);
    m_messages.disconnect(this);
}

void SoundPage::buildDebugGroup()
{
    m_debugGroup = named(new QGroupBox(QStringLiteral("Debug"), this), "DebugGB");
    m_debugGroup->setFixedHeight(113);
    auto *grid = new QGridLayout(m_debugGroup);
    auto *correct = m_correctErrors = named(new QCheckBox, "xerror");
    correct->setChecked(true);
    m_rowNumber = named(new QLabel(QStringLiteral("1")), "Panel4");
    m_rowNumber->setFrameShape(QFrame::Panel);
    m_rowNumber->setFrameShadow(QFrame::Sunken);
    m_rowNumber->setAlignment(Qt::AlignCenter);
    m_rowNumber->setMinimumWidth(30);
    auto *fromStart = named(new QPushButton, "p1");
    auto *numbered = named(new QPushButton, "p2");
    auto *next = named(new QPushButton, "p3");
    auto *load = m_loadTable = named(new QPushButton, "Button6");
    auto *save = m_saveTable = named(new QPushButton, "Button7");
    m_debugPlays = {{{fromStart, answerPanel("xaddr3")},
                     {numbered, answerPanel("xaddr")},
                     {next, answerPanel("xaddr2")}}};
    KeepTranslated(m_debugGroup, [=] {
        correct->setText(tr("Исправлять ошибки"));
        fromStart->setText(tr("Проиграть с начала"));
        numbered->setText(tr("Проиграть сообщение с номером"));
        next->setText(tr("Проиграть очередного сообщения"));
        load->setText(tr("Загрузить"));
        save->setText(tr("Сохранить"));
    });
    grid->addWidget(fromStart, 0, 0);
    grid->addWidget(m_debugPlays[0].answer, 0, 2);
    grid->addWidget(numbered, 1, 0);
    grid->addWidget(m_rowNumber, 1, 1);
    grid->addWidget(m_debugPlays[1].answer, 1, 2);
    grid->addWidget(next, 2, 0);
    grid->addWidget(m_debugPlays[2].answer, 2, 2);
    grid->addWidget(correct, 0, 3);
    grid->addWidget(load, 1, 3);
    grid->addWidget(save, 2, 3);
    grid->setColumnStretch(4, 1);
}

void SoundPage::buildMemoryGroup()
{
    auto *group = m_memoryGroup = named(new QGroupBox(this), "GroupBox2");
    KeepTranslated(group, [group] { group->setTitle(tr("Состояние памяти")); });
    auto *row = new QHBoxLayout(group);
    m_usage = named(new QLabel, "EepL");
    auto *bar = m_usageBar = named(new QProgressBar, "EepPB");
    bar->setRange(0, MemorySeconds);
    bar->setValue(0);
    bar->setTextVisible(false);
    m_listLength = named(new QLabel, "TotalL");
    auto *figures = new QWidget;
    auto *lines = new QVBoxLayout(figures);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->addWidget(m_usage);
    lines->addWidget(m_listLength);
    // The figures take the width of their longest possible text, so that the bar beside them
    // stays put as they change.
    KeepTranslated(figures, [this, figures] {
        const QFontMetrics metrics(m_usage->font());
        figures->setFixedWidth(std::max({220, metrics.horizontalAdvance(MemoryUsageText(479)),
                                         metrics.horizontalAdvance(listLengthText(5999))}) +
                               4);
    });
    row->addWidget(figures);
    row->addWidget(bar, 1);
}

void SoundPage::buildButtonStrip()
{
    auto *strip = m_strip = named(new QWidget(this), "Panel5");
    strip->setFixedHeight(47);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 7, 4, 7);
    row->setSpacing(2); // the tools and the selection fit the narrowest window
    // Each hint names the key that does the same while the waveform has the focus.
    const struct
    {
        Tool tool;
        const char *name;
        const char *icon;
        const char *hint;
    } tools[] = {
        {Record, "RecSB", "media-record", QT_TR_NOOP("Начать запись")},
        {PlayFromStart, "PlayFStartSB", "media-skip-backward",
         QT_TR_NOOP("Воспроизвести с начала")},
        {Play, "PlaySB", "media-playback-start", QT_TR_NOOP("Воспроизвести (Пробел)")},
        {Stop, "StopSB", "media-playback-stop",
         QT_TR_NOOP("Остановить воспроизведение/запись (Esc, Пробел)")},
        {Cut, "CutSB", "edit-cut", QT_TR_NOOP("Удалить выделенный фрагмент (Delete, Ctrl+X)")},
        {Silence, "SilenceSB", "audio-volume-muted",
         QT_TR_NOOP("Преобразовать выделенный фрагмент в тишину")},
        {Undo, "UndoSB", "edit-undo", QT_TR_NOOP("Отменить последнее действие (Ctrl+Z)")},
        {Import, "ImportSB", "document-open", QT_TR_NOOP("Загрузить звук из файла…")},
        {Speak, "SpeakSB", "text-speak", QT_TR_NOOP("Озвучить текст сообщения")},
        {Trim, "TrimSB", "orvanta-trim-silence", QT_TR_NOOP("Удалить тишину в начале и в конце")},
        {Normalize, "NormalizeSB", "orvanta-even-loudness", QT_TR_NOOP("Выровнять громкость")},
        {Fit, "FitSB", "zoom-fit-best",
         QT_TR_NOOP("Показать всё сообщение (Ctrl+0; приблизить и отдалить: Ctrl+колесо мыши)")},
        {Devices, "DevicesSB", "audio-card", QT_TR_NOOP("Устройства звука и проверочный тон…")},
    };
    for (const auto &tool : tools) {
        auto *button = m_tools[tool.tool] = named(new QToolButton, tool.name);
        button->setFixedSize(33, 33);
        button->setIconSize(QSize(24, 24));
        button->setIcon(ThemeIcon(QLatin1String(tool.icon)));
        KeepTranslated(button, [button, hint = tool.hint] {
            button->setToolTip(tr(hint));
            // A screen reader speaks the hint's words, without the keys.
            button->setAccessibleName(button->toolTip().section(QStringLiteral(" ("), 0, 0));
        });
        button->setAutoRaise(true);
        row->addWidget(button);
    }
    m_selection = named(new QLabel, "SelectionL");
    KeepTranslated(m_selection,
                   [this] { m_selection->setToolTip(tr("Начало и длина выделенного фрагмента")); });
    row->addSpacing(6);
    row->addWidget(m_selection);
    row->addStretch(1);
}

void SoundPage::buildGrid()
{
    m_grid = named(new QTableView(this), "SoundSG");
    m_grid->setModel(&m_messages);
    KeepTranslated(m_grid, [this] { m_grid->setAccessibleName(tr("Сообщения")); });
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(17);
    m_grid->verticalHeader()->setMinimumSectionSize(17);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    const int widths[Columns] = {279, 163, 155};
    for (int column = 0; column < Columns; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    // The message texts take the width a wider window gives; at least eight rows stay in view
    // however low the window.
    m_grid->horizontalHeader()->setSectionResizeMode(MessageList::TextColumn, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setMinimumSectionSize(60);
    m_grid->setMinimumHeight(m_grid->horizontalHeader()->sizeHint().height() +
                             VisibleRows * m_grid->verticalHeader()->defaultSectionSize() +
                             2 * m_grid->frameWidth());
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->viewport()->setAcceptDrops(true);
    m_grid->viewport()->installEventFilter(this);
    m_grid->installEventFilter(this);
    // A file name typed into the list changes what the messages add up to.
    connect(&m_messages, &MessageList::filesChanged, this, [this] { showListLength(); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                if (!current.isValid() || SoundSGSelectCell(current.column(), current.row() + 1))
                    return;
                const QSignalBlocker block(m_grid->selectionModel());
                m_grid->selectionModel()->setCurrentIndex(previous,
                                                          QItemSelectionModel::ClearAndSelect);
            });
}

void SoundPage::loadLists(const QString &messagesPath, const QString &soundsPath)
{
    m_messages.load(messagesPath, soundsPath);
}

int SoundPage::selectedRow() const
{
    return StrToInt(m_rowNumber->text());
}

bool SoundPage::SoundSGSelectCell(int ACol, int ARow)
{
    Q_UNUSED(ACol);
    // The shown message is the one being recorded or sent until that ends.
    if (m_editor->Recording() || m_activity.current() == Activity::Kind::Uploading)
        return false;
    m_rowNumber->setText(QString::number(ARow));
    clearNotes(); // said of what ran before
    showSelectedMessage();
    return true;
}

// A row without a readable file shows the grid alone, without a message; errors are shown again
// once a row has loaded.
void SoundPage::showSelectedMessage()
{
    m_editor->showRow(selectedRow());
}

void SoundPage::selectCell(int column, int row)
{
    const QModelIndex index = m_messages.index(row - 1, column);
    if (m_grid->currentIndex() == index)
        SoundSGSelectCell(column, row);
    else
        m_grid->setCurrentIndex(index);
}

bool SoundPage::correctErrors() const
{
    return m_correctErrors->isChecked();
}

void SoundPage::scrollToRow(int row)
{
    const int visible =
        std::max(1, m_grid->viewport()->height() / m_grid->verticalHeader()->defaultSectionSize());
    const int top = std::max(1, std::min(row - visible / 2, Rows - visible));
    m_grid->verticalScrollBar()->setValue(top - 1);
}

void SoundPage::connectUploadButtons()
{
    m_upload->setCorrectErrors([this] { return correctErrors(); });
    connect(m_upload, &SoundUpload::rowStarted, this, [this](int row) { showUploadRow(row); });
    connect(m_upload, &SoundUpload::messageHeard, this, [this](const QString &text) {
        m_heardNote = text;
        updateControls();
    });
    connect(m_upload, &SoundUpload::started, this, [this] {
        m_heardNote.clear();
        updateControls();
    });
    connect(m_upload, &SoundUpload::usedSecondsChanged, this,
            [this](int seconds) { showMemoryUsage(seconds); });
    // After an upload the selected row is marked and shown again.
    connect(m_upload, &SoundUpload::finished, this, [this] {
        m_grid->selectionModel()->select(m_grid->currentIndex(),
                                         QItemSelectionModel::ClearAndSelect);
        showSelectedMessage();
    });
    BindToActivity(m_loadTable, m_activity, Activity::Kind::Exchange,
                   [this] { m_upload->Button6Click(); });
    BindToActivity(m_saveTable, m_activity, Activity::Kind::Exchange,
                   [this] { m_upload->Button7Click(); });
}

// The message being sent is the one shown, its row selected and in view; the current cell stays
// where the user left it, so that no editor opens or closes on another row.
void SoundPage::showUploadRow(int row)
{
    const QModelIndex index = m_messages.index(row - 1, MessageList::TextColumn);
    m_grid->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
    scrollToRow(row);
    m_editor->showRow(row);
}

// While a recording or an upload runs, the list stays as they took it: what they write goes to
// the rows they began with, and no typing lands in another row.
void SoundPage::lockListDuringSound()
{
    const Activity::Kind now = m_activity.current();
    const bool lock = now == Activity::Kind::Recording || now == Activity::Kind::Uploading;
    if (lock == m_messages.locked())
        return;
    if (lock) {
        // A cell being typed into keeps what was typed so far.
        if (QWidget *editor = m_grid->indexWidget(m_grid->currentIndex())) {
            QMetaObject::invokeMethod(m_grid, "commitData", Q_ARG(QWidget *, editor));
            QMetaObject::invokeMethod(
                m_grid, "closeEditor", Q_ARG(QWidget *, editor),
                Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
        }
    }
    m_messages.setLocked(lock);
    m_grid->horizontalHeader()->setSectionsClickable(!lock);
}

void SoundPage::setSoundDevices(const QString &output, const QString &input)
{
    m_sounds.setDeviceNames(output, input);
}

void SoundPage::connectEditorButtons()
{
    const std::pair<Tool, std::function<void()>> actions[] = {
        {Record,
         [this] {
             record();
         }},
        {PlayFromStart,
         [this] {
             play(true);
         }},
        {Play,
         [this] {
             play(false);
         }},
        {Stop,
         [this] {
             stop();
         }},
        {Speak,
         [this] {
             speak();
         }},
    };
    for (const auto &entry : actions)
        connect(m_tools[entry.first], &QToolButton::clicked, this, entry.second);
    const std::pair<Tool, QString (TWaveAdjuster::*)()> edits[] = {
        {Cut, &TWaveAdjuster::CutSelection},
        {Silence, &TWaveAdjuster::SilenceSelection},
        {Trim, &TWaveAdjuster::trimSilence},
        {Normalize, &TWaveAdjuster::evenLoudness},
    };
    for (const auto &entry : edits)
        connect(m_tools[entry.first], &QToolButton::clicked, this,
                [this, action = entry.second] { edit(action); });
    connect(m_tools[Undo], &QToolButton::clicked, this, [this] { edit(&TWaveAdjuster::Undo); });
    connect(m_tools[Fit], &QToolButton::clicked, m_editor, &TWaveAdjuster::fitWhole);
    connect(m_tools[Devices], &QToolButton::clicked, this,
            Dialogs::Guarded([this] { chooseDevices(); }));
    // The waveform's keys run the same actions as the buttons, under the same rules.
    m_editor->StopIcon = ThemeIcon(QStringLiteral("media-playback-stop"));
    connect(m_editor, &TWaveAdjuster::playRequested, this, [this] { play(false); });
    connect(m_editor, &TWaveAdjuster::stopRequested, this, [this] { stop(); });
    connect(m_editor, &TWaveAdjuster::cutRequested, this,
            [this] { edit(&TWaveAdjuster::CutSelection); });
    connect(m_editor, &TWaveAdjuster::undoRequested, this, [this] { edit(&TWaveAdjuster::Undo); });
    connect(m_editor, &TWaveAdjuster::selectionChanged, this, [this] { showSelection(); });
    connect(m_tools[Import], &QToolButton::clicked, this, Dialogs::Guarded([this] {
                const QString source = Dialogs::GetOpenFileName(
                    QDir::homePath(),
                    tr("Звуковые файлы (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif "
                       "*.aiff *.au);;Все файлы (*)"),
                    window());
                if (!source.isEmpty())
                    importSound(selectedRow(), source);
            }));
    m_activity.setPlayingStopper([this] { m_editor->StopSound(); });
    connect(m_editor, &TWaveAdjuster::stateChanged, this, [this] { updateControls(); });
    connect(m_editor, &TWaveAdjuster::soundWritten, this, [this] { showListLength(); });
    connect(&m_sound.player(), &WaveDevice::playEnded, this, [this](const QString &error) {
        m_activity.end(Activity::Kind::Playing);
        // A sound cut short by the server or by a device that went away says so.
        if (!error.isEmpty()) {
            m_deviceNote = error;
            updateControls();
        }
    });
    connect(m_editor, &TWaveAdjuster::recordingFinished, this, [this](const QString &error) {
        // A take that was not kept says why under the buttons too: the editor's boxes may be off
        // after a row without a message was selected.
        if (!error.isEmpty())
            m_deviceNote = error;
        updateControls();
        m_activity.end(Activity::Kind::Recording);
    });
}

void SoundPage::edit(QString (TWaveAdjuster::*action)())
{
    const ActivityScope editing(m_activity, Activity::Kind::Editing);
    if (!editing)
        return;
    (m_editor->*action)();
    updateControls();
}

void SoundPage::importSound(int row, const QString &source)
{
    const ActivityScope editing(m_activity, Activity::Kind::Editing);
    if (!editing || row < 1 || row > Rows - 1)
        return;
    const SoundResult imported = m_sound.importInto(row, source);
    if (!imported.done()) {
        Dialogs::ShowFailure(*imported.failure, window());
        return;
    }
    selectCell(MessageList::FileColumn, row);
    showSelectedMessage();
    updateControls();
    if (!imported.note.isEmpty())
        Dialogs::ShowInformation(imported.note, window());
}

bool SoundPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        // Delete empties the selected file cells, however many: the rows then name no message.
        if (!m_activity.canBegin(Activity::Kind::Editing))
            return true;
        for (const QModelIndex &index : m_grid->selectionModel()->selectedIndexes())
            if (index.column() == MessageList::FileColumn)
                m_messages.setCell(MessageList::FileColumn, index.row() + 1, QString());
        showSelectedMessage();
        return true;
    }
    const bool onList = watched == m_grid->viewport();
    if (!onList && watched != m_editor)
        return QWidget::eventFilter(watched, event);
    const auto localFile = [](const QMimeData *mime) {
        const QList<QUrl> urls = mime ? mime->urls() : QList<QUrl>();
        return urls.size() == 1 && urls[0].isLocalFile() ? urls[0].toLocalFile() : QString();
    };
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (!localFile(drag->mimeData()).isEmpty() && m_activity.canBegin(Activity::Kind::Editing))
            drag->acceptProposedAction();
        else
            drag->ignore();
        if (onList)
            markDropRow(drag->isAccepted() ? m_grid->indexAt(drag->position().toPoint()).row()
                                           : -1);
        return true;
    }
    case QEvent::DragLeave:
        if (onList)
            markDropRow(-1);
        return QWidget::eventFilter(watched, event);
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString file = localFile(drop->mimeData());
        const int row =
            onList ? m_grid->indexAt(drop->position().toPoint()).row() + 1 : selectedRow();
        if (onList)
            markDropRow(-1);
        if (file.isEmpty() || row < 1)
            return true;
        drop->acceptProposedAction();
        // The drop ends before the import, so that the file manager is not kept waiting.
        QTimer::singleShot(0, this,
                           Dialogs::Guarded([this, row, file] { importSound(row, file); }));
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

// The row a held file would go into is selected while it is held there; the user's selection
// comes back when the file leaves or is dropped.
void SoundPage::markDropRow(int row)
{
    QItemSelectionModel *selection = m_grid->selectionModel();
    if (row < 0) {
        if (m_selectionBeforeDrag)
            selection->select(*std::exchange(m_selectionBeforeDrag, std::nullopt),
                              QItemSelectionModel::ClearAndSelect);
        return;
    }
    if (!m_selectionBeforeDrag)
        m_selectionBeforeDrag = selection->selection();
    selection->select(m_messages.index(row, 0),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void SoundPage::play(bool fromStart)
{
    if (!m_editor->canPlay() || !m_activity.begin(Activity::Kind::Playing))
        return;
    clearNotes();
    if (fromStart)
        m_editor->PlayFromStart();
    else
        m_editor->PlaySelection();
    if (!m_sound.player().isPlaying())
        m_activity.end(Activity::Kind::Playing);
}

void SoundPage::stop()
{
    if (m_activity.current() == Activity::Kind::Playing ||
        m_activity.current() == Activity::Kind::Recording)
        m_editor->StopSound();
}

// A recording needs no panel; it goes into the row's message (see MessageSound).
void SoundPage::record()
{
    if (!m_activity.begin(Activity::Kind::Recording))
        return;
    clearNotes();
    if (!m_editor->RecordSound(MaxRecordingSeconds).isEmpty()) {
        m_activity.end(Activity::Kind::Recording);
        return;
    }
    // A closing window ends the recording and keeps it.
    m_activity.setEnder([this] { m_editor->StopSound(); });
}

void SoundPage::speak()
{
    const ActivityScope speaking(m_activity, Activity::Kind::Speaking);
    if (!speaking)
        return;
    const int row = selectedRow();
    const QString text = cell(MessageList::TextColumn, row).trimmed();
    if (text.isEmpty()) {
        Dialogs::ShowInformation(
            tr("В строке %1 нет текста сообщения: озвучивать нечего.").arg(row), window());
        return;
    }
    m_editor->speakMessage(text, m_voice.isEmpty() ? VoiceForText(text) : m_voice);
    updateControls();
}

// A control is enabled only when it can act now: a click never silently does nothing, and
// nothing starts while another activity runs.
void SoundPage::updateControls()
{
    const TWaveAdjuster &editor = *m_editor;
    const Activity::Kind now = m_activity.current();
    const bool free = m_activity.canBegin(Activity::Kind::Editing);
    const bool sound = editor.sampleCount() > 0 && free;
    // Recording, like playing, goes through the sound output's device.
    const std::pair<Tool, bool> states[] = {
        {Record, free && m_outputProblem.isEmpty()},
        {PlayFromStart, free && editor.canPlay() && m_outputProblem.isEmpty()},
        {Play, free && editor.canPlay() && m_outputProblem.isEmpty()},
        {Stop, now == Activity::Kind::Playing || now == Activity::Kind::Recording},
        {Cut, sound},
        {Silence, sound},
        {Undo, free && editor.canUndo()},
        {Import, free},
        {Speak, free},
        {Trim, sound},
        {Normalize, sound},
        {Fit, editor.sampleCount() > 0 && !editor.Recording()},
        {Devices, now == Activity::Kind::None},
    };
    for (const auto &[tool, enabled] : states)
        m_tools[tool]->setEnabled(enabled);
    m_upload->startButton().setEnabled(m_activity.canBegin(Activity::Kind::Uploading));
    m_upload->stopButton().setEnabled(now == Activity::Kind::Uploading);
    const QString problem = m_outputProblem.isEmpty() ? editor.playbackProblem() : m_outputProblem;
    const QString warning = problem.isEmpty() ? m_deviceNote : problem;
    // What stands in the way is said in red; what was heard, in the page's own colour.
    QPalette colours = palette();
    if (!warning.isEmpty())
        colours.setColor(QPalette::WindowText, QColor(0xaa, 0, 0));
    m_status->setPalette(colours);
    m_status->say(warning.isEmpty() ? m_heardNote : warning);
    showSelection();
}

void SoundPage::showSelection()
{
    const TWaveAdjuster &editor = *m_editor;
    if (editor.sampleCount() == 0 || editor.Recording()) {
        m_selection->clear();
        return;
    }
    const auto seconds = [](double value) {
        return QLocale().toString(value, 'f', 3) + tr(" с");
    };
    m_selection->setText(
        tr("Начало %1\nДлина %2")
            .arg(seconds(editor.selectionStartSeconds()), seconds(editor.selectionSeconds())));
}

void SoundPage::chooseDevices()
{
    if (m_activity.current() != Activity::Kind::None)
        return;
    SoundDevicesDialog dialog(m_sounds.outputName(), m_sounds.inputName(), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    setSoundDevices(dialog.output(), dialog.input());
    emit soundDevicesChosen();
}

void SoundPage::clearNotes()
{
    m_deviceNote.clear();
    m_heardNote.clear();
}

// What ran on a device that went away has ended with its own error.
void SoundPage::giveUpMissingDevices()
{
    m_sounds.giveUpMissingDevices();
}

// The messages of the list against the panel's eight minutes, counted as the upload will take
// them, so that the installer sees before an upload whether they fit.
void SoundPage::showListLength()
{
    const int whole = int(std::lround(listSeconds(SoundUpload::SecondsAroundMessage)));
    m_listLength->setText(listLengthText(whole));
    m_listLength->setStyleSheet(whole > MemorySeconds ? QStringLiteral("color: red;") : QString());
}

QString SoundPage::listLengthText(int seconds)
{
    return tr("Сообщения в списке: %1 мин. %2 сек. из %3 мин.")
        .arg(seconds / 60)
        .arg(seconds % 60)
        .arg(MemorySeconds / 60);
}

void SoundPage::connectDebugButtons()
{
    // Each makes the panel play a stored message and shows the address it answers with; the
    // row's needs a row.
    const std::function<std::optional<QString>()> plays[] = {
        [this]() -> std::optional<QString> { return MessageTable::PlayFirst(m_link); },
        [this]() -> std::optional<QString> {
            if (m_rowNumber->text().isEmpty())
                return std::nullopt;
            return MessageTable::PlayMessage(m_link, selectedRow());
        },
        [this]() -> std::optional<QString> { return MessageTable::PlayNext(m_link); },
    };
    for (size_t i = 0; i < m_debugPlays.size(); ++i) {
        QLabel *answer = m_debugPlays[i].answer;
        BindToActivity(m_debugPlays[i].button, m_activity, Activity::Kind::Exchange,
                       [answer, play = plays[i]] {
                           if (const std::optional<QString> text = play())
                               answer->setText(*text);
                       });
    }
}

void SoundPage::showMemoryUsage(int usedSeconds)
{
    m_usedSeconds = usedSeconds;
    m_usageBar->setValue(std::min(usedSeconds, m_usageBar->maximum()));
    m_usage->setText(MemoryUsageText(usedSeconds));
}

void SoundPage::focusFirstButton()
{
    // The strip's buttons in their order; one that cannot act now cannot take the keys either.
    for (QToolButton *button : m_tools) {
        if (button->isEnabled()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    m_grid->setFocus(Qt::OtherFocusReason);
}

void SoundPage::setDebugMode(bool on)
{
    m_debugGroup->setVisible(on);
    m_upload->setDebugEnabled(on);
}

} // namespace orvanta
