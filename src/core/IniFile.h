#pragma once

#include <QString>
#include <QStringList>
#include <map>

namespace orvanta {

// An initialisation file: [sections] of key=value lines. Section and key names are matched
// without regard to letter case; values keep theirs. Reading a missing file gives an empty one.
class IniFile
{
public:
    static IniFile read(const QString &path);

    QString value(const QString &section, const QString &key, const QString &fallback = {}) const;
    bool contains(const QString &section, const QString &key) const;
    // Keys of a section in file order, as spelled in the file.
    QStringList keys(const QString &section) const;

    void setValue(const QString &section, const QString &key, const QString &value);
    // Writes the whole file through a temporary one; throws EInOutError on failure.
    void write(const QString &path) const;

private:
    struct Section
    {
        QString name;
        QStringList keys;                  // as spelled, in order
        std::map<QString, QString> values; // by lower-case key
    };
    Section *find(const QString &section);
    const Section *find(const QString &section) const;

    std::map<QString, Section> m_sections; // by lower-case name
    QStringList m_order;
};

} // namespace orvanta
