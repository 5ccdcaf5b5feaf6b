#pragma once

#include "NotHeldMark.h"

#include <QCheckBox>
#include <array>
#include <cstdint>
#include <optional>

namespace orvanta {

// Eight checkboxes that stand for the bits of one settings byte: box i is bit i (value 1 << i).
class CheckGroup
{
public:
    CheckGroup() = default;
    explicit CheckGroup(const std::array<QCheckBox *, 8> &boxes)
        : m_boxes(boxes)
    {}

    // Sets the check marks from the byte's bits (SetGroupChecks).
    void setChecks(uint8_t byte) const
    {
        for (int i = 0; i < 8; ++i)
            m_boxes[size_t(i)]->setChecked((byte >> i) & 1);
    }
    // The byte the check marks make, whether the boxes are enabled or not (GetGroupByte).
    uint8_t byte() const
    {
        uint8_t byte = 0;
        for (int i = 0; i < 8; ++i)
            if (m_boxes[size_t(i)]->isChecked())
                byte |= uint8_t(1 << i);
        return byte;
    }
    // Marks each box whose check the panel's byte does not hold; nothing held clears the marks.
    void markNotHeld(std::optional<uint8_t> held) const
    {
        for (int i = 0; i < 8; ++i) {
            const bool panel = held && ((*held >> i) & 1);
            const bool differs = held && panel != m_boxes[size_t(i)]->isChecked();
            orvanta::MarkNotHeld(m_boxes[size_t(i)], differs ? CheckText(panel) : QString());
        }
    }
    // Enables or disables the boxes; their marks stay (SetGroupEnabled).
    void setEnabled(bool enabled) const
    {
        for (QCheckBox *box : m_boxes)
            box->setEnabled(enabled);
    }

private:
    std::array<QCheckBox *, 8> m_boxes{};
};

// A checkbox without text, named "CheckBox" and its number, as the settings pages address them;
// a screen reader speaks the words of its row and column (accessibleName).
inline QCheckBox *NumberedCheckBox(int number, const QString &accessibleName)
{
    auto *box = new QCheckBox;
    box->setObjectName(QStringLiteral("CheckBox%1").arg(number));
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace orvanta
