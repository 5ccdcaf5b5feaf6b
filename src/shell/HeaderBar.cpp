#include "HeaderBar.h"

#include "dialogs/Dialogs.h"
#include "dialogs/LiveText.h"
#include "dialogs/StatusLine.h"
#include "dialogs/WidgetNames.h"
#include "link/Activity.h"
#include "link/Language.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace orvanta {

namespace {

// "2.0.5.0" is shown as the panel's papers write it: "ver. 2.05".
QString VersionLabel(const QString &applicationVersion)
{
    const QStringList parts = applicationVersion.split(QLatin1Char('.'));
    return QStringLiteral("ver. ") + parts.value(0) + QLatin1Char('.') + parts.value(1) +
           parts.value(2);
}

} // namespace

HeaderBar::HeaderBar(Activity &activity, QWidget *parent)
    : QWidget(parent)
    , m_activity(activity)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(121);
    auto *grid = new QGridLayout(this);
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

    auto *siteLabel = new QLabel;
    m_site = named(new QLineEdit, "SiteEdit");
    MarkNotRestored(m_site);
    m_site->setMaxLength(100);
    m_site->setMinimumWidth(120);
    siteLabel->setBuddy(m_site);
    // A name typed for the panel on this port belongs to it.
    connect(m_site, &QLineEdit::textEdited, this, [this] { m_sitePort = portName(); });

    auto *read = named(new QPushButton, "Button1");
    auto *write = named(new QPushButton, "Button2");
    KeepTranslated(this, [this, portLabel, siteLabel, read, write] {
        portLabel->setText(tr("Порт:"));
        siteLabel->setText(tr("Объект:"));
        m_site->setToolTip(tr("Под этим названием запись попадает в журнал, снимок и отчёт"));
        // The combo box is labelled by its buddy; the field inside it speaks the label's word.
        m_port->lineEdit()->setAccessibleName(portLabel->text().remove(QLatin1Char(':')).trimmed());
        m_connected->setText(tr("Связь с охранной панелью"));
        read->setText(tr("Прочитать настройки из \"Orvanta\""));
        write->setText(tr("Записать настройки в \"Orvanta\""));
    });
    read->setMinimumHeight(32);
    write->setMinimumHeight(32);
    connect(read, &QPushButton::clicked, this, &HeaderBar::readRequested);
    connect(write, &QPushButton::clicked, this, &HeaderBar::writeRequested);
    // Nothing else reaches the panel while another activity runs.
    const auto enable = [this, read, write] {
        const bool free = m_activity.canBegin(Activity::Kind::Exchange);
        read->setEnabled(free);
        write->setEnabled(free);
        m_connected->setEnabled(free);
        // The port stays the one the running activity uses: another name in the field would
        // stand beside a ticked connection that is not its own.
        m_port->setEnabled(free);
    };
    connect(&m_activity, &Activity::changed, this, enable);

    auto *version =
        named(new QLabel(VersionLabel(QCoreApplication::applicationVersion())), "Label3");
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);

    auto *file = named(new QToolButton, "SettingsFileSB");
    file->setPopupMode(QToolButton::InstantPopup);
    m_fileMenu = new QMenu(file);
    file->setMenu(m_fileMenu);
    KeepTranslated(file, [file] {
        file->setText(tr("Файл…"));
        file->setToolTip(tr("Настройки охранной панели в файле"));
    });

    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(m_port, 0, 1);
    auto *site = new QHBoxLayout;
    site->addWidget(siteLabel);
    site->addWidget(m_site);
    site->addStretch(1);
    grid->addLayout(site, 0, 2);
    grid->addWidget(m_connected, 1, 0, 1, 2);
    // What became of an adapter that came or went, under the connection.
    m_portNote = named(new StatusLine, "PortNote");
    m_portNote->hide();
    grid->addWidget(m_portNote, 2, 0, 1, 5);
    grid->addWidget(read, 0, 3);
    grid->addWidget(write, 1, 3);
    grid->addWidget(version, 0, 4, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(file, 1, 4, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
}

QString HeaderBar::portName() const
{
    return m_port->currentText();
}

void HeaderBar::panelFoundOn(const QString &port)
{
    if (!m_sitePort.isEmpty() && m_sitePort != port)
        m_site->clear();
    m_sitePort = port;
}

void HeaderBar::addFileAction(const char *name, std::function<QString()> caption,
                              std::function<void()> action)
{
    QAction *entry = m_fileMenu->addAction(QString());
    entry->setObjectName(QLatin1String(name));
    // Each entry waits for the running activity: greyed meanwhile, and a choice that came
    // through all the same is answered, never dropped without a word.
    connect(entry, &QAction::triggered, this, Dialogs::Guarded([this, action = std::move(action)] {
                if (m_activity.canBegin(Activity::Kind::Exchange))
                    action();
                else
                    Dialogs::ShowInformation(tr("Дождитесь конца текущей работы "
                                                "со звуком или с охранной панелью."),
                                             window());
            }));
    connect(&m_activity, &Activity::changed, entry,
            [this, entry] { entry->setEnabled(m_activity.canBegin(Activity::Kind::Exchange)); });
    KeepTranslated(this, [entry, caption = std::move(caption)] { entry->setText(caption()); });
}

void HeaderBar::addLanguageMenu(const std::function<void(const QString &)> &choose)
{
    m_fileMenu->addSeparator();
    // Each language by its own name, and the menu's title in all of them.
    QMenu *languages = m_fileMenu->addMenu(LanguageMenuTitle());
    languages->menuAction()->setObjectName(QStringLiteral("LanguageMenu"));
    auto *choice = new QActionGroup(languages);
    for (const auto &[code, name, word] : LanguageTable) {
        QAction *action = languages->addAction(QString::fromUtf8(name));
        action->setObjectName(QStringLiteral("Language_") + QLatin1String(code));
        action->setCheckable(true);
        action->setChecked(CurrentLanguage() == QLatin1String(code));
        choice->addAction(action);
        connect(action, &QAction::triggered, this,
                [choose, language = QString::fromLatin1(code)] { choose(language); });
    }
}

bool HeaderBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_connected)
        return QWidget::eventFilter(watched, event);
    // The tick shows what the panel answered; a press asks again instead of toggling it.
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (press)
        emit connectionPressed();
    return press || event->type() == QEvent::MouseButtonRelease ||
           event->type() == QEvent::MouseButtonDblClick;
}

} // namespace orvanta
