// SPDX-License-Identifier: MIT

#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantMap>

// One copy per desktop session. The first start owns the application's well-known name on the
// session bus and answers org.freedesktop.Application there; a later start finds the name taken,
// asks its owner to Activate (show and raise its window) and ends. The bus decides who owns the
// name, so of two starts at the same instant exactly one keeps running.
class CSessionInstance final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
    Q_DISABLE_COPY_MOVE(CSessionInstance)

public:
    enum class Claim
    {
        Owner,      // this copy owns the name and answers activation
        HandedOver, // the owner was asked to show its window; this copy should end
        NoBus,      // no session bus: run on our own, as a program without one does
        Unanswered, // the name is owned, but its owner does not answer
    };

    static QString ServiceName();
    static QString ObjectPath();

    explicit CSessionInstance(QObject *parent = nullptr);
    ~CSessionInstance() override;

    Claim ClaimSession();

public slots:
    // Called over the bus; Activate and Open both emit Activated with the platform data's
    // activation token. Orbiclock opens no files and has no actions, so Open's URIs are ignored
    // and every action name is refused.
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    Q_SCRIPTABLE void Open(const QStringList &uris, const QVariantMap &platformData);
    Q_SCRIPTABLE void ActivateAction(const QString &name, const QVariantList &parameter,
                                     const QVariantMap &platformData);

signals:
    void Activated(const QString &activationToken);
};
