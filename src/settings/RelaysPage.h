#pragma once

#include "SettingsPage.h"

#include "CheckGroup.h"

#include <array>

class QLineEdit;

namespace orvanta {

class PanelLink;
struct PanelSettings;
struct ReadObserver;

// The page "Настройка включения реле": for each of the five relays, which loop events switch it
// on or off (a four-byte rule record each, "+k01" to "+k05"), and how long it stays on (the
// five-byte time record "+L", in units of two seconds).
class RelaysPage : public SettingsPage
{
    Q_OBJECT
public:
    static constexpr int Relays = 5;
    static constexpr int GroupsPerRelay = 4;

    explicit RelaysPage(PanelLink &link, QWidget *parent = nullptr);

    // The checkbox number of relay (1-5), action (0 on, 1 off), event (0 closing, 1 opening)
    // and loop (1-8).
    static int checkBoxNumber(int relay, int action, int event, int loop)
    {
        return 25 + 32 * (relay - 1) + 16 * action + 8 * event + (loop - 1);
    }

    // Reads the five rule records and the time record. A relay without an answer is disabled;
    // a bad record throws EConvertError and ends the read there.
    void Button8Click();
    // Writes the five rule records, then the time record, checked, through the page's part write.
    // A field that is no whole number, or a time that does not fit the record, ends the write
    // before anything of the part is sent.
    void Button22Click();

    QString title() const override;
    WritePart part() const override { return WritePart::Relays; }
    // Shows the records as a read takes them; gives the records the page makes, each on-time as
    // the panel will hold it (an odd one a second lower; the field keeps what was typed). A field
    // that is no whole number throws EConvertError.
    void observe(ReadObserver &observer) override;
    void collect(PanelSettings &settings) const override;
    // Marks the boxes and on-times the panel does not hold as the page shows them.
    void markNotHeld(const PanelSettings &held) const override;

    QLineEdit *onTime(int relay) const { return m_onTimes[size_t(relay - 1)]; }

private:
    const CheckGroup &group(int relay, int byte) const
    {
        return m_groups[size_t(relay - 1)][size_t(byte)];
    }
    void buildGrid();
    void setOnTimesEnabled(bool enabled) const;

    PanelLink &m_link;
    std::array<std::array<CheckGroup, GroupsPerRelay>, Relays> m_groups;
    std::array<QLineEdit *, Relays> m_onTimes{};
};

} // namespace orvanta
