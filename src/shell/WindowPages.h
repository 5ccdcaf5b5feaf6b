#pragma once

#include "panel/PanelExchange.h"
#include "panel/PanelSettings.h"

#include <QTabWidget>
#include <vector>

namespace orvanta {

class GeneralPage;
class KeysPage;
class LoopsPage;
class PanelLink;
class RelaysPage;
class SettingsPage;
class SoundPage;
class SoundSession;

// The window's five pages: the sound page first, then the settings pages in the order of their
// tabs. Together they show the panel's settings and give what the user set.
class WindowPages : public QTabWidget
{
    Q_OBJECT
public:
    // Where the settings shown came from, as the report names it: the port a panel was read on,
    // or a settings file; nothing before either.
    struct Origin
    {
        QString port;
        QString file;
    };

    WindowPages(PanelLink &link, SoundSession &sounds, QWidget *parent = nullptr);

    SoundPage &sounds() { return *m_soundPage; }
    KeysPage &keys() { return *m_keysPage; }
    GeneralPage &general() { return *m_generalPage; }
    LoopsPage &loops() { return *m_loopsPage; }
    RelaysPage &relays() { return *m_relaysPage; }
    const std::vector<SettingsPage *> &settingsPages() const { return m_settingsPages; }

    // The settings the pages show; throws when a field is no number.
    PanelSettings collect() const;
    // The part of the settings that its page shows; throws when a field is no number.
    void collectPart(WritePart part, PanelSettings &settings) const;
    void show(const PanelSettings &settings, const Origin &origin);
    const Origin &origin() const { return m_origin; }
    // Marks on the pages what the panel does not hold of what they show; nothing held clears.
    void markNotHeld(const PanelSettings &held);
    // What the pages hold once the window is built, so that asStarted() can tell.
    void keepStart();
    // Whether the pages hold nothing read or edited since keepStart().
    bool asStarted() const;
    void setDebugMode(bool on);
    // Tab on the shown page follows what the eye reads, once it is laid out.
    void orderTabsOnceLaidOut();

private:
    SoundPage *m_soundPage = nullptr;
    GeneralPage *m_generalPage = nullptr;
    KeysPage *m_keysPage = nullptr;
    LoopsPage *m_loopsPage = nullptr;
    RelaysPage *m_relaysPage = nullptr;
    std::vector<SettingsPage *> m_settingsPages;
    PanelSettings m_startSettings;
    bool m_shown = false; // a read, a file or a snapshot went into the pages
    Origin m_origin;
};

} // namespace orvanta
