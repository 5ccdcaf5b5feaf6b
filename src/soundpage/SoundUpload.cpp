#include "SoundUpload.h"

#include "dialogs/Dialogs.h"
#include "dialogs/LiveText.h"
#include "dialogs/WidgetNames.h"
#include "link/PanelLink.h"
#include "link/PanelMemory.h"
#include "panel/MessageTable.h"
#include "voice/MessageList.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

namespace orvanta {

namespace {

constexpr int Rows = MessageTable::Messages;

// Keeps the progress bar at 0 when the table actions end, however they end.
class ProgressReset
{
public:
    explicit ProgressReset(QProgressBar *bar)
        : m_bar(bar)
    {}
    ~ProgressReset() { m_bar->setValue(0); }
    ProgressReset(const ProgressReset &) = delete;
    ProgressReset &operator=(const ProgressReset &) = delete;

private:
    QProgressBar *m_bar;
};

} // namespace

SoundUpload::SoundUpload(PanelLink &link, MessageList &messages, UploadSession &session,
                         QWidget *parent)
    : QGroupBox(parent)
    , m_link(link)
    , m_messages(messages)
    , m_session(session)
{
    setObjectName(QStringLiteral("GroupBox1"));
    auto *line = new QHBoxLayout(this);
    m_progress = named(new QProgressBar, "p");
    m_progress->setRange(0, Rows);
    m_progress->setValue(0);
    line->addWidget(m_progress, 1);
    m_start = named(new QPushButton, "Button4");
    m_stop = named(new QPushButton, "Button5");
    KeepTranslated(this, [this] {
        setTitle(tr("Процесс записи"));
        m_start->setText(tr("Записать звук в устройство"));
        m_stop->setText(tr("Остановить"));
    });
    line->addWidget(m_start);
    line->addWidget(m_stop);
    connect(m_start, &QPushButton::clicked, this, Dialogs::Guarded([this] { Button4Click(); }));
    connect(m_stop, &QPushButton::clicked, this, [this] { Button5Click(); });

    connect(&m_session, &UploadSession::progress, m_progress, &QProgressBar::setValue);
    connect(&m_session, &UploadSession::rowStarted, this, &SoundUpload::rowStarted);
    connect(&m_session, &UploadSession::rowReport, this, [this](int row, const QString &text) {
        m_messages.setCell(MessageList::AddressColumn, row, text);
    });
    connect(&m_session, &UploadSession::usedSecondsChanged, this, &SoundUpload::usedSecondsChanged);
    // The level heard stands in the row's hint and on the page's status line.
    connect(&m_session, &UploadSession::receipt, this, [this](const UploadReceipt &receipt) {
        if (!receipt.heard)
            return;
        const QString level = receipt.heard->levelText();
        m_messages.setAddressHint(receipt.row, tr("Услышано на выводе звука: %1").arg(level));
        emit messageHeard(
            tr("Сообщение %1 услышано на выводе звука: %2").arg(receipt.row).arg(level));
    });
    connect(&m_session, &UploadSession::finished, this, &SoundUpload::uploadFinished);
}

void SoundUpload::setCorrectErrors(std::function<bool()> correct)
{
    m_correctErrors = correct;
    m_session.setCorrectErrors(std::move(correct));
}

bool SoundUpload::messagesFitOrUserAgrees(double seconds)
{
    if (seconds <= MemorySeconds)
        return true;
    const int whole = int(std::lround(seconds));
    return Dialogs::Ask(tr("Сообщения займут %1 мин. %2 сек., а память охранной панели "
                           "вмещает %3 мин.: последние сообщения не поместятся.\n\n"
                           "Записать сообщения всё равно?")
                            .arg(whole / 60)
                            .arg(whole % 60)
                            .arg(MemorySeconds / 60),
                        window());
}

bool SoundUpload::checkPassed(const UploadCheck &check)
{
    if (check.passed())
        return true;
    if (!check.outputProblem.isEmpty()) {
        Dialogs::ShowError(tr("Сообщения не записаны.\n\n%1.").arg(check.outputProblem), window());
        return false;
    }
    QStringList lines;
    for (const UploadCheck::Problem &problem : check.problems) {
        m_messages.setCell(MessageList::AddressColumn, problem.row, problem.reason);
        if (lines.size() < ListedProblems)
            lines += tr("Строка %1, \"%2\": %3")
                         .arg(problem.row)
                         .arg(m_messages.cell(MessageList::FileColumn, problem.row).trimmed(),
                              problem.reason);
    }
    if (int more = int(check.problems.size()) - ListedProblems; more > 0)
        lines += tr("и ещё строк: %1").arg(more);
    Dialogs::ShowError(tr("Сообщения не записаны: эти строки списка нельзя воспроизвести. "
                          "Исправьте их или очистите в них имя файла и запустите запись "
                          "снова; ничего не отправлено в охранную панель.\n\n%1")
                           .arg(lines.join(QLatin1Char('\n'))),
                       window());
    return false;
}

void SoundUpload::Button4Click()
{
    Activity &activity = m_link.activity();
    if (!activity.canBegin(Activity::Kind::Uploading))
        return;
    // No link: nothing would be sent, and that is said instead of a completion.
    if (!m_link.IsOpened()) {
        Dialogs::ShowError(tr("Нет связи с охранной панелью \"Orvanta\": порт не "
                              "открыт, сообщения не записаны. Выберите порт и "
                              "проверьте связь."),
                           window());
        return;
    }
    if (m_link.connectionFailed()) {
        Dialogs::ShowError(tr("Нет связи с охранной панелью \"Orvanta\": последний "
                              "обмен с панелью не удался, сообщения не записаны. "
                              "Проверьте подключение и связь."),
                           window());
        return;
    }
    std::vector<UploadMessage> messages = UploadSession::MessagesOf(m_messages);
    m_messages.clearAddresses();
    const UploadCheck check = m_session.check(messages);
    if (!checkPassed(check) ||
        !messagesFitOrUserAgrees(UploadSession::SecondsTaken(check, messages.size())))
        return;
    if (!activity.begin(Activity::Kind::Uploading))
        return;
    activity.setEnder([this] { abort(); });
    m_aborted = false;
    m_progress->setRange(0, Rows);
    emit started();
    m_session.start(std::move(messages));
}

void SoundUpload::Button5Click()
{
    if (!m_session.running())
        return;
    m_session.requestStop();
    m_progress->setFormat(tr("Остановка после текущего сообщения…"));
}

void SoundUpload::abort()
{
    if (!m_session.running())
        return;
    m_aborted = true;
    m_session.abort();
}

void SoundUpload::uploadFinished(const UploadOutcome &outcome)
{
    m_progress->setFormat(QStringLiteral("%p%"));
    m_link.activity().end(Activity::Kind::Uploading);
    emit finished();
    if (m_aborted)
        return;
    // Receipts the upload journal could not take are said with the outcome, never lost unsaid.
    const QString journal =
        m_session.journalError().isEmpty()
            ? QString()
            : QStringLiteral("\n\n") +
                  tr("Квитанции сообщений не записаны в журнал: %1").arg(m_session.journalError());
    const QString done = tr("Процесс записи завершен!");
    if (outcome.end == UploadOutcome::End::Complete) {
        Dialogs::ShowInformation(done + journal, window());
        m_progress->setValue(0);
        return;
    }
    // Anything short of every message says how many the panel holds, and which did not go in.
    QString summary = tr("Записано сообщений: %1 из %2").arg(outcome.written).arg(outcome.total);
    if (outcome.failedRow > 0)
        summary += tr("; не записано сообщение %1").arg(outcome.failedRow);
    summary += QLatin1Char('.');
    if (outcome.error.isEmpty()) {
        Dialogs::ShowInformation(done + QLatin1Char('\n') + summary + journal, window());
        m_progress->setValue(0);
    } else {
        // The error alone, without the completion; the progress stays where the upload ended.
        Dialogs::ShowError(outcome.error + QStringLiteral("\n\n") + summary + journal, window());
    }
}

bool SoundUpload::try_write_eeprom(const QString &value, int n)
{
    PanelMemory(m_link).try_write_eeprom(
        value, n,
        [this, n](const QString &line) { m_messages.setCell(MessageList::AddressColumn, n, line); },
        [this] { return m_correctErrors ? m_correctErrors() : true; });
    m_progress->repaint();
    return true;
}

void SoundUpload::Button7Click()
{
    const QString path = Dialogs::GetSaveFileName(
        m_messages.soundHome(), tr("Текстовые файлы (*.txt)"), QStringLiteral("txt"), window());
    if (path.isEmpty())
        return;
    QProgressBar *progress = m_progress;
    const ProgressReset reset(progress);
    progress->setRange(0, Rows - 1);
    progress->setValue(0);
    MessageTable::SaveFromPanel(m_link, path, [this, progress](int row, const QString &entry) {
        m_messages.setCell(MessageList::AddressColumn, row, entry);
        progress->setValue(row - 1);
        progress->repaint();
    });
}

void SoundUpload::Button6Click()
{
    const QString path = Dialogs::GetOpenFileName(
        m_messages.soundHome(), tr("Текстовый файл (*.txt);;Все файлы (*.*)"), window());
    if (path.isEmpty())
        return;
    QProgressBar *progress = m_progress;
    const ProgressReset reset(progress);
    progress->setRange(0, Rows - 1);
    progress->setValue(0);
    MessageTable::LoadIntoPanel(
        m_link, path,
        [this](int row, const QString &text) {
            m_messages.setCell(MessageList::AddressColumn, row, text);
        },
        [progress](int) {
            progress->setValue(progress->value() + 1);
            progress->repaint();
        },
        [this] { return m_correctErrors ? m_correctErrors() : true; });
}

} // namespace orvanta
