#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace orvanta {

class HeaderBar;
class PanelActions;
class Session;
class WindowPages;
struct Question;

// The entries of the header's file menu: the pages' settings into a file and a file into the
// pages (nothing is sent), a file compared with the panel, a snapshot returned, the report and
// the support bundle. Each asks in the window's boxes and runs the session's workflow.
class FileMenuActions : public QObject
{
    Q_OBJECT
public:
    FileMenuActions(Session &session, WindowPages &pages, PanelActions &actions,
                    std::function<QString()> port, QWidget *window);
    // Adds the entries to the header's menu.
    void addTo(HeaderBar &header);

    void saveSettingsToFile();
    void loadSettingsFromFile();
    // "Сохранить отчёт…": the pages, the messages and the last writes as a PDF.
    void saveReport();
    // "Сохранить сведения для поддержки…": the support bundle, the secrets replaced.
    void saveSupportBundle();
    void compareWithPanel();
    // "Вернуть настройки до записи…": a snapshot of the journal written back into the panel, with
    // the differences shown and asked about first, a snapshot of what it holds now kept, and the
    // result read back.
    void restoreSnapshot();

    // The session's question before a snapshot is written back, in a box: true for Yes.
    static bool Ask(const Question &question, QWidget *window);

private:
    Session &m_session;
    WindowPages &m_pages;
    PanelActions &m_actions;
    std::function<QString()> m_port;
    QWidget *m_window;
};

} // namespace orvanta
