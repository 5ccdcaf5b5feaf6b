#include "SoundPage.h"

#include "Convert.h"
#include "Dialogs.h"
#include "Errors.h"
#include "MessageTable.h"
#include "MessageTools.h"
#include "PanelLink.h"
#include "PanelMemory.h"
#include "SoundUpload.h"
#include "Speech.h"
#include "WaveAdjuster.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <functional>
#include <optional>

namespace orvanta {

namespace {

template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

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

SoundPage::SoundPage(PanelLink &link, QString soundHome, QWidget *parent)
    : QWidget(parent)
    , m_link(link)
    , m_soundHome(std::move(soundHome))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    buildDebugGroup();
    layout->addWidget(m_debugGroup);
    buildMemoryGroup();
    buildButtonStrip();
    buildProgressGroup();
    buildGrid();
    layout->addWidget(findChild<QGroupBox *>(QStringLiteral("GroupBox2")));
    m_editor = named(new TWaveAdjuster, "WA");
    m_editor->setFixedHeight(105);
    layout->addWidget(m_editor);
    connectEditorButtons();
    connectDebugButtons();
    connectUploadButtons();
    layout->addWidget(findChild<QWidget *>(QStringLiteral("Panel5")));
    layout->addWidget(findChild<QGroupBox *>(QStringLiteral("GroupBox1")));
    layout->addWidget(m_grid, 1);
}

void SoundPage::buildDebugGroup()
{
    m_debugGroup = named(new QGroupBox(QStringLiteral("Debug"), this), "DebugGB");
    m_debugGroup->setFixedHeight(113);
    auto *grid = new QGridLayout(m_debugGroup);
    auto *correct = named(new QCheckBox(QStringLiteral("Исправлять ошибки")), "xerror");
    correct->setChecked(true);
    m_rowNumber = named(new QLabel(QStringLiteral("1")), "Panel4");
    m_rowNumber->setFrameShape(QFrame::Panel);
    m_rowNumber->setFrameShadow(QFrame::Sunken);
    m_rowNumber->setAlignment(Qt::AlignCenter);
    m_rowNumber->setMinimumWidth(30);
    grid->addWidget(named(new QPushButton(QStringLiteral("Проиграть с начала")), "p1"), 0, 0);
    grid->addWidget(answerPanel("xaddr3"), 0, 2);
    grid->addWidget(named(new QPushButton(QStringLiteral("Проиграть сообщение с номером")), "p2"),
                    1, 0);
    grid->addWidget(m_rowNumber, 1, 1);
    grid->addWidget(answerPanel("xaddr"), 1, 2);
    grid->addWidget(named(new QPushButton(QStringLiteral("Проиграть очередного сообщения")), "p3"),
                    2, 0);
    grid->addWidget(answerPanel("xaddr2"), 2, 2);
    grid->addWidget(correct, 0, 3);
    grid->addWidget(named(new QPushButton(QStringLiteral("Загрузить")), "Button6"), 1, 3);
    grid->addWidget(named(new QPushButton(QStringLiteral("Сохранить")), "Button7"), 2, 3);
    grid->setColumnStretch(4, 1);
}

void SoundPage::buildMemoryGroup()
{
    auto *group = named(new QGroupBox(QStringLiteral("Состояние памяти"), this), "GroupBox2");
    auto *row = new QHBoxLayout(group);
    m_usage = named(new QLabel, "EepL");
    m_usage->setMinimumWidth(220);
    auto *bar = m_usageBar = named(new QProgressBar, "EepPB");
    bar->setRange(0, MemorySeconds);
    bar->setValue(0);
    bar->setTextVisible(false);
    m_listLength = named(new QLabel, "TotalL");
    auto *figures = new QVBoxLayout;
    figures->addWidget(m_usage);
    figures->addWidget(m_listLength);
    row->addLayout(figures);
    row->addWidget(bar, 1);
}

void SoundPage::buildButtonStrip()
{
    auto *strip = named(new QWidget(this), "Panel5");
    strip->setFixedHeight(47);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 7, 4, 7);
    const struct
    {
        const char *name;
        QStyle::StandardPixmap icon;
        const char *hint;
    } tools[] = {
        {"RecSB", QStyle::SP_DialogYesButton, "Начать запись"},
        {"PlayFStartSB", QStyle::SP_MediaSkipBackward, "Воспроизвести с начала"},
        {"PlaySB", QStyle::SP_MediaPlay, "Воспроизвести"},
        {"StopSB", QStyle::SP_MediaStop, "Остановить воспроизведение/запись"},
        {"CutSB", QStyle::SP_DialogDiscardButton, "Удалить выделенный фрагмент"},
        {"SilenceSB", QStyle::SP_MediaVolumeMuted, "Преобразовать выделенный фрагмент в тишину"},
        {"UndoSB", QStyle::SP_ArrowBack, "Отменить последнее действие"},
        {"SpeakSB", QStyle::SP_MessageBoxInformation, "Озвучить текст сообщения"},
        {"TrimSB", QStyle::SP_ToolBarHorizontalExtensionButton,
         "Удалить тишину в начале и в конце"},
        {"NormalizeSB", QStyle::SP_MediaVolume, "Выровнять громкость"},
    };
    for (const auto &tool : tools) {
        auto *button = named(new QToolButton, tool.name);
        button->setFixedSize(33, 33);
        button->setIcon(style()->standardIcon(tool.icon));
        button->setToolTip(QString::fromUtf8(tool.hint));
        button->setAutoRaise(true);
        row->addWidget(button);
    }
    row->addStretch(1);
    row->addWidget(named(new QPushButton(QStringLiteral("Записать звук в устройство")), "Button4"));
    row->addWidget(named(new QPushButton(QStringLiteral("Остановить")), "Button5"));
}

