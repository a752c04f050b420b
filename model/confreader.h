#pragma once

#include "model/conf.h"
#include "model/sectionreader.h"

#include <QByteArray>
#include <QVector>

class QTextCodec;

// Reads a configuration file's bytes into a Conf: the [classes] section by the rules of the
// toolkit's INI reader, then the subclass sections with a strict line scanner, which stops at
// the first line outside the header that is neither a section line nor holds exactly one "=".
class ConfReader
{
public:
    explicit ConfReader(Conf& conf) : conf(conf) {}
    void read(const QByteArray& bytes);
    // Only the subclass sections, for a text known to hold no [classes] section.
    void read_sections(const QByteArray& bytes);

    // One line of the text without its line end: where it starts and its number from 1.
    struct Line
    {
        SectionReader::Text text;
        int start = 0;
        int number = 0;
        const QString* own = nullptr; // the line's own string, when it was decoded alone
    };

private:
    // Where a section starts in the text, for finding its lines again once a later section with
    // the same number turns out to replace it.
    struct SectionStart
    {
        quint32 number;
        int start;
        int line;
        int order;
    };

    template <typename Lines> void scan(Lines& lines);
    // The lines of the section starting at start that its record keeps.
    template <typename Lines> void note_replaced(Lines lines);
    template <typename Lines> void note_replaced_sections(const Lines& text);
    void finish_section(int start, int line);

    Conf& conf;
    SectionReader pending;
    QVector<SectionStart> starts;
};
