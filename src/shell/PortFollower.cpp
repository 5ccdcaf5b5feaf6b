#include "PortFollower.h"

#include "dialogs/StatusLine.h"
#include "link/AppConfig.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyledItemDelegate>

namespace orvanta {

namespace {

// The adapter's name of a cb1 entry, which the drop-down shows before its path.
constexpr int AdapterNameRole = Qt::UserRole + 1;

class AdapterNameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString name = index.data(AdapterNameRole).toString();
        if (!name.isEmpty())
            option->text = name + QStringLiteral(" — ") + option->text;
    }
};

// The port chosen is cb1's.
PortFollowing::Front choosingIn(QComboBox &port, PortFollowing::Front front)
{
    front.chosen = [&port] {
        return port.currentText();
    };
    front.choose = [&port](const QString &path) {
        port.setCurrentText(path);
    };
    return front;
}

} // namespace

PortFollower::PortFollower(QComboBox &port, StatusLine &note, PanelLink &link,
                           PortFollowing::Front front, const QString &deviceFolder, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_note(note)
    , m_following(link, choosingIn(port, std::move(front)), deviceFolder, this)
{
    m_port.setItemDelegate(new AdapterNameDelegate(&m_port));
    fillList();
    connect(&m_following, &PortFollowing::adaptersChanged, this, &PortFollower::fillList);
    connect(&m_following, &PortFollowing::said, this, &PortFollower::say);
    // The tooltip names the adapter chosen.
    connect(&m_port, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        const SerialAdapter *adapter = m_following.watcher().find(text);
        m_port.setToolTip(adapter ? adapter->label() : QString());
    });
}

void PortFollower::fillList()
{
    const PortWatcher &watcher = m_following.watcher();
    const QString chosen = m_port.currentText();
    const QSignalBlocker quiet(&m_port);
    m_port.clear();
    for (const QString &name : PortNames(watcher.adapters())) {
        m_port.addItem(name);
        if (const SerialAdapter *adapter = watcher.find(name)) {
            m_port.setItemData(m_port.count() - 1, adapter->name(), AdapterNameRole);
            m_port.setItemData(m_port.count() - 1, adapter->label(), Qt::ToolTipRole);
        }
    }
    // The drop-down is as wide as its longest entry, so that a name is never cut in two.
    int widest = 0;
    for (const SerialAdapter &adapter : watcher.adapters())
        widest = std::max(widest, m_port.view()->fontMetrics().horizontalAdvance(adapter.label()));
    m_port.view()->setMinimumWidth(widest + m_port.view()->fontMetrics().averageCharWidth() * 4);
    m_port.setCurrentText(chosen);
    const SerialAdapter *adapter = watcher.find(chosen);
    m_port.setToolTip(adapter ? adapter->label() : QString());
}

void PortFollower::say(const QString &text, bool problem)
{
    // A problem in dark red, news in the window's own colour.
    QPalette palette = m_note.parentWidget() ? m_note.parentWidget()->palette() : m_note.palette();
    if (problem)
        palette.setColor(QPalette::WindowText, QColor(0xaa, 0, 0));
    m_note.setPalette(palette);
    m_note.say(text);
}

} // namespace orvanta