void SoundPage::buildProgressGroup()
{
    auto *group = named(new QGroupBox(QStringLiteral("Процесс записи"), this), "GroupBox1");
    auto *row = new QHBoxLayout(group);
    auto *progress = m_progress = named(new QProgressBar, "p");
    progress->setRange(0, 54);
    progress->setValue(0);
    row->addWidget(progress);
}

void SoundPage::buildGrid()
{
    m_grid = named(new QTableWidget(Rows - 1, Columns, this), "SoundSG");
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(17);
    m_grid->verticalHeader()->setMinimumSectionSize(17);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    const int widths[Columns] = {279, 163, 155};
    for (int column = 0; column < Columns; ++column) {
        m_grid->setHorizontalHeaderItem(column, new QTableWidgetItem);
        m_grid->setColumnWidth(column, widths[column]);
        for (int row = 1; row < Rows; ++row)
            m_grid->setItem(row - 1, column, new QTableWidgetItem);
    }
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // A file name typed into the list changes what the messages add up to.
    connect(m_grid, &QTableWidget::itemChanged, this, [this](const QTableWidgetItem *item) {
        if (item->column() == 1)
            showListLength();
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int previousRow, int previousColumn) {
                if (row < 0 || SoundSGSelectCell(column, row + 1))
                    return;
                const QSignalBlocker block(m_grid);
                m_grid->setCurrentCell(previousRow, previousColumn);
            });
}

QString SoundPage::Cell(int column, int row) const
{
    const QTableWidgetItem *item =
        row == 0 ? m_grid->horizontalHeaderItem(column) : m_grid->item(row - 1, column);
    return item ? item->text() : QString();
}

void SoundPage::SetCell(int column, int row, const QString &text)
{
    QTableWidgetItem *item =
        row == 0 ? m_grid->horizontalHeaderItem(column) : m_grid->item(row - 1, column);
    if (item)
        item->setText(text);
}

void SoundPage::LoadLists(const QString &messagesPath, const QString &soundsPath)
{
    const QSignalBlocker filling(m_grid); // one total at the end, not one per cell
    const QString paths[2] = {messagesPath, soundsPath};
    for (int column = 0; column < 2; ++column) {
        m_lists[column] = ReadSoundList(paths[column]);
        m_loaded[column] = true;
        for (int row = 0; row < Rows; ++row)
            SetCell(column, row, m_lists[column].cells[row]);
    }
    SetCell(2, 0, QStringLiteral("Адрес"));
    showListLength();
}

void SoundPage::FillDefaultLists()
{
    const QSignalBlocker filling(m_grid);
    for (int column = 0; column < 2; ++column) {
        m_lists[column] = SoundListColumn{};
        m_loaded[column] = true;
    }
    SetCell(0, 0, QStringLiteral("Сообщение"));
    SetCell(1, 0, QStringLiteral("Файл"));
    for (int row = 1; row < Rows; ++row) {
        SetCell(0, row, QStringLiteral("Сообщение %1").arg(row));
        SetCell(1, row, QStringLiteral("%1.wav").arg(row));
    }
    SetCell(2, 0, QStringLiteral("Адрес"));
    showListLength();
}

