#include "app/hideabledialog.h"

#include <QEventLoop>

CHideableDialog::CHideableDialog(QWidget *parent) : QDialog(parent) {}

CHideableDialog::~CHideableDialog()
{
    if (m_loop)
        m_loop->exit(Rejected);
}

int CHideableDialog::DoModal()
{
    m_bEnded = false;
    setResult(0);
    OnInitDialog();
    // A dialog that ended while it was initialised never runs.
    if (!m_bEnded) {
        if (m_bVisibleAtStart)
            show();
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    hide();
    return result();
}

void CHideableDialog::done(int result)
{
    m_bEnded = true;
    QDialog::done(result);
    if (m_loop)
        m_loop->exit(result);
}
