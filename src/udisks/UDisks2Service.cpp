#include "udisks/UDisks2Service.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QMap>
#include <QVariantMap>

#include <cstdlib>
#include <filesystem>

namespace vexa {
namespace {

constexpr const char* kService = "org.freedesktop.UDisks2";
constexpr const char* kBlock = "org.freedesktop.UDisks2.Block";
constexpr const char* kFilesystem = "org.freedesktop.UDisks2.Filesystem";
constexpr const char* kDrive = "org.freedesktop.UDisks2.Drive";

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

// A NUL-terminated byte string ("ay") as UDisks2 gives device paths.
std::string bytesText(const QByteArray& bytes) { return std::string(bytes.constData()); }

QByteArray byteArrayOf(const QVariant& value) {
    if (value.canConvert<QDBusArgument>()) {
        QByteArray bytes;
        value.value<QDBusArgument>() >> bytes;
        return bytes;
    }
    return value.toByteArray();
}

std::vector<std::string> mountPointsOf(const QVariant& value) {
    std::vector<std::string> points;
    if (!value.canConvert<QDBusArgument>())
        return points;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QByteArray bytes;
        argument >> bytes;
        points.push_back(bytesText(bytes));
    }
    argument.endArray();
    return points;
}

ManagedObjects managedObjects() {
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<ManagedObjects>();
    QDBusMessage call = QDBusMessage::createMethodCall(kService, "/org/freedesktop/UDisks2",
                                                       "org.freedesktop.DBus.ObjectManager", "GetManagedObjects");
    const QDBusReply<ManagedObjects> reply = QDBusConnection::systemBus().call(call);
    return reply.isValid() ? reply.value() : ManagedObjects{};
}

QString objectOf(const ManagedObjects& objects, const std::string& device) {
    for (auto it = objects.begin(); it != objects.end(); ++it)
        if (it->contains(kBlock) && bytesText(byteArrayOf(it->value(kBlock).value("Device"))) == device)
            return it.key().path();
    return {};
}

}  // namespace

bool UDisks2Service::available() {
    // No system bus at all (containers, CI): say so without asking Qt to connect.
    if (std::getenv("DBUS_SYSTEM_BUS_ADDRESS") == nullptr && !std::filesystem::exists("/run/dbus/system_bus_socket") &&
        !std::filesystem::exists("/var/run/dbus/system_bus_socket"))
        return false;
    const QDBusConnection bus = QDBusConnection::systemBus();
    return bus.isConnected() && bus.interface() != nullptr &&
           bus.interface()->isServiceRegistered(kService).value();
}

std::vector<Volume> UDisks2Service::volumes() {
    std::vector<Volume> list;
    const ManagedObjects objects = managedObjects();
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        if (!it->contains(kBlock) || !it->contains(kFilesystem))
            continue;
        const QVariantMap block = it->value(kBlock);
        Volume volume;
        volume.device = bytesText(byteArrayOf(block.value("Device")));
        volume.label = block.value("IdLabel").toString().toStdString();
        volume.sizeBytes = block.value("Size").toULongLong();
        volume.idType = block.value("IdType").toString().toStdString();
        volume.idVersion = block.value("IdVersion").toString().toStdString();
        volume.mountPoints = mountPointsOf(it->value(kFilesystem).value("MountPoints"));
        const QDBusObjectPath drive = block.value("Drive").value<QDBusObjectPath>();
        const auto driveObject = objects.find(drive);
        if (driveObject != objects.end() && driveObject->contains(kDrive)) {
            const QVariantMap properties = driveObject->value(kDrive);
            volume.removable = properties.value("Removable").toBool() || properties.value("MediaRemovable").toBool();
        }
        list.push_back(std::move(volume));
    }
    return list;
}

VolumeEjection UDisks2Service::eject(const Volume& volume) {
    const ManagedObjects objects = managedObjects();
    const QString object = objectOf(objects, volume.device);
    if (object.isEmpty())
        return {false, false, "「" + volume.device + "」はディスク管理サービス（UDisks2）にありません。"};
    QDBusMessage unmount = QDBusMessage::createMethodCall(kService, object, kFilesystem, "Unmount");
    unmount << QVariantMap{};
    const QDBusMessage unmounted = QDBusConnection::systemBus().call(unmount);
    if (unmounted.type() == QDBusMessage::ErrorMessage)
        return {false, false, "「" + volume.device + "」のマウントを外せません：" + unmounted.errorMessage().toStdString()};
    const QDBusObjectPath drive = objects.value(QDBusObjectPath(object)).value(kBlock).value("Drive").value<QDBusObjectPath>();
    QDBusMessage powerOff = QDBusMessage::createMethodCall(kService, drive.path(), kDrive, "PowerOff");
    powerOff << QVariantMap{};
    const QDBusMessage off = QDBusConnection::systemBus().call(powerOff);
    if (off.type() == QDBusMessage::ErrorMessage)
        return {true, false, off.errorMessage().toStdString()};
    return {true, true, {}};
}

}  // namespace vexa
