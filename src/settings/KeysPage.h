#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvanta {

class PanelLink;
struct PanelSettings;
struct ReadObserver;

// The page "Ключи Touch Memory": the codes of the panel's four key slots, and the capture of
// the key held at the panel's reader into the selected slot.
class KeysPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Slots = 4;
    static constexpr int CaptureReadBudget = 5000;

    explicit KeysPage(PanelLink &link, QWidget *parent = nullptr);

    // Four rows, numbered 1 to 4, each with the placeholder code.
    void AddPlaceholderKeys();
    // Replaces the list with the codes the panel's slots hold.
    void ReadKeys();
    // Sends the codes of rows 1 to 4 to the panel's slots.
    void WriteKeys();
    // Captures the key at the panel's reader into the selected row.
    void Button3Click();

    // The code shown in a row (1 to 4).
    QString KeyCode(int row) const;

    // Shows the keys as a read takes them; gives the keys of the list (a row without a code
    // gives none).
    void Observe(ReadObserver &observer);
    void Collect(PanelSettings &settings) const;
    // Marks the rows whose code the panel's slot does not hold.
    void MarkNotHeld(const PanelSettings &held) const;

private:
    void setRow(int row, const QString &code);

    PanelLink &m_link;
    int m_selectedBeforeRead = 0;
    QLineEdit *m_capturedCode = nullptr; // e1
    QPushButton *m_capture = nullptr;    // Button3
    QTableWidget *m_list = nullptr;      // TouchSTR
};

} // namespace orvanta
