#include "RelaysPage.h"

#include "NotHeldMark.h"
#include "core/Convert.h"
#include "dialogs/LiveText.h"
#include "dialogs/WidgetNames.h"
#include "link/PanelLink.h"
#include "panel/PanelExchange.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

namespace orvanta {

namespace {

constexpr int FirstCheckRow = 3;
constexpr int FirstRelayColumn = 2;

constexpr int MaxOnTime = 500;

// Whole seconds from 0 to 500. A number typed past the top (999) is brought back to it when the
// field is left, so that the field never keeps a time the panel cannot hold.
class OnTimeValidator : public QIntValidator
{
public:
    explicit OnTimeValidator(QObject *parent)
        : QIntValidator(0, MaxOnTime, parent)
    {}
    void fixup(QString &input) const override
    {
        bool ok = false;
        const int seconds = input.toInt(&ok);
        if (ok)
            input = QString::number(std::clamp(seconds, bottom(), top()));
    }
};

template <typename Text> QLabel *centred(Text text)
{
    auto *label = TranslatedText(new QLabel, text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QString switchedText(int action)
{
    return action == 0 ? RelaysPage::tr("вкл") : RelaysPage::tr("выкл");
}

} // namespace

RelaysPage::RelaysPage(PanelLink &link, QWidget *parent)
    : SettingsPage(parent)
    , m_link(link)
{
    buildGrid();
}

void RelaysPage::buildGrid()
{
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    auto *onTimeCaption = new QLabel;
    onTimeCaption->setObjectName(QStringLiteral("Panel6"));
    onTimeCaption->setFrameShape(QFrame::Panel);
    onTimeCaption->setFrameShadow(QFrame::Raised);
    KeepTranslated(onTimeCaption, [onTimeCaption] {
        onTimeCaption->setText(tr("Время включения, в сек."));
        onTimeCaption->setToolTip(tr("Время, на которое включается реле, а затем выключается. "
                                     "Если ноль, то включается и не выключается."));
    });
    grid->addWidget(onTimeCaption, 0, 0, 1, 2);

    for (int relay = 1; relay <= Relays; ++relay) {
        const int column = FirstRelayColumn + 2 * (relay - 1);
        // Typing stays within 0 to 500 seconds; a read may show up to 510 and is not clamped.
        auto *onTime = new QLineEdit(QStringLiteral("0"));
        onTime->setObjectName(QStringLiteral("k%1").arg(relay));
        onTime->setValidator(new OnTimeValidator(onTime));
        onTime->setAlignment(Qt::AlignRight);
        onTime->setMaximumWidth(70);
        KeepTranslated(onTime, [onTime, relay] {
            onTime->setAccessibleName(tr("Реле %1: время включения, с").arg(relay));
        });
        MarkNotKept(onTime); // read from the panel, not kept between runs
        m_onTimes[size_t(relay - 1)] = onTime;
        grid->addWidget(onTime, 0, column, 1, 2, Qt::AlignCenter);
        grid->addWidget(centred([relay] { return tr("Реле %1").arg(relay); }), 1, column, 1, 2);
        grid->addWidget(centred([] { return switchedText(0); }), 2, column);
        grid->addWidget(centred([] { return switchedText(1); }), 2, column + 1);
    }

    for (int loop = 1; loop <= 8; ++loop) {
        const int row = FirstCheckRow + 2 * (loop - 1);
        grid->addWidget(TranslatedText(new QLabel, [loop] { return tr("Шлейф %1").arg(loop); }),
                        row, 0, 2, 1);
        auto *closing = TranslatedText(new QLabel, [] { return tr("Замыкание"); });
        closing->setStyleSheet(QStringLiteral("color: green;"));
        grid->addWidget(closing, row, 1);
        grid->addWidget(TranslatedText(new QLabel, [] { return tr("Размыкание"); }), row + 1, 1);
    }

    for (int relay = 1; relay <= Relays; ++relay) {
        for (int action = 0; action < 2; ++action) {
            for (int event = 0; event < 2; ++event) {
                std::array<QCheckBox *, 8> boxes{};
                for (int loop = 1; loop <= 8; ++loop) {
                    auto *box =
                        NumberedCheckBox(checkBoxNumber(relay, action, event, loop), QString());
                    KeepTranslated(box, [=] {
                        box->setAccessibleName(
                            tr("Реле %1 %2: шлейф %3, %4")
                                .arg(relay)
                                .arg(switchedText(action))
                                .arg(loop)
                                .arg(event == 0 ? tr("замыкание") : tr("размыкание")));
                    });
                    boxes[size_t(loop - 1)] = box;
                    grid->addWidget(box, FirstCheckRow + 2 * (loop - 1) + event,
                                    FirstRelayColumn + 2 * (relay - 1) + action, Qt::AlignCenter);
                }
                // Bytes of the rule record: on at closing, on at opening, off at closing, off at
                // opening.
                m_groups[size_t(relay - 1)][2 * size_t(action) + size_t(event)] = CheckGroup(boxes);
            }
        }
    }

    const int buttonColumn = FirstRelayColumn + 2 * Relays;
    addDebugButtons(
        grid, FirstCheckRow, 16, buttonColumn, m_link.activity(), QStringLiteral("Button22"),
        [this] { Button22Click(); }, QStringLiteral("Button8"), [this] { Button8Click(); });
    grid->setColumnStretch(buttonColumn + 1, 1);
    grid->setRowStretch(FirstCheckRow + 16, 1);
}

void RelaysPage::setOnTimesEnabled(bool enabled) const
{
    for (QLineEdit *field : m_onTimes)
        field->setEnabled(enabled);
}

QString RelaysPage::title() const
{
    return tr("Настройка включения реле");
}

void RelaysPage::observe(ReadObserver &observer)
{
    observer.relayAnswered = [this](int relay, bool answered) {
        for (int byte = 0; byte < GroupsPerRelay; ++byte)
            group(relay, byte).setEnabled(answered);
    };
    observer.relayRule = [this](int relay, const PanelSettings::RelayRule &rule) {
        for (int byte = 0; byte < GroupsPerRelay; ++byte)
            group(relay, byte).setChecks(rule[size_t(byte)]);
    };
    observer.relayTimesAnswered = [this](bool answered) {
        setOnTimesEnabled(answered);
    };
    observer.relayTime = [this](int relay, int seconds) {
        onTime(relay)->setText(QString::number(seconds));
    };
}

void RelaysPage::collect(PanelSettings &settings) const
{
    for (int relay = 1; relay <= Relays; ++relay) {
        PanelSettings::RelayRule rule{};
        for (int byte = 0; byte < GroupsPerRelay; ++byte)
            rule[size_t(byte)] = group(relay, byte).byte();
        settings.relayRules[size_t(relay - 1)] = rule;
    }
    // The seconds the panel will hold, so that the journal, a comparison and a saved file speak
    // of what is sent.
    PanelSettings::RelayTimes seconds{};
    for (int relay = 1; relay <= Relays; ++relay)
        seconds[size_t(relay - 1)] = KeptRelaySeconds(StrToInt(onTime(relay)->text()));
    settings.relayTimes = seconds;
}

void RelaysPage::markNotHeld(const PanelSettings &held) const
{
    for (int relay = 1; relay <= Relays; ++relay) {
        const auto &rule = held.relayRules[size_t(relay - 1)];
        for (int byte = 0; byte < GroupsPerRelay; ++byte)
            group(relay, byte)
                .markNotHeld(rule ? std::optional((*rule)[size_t(byte)]) : std::nullopt);
        bool ok = false;
        const int shown = KeptRelaySeconds(onTime(relay)->text().toInt(&ok));
        const bool differs =
            held.relayTimes && (!ok || shown != (*held.relayTimes)[size_t(relay - 1)]);
        orvanta::MarkNotHeld(onTime(relay),
                             differs ? QString::number((*held.relayTimes)[size_t(relay - 1)])
                                     : QString());
    }
}

void RelaysPage::Button8Click()
{
    PanelSettings settings;
    ReadRelays(m_link, settings); // shown only once every record came whole
    ReadObserver observer;
    observe(observer);
    ShowSettings(settings, observer);
}

void RelaysPage::Button22Click()
{
    writeOwnPart();
}

} // namespace orvanta
