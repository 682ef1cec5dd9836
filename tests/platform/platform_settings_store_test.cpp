#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

const QString kDate = u"2024-04-03"_s;

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The stored value is neither the key's name nor a date in any form a person
// or a program would recognise.
void expectScrambled(const QString& iniPath)
{
    const QByteArray contents = contentsOf(iniPath);
    ASSERT_FALSE(contents.isEmpty()) << "nothing was written to " << iniPath.toStdString();
    EXPECT_TRUE(contents.contains("[Settings]"));
    EXPECT_FALSE(contents.contains("Duration"));
    EXPECT_FALSE(contents.contains(kDate.toUtf8()));

    QSettings raw(iniPath, QSettings::IniFormat);
    raw.beginGroup(u"Settings"_s);
    ASSERT_EQ(raw.childKeys().size(), 1);
    const QString storedValue = raw.value(raw.childKeys().front()).toString();
    EXPECT_FALSE(QDate::fromString(storedValue, Qt::ISODate).isValid());
    EXPECT_FALSE(QDate::fromString(storedValue, u"yyyyMMdd"_s).isValid());
}

class SettingsStoreFile : public ::testing::Test
{
protected:
    QString iniPath() const { return m_folder.filePath(u"store.ini"_s); }
    QTemporaryDir m_folder;
};

TEST_F(SettingsStoreFile, readsNothingBeforeAnythingIsRecorded)
{
    EXPECT_EQ(SettingsStore(iniPath()).reminderDate(), QString());
}

TEST_F(SettingsStoreFile, givesTheRecordedDateBackToTheNextRun)
{
    SettingsStore(iniPath()).setReminderDate(kDate);
    EXPECT_EQ(SettingsStore(iniPath()).reminderDate(), kDate);
}

TEST_F(SettingsStoreFile, writesTheDateOutBeforeTheStoreGoesAway)
{
    SettingsStore store(iniPath());
    store.setReminderDate(kDate);
    // Read from the file itself while the store still exists (QSettings
    // objects in one process share unwritten changes): a process ended at
    // this point keeps the date.
    EXPECT_TRUE(contentsOf(iniPath()).contains("[Settings]"));
}

TEST_F(SettingsStoreFile, storesKeyAndValueScrambled)
{
    SettingsStore(iniPath()).setReminderDate(kDate);
    expectScrambled(iniPath());
}

TEST_F(SettingsStoreFile, overwritesTheOneValue)
{
    SettingsStore store(iniPath());
    store.setReminderDate(u"2020-01-01"_s);
    store.setReminderDate(kDate);
    EXPECT_EQ(SettingsStore(iniPath()).reminderDate(), kDate);
    expectScrambled(iniPath());
}

QStringList warnings;

void recordWarning(QtMsgType /*type*/, const QMessageLogContext& /*context*/, const QString& text)
{
    warnings.append(text);
}

TEST_F(SettingsStoreFile, leavesAFileFarLargerThanItWritesAsItIs)
{
    // Valid lines, the reminder date first, as a file grown by some other
    // program or by accident may hold them: nothing of it may be read or lost.
    SettingsStore(iniPath()).setReminderDate(kDate);
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    for (int line = 0; line < 20000; ++line)
        file.write("key" + QByteArray::number(line) + "=a value of no meaning\n");
    file.close();
    const QByteArray before = contentsOf(iniPath());

    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    {
        SettingsStore store(iniPath());
        EXPECT_EQ(store.reminderDate(), QString());
        store.setReminderDate(u"2030-01-01"_s);
    }
    qInstallMessageHandler(previous);

    EXPECT_TRUE(contentsOf(iniPath()) == before) << "the file was changed";
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.front().contains(QDir::toNativeSeparators(iniPath())))
        << warnings.front().toStdString();
}

#ifdef Q_OS_WIN
TEST(UserSettingsStore, keepsTheDateInTheRegistryUnderTheProgramsName)
{
    SettingsStore().setReminderDate(kDate);

    QSettings registry(u"HKEY_CURRENT_USER\\Software\\"_s +
                           QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
                       QSettings::NativeFormat);
    EXPECT_EQ(registry.value(u"Settings/"_s + ScrambleSetting(u"Duration"_s)).toString(),
              ScrambleSetting(kDate));
    EXPECT_EQ(SettingsStore().reminderDate(), kDate);
    registry.remove(QString()); // the test's own key
}
#else
// The real per-user store, pointed at a temporary configuration folder.
class UserSettingsStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        m_hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        // A folder that does not exist yet, as on a fresh account.
        qputenv("XDG_CONFIG_HOME", m_folder.filePath(u"config"_s).toUtf8());
    }
    void TearDown() override
    {
        if (m_hadConfigHome)
            qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    // Named after the executable, with no organisation folder.
    QString expectedIniPath() const
    {
        return m_folder.filePath(u"config/"_s) +
               QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + u".ini"_s;
    }

    QTemporaryDir m_folder;
    QByteArray m_savedConfigHome;
    bool m_hadConfigHome = false;
};

TEST_F(UserSettingsStore, keepsTheDateInAnIniFileNamedAfterTheProgram)
{
    SettingsStore().setReminderDate(kDate);

    EXPECT_TRUE(QFileInfo::exists(expectedIniPath())) << expectedIniPath().toStdString();
    EXPECT_EQ(SettingsStore().reminderDate(), kDate);
    expectScrambled(expectedIniPath());
}
#endif

} // namespace
} // namespace skyvarre
