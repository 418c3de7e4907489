#ifndef PROGRAMPROFILE_H
#define PROGRAMPROFILE_H

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

struct SettingSpec
{
    QByteArray mnemonic;
    SettingKind kind = SettingKind::Digits;
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

    static const ProgramProfile &network();
    static const ProgramProfile &ip();
    static const ProgramProfile &key();
    // "network", "ip" or "key"; null for any other name.
    static const ProgramProfile *byName(const QString &name);

    QString name() const { return profileName; }
    const QVector<SettingSpec> &settings() const { return settingSpecs; }
    int settingCount() const { return settingSpecs.size(); }
    // Replies the pump volunteers that this program drops without a word.
    const QVector<QByteArray> &quietReplies() const { return quietMnemonics; }
    // The index of the setting with this mnemonic, or -1.
    int indexOf(const QByteArray &mnemonic) const;

    // The connection-key tool only writes: selecting a pump reads nothing.
    bool readsSettings() const { return reads; }
    // The IP tool's pump needs the pause after its last answer as well.
    bool pausesAfterLastQuery() const { return pauseAfterLast; }

    // How a reply with this (upper-case) mnemonic is taken; for a setting,
    // *settingIndex receives its index.
    ReplyKind classifyReply(const QByteArray &mnemonic, int *settingIndex = nullptr) const;

    // The read sequence: one query frame per setting, or none in a write-only program.
    QVector<QByteArray> queryFrames() const;
    // The write sequence: one set frame per setting, `values` in the order of
    // settings(), then the save frame. A missing value is sent empty.
    QVector<QByteArray> writeFrames(const QStringList &values) const;

private:
    ProgramProfile(QString name, QVector<SettingSpec> settings, bool reads, bool pauseAfterLast,
                   QVector<QByteArray> quietReplies);

    QString profileName;
    QVector<SettingSpec> settingSpecs;
    bool reads;
    bool pauseAfterLast;
    QVector<QByteArray> quietMnemonics;
};

#endif // PROGRAMPROFILE_H
