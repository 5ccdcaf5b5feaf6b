#include "fContactU.h"

#include "ActionScope.h"
#include "FileMenuActions.h"
#include "FooterLink.h"
#include "HeaderBar.h"
#include "PortFollower.h"
#include "WindowPages.h"
#include "WindowState.h"
#include "core/Errors.h"
#include "dialogs/Dialogs.h"
#include "dialogs/HeldInput.h"
#include "dialogs/LiveText.h"
#include "fWaitU.h"
#include "link/Language.h"
#include "link/PortProbe.h"
#include "settings/KeysPage.h"
#include "soundpage/SoundPage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace orvanta {

namespace {

// How often a waiting transaction lets the window paint: well above ten frames a second.
constexpr int IdlePaintMs = 20;

} // namespace

TfContact::TfContact(Startup startup, QWidget *parent)
    : QWidget(parent)
    , m_ownSession(Session::ForProgram(startup.executableDir, startup.workingDir, startup.homeDir))
    , m_session(*m_ownSession)
    , m_startup(std::move(startup))
{
    build();
}

TfContact::TfContact(Session &session, Startup startup, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_startup(std::move(startup))
{
    build();
}

void TfContact::build()
{
    setObjectName(QStringLiteral("fContact"));
    // The language comes first, so that every text is built in it: the command line's, else
    // Config.ini's, else the one last chosen in the window.
    UseLanguage(ChooseLanguage(TakeLanguageOption(m_startup.arguments), m_session.config()));
    KeepTranslated(this, [this] { setWindowTitle(tr("Настройка охранной панели \"Orvanta\"")); });
    resize(698, 766);
    setMinimumWidth(698);

    // Line events reach the GUI thread on the link, which lives as long as the port.
    XComm1().SetOwnerThreadRunner([link = &link()](std::function<void()> run) {
        QMetaObject::invokeMethod(link, std::move(run), Qt::QueuedConnection);
    });
    // The session asks in boxes and waits under the wait dialog.
    Session::Front front;
    front.ask = [this](const Question &question) {
        return FileMenuActions::Ask(question, this);
    };
    front.waiting = [this](bool on) {
        m_waiting = on ? std::make_unique<WaitDialogScope>(this) : nullptr;
    };
    m_session.setFront(std::move(front));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_header = new HeaderBar(link().activity());
    layout->addWidget(m_header);
    connect(m_header, &HeaderBar::readRequested, this, [this] { Button1Click(); });
    connect(m_header, &HeaderBar::writeRequested, this, [this] { Button2Click(); });
    connect(m_header, &HeaderBar::connectionPressed, this, [this] { xConMouseDown(); });
    // The site named in the header names the writes, snapshots and reports of the session.
    connect(&m_header->site(), &QLineEdit::textChanged, this,
            [this](const QString &site) { m_session.setSite(site); });

    PortFollowing::Front follow;
    follow.busy = [this] {
        return exchangeRunning();
    };
    follow.pagesAsStarted = [this] {
        return m_pages->asStarted();
    };
    follow.tryPort = [this](const QString &port) {
        ActionScope action(m_actions);
        return action ? m_session.connection().tryPort(port)
                      : PortAttempt{port, {}, {}, tr("окно занято другим делом")};
    };
    follow.readWhole = [this] {
        Button1Click();
    };
    follow.closePort = [this] {
        XComm1().CloseDevice();
    };
    m_ports = new PortFollower(m_header->port(), m_header->portNote(), link(), std::move(follow),
                               DeviceFolderSetting(), this);

    m_pages = new WindowPages(link(), m_session.sounds());
    m_soundPage = &m_pages->sounds();
    m_soundPage->setSoundDevices(m_session.config().soundOutput(), m_session.config().soundInput());
    m_soundPage->setSpeechVoice(m_session.config().soundVoice());
    // A choice in the devices dialog is kept at once, not only at a clean exit.
    connect(m_soundPage, &SoundPage::soundDevicesChosen, this, [this] { keepSoundDevices(); });
    // A page's own write is a checked write of its part, as the write of all settings is.
    for (SettingsPage *page : m_pages->settingsPages())
        page->setPartWrite([this](WritePart part) { writeChecked({part}); });
    layout->addWidget(m_pages, 1);
    m_fileMenu = new FileMenuActions(
        m_session, *m_pages, m_actions, [this] { return m_header->portName(); }, this);
    m_fileMenu->addTo(*m_header);
    m_header->addLanguageMenu(
        [this](const QString &language) { chooseInterfaceLanguage(language); });
    m_footer = new FooterLink;
    layout->addWidget(m_footer);

    connect(&link(), &PanelLink::connectedChanged, &m_header->connected(), &QCheckBox::setChecked);
    // A transaction blocks the window; while it waits, paint and timer events still pass (the
    // wait dialog's animation among them), never the user's input.
    link().SetIdleHandler([sincePainted = QElapsedTimer()]() mutable {
        if (sincePainted.isValid() && sincePainted.elapsed() < IdlePaintMs)
            return;
        sincePainted.start();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_session.log().setFailureHandler(
        [this](const QString &message) { reportLogFailure(message); });
    // What the user clicked or typed while the window was blocked never acts afterwards.
    new HeldInputDropper(link().activity(), this);

    FormCreate();
    // The search for the panel runs once the window is on the screen, so the user sees it work.
    if (m_startup.checkConnection)
        QTimer::singleShot(0, this, [this] { CheckConnection(); });
}

TfContact::~TfContact()
{
    FormDestroy();
    // The session outlives the window: nothing of it calls the window any more.
    m_session.setFront({});
    m_session.log().setFailureHandler({});
    // The views go before the session they show, even when the window owns it.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
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
    const QString output = m_session.config().soundOutput();
    const QString input = m_session.config().soundInput();
    m_soundPage->setSoundDevices(
        output.isEmpty() ? LoadWindowValue(*this, QStringLiteral("SoundOutput")) : output,
        input.isEmpty() ? LoadWindowValue(*this, QStringLiteral("SoundInput")) : input);
    if (output.isEmpty() && input.isEmpty())
        m_soundPage->giveUpMissingDevices();
    m_pages->keys().addPlaceholderKeys();
    m_pages->keepStart();
    m_ports->following().findAgain(LoadWindowValue(*this, QStringLiteral("PortStablePath")));

    const QString firstArgument = m_startup.arguments.value(0);
    applyDebugMode(DecideDebugMode(m_session.config().debugValue(), firstArgument));

    const QString messages = m_session.paths().inLists(MessagesFile);
    const QString sounds = m_session.paths().inLists(SoundsFile);
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
    SaveWindowValue(*this, QStringLiteral("PortStablePath"),
                    m_ports->following().stablePathOfChoice());
    keepSoundDevices();
    // The user's typing in the grid exists nowhere else: a list that cannot be kept is said.
    const QStringList failures = m_soundPage->saveLists(m_session.paths().inLists(MessagesFile),
                                                        m_session.paths().inLists(SoundsFile));
    if (!failures.isEmpty())
        Dialogs::ShowError(failures.join(QLatin1Char('\n')), this);
}

void TfContact::keepSoundDevices() const
{
    SaveWindowValue(*this, QStringLiteral("SoundOutput"), m_soundPage->soundOutput());
    SaveWindowValue(*this, QStringLiteral("SoundInput"), m_soundPage->soundInput());
}

void TfContact::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Otherwise the first field of the window, the port's, would take the keys on the first show.
    if (!event->spontaneous() && !m_shownOnce) {
        m_shownOnce = true;
        m_pages->orderTabsOnceLaidOut();
        m_soundPage->focusFirstButton();
    }
}

bool TfContact::exchangeRunning() const
{
    return m_session.connection().link().InExchange() || m_actions.running() ||
           !m_session.connection().link().activity().idle();
}

void TfContact::closeEvent(QCloseEvent *event)
{
    // The running activity is asked to end safely (a recording is kept, an upload ends the
    // panel's recording); the window closes as soon as it has.
    Activity &activity = link().activity();
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
    if (link().InExchange()) {
        QTimer::singleShot(IdlePaintMs, this, [this, message] { reportLogFailure(message); });
        return;
    }
    Dialogs::ShowError(message, this);
}

void TfContact::applyDebugMode(bool on)
{
    m_debugEnabled = on;
    m_session.log().setEnabled(on);
    m_pages->setDebugMode(on);
}

void TfContact::OpenPort()
{
    link().OpenPort(m_header->portName());
}

void TfContact::Button1Click()
{
    ActionScope action(m_actions);
    if (!action)
        return;
    const Session::Read read = m_session.readAll(m_header->portName());
    m_lastAttempt = read.attempt;
    if (read.attempt.found())
        m_header->panelFoundOn(read.attempt.port);
    if (read.settings)
        showSettings(*read.settings, {read.attempt.port, QString()});
    if (read.usedSeconds)
        setUsedSeconds(*read.usedSeconds);
    if (read.failure)
        Dialogs::ShowFailure(*read.failure, this);
}

void TfContact::Button2Click()
{
    ActionScope action(m_actions);
    if (!action)
        return;
    // With the port closed nothing is sent, and nothing is said.
    if (!link().IsOpened())
        return;
    writeChecked({std::begin(WriteOrder), std::end(WriteOrder)});
}

void TfContact::writeChecked(const std::vector<WritePart> &parts)
{
    // Each page gives its part just before the part is sent, in the order of the write.
    const Session::Written written = m_session.writeParts(
        m_header->portName(), parts,
        [this](WritePart part, PanelSettings &settings) { m_pages->collectPart(part, settings); });
    // The pages keep what the user set; where the panel is known to hold something else, they
    // show it.
    if (written.outcome)
        m_pages->markNotHeld(written.outcome->heldKnown() ? written.outcome->held
                                                          : PanelSettings{});
    if (written.failure)
        Dialogs::ShowFailure(*written.failure, this);
}

PanelSettings TfContact::collectSettings() const
{
    return m_pages->collect();
}

void TfContact::showSettings(const PanelSettings &settings, const PagesOrigin &origin)
{
    m_pages->show(settings, origin);
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
    ActionScope action(m_actions);
    if (!action)
        return;
    QComboBox &port = m_header->port();
    const QString remembered = port.currentText();
    std::vector<PortAttempt> attempts;
    const auto readOnSelectedPort = [&] {
        m_lastAttempt = {};
        Button1Click();
        if (!m_lastAttempt.port.isEmpty())
            attempts.push_back(m_lastAttempt);
    };
    readOnSelectedPort();
    for (int item = 0; item < port.count() && !link().connected(); ++item) {
        port.setCurrentIndex(item);
        readOnSelectedPort();
    }
    if (!link().connected()) {
        port.setCurrentText(remembered);
        // Each port tried, with why the panel was not found there.
        Dialogs::ShowQuestion(
            Session::NoPanelText() + QStringLiteral("\n\n") + FailedPortsText(attempts), this);
    }
}

void TfContact::xConMouseDown()
{
    if (link().activity().canBegin(Activity::Kind::Exchange))
        CheckConnection();
}

void TfContact::Panel59Click()
{
    m_footer->Panel59Click();
}

} // namespace orvanta
