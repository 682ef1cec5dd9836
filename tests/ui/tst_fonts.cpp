#include "Glyphs.h"
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
    void everyLanguageIsDrawnWithRealGlyphs_data();
    void everyLanguageIsDrawnWithRealGlyphs();
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

void tst_Fonts::everyLanguageIsDrawnWithRealGlyphs_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QFontDatabase::WritingSystem>("script");
    QTest::addColumn<QString>("text");

    // Letters of each script the translations are written in, in the faces
    // the windows ask for: where the face lacks them, Qt's fallback must find
    // a face that has them.
    const QString latin =
        QStringLiteral("ÄÖÜäöüß ÀÂÇÉÈÊËÎÏÔÙÛŸàâçéèêëîïôùûÿœæ ÁÍÓÚÑáíóúñ¿¡ ìò ÃÕãõ "
                       "ĄĆĘŁŃŚŹŻąćęłńśźż ĞİŞğış „“”–");
    const QString cyrillic =
        QStringLiteral("Иван ЁЖЩЫЭЮЯ ёжщыэюя Сентябрь ЄІЇҐєіїґ Ім’я «Довідка» —");
    // Persian's own letters and both sets of digits (the Arabic locale's and
    // the Persian one's) among the Arabic script's.
    const QString arabic =
        QStringLiteral("سدنا الحمل الثور الجوزاء يناير ة ى ؟ ، « » پچژگکی ۰۱۲۳۴۵۶۷۸۹ ٠١٢٣٤٥٦٧٨٩");
    const QString hebrew = QStringLiteral("סדנה טלה שור תאומים ינואר ךםןףץ דוא״ל אנטי־וירוס");
    const QString han =
        QStringLiteral("王芳 白羊座 金牛座 双子座 九月 十二月 查找我的塞德娜星座 退出");
    const QString traditionalHan = QStringLiteral("陳怡君 牡羊座 雙子座 十二月 賽德娜 檔案 說明 結束");
    const QString japanese = QStringLiteral("佐藤 セドナ 牡羊座 お名前 生年月日 終了");
    const QString korean = QStringLiteral("김민준 세드나 쌍둥이자리 황소자리 생년월일 끝내기");
    const QString devanagari = QStringLiteral("प्रिया सेडना मेष वृषभ मिथुन क्षुद्रग्रह अक्तूबर कुंडली फ़ाइल");
    const QString vietnamese = QStringLiteral("Nguyễn Bạch Dương Kim Ngưu Song Tử Thoát Tệp ỗ ự ữ ặ Đ");
    const QFont regular = look::verdana(look::kNormalPoints);
    const QFont bold = look::verdana(look::kNormalPoints, look::TextStyle::Bold);
    const QFont title = windowFont(look::kSansSerif, 18);
    QTest::newRow("every language in Latin letters in the windows' face")
        << regular << QFontDatabase::Latin << latin;
    QTest::newRow("Vietnamese in the windows' bold face")
        << bold << QFontDatabase::Vietnamese << vietnamese;
    QTest::newRow("Russian and Ukrainian in the windows' face")
        << regular << QFontDatabase::Cyrillic << cyrillic;
    QTest::newRow("Russian and Ukrainian in the farewell title's face")
        << title << QFontDatabase::Cyrillic << cyrillic;
    QTest::newRow("Arabic and Persian in the windows' face")
        << regular << QFontDatabase::Arabic << arabic;
    QTest::newRow("Arabic and Persian in the windows' bold face")
        << bold << QFontDatabase::Arabic << arabic;
    QTest::newRow("Arabic and Persian in the farewell title's face")
        << title << QFontDatabase::Arabic << arabic;
    QTest::newRow("Hebrew in the windows' face") << regular << QFontDatabase::Hebrew << hebrew;
    QTest::newRow("Hebrew in the farewell title's face")
        << title << QFontDatabase::Hebrew << hebrew;
    QTest::newRow("Chinese in the windows' face")
        << regular << QFontDatabase::SimplifiedChinese << han;
    QTest::newRow("Chinese in the windows' bold face")
        << bold << QFontDatabase::SimplifiedChinese << han;
    QTest::newRow("Chinese in the farewell title's face")
        << title << QFontDatabase::SimplifiedChinese << han;
    QTest::newRow("Traditional Chinese in the windows' bold face")
        << bold << QFontDatabase::TraditionalChinese << traditionalHan;
    QTest::newRow("Japanese in the windows' bold face") << bold << QFontDatabase::Japanese << japanese;
    QTest::newRow("Korean in the windows' bold face") << bold << QFontDatabase::Korean << korean;
    QTest::newRow("Hindi in the windows' face") << regular << QFontDatabase::Devanagari << devanagari;
    QTest::newRow("Hindi in the windows' bold face") << bold << QFontDatabase::Devanagari << devanagari;
    QTest::newRow("Hindi in the farewell title's face")
        << title << QFontDatabase::Devanagari << devanagari;
}

void tst_Fonts::everyLanguageIsDrawnWithRealGlyphs()
{
    QFETCH(QFont, font);
    QFETCH(QFontDatabase::WritingSystem, script);
    QFETCH(QString, text);

    if (QFontDatabase::families(script).isEmpty())
        QSKIP(qPrintable(QStringLiteral("no font for %1 is installed (the test packages bring "
                                        "fonts-wqy-microhei for Han, kana and Hangul, "
                                        "fonts-noto-ui-core for Devanagari)")
                             .arg(QFontDatabase::writingSystemName(script))));
    // An empty box is glyph 0 of the face that was asked for.
    const QString missing = test::missingGlyphs(font, text);
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("%1 draws empty boxes for %2, though faces for the "
                                       "script are installed: %3")
                            .arg(QFontInfo(font).family(), missing,
                                 QFontDatabase::families(script).join(QStringLiteral(", ")))));
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
