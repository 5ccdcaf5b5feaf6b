#include "IniFile.h"

#include "AtomicFile.h"
#include "Errors.h"
#include "TextEncoding.h"

#include <QCoreApplication>
#include <QFile>

namespace orvanta {

IniFile IniFile::read(const QString &path)
{
    IniFile ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ini;
    TextEncoding encoding;
    const QString text = decodeText(file.readAll(), encoding);
    QString section;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !ini.contains(section, line.left(equals).trimmed()))
            ini.setValue(section, line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return ini;
}

IniFile::Section *IniFile::find(const QString &section)
{
    const auto found = m_sections.find(section.toLower());
    return found == m_sections.end() ? nullptr : &found->second;
}

const IniFile::Section *IniFile::find(const QString &section) const
{
    const auto found = m_sections.find(section.toLower());
    return found == m_sections.end() ? nullptr : &found->second;
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    const Section *s = find(section);
    if (!s)
        return fallback;
    const auto found = s->values.find(key.toLower());
    return found == s->values.end() ? fallback : found->second;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const Section *s = find(section);
    return s && s->values.count(key.toLower()) > 0;
}

QStringList IniFile::keys(const QString &section) const
{
    const Section *s = find(section);
    return s ? s->keys : QStringList();
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    Section *s = find(section);
    if (!s) {
        s = &m_sections[section.toLower()];
        s->name = section;
        m_order += section.toLower();
    }
    if (!s->values.count(key.toLower()))
        s->keys += key;
    s->values[key.toLower()] = value;
}

void IniFile::write(const QString &path) const
{
    QString text;
    for (const QString &name : m_order) {
        const Section &s = m_sections.at(name);
        text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const QString &key : s.keys)
            text += key + QLatin1Char('=') + s.values.at(key.toLower()) + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    QString error;
    if (SaveFileAtomically(path, text.toUtf8(), &error) != SaveResult::Saved)
        throw EInOutError(
            QCoreApplication::translate("orvanta::IniFile", "Не удалось записать файл %1: %2")
                .arg(path, error));
}

} // namespace orvanta
