#include "fContactU.h"

#include "dialogs/WidgetNames.h"

#include "PortFollower.h"
#include "WindowState.h"
#include "core/Errors.h"
#include "dialogs/Dialogs.h"
#include "dialogs/HeldInput.h"
#include "dialogs/LiveText.h"
#include "dialogs/StatusLine.h"
#include "dialogs/TabOrder.h"
#include "fWaitU.h"
#include "link/Language.h"
#include "link/PanelPort.h"
#include "link/PortProbe.h"
#include "panel/CheckedWrite.h"
#include "panel/MessageTable.h"
#include "panel/PanelExchange.h"
#include "panel/SettingsFile.h"
#include "panel/SnapshotJournal.h"
#include "panel/UploadJournal.h"
#include "report/SettingsReport.h"
#include "report/SupportBundle.h"
#include "settings/GeneralPage.h"
#include "settings/KeysPage.h"
#include "settings/LoopsPage.h"
#include "settings/RelaysPage.h"
#include "soundpage/SoundPage.h"
#include "soundpage/SoundUpload.h"
#include "soundpage/WaveAdjuster.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

#ifndef ORVANTA_WEB_ADDRESS
#define ORVANTA_WEB_ADDRESS "https://orvanta.example/"
#endif

namespace orvanta {

namespace {

// "2.0.5.0" is shown as the panel's papers write it: "ver. 2.05".
QString VersionLabel(const QString &applicationVersion)
{
    const QStringList parts = applicationVersion.split(QLatin1Char('.'));
    return QStringLiteral("ver. ") + parts.value(0) + QLatin1Char('.') + parts.value(1) +
           parts.value(2);
}

// How often a waiting transaction lets the window paint: well above ten frames a second.
constexpr int IdlePaintMs = 20;

} // namespace

// A whole-panel action under way, the tool's panel exchange: refused while another activity
// runs; actions inside it (the connection check reads the panel) are part of it. A close that
// comes meanwhile waits for its end.
class ActionScope
{
public:
    explicit ActionScope(TfContact &window)
        : m_window(window)
        , m_held(window.m_actionsRunning > 0 ||
                 window.m_link.activity().begin(Activity::Kind::Exchange))
    {
        if (m_held)
            ++m_window.m_actionsRunning;
    }
    ~ActionScope()
    {
        if (!m_held || --m_window.m_actionsRunning > 0)
            return;
        m_window.m_link.activity().end(Activity::Kind::Exchange);
        m_window.closeWhenIdle();
    }
    explicit operator bool() const { return m_held; }
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;

private:
    TfContact &m_window;
    bool m_held;
};

TfContact::TfContact(Startup startup, QWidget *parent)
    : QWidget(parent)
    , m_startup(std::move(startup))
    , m_paths(AppPaths::resolve(m_startup.executableDir,
                                m_startup.workingDir.isEmpty() ? QDir::currentPath()
                                                               : m_startup.workingDir,
                                m_startup.homeDir.isEmpty() ? QDir::homePath() : m_startup.homeDir))
    , m_config(AppConfig::loadFile(m_paths.configFile))
{
    setObjectName(QStringLiteral("fContact"));
    // The language comes first, so that every text is built in it: the command line's, else
    // Config.ini's, else the one last chosen in the window.
    UseLanguage(ChooseLanguage(TakeLanguageOption(m_startup.arguments), m_config));
    KeepTranslated(this, [this] { setWindowTitle(tr("Настройка охранной панели \"Orvanta\"")); });
    resize(698, 766);
    setMinimumWidth(698);

    // Line events reach the window's thread through its event loop.
    m_comm.SetOwnerThreadRunner([this](std::function<void()> run) {
        QMetaObject::invokeMethod(this, std::move(run), Qt::QueuedConnection);
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    PortFollower::Window follow;
    follow.busy = [this] {
        return exchangeRunning();
    };
    follow.pagesAsStarted = [this] {
        return pagesAsStarted();
    };
    follow.tryPort = [this](const QString &port) {
        ActionScope action(*this);
        return action ? m_connection.tryPort(port)
                      : PortAttempt{port, {}, {}, tr("окно занято другим делом")};
    };
    follow.readWhole = [this] {
        Button1Click();
    };
    follow.closePort = [this] {
        m_comm.CloseDevice();
    };
    m_ports = new PortFollower(*m_port, *m_portNote, m_link, std::move(follow),
                               DeviceFolderSetting(), this);

    m_pages = named(new QTabWidget, "PageControl1");
    // Tab follows what the eye reads on a page once it is laid out, that is shown.
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { orderTabsOnceLaidOut(); });
    // Tight tabs, so that all five captions fit the window's minimum width.
    m_pages->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 5px; }"));
    m_soundPage = named(new SoundPage(m_link, m_paths.soundHome), "TabSheet3");
    m_pages->addTab(m_soundPage, QString());
    m_soundPage->setSoundDevices(m_config.soundOutput(), m_config.soundInput());
    m_soundPage->setSpeechVoice(m_config.soundVoice());
    // A choice in the devices dialog is kept at once, not only at a clean exit.
    connect(m_soundPage, &SoundPage::soundDevicesChosen, this, [this] { keepSoundDevices(); });
    m_generalPage = named(new GeneralPage, "TabSheet1");
    m_keysPage = named(new KeysPage(m_link), "TabSheet2");
    m_loopsPage = named(new LoopsPage(m_link, m_generalPage->Options()), "TabSheet4");
    m_relaysPage = named(new RelaysPage(m_link), "TabSheet5");
    m_settingsPages = {m_generalPage, m_keysPage, m_loopsPage, m_relaysPage};
    for (SettingsPage *page : m_settingsPages) {
        m_pages->addTab(page, QString());
        // A page's own write is a checked write of its part, as the write of all settings is.
        page->setPartWrite([this](WritePart part) { writeChecked({part}); });
    }
    KeepTranslated(m_pages, [this] {
        m_pages->setTabText(0, tr("Запись звука"));
        for (SettingsPage *page : m_settingsPages)
            m_pages->setTabText(m_pages->indexOf(page), page->title());
        // The tab bar names its scroll buttons once, in Qt's own words (Qt's catalogue).
        const char *const qtContext = "QTabBar";
        const std::pair<const char *, const char *> scrolls[] = {
            {"ScrollLeftButton", "Scroll Left"}, {"ScrollRightButton", "Scroll Right"}};
        for (const auto &[name, words] : scrolls)
            if (auto *button = m_pages->findChild<QToolButton *>(QLatin1String(name)))
                button->setAccessibleName(QCoreApplication::translate(qtContext, words));
    });
    layout->addWidget(m_pages, 1);
    layout->addWidget(buildFooter());

    connect(&m_link, &PanelLink::connectedChanged, m_connected, &QCheckBox::setChecked);
    // A transaction blocks the window; while it waits, paint and timer events still pass (the
    // wait dialog's animation among them), never the user's input.
    m_link.SetIdleHandler([sincePainted = QElapsedTimer()]() mutable {
        if (sincePainted.isValid() && sincePainted.elapsed() < IdlePaintMs)
            return;
        sincePainted.start();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_log.setFailureHandler([this](const QString &message) { reportLogFailure(message); });
    // What the user clicked or typed while the window was blocked never acts afterwards.
    new HeldInputDropper(m_link.activity(), this);

    FormCreate();
    // The search for the panel runs once the window is on the screen, so the user sees it work.
    if (m_startup.checkConnection)
        QTimer::singleShot(0, this, [this] { CheckConnection(); });
}

TfContact::~TfContact()
{
    FormDestroy();
}

QWidget *TfContact::buildHeader()
{
    auto *header = named(new QWidget, "Panel1");
    header->setFixedHeight(121);
    auto *grid = new QGridLayout(header);
    grid->setContentsMargins(12, 8, 12, 8);

    auto *portLabel = new QLabel;
    m_port = named(new QComboBox, "cb1");
    m_port->setEditable(true);
    m_port->setCurrentText(QStringLiteral("COM2"));
    m_port->setMinimumWidth(160);
    portLabel->setBuddy(m_port);

    m_connected = named(new QCheckBox, "xCon");
    m_connected->setFocusPolicy(Qt::NoFocus);
    m_connected->installEventFilter(this);

    auto *read = named(new QPushButton, "Button1");
    auto *write = named(new QPushButton, "Button2");
    KeepTranslated(header, [this, portLabel, read, write] {
        portLabel->setText(tr("Порт:"));
        // The combo box is labelled by its buddy; the field inside it speaks the label's word.
        m_port->lineEdit()->setAccessibleName(portLabel->text().remove(QLatin1Char(':')).trimmed());
        m_connected->setText(tr("Связь с охранной панелью"));
        read->setText(tr("Прочитать настройки из \"Orvanta\""));
        write->setText(tr("Записать настройки в \"Orvanta\""));
    });
    read->setMinimumHeight(32);
    write->setMinimumHeight(32);
    connect(read, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(write, &QPushButton::clicked, this, [this] { Button2Click(); });
    // Nothing else reaches the panel while another activity runs.
    const auto enable = [this, read, write] {
        const bool free = m_link.activity().canBegin(Activity::Kind::Exchange);
        read->setEnabled(free);
        write->setEnabled(free);
        m_connected->setEnabled(free);
        // The port stays the one the running activity uses: another name in the field would
        // stand beside a ticked connection that is not its own.
        m_port->setEnabled(free);
    };
    connect(&m_link.activity(), &Activity::changed, this, enable);

    auto *version =
        named(new QLabel(VersionLabel(QCoreApplication::applicationVersion())), "Label3");
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);

    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(m_port, 0, 1);
    grid->addWidget(m_connected, 1, 0, 1, 2);
    // What became of an adapter that came or went, under the connection.
    m_portNote = named(new StatusLine, "PortNote");
    m_portNote->hide();
    grid->addWidget(m_portNote, 2, 0, 1, 5);
    grid->addWidget(read, 0, 3);
    grid->addWidget(write, 1, 3);
    grid->addWidget(version, 0, 4, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(buildSettingsFileMenu(), 1, 4, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    return header;
}

QWidget *TfContact::buildSettingsFileMenu()
{
    auto *button = named(new QToolButton, "SettingsFileSB");
    button->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(button);
    const struct
    {
        const char *name;
        const char *caption;
        void (TfContact::*action)();
    } items[] = {
        {"SaveSettingsAction", QT_TR_NOOP("Сохранить настройки в файл…"),
         &TfContact::saveSettingsToFile},
        {"LoadSettingsAction", QT_TR_NOOP("Загрузить настройки из файла…"),
         &TfContact::loadSettingsFromFile},
        {"CompareSettingsAction", QT_TR_NOOP("Сравнить с панелью…"), &TfContact::compareWithPanel},
        {"RestoreSnapshotAction", QT_TR_NOOP("Вернуть настройки до записи…"),
         &TfContact::restoreSnapshot},
        {"SaveReportAction", QT_TR_NOOP("Сохранить отчёт…"), &TfContact::saveReport},
        {"SaveSupportAction", QT_TR_NOOP("Сохранить сведения для поддержки…"),
         &TfContact::saveSupportBundle},
    };
    std::vector<std::pair<QAction *, const char *>> captions;
    for (const auto &item : items) {
        QAction *action = menu->addAction(QString());
        action->setObjectName(QLatin1String(item.name));
        // Each entry waits for the running activity: greyed meanwhile, and a choice that came
        // through all the same is answered, never dropped without a word.
        connect(action, &QAction::triggered, this, Dialogs::Guarded([this, method = item.action] {
                    if (m_link.activity().canBegin(Activity::Kind::Exchange))
                        (this->*method)();
                    else
                        Dialogs::ShowInformation(tr("Дождитесь конца текущей работы "
                                                    "со звуком или с охранной панелью."),
                                                 this);
                }));
        const auto follow = [this, action] {
            action->setEnabled(m_link.activity().canBegin(Activity::Kind::Exchange));
        };
        connect(&m_link.activity(), &Activity::changed, action, follow);
        captions.emplace_back(action, item.caption);
    }
    menu->addSeparator();
    // Each language by its own name, and the menu's title in all of them.
    QMenu *languages = menu->addMenu(LanguageMenuTitle());
    languages->menuAction()->setObjectName(QStringLiteral("LanguageMenu"));
    auto *choice = new QActionGroup(languages);
    for (const auto &[code, name, word] : LanguageTable) {
        QAction *action = languages->addAction(QString::fromUtf8(name));
        action->setObjectName(QStringLiteral("Language_") + QLatin1String(code));
        action->setCheckable(true);
        action->setChecked(CurrentLanguage() == QLatin1String(code));
        choice->addAction(action);
        connect(action, &QAction::triggered, this, [this, language = QString::fromLatin1(code)] {
            chooseInterfaceLanguage(language);
        });
    }
    KeepTranslated(button, [button, captions] {
        button->setText(tr("Файл…"));
        button->setToolTip(tr("Настройки охранной панели в файле"));
        for (const auto &[action, caption] : captions)
            action->setText(tr(caption));
    });
    button->setMenu(menu);
    return button;
}

namespace {

QString settingsFilter()
{
    return TfContact::tr("Настройки охранной панели (*.txt);;Все файлы (*)");
}

// What every failed write's box begins with.
QString writeErrorPrefix()
{
    return TfContact::tr("Ошибка записи в охранную панель \"Orvanta\":") +
           QStringLiteral("\n\r\n\r");
}

QString noPanelMessage()
{
    return TfContact::tr("Нет связи с охранной панелью \"Orvanta\"!");
}

} // namespace

void TfContact::saveSettingsToFile()
{
    const PanelSettings settings = collectSettings(); // a field that is no number stops here
    const QString path =
        Dialogs::GetSaveFileName(QDir::homePath(), settingsFilter(), QStringLiteral("txt"), this);
    if (path.isEmpty())
        return;
    const bool withPassword = Dialogs::Ask(tr("Сохранить в файле и пароль охранной панели?\n\n"
                                              "Файл с паролем будет доступен только вам."),
                                           this);
    const ActionScope action(*this);
    if (action)
        WriteSettingsFile(path, settings, withPassword);
}

void TfContact::saveReport()
{
    ReportInput input;
    input.time = QDateTime::currentDateTime();
    // The report names what the pages hold: a panel read on a port, with that panel's writes;
    // a settings file, without writes or the memory of any panel; or nothing read at all.
    if (!m_pagesOrigin.port.isEmpty() || !m_pagesOrigin.file.isEmpty()) {
        input.settings = collectSettings(); // a field that is no number stops here
        input.source = m_pagesOrigin.file.isEmpty() ? m_pagesOrigin.port : m_pagesOrigin.file;
    } else {
        input.source = tr("не прочитано");
    }
    if (!m_pagesOrigin.port.isEmpty())
        input.writes = WritesOfPanel(SnapshotJournal().entries(), m_pagesOrigin.port,
                                     input.settings.version.value_or(QString()));
    else
        input.settings.usedSeconds.reset();
    input.messages = ReportMessages(m_soundPage->messages());
    input.uploads = UploadJournal(SnapshotJournal::defaultFolder()).lastUpload();
    const QString path =
        Dialogs::GetSaveFileName(QDir::home().filePath(ReportFileName(input.time)),
                                 tr("Отчёт PDF (*.pdf)"), QStringLiteral("pdf"), this);
    if (path.isEmpty())
        return;
    const ActionScope action(*this);
    if (!action)
        return;
    if (const QString failure = WriteReportPdf(path, input); !failure.isEmpty())
        Dialogs::ShowError(failure, this);
    else
        Dialogs::ShowInformation(tr("Отчёт сохранён: %1").arg(QDir::toNativeSeparators(path)),
                                 this);
}

void TfContact::saveSupportBundle()
{
    const QString path = Dialogs::GetSaveFileName(
        QDir::home().filePath(SupportBundleName(QDateTime::currentDateTime())),
        tr("Архив (*.tar.gz)"), QStringLiteral("tar.gz"), this);
    if (path.isEmpty())
        return;
    // The bundle holds the window for a while with a large log: a click meanwhile is dropped.
    const ActionScope action(*this);
    if (!action)
        return;
    SupportSources sources;
    sources.paths = m_paths;
    sources.toolVersion = QCoreApplication::applicationVersion();
    sources.portsText = PortsText(m_config);
    QStringList absent;
    if (const QString failure = WriteSupportBundle(path, sources, &absent); !failure.isEmpty()) {
        Dialogs::ShowError(failure, this);
        return;
    }
    QString text = tr("Сведения для поддержки сохранены: %1").arg(QDir::toNativeSeparators(path));
    if (!absent.isEmpty())
        text += QStringLiteral("\n\n") + tr("Не найдено:") + QStringLiteral("\n") +
                absent.join(QLatin1Char('\n'));
    Dialogs::ShowInformation(text, this);
}

void TfContact::loadSettingsFromFile()
{
    const QString path = Dialogs::GetOpenFileName(QDir::homePath(), settingsFilter(), this);
    if (path.isEmpty())
        return;
    QStringList notes;
    {
        const ActionScope action(*this);
        if (!action)
            return;
        // Shown in the pages; nothing is sent.
        showSettings(ReadSettingsFile(path, &notes), {QString(), path});
    }
    if (!notes.isEmpty())
        Dialogs::ShowInformation(notes.join(QLatin1Char('\n')), this);
}

std::optional<PanelSettings> TfContact::readPanelAsItIs()
{
    WaitDialogScope waiting(this);
    const PortAttempt attempt = m_connection.tryPort(m_port->currentText());
    if (!attempt.found()) {
        waiting.close();
        Dialogs::ShowQuestion(noPanelMessage() + QStringLiteral("\n\n") + attempt.describe(), this);
        return std::nullopt;
    }
    PanelSettings current;
    ReadPanelSettings(m_link, current); // the pages stay as they are
    return current;
}

void TfContact::compareWithPanel()
{
    const QString path = Dialogs::GetOpenFileName(QDir::homePath(), settingsFilter(), this);
    if (path.isEmpty())
        return;
    const PanelSettings wanted = ReadSettingsFile(path);
    ActionScope action(*this);
    if (!action)
        return;
    const std::optional<PanelSettings> current = readPanelAsItIs();
    if (!current)
        return;
    const QStringList changes = CompareSettings(*current, wanted);
    Dialogs::ShowInformation(changes.isEmpty() ? tr("Охранная панель хранит настройки из файла.")
                                               : tr("Запись файла изменит в охранной панели:\n\n") +
                                                     changes.join(QLatin1Char('\n')),
                             this);
}

void TfContact::restoreSnapshot()
{
    SnapshotJournal journal;
    std::vector<JournalEntry> entries = journal.entries();
    // A damaged line of the journal names no snapshot to return to.
    std::erase_if(entries, [](const JournalEntry &entry) { return entry.damaged; });
    if (entries.empty()) {
        Dialogs::ShowInformation(tr("Записей в охранную панель ещё не было: "
                                    "вернуть нечего."),
                                 this);
        return;
    }
    std::reverse(entries.begin(), entries.end()); // the newest first
    QStringList items;
    for (const JournalEntry &entry : entries)
        items += JournalEntryFields(entry).join(QStringLiteral("  "));
    const int chosen = Dialogs::ChooseItem(
        tr("Настройки, которые охранная панель хранила до записи:"), items, this);
    if (chosen < 0)
        return;
    const JournalEntry &entry = entries[size_t(chosen)];
    const PanelSettings wanted = journal.snapshot(entry.number);
    ActionScope action(*this);
    if (!action)
        return;
    const std::optional<PanelSettings> read = readPanelAsItIs();
    if (!read)
        return;
    const PanelSettings &current = *read;
    const QStringList changes = CompareSettings(current, wanted);
    if (changes.isEmpty()) {
        Dialogs::ShowInformation(tr("Охранная панель уже хранит эти настройки."), this);
        return;
    }
    const QString foreign =
        ForeignSnapshotWarning(entry, m_port->currentText(), current.version.value_or(QString()));
    if (!Dialogs::Ask(tr("Снимок № %1 от %2, порт %3, %4.\n\nЗапись изменит в "
                         "охранной панели:\n\n%5\n\nВернуть эти настройки?")
                              .arg(entry.number)
                              .arg(JournalTimeText(entry.time), entry.port, entry.firmware,
                                   changes.join(QLatin1Char('\n'))) +
                          (foreign.isEmpty() ? QString() : QStringLiteral("\n\n") + foreign),
                      this))
        return;
    WriteRequest request;
    request.current = current;
    request.wanted = wanted;
    request.port = m_port->currentText();
    std::optional<WaitDialogScope> waiting(std::in_place, this);
    const WriteOutcome outcome = WriteChecked(m_link, journal, request);
    waiting.reset();
    if (outcome.heldKnown())
        showSettings(outcome.held, {request.port, QString()});
    if (outcome.result == WriteOutcome::Result::Checked)
        Dialogs::ShowInformation(tr("Настройки возвращены: охранная панель хранит "
                                    "снимок № %1.")
                                     .arg(entry.number),
                                 this);
    reportWrite(writeErrorPrefix(), outcome);
}

QWidget *TfContact::buildFooter()
{
    m_footer = named(new QLabel(QStringLiteral(ORVANTA_WEB_ADDRESS)), "Panel59");
    m_footer->setFixedHeight(26);
    m_footer->setAlignment(Qt::AlignCenter);
    m_footer->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    m_footer->setCursor(Qt::PointingHandCursor);
    KeepTranslated(m_footer, [this] {
        m_footer->setToolTip(tr("Orvanta Config %1\nНастройка охранной панели \"Orvanta\": "
                                "связь по последовательному порту, настройки, голосовые "
                                "сообщения.\nЗапуск с параметром DEBUG — режим отладки; "
                                "orvanta-config --help — подсказка.")
                                 .arg(QCoreApplication::applicationVersion()));
    });
    m_footer->installEventFilter(this);
    return m_footer;
}

void TfContact::chooseInterfaceLanguage(const QString &language)
{
    UseLanguage(language);
    RememberLanguage(CurrentLanguage());
}

void TfContact::FormCreate()
{
    m_pages->setCurrentIndex(0);
    LoadWindowState(*this, [this](const QString &message) { Dialogs::ShowError(message, this); });
    // The devices chosen in the page's dialog, unless Config.ini names them.
    const QString output = m_config.soundOutput();
    const QString input = m_config.soundInput();
    m_soundPage->setSoundDevices(
        output.isEmpty() ? LoadWindowValue(*this, QStringLiteral("SoundOutput")) : output,
        input.isEmpty() ? LoadWindowValue(*this, QStringLiteral("SoundInput")) : input);
    if (output.isEmpty() && input.isEmpty())
        m_soundPage->giveUpMissingDevices();
    m_keysPage->addPlaceholderKeys();
    m_startSettings = collectSettings();
    m_ports->findAgain(LoadWindowValue(*this, QStringLiteral("PortStablePath")));

    const QString firstArgument = m_startup.arguments.value(0);
    applyDebugMode(DecideDebugMode(m_config.debugValue(), firstArgument));

    const QString messages = m_paths.inLists(MessagesFile);
    const QString sounds = m_paths.inLists(SoundsFile);
    try {
        // A first start has no lists anywhere: the 54 messages numbered, none with a file yet.
        if (!QFileInfo::exists(messages) && !QFileInfo::exists(sounds))
            m_soundPage->fillDefaultLists();
        else
            m_soundPage->loadLists(messages, sounds);
    } catch (const EInOutError &error) {
        Dialogs::ShowError(ErrorText(error), this);
        m_startup.checkConnection = false;
        return;
    }
    m_soundPage->selectCell(0, 1);
}

void TfContact::FormDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    SaveWindowState(*this);
    // The adapter chosen is found again under another number after a replug.
    SaveWindowValue(*this, QStringLiteral("PortStablePath"), m_ports->stablePathOfChoice());
    keepSoundDevices();
    // The user's typing in the grid exists nowhere else: a list that cannot be kept is said.
    const QStringList failures =
        m_soundPage->saveLists(m_paths.inLists(MessagesFile), m_paths.inLists(SoundsFile));
    if (!failures.isEmpty())
        Dialogs::ShowError(failures.join(QLatin1Char('\n')), this);
}

bool TfContact::pagesAsStarted() const
{
    if (m_pagesShown)
        return false;
    try {
        return collectSettings() == m_startSettings;
    } catch (const std::exception &) {
        return false; // a field typed into that is no number
    }
}

void TfContact::keepSoundDevices() const
{
    SaveWindowValue(*this, QStringLiteral("SoundOutput"), m_soundPage->soundOutput());
    SaveWindowValue(*this, QStringLiteral("SoundInput"), m_soundPage->soundInput());
}

void TfContact::orderTabsOnceLaidOut()
{
    // A page is laid out when the events of its showing have run.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            OrderTabsAsRead(*m_pages->currentWidget());
    });
}

void TfContact::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Otherwise the first field of the window, the port's, would take the keys on the first show.
    if (!event->spontaneous() && !m_shownOnce) {
        m_shownOnce = true;
        orderTabsOnceLaidOut();
        m_soundPage->focusFirstButton();
    }
}

void TfContact::closeEvent(QCloseEvent *event)
{
    // The running activity is asked to end safely (a recording is kept, an upload ends the
    // panel's recording); the window closes as soon as it has.
    Activity &activity = m_link.activity();
    if (activity.current() == Activity::Kind::Playing)
        activity.requestEnd();
    if (exchangeRunning()) {
        m_closeRequested = true;
        event->ignore();
        activity.requestEnd();
        closeWhenIdle();
        return;
    }
    FormDestroy();
    QWidget::closeEvent(event);
}

void TfContact::closeWhenIdle()
{
    if (!m_closeRequested)
        return;
    if (exchangeRunning()) {
        QTimer::singleShot(IdlePaintMs, this, [this] { closeWhenIdle(); });
        return;
    }
    // From the event loop, not from inside the action that has just ended.
    QTimer::singleShot(0, this, [this] { close(); });
}

void TfContact::reportLogFailure(const QString &message)
{
    // Never a box in the middle of a transaction: it waits until the exchange is over.
    if (m_link.InExchange()) {
        QTimer::singleShot(IdlePaintMs, this, [this, message] { reportLogFailure(message); });
        return;
    }
    Dialogs::ShowError(message, this);
}

void TfContact::applyDebugMode(bool on)
{
    m_debugEnabled = on;
    m_log.setEnabled(on);
    m_soundPage->setDebugMode(on);
    for (const SettingsPage *page : m_settingsPages)
        page->setDebugMode(on);
}

void TfContact::OpenPort()
{
    m_link.OpenPort(m_port->currentText());
}

void TfContact::Button1Click()
{
    ActionScope action(*this);
    if (!action)
        return;
    std::optional<WaitDialogScope> waiting;
    try {
        m_lastAttempt = m_connection.tryPort(m_port->currentText());
        if (!m_lastAttempt.found())
            return;
        waiting.emplace(this);
        // The pages change only once every setting came whole: a read that fails leaves each
        // page as it was, so that a later write never sends what a garbled reply decoded to.
        PanelSettings settings;
        ReadPanelSettings(m_link, settings);
        showSettings(settings, {m_lastAttempt.port, QString()});
        waiting.reset();
        readMemoryUsage();
        m_link.query(QStringLiteral("+v"));
    } catch (const std::exception &error) {
        waiting.reset();
        m_link.setConnected(false);
        reportExchangeError(
            tr("Ошибка связи с охранной панелью \"Orvanta\":") + QStringLiteral("\n\r\n\r"), error);
    }
}

void TfContact::Button2Click()
{
    ActionScope action(*this);
    if (!action)
        return;
    // With the port closed nothing is sent, and nothing is said.
    if (!m_link.IsOpened())
        return;
    writeChecked({std::begin(WriteOrder), std::end(WriteOrder)});
}

void TfContact::collectPart(WritePart part, PanelSettings &settings) const
{
    for (const SettingsPage *page : m_settingsPages)
        if (page->part() == part)
            page->collect(settings);
}

void TfContact::writeChecked(const std::vector<WritePart> &parts)
{
    const QString prefix = writeErrorPrefix();
    std::optional<WaitDialogScope> waiting(std::in_place, this);
    std::optional<WriteOutcome> outcome;
    try {
        // What the panel holds is read whole and kept before the first byte is written: a read
        // that fails writes nothing.
        WriteRequest request;
        ReadPanelSettings(m_link, request.current);
        request.wanted = request.current;
        for (const WritePart part : parts) {
            try {
                collectPart(part, request.wanted);
            } catch (const std::exception &) {
                // A field that is no number stops the write at its part, when it comes to it.
            }
        }
        request.port = m_port->currentText();
        request.parts = parts;
        // Each page gives its part just before the part is sent, in the order of the write.
        request.source = [this](WritePart part, PanelSettings &settings) {
            collectPart(part, settings);
        };
        SnapshotJournal journal;
        outcome = WriteChecked(m_link, journal, request);
    } catch (const std::exception &error) {
        waiting.reset();
        reportExchangeError(prefix, error);
        return;
    }
    waiting.reset();
    // The pages keep what the user set; where the panel is known to hold something else, they
    // show it.
    markNotHeld(outcome->heldKnown() ? outcome->held : PanelSettings{});
    reportWrite(prefix, *outcome);
}

void TfContact::reportWrite(const QString &prefix, const WriteOutcome &outcome)
{
    const bool checked = outcome.result == WriteOutcome::Result::Checked;
    if (checked && outcome.journalError.isEmpty())
        return; // written and checked: said by nothing, as a write always was
    QString text = checked ? QString() : DescribeWriteOutcome(outcome) + QStringLiteral("\n\n");
    if (outcome.wroteSomething())
        text += tr("Прежние настройки охранной панели сохранены (снимок № %1): их вернёт "
                   "«Вернуть настройки до записи…» в меню «Файл…».")
                    .arg(outcome.snapshot);
    if (!outcome.journalError.isEmpty())
        text += QStringLiteral("\n\n") + outcome.journalError + QStringLiteral("\n") +
                tr("Снимок прежних настроек: %1").arg(outcome.snapshotPath);
    m_log.LogExchange(text.trimmed(), true);
    Dialogs::ShowError((checked ? QString() : prefix) + text.trimmed(), this);
}

void TfContact::reportExchangeError(const QString &prefix, const std::exception &error)
{
    m_log.LogExchange(ErrorText(error), true);
    Dialogs::ShowError(prefix + ErrorText(error), this);
}

// What cannot be read leaves the display as it was: the read that comes with it says its own
// failure, and the figure is only an addition to it.
void TfContact::readMemoryUsage()
{
    try {
        if (const std::optional<int> seconds = MessageTable::ReadUsedSeconds(m_link))
            setUsedSeconds(*seconds);
    } catch (const std::exception &error) {
        m_log.LogExchange(ErrorText(error), true);
    }
}

ReadObserver TfContact::pageObserver()
{
    ReadObserver observer;
    for (SettingsPage *page : m_settingsPages)
        page->observe(observer);
    return observer;
}

PanelSettings TfContact::collectSettings() const
{
    PanelSettings settings;
    for (const SettingsPage *page : m_settingsPages)
        page->collect(settings);
    settings.version = m_generalPage->version()->text();
    settings.usedSeconds = m_soundPage->usedSeconds();
    return settings;
}

void TfContact::showSettings(const PanelSettings &settings, const PagesOrigin &origin)
{
    m_pagesShown = true;
    m_pagesOrigin = origin;
    orvanta::ShowSettings(settings, pageObserver());
    markNotHeld({});
}

void TfContact::markNotHeld(const PanelSettings &held)
{
    for (const SettingsPage *page : m_settingsPages)
        page->markNotHeld(held);
}

int TfContact::UsedSeconds() const
{
    return m_soundPage->usedSeconds().value_or(0);
}

void TfContact::setUsedSeconds(int seconds)
{
    m_soundPage->showMemoryUsage(seconds);
}

void TfContact::CheckConnection()
{
    ActionScope action(*this);
    if (!action)
        return;
    const QString remembered = m_port->currentText();
    std::vector<PortAttempt> attempts;
    const auto readOnSelectedPort = [&] {
        m_lastAttempt = {};
        Button1Click();
        if (!m_lastAttempt.port.isEmpty())
            attempts.push_back(m_lastAttempt);
    };
    readOnSelectedPort();
    for (int item = 0; item < m_port->count() && !m_link.connected(); ++item) {
        m_port->setCurrentIndex(item);
        readOnSelectedPort();
    }
    if (!m_link.connected()) {
        m_port->setCurrentText(remembered);
        // Each port tried, with why the panel was not found there.
        Dialogs::ShowQuestion(noPanelMessage() + QStringLiteral("\n\n") + FailedPortsText(attempts),
                              this);
    }
}

void TfContact::xConMouseDown()
{
    if (m_link.activity().canBegin(Activity::Kind::Exchange))
        CheckConnection();
}

void TfContact::Panel59Click()
{
    QDesktopServices::openUrl(QUrl(m_footer->text()));
}

bool TfContact::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (watched == m_connected) {
        // The tick shows what the panel answered; a press asks again instead of toggling it.
        if (press)
            xConMouseDown();
        return press || event->type() == QEvent::MouseButtonRelease ||
               event->type() == QEvent::MouseButtonDblClick;
    }
    if (watched == m_footer && press) {
        Panel59Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvanta
