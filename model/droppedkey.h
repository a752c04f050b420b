#pragma once

#include <QString>

// A key line of a subclass section whose value a save would not write back: the record has no
// place for the key, a later line of the section sets the same key, or a later section with the
// same subclass number replaces the whole section.
struct DroppedKey
{
    enum class Reason
    {
        unknown_key,
        repeated_key,
        replaced_section
    };
    int line = 0; // from 1
    QString key;
    Reason reason = Reason::unknown_key;
};
