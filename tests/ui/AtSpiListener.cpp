#include "AtSpiListener.h"

#include <QDBusReply>
#include <QDBusVariant>

namespace {

const QString Name = QStringLiteral("goalrun-test-listener");

} // namespace

TAtSpiListener::~TAtSpiListener() {
    if (!Connected)
        return;
    QDBusConnection(Name).disconnect({}, {}, QStringLiteral("org.a11y.atspi.Event.Object"), {},
                                     this, SLOT(OnEvent(QDBusMessage)));
    QDBusConnection::disconnectFromBus(Name);
}

bool TAtSpiListener::Listen() {
    const QDBusReply<QString> address =
        QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    if (!address.isValid()) {
        Error = QStringLiteral("no accessibility bus: ") + address.error().message();
        return false;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(address.value(), Name);
    Connected = true;
    if (!bus.isConnected()) {
        Error = QStringLiteral("cannot reach ") + address.value();
        return false;
    }
    bus.connect({}, {}, QStringLiteral("org.a11y.atspi.Event.Object"), {}, this,
                SLOT(OnEvent(QDBusMessage)));
    for (const QString& event : {QStringLiteral("object:text-changed:insert"),
                                 QStringLiteral("object:state-changed:showing")}) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry"),
            QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("RegisterEvent"));
        call << event << QStringList() << QString();
        const QDBusMessage reply = bus.call(call);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            Error = QStringLiteral("the registry refused ") + event + QStringLiteral(": ") +
                    reply.errorMessage();
            return false;
        }
    }
    return true;
}

QString TAtSpiListener::RoleName(const QString& path) {
    if (Roles.contains(path))
        return Roles.value(path);
    // The program answers from the thread that waits here, so the wait keeps its events going.
    QDBusMessage call = QDBusMessage::createMethodCall(
        Sender, path, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetRoleName"));
    const QDBusReply<QString> reply = QDBusConnection(Name).call(call, QDBus::BlockWithGui, 10000);
    if (!reply.isValid())
        return reply.error().message();
    Roles.insert(path, reply.value());
    return reply.value();
}

QList<TAtSpiListener::THeard> TAtSpiListener::HeardFrom(const QString& role) {
    QStringList paths;
    QList<THeard> heard;
    for (qsizetype i = 0; i < Inserted.size(); ++i) {
        const QString& path = Sources.at(i);
        if (!paths.contains(path)) {
            if (RoleName(path) != role)
                continue;
            paths << path;
            heard.append({{}, static_cast<int>(Shown.count(path))});
        }
        heard[paths.indexOf(path)].Texts << Inserted.at(i);
    }
    return heard;
}

void TAtSpiListener::OnEvent(const QDBusMessage& event) {
    const QVariantList arguments = event.arguments();
    if (arguments.size() < 4)
        return;
    const QString kind = arguments.at(0).toString();
    if (event.member() == QLatin1String("TextChanged") && kind == QLatin1String("insert")) {
        Inserted << arguments.at(3).value<QDBusVariant>().variant().toString();
        Sources << event.path();
        Sender = event.service();
    } else if (event.member() == QLatin1String("StateChanged") &&
               kind == QLatin1String("showing") && arguments.at(1).toInt() == 1) {
        Shown << event.path();
    }
}
