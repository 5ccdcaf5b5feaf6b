#pragma once

#include <QString>
#include <functional>

namespace orvanta {

class PanelLink;

// The panel's byte-addressed memory through "+E": byte reads and writes, and its 16-bit words
// (word n: high byte at 2n, low byte at 2n + 1), which hold the message address table.
class PanelMemory
{
public:
    // A word that keeps differing is written at most this often (the first write included).
    static constexpr int MaxWrites = 4;

    explicit PanelMemory(PanelLink &link)
        : m_link(link)
    {}

    // The address as two lower-case hex digits ("0a", "6c").
    static QString addressDigits(int address);

    // The byte as the panel's reply gives it (two hex digits), or empty without an answer.
    QString readByte(int address);
    // Writes two characters; the reply is not examined.
    void writeByte(int address, const QString &twoCharacters);

    // Word n as its two byte texts, the high byte read first.
    struct Word
    {
        QString high;
        QString low;
        QString text() const { return high + low; }
    };
    Word readWord(int n);

    // Makes word n hold value (four hex characters, compared as text): reads it back, rewrites
    // it when it differs, and reports each verification as "n: value : HHLL", with "--->" in
    // front when it differed. While keepCorrecting() says so, a rewritten word is verified again,
    // up to MaxWrites writes; the last report stays. Always returns true.
    bool try_write_eeprom(const QString &value, int n,
                          const std::function<void(const QString &)> &report,
                          const std::function<bool()> &keepCorrecting);

private:
    PanelLink &m_link;
};

} // namespace orvanta
