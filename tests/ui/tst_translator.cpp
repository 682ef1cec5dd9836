#include "ui/Translator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <QtTest>

// The language chosen from the system's list: against a German catalogue made
// for this test (translator/skyvarre_de.ts), and against the program's own
// catalogues for every language it ships and for the languages that read
// another's; Qt's own translations where Debian puts them
// (qt6-translations-l10n).

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

// The text as the catalogue of that name in folder translates it; English
// for no catalogue.
QString textIn(const QString& folder, const QString& catalogue)
{
    QTranslator translator;
    if (catalogue.isEmpty() || !translator.load(QStringLiteral("skyvarre_") + catalogue, folder))
        return QString::fromLatin1(kText);
    return translator.translate(kContext, kText);
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
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("catalogue");

    const QString test = QStringLiteral(SKYVARRE_TEST_CATALOGUES);
    // As QLocale::uiLanguages() lists them for LANG, LANGUAGE and LC_ALL.
    QTest::newRow("a German system reads German")
        << QStringList{"de-DE", "de-Latn-DE", "de"} << test << "de";
    QTest::newRow("an Austrian system reads German")
        << QStringList{"de-AT", "de-Latn-AT"} << test << "de";
    QTest::newRow("German after a language without a translation is chosen")
        << QStringList{"fr-FR", "fr-Latn-FR", "fr", "de", "de-Latn-DE", "de-DE"} << test << "de";
    QTest::newRow("English before German stays English")
        << QStringList{"en-US", "en-Latn-US", "en", "de", "de-Latn-DE", "de-DE"} << test << "";
    QTest::newRow("the C locale (LANG=C) stays English") << QStringList{"C"} << test << "";
    QTest::newRow("German after a language Qt does not know is chosen (LANGUAGE=xx:de)")
        << QStringList{"xx", "C", "de", "de-Latn-DE", "de-DE"} << test << "de";
    QTest::newRow("no language at all stays English") << QStringList{} << test << "";

    const QString program = Translator::programTranslations();
    for (const QString& language : QStringLiteral(SKYVARRE_LANGUAGES).split(u',')) {
        QTest::addRow("%s is chosen when the system asks for it", qPrintable(language))
            << QLocale(language).uiLanguages() << program << language;
    }
    QTest::newRow("Hong Kong reads the traditional characters")
        << QLocale(QStringLiteral("zh_HK")).uiLanguages() << program << "zh_TW";
    QTest::newRow("Portugal reads Brazilian Portuguese")
        << QLocale(QStringLiteral("pt_PT")).uiLanguages() << program << "pt_BR";
}

void tst_Translator::theFirstLanguageWithATranslationIsChosen()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, folder);
    QFETCH(QString, catalogue);
    {
        const Translator translator(languages, folder);
        QCOMPARE(translator.language(), catalogue.isEmpty() ? QLocale::English : QLocale(catalogue).language());
        QCOMPARE(programText(), textIn(folder, catalogue));
        if (catalogue.isEmpty())
            QCOMPARE(qtText(), QStringLiteral("&Yes"));
        else if (catalogue == u"de")
            QCOMPARE(qtText(), QStringLiteral("&Ja"));
    }
    // The translations go with the translator.
    QCOMPARE(programText(), QString::fromLatin1(kText));
    QCOMPARE(qtText(), QStringLiteral("&Yes"));
}

QTEST_GUILESS_MAIN(tst_Translator)
#include "tst_translator.moc"
