#include "LoopsPage.h"

#include "dialogs/LiveText.h"
#include "link/PanelLink.h"
#include "panel/PanelExchange.h"

#include <QGridLayout>
#include <QLabel>

namespace orvanta {

namespace {

// The columns of the grid, and the number of each column's checkbox of loop 1.
struct LoopColumn
{
    const char *caption;
    int firstNumber;
    int recordByte; // 0-based byte of the record
};
constexpr LoopColumn Columns[] = {
    {QT_TRANSLATE_NOOP("orvanta::LoopsPage", "Замыкание"), 9, 0},
    {QT_TRANSLATE_NOOP("orvanta::LoopsPage", "Размыкание"), 17, 1},
    {"24", 1, 2},
    {QT_TRANSLATE_NOOP("orvanta::LoopsPage", "Нормально замкнут"), 185, 4},
};
constexpr int OptionsByte = PanelSettings::OptionsByte;

} // namespace

LoopsPage::LoopsPage(PanelLink &link, const std::array<QCheckBox *, 8> &options, QWidget *parent)
    : SettingsPage(parent)
    , m_link(link)
{
    auto *grid = new QGridLayout(this);
    for (int column = 0; column < 4; ++column) {
        const char *const columnCaption = Columns[column].caption;
        auto *caption = TranslatedText(new QLabel, [columnCaption] { return tr(columnCaption); });
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, column + 1);
        std::array<QCheckBox *, 8> boxes{};
        for (int loop = 1; loop <= 8; ++loop) {
            QCheckBox *box = boxes[size_t(loop - 1)] =
                NumberedCheckBox(Columns[column].firstNumber + loop - 1, QString());
            KeepTranslated(box, [box, loop, columnCaption] {
                box->setAccessibleName(tr("Шлейф %1: %2").arg(loop).arg(tr(columnCaption)));
            });
            grid->addWidget(boxes[size_t(loop - 1)], loop, column + 1, Qt::AlignCenter);
        }
        m_groups[Columns[column].recordByte] = CheckGroup(boxes);
    }
    m_groups[OptionsByte] = CheckGroup(options);
    for (int loop = 1; loop <= 8; ++loop)
        grid->addWidget(TranslatedText(new QLabel, [loop] { return tr("Шлейф %1").arg(loop); }),
                        loop, 0);

    addDebugButtons(
        grid, 1, 8, 5, m_link.activity(), QStringLiteral("WriteSH"), [this] { WriteSHClick(); },
        QStringLiteral("ReadSH"), [this] { ReadSHClick(); });
    grid->setColumnStretch(6, 1);
    grid->setRowStretch(9, 1);
}

QString LoopsPage::title() const
{
    return tr("Настройка шлейфов");
}

void LoopsPage::observe(ReadObserver &observer)
{
    observer.loops = [this](const std::optional<PanelSettings::LoopRecord> &record) {
        for (int k = 0; k < RecordBytes; ++k) {
            m_groups[k].setEnabled(record.has_value());
            if (record)
                m_groups[k].setChecks((*record)[size_t(k)]);
        }
    };
}

void LoopsPage::collect(PanelSettings &settings) const
{
    PanelSettings::LoopRecord record{};
    for (int k = 0; k < RecordBytes; ++k)
        record[size_t(k)] = m_groups[k].byte();
    settings.loops = record;
}

void LoopsPage::markNotHeld(const PanelSettings &held) const
{
    for (int k = 0; k < RecordBytes; ++k)
        m_groups[k].markNotHeld(held.loops ? std::optional((*held.loops)[size_t(k)])
                                           : std::nullopt);
}

void LoopsPage::ReadSHClick()
{
    PanelSettings settings;
    ReadLoops(m_link, settings); // shown only once the record came whole
    ReadObserver observer;
    observe(observer);
    ShowSettings(settings, observer);
}

void LoopsPage::WriteSHClick()
{
    writeOwnPart();
}

} // namespace orvanta
