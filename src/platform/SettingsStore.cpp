#include "SettingsStore.h"

#include "ExecutableName.h"

#include <QSettings>
#include <QStandardPaths>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

// Small enough that every printable ASCII character of a key or an ISO date
// stays printable ASCII when scrambled, so the stored form survives INI files
// and registry value names alike.
constexpr int kScrambleShift = 7;
static_assert(kScrambleShift >= 1 && kScrambleShift <= 127, "ASCII must stay within 0-255");

constexpr char16_t kLastLatin1Code = 0xFF;

const QString kSection = u"Settings"_s;
const QString kReminderDateKey = u"Duration"_s;

QString shiftLatin1Codes(const QString& text, int shift)
{
    QString shifted;
    shifted.reserve(text.size());
    for (const QChar character : text) {
        const int code = character.unicode() + shift;
        if (character.unicode() > kLastLatin1Code || code < 0 || code > kLastLatin1Code) {
            continue;
        }
        shifted.append(QChar(static_cast<char16_t>(code)));
    }
    return shifted;
}

std::unique_ptr<QSettings> openUserSettings()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(u"HKEY_CURRENT_USER\\Software\\"_s + executableBaseName(),
                                       QSettings::NativeFormat);
#else
    // A file of its own named after the program, with no organisation folder:
    // QSettings' organisation/application form refuses an empty organisation.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(folder + u'/' + executableBaseName() + u".ini"_s,
                                       QSettings::IniFormat);
#endif
}

QString reminderDateKey()
{
    return kSection + u'/' + ScrambleSetting(kReminderDateKey);
}

} // namespace

SettingsStore::SettingsStore() : m_settings(openUserSettings())
{
}

SettingsStore::SettingsStore(const QString& iniFilePath)
    : m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::reminderDate() const
{
    return UnscrambleSetting(m_settings->value(reminderDateKey()).toString());
}

void SettingsStore::setReminderDate(const QString& date)
{
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