QStringList SoundPage::SaveLists(const QString &messagesPath, const QString &soundsPath) const
{
    QStringList failures;
    const QString paths[2] = {messagesPath, soundsPath};
    for (int column = 0; column < 2; ++column) {
        // A list that exists but could not be read is left alone, never replaced by empty rows.
        if (!m_loaded[column] && QFileInfo::exists(paths[column]))
            continue;
        SoundListColumn list = m_lists[column];
        for (int row = 0; row < Rows; ++row)
            list.cells[row] = Cell(column, row);
        try {
            WriteSoundList(paths[column], list);
        } catch (const EInOutError &error) {
            failures += ErrorText(error);
        }
    }
    return failures;
}

QString SoundPage::SoundPath(int row) const
{
    const QString name = Cell(1, row);
    if (QDir::isAbsolutePath(name))
        return name;
    return QDir(m_soundHome).filePath(QStringLiteral("sound/") + name);
}

QString SoundPage::MessageFile(int row) const
{
    return Cell(1, row).trimmed().isEmpty() ? QString() : SoundPath(row);
}

double SoundPage::ListSeconds(double perMessage) const
{
    double seconds = 0;
    for (int row = 1; row < Rows; ++row)
        if (const QString file = MessageFile(row); !file.isEmpty())
            seconds += WaveSeconds(file) + perMessage;
    return seconds;
}

bool SoundPage::SoundSGSelectCell(int ACol, int ARow)
{
    Q_UNUSED(ACol);
    if (m_editor->Recording)
        return false;
    m_rowNumber->setText(QString::number(ARow));
    const QString path = SoundPath(ARow);
    emit soundSelected(path);
    // A row without a readable file shows the grid alone, without a message; errors are shown
    // again once a row has loaded without one.
    try {
        m_editor->ShowErrors = false;
        m_editor->LoadSound(path);
        m_editor->ShowErrors = true;
    } catch (const std::exception &) {
    }
    return true;
}

void SoundPage::connectUploadButtons()
{
    m_upload = new SoundUpload(m_link, *this, this);
    const std::pair<const char *, void (SoundUpload::*)()> actions[] = {
        {"Button4", &SoundUpload::Button4Click},
        {"Button5", &SoundUpload::Button5Click},
        {"Button6", &SoundUpload::Button6Click},
        {"Button7", &SoundUpload::Button7Click},
    };
    SoundUpload *upload = m_upload;
    for (const auto &entry : actions) {
        const auto method = entry.second;
        connect(findChild<QPushButton *>(QLatin1String(entry.first)), &QPushButton::clicked, this,
                Dialogs::Guarded([upload, method] { (upload->*method)(); }));
    }
}

bool SoundPage::CorrectErrors() const
{
    return findChild<QCheckBox *>(QStringLiteral("xerror"))->isChecked();
}

void SoundPage::ScrollToRow(int row)
{
    const int visible =
        std::max(1, m_grid->viewport()->height() / m_grid->verticalHeader()->defaultSectionSize());
    const int top = std::max(1, std::min(row - visible / 2, Rows - visible));
    m_grid->verticalScrollBar()->setValue(top - 1);
}

void SoundPage::SelectCell(int column, int row)
{
    if (m_grid->currentRow() == row - 1 && m_grid->currentColumn() == column)
        SoundSGSelectCell(column, row);
    else
        m_grid->setCurrentCell(row - 1, column);
}

void SoundPage::connectEditorButtons()
{
    TWaveAdjuster *editor = m_editor;
    const std::pair<const char *, std::function<void()>> actions[] = {
        {"RecSB",
         [this] {
             mRecClick();
         }},
        {"PlayFStartSB",
         [editor] {
             editor->PlayFromStart();
         }},
        {"PlaySB",
         [editor] {
             editor->PlaySelection();
         }},
        {"StopSB",
         [editor] {
             editor->StopSound();
         }},
        {"CutSB",
         [editor] {
             editor->SaveUndo();
             editor->CutSelection();
         }},
        {"SilenceSB",
         [editor] {
             editor->SaveUndo();
             editor->SilenceSelection();
         }},
        {"UndoSB",
         [editor] {
             editor->Undo();
         }},
        {"SpeakSB",
         [this] {
             SpeakRow();
         }},
        {"TrimSB",
         [editor] {
             editor->SaveUndo();
             editor->TrimSilence();
         }},
        {"NormalizeSB",
         [editor] {
             editor->SaveUndo();
             editor->EvenLoudness();
         }},
    };
    for (const auto &entry : actions) {
        auto *button = findChild<QToolButton *>(QLatin1String(entry.first));
        connect(button, &QToolButton::clicked, this, [action = entry.second] {
            // The editor's buttons swallow whatever reaches them: an action stops where it failed.
            try {
                action();
            } catch (const std::exception &) {
            }
        });
    }
    connect(m_editor, &TWaveAdjuster::stateChanged, this, [this] { updateEditorButtons(); });
    connect(m_editor, &TWaveAdjuster::soundWritten, this, [this] { showListLength(); });
    updateEditorButtons();
}

