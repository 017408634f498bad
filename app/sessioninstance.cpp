// SPDX-License-Identifier: MIT

#include "app/sessioninstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>

namespace {

// For both rounds together: long enough for an owner that is itself still starting on a busy
// machine, short enough that a start facing an owner that never answers says so within two
// seconds.
constexpr int ActivateTimeout = 1200;

QString ActivationTokenKey()
{
    return QStringLiteral("activation-token");
}

} // namespace

QString CSessionInstance::ServiceName()
{
    return QStringLiteral("io.github.brambleway.orbiclock");
}

QString CSessionInstance::ObjectPath()
{
    return QStringLiteral("/io/github/brambleway/orbiclock");
}

CSessionInstance::CSessionInstance(QObject *parent) : QObject(parent) {}

CSessionInstance::~CSessionInstance() = default;

CSessionInstance::Claim CSessionInstance::ClaimSession()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return Claim::NoBus;
    // The object is in place before the name is taken, so a call that comes the moment the
    // name is ours finds it.
    if (!bus.registerObject(ObjectPath(), this, QDBusConnection::ExportScriptableSlots))
        return Claim::NoBus;
    // Two rounds: an owner that ends while we ask leaves the name free for us.
    const QDeadlineTimer deadline(ActivateTimeout);
    for (int round = 0; round < 2 && !deadline.hasExpired(); ++round) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
            bus.interface()->registerService(ServiceName(),
                                             QDBusConnectionInterface::DontQueueService,
                                             QDBusConnectionInterface::DontAllowReplacement);
        if (!reply.isValid()) {
            bus.unregisterObject(ObjectPath());
            return Claim::NoBus;
        }
        if (reply.value() == QDBusConnectionInterface::ServiceRegistered)
            return Claim::Owner;
        QDBusMessage call = QDBusMessage::createMethodCall(
            ServiceName(), ObjectPath(), QStringLiteral("org.freedesktop.Application"),
            QStringLiteral("Activate"));
        QVariantMap platformData;
        // The launcher's startup notice, so the window manager lets the owner's window come up.
        if (const QByteArray id = qgetenv("DESKTOP_STARTUP_ID"); !id.isEmpty())
            platformData.insert(QStringLiteral("desktop-startup-id"), QString::fromUtf8(id));
        // The same on Wayland: without it the compositor may leave the window behind others.
        if (const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
            platformData.insert(ActivationTokenKey(), QString::fromUtf8(token));
        call << platformData;
        if (bus.call(call, QDBus::Block, int(qMax<qint64>(1, deadline.remainingTime()))).type() ==
            QDBusMessage::ReplyMessage) {
            bus.unregisterObject(ObjectPath());
            return Claim::HandedOver;
        }
    }
    bus.unregisterObject(ObjectPath());
    return Claim::Unanswered;
}

void CSessionInstance::Activate(const QVariantMap &platformData)
{
    emit Activated(platformData.value(ActivationTokenKey()).toString());
}

void CSessionInstance::Open(const QStringList &, const QVariantMap &platformData)
{
    Activate(platformData);
}

void CSessionInstance::ActivateAction(const QString &name, const QVariantList &,
                                      const QVariantMap &)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("Orbiclock has no action \"%1\"").arg(name));
}
