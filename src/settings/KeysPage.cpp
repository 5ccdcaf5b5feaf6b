#include "KeysPage.h"

#include "NotHeldMark.h"
#include "dialogs/ActivityControls.h"
#include "dialogs/Dialogs.h"
#include "dialogs/LiveText.h"
#include "dialogs/WidgetNames.h"
#include "link/PanelLink.h"
#include "panel/KeyCode.h"
#include "panel/PanelExchange.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvanta {

namespace {

constexpr int NumberColumn = 0;
constexpr int CodeColumn = 1;

// Shows that the tool is listening for a key, for as long as the capture waits.
class ListeningScope
{
public:
    explicit ListeningScope(QPushButton *button)
        : m_button(button)
        , m_caption(button->text())
    {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_button->setText(KeysPage::tr("Приложите ключ к считывателю…"));
        m_button->setEnabled(false);
        m_button->window()->repaint();
    }
    ~ListeningScope()
    {
        m_button->setText(m_caption);
        m_button->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    ListeningScope(const ListeningScope &) = delete;
    ListeningScope &operator=(const ListeningScope &) = delete;

private:
    QPushButton *m_button;
    QString m_caption;
};

} // namespace

KeysPage::KeysPage(PanelLink &link, QWidget *parent)
    : SettingsPage(parent)
    , m_link(link)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *strip = new QWidget;
    strip->setObjectName(QStringLiteral("Panel2"));
    strip->setFixedHeight(49);
    auto *stripLayout = new QHBoxLayout(strip);
    m_capturedCode = new QLineEdit;
    m_capturedCode->setObjectName(QStringLiteral("e1"));
    m_capturedCode->setFixedWidth(201);
    MarkNotKept(m_capturedCode); // a key code is not kept between runs
    m_capture = new QPushButton;
    m_capture->setObjectName(QStringLiteral("Button3"));
    stripLayout->addWidget(m_capturedCode);
    stripLayout->addWidget(m_capture);
    stripLayout->addStretch(1);
    layout->addWidget(strip);

    m_list = new QTableWidget(0, 2);
    m_list->setObjectName(QStringLiteral("TouchSTR"));
    KeepTranslated(this, [this] {
        m_capturedCode->setAccessibleName(tr("Код ключа"));
        m_capture->setText(tr("Чтение ключа"));
        m_list->setHorizontalHeaderLabels({tr("Номер"), tr("Ключ")});
        m_list->setAccessibleName(tr("Ключи Touch Memory"));
    });
    m_list->verticalHeader()->hide();
    m_list->setColumnWidth(NumberColumn, 49);
    m_list->setColumnWidth(CodeColumn, 627);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectItems);
    layout->addWidget(m_list, 1);

    // Either column selects the row's code (TouchSTRSelectCell).
    connect(m_list, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column != CodeColumn)
            m_list->setCurrentCell(row, CodeColumn);
    });
    BindToActivity(m_capture, m_link.activity(), Activity::Kind::Exchange,
                   [this] { Button3Click(); });
}

void KeysPage::setRow(int row, const QString &code)
{
    if (m_list->rowCount() < row)
        m_list->setRowCount(row);
    m_list->setItem(row - 1, NumberColumn, new QTableWidgetItem(QString::number(row)));
    m_list->setItem(row - 1, CodeColumn, new QTableWidgetItem(code));
}

QString KeysPage::keyCode(int row) const
{
    const QTableWidgetItem *item = m_list->item(row - 1, CodeColumn);
    return item ? item->text() : QString();
}

void KeysPage::addPlaceholderKeys()
{
    for (int row = 1; row <= Slots; ++row)
        setRow(row, PlaceholderKeyCode);
    m_list->setCurrentCell(0, CodeColumn);
}

QString KeysPage::title() const
{
    return tr("Ключи Touch Memory");
}

void KeysPage::observe(ReadObserver &observer)
{
    observer.keysStart = [this] {
        m_selectedBeforeRead = std::max(m_list->currentRow(), 0);
        m_list->setRowCount(0);
    };
    observer.key = [this](int slot, const QString &code) {
        setRow(slot, code);
        // The capture always has a target: the row selected before, once it is back, and
        // row 1 until then (also when the read ends early).
        m_list->setCurrentCell(m_selectedBeforeRead < slot ? m_selectedBeforeRead : 0, CodeColumn);
    };
}

void KeysPage::collect(PanelSettings &settings) const
{
    for (int row = 1; row <= Slots; ++row) {
        const QString code = keyCode(row);
        settings.keys[size_t(row - 1)] = code.isEmpty() ? std::nullopt : std::optional(code);
    }
}

void KeysPage::markNotHeld(const PanelSettings &held) const
{
    for (int row = 1; row <= std::min(Slots, m_list->rowCount()); ++row) {
        QTableWidgetItem *item = m_list->item(row - 1, CodeColumn);
        if (!item)
            continue;
        const std::optional<QString> &code = held.keys[size_t(row - 1)];
        const bool differs = code && code->compare(item->text(), Qt::CaseInsensitive) != 0;
        item->setBackground(differs ? QBrush(QColor(0xff, 0xa0, 0xa0)) : QBrush());
        item->setToolTip(differs ? NotHeldText(*code) : QString());
    }
}

void KeysPage::Button3Click()
{
    const int row = m_list->currentRow() + 1; // 0: the title row
    if (row < 1)
        return;
    QString value;
    {
        ListeningScope listening(m_capture);
        value = m_link.queryAllowingSilence(KeySlotCommand(0), CaptureReadBudget);
    }
    // No key at the reader: the row and the code field stay as they were, so that the next write
    // of all settings does not erase the key held in that slot.
    if (value.isEmpty()) {
        Dialogs::ShowInformation(tr("Ключ не прочитан: приложите ключ к считывателю и повторите"),
                                 window());
        return;
    }
    m_capturedCode->setText(ReverseKeyBytes(value));
    setRow(row, m_capturedCode->text());
    m_list->setCurrentCell(row - 1, CodeColumn);
}

} // namespace orvanta
