#pragma once

#include "SettingsPage.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace orvanta {

struct PanelSettings;
struct ReadObserver;

// The page "Общие настройки": firmware version, password, and the eight general options, which
// travel in the loop settings record.
class GeneralPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit GeneralPage(QWidget *parent = nullptr);

    // The options by bit of their byte: ohrana, ps, sn, not_tm, brb_rez, brb_osn, xrele, xwork.
    const std::array<QCheckBox *, 8> &Options() const { return m_options; }
    QLineEdit *version() const { return m_version; }
    QLineEdit *password() const { return m_password; }

    QString title() const override;
    WritePart part() const override { return WritePart::Password; }
    // Shows the version and password as a read takes them; gives the password typed.
    void observe(ReadObserver &observer) override;
    void collect(PanelSettings &settings) const override;
    // Marks the password when the panel does not hold the one typed.
    void markNotHeld(const PanelSettings &held) const override;

protected:
    // The password field's key filter (xpassKeyPress).
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_version = nullptr;  // xver
    QLineEdit *m_password = nullptr; // xpass
    std::array<QCheckBox *, 8> m_options{};
};

} // namespace orvanta
