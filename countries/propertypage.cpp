// SPDX-License-Identifier: MIT

#include "countries/propertypage.h"

CPropertyPage::CPropertyPage(const QString &title, QWidget *parent)
    : QWidget(parent), m_title(title)
{
    setObjectName(QStringLiteral("propertyPage"));
    setAccessibleName(title);
}
