#pragma once

#include "SettingsPage.h"

#include "CheckGroup.h"

namespace orvanta {

class PanelLink;
struct PanelSettings;
struct ReadObserver;

// The page "Настройка шлейфов": how each of the eight loops reacts, read and written together
// with the general options as the five-byte loop settings record ("+K").
class LoopsPage : public SettingsPage
{
    Q_OBJECT
public:
    static constexpr int RecordBytes = 5;

    LoopsPage(PanelLink &link, const std::array<QCheckBox *, 8> &options,
              QWidget *parent = nullptr);

    // Reads the record into the 40 checkboxes; no value disables them, a bad value throws
    // EConvertError and changes nothing.
    void ReadSHClick();
    // Writes the record the 40 checkboxes make, checked, through the page's part write.
    void WriteSHClick();

    QString title() const override;
    WritePart part() const override { return WritePart::Loops; }
    // Shows the record as a read takes it; gives the record the checkboxes make.
    void observe(ReadObserver &observer) override;
    void collect(PanelSettings &settings) const override;
    // Marks the boxes (general options among them) whose check the panel does not hold.
    void markNotHeld(const PanelSettings &held) const override;

private:
    PanelLink &m_link;
    CheckGroup m_groups[RecordBytes]; // by byte of the record
};

} // namespace orvanta
