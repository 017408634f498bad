// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringView>

// The form in which names are compared when a person searches: lower case, accents removed,
// full stops dropped, apostrophes dropped ("St. John's" gives "st johns") but after a one-letter
// word ("Côte d'Ivoire" gives "cote d ivoire"), any other mark that is
// neither letter nor digit taken as a blank, "saint"/"sainte" as the words "st"/"ste", and
// blanks simplified. The city index is built by the artwork generator with the same rule, so
// a change here needs the same change there.
QString FoldForSearch(QStringView text);
