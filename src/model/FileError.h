#pragma once

#include <QString>

// Why a file could not be read or written, worded for both front ends: zq22
// says it in English, the window in Russian. The causes are told apart here
// only, so that both say the same thing.
struct FileError {
    QString text;        // zq22's words, without the file's name: "the file is empty"
    QString shownText;   // the window's words: "файл пуст"

    static FileError noSuchFile();
    static FileError notRegularFile();
    static FileError directory();
    static FileError empty();
    static FileError tooShort(qint64 size, qint64 expected);
    static FileError noDirectory(const QString& folder);
    static FileError directoryNotWritable(const QString& folder);
    static FileError readOnlyFileSystem(const QString& mountPoint);
    // Anything else, in the system's own words for both.
    static FileError system(const QString& reason);
};
