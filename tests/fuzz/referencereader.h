#pragma once

#include "model/conf.h"

#include <QByteArray>

// The file reader as it was before it read from memory with matchers of its own: the header
// through QSettings on a file, the text through a QTextStream on a file opened in text mode, and
// the grammar through the QRegExp patterns. The reader must read every file as this does.
struct ReferenceRead
{
    Conf conf;
    int stopped_at_line = 0;
    QString stopped_line_text;
};
ReferenceRead reference_read(const QByteArray& bytes);
