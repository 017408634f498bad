// SPDX-License-Identifier: MIT

#pragma once

#include <QLocale>

class QCoreApplication;

// Installs Qt's own translations (its buttons and standard dialogs) and Orbiclock's for the
// languages of locale, the user's first. A language without translations stays in English;
// Qt's are looked for where Qt keeps them, and their absence only leaves Qt's texts English.
// A right-to-left locale lays the windows out mirrored, and names of places follow the same
// languages. Returns the number of translators
// installed. Run once, before any window is made.
int InstallTranslations(QCoreApplication &app, const QLocale &locale = QLocale());

// The languages to look for translations in, best first ("de_AT", "de"); empty for English
// and for a list that puts English first.
QStringList TranslationLanguages(const QLocale &locale);

// Where Qt's own translations lie on this machine (Debian: qt6-translations-l10n).
QString QtTranslationsPath();
