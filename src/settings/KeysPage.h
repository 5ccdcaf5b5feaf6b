#pragma once

#include "SettingsPage.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvanta {

class PanelLink;
struct PanelSettings;
struct ReadObserver;

// The page "Ключи Touch Memory": the codes of the panel's four key slots, and the capture of
// the key held at the panel's reader into the selected slot.
class KeysPage : public SettingsPage
{
    Q_OBJECT
public:
    static constexpr int Slots = 4;
    static constexpr int CaptureReadBudget = 5000;

    explicit KeysPage(PanelLink &link, QWidget *parent = nullptr);

    // Four rows, numbered 1 to 4, each with the placeholder code.
    void addPlaceholderKeys();
    // Captures the key at the panel's reader into the selected row.
    void Button3Click();

    // The code shown in a row (1 to 4).
    QString keyCode(int row) const;

    QString title() const override;
    WritePart part() const override { return WritePart::Keys; }
    // Shows the keys as a read takes them; gives the keys of the list (a row without a code
    // gives none).
    void observe(ReadObserver &observer) override;
    void collect(PanelSettings &settings) const override;
    // Marks the rows whose code the panel's slot does not hold.
    void markNotHeld(const PanelSettings &held) const override;

private:
    void setRow(int row, const QString &code);

    PanelLink &m_link;
    int m_selectedBeforeRead = 0;
    QLineEdit *m_capturedCode = nullptr; // e1
    QPushButton *m_capture = nullptr;    // Button3
    QTableWidget *m_list = nullptr;      // TouchSTR
};

} // namespace orvanta
