#include "SettingsStore.h"

#include "UserLocations.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

// Small enough that every printable ASCII character of a key or an ISO date
// stays printable ASCII when scrambled, so the stored form survives INI files
// and registry value names alike.
constexpr int kScrambleShift = 7;
static_assert(kScrambleShift >= 1 && kScrambleShift <= 127, "ASCII must stay within 0-255");

constexpr char16_t kLastLatin1Code = 0xFF;

// The program writes one short line under one section. A file many times
// that size is not of its making, and QSettings would read and parse it whole
// (and write it all back) before the first window could appear.
constexpr qint64 kLargestSettingsFile = 64 * 1024;

// Where the value is stored, as earlier versions stored it: data, never translated.
const QString kSection = u"Settings"_s;
const QString kReminderDateKey = u"Duration"_s;

QString shiftLatin1Codes(const QString& text, int shift)
{
    QString shifted;
    shifted.reserve(text.size());
    for (const QChar character : text) {
        const int code = character.unicode() + shift;
        if (character.unicode() > kLastLatin1Code || code < 0 || code > kLastLatin1Code)
            continue;
        shifted.append(QChar(static_cast<char16_t>(code)));
    }
    return shifted;
}

// The settings in the INI file at path; none when the path holds something
// that cannot be the program's settings, which is then left exactly as it is.
std::unique_ptr<QSettings> openIniFile(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists() && (!file.isFile() || file.size() > kLargestSettingsFile)) {
        qWarning("%s is not a settings file of this program; it is left untouched.",
                 qUtf8Printable(QDir::toNativeSeparators(path)));
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

std::unique_ptr<QSettings> openUserSettings()
{
    const SettingsLocation location = userSettingsLocation();
    if (location.format == QSettings::IniFormat)
        return openIniFile(location.path);
    return std::make_unique<QSettings>(location.path, location.format);
}

QString reminderDateKey()
{
    return kSection + u'/' + ScrambleSetting(kReminderDateKey);
}

} // namespace

SettingsStore::SettingsStore() : m_settings(openUserSettings())
{
}

SettingsStore::SettingsStore(const QString& iniFilePath) : m_settings(openIniFile(iniFilePath))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::reminderDate() const
{
    if (!m_settings)
        return {};
    return UnscrambleSetting(m_settings->value(reminderDateKey()).toString());
}

void SettingsStore::setReminderDate(const QString& date)
{
    if (!m_settings)
        return; // the file is not the program's to rewrite
    m_settings->setValue(reminderDateKey(), ScrambleSetting(date));
    // The program may end the process at once, without destroying this object,
    // so the value is written now rather than left to QSettings' destructor.
    m_settings->sync();
}

QString ScrambleSetting(const QString& text)
{
    return shiftLatin1Codes(text, kScrambleShift);
}

QString UnscrambleSetting(const QString& text)
{
    return shiftLatin1Codes(text, -kScrambleShift);
}

} // namespace skyvarre
