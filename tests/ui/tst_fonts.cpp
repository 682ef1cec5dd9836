#include "ui/Fonts.h"
#include "ui/Look.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

using namespace skyvarre;

namespace {

// A family that no machine has.
const QString kMissingFamily = QStringLiteral("Skyvarre Test Face Nobody Installs");
const QString kMissingWithoutSubstitute = QStringLiteral("Skyvarre Test Face Without Substitute");

} // namespace

class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void installedFamily_data();
    void installedFamily();
    void theWindowsFacesAreTheSubstitutesWhereTheRequestedAreMissing_data();
    void theWindowsFacesAreTheSubstitutesWhereTheRequestedAreMissing();
};

void tst_Fonts::initTestCase()
{
    installFontSubstitutions();
    QVERIFY2(QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans")),
             "the substitute face is not installed (fonts-dejavu-core)");
}

void tst_Fonts::installedFamily_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("substitute");
    QTest::addColumn<QString>("expected");

    const QString installed = QStringLiteral("DejaVu Sans");
    const QString otherInstalled = QStringLiteral("DejaVu Serif");
    QTest::newRow("a family the machine has is asked for as it is")
        << installed << QString() << installed;
    QTest::newRow("a family the machine has is kept even where it has a substitute")
        << otherInstalled << installed << otherInstalled;
    QTest::newRow("a family the machine has is found whatever its case")
        << QStringLiteral("dejavu sans") << QString() << QStringLiteral("dejavu sans");
    QTest::newRow("a missing family is asked for by its substitute, spelled as installed")
        << kMissingFamily << QStringLiteral("DEJAVU SANS") << installed;
    QTest::newRow("a missing family whose substitute is missing too stays as it is")
        << kMissingFamily << kMissingWithoutSubstitute << kMissingFamily;
    QTest::newRow("a missing family without a substitute stays as it is")
        << kMissingWithoutSubstitute << QString() << kMissingWithoutSubstitute;
}

void tst_Fonts::installedFamily()
{
    QFETCH(QString, requested);
    QFETCH(QString, substitute);
    QFETCH(QString, expected);

    if (!substitute.isEmpty())
        QFont::insertSubstitution(requested, substitute);
    const QString family = skyvarre::installedFamily(requested);
    if (!substitute.isEmpty())
        QFont::removeSubstitutions(requested);
    QCOMPARE(family, expected);
}

void tst_Fonts::theWindowsFacesAreTheSubstitutesWhereTheRequestedAreMissing_data()
{
    QTest::addColumn<QString>("requested");

    QTest::newRow("Verdana, the face of every window") << look::kVerdana;
    QTest::newRow("MS Sans Serif, the farewell window's title") << look::kSansSerif;
}

void tst_Fonts::theWindowsFacesAreTheSubstitutesWhereTheRequestedAreMissing()
{
    QFETCH(QString, requested);

    // Where the machine has the face itself, it is used; nothing to check here.
    if (QFontDatabase::hasFamily(requested))
        QSKIP("this machine has the requested face");
    // The face drawn is the substitute, not whichever face fontconfig would
    // pick for the missing family on this machine.
    const QString family = skyvarre::installedFamily(requested);
    QCOMPARE(family.toLower(), QFont::substitute(requested).toLower());
    QCOMPARE(QFontInfo(QFont(family)).family(), family);
    QCOMPARE(QFontInfo(look::verdana(look::kNormalPoints, look::TextStyle::Bold)).family(),
             skyvarre::installedFamily(look::kVerdana));
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
