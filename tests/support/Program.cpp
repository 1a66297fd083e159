// Helpers for running the program itself.
#include "Program.h"
#include "Testing.h"

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

Ended runProgram(const QStringList &arguments, const std::map<QString, QString> &changes,
                 const QStringList &unset) {
    QTemporaryDir settings;
    QProcess program;
    program.setProcessEnvironment(programEnvironment(settings.path(), changes, unset));
    program.start(TETRAVOLUTE, arguments);
    EXPECT_TRUE(program.waitForFinished(30000)) << "still running after 30 s";
    program.kill();
    EXPECT_TRUE(QDir(settings.path()).isEmpty()) << "the settings were touched";
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            logLines(program.readAllStandardError()),
            QString::fromLocal8Bit(program.readAllStandardOutput())};
}

QByteArray outputOf(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return process.readAllStandardOutput();
}

QStringList filmLibraries(qint64 pid) {
    QFile maps(QString("/proc/%1/maps").arg(pid));
    maps.open(QIODevice::ReadOnly);
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString name = QString::fromLocal8Bit(line).section('/', -1);
        static const QRegularExpression film(R"(^(libav|libsw|libx264|libvpx|tetravolute-film))");
        if (film.match(name).hasMatch() && !found.contains(name))
            found << name;
    }
    return found;
}
