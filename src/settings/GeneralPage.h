#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;

namespace orvanta {

struct PanelSettings;
struct ReadObserver;

// The page "Общие настройки": firmware version, password, and the eight general options, which
// travel in the loop settings record.
class GeneralPage : public QWidget
{
    Q_OBJECT
public:
    explicit GeneralPage(QWidget *parent = nullptr);

    // The options by bit of their byte: ohrana, ps, sn, not_tm, brb_rez, brb_osn, xrele, xwork.
    const std::array<QCheckBox *, 8> &Options() const { return m_options; }
    QLineEdit *Version() const { return m_version; }
    QLineEdit *Password() const { return m_password; }

    // Shows the version and password as a read takes them; gives the password typed.
    void Observe(ReadObserver &observer);
    void Collect(PanelSettings &settings) const;
    // Marks the password when the panel does not hold the one typed.
    void MarkNotHeld(const PanelSettings &held) const;

protected:
    // The password field's key filter (xpassKeyPress).
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_version = nullptr;  // xver
    QLineEdit *m_password = nullptr; // xpass
    std::array<QCheckBox *, 8> m_options{};
};

} // namespace orvanta
