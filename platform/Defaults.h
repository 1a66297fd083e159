// A per-user settings store per module name, with registered fallbacks that are never written.
// One INI file per module in the user's config folder ($XDG_CONFIG_HOME, else ~/.config), opened
// on a handle's first read or write; every handle on a module sees the same values, and a handle
// writes its changes to the file (atomically) when it is destroyed, so fetch a fresh handle for
// each operation and let it go. Anything but a regular file there is neither read nor written.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <utility>
#include <vector>

class QSettings;

class Defaults {
public:
    using Table = std::vector<std::pair<QString, QVariant>>;

    static Defaults forModule(const QString &moduleName);
    // From now on every module reads path, a file in the store's format, and nothing is written
    // anywhere. Empty when path can be read as such; else one line saying why not.
    static QString readOnlyFrom(const QString &path);
    Defaults(Defaults &&) noexcept;
    ~Defaults();

    // Fallbacks, kept in memory for the process: bools as the strings "YES" / "NO", integers as
    // qint64, floats as float. The file is not read for this.
    void registerDefaults(const Table &defaults);

    // The stored value, or the registered one when nothing usable is stored (missing, of the
    // wrong kind, unparsable, or a non-finite float).
    bool boolForKey(const QString &key) const;
    qint64 integerForKey(const QString &key) const;
    float floatForKey(const QString &key) const;

    void setBool(bool value, const QString &key);
    void setInteger(qint64 value, const QString &key);
    void setFloat(float value, const QString &key); // written in shortest form, reads back exactly
    void removeObjectForKey(const QString &key);

    QString fileName() const;

private:
    explicit Defaults(const QString &moduleName);
    template <typename T> T read(const QString &key, bool (*parse)(const QVariant &, T *)) const;
    void write(const QString &key, const QVariant &value);
    // The open file, or nullptr when it is not a regular file.
    QSettings *file() const;

    QString module;
    QString path;
    mutable std::unique_ptr<QSettings> settings;
    bool dirty = false;
};
