// Helpers for running the program itself.
#include "Program.h"

#include <QRegularExpression>

QProcessEnvironment programEnvironment(const QString &settings,
                                       const std::map<QString, QString> &changes,
                                       const QStringList &unset) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", settings);
    // The tester's own Wayland session or platform choice would add a line or change the platform.
    for (const char *name : {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
        environment.remove(name);
    for (const auto &[name, value] : changes)
        environment.insert(name, value);
    for (const QString &name : unset)
        environment.remove(name);
    return environment;
}

QStringList logLines(const QByteArray &text) {
    static const QRegularExpression logLine(R"(^\d{4}-\d\d-\d\d [\d:.]+ \w+\[\d+\] )");
    return QString::fromLocal8Bit(text).split('\n').filter(logLine);
}
