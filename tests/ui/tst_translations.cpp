#include "ui/Translator.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// Every language the program ships is complete. Its .ts file, brought up to
// date with the sources in a copy (as update_translations would, but keeping
// what left the sources as "vanished"), has a translation for every text the
// program shows and nothing left over; and the program carries its catalogue,
// which the translator chooses on a system in that language.

using namespace skyvarre;

namespace {

QStringList shippedLanguages()
{
    return QStringLiteral(SKYVARRE_LANGUAGES).split(u',');
}

QString catalogueName(const QString& language)
{
    return QStringLiteral("skyvarre_%1.ts").arg(language);
}

// The source texts of the messages in a .ts file that lack a translation:
// unfinished, or left over from a text the sources no longer have.
QStringList untranslatedTexts(QFile& file)
{
    QStringList missing;
    QXmlStreamReader xml(&file);
    QString source;
    QString kind;
    bool empty = true;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"message") {
            source.clear();
            kind.clear();
            empty = true;
        } else if (xml.isStartElement() && xml.name() == u"source") {
            // A control character is an element of its own (<byte value="xd"/>).
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isStartElement() && xml.name() == u"translation") {
            kind = xml.attributes().value(QStringLiteral("type")).toString();
            empty = xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty();
        } else if (xml.isEndElement() && xml.name() == u"message" &&
                   (empty || kind == u"unfinished" || kind == u"vanished" || kind == u"obsolete")) {
            missing.append(kind == u"unfinished" || kind.isEmpty()
                               ? source
                               : QStringLiteral("%1 (%2)").arg(source, kind));
        }
    }
    if (xml.hasError())
        missing.append(QStringLiteral("unreadable: ") + xml.errorString());
    return missing;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void everyShippedLanguageIsComplete_data();
    void everyShippedLanguageIsComplete();

private:
    QTemporaryDir m_current;
};

void tst_Translations::initTestCase()
{
    QVERIFY(m_current.isValid());
    QStringList arguments = QStringLiteral(SKYVARRE_LUPDATE_OPTIONS).split(u'|');
    arguments << QStringLiteral("@" SKYVARRE_LUPDATE_SOURCES) << QStringLiteral("-ts");
    for (const QString& language : shippedLanguages()) {
        const QString copy = m_current.filePath(catalogueName(language));
        QVERIFY2(QFile::copy(QDir(QStringLiteral(SKYVARRE_TRANSLATIONS_FOLDER))
                                 .filePath(catalogueName(language)),
                             copy),
                 qPrintable(catalogueName(language) + QStringLiteral(" is missing")));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        arguments << copy;
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(SKYVARRE_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAllStandardError().constData());
}

void tst_Translations::everyShippedLanguageIsComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : shippedLanguages())
        QTest::newRow(
            qPrintable(QStringLiteral("%1 has a translation for every text").arg(language)))
            << language;
}

void tst_Translations::everyShippedLanguageIsComplete()
{
    QFETCH(QString, language);
    QFile current(m_current.filePath(catalogueName(language)));
    QVERIFY(current.open(QIODevice::ReadOnly));
    const QStringList missing = untranslatedTexts(current);
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("%1 texts without a translation, among them: %2")
                            .arg(missing.size())
                            .arg(missing.mid(0, 3).join(QStringLiteral(" / ")))));

    const Translator translator({language});
    QCOMPARE(translator.language(), QLocale(language).language());
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