void SoundPage::SpeakRow()
{
    const int row = StrToInt(m_rowNumber->text());
    const QString text = Cell(0, row).trimmed();
    if (text.isEmpty()) {
        Dialogs::ShowInformation(
            QStringLiteral("В строке %1 нет текста сообщения: озвучивать нечего.").arg(row),
            window());
        return;
    }
    makeSoundFolder();
    m_editor->SaveUndo();
    try {
        m_editor->SpeakMessage(text, SoundPath(row));
    } catch (const ESpeechError &error) {
        Dialogs::ShowError(ErrorText(error), window());
    }
}

void SoundPage::makeSoundFolder() const
{
    QDir().mkpath(QDir(m_soundHome).filePath(QStringLiteral("sound")));
}

void SoundPage::mRecClick()
{
    makeSoundFolder();
    m_editor->SaveUndo();
    m_editor->RecordSound(SoundPath(StrToInt(m_rowNumber->text())), MaxRecordingSeconds);
}

// A button is enabled only when it can act, so that a click never silently does nothing.
void SoundPage::updateEditorButtons()
{
    const TWaveAdjuster &editor = *m_editor;
    const bool busy = editor.Recording;
    const bool sound = editor.SampleCount() > 0 && !busy;
    const std::pair<const char *, bool> states[] = {
        {"RecSB", !busy},
        {"PlayFStartSB", sound},
        {"PlaySB", sound},
        {"StopSB", busy || editor.Player.IsPlaying()},
        {"CutSB", sound},
        {"SilenceSB", sound},
        {"UndoSB", editor.SoundLoaded() && !editor.UndoSamples.empty() && !busy},
        {"SpeakSB", !busy},
        {"TrimSB", sound},
        {"NormalizeSB", sound},
    };
    for (const auto &[name, enabled] : states)
        findChild<QToolButton *>(QLatin1String(name))->setEnabled(enabled);
}

// The messages of the list against the panel's eight minutes, so that the installer sees before
// an upload whether they fit.
void SoundPage::showListLength()
{
    const int whole = int(std::lround(ListSeconds()));
    m_listLength->setText(QStringLiteral("Сообщения в списке: %1 мин. %2 сек. из 8 мин.")
                              .arg(whole / 60)
                              .arg(whole % 60));
    m_listLength->setStyleSheet(whole > MemorySeconds ? QStringLiteral("color: red;") : QString());
}

void SoundPage::connectDebugButtons()
{
    // Each makes the panel play a stored message and shows the address it answers with.
    const struct
    {
        const char *button;
        const char *answer;
        std::function<std::optional<QString>()> command;
    } buttons[] = {
        {"p1", "xaddr3",
         [] {
             return QStringLiteral("+I00");
         }},
        {"p2", "xaddr",
         [this]() -> std::optional<QString> {
             if (m_rowNumber->text().isEmpty())
                 return std::nullopt;
             return QStringLiteral("+I") +
                    QString::asprintf("%.2x", StrToInt(m_rowNumber->text()) - 1);
         }},
        {"p3", "xaddr2",
         [] {
             return QStringLiteral("+I");
         }},
    };
    for (const auto &button : buttons) {
        auto *answer = findChild<QLabel *>(QLatin1String(button.answer));
        connect(findChild<QPushButton *>(QLatin1String(button.button)), &QPushButton::clicked, this,
                Dialogs::Guarded([this, answer, command = button.command] {
                    if (const std::optional<QString> text = command())
                        answer->setText(m_link.Query(*text));
                }));
    }
}

void SoundPage::ShowMemoryUsage(int usedSeconds)
{
    m_usageBar->setValue(std::min(usedSeconds, m_usageBar->maximum()));
    m_usage->setText(MemoryUsageText(usedSeconds));
}

void SoundPage::SetDebugMode(bool on)
{
    m_debugGroup->setVisible(on);
    m_upload->SetDebugEnabled(on);
}

} // namespace orvanta
