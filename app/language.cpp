// SPDX-License-Identifier: MIT

#include "app/language.h"

#include "zones/citytable.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>
#include <cstring>

QString QtTranslationsPath()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QStringList TranslationLanguages(const QLocale &locale)
{
    QStringList languages;
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        // The texts are written in English: a user who puts English before another language
        // wants them as written, not in the next language of the list.
        if (language == u"C" || language.startsWith(QLatin1String("en")))
            break;
        for (const QString &name : {language, language.section(u'_', 0, 0)})
            if (!languages.contains(name))
                languages.append(name);
    }
    return languages;
}

int InstallTranslations(QCoreApplication &app, const QLocale &locale)
{
    const QStringList languages = TranslationLanguages(locale);
    int installed = 0;
    const auto install = [&](const QString &name, const QString &dir) {
        for (const QString &language : languages) {
            auto *translator = new QTranslator(&app);
            if (translator->load(name + u'_' + language, dir) &&
                QCoreApplication::installTranslator(translator)) {
                ++installed;
                return;
            }
            delete translator;
        }
    };
    // Names of places come through the C library's gettext, which reads the language from the
    // C locale: where the desktop's locale is not installed that stayed "C", which ignores
    // LANGUAGE. C.UTF-8 honours it, so the names follow the language Qt chose.
    const char *messages = std::setlocale(LC_MESSAGES, nullptr);
    if (!languages.isEmpty() && !qEnvironmentVariableIsSet("LANGUAGE") && messages &&
        (std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0) &&
        std::setlocale(LC_MESSAGES, "C.UTF-8"))
        qputenv("LANGUAGE", languages.join(u':').toLatin1());
    Cities::SetLanguages(languages);
    install(QStringLiteral("qtbase"), QtTranslationsPath());
    install(QStringLiteral("orbiclock"), QStringLiteral(":/i18n"));
    // Qt mirrors the layout when its own translation says so; without that file the locale
    // alone decides.
    if (qobject_cast<QGuiApplication *>(&app) && !languages.isEmpty() &&
        QLocale(languages.first()).textDirection() == Qt::RightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return installed;
}
