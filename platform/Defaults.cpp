// The settings store over QSettings. Values are written as text so a person can edit the file;
// anything unreadable in it falls back to the registered default rather than to zero.
#include "Defaults.h"

#include "Log.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <charconv>
#include <cmath>

static QHash<QString, QHash<QString, QVariant>> &registered() {
    static QHash<QString, QHash<QString, QVariant>> table;
    return table;
}

static bool parseNumber(const QVariant &value, double *result) {
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return false;
    *result = number;
    return true;
}

static bool parseBool(const QVariant &value, bool *result) {
    if (value.typeId() == QMetaType::Bool) {
        *result = value.toBool();
        return true;
    }
    const QString text = value.toString().trimmed();
    if (!text.compare("YES", Qt::CaseInsensitive) || !text.compare("true", Qt::CaseInsensitive)) {
        *result = true;
        return true;
    }
    if (!text.compare("NO", Qt::CaseInsensitive) || !text.compare("false", Qt::CaseInsensitive)) {
        *result = false;
        return true;
    }
    double number;
    if (!parseNumber(value, &number))
        return false;
    *result = number != 0;
    return true;
}

static bool parseInteger(const QVariant &value, qint64 *result) {
    bool ok = false;
    const qint64 integer = value.toString().trimmed().toLongLong(&ok);
    if (ok) {
        *result = integer;
        return true;
    }
    double number; // "3.0" and the like: truncated, as long as it fits
    if (!parseNumber(value, &number) || std::fabs(number) >= 9.2e18)
        return false;
    *result = static_cast<qint64>(number);
    return true;
}

static bool parseFloat(const QVariant &value, float *result) {
    if (value.typeId() == QMetaType::Float) {
        *result = value.toFloat();
        return std::isfinite(*result);
    }
    const QByteArray text = value.toString().trimmed().toLatin1();
    const char *first = text.constData();
    const char *last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    float number;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || !std::isfinite(number))
        return false;
    *result = number;
    return true;
}

static QString &readOnlyPath() {
    static QString path; // empty: each module's own file, read and written
    return path;
}

Defaults Defaults::forModule(const QString &moduleName) {
    return Defaults(moduleName);
}

QString Defaults::readOnlyFrom(const QString &path) {
    const QFileInfo info(path);
    QFile file(path);
    QString problem;
    if (!info.exists())
        problem = "there is no such file";
    else if (!info.isFile())
        problem = "it is not a regular file";
    else if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else if (QSettings(path, QSettings::IniFormat).status() != QSettings::NoError)
        problem = "it is not a settings file (INI)";
    else
        readOnlyPath() = path;
    return problem.isEmpty() ? problem
                             : QString("cannot read settings from %1: %2").arg(path, problem);
}

// Opening a FIFO or a device would block or never end: only a regular file (or a link to one) is
// read, or none at all yet. Said once per file.
static bool usableFile(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return true;
    static QSet<QString> reported;
    if (!reported.contains(path)) {
        reported.insert(path);
        logLine(QString("settings: %1 is not a regular file; using the defaults, and changes will "
                        "not be saved")
                    .arg(path));
    }
    return false;
}

Defaults::Defaults(const QString &moduleName)
    : module(moduleName),
      path(!readOnlyPath().isEmpty()
               ? readOnlyPath()
               : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                     moduleName + ".ini") {}

QSettings *Defaults::file() const {
    if (!settings && usableFile(path))
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return settings.get();
}

Defaults::Defaults(Defaults &&) noexcept = default;

Defaults::~Defaults() {
    if (!settings || !dirty)
        return;
    settings->sync();
    if (settings->status() != QSettings::NoError)
        logLine(QString("settings could not be written to %1").arg(settings->fileName()));
}

void Defaults::registerDefaults(const Table &defaults) {
    QHash<QString, QVariant> &table = registered()[module];
    for (const auto &[key, value] : defaults)
        table.insert(key, value);
}

template <typename T>
T Defaults::read(const QString &key, bool (*parse)(const QVariant &, T *)) const {
    T result{};
    const QVariant stored = file() ? file()->value(key) : QVariant();
    if (stored.isValid() && parse(stored, &result))
        return result;
    const QVariant fallback = registered().value(module).value(key);
    if (fallback.isValid() && parse(fallback, &result))
        return result;
    return T{};
}

bool Defaults::boolForKey(const QString &key) const {
    return read<bool>(key, parseBool);
}

qint64 Defaults::integerForKey(const QString &key) const {
    return read<qint64>(key, parseInteger);
}

float Defaults::floatForKey(const QString &key) const {
    return read<float>(key, parseFloat);
}

void Defaults::write(const QString &key, const QVariant &value) {
    if (!readOnlyPath().isEmpty() || !file())
        return;
    settings->setValue(key, value);
    dirty = true;
}

void Defaults::setBool(bool value, const QString &key) {
    write(key, value ? "YES" : "NO");
}

void Defaults::setInteger(qint64 value, const QString &key) {
    write(key, QString::number(value));
}

void Defaults::setFloat(float value, const QString &key) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    write(key, QString::fromLatin1(text, result.ptr - text));
}

void Defaults::removeObjectForKey(const QString &key) {
    if (!readOnlyPath().isEmpty() || !file())
        return;
    settings->remove(key);
    dirty = true;
}

QString Defaults::fileName() const {
    return path;
}
