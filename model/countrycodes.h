#pragma once

#include <QStringList>

// The officially assigned two-letter country codes, ordered by the countries' English names.
const QStringList& country_codes();
