// SPDX-License-Identifier: MIT

#include "zones/textfold.h"

#include <QStringList>

namespace {

bool IsApostrophe(QChar c)
{
    return c == u'\'' || c == u'`' || c == QChar(0x2019) || c == QChar(0x2018) ||
           c == QChar(0x02BC);
}

// After a one-letter word ("d'Ivoire", "l'Est") an apostrophe parts two words; elsewhere
// ("John's") it joins them.
bool EndsWithOneLetterWord(const QString &text)
{
    const qsizetype n = text.size();
    return n >= 1 && text[n - 1].isLetter() && (n == 1 || text[n - 2] == u' ');
}

} // namespace

QString FoldForSearch(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c == u'.')
            continue;
        if (IsApostrophe(c)) {
            if (EndsWithOneLetterWord(bare))
                bare.append(u' ');
            continue;
        }
        bare.append(c.isLetterOrNumber() ? c : QChar(u' '));
    }
    const QStringList words = bare.toCaseFolded().split(u' ', Qt::SkipEmptyParts);
    QString folded;
    folded.reserve(bare.size());
    for (const QString &word : words) {
        if (!folded.isEmpty())
            folded.append(u' ');
        if (word == u"saint")
            folded.append(u"st");
        else if (word == u"sainte")
            folded.append(u"ste");
        else
            folded.append(word);
    }
    return folded;
}
