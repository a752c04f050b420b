#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

class QTextCodec;

// The keys and values of a configuration file's [classes] section, read from the file's bytes by
// the rules of the toolkit's INI settings reader (QSettings in INI format, entering the group
// "classes", each value taken as its text conversion), which tests and a fuzzer compare it with.
// That reader would parse every section of the file, the subclass sections included, to answer
// for the ten keys of the header; this one only finds where the sections start. Where that reader
// would decode a binary value (@Variant, @DateTime) and trust the counts in it, this one keeps
// the value's text; binary_kept, if given, tells whether it did.
QMap<QString, QString> read_classes_section(const QByteArray& data, QTextCodec* codec,
                                            bool* binary_kept = nullptr);
