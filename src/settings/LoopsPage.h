#pragma once

#include "CheckGroup.h"
#include "DebugButtons.h"

#include <QWidget>

namespace orvanta {

class PanelLink;
struct PanelSettings;
struct ReadObserver;

// The page "Настройка шлейфов": how each of the eight loops reacts, read and written together
// with the general options as the five-byte loop settings record ("+K").
class LoopsPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RecordBytes = 5;

    LoopsPage(PanelLink &link, const std::array<QCheckBox *, 8> &options,
              QWidget *parent = nullptr);

    // Reads the record into the 40 checkboxes; no value disables them, a bad value throws
    // EConvertError and changes nothing.
    void ReadSHClick();
    // Sends the record the 40 checkboxes make.
    void WriteSHClick();

    // Shows the record as a read takes it; gives the record the checkboxes make.
    void Observe(ReadObserver &observer);
    void Collect(PanelSettings &settings) const;
    // Marks the boxes (general options among them) whose check the panel does not hold.
    void MarkNotHeld(const PanelSettings &held) const;
    // How the page's "Записать в устройство" runs its write.
    void SetPartWrite(PartWrite partWrite) { m_partWrite = std::move(partWrite); }

private:
    PanelLink &m_link;
    CheckGroup m_groups[RecordBytes]; // by byte of the record
    PartWrite m_partWrite;
};

} // namespace orvanta
