#pragma once

#include "wordlists/wordlists.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// A word list table in which list k offers "wkA" .. "wkD" (4 items shown), with a few real words:
// list 31 holds Ball at item 4, list 7 holds bell and ballon nowhere, list 50 holds kite at item
// 12, past the shown items.
inline wordlists::WordLists makeWordLists()
{
    wordlists::WordLists table;
    table.setItemsPerList(4);
    for (int list = 1; list <= wordlists::MAXLISTNUM; ++list) {
        for (int item = 1; item <= 4; ++item)
            table.setWord(list, item,
                          QStringLiteral("w%1%2").arg(list).arg(QChar(u'A' + item - 1)));
    }
    table.setWord(31, 4, QStringLiteral("Ball"));
    table.setWord(7, 2, QStringLiteral("bell"));
    table.setWord(3, 3, QStringLiteral("dog"));
    table.setWord(5, 3, QStringLiteral("cat"));
    table.setWord(50, 12, QStringLiteral("kite"));
    return table;
}

// The name of recording k (1..50) of a well-formed folder: first number 10 + k, so every name
// has the same width and the sorted order is the order of k; its target word is item 1 of list k.
inline QString recordingName(int k)
{
    return QStringLiteral("%1_%2_w%3A.wav").arg(10 + k).arg(k, 2, 10, QChar(u'0')).arg(k);
}

// The content of recording k: distinct bytes, so a test sees which file landed where.
inline QByteArray recordingBytes(int k)
{
    return QByteArray("RIFF-recording-") + QByteArray::number(k);
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes recordings 1..count into folder (which ends in "/"); false when a write failed.
inline bool writeRecordings(const QString& folder, int count)
{
    for (int k = 1; k <= count; ++k) {
        if (!writeFile(folder + recordingName(k), recordingBytes(k)))
            return false;
    }
    return true;
}
