#pragma once

#include "SoundList.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace orvanta {

// The panel's 54 voice messages as the sound page lists them: each row a message slot with its
// text, its wave file and the result of the last upload. The first two columns are kept in
// "messages.txt" and "sounds.txt", each in the encoding it was read in; their first lines are the
// column titles. Row r of the model is message r + 1.
class MessageList : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TextColumn, FileColumn, AddressColumn, Columns };
    static constexpr int Messages = SoundListColumn::Rows - 1;

    // soundHome: the folder that holds "sound/", the messages' wave files.
    explicit MessageList(QString soundHome, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    // The titles again, after a change of the interface's language.
    void retranslate();
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // A cell by message number; number 0 is the column's title.
    QString cell(int column, int number) const;
    void setCell(int column, int number, const QString &text);

    // Column 0 from the messages list, column 1 from the sounds list, "Адрес" over column 2.
    // Throws EInOutError when a list cannot be read.
    void load(const QString &messagesPath, const QString &soundsPath);
    // The lists of a first start: messages "Сообщение N" with blank file cells (a row gets its
    // file when it first gets a message), titled "Сообщение" and "Файл"; written as new UTF-8
    // files.
    void fillDefaults();
    // Writes both lists back, each on its own. Returns the failures, each naming its file.
    QStringList save(const QString &messagesPath, const QString &soundsPath) const;

    const QString &soundHome() const { return m_soundHome; }
    // The wave file of a message: in "sound/", or an absolute path as it stands.
    QString soundPath(int number) const { return pathOfName(cell(FileColumn, number)); }
    // Where a file name of the list lies: the one rule for the messages' files.
    QString pathOfName(const QString &name) const;
    // The message's file, or empty where the row names none (a blank cell has no message).
    QString messageFile(int number) const;
    // The message's file, naming one first (the number + ".wav") when the cell is blank; the
    // "sound/" folder is made. Empty when the folder cannot be made.
    QString fileToWrite(int number);
    // Seconds of sound in the message's file; 0 without one.
    double messageSeconds(int number) const;
    // What the listed messages that hold sound last, each with perMessage seconds more.
    double listSeconds(double perMessage = 0) const;
    // The address column emptied under its title.
    void clearAddresses();
    // A line shown under the address cell's text in its tooltip (the level an upload heard);
    // a new text in the cell takes it away.
    void setAddressHint(int number, const QString &hint);
    // While locked no cell takes what is typed into it; the program still writes them.
    void setLocked(bool locked) { m_locked = locked; }
    bool locked() const { return m_locked; }

signals:
    // A message's file name changed, or a file was written: the total may differ.
    void filesChanged();

private:
    QString m_soundHome;
    SoundListColumn m_lists[2]; // cells 0 … 54 of the text and file columns, with encodings
    bool m_loaded[2] = {false, false};
    QStringList m_addresses = QStringList(SoundListColumn::Rows);
    QStringList m_addressHints = QStringList(SoundListColumn::Rows);
    bool m_locked = false;
};

} // namespace orvanta
