#ifndef PROGRAMPROFILE_H
#define PROGRAMPROFILE_H

#include "pumpprotocol.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// How a setting's value is shown and typed, and so which values it admits.
enum class SettingKind {
    Assignment, // "DHCP" or "Static"
    Address, // dotted IPv4, four decimal groups 0-255
    Digits, // a few digits, as the form's mask admits them
    Switch, // "On" or "Off", sent with a CR of its own
    Key, // free text that is a secret: never shown, never logged
};

// What a setting means to the code that needs one in particular: a static
// assignment moves the pump to the address it is written with.
enum class SettingRole {
    Plain, // nothing depends on it beyond its own value
    Assignment, // the IP assignment, "DHCP" or "Static"
    Address, // the pump's own IPv4 address
};

struct SettingDescription
{
    QByteArray mnemonic;
    SettingKind kind = SettingKind::Digits;
    // What the technician calls the setting, in English; marked for translation in
    // the context "SettingTitle", in which a window translates it.
    const char *title = "";
    SettingRole role = SettingRole::Plain;
    // Digits only: how many digits the mask admits, and whether a sign may lead.
    int maxDigits = 0;
    bool mayBeSigned = false;
};

// What one program of the family says to a pump and how it hears the answers:
// its settings in the order they are read and written, whether it reads them at
// all, how it paces its read, and which replies it knows. Every program, the
// command line and the simulator share these tables; nothing else differs.
class ProgramProfile
{
public:
    enum class ReplyKind {
        Identity, // "NID": a pump states who and where it is
        Setting, // the answer to one of the profile's settings
        Quiet, // volunteered by the pump and dropped without a word
        Unknown, // logged as an unknown response
    };

    // How a program reads, beyond its settings; each field named where a profile is made.
    struct Conduct
    {
        // The connection-key tool only writes: selecting a pump reads nothing.
        bool readsSettings = true;
        // The IP tool's pump needs the pause after its last answer as well.
        bool pausesAfterLastQuery = false;
        // Replies the pump volunteers that this program drops without a word.
        QVector<QByteArray> quietReplies;
    };

    static const ProgramProfile &network();
    static const ProgramProfile &ip();
    static const ProgramProfile &key();
    // "network", "ip" or "key"; null for any other name.
    static const ProgramProfile *byName(const QString &name);

    QString name() const { return profileName; }
    const QVector<SettingDescription> &settings() const { return settingDescriptions; }
    int settingCount() const { return settingDescriptions.size(); }
    // The index of the setting with this mnemonic, or -1.
    int indexOf(const QByteArray &mnemonic) const;
    // The index of the setting with this role, or -1 where the program has none.
    int indexOf(SettingRole role) const;
    // The mnemonic of the setting with this role, or an empty one.
    QByteArray mnemonicOf(SettingRole role) const;

    bool readsSettings() const { return conduct.readsSettings; }
    bool pausesAfterLastQuery() const { return conduct.pausesAfterLastQuery; }
    // The pause a pump needs after frame `index` of an Ethernet sequence of `count`
    // frames: PumpProtocol::framePauseMs after every frame but the last. After the
    // last, a write needs none (the pump restarts on its save frame), and a read
    // rests only where pausesAfterLastQuery() says so.
    int pauseAfterFrameMs(int index, int count, bool isWrite) const;

    // How a reply with this (upper-case) mnemonic is taken; for a setting,
    // *settingIndex receives its index.
    ReplyKind classifyReply(const QByteArray &mnemonic, int *settingIndex = nullptr) const;

    // A reply line as every link takes it in: upper-cased, taken apart, and classified.
    struct RoutedReply
    {
        ReplyKind kind = ReplyKind::Unknown;
        int settingIndex = -1;
        PumpProtocol::Reply reply;
    };
    // Routes one raw reply, a datagram or a line cut from the serial stream. Anything
    // from the wire is welcome: false for a line too short to carry a mnemonic, which
    // every link drops without a word.
    bool routeReply(const QByteArray &raw, RoutedReply *routed) const;

    // The read sequence: one query frame per setting, or none in a write-only program.
    QVector<QByteArray> queryFrames() const;
    // The write sequence: one set frame per setting, `values` in the order of
    // settings(), then the save frame. A missing value is sent empty.
    QVector<QByteArray> writeFrames(const QStringList &values) const;

private:
    ProgramProfile(QString name, QVector<SettingDescription> settings, Conduct conduct);

    QString profileName;
    QVector<SettingDescription> settingDescriptions;
    Conduct conduct;
};

#endif // PROGRAMPROFILE_H
