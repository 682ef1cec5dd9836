#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace skyvarre {

// The program's one persistent value, the update reminder's date, kept per
// user in section "Settings" with key and value scrambled.
class SettingsStore
{
public:
    // The per-user store named after the executable (an INI file in the user's
    // configuration folder; the registry on Windows). Needs the QCoreApplication.
    // An INI file that cannot be the program's is named in one warning.
    SettingsStore();

    // A store kept in the INI file at iniFilePath, for tests.
    explicit SettingsStore(const QString& iniFilePath);

    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The recorded reminder date text, unscrambled; empty when none is recorded
    // or the INI file cannot be the program's (far too large, not a file).
    QString reminderDate() const;

    // Records date as the reminder date text, scrambled, and writes it out at
    // once; does nothing to an INI file that cannot be the program's.
    void setReminderDate(const QString& date);

private:
    std::unique_ptr<QSettings> m_settings; // null while the file is left alone
};

// Shifts each character's Latin-1 code up by the program's scramble amount,
// dropping characters with no Latin-1 code or pushed past 255.
QString ScrambleSetting(const QString& text);

// Undoes ScrambleSetting: shifts each code down, dropping characters with no
// Latin-1 code or pushed below 0.
QString UnscrambleSetting(const QString& text);

} // namespace skyvarre
