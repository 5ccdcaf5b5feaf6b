#include "FileMenuActions.h"

#include "ActionScope.h"
#include "HeaderBar.h"
#include "WindowPages.h"
#include "dialogs/Dialogs.h"
#include "panel/SettingsFile.h"
#include "report/SettingsReport.h"
#include "report/SupportBundle.h"
#include "session/Session.h"
#include "soundpage/SoundPage.h"

#include <QCoreApplication>
#include <QDir>

namespace orvanta {

namespace {

QString settingsFilter()
{
    return FileMenuActions::tr("Настройки охранной панели (*.txt);;Все файлы (*)");
}

} // namespace

FileMenuActions::FileMenuActions(Session &session, WindowPages &pages, PanelActions &actions,
                                 std::function<QString()> port, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_pages(pages)
    , m_actions(actions)
    , m_port(std::move(port))
    , m_window(window)
{}

void FileMenuActions::addTo(HeaderBar &header)
{
    const struct
    {
        const char *name;
        const char *caption;
        void (FileMenuActions::*action)();
    } items[] = {
        {"SaveSettingsAction", QT_TR_NOOP("Сохранить настройки в файл…"),
         &FileMenuActions::saveSettingsToFile},
        {"LoadSettingsAction", QT_TR_NOOP("Загрузить настройки из файла…"),
         &FileMenuActions::loadSettingsFromFile},
        {"CompareSettingsAction", QT_TR_NOOP("Сравнить с панелью…"),
         &FileMenuActions::compareWithPanel},
        {"RestoreSnapshotAction", QT_TR_NOOP("Вернуть настройки до записи…"),
         &FileMenuActions::restoreSnapshot},
        {"SaveReportAction", QT_TR_NOOP("Сохранить отчёт…"), &FileMenuActions::saveReport},
        {"SaveSupportAction", QT_TR_NOOP("Сохранить сведения для поддержки…"),
         &FileMenuActions::saveSupportBundle},
    };
    for (const auto &item : items)
        header.addFileAction(
            item.name, [caption = item.caption] { return tr(caption); },
            [this, method = item.action] { (this->*method)(); });
}

bool FileMenuActions::Ask(const Question &question, QWidget *window)
{
    return Dialogs::Ask(
        tr("%1.\n\nЗапись изменит в охранной панели:\n\n%2\n\nВернуть эти "
           "настройки?")
                .arg(question.what, question.changes.join(QLatin1Char('\n'))) +
            (question.warning.isEmpty() ? QString() : QStringLiteral("\n\n") + question.warning),
        window);
}

void FileMenuActions::saveSettingsToFile()
{
    const PanelSettings settings = m_pages.collect(); // a field that is no number stops here
    const QString path = Dialogs::GetSaveFileName(QDir::homePath(), settingsFilter(),
                                                  QStringLiteral("txt"), m_window);
    if (path.isEmpty())
        return;
    const bool withPassword = Dialogs::Ask(tr("Сохранить в файле и пароль охранной панели?\n\n"
                                              "Файл с паролем будет доступен только вам."),
                                           m_window);
    const ActionScope action(m_actions);
    if (action)
        WriteSettingsFile(path, settings, withPassword);
}

void FileMenuActions::loadSettingsFromFile()
{
    const QString path = Dialogs::GetOpenFileName(QDir::homePath(), settingsFilter(), m_window);
    if (path.isEmpty())
        return;
    QStringList notes;
    {
        const ActionScope action(m_actions);
        if (!action)
            return;
        // Shown in the pages; nothing is sent.
        m_pages.show(ReadSettingsFile(path, &notes), {QString(), path});
    }
    if (!notes.isEmpty())
        Dialogs::ShowInformation(notes.join(QLatin1Char('\n')), m_window);
}

void FileMenuActions::saveReport()
{
    ReportInput input;
    input.time = QDateTime::currentDateTime();
    // The report names what the pages hold: a panel read on a port, with that panel's writes;
    // a settings file, without writes or the memory of any panel; or nothing read at all.
    if (!m_pages.origin().port.isEmpty() || !m_pages.origin().file.isEmpty()) {
        input.settings = m_pages.collect(); // a field that is no number stops here
        input.source =
            m_pages.origin().file.isEmpty() ? m_pages.origin().port : m_pages.origin().file;
    } else {
        input.source = tr("не прочитано");
    }
    if (m_pages.origin().port.isEmpty())
        input.settings.usedSeconds.reset();
    Session::AddJournals(input, m_pages.origin().port, m_session.site());
    input.messages = ReportMessages(m_pages.sounds().messages());
    const QString path =
        Dialogs::GetSaveFileName(QDir::home().filePath(ReportFileName(input.time, input.site)),
                                 tr("Отчёт PDF (*.pdf)"), QStringLiteral("pdf"), m_window);
    if (path.isEmpty())
        return;
    const ActionScope action(m_actions);
    if (!action)
        return;
    if (const std::optional<Failure> failure = m_session.saveReport(path, input))
        Dialogs::ShowFailure(*failure, m_window);
    else
        Dialogs::ShowInformation(tr("Отчёт сохранён: %1").arg(QDir::toNativeSeparators(path)),
                                 m_window);
}

void FileMenuActions::saveSupportBundle()
{
    const QString path = Dialogs::GetSaveFileName(
        QDir::home().filePath(SupportBundleName(QDateTime::currentDateTime())),
        tr("Архив (*.tar.gz)"), QStringLiteral("tar.gz"), m_window);
    if (path.isEmpty())
        return;
    // The bundle holds the window for a while with a large log: a click meanwhile is dropped.
    const ActionScope action(m_actions);
    if (!action)
        return;
    QStringList absent;
    if (const std::optional<Failure> failure =
            m_session.saveSupportBundle(path, QCoreApplication::applicationVersion(), &absent)) {
        Dialogs::ShowFailure(*failure, m_window);
        return;
    }
    QString text = tr("Сведения для поддержки сохранены: %1").arg(QDir::toNativeSeparators(path));
    if (!absent.isEmpty())
        text += QStringLiteral("\n\n") + tr("Не найдено:") + QStringLiteral("\n") +
                absent.join(QLatin1Char('\n'));
    Dialogs::ShowInformation(text, m_window);
}

void FileMenuActions::compareWithPanel()
{
    const QString path = Dialogs::GetOpenFileName(QDir::homePath(), settingsFilter(), m_window);
    if (path.isEmpty())
        return;
    const PanelSettings wanted = ReadSettingsFile(path);
    ActionScope action(m_actions);
    if (!action)
        return;
    const Session::Compared compared = m_session.compareWithPanel(m_port(), wanted);
    if (compared.failure)
        Dialogs::ShowFailure(*compared.failure, m_window);
    else
        Dialogs::ShowInformation(compared.changes.isEmpty()
                                     ? tr("Охранная панель хранит настройки из файла.")
                                     : tr("Запись файла изменит в охранной панели:\n\n") +
                                           compared.changes.join(QLatin1Char('\n')),
                                 m_window);
}

void FileMenuActions::restoreSnapshot()
{
    const std::vector<JournalEntry> entries = Session::SnapshotsToRestore();
    if (entries.empty()) {
        Dialogs::ShowInformation(tr("Записей в охранную панель ещё не было: "
                                    "вернуть нечего."),
                                 m_window);
        return;
    }
    QStringList items;
    for (const JournalEntry &entry : entries)
        items += JournalEntryFields(entry).join(QStringLiteral("  "));
    const int chosen = Dialogs::ChooseItem(
        tr("Настройки, которые охранная панель хранила до записи:"), items, m_window);
    if (chosen < 0)
        return;
    ActionScope action(m_actions);
    if (!action)
        return;
    const JournalEntry &entry = entries[size_t(chosen)];
    const Session::Restored restored = m_session.restoreSnapshot(m_port(), entry);
    using End = Session::SettingsWrite::End;
    if (restored.failure)
        Dialogs::ShowFailure(*restored.failure, m_window);
    else if (restored.write.end == End::AlreadyHeld)
        Dialogs::ShowInformation(tr("Охранная панель уже хранит эти настройки."), m_window);
    if (restored.write.end != End::Written)
        return;
    if (restored.held)
        m_pages.show(*restored.held, {m_port(), QString()});
    if (restored.write.outcome.result == WriteOutcome::Result::Checked)
        Dialogs::ShowInformation(tr("Настройки возвращены: охранная панель хранит "
                                    "снимок № %1.")
                                     .arg(entry.number),
                                 m_window);
    if (restored.write.failure)
        Dialogs::ShowFailure(*restored.write.failure, m_window);
}

} // namespace orvanta
