#include "platform/SingleInstanceGuard.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

constexpr int kWaitMs = 20000;

// One copy of a guarded program (single_instance_probe) with its runtime
// folder set to the test's temporary folder.
class Copy
{
public:
    explicit Copy(const QString& runtimeFolder)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // The lock's folder: the runtime folder on Unix, the temporary one on Windows.
        for (const QString& folder : {u"XDG_RUNTIME_DIR"_s, u"TMP"_s, u"TEMP"_s})
            environment.insert(folder, QDir::toNativeSeparators(runtimeFolder));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QString::fromUtf8(SINGLE_INSTANCE_PROBE), {});
    }

    ~Copy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kWaitMs);
        }
    }

    Copy(const Copy&) = delete;
    Copy& operator=(const Copy&) = delete;

    // Waits until the copy is up and waiting to ask its guard.
    bool waitUntilReady() { return readLine() == "ready"; }

    // Lets the copy ask its guard.
    void ask() { m_process.write("ask\n"); }

    // "running" when the copy found no other, "refused" when it did.
    QByteArray answer() { return readLine(); }

    // Starts the copy and returns its answer.
    QByteArray start()
    {
        if (!waitUntilReady())
            return "not ready";
        ask();
        return answer();
    }

    // Ends the copy normally; it gives its lock back on the way out.
    bool quit()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(kWaitMs) && m_process.exitCode() == 0;
    }

    // Ends the copy with SIGKILL, the way a crash ends it, and reaps it.
    bool killOutright()
    {
        m_process.kill();
        return m_process.waitForFinished(kWaitMs) && m_process.exitStatus() == QProcess::CrashExit;
    }

private:
    QByteArray readLine()
    {
        while (!m_process.canReadLine())
            if (!m_process.waitForReadyRead(kWaitMs))
                return "no answer";
        return m_process.readLine().trimmed();
    }

    QProcess m_process;
};

class SingleInstance : public ::testing::Test
{
protected:
    QString lockFile() const { return m_runtimeFolder.filePath(u"single_instance_probe.lock"_s); }
    QTemporaryDir m_runtimeFolder;
};

TEST_F(SingleInstance, refusesASecondCopyUntilTheFirstHasEnded)
{
    Copy first(m_runtimeFolder.path());
    ASSERT_EQ(first.start(), "running");
    EXPECT_TRUE(QFileInfo::exists(lockFile())) << "the lock is not in the runtime folder";

    Copy second(m_runtimeFolder.path());
    EXPECT_EQ(second.start(), "refused");
    EXPECT_TRUE(second.quit());

    ASSERT_TRUE(first.quit());
    EXPECT_FALSE(QFileInfo::exists(lockFile()));
    Copy third(m_runtimeFolder.path());
    EXPECT_EQ(third.start(), "running");
}

TEST_F(SingleInstance, aCopyKilledOutrightDoesNotBlockTheNextStart)
{
    Copy killed(m_runtimeFolder.path());
    ASSERT_EQ(killed.start(), "running");
    ASSERT_TRUE(killed.killOutright());
    ASSERT_TRUE(QFileInfo::exists(lockFile())) << "the killed copy should leave its lock behind";

    Copy next(m_runtimeFolder.path());
    EXPECT_EQ(next.start(), "running");
    Copy another(m_runtimeFolder.path());
    EXPECT_EQ(another.start(), "refused");
}

TEST_F(SingleInstance, ofCopiesStartedAtTheSameMomentExactlyOneRuns)
{
    constexpr int kRounds = 10;
    constexpr int kCopies = 3;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::unique_ptr<Copy>> copies;
        for (int index = 0; index < kCopies; ++index)
            copies.push_back(std::make_unique<Copy>(m_runtimeFolder.path()));
        // Every copy is up and waiting; then all ask at once.
        for (auto& copy : copies)
            ASSERT_TRUE(copy->waitUntilReady());
        for (auto& copy : copies)
            copy->ask();
        int running = 0;
        for (auto& copy : copies) {
            const QByteArray answer = copy->answer();
            ASSERT_TRUE(answer == "running" || answer == "refused") << answer.constData();
            running += answer == "running" ? 1 : 0;
        }
        EXPECT_EQ(running, 1) << "in round " << round;
        for (auto& copy : copies)
            EXPECT_TRUE(copy->quit());
    }
}

TEST(SingleInstanceGuard, countsAGuardOfThisProcessAsAnotherCopy)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"program.lock"_s);
    {
        SingleInstanceGuard first(path);
        ASSERT_FALSE(first.anotherCopyIsRunning());
        SingleInstanceGuard second(path);
        EXPECT_TRUE(second.anotherCopyIsRunning());
    }
    SingleInstanceGuard afterwards(path);
    EXPECT_FALSE(afterwards.anotherCopyIsRunning());
}

// A lock file that nobody holds, as a crash, another host or another version
// of the program may leave it.
struct LeftLockFile
{
    std::string description;
    QByteArray contents;
    qint64 ageInSeconds = 3600;
};

void PrintTo(const LeftLockFile& row, std::ostream* out)
{
    *out << row.description;
}

class LockFileLeftBehind : public ::testing::TestWithParam<LeftLockFile>
{
};

TEST_P(LockFileLeftBehind, doesNotStopTheStart)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"program.lock"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(GetParam().contents), GetParam().contents.size());
    ASSERT_TRUE(file.flush());
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-GetParam().ageInSeconds),
                                 QFileDevice::FileModificationTime));
    file.close();

    SingleInstanceGuard guard(path);
    EXPECT_FALSE(guard.anotherCopyIsRunning());
    SingleInstanceGuard second(path);
    EXPECT_TRUE(second.anotherCopyIsRunning()) << "the lock was not taken over";
}

// QLockFile's record: process id, program name, host name.
QByteArray recordOf(qint64 pid, const QString& host)
{
    return QByteArray::number(pid) + "\nplatform_tests\n" + host.toUtf8() + '\n';
}

INSTANTIATE_TEST_SUITE_P(
    , LockFileLeftBehind,
    ::testing::Values(
        LeftLockFile{"anEmptyFile", {}},
        LeftLockFile{"bytesThatAreNoRecord", QByteArray("\x00\xff\xfe lock?\n\n\x01", 12)},
        LeftLockFile{"aRecordWrittenOnAnotherHost", recordOf(4242, u"elsewhere.example"_s)},
        LeftLockFile{"aRecordInAnotherFormat",
                     QByteArray("{\"pid\": 1, \"program\": \"skyvarre\"}")},
        LeftLockFile{"aRecordNamingARunningProcessOfTheSameProgram",
                     recordOf(QCoreApplication::applicationPid(), QSysInfo::machineHostName())},
        // As a copy killed while taking the lock leaves it, moments before this start.
        LeftLockFile{"anEmptyFileJustLeft", {}, 0},
        LeftLockFile{"bytesThatAreNoRecordJustLeft", QByteArray("\x00\xff\xfe lock?", 9), 0},
        LeftLockFile{"aRecordOfAnotherProcessJustLeft", recordOf(999999999, u""_s), 0}),
    [](const ::testing::TestParamInfo<LeftLockFile>& row) { return row.param.description; });

TEST(SingleInstanceGuard, letsTheProgramRunWhenNoLockCanBeWritten)
{
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(u"file"_s);
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    SingleInstanceGuard guard(notAFolder + u"/program.lock"_s);
    EXPECT_FALSE(guard.anotherCopyIsRunning());
}

} // namespace
} // namespace skyvarre
