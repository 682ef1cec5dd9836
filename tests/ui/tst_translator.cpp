#include "ui/Translator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QtTest>

// The language chosen from the system's list, against a German catalogue made
// for this test (translator/skyvarre_de.ts) and Qt's own translations where
// Debian puts them (qt6-translations-l10n).

using namespace skyvarre;

namespace {

const char* const kContext = "skyvarre::InputChecks";
const char* const kText = "Please Enter Your Name";

QString programText()
{
    return QCoreApplication::translate(kContext, kText);
}

// A message-box button, as Qt names it.
QString qtText()
{
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

} // namespace

class tst_Translator : public QObject
{
    Q_OBJECT

private slots:
    void theFirstLanguageWithATranslationIsChosen_data();
    void theFirstLanguageWithATranslationIsChosen();
};

void tst_Translator::theFirstLanguageWithATranslationIsChosen_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QLocale::Language>("chosen");

    // As QLocale::uiLanguages() lists them for LANG, LANGUAGE and LC_ALL.
    QTest::newRow("a German system reads German")
        << QStringList{"de-DE", "de-Latn-DE", "de"} << QLocale::German;
    QTest::newRow("an Austrian system reads German")
        << QStringList{"de-AT", "de-Latn-AT"} << QLocale::German;
    QTest::newRow("German after a language without a translation is chosen")
        << QStringList{"fr-FR", "fr-Latn-FR", "fr", "de", "de-Latn-DE", "de-DE"} << QLocale::German;
    QTest::newRow("English before German stays English")
        << QStringList{"en-US", "en-Latn-US", "en", "de", "de-Latn-DE", "de-DE"}
        << QLocale::English;
    QTest::newRow("the C locale (LANG=C) stays English") << QStringList{"C"} << QLocale::English;
    QTest::newRow("German after a language Qt does not know is chosen (LANGUAGE=xx:de)")
        << QStringList{"xx", "C", "de", "de-Latn-DE", "de-DE"} << QLocale::German;
    QTest::newRow("no language at all stays English") << QStringList{} << QLocale::English;
}

void tst_Translator::theFirstLanguageWithATranslationIsChosen()
{
    QFETCH(QStringList, languages);
    QFETCH(QLocale::Language, chosen);
    const bool german = chosen == QLocale::German;
    {
        const Translator translator(languages, QStringLiteral(SKYVARRE_TEST_CATALOGUES));
        QCOMPARE(translator.language(), chosen);
        QCOMPARE(programText(), german ? QStringLiteral("Bitte geben Sie Ihren Namen ein")
                                       : QString::fromLatin1(kText));
        QCOMPARE(qtText(), german ? QStringLiteral("&Ja") : QStringLiteral("&Yes"));
    }
    // The translations go with the translator.
    QCOMPARE(programText(), QString::fromLatin1(kText));
    QCOMPARE(qtText(), QStringLiteral("&Yes"));
}

QTEST_GUILESS_MAIN(tst_Translator)
#include "tst_translator.moc"
