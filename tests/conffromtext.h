#pragma once

#include "model/conf.h"

#include <QTemporaryFile>
#include <QTextCodec>

// A configuration read from the text of a file, as Open reads it.
inline Conf conf_from_text(const QString& text)
{
    QTemporaryFile file;
    if (!file.open())
        return Conf();
    file.write(Conf::file_codec()->fromUnicode(text));
    file.close();
    return Conf(file.fileName());
}
