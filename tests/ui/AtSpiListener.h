#pragma once

// What a screen reader hears of this program over the accessibility bus (AT-SPI): it asks the
// registry for the events Orca listens to and keeps the text of every text insertion and the
// objects that showed, as a screen reader in another process would receive them.

#include <QDBusConnection>
#include <QHash>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QStringList>

class TAtSpiListener : public QObject {
    Q_OBJECT
public:
    ~TAtSpiListener() override;

    // Connects to the session's accessibility bus and registers for the events; false, with
    // `Error` set, when there is no such bus.
    bool Listen();

    // What one object of this program told: the texts inserted into it, in order, and how many
    // times it showed.
    struct THeard {
        QStringList Texts;
        int Showings = 0;
    };
    // What each object of this program that the bus gives the role name `role` told.
    QList<THeard> HeardFrom(const QString& role);

    QString Error;

private slots:
    void OnEvent(const QDBusMessage& event);

private:
    QString RoleName(const QString& path);

    QStringList Inserted;          // the text each "object:text-changed:insert" event carried
    QStringList Sources;           // the object each of those events came from
    QStringList Shown;             // the objects of each "object:state-changed:showing" event
    QHash<QString, QString> Roles; // the role name of each object asked about
    QString Sender;
    bool Connected = false;
};
