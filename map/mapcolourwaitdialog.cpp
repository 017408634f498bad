// SPDX-License-Identifier: MIT

#include "map/mapcolourwaitdialog.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

// Dialog units of the dialog's font: a quarter of the average character width across, an
// eighth of the character height down.
QRect FromDialogUnits(const QFontMetrics &fm, int x, int y, int w, int h)
{
    const QString sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int cx = (fm.horizontalAdvance(sample) / 26 + 1) / 2;
    const int cy = fm.height();
    return {x * cx / 4, y * cy / 8, w * cx / 4, h * cy / 8};
}

} // namespace

CMapColourWaitDialog::CMapColourWaitDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("mapColourWaitDialog"));
    setAccessibleName(tr("Changing Map Colours"));
}

CMapColourWaitDialog::~CMapColourWaitDialog() = default;

bool CMapColourWaitDialog::Create()
{
    if (m_bCreated)
        return false;
    m_bCreated = true;
    setWindowTitle(tr("Changing Map Colours"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(false);
    const QFontMetrics fm(font());
    setFixedSize(FromDialogUnits(fm, 0, 0, 115, 51).size());

    auto *text = new QLabel(tr("Please wait while the map colour is changed ..."), this);
    text->setObjectName(QStringLiteral("waitText"));
    text->setAccessibleName(text->text());
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setGeometry(FromDialogUnits(fm, 7, 16, 101, 25));
    return true;
}

void CMapColourWaitDialog::ShowOver(const QWidget *widget)
{
    if (!m_bCreated)
        Create();
    QRect area;
    if (widget)
        area = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
    show();
    repaint();
    // Let the window system map and draw it before the caller blocks on the work.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
