// Prints the reminder date that a settings file holds, read the way the
// program reads it, so that shell tests can check what a real run stored.
// Usage: settings_probe <settings file>

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: settings_probe <settings file>\n";
        return 2;
    }
    const skyvarre::SettingsStore settings(QString::fromLocal8Bit(argv[1]));
    QTextStream(stdout) << settings.reminderDate() << '\n';
    return 0;
}
