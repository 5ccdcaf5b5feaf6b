#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;

namespace orvanta {

class Activity;
class StatusLine;

// The window's header: the port, the connection's tick, reading and writing every setting, the
// version, and the file menu with the languages. Nothing reaches the panel from here while
// another activity runs.
class HeaderBar : public QWidget
{
    Q_OBJECT
public:
    explicit HeaderBar(Activity &activity, QWidget *parent = nullptr);

    QComboBox &port() { return *m_port; }
    // The port chosen or typed.
    QString portName() const;
    QCheckBox &connected() { return *m_connected; }
    // The name of the site whose panel is worked on; empty at every start.
    QLineEdit &site() { return *m_site; }
    // A panel answered on the port: a site named while the panel was on another port is not this
    // panel's, and its name goes.
    void panelFoundOn(const QString &port);
    StatusLine &portNote() { return *m_portNote; }
    // An entry of the file menu, greyed while another activity runs; its caption in the language
    // spoken.
    void addFileAction(const char *name, std::function<QString()> caption,
                       std::function<void()> action);
    // The languages below the file entries, each by its own name.
    void addLanguageMenu(const std::function<void(const QString &)> &choose);

signals:
    void readRequested();
    void writeRequested();
    // A press on the tick: ask the panel again instead of toggling it.
    void connectionPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Activity &m_activity;
    QComboBox *m_port = nullptr;      // cb1
    QCheckBox *m_connected = nullptr; // xCon
    QLineEdit *m_site = nullptr;      // SiteEdit
    QString m_sitePort;               // where the panel was when the site was named
    StatusLine *m_portNote = nullptr; // what became of an adapter
    QMenu *m_fileMenu = nullptr;
};

} // namespace orvanta
